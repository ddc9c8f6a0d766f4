#include "RecordingSpeech.h"

#include "app/SettingsC.h"
#include "braille/BrlUniCharC.h"
#include "content/PathsC.h"
#include "help/HelpSystemC.h"
#include "run/ParagraphKeysC.h"
#include "run/SpeakTextDlgC.h"
#include "sound/SoundsHelperC.h"

#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(TSpeakTextButtons)

// The spoken message window: its button sets and keys, the text shown with
// braille cells and spoken in a pronounceable form, lines spoken as the
// caret moves, the break key, and the end-of-speech handler chained through
// nested windows.
class tst_SpeakTextDlg : public QObject
{
    Q_OBJECT

    TBrlUniChar FTable;
    QTemporaryDir FFolder;
    QStringList FOpened;
    int FBeeps = 0;
    THelpSystem FHelp;

    // Shows a message and runs Answer on it once it is up; -1 when it was
    // still open 100 ms after the answer.
    static int Show(TSpeakTextButtons Buttons, const std::function<void(TSpeakTextDlg *)> &Answer,
                    const QString &Text = QStringLiteral("Eine Nachricht"), const QString &Spoken = QString(),
                    bool AutoClose = false)
    {
        OnSpeakTextDlgShown = [Answer](TSpeakTextDlg *D) {
            QApplication::setActiveWindow(D);
            D->Re1->setFocus();
            Answer(D);
            // A window the answer left open closes after a while, but
            // never under a window opened above it (a slow run), nor one
            // the answer closes itself later ("KeepOpen").
            auto *Fallback = new QTimer(D);
            Fallback->setInterval(100);
            QObject::connect(Fallback, &QTimer::timeout, D, [D] {
                if (D->isVisible() && QApplication::activeModalWidget() == D && !D->property("KeepOpen").toBool())
                    D->done(-1);
            });
            Fallback->start();
        };
        const int R = ShowSpeakText(QStringLiteral("Titel"), Text, true, true, 13, Spoken, Buttons, AutoClose);
        OnSpeakTextDlgShown = nullptr;
        return R;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(FTable.LoadFile(QStringLiteral(TASTWERK_SHARE "/Data/BrlUniChar.txt")));
        BrlUniChar = &FTable;
        InitPaths(FFolder.path(), QStringLiteral("lerner"), FFolder.path());
        QDir().mkpath(HilfePath);
        QFile Page(HilfePath + QStringLiteral("Hilfe.html"));
        QVERIFY(Page.open(QIODevice::WriteOnly));
        InstallHelpOpener([this](const QString &Path) {
            FOpened.append(Path);
            return true;
        });
        InstallBeep([this] { ++FBeeps; });
        HelpSystem = &FHelp;
    }
    void cleanupTestCase()
    {
        BrlUniChar = nullptr;
        HelpSystem = nullptr;
        InstallHelpOpener(nullptr);
        InstallBeep(nullptr);
    }

    void emptyText_nothingShown()
    {
        bool Shown = false;
        OnSpeakTextDlgShown = [&](TSpeakTextDlg *) { Shown = true; };
        QCOMPARE(ShowSpeakText(QStringLiteral("T"), QString(), true, true, 1, QString(), stbOK, false), 0);
        OnSpeakTextDlgShown = nullptr;
        QVERIFY(!Shown);
    }

    void buttonSets_data()
    {
        QTest::addColumn<TSpeakTextButtons>("Buttons");
        QTest::addColumn<QString>("Btn1");
        QTest::addColumn<QString>("Btn2"); // empty: hidden
        QTest::addColumn<bool>("CheckBox");
        QTest::newRow("OK") << stbOK << "O&K"
                            << "" << false;
        QTest::newRow("yes/no") << stbYesNo << "&Ja"
                                << "&Nein" << false;
        QTest::newRow("repeat/next") << stbRepeatNext << "&Nocheinmal"
                                     << "&Weiter" << false;
        QTest::newRow("help/close") << stbHelp << "&Hilfe"
                                    << "S&chließen" << true;
    }
    void buttonSets()
    {
        QFETCH(TSpeakTextButtons, Buttons);
        QFETCH(QString, Btn1);
        QFETCH(QString, Btn2);
        QFETCH(bool, CheckBox);
        Show(Buttons, [&](TSpeakTextDlg *D) {
            QCOMPARE(D->windowTitle(), QStringLiteral("Titel"));
            QCOMPARE(D->Btn1->text(), Btn1);
            QCOMPARE(D->Btn2->isVisible(), !Btn2.isEmpty());
            if (!Btn2.isEmpty())
                QCOMPARE(D->Btn2->text(), Btn2);
            QCOMPARE(D->CbShowEinleitung->isVisible(), CheckBox);
            // Every control is inside the window, the buttons at the bottom.
            QVERIFY(D->rect().contains(D->Btn1->geometry()));
            QVERIFY(D->Re1->geometry().bottom() < D->Btn1->y());
        });
    }

