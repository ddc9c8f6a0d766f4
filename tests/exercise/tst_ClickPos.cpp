#include "content/PathsC.h"
#include "exercise/ClickPosC.h"
#include "sound/SoundsHelperC.h"

#include <QtTest>

// Judging clicks in a finding line, and counting answers with their sounds.
class tst_ClickPos : public QObject
{
    Q_OBJECT

    // "Finde: ⠁⠃⠉" then CR LF, then a line with a filler, the three-cell
    // target at 12..14, a filler and a one-cell target at 19.
    const QString Task = QStringLiteral("Finde: ⠁⠃⠉\r\n");
    const QString Line = QStringLiteral(" ⠿  ⠁⠃⠉  ⠿ ⠁⠃⠉");
    TStringMemo FMemo;
    TClickPos FClick;

    int Click(int Pos)
    {
        FMemo.SetSelStart(Pos);
        return FClick.CheckClick();
    }

private slots:
    void init()
    {
        FMemo.SetText(Task + Line);
        FClick = TClickPos();
        FClick.SetRe(&FMemo);
        FClick.FClickSelStart = int(Task.size());
        FClick.AddPos(int(Task.size()) + 4, int(Task.size()) + 6);
        FClick.AddPos(int(Task.size()) + 11, int(Task.size()) + 13);
    }

    void targetIsFoundOnceAndBlankedOut()
    {
        const int Second = int(Task.size()) + 5; // the target's middle cell
        QCOMPARE(Click(Second), 1);
        QCOMPARE(FMemo.Text(), Task + QStringLiteral(" ⠿       ⠿ ⠁⠃⠉"));
        QCOMPARE(FMemo.SelStart(), int(Task.size()) + 4); // on its first cell
        QCOMPARE(FMemo.SelLength(), 0);                   // the caret only, nothing selected
        QCOMPARE(FClick.Count(), 1);
        QCOMPARE(Click(Second), 0); // a blank is not judged
        QCOMPARE(FMemo.UpdateDepth(), 0);
    }

    void fillerIsWrongAndChangesNothing()
    {
        const int Filler = int(Task.size()) + 1;
        QCOMPARE(Click(Filler), -1);
        QCOMPARE(FMemo.Text(), Task + Line);
        QCOMPARE(FMemo.SelStart(), Filler);
        QCOMPARE(FClick.Count(), 2);
    }

    void notJudged_data()
    {
        QTest::addColumn<int>("Pos");
        QTest::newRow("a cell of the task line") << 7;
        QTest::newRow("the task's text") << 0;
        QTest::newRow("the line break") << int(Task.size()) - 1;
        QTest::newRow("a blank between items") << int(Task.size()) + 2;
        QTest::newRow("the end of the text") << int((Task + Line).size());
    }
    void notJudged()
    {
        QFETCH(int, Pos);
        QCOMPARE(Click(Pos), 0);
        QCOMPARE(FMemo.Text(), Task + Line);
        QCOMPARE(FClick.Count(), 2);
    }

    void lastTargetEndsTheLine()
    {
        QCOMPARE(Click(int(Task.size()) + 13), 1);
        QCOMPARE(Click(int(Task.size()) + 4), 1);
        QCOMPARE(FClick.Count(), 0);
    }

    void rangesAndRecord()
    {
        TDatensatz D = TDatensatz::Create("a", "a", "");
        FClick.AddPos(D, 3, 4);
        QCOMPARE(FClick.Count(), 1);
        QCOMPARE(FClick.Datensatz.Brl, QStringLiteral("a"));
        QCOMPARE(FClick.IndexOf(4), 0);
        QCOMPARE(FClick.IndexOf(5), -1);
        FClick.FSpeakTextString = QStringLiteral("Finde a");
        FClick.Clear();
        QCOMPARE(FClick.Count(), 0);
        QVERIFY(FClick.Datensatz.Brl.isEmpty());
        QCOMPARE(FClick.FSpeakTextString, QStringLiteral("Finde a")); // the rest stays
    }

    void lineEndSound_data()
    {
        QTest::addColumn<bool>("Enabled");
        QTest::addColumn<bool>("IsMemo");
        QTest::addColumn<int>("Caret");
        QTest::addColumn<int>("Key");
        QTest::addColumn<bool>("Plays");
        QTest::newRow("left at the start") << true << true << 0 << int(vkLeft) << true;
        QTest::newRow("up at the start") << true << true << 0 << int(vkUp) << true;
        QTest::newRow("left inside") << true << true << 2 << int(vkLeft) << false;
        QTest::newRow("right on the last character but one") << true << true << 3 << int(vkRight) << false;
        QTest::newRow("right at the end") << true << true << 5 << int(vkRight) << true;
        QTest::newRow("down at the end") << true << true << 5 << int(vkDown) << true;
        QTest::newRow("not a memo") << true << false << 0 << int(vkLeft) << false;
        QTest::newRow("sounds off") << false << true << 0 << int(vkLeft) << false;
    }
    void lineEndSound()
    {
        QFETCH(bool, Enabled);
        QFETCH(bool, IsMemo);
        QFETCH(int, Caret);
        QFETCH(int, Key);
        QFETCH(bool, Plays);
        InitPaths(QStringLiteral("/p/"), QStringLiteral("test"), QStringLiteral("/u/"));
        QStringList Played;
        InstallSoundPlayer([&Played](const QString &File) { Played.append(File); });
        TStringMemo Memo;
        Memo.SetText(QStringLiteral("ab\r\nc"));
        Memo.SetSelStart(Caret);
        CheckLineEndSound(Enabled, IsMemo, Memo, Key);
        InstallSoundPlayer(nullptr);
        QCOMPARE(Played, Plays ? QStringList{"/p/Sounds/LineEnd.wav"} : QStringList());
    }

    void countersPlayTheirSounds()
    {
        InitPaths(QStringLiteral("/p/"), QStringLiteral("test"), QStringLiteral("/u/"));
        QStringList Played;
        InstallSoundPlayer([&Played](const QString &File) { Played.append(File); });
        TRichtigFalschCounter C;
        C.IncRichtig(true);
        C.IncFalsch(true);
        C.IncRichtig(false); // counts, silently
        SoundsEnabled = false;
        C.IncFalsch(true); // the program's switch is off
        SoundsEnabled = true;
        InstallSoundPlayer(nullptr);
        C.IncRichtig(true); // no player: nothing plays, still counts
        QCOMPARE(C.FRichtig, 3);
        QCOMPARE(C.FFalsch, 2);
        QCOMPARE(Played, (QStringList{"/p/Sounds/ClickTrue.wav", "/p/Sounds/ClickFalse.wav"}));
        C.Clear();
        QCOMPARE(C.FRichtig + C.FFalsch, 0);
    }
};

QTEST_GUILESS_MAIN(tst_ClickPos)
#include "tst_ClickPos.moc"
