#include "app/SettingsC.h"
#include "braille/BrlKeyBrdC.h"
#include "braille/BrlUniCharC.h"
#include "common/AccessibilityC.h"
#include "common/LabeledEditC.h"
#include "content/PathsC.h"
#include "help/HelpSystemC.h"
#include "main/ProgramStartC.h"
#include "pad/BraillePadDlgC.h"
#include "pad/LoadSaveDlgC.h"
#include "sound/SoundsHelperC.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "RecordingSpeech.h"

namespace
{
// X key codes (evdev + 8) of the chord keys.
quint32 ChordKey(QChar Dot)
{
    switch (Dot.unicode()) {
    case u'1':
        return 41; // F
    case u'2':
        return 40; // D
    case u'3':
        return 39; // S
    case u'4':
        return 44; // J
    case u'5':
        return 45; // K
    case u'6':
        return 46; // L
    default:
        return 38; // A
    }
}

QString Cells(std::initializer_list<int> Codes)
{
    QString S;
    for (int C : Codes)
        S += QChar(C);
    return S;
}

QByteArray ReadAll(const QString &File)
{
    QFile F(File);
    return F.open(QIODevice::ReadOnly) ? F.readAll() : QByteArray();
}
} // namespace

// The BraillePad: writing with chords and with letters, load and save through
// its file dialog, read-only texts, the questions about unsaved changes, and
// texts that come back as the same cells.
class tst_BraillePad : public QObject
{
    Q_OBJECT

    QTemporaryDir FFolder;
    TBrlUniChar FTable;
    THelpSystem FHelp;
    int FBeeps = 0;
    std::unique_ptr<TBraillePadDlg> FPad;

    // Modal windows are answered in turn by the queued handlers, each once it
    // is up; a handler that leaves its window open is followed by the next
    // one for the window that comes up after it.
    QList<std::function<void(QWidget *)>> FAnswers;
    QPointer<QWidget> FLastAnswered;
    QTimer FAnswerTimer;
    QStringList FQuestions; // texts of the message boxes seen

    void Answer(std::function<void(QWidget *)> Handler) { FAnswers.append(std::move(Handler)); }
    void AnswerBox(QMessageBox::StandardButton Button)
    {
        Answer([this, Button](QWidget *W) {
            auto *Box = qobject_cast<QMessageBox *>(W);
            QVERIFY2(Box, "a message box was expected");
            FQuestions.append(Box->text());
            Box->button(Button)->click();
        });
    }
    void AnswerFile(std::function<void(TLoadSaveDlg *)> Handler)
    {
        Answer([Handler](QWidget *W) {
            auto *Dlg = qobject_cast<TLoadSaveDlg *>(W);
            QVERIFY2(Dlg, "the file dialog was expected");
            Handler(Dlg);
        });
    }
    void PollModal()
    {
        QWidget *W = QApplication::activeModalWidget();
        if (!W || W == FPad.get() || W == FLastAnswered || FAnswers.isEmpty() || !W->isVisible())
            return;
        FLastAnswered = W;
        auto Handler = FAnswers.takeFirst();
        // Run outside the timer: the handler may open the next modal window.
        QTimer::singleShot(0, W, [this, Handler, W] {
            Handler(W);
            if (QTest::currentTestFailed())
                CloseModals();
        });
    }
    // After a failed check inside a modal window: nothing may stay open.
    void CloseModals()
    {
        FAnswers.clear();
        QTimer::singleShot(0, this, [this] {
            if (auto *D = qobject_cast<QDialog *>(QApplication::activeModalWidget()); D && D != FPad.get()) {
                D->done(2);
                CloseModals();
            }
        });
    }