    void keys_data()
    {
        QTest::addColumn<TSpeakTextButtons>("Buttons");
        QTest::addColumn<int>("Key");
        QTest::addColumn<QString>("Text");
        QTest::addColumn<int>("Result"); // -1: the window stays open
        const int Enter = Qt::Key_Return, Space = Qt::Key_Space, Esc = Qt::Key_Escape;
        QTest::newRow("OK Enter") << stbOK << Enter << "\r" << 1;
        QTest::newRow("OK Space") << stbOK << Space << " " << 1;
        QTest::newRow("OK Esc") << stbOK << Esc << "\x1b" << 1;
        QTest::newRow("OK other letter") << stbOK << int(Qt::Key_X) << "x" << -1;
        QTest::newRow("yes/no j") << stbYesNo << int(Qt::Key_J) << "j" << 6;
        QTest::newRow("yes/no J") << stbYesNo << int(Qt::Key_J) << "J" << 6;
        QTest::newRow("yes/no Enter") << stbYesNo << Enter << "\r" << 6;
        QTest::newRow("yes/no Space") << stbYesNo << Space << " " << 6;
        QTest::newRow("yes/no n") << stbYesNo << int(Qt::Key_N) << "n" << 7;
        QTest::newRow("yes/no N") << stbYesNo << int(Qt::Key_N) << "N" << 7;
        QTest::newRow("yes/no Esc does nothing") << stbYesNo << Esc << "\x1b" << -1;
        QTest::newRow("repeat/next n") << stbRepeatNext << int(Qt::Key_N) << "n" << 9;
        QTest::newRow("repeat/next Enter") << stbRepeatNext << Enter << "\r" << 9;
        QTest::newRow("repeat/next w") << stbRepeatNext << int(Qt::Key_W) << "w" << 4;
        QTest::newRow("repeat/next Esc does nothing") << stbRepeatNext << Esc << "\x1b" << -1;
        QTest::newRow("help h") << stbHelp << int(Qt::Key_H) << "h" << 10;
        QTest::newRow("help Enter") << stbHelp << Enter << "\r" << 11;
        QTest::newRow("help Esc") << stbHelp << Esc << "\x1b" << 11;
        QTest::newRow("help Space") << stbHelp << Space << " " << 11;
        QTest::newRow("help c") << stbHelp << int(Qt::Key_C) << "c" << 11;
    }
    void keys()
    {
        QFETCH(TSpeakTextButtons, Buttons);
        QFETCH(int, Key);
        QFETCH(QString, Text);
        QFETCH(int, Result);
        const int R = Show(Buttons, [&](TSpeakTextDlg *D) {
            QKeyEvent Press(QEvent::KeyPress, Key, Text.at(0).isUpper() ? Qt::ShiftModifier : Qt::NoModifier, Text);
            QApplication::sendEvent(D->Re1, &Press);
        });
        QCOMPARE(R, Result);
        // The pane itself takes no input.
    }

