#include "RecordingSpeech.h"

#include "app/SettingsC.h"
#include "braille/BrlUniCharC.h"
#include "common/WindowKeysC.h"
#include "content/PathsC.h"
#include "exercise/AtTextDlgC.h"
#include "help/HelpSystemC.h"
#include "help/HelpUiC.h"
#include "keytest/TastaturtestDlgC.h"
#include "lists/ListenDlgC.h"
#include "main/HauptC.h"
#include "main/ProgramStartC.h"
#include "pad/BraillePadDlgC.h"
#include "pad/LoadSaveDlgC.h"
#include "progress/FortschrittC.h"
#include "progress/FortschrittDlgC.h"
#include "run/SpeakTextDlgC.h"
#include "settings/BackFontDlgC.h"
#include "settings/BrailleCharsDlgC.h"
#include "settings/StimmeDlgC.h"

#include "FixtureSettings.h"
#include "ProgramCopy.h"

#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
const char *const Settings = FixtureSettings;
} // namespace

// Enter on a focused button presses that button, in every window of the
// program, whatever the window's default button is. Each row opens a window
// afresh over the fixture course, puts the focus on one button and presses
// Enter: that button, and no other, is pressed. Whatever the press opens is
// closed again.
class tst_ButtonKeys : public QObject
{
    Q_OBJECT

    QTemporaryDir FFolder;
    std::unique_ptr<TForm1_TW> W;
    TFortschritt FFortschritt;

    void StartMain()
    {
        QDir().mkpath(ProfilePath);
        QFile F(ProfilePath + SettingsFileName);
        QVERIFY(F.open(QIODevice::WriteOnly | QIODevice::Truncate));
        F.write(Settings);
        F.close();
        W = std::make_unique<TForm1_TW>();
        QVERIFY(W->LoadIni());
        CreateFolders();
        W->StartLoading();
        W->show();
        QApplication::setActiveWindow(W.get());
        QTRY_VERIFY_WITH_TIMEOUT(W->IsStarted(), 10000);
    }