    TBraillePadDlg *OpenPad()
    {
        FPad = std::make_unique<TBraillePadDlg>(nullptr);
        FPad->show();
        QApplication::setActiveWindow(FPad.get());
        FPad->Re1->setFocus();
        if (!QTest::qWaitForWindowActive(FPad.get()))
            return nullptr;
        return FPad.get();
    }
    // Chords such as "124 3": each group pressed together, then released.
    void Chords(const QString &Script)
    {
        for (const QString &Chord : Script.split(u' ', Qt::SkipEmptyParts)) {
            for (auto Type : {QEvent::KeyPress, QEvent::KeyRelease})
                for (QChar Dot : Chord) {
                    QKeyEvent Ev(Type, Qt::Key_unknown, Qt::NoModifier, ChordKey(Dot), 0, 0, QString(), false);
                    QCoreApplication::sendEvent(FPad->windowHandle(), &Ev);
                }
        }
    }
    // Typed characters as the window receives them.
    void Type(const QString &Text, Qt::KeyboardModifiers Mods = Qt::NoModifier, int Key = Qt::Key_unknown)
    {
        for (QChar C : Text) {
            for (auto Type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent Ev(Type, Key, Mods | (C.isUpper() ? Qt::ShiftModifier : Qt::NoModifier), 0, 0, 0, QString(C),
                             false);
                QCoreApplication::sendEvent(FPad->windowHandle(), &Ev);
            }
        }
    }
    void Key(int Key, Qt::KeyboardModifiers Mods = Qt::NoModifier, const QString &Text = QString())
    {
        for (auto Type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent Ev(Type, Key, Mods, 0, 0, 0, Text, false);
            QCoreApplication::sendEvent(FPad->windowHandle(), &Ev);
        }
    }
    QString PadText() const { return FPad->Re1->toPlainText(); }
    void WriteFile(const QString &File, const QByteArray &Bytes)
    {
        QDir().mkpath(QFileInfo(File).path());
        QFile F(File);
        QVERIFY(F.open(QIODevice::WriteOnly));
        F.write(Bytes);
    }
    // Saves the pad's text under Name through the file dialog.
    void SaveAs(const QString &Name)
    {
        AnswerFile([Name](TLoadSaveDlg *D) {
            D->LeFile->Edit->setText(Name);
            D->Btn2OK->click();
        });
        QVERIFY(FPad->SaveBrailleText(true));
        QTRY_VERIFY(FPad->BrlKeyBrd()->Active());
    }
    // Loads the text of the row named Name; Write: with "Auch schreiben".
    void Load(const QString &Name, bool Write)
    {
        AnswerFile([Name, Write](TLoadSaveDlg *D) {
            const auto Rows = D->LvFiles->findItems(Name, Qt::MatchExactly);
            QCOMPARE(Rows.size(), 1);
            D->LvFiles->setCurrentItem(Rows.first());
            (Write ? D->Btn1Write : D->Btn2OK)->click();
        });
        QVERIFY(FPad->LoadBrailleText());
        QTRY_VERIFY(FPad->BrlKeyBrd()->Active());
    }

private slots:
    void initTestCase()
    {
        InstallAccessibilityMends();
        InstallGermanQtTexts();
        QVERIFY(FTable.LoadFile(QStringLiteral(TASTWERK_SHARE "/Data/BrlUniChar.txt")));
        BrlUniChar = &FTable;
        InstallBeep([this] { ++FBeeps; });
        HelpSystem = &FHelp;
        connect(&FAnswerTimer, &QTimer::timeout, this, [this] { PollModal(); });
        FAnswerTimer.start(10);
    }
    void init()
    {
        InitPaths(FFolder.path() + QStringLiteral("/prog"), QStringLiteral("lerner"),
                  FFolder.path() + QStringLiteral("/user"));
        QDir(TextePath).removeRecursively();
        QDir(ProgramTextePath).removeRecursively();
        Querztastatur = true;
        EineTasteNachDerAnderen = false;
        FBeeps = 0;
        FAnswers.clear();
        FQuestions.clear();
        QVERIFY(OpenPad());
    }
    void cleanup()
    {
        if (FPad) {
            FPad->Re1->document()->setModified(false);
            FPad.reset();
        }
        QVERIFY2(FAnswers.isEmpty(), "a window that was to be answered never came up");
    }
    void cleanupTestCase()
    {
        BrlUniChar = nullptr;
        HelpSystem = nullptr;
        InstallBeep(nullptr);
    }