    void helpButtons_storeTheCheckBox_data()
    {
        QTest::addColumn<int>("Key"); // 0: the window's own close
        QTest::addColumn<int>("Result");
        QTest::addColumn<bool>("Stored");
        QTest::newRow("close with c") << int(Qt::Key_C) << 11 << true;
        QTest::newRow("help with h") << int(Qt::Key_H) << 10 << true;
        QTest::newRow("window closed") << 0 << 2 << false;
    }
    void helpButtons_storeTheCheckBox()
    {
        QFETCH(int, Key);
        QFETCH(int, Result);
        QFETCH(bool, Stored);
        ShowEinleitung = true;
        FOpened.clear();
        const int R = Show(stbHelp, [&](TSpeakTextDlg *D) {
            QVERIFY(D->CbShowEinleitung->isChecked());
            D->CbShowEinleitung->setChecked(false);
            if (Key)
                QTest::keyClick(D->Re1, Qt::Key(Key), Qt::NoModifier);
            else
                D->close();
        });
        QCOMPARE(R, Result);
        QCOMPARE(ShowEinleitung, !Stored);
        // Only the help button opens the main help page.
        QCOMPARE(FOpened, Result == 10 ? QStringList{HilfePath + QStringLiteral("Hilfe.html")} : QStringList{});
        ShowEinleitung = true;
    }

    void helpId_setWhileOpenRestoredAfter()
    {
        FHelp.SetHelpId(3);
        int Inside = -1;
        Show(stbOK, [&](TSpeakTextDlg *) { Inside = FHelp.HelpId(); });
        QCOMPARE(Inside, 13);
        QCOMPARE(FHelp.HelpId(), 3);
    }

    void displayAndSpokenForm_data()
    {
        QTest::addColumn<QString>("Text");
        QTest::addColumn<QString>("Shown");
        QTest::addColumn<QString>("Spoken"); // the spoken form: cells as table characters in brackets
        QTest::addColumn<QString>("Heard");  // what the voice says: braille by its names
        QTest::newRow("cells: spoken as table characters in brackets") << "Das ⠁⠃⠉ ist"
                                                                       << "Das ⠁⠃⠉ ist"
                                                                       << "Das [abc] ist"
                                                                       << "Das a, b, c ist";
        QTest::newRow("cells at the end: the run is closed") << "Nur ⠁⠃"
                                                             << "Nur ⠁⠃"
                                                             << "Nur [ab]"
                                                             << "Nur a, b";
        QTest::newRow("markup: spoken as the cells shown") << "Das [abc] ist"
                                                           << "Das ⠁⠃⠉ ist"
                                                           << "Das [abc] ist"
                                                           << "Das a, b, c ist";
        QTest::newRow("no braille: literal brackets doubled") << "Ein [[x]] Text"
                                                              << "Ein [x] Text"
                                                              << "Ein [[x]] Text"
                                                              << "Ein [x] Text";
        QTest::newRow("plain text") << "Nur Text"
                                    << "Nur Text"
                                    << "Nur Text"
                                    << "Nur Text";
    }
    void displayAndSpokenForm()
    {
        QFETCH(QString, Text);
        QFETCH(QString, Shown);
        QFETCH(QString, Spoken);
        QFETCH(QString, Heard);
        TRecordingSpeech S;
        Show(
            stbOK,
            [&](TSpeakTextDlg *D) {
                QCOMPARE(D->Re1->toPlainText(), Shown + QLatin1Char('\n'));
                QCOMPARE(D->SpeakTextString(), Spoken);
                QTRY_COMPARE(S.Engine->Spoken, QStringList{Heard});
            },
            Text);
    }

    void linesSpokenAsTheCaretMoves()
    {
        TRecordingSpeech S;
        const QString Text = QStringLiteral("Zeile eins\r\nZeile [ab]\r\nZeile drei");
        const QString Spoken = QStringLiteral("erste\r\nzweite\r\ndritte");
        Show(
            stbOK,
            [&](TSpeakTextDlg *D) {
                QTRY_COMPARE(S.Engine->Spoken, QStringList{Spoken});
                S.Engine->Spoken.clear();
                QTest::keyClick(D->Re1, Qt::Key_Down);
                QTest::keyClick(D->Re1, Qt::Key_Down);
                QCOMPARE(S.Engine->Spoken, (QStringList{"zweite", "dritte"}));
                QTest::keyClick(D->Re1, Qt::Key_Right);
                QTest::keyClick(D->Re1, Qt::Key_End);
                QCOMPARE(S.Engine->Spoken.size(), 2); // within the line: nothing more
                QTest::keyClick(D->Re1, Qt::Key_Home, Qt::ControlModifier);
                QCOMPARE(S.Engine->Spoken.last(), QStringLiteral("erste"));
            },
            Text, Spoken);
    }