    // The window a row is about; null for the main window itself.
    QDialog *Make(const QString &Window)
    {
        if (Window == u"Meldung")
            return new TSpeakTextDlg(nullptr, QStringLiteral("T"), QStringLiteral("Text"), true, true, QString(), stbOK,
                                     false);
        if (Window == u"Frage")
            return new TSpeakTextDlg(nullptr, QStringLiteral("T"), QStringLiteral("Text"), true, true, QString(),
                                     stbYesNo, false);
        if (Window == u"Schreibergebnis")
            return new TSpeakTextDlg(nullptr, QStringLiteral("T"), QStringLiteral("Text"), true, true, QString(),
                                     stbRepeatNext, false);
        if (Window == u"Einleitung")
            return new TSpeakTextDlg(nullptr, QStringLiteral("T"), QStringLiteral("Text"), true, true, QString(),
                                     stbHelp, false);
        if (Window == u"BraillePad")
            return new TBraillePadDlg(nullptr);
        if (Window == u"Laden")
            return new TLoadSaveDlg(nullptr, true, QString());
        if (Window == u"Speichern")
            return new TLoadSaveDlg(nullptr, false, QStringLiteral("text.txt"));
        if (Window == u"Schrift")
            return new TBackFontDlg(nullptr, AktBackColor, AktFont, nullptr);
        if (Window == u"Braillezeilenbreite")
            return new TBrailleCharsDlg(nullptr, bcdChars);
        if (Window == u"Stimme")
            return new TStimmeDlg(nullptr);
        if (Window == u"Fortschritt")
            return new TFortschrittDlg(nullptr, FFortschritt, GetAktLernmaterialName(), QDate::currentDate());
        if (Window == u"Tastaturtest")
            return new TTastaturtestDlg(nullptr);
        if (Window == u"Liste")
            return new TListenDlg(W.get(), lmBereichAndLektion, -1, 0, nullptr);
        if (Window == u"Lektion")
            return new TAT_Text_Dlg(W.get(), W->Lektion);
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        const QString Program = FFolder.path() + QStringLiteral("/programm");
        TProgramCopy::Copy(QStringLiteral(TASTWERK_TEST_DATA "/programm"), Program);
        InitPaths(Program, QStringLiteral("lerner"), Program);
        InstallGermanQtTexts();
        InstallHelpOpener([](const QString &) { return true; });
        // A character answered wrong today: the review button is on.
        FFortschritt.RecordTyping(QStringLiteral("Lernmaterial-1"), QStringLiteral("⠑"), QStringLiteral("⠊"),
                                  QDate::currentDate());
    }
    void cleanup()
    {
        if (W) {
            W->AutoClose = true;
            W->close();
            W.reset();
        }
    }

    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<QString>("Window");
        QTest::addColumn<QString>("Button");
        const QList<QPair<const char *, QStringList>> Windows = {
            {"Meldung", {"OK"}},
            {"Frage", {"Ja", "Nein"}},
            {"Schreibergebnis", {"Nocheinmal", "Weiter"}},
            {"Einleitung", {"Hilfe", "Schließen"}},
            {"Hauptfenster", {"Einzellektion", "Sammellektion", "Lernmaterial", "BraillePad", "Beenden"}},
            {"BraillePad", {"Laden", "Speichern", "Schließen"}},
            {"Laden", {"Auch schreiben", "Nur lesen", "Abbrechen"}},
            {"Speichern", {"Speichern", "Abbrechen"}},
            {"Schrift", {"OK", "Abbrechen"}},
            {"Braillezeilenbreite", {"OK", "Abbrechen"}},
            {"Stimme", {"OK", "Abbrechen"}},
            {"Fortschritt", {"Schwache Zeichen wiederholen", "Schließen"}},
            {"Tastaturtest", {"Schließen"}},
            {"Liste", {"Bereiche", "OK", "Abbrechen"}},
            {"Lektion", {"Weiter", "Abbrechen"}},
        };
        for (const auto &[Window, Buttons] : Windows)
            for (const QString &B : Buttons)
                QTest::addRow("%s: %s", Window, qPrintable(B)) << QString::fromUtf8(Window) << B;
    }
    void enterPressesTheFocusedButton()
    {
        QFETCH(QString, Window);
        QFETCH(QString, Button);
        StartMain();
        std::unique_ptr<QDialog> Dlg(Make(Window));
        QWidget *Top = Dlg ? static_cast<QWidget *>(Dlg.get()) : W.get();
        // Whatever a press opens above the window is closed again.
        QTimer Closer;
        connect(&Closer, &QTimer::timeout, [Top] {
            if (QWidget *P = QApplication::activePopupWidget())
                P->close();
            else if (auto *M = qobject_cast<QDialog *>(QApplication::activeModalWidget()); M && M != Top)
                M->reject();
            else if (QWidget *M = QApplication::activeModalWidget(); M && M != Top)
                M->close();
        });
        Closer.start(20);
        Top->show();
        QApplication::setActiveWindow(Top);
        QTRY_VERIFY(Top->isActiveWindow() || !Top->isVisible());
        QVERIFY2(Top->isVisible(), "the window closed itself");
        // A written text: the pad's Speichern is on.
        if (auto *Pad = qobject_cast<TBraillePadDlg *>(Top))
            Pad->Re1->document()->setModified(true);

        QPushButton *Target = nullptr;
        QStringList Pressed;
        for (QPushButton *B : Top->findChildren<QPushButton *>()) {
            const QString Name = B->text().remove(u'&');
            if (Name == Button && B->isVisible())
                Target = B;
            connect(B, &QPushButton::clicked, this, [&Pressed, Name] { Pressed << Name; });
        }
        QVERIFY2(Target, "no such button");
        QVERIFY(Target->isEnabled());
        Target->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), Target);
        QTest::keyClick(Target, Qt::Key_Return);
        QTRY_COMPARE(Pressed, QStringList{Button});
        if (Dlg && Dlg->isVisible())
            Dlg->reject();
    }

    // The window's own keys still answer: J and N in a question, Esc in a
    // message, with the focus on the text.
    void windowKeysStillHold()
    {
        for (auto [Key, Result] : {std::pair{Qt::Key_J, 6}, std::pair{Qt::Key_N, 7}}) {
            TSpeakTextDlg D(nullptr, QStringLiteral("T"), QStringLiteral("Text"), true, true, QString(), stbYesNo,
                            false);
            D.show();
            QApplication::setActiveWindow(&D);
            D.Re1->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), D.Re1);
            QTest::keyClick(D.Re1, Key);
            QCOMPARE(D.result(), Result);
        }
    }

    // Speech stops when the program loses the focus to another program.
    void speechStopsOnDeactivation()
    {
        TRecordingSpeech Recording;
        EnsureSpeechStopOnDeactivation();
        const int Before = Recording.Engine->Stops;
        emit qApp->applicationStateChanged(Qt::ApplicationInactive);
        QCOMPARE(Recording.Engine->Stops, Before + 1);
        emit qApp->applicationStateChanged(Qt::ApplicationActive);
        QCOMPARE(Recording.Engine->Stops, Before + 1);
    }
};

QTEST_MAIN(tst_ButtonKeys)
#include "tst_ButtonKeys.moc"