    void creation_captionsAndHelpId()
    {
        QCOMPARE(FPad->windowTitle(), QStringLiteral("KeinName - BraillePad"));
        QCOMPARE(FHelp.HelpId(), 5);
        QCOMPARE(FPad->Filename(), TextePath);
        QVERIFY(!FPad->Btn2Save->isEnabled());
        QVERIFY(FPad->Btn3Close->geometry().bottom() < FPad->height());
        QVERIFY(FPad->Re1->geometry().bottom() < FPad->Btn1Load->y());
        QVERIFY(FPad->Btn1Load->x() < FPad->Btn2Save->x() && FPad->Btn2Save->x() < FPad->Btn3Close->x());
        QCOMPARE(::BrlKeyBrd, FPad->BrlKeyBrd());
        FHelp.SetHelpId(1);
        FPad.reset();
        QVERIFY(!::BrlKeyBrd);
        QVERIFY(OpenPad());
        FPad.reset();
        QCOMPARE(FHelp.HelpId(), 1);
    }

    void chords_writeCells()
    {
        QVERIFY(FPad->BrlKeyBrd()->Active());
        Chords(QStringLiteral("124 1 1234 2345")); // f a p t
        QCOMPARE(PadText(), Cells({0x280B, 0x2801, 0x280F, 0x281E}));
        QCOMPARE(FBeeps, 0);
        QVERIFY(FPad->Btn2Save->isEnabled());
        // Dot 4 alone has no table entry.
        Chords(QStringLiteral("4"));
        QCOMPARE(FBeeps, 1);
        QCOMPARE(PadText().size(), 4);
        // Letters other than the chord keys are refused; space and Enter pass.
        Type(QStringLiteral("x"));
        QCOMPARE(FBeeps, 2);
        Key(Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        Key(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        Chords(QStringLiteral("1"));
        QCOMPARE(PadText(), Cells({0x280B, 0x2801, 0x280F, 0x281E, ' ', '\n', 0x2801}));
        // A selection is replaced.
        FPad->Re1->selectAll();
        Chords(QStringLiteral("12"));
        QCOMPARE(PadText(), Cells({0x2803}));
    }

    // One key at a time: each dot key adds or takes away its dot, Space
    // writes the cell, Backspace drops the dots; with no dots gathered both
    // keys are the pane's own.
    void oneKeyAtATime_writesCells()
    {
        TRecordingSpeech Speech;
        EineTasteNachDerAnderen = true;
        const auto Press = [this](quint32 Code, const QString &Text = QString()) {
            for (auto Type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent Ev(Type,
                             Text == u" "    ? Qt::Key_Space
                             : Text == u"\b" ? Qt::Key_Backspace
                                             : Qt::Key_unknown,
                             Qt::NoModifier, Code, 0, 0, Text, false);
                QCoreApplication::sendEvent(FPad->windowHandle(), &Ev);
            }
        };
        const quint32 SpaceKey = 65, BackspaceKey = 22;
        for (QChar Dot : QStringLiteral("1242"))
            Press(ChordKey(Dot));
        QCOMPARE(PadText(), QString());
        QCOMPARE(FPad->BrlKeyBrd()->PendingDots(), 1 | 8);
        QCOMPARE(Speech.Engine->Spoken, (QStringList{"Punkt 1", "Punkt 2", "Punkt 4", "Punkt 2 weg"}));
        Press(SpaceKey, QStringLiteral(" "));
        QCOMPARE(PadText(), Cells({0x2809}));                        // c
        QCOMPARE(Speech.Engine->Spoken.last(), QStringLiteral("c")); // the finished cell is said
        QCOMPARE(FPad->BrlKeyBrd()->PendingDots(), 0);
        Press(SpaceKey, QStringLiteral(" "));
        QCOMPARE(PadText(), Cells({0x2809, ' '}));
        Press(ChordKey(u'1'));
        Press(BackspaceKey, QStringLiteral("\b"));
        QCOMPARE(Speech.Engine->Spoken.last(), QStringLiteral("Punkte gelöscht"));
        QCOMPARE(PadText(), Cells({0x2809, ' '}));
        Press(BackspaceKey, QStringLiteral("\b"));
        QCOMPARE(PadText(), Cells({0x2809}));
        // Chords again once the setting is off.
        EineTasteNachDerAnderen = false;
        Chords(QStringLiteral("12"));
        QCOMPARE(PadText(), Cells({0x2809, 0x2803}));
    }

    // What a chord writes is said by its name, unless that is switched off.
    void chordSaysTheCharacter_data()
    {
        QTest::addColumn<QString>("Dots");
        QTest::addColumn<QString>("Said");
        QTest::newRow("letter") << "12"
                                << "b";
        QTest::newRow("letter group") << "16"
                                      << "au";
        QTest::newRow("capital sign") << "46"
                                      << "Großbuchstabe";
        QTest::newRow("number sign") << "3456"
                                     << "Zahlzeichen";
        QTest::newRow("punctuation") << "3"
                                     << "Punkt";
    }
    void chordSaysTheCharacter()
    {
        QFETCH(QString, Dots);
        QFETCH(QString, Said);
        TRecordingSpeech Speech;
        Chords(Dots);
        QCOMPARE(Speech.Engine->Spoken.value(Speech.Engine->Spoken.size() - 1), Said);
        ZeichenAnsagen = false;
        Speech.Engine->Spoken.clear();
        Chords(Dots);
        ZeichenAnsagen = true;
        QCOMPARE(Speech.Engine->Spoken, QStringList());
    }

    void letters_data()
    {
        QTest::addColumn<QString>("Typed");
        QTest::addColumn<QString>("Cells");
        QTest::addColumn<int>("Beeps");
        QTest::newRow("small letters") << "fad" << Cells({0x280B, 0x2801, 0x2819}) << 0;
        QTest::newRow("capitals lower-cased") << "FaD" << Cells({0x280B, 0x2801, 0x2819}) << 0;
        QTest::newRow("Ä as ä") << "Ä" << Cells({0x281C}) << 0;
        QTest::newRow("ß and letter groups") << "ß&*" << Cells({0x282E, 0x2821, 0x2839}) << 0;
        QTest::newRow("space passes") << "a b" << Cells({0x2801, ' ', 0x2803}) << 0;
        QTest::newRow("no table entry") << "a€b" << Cells({0x2801, 0x2803}) << 1;
    }
    void letters()
    {
        QFETCH(QString, Typed);
        QFETCH(QString, Cells);
        QFETCH(int, Beeps);
        Querztastatur = false;
        Type(Typed);
        QCOMPARE(PadText(), Cells);
        QCOMPARE(FBeeps, Beeps);
    }

    void letters_ctrlBackspaceTypesSch()
    {
        Querztastatur = false;
        Key(Qt::Key_Backspace, Qt::ControlModifier);
        QCOMPARE(PadText(), Cells({0x2831}));
        Key(Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
        QCOMPARE(PadText(), QString());
    }

    void umlautWithoutTableEntry_refusedButLoadedAsSubstitute()
    {
        // A table with a few letters and the substitute "`" for ä, but no ä.
        const QString TableFile = FFolder.path() + QStringLiteral("/OhneUmlaut.txt");
        WriteFile(TableFile, "1=$2801 $61\r\n12=$2803 $62\r\n345=$281C $60\r\n");
        TBrlUniChar Small;
        QVERIFY(Small.LoadFile(TableFile));
        BrlUniChar = &Small;
        Querztastatur = false;
        Type(QStringLiteral("aÄb"));
        QCOMPARE(PadText(), Cells({0x2801, 0x2803}));
        QCOMPARE(FBeeps, 1);
        WriteFile(TextePath + QStringLiteral("baer.txt"), "b\xC3\xA4r\r\n");
        FPad->Re1->document()->setModified(false);
        Load(QStringLiteral("baer.txt"), true);
        QCOMPARE(PadText(), Cells({0x2803, 0x281C, 'r', '\n'}));
        BrlUniChar = &FTable;
    }

    void brailleKeyboard_followsFocus()
    {
        TBrlKeyBrd *K = FPad->BrlKeyBrd();
        QVERIFY(K->Active());
        FPad->Btn1Load->setFocus();
        QVERIFY(!K->Active());
        FPad->Re1->setFocus();
        QVERIFY(K->Active());
        // Another window in front.
        QWidget Other;
        Other.show();
        QApplication::setActiveWindow(&Other);
        QVERIFY(!K->Active());
        QApplication::setActiveWindow(FPad.get());
        QVERIFY(K->Active());
        // The menu.
        emit FPad->MM_Aktionen->aboutToShow();
        QVERIFY(!K->Active());
        emit FPad->MM_Aktionen->aboutToHide();
        QVERIFY(K->Active());
        // The file dialog, and back.
        bool ActiveInDialog = true;
        AnswerFile([&](TLoadSaveDlg *D) {
            ActiveInDialog = K->Active();
            D->Btn3Cancel->click();
        });
        QVERIFY(!FPad->LoadBrailleText());
        QVERIFY(!ActiveInDialog);
        // Without a window manager the pad activates itself again.
        QTRY_COMPARE(QApplication::activeWindow(), FPad.get());
        QTRY_VERIFY(K->Active());
    }

    void saveAs_filenames_data()
    {
        QTest::addColumn<QString>("Typed");
        QTest::addColumn<QString>("Saved");
        QTest::addColumn<bool>("Told"); // the changed name is said before saving
        QTest::newRow("no extension") << "brief"
                                      << "brief.txt" << false;
        QTest::newRow("own extensions kept") << "punkte.brl"
                                             << "punkte.brl" << false;
        QTest::newRow("asc kept") << "alt.asc"
                                  << "alt.asc" << false;
        QTest::newRow("capital extension replaced") << "Brief.BRL"
                                                    << "Brief.txt" << true;
        QTest::newRow("other extension replaced") << "notiz.doc"
                                                  << "notiz.txt" << true;
        QTest::newRow("colon and question mark dropped") << " wer:wo?.txt "
                                                         << "werwo.txt" << true;
    }
    void saveAs_filenames()
    {
        QFETCH(QString, Typed);
        QFETCH(QString, Saved);
        QFETCH(bool, Told);
        Chords(QStringLiteral("1"));
        FQuestions.clear();
        AnswerFile([Typed](TLoadSaveDlg *D) {
            D->LeFile->Edit->setText(Typed);
            D->Btn2OK->click();
        });
        if (Told)
            AnswerBox(QMessageBox::Ok);
        QVERIFY(FPad->SaveBrailleText(true));
        QTRY_VERIFY(FPad->BrlKeyBrd()->Active());
        QCOMPARE(FQuestions.size(), Told ? 1 : 0);
        if (Told)
            QVERIFY2(FQuestions.first().contains(QStringLiteral("als \"%1\" gespeichert").arg(Saved)),
                     qPrintable(FQuestions.first()));
        QVERIFY(QFileInfo::exists(TextePath + Saved));
        QCOMPARE(FPad->Filename(), TextePath + Saved);
        QCOMPARE(FPad->windowTitle(), Saved + QStringLiteral(" - BraillePad"));
        QVERIFY(!FPad->Btn2Save->isEnabled());
        QCOMPARE(FPad->focusWidget(), FPad->Re1);
    }

    void fileDialog_saveMode()
    {
        WriteFile(TextePath + QStringLiteral("b.txt"), "b");
        WriteFile(TextePath + QStringLiteral("A.brl"), "a");
        WriteFile(TextePath + QStringLiteral("c.doc"), "c");
        QString File = TextePath + QStringLiteral("a.brl");
        AnswerFile([this](TLoadSaveDlg *D) {
            QCOMPARE(D->windowTitle(), QStringLiteral("Brailletext speichern unter"));
            QCOMPARE(FHelp.HelpId(), 10);
            QVERIFY(D->LeFile->isVisible());
            QVERIFY(!D->Btn1Write->isVisible());
            QCOMPARE(D->Btn2OK->text(), QStringLiteral("&Speichern"));
            QCOMPARE(D->LvFiles->count(), 2); // only .asc, .brl, .txt
            QCOMPARE(D->LvFiles->item(0)->text(), QStringLiteral("A.brl"));
            // The given file, whatever its case; the row gives its name.
            QCOMPARE(D->LvFiles->currentRow(), 0);
            QCOMPARE(D->LeFile->Edit->text(), QStringLiteral("A.brl"));
            QCOMPARE(D->focusWidget(), D->LeFile->Edit);
            // Characters a file name cannot hold are refused as typed.
            D->LeFile->Edit->clear();
            QTest::keyClicks(D->LeFile->Edit, QStringLiteral("x:y"));
            QCOMPARE(D->LeFile->Edit->text(), QStringLiteral("xy"));
            QCOMPARE(FBeeps, 1);
            D->LeFile->Edit->clear();
            QVERIFY(!D->Btn2OK->isEnabled());
            // Choosing a row takes its name.
            D->LvFiles->setCurrentRow(1);
            QCOMPARE(D->LeFile->Edit->text(), QStringLiteral("b.txt"));
            QVERIFY(D->Btn2OK->isEnabled());
            D->Btn3Cancel->click();
        });
        QCOMPARE(ShowLoadSaveDlg(false, File), 2);
        QCOMPARE(File, QString());
        QCOMPARE(FHelp.HelpId(), 5);
    }

    void overwrite_noKeepsDialogOpen()
    {
        WriteFile(TextePath + QStringLiteral("alt.txt"), "alt");
        Chords(QStringLiteral("1"));
        AnswerFile([](TLoadSaveDlg *D) {
            D->LeFile->Edit->setText(QStringLiteral("ALT"));
            D->Btn2OK->click();
        });
        AnswerBox(QMessageBox::No);
        AnswerFile([](TLoadSaveDlg *D) {
            QVERIFY(D->isVisible());
            // Leaving the name found the listed file.
            QCOMPARE(D->LvFiles->currentItem()->text(), QStringLiteral("alt.txt"));
            D->Btn3Cancel->click();
        });
        QVERIFY(!FPad->SaveBrailleText(true));
        QCOMPARE(FQuestions, QStringList{QStringLiteral("Soll die Datei \"alt.txt\" überschrieben werden?")});
        QCOMPARE(ReadAll(TextePath + QStringLiteral("alt.txt")), QByteArray("alt"));
        QVERIFY(FPad->Btn2Save->isEnabled());

        AnswerFile([](TLoadSaveDlg *D) {
            D->LeFile->Edit->setText(QStringLiteral("alt.txt"));
            D->Btn2OK->click();
        });
        AnswerBox(QMessageBox::Yes);
        QVERIFY(FPad->SaveBrailleText(true));
        QCOMPARE(ReadAll(TextePath + QStringLiteral("alt.txt")), QByteArray("\xEF\xBB\xBF"
                                                                            "a\r\n"));
    }

    void readOnly_refusesTyping()
    {
        TRecordingSpeech Speech;
        ZeichenAnsagen = true;
        WriteFile(TextePath + QStringLiteral("lesen.txt"), "ab\r\n");
        AnswerFile([this](TLoadSaveDlg *D) {
            QCOMPARE(D->windowTitle(), QStringLiteral("Brailletext laden"));
            QCOMPARE(FHelp.HelpId(), 9);
            QVERIFY(!D->LeFile->isVisible());
            QCOMPARE(D->focusWidget(), D->LvFiles);
            QCOMPARE(D->LvFiles->currentRow(), 0); // nothing matched: the first row
            QVERIFY(D->Btn1Write->isEnabled());
            D->Btn2OK->click(); // "Nur lesen"
        });
        QVERIFY(FPad->LoadBrailleText());
        const QString Loaded = Cells({0x2801, 0x2803, '\n'});
        QCOMPARE(PadText(), Loaded);
        QCOMPARE(FPad->windowTitle(), QStringLiteral("lesen.txt - BraillePad"));
        QVERIFY(FPad->Re1->isReadOnly());
        QTRY_VERIFY(FPad->BrlKeyBrd()->Active());
        Speech.Engine->Spoken.clear();
        Chords(QStringLiteral("1"));
        // Nothing was written, so no character is said: only the beep.
        QCOMPARE(Speech.Engine->Spoken, QStringList());
        Key(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        Querztastatur = false;
        Type(QStringLiteral("c"));
        Key(Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
        QCOMPARE(PadText(), Loaded);
        QCOMPARE(FBeeps, 4);
        // The caret still moves.
        Key(Qt::Key_Right);
        QCOMPARE(FPad->Re1->textCursor().position(), 1);
        // Switched off in the menu, typing works again.
        emit FPad->MM_Aktionen->aboutToShow();
        QVERIFY(FPad->MM_A_ReadOnly->isChecked());
        emit FPad->MM_Aktionen->aboutToHide();
        FPad->MM_A_ReadOnly->trigger();
        QVERIFY(!FPad->Re1->isReadOnly());
        Type(QStringLiteral("c"));
        QCOMPARE(PadText(), Cells({0x2801, 0x2809, 0x2803, '\n'}));
        QCOMPARE(FBeeps, 4);
    }

    void close_unsavedChanges_data()
    {
        QTest::addColumn<bool>("Named");
        QTest::addColumn<QMessageBox::StandardButton>("Reply");
        QTest::addColumn<bool>("SaveDialogOk"); // for Yes on a text without a name
        QTest::addColumn<bool>("Closed");
        QTest::newRow("no name, yes, save dialog cancelled") << false << QMessageBox::Yes << false << false;
        QTest::newRow("no name, yes, saved") << false << QMessageBox::Yes << true << true;
        QTest::newRow("named, yes: saved without asking") << true << QMessageBox::Yes << false << true;
        QTest::newRow("no") << false << QMessageBox::No << false << true;
        QTest::newRow("cancel") << false << QMessageBox::Cancel << false << false;
    }
    void close_unsavedChanges()
    {
        QFETCH(bool, Named);
        QFETCH(QMessageBox::StandardButton, Reply);
        QFETCH(bool, SaveDialogOk);
        QFETCH(bool, Closed);
        if (Named) {
            Chords(QStringLiteral("1"));
            SaveAs(QStringLiteral("named"));
        }
        Chords(QStringLiteral("12"));
        AnswerBox(Reply);
        if (Reply == QMessageBox::Yes && !Named)
            AnswerFile([SaveDialogOk](TLoadSaveDlg *D) {
                D->LeFile->Edit->setText(QStringLiteral("neu"));
                (SaveDialogOk ? D->Btn2OK : D->Btn3Cancel)->click();
            });
        FPad->Btn3Close->click();
        QCOMPARE(FQuestions, QStringList{QStringLiteral("Sollen die Änderungen gespeichert werden?")});
        QCOMPARE(FPad->isVisible(), !Closed);
        if (!Closed) {
            QTRY_COMPARE(QApplication::activeWindow(), FPad.get());
            QTRY_VERIFY(FPad->BrlKeyBrd()->Active());
        } else {
            QVERIFY(!FPad->BrlKeyBrd()->Active());
        }
        if (Reply == QMessageBox::Yes && (Named || SaveDialogOk))
            QCOMPARE(ReadAll(FPad->Filename()), QByteArray("\xEF\xBB\xBF") + (Named ? "ab\r\n" : "b\r\n"));
    }

    void new_asksAndClears()
    {
        Chords(QStringLiteral("1"));
        AnswerBox(QMessageBox::Cancel);
        FPad->MM_A_New->trigger();
        QCOMPARE(PadText(), Cells({0x2801}));
        QTRY_VERIFY(FPad->BrlKeyBrd()->Active());
        AnswerBox(QMessageBox::No);
        FPad->MM_A_New->trigger();
        QCOMPARE(PadText(), QString());
        QVERIFY(!FPad->Btn2Save->isEnabled());
        QCOMPARE(FPad->windowTitle(), QStringLiteral("KeinName - BraillePad"));
    }

    void roundTrip_umlautsAndLetterGroups()
    {
        // ä ö ü ß, then au eu ei äu ie ch sch st, on two lines.
        const QString Written = Cells(
            {0x281C, 0x282A, 0x2833, 0x282E, '\n', 0x2821, 0x2823, 0x2829, 0x280C, 0x282C, 0x2839, 0x2831, 0x283E});
        FPad->Re1->setPlainText(Written);
        SaveAs(QStringLiteral("gruppen"));
        const QByteArray Bytes = ReadAll(TextePath + QStringLiteral("gruppen.txt"));
        QVERIFY(Bytes.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(QString::fromUtf8(Bytes.mid(3)), QStringLiteral("äöüß\r\n&%@|§*_>\r\n"));
        FPad->MM_A_New->trigger(); // nothing to ask: the text was saved
        QCOMPARE(PadText(), QString());
        Load(QStringLiteral("gruppen.txt"), true);
        QCOMPARE(PadText(), Written + u'\n');
        QVERIFY(!FPad->Re1->isReadOnly());
        QVERIFY(!FPad->Btn2Save->isEnabled());
        QCOMPARE(FPad->Re1->textCursor().position(), 0);
    }

    void ansiText_loads()
    {
        // Windows-1252 without a byte-order mark: "Grüße," and "Äpfel".
        WriteFile(TextePath + QStringLiteral("ansi.txt"), "Gr\xFC\xDF"
                                                          "e,\r\n\xC4pfel\r\n");
        Load(QStringLiteral("ansi.txt"), false);
        QCOMPARE(PadText(), Cells({0x281B, 0x2817, 0x2833, 0x282E, 0x2811, 0x2802, '\n', 0x281C, 0x280F, 0x280B, 0x2811,
                                   0x2807, '\n'}));
    }

    void shippedText_listedAndSavedIntoTexte()
    {
        const QString Shipped = ProgramTextePath + QStringLiteral("muster.txt");
        WriteFile(Shipped, "a\r\n");
        WriteFile(TextePath + QStringLiteral("eigen.txt"), "b\r\n");
        AnswerFile([](TLoadSaveDlg *D) {
            QCOMPARE(D->LvFiles->count(), 2);
            QCOMPARE(D->LvFiles->item(0)->text(), QStringLiteral("eigen.txt"));
            QCOMPARE(D->LvFiles->item(1)->text(), QStringLiteral("muster.txt"));
            D->LvFiles->setCurrentRow(1);
            D->Btn1Write->click();
        });
        QVERIFY(FPad->LoadBrailleText());
        QTRY_VERIFY(FPad->BrlKeyBrd()->Active());
        QCOMPARE(PadText(), Cells({0x2801, '\n'}));
        QCOMPARE(FPad->Filename(), TextePath + QStringLiteral("muster.txt"));
        Chords(QStringLiteral("12"));
        FPad->Btn2Save->click();
        QCOMPARE(ReadAll(Shipped), QByteArray("a\r\n"));
        QCOMPARE(ReadAll(TextePath + QStringLiteral("muster.txt")), QByteArray("\xEF\xBB\xBF"
                                                                               "ba\r\n"));
        // The own copy now hides the shipped one.
        AnswerFile([](TLoadSaveDlg *D) {
            QCOMPARE(D->LvFiles->count(), 2);
            QCOMPARE(D->LvFiles->currentItem()->text(), QStringLiteral("muster.txt"));
            QCOMPARE(D->GetFilename(), TextePath + QStringLiteral("muster.txt"));
            D->Btn3Cancel->click();
        });
        QVERIFY(!FPad->LoadBrailleText());
    }

    void loadFailure_keepsText()
    {
        WriteFile(TextePath + QStringLiteral("weg.txt"), "a\r\n");
        Chords(QStringLiteral("12"));
        AnswerFile([](TLoadSaveDlg *D) {
            QFile::remove(TextePath + QStringLiteral("weg.txt"));
            D->Btn2OK->click();
        });
        AnswerBox(QMessageBox::Ok);
        QVERIFY(!FPad->LoadBrailleText());
        QCOMPARE(FQuestions, QStringList{QStringLiteral("Die Datei \"%1\" konnte nicht geladen werden!")
                                             .arg(TextePath + QStringLiteral("weg.txt"))});
        QCOMPARE(PadText(), Cells({0x2803}));
        QTRY_VERIFY(FPad->BrlKeyBrd()->Active());
    }

    void showBraillePadDlg_modal()
    {
        FPad.reset();
        QWidget Before;
        Before.show();
        QApplication::setActiveWindow(&Before);
        QString Title;
        OnBraillePadDlgShown = [&](TBraillePadDlg *D) {
            Title = D->windowTitle();
            D->MM_A_Close->trigger();
        };
        const int R = ShowBraillePadDlg();
        OnBraillePadDlgShown = nullptr;
        QCOMPARE(R, 2);
        QCOMPARE(Title, QStringLiteral("KeinName - BraillePad"));
        QVERIFY(!::BrlKeyBrd);
        QTRY_COMPARE(QApplication::activeWindow(), &Before);
    }

    void textsFolderCannotBeCreated_noDialog()
    {
        const QString Blocker = FFolder.path() + QStringLiteral("/datei");
        WriteFile(Blocker, "x");
        const QString Saved = TextePath;
        TextePath = Blocker + QStringLiteral("/Texte/");
        QString File = QStringLiteral("x.txt");
        const int R = ShowLoadSaveDlg(true, File);
        TextePath = Saved;
        QCOMPARE(R, 0);
    }
};

QTEST_MAIN(tst_BraillePad)
#include "tst_BraillePad.moc"
