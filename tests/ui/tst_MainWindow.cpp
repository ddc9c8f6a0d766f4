#include "FixtureSettings.h"
#include "ProgramCopy.h"
#include "RecordingSpeech.h"

#include "app/SettingsC.h"
#include "content/GlobalsC.h"
#include "content/JobsC.h"
#include "content/MessagesC.h"
#include "content/PathsC.h"
#include "help/HelpSystemC.h"
#include "help/HelpUiC.h"
#include "main/HauptC.h"
#include "main/ProgramStartC.h"
#include "main/SplashScreenC.h"
#include "pad/BraillePadDlgC.h"
#include "settings/BackFontDlgC.h"
#include "run/SpeakTextDlgC.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
const char *const Settings = FixtureSettings;

// Answers the next standard message box with the button whose text is Answer.
void AnswerMessageBox(const QString &Answer, QString *Seen = nullptr)
{
    QTimer::singleShot(50, [Answer, Seen] {
        auto *Box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!Box)
            return;
        if (Seen)
            *Seen = Box->text();
        for (QAbstractButton *B : Box->buttons())
            if (B->text().remove(QLatin1Char('&')) == Answer) {
                B->click();
                return;
            }
        QFAIL(qPrintable(QStringLiteral("no button ") + Answer));
        Box->reject();
    });
}
} // namespace