    void breakKey_stopsSpeech()
    {
        TRecordingSpeech S;
        Show(stbOK, [&](TSpeakTextDlg *D) {
            const int Before = S.Engine->Stops;
            QTest::keyPress(D->Re1, Qt::Key_Shift);
            QTest::keyRelease(D->Re1, Qt::Key_Shift);
            QCOMPARE(S.Engine->Stops, Before + 1);
            // Shift together with another key is no break key.
            QTest::keyPress(D->Re1, Qt::Key_Shift);
            QTest::keyPress(D->Re1, Qt::Key_Down, Qt::ShiftModifier);
            QTest::keyRelease(D->Re1, Qt::Key_Down, Qt::ShiftModifier);
            QTest::keyRelease(D->Re1, Qt::Key_Shift);
            QCOMPARE(S.Engine->Stops, Before + 1);
        });
    }

    void endOfSpeech_chainedThroughNestedWindows()
    {
        TRecordingSpeech S;
        int Original = 0;
        Speech->SetOnEndStream([&] { ++Original; });
        int Inner = 0;
        const int Outer = Show(stbOK, [&](TSpeakTextDlg *Out) {
            // Closed below, once the inner window has come and gone: in a
            // slow run the outer one must not close between the two.
            Out->setProperty("KeepOpen", true);
            // The inner window closes itself at the end of its speech.
            QTimer::singleShot(0, Out, [&, Out] {
                OnSpeakTextDlgShown = [&](TSpeakTextDlg *) { Speech->OnEndStream()(); };
                Inner = ShowSpeakText(QStringLiteral("Innen"), QStringLiteral("Text"), true, true, 1, QString(), stbOK,
                                      true);
                OnSpeakTextDlgShown = nullptr;
                // Back in the outer window: its handler again, which does
                // not close it (no automatic close asked for).
                Speech->OnEndStream()();
                QVERIFY(Out->isVisible());
                Out->done(1);
            });
        });
        QCOMPARE(Inner, 1);
        QCOMPARE(Outer, 1);
        Speech->OnEndStream()();
        QCOMPARE(Original, 1);
    }

    void paragraphKeys_data()
    {
        QTest::addColumn<int>("Caret");
        QTest::addColumn<bool>("Down");
        QTest::addColumn<int>("Expected"); // -1: beep
        // "ab\r\ncd\r\nef": lines start at 0, 4 and 8.
        QTest::newRow("down from the first line") << 0 << true << 4;
        QTest::newRow("down from the end of a line: the next line") << 2 << true << 4;
        QTest::newRow("down on the last line goes to the end") << 8 << true << 10;
        QTest::newRow("down on the last character beeps") << 9 << true << -1;
        QTest::newRow("up at 0 beeps") << 0 << false << -1;
        QTest::newRow("up from the third line") << 9 << false << 4;
        QTest::newRow("up from the start of the second line") << 4 << false << 0;
        QTest::newRow("up within the first line") << 1 << false << 0;
    }
    void paragraphKeys()
    {
        QFETCH(int, Caret);
        QFETCH(bool, Down);
        QFETCH(int, Expected);
        const QString Text = QStringLiteral("ab\r\ncd\r\nef");
        QCOMPARE(Down ? NextParagraphPos(Text, Caret) : PreviousParagraphPos(Text, Caret), Expected);
    }

    void ctrlUpAtTheTop_beeps()
    {
        FBeeps = 0;
        Show(
            stbOK,
            [&](TSpeakTextDlg *D) {
                QTest::keyClick(D->Re1, Qt::Key_Up, Qt::ControlModifier);
                QCOMPARE(FBeeps, 1);
                QTest::keyClick(D->Re1, Qt::Key_Down, Qt::ControlModifier);
                QCOMPARE(D->Re1->textCursor().position(), int(D->Re1->toPlainText().size()));
            },
            QStringLiteral("eins"));
    }
};

QTEST_MAIN(tst_SpeakTextDlg)
#include "tst_SpeakTextDlg.moc"