// The main window over the fixture course: the status text after each
// event of the loader, the status bar's shortcuts, the commands while
// loading runs, the close with and without its question.
class tst_MainWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir FFolder;
    QString FProgram;
    std::unique_ptr<TForm1_TW> W;

    void WriteSettings(const QByteArray &Ini)
    {
        QDir().mkpath(ProfilePath);
        QFile F(ProfilePath + SettingsFileName);
        QVERIFY(F.open(QIODevice::WriteOnly | QIODevice::Truncate));
        F.write(Ini);
    }
    // Starts the window as the program does, and waits for its status text.
    void Start(const QByteArray &Ini = Settings)
    {
        WriteSettings(Ini);
        W = std::make_unique<TForm1_TW>();
        QVERIFY(W->LoadIni());
        CreateFolders();
        W->StartLoading();
        HelpSystem->LoadEinleitung();
        W->show();
        QApplication::setActiveWindow(W.get());
        QTRY_VERIFY_WITH_TIMEOUT(W->IsStarted(), 10000);
        QTRY_VERIFY(Lines().value(0) == QStringLiteral("Folgende Daten wurden geladen:"));
    }
    QStringList Lines() const { return W->Re1->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
    void Send(int Code, int LParam) { SendMessage(MainWindowHandle, WM_USER_STATUS, Code, LParam); }

private slots:
    void initTestCase()
    {
        FProgram = FFolder.path() + QStringLiteral("/programm");
        TProgramCopy::Copy(QStringLiteral(TASTWERK_TEST_DATA "/programm"), FProgram);
        QFile Intro(FProgram + QStringLiteral("/Einleitung.txt"));
        QVERIFY(Intro.open(QIODevice::WriteOnly));
        Intro.write("Willkommen bei Tastwerk.\r\nDas ist ein [a].\r\n");
        Intro.close();
        InitPaths(FProgram, QStringLiteral("lerner"), FProgram);
        InstallGermanQtTexts();
        InstallHelpKey();
    }
    void cleanup()
    {
        if (W) {
            W->AutoClose = true;
            W->close();
            W.reset();
        }
        QFile::remove(ProfilePath + SettingsFileName);
    }

    void statusText_afterStart()
    {
        Start();
        QCOMPARE(W->windowTitle(), QStringLiteral("Tastwerk V1.02"));
        const QString Shortcuts = QStringLiteral("F4=Einzellektion starten; F8=Sammellektion starten; "
                                                 "Strg+M=Lernmaterial wählen");
        QCOMPARE(Lines(), (QStringList{
                              "Folgende Daten wurden geladen:",
                              "Lernmaterial: \"Testkurs\"",
                              "Bereich: \"Wörter und Texte\"",
                              "Lektion: \"Wörter lesen\"",
                              "Sammellektion: \"Ganzer Kurs\"",
                              "Abgeschlossene Lektion: \"Wörter lesen\"",
                              "Nächste Lektion: \"Zeichen im Wort finden\"",
                              "Punktestand: 17",
                              "Kurztasten: " + Shortcuts,
                          }));
        QCOMPARE(W->StatusPanel->text(), Shortcuts);
        // The screen reader starts reading at the top.
        QCOMPARE(W->Re1->textCursor().position(), 0);
        QVERIFY(!W->Re1->textCursor().hasSelection());
        QCOMPARE(QApplication::focusWidget(), W->Re1);
    }

    void statusText_nothingSelected()
    {
        Start("[Settings]\r\nShowEinleitung=0\r\nCloseCheck=0\r\nLernmaterial=Gibt-es-nicht\r\n");
        QCOMPARE(Lines().mid(1, 4), (QStringList{"Kein Lernmaterial ausgewählt!", "Kein Bereich ausgewählt!",
                                                 "Keine Lektion ausgewählt!", "Keine Sammellektion ausgewählt!"}));
        // The material has no lessons at all.
        QVERIFY(W->StatusPanel->text().startsWith(
            QStringLiteral("0 Einzellektionen gefunden; 0 Sammellektionen gefunden")));
    }

    void refresh_keepsTheSelectionsAndShowsThePoints()
    {
        Start();
        LektionName = QStringLiteral("05 Reihenfolge.lek");
        HighScore += 5;
        Send(WM_USER_REFRESH, 1);
        QVERIFY(Lines().contains(QStringLiteral("Punktestand: 22")));
        // Only a load resolves the lesson anew.
        QVERIFY(Lines().contains(QStringLiteral("Lektion: \"Wörter lesen\"")));
        LektionName = QStringLiteral("Gibt es nicht.lek");
        Send(WM_USER_JOBS, 0);
        QVERIFY(Lines().contains(QStringLiteral("Keine Lektion ausgewählt!")));
        QVERIFY(W->StatusPanel->text().startsWith(QStringLiteral("Strg+L=Einzellektion wählen; F8=")));
    }

    void sammelNameIndexPastTheEnd_resetOnRebuild()
    {
        Start();
        SammelNameIndex = 99;
        Send(WM_USER_JOBS, 0);
        QCOMPARE(SammelNameIndex, -1);
        QVERIFY(Lines().contains(QStringLiteral("Noch keine abgeschlossene Lektion vorhanden!")));
        QVERIFY(Lines().contains(QStringLiteral("Nächste Lektion: \"Wörter lesen\"")));
    }

    void reload_showsLoadingThenTheNewText()
    {
        Start();
        QStringList FirstLines;
        connect(W->Re1, &QPlainTextEdit::textChanged, W.get(),
                [&] { FirstLines.append(W->Re1->toPlainText().section(QLatin1Char('\n'), 0, 0)); });
        W->Jobs()->ReloadFiles();
        // A late event of the first load may rebuild the text once more
        // before the reload starts: what counts is the order after it.
        const QString Loading = QStringLiteral("Lade Daten..."),
                      Loaded = QStringLiteral("Folgende Daten wurden geladen:");
        QTRY_VERIFY(FirstLines.contains(Loading) && FirstLines.lastIndexOf(Loaded) > FirstLines.lastIndexOf(Loading));
        QTRY_VERIFY(W->BtnEinzellektion->isEnabled());
    }

    void splashStillUp_noStatusTextYet()
    {
        Start();
        W->Re1->clear();
        SplashScreenForm = new TSplashScreenForm(QStringLiteral("/gibt/es/nicht.ss"));
        Send(WM_USER_JOBS, 0);
        QCOMPARE(W->Re1->toPlainText(), QString());
        delete SplashScreenForm;
        SplashScreenForm = nullptr;
        Send(WM_USER_STARTED, 0);
        QCOMPARE(Lines().value(0), QStringLiteral("Folgende Daten wurden geladen:"));
    }

    void busyStates_data()
    {
        QTest::addColumn<bool>("Busy");
        QTest::newRow("loading") << true;
        QTest::newRow("idle") << false;
    }
    void busyStates()
    {
        QFETCH(bool, Busy);
        Start();
        W->UpdateActions(Busy);
        W->UpdateStatusBar(Busy);
        for (QWidget *B : {W->BtnEinzellektion, W->BtnSammellektion, W->BtnLernmaterial, W->BtnBraillePad})
            QCOMPARE(B->isEnabled(), !Busy);
        QCOMPARE(W->BtnBeenden->isEnabled(), true);
        for (QAction *A : {W->MM_AK_EL_Liste, W->MM_AK_EL_Starte, W->MM_AK_SL_Liste, W->MM_AK_SL_Starte,
                           W->MM_AK_SL_Gehe, W->MM_AK_LM_Liste, W->MM_AK_BraillePad, W->PM_EL_Liste, W->PM_SL_Gehe})
            QCOMPARE(A->isEnabled(), !Busy);
        if (Busy)
            QCOMPARE(W->StatusPanel->text(), QStringLiteral("Lade Daten..."));
        // Without a collective lesson there is nothing to go to.
        W->Sammellektion = nullptr;
        W->UpdateActions(Busy);
        QVERIFY(!W->MM_AK_SL_Gehe->isEnabled());
        QCOMPARE(W->MM_AK_SL_Liste->isEnabled(), !Busy);
    }

    void closeQuery_data()
    {
        QTest::addColumn<QString>("Answer");
        QTest::addColumn<bool>("Closed");
        QTest::newRow("no") << "Nein" << false;
        QTest::newRow("yes") << "Ja" << true;
    }
    void closeQuery()
    {
        QFETCH(QString, Answer);
        QFETCH(bool, Closed);
        Start(QByteArray(Settings).replace("CloseCheck=0", "CloseCheck=1"));
        HighScore = 31;
        QString Question;
        AnswerMessageBox(Answer, &Question);
        W->close();
        QCOMPARE(Question, QStringLiteral("Soll das Programm geschlossen werden?"));
        QCOMPARE(W->isVisible(), !Closed);
        QCOMPARE(IsProgramClosing.load(), Closed);
        QFile Ini(ProfilePath + SettingsFileName);
        QVERIFY(Ini.open(QIODevice::ReadOnly));
        QCOMPARE(Ini.readAll().contains("HighScore=31"), Closed);
    }

    void autoClose_noQuestion()
    {
        Start(QByteArray(Settings).replace("CloseCheck=0", "CloseCheck=1"));
        HighScore = 40;
        SendMessage(MainWindowHandle, WM_USER_AUTOCLOSE, 0, 0);
        QVERIFY(!W->isVisible());
        QFile Ini(ProfilePath + SettingsFileName);
        QVERIFY(Ini.open(QIODevice::ReadOnly));
        QVERIFY(Ini.readAll().contains("HighScore=40"));
    }

    void autoClose_closesOpenMessagesFirst()
    {
        Start(QByteArray(Settings).replace("CloseCheck=0", "CloseCheck=1"));
        int Result = -1;
        QTimer::singleShot(0, [&] {
            Result = ShowSpeakText(QStringLiteral("Frage"), QStringLiteral("Weiter?"), false, false, 13, QString(),
                                   stbYesNo, false);
        });
        // Another program asks to close while the question is open.
        bool QuestionOpen = false;
        QTimer::singleShot(100, [&] {
            QuestionOpen = qobject_cast<TSpeakTextDlg *>(QApplication::activeModalWidget()) != nullptr;
            QCoreApplication::postEvent(W.get(), new TMessageEvent(WM_USER_AUTOCLOSE, 0, 0));
        });
        QTRY_VERIFY(!W->isVisible());
        QVERIFY(QuestionOpen);
        QCOMPARE(Result, 2);
    }

    void introductionOnStart_dataMessageOnlyAfterReload()
    {
        TRecordingSpeech Speech;
        QString Caption, Text;
        OnSpeakTextDlgShown = [&](TSpeakTextDlg *D) {
            Caption = D->windowTitle();
            Text = D->Re1->toPlainText();
            D->done(11);
        };
        Start(QByteArray(Settings)
                  .replace("ShowEinleitung=0", "ShowEinleitung=1")
                  .replace("SapiSpeech.Stimme=", "SapiSpeech.Stimme=Testsprecher"));
        // The recording facade stands in for the program's voice from here on.
        ::Speech = Speech.Facade.get();
        SapiSpeechStimme = Speech.Engine->Voice();
        QTRY_COMPARE(Caption, QStringLiteral("Einleitung zu Tastwerk"));
        OnSpeakTextDlgShown = nullptr;
        QVERIFY(Text.startsWith(QStringLiteral("Willkommen bei Tastwerk.\nDas ist ein ⠁.")));
        QTest::qWait(50);
        QVERIFY2(!Speech.Engine->Spoken.contains(QStringLiteral("Daten wurden geladen!")),
                 qPrintable(Speech.Engine->Spoken.join(u'|')));
        W->Jobs()->ReloadFiles();
        QTRY_VERIFY(Speech.Engine->Spoken.contains(QStringLiteral("Daten wurden geladen!")));
        ::Speech = nullptr;
    }

    void f1_opensThePageOfTheWindowInFront()
    {
        Start();
        QDir().mkpath(HilfePath);
        for (const char *Page : {"FensterHauptfenster.html", "FensterLektionAbgeschlossen.html"}) {
            QFile F(HilfePath + QLatin1String(Page));
            QVERIFY(F.open(QIODevice::WriteOnly));
        }
        QStringList Opened;
        InstallHelpOpener([&](const QString &Path) {
            Opened << QFileInfo(Path).fileName();
            return true;
        });
        QTest::keyClick(W->Re1, Qt::Key_F1);
        // In a message window its own page; afterwards the main window's again.
        OnSpeakTextDlgShown = [](TSpeakTextDlg *D) {
            QApplication::setActiveWindow(D);
            QTest::keyClick(D->Re1, Qt::Key_F1);
            D->done(1);
        };
        ShowSpeakText(QStringLiteral("Lektion abgeschlossen"), QStringLiteral("Fertig"), false, false, 13, QString(),
                      stbOK, false);
        OnSpeakTextDlgShown = nullptr;
        QApplication::setActiveWindow(W.get());
        W->Re1->setFocus();
        QTest::keyClick(W->Re1, Qt::Key_F1);
        InstallHelpOpener(nullptr);
        QCOMPARE(Opened, (QStringList{"FensterHauptfenster.html", "FensterLektionAbgeschlossen.html",
                                      "FensterHauptfenster.html"}));
    }

    void windowsOpenFromTheMainWindow()
    {
        Start();
        bool PadShown = false;
        OnBraillePadDlgShown = [&](TBraillePadDlg *D) {
            PadShown = true;
            D->done(2);
        };
        W->BtnBraillePad->click();
        OnBraillePadDlgShown = nullptr;
        QVERIFY(PadShown);

        // The font dialog with its own help page while it is open.
        int HelpWhileOpen = -1;
        QString Title;
        QTimer::singleShot(100, [&] {
            if (auto *D = qobject_cast<TBackFontDlg *>(QApplication::activeModalWidget())) {
                HelpWhileOpen = HelpSystem->HelpId();
                Title = D->windowTitle();
                D->done(2);
            }
        });
        W->MM_A_BackFont->trigger();
        QCOMPARE(Title, QStringLiteral("Schrifteinstellungen"));
        QCOMPARE(HelpWhileOpen, 18);
        QCOMPARE(HelpSystem->HelpId(), 3);
    }

    void closingWhileLoading_endsWithinTheBound()
    {
        // The shipped course keeps the loader busy for a while.
        InitPaths(QStringLiteral(TASTWERK_SHARE), QStringLiteral("lerner"), FFolder.path() + QStringLiteral("/user"));
        WriteSettings(Settings);
        W = std::make_unique<TForm1_TW>();
        W->LoadIni();
        W->StartLoading();
        W->show();
        QElapsedTimer Clock;
        Clock.start();
        W->AutoClose = true;
        W->close();
        W.reset();
        const qint64 Ms = Clock.elapsed();
        qInfo("close while loading: %lld ms", Ms);
        QVERIFY2(Ms < 2500, qPrintable(QString::number(Ms)));
        InitPaths(FProgram, QStringLiteral("lerner"), FProgram);
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_MainWindow.moc"
