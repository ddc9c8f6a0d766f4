#include "braille/BrlUniCharC.h"
#include "exercise/ClickPosC.h"
#include "exercise/MemoC.h"
#include "exercise/TippenPosC.h"
#include "log/LogC.h"
#include "progress/FortschrittC.h"
#include "progress/FortschrittMelderC.h"

#include "ProgressSummary.h"

#include <QtTest>

// What the exercise window's judging points leave in the progress record:
// finding clicks and typed fields, right, wrong with the confusion, empty.
class tst_FortschrittMelder : public QObject
{
    Q_OBJECT

    static inline const QString M = QStringLiteral("Lernmaterial-1");
    static inline const QDate Tag{2024, 3, 4};
    // e ⠑, i ⠊, a ⠁, b ⠃.
    static inline const QString E = QStringLiteral("⠑"), I = QStringLiteral("⠊"), A = QStringLiteral("⠁"),
                                B = QStringLiteral("⠃");

    TBrlUniChar FTable;
    TLog FLog{nullptr, QString()};
    TFortschritt F;
    TStringMemo FMemo;
    TClickPos FClick;

    // "Finde: ⠑" then the line " ⠊ ⠑ ⠁ ⠑": targets at the two e.
    void FindingLine()
    {
        const QString Task = QStringLiteral("Finde: ⠑\r\n");
        FMemo.SetText(Task + QStringLiteral(" ⠊ ⠑ ⠁ ⠑"));
        FClick = TClickPos();
        FClick.SetRe(&FMemo);
        FClick.FClickSelStart = int(Task.size());
        FClick.AddPos(TDatensatz::Create(QStringLiteral("e"), QStringLiteral("e"), QString()), int(Task.size()) + 3,
                      int(Task.size()) + 3);
        FClick.AddPos(int(Task.size()) + 7, int(Task.size()) + 7);
    }
    int Click(const TFortschrittMelder &Melder, int LinePos)
    {
        FMemo.SetSelStart(FClick.FClickSelStart + LinePos);
        return Melder.CheckClick(FClick, Tag);
    }
    const TZeichenStand *Stand(const QString &Cells) const { return F.FindZeichen(M, Cells); }

private slots:
    void initTestCase()
    {
        QVERIFY(FTable.LoadFile(QStringLiteral(TASTWERK_SHARE "/Data/BrlUniChar.txt")));
        BrlUniChar = &FTable;
        InstallLog(&FLog);
    }
    void cleanupTestCase()
    {
        BrlUniChar = nullptr;
        InstallLog(nullptr);
    }
    void init()
    {
        F.Clear();
        FindingLine();
    }

    // A wrong cell counts against the target still asked, the clicked cell
    // as its confusion; a found target counts right.
    void finding()
    {
        const TFortschrittMelder Melder(&F, M, atZeichenFinden);
        QCOMPARE(Click(Melder, 1), -1); // i
        QCOMPARE(Click(Melder, 3), 1);  // e
        QCOMPARE(Click(Melder, 0), 0);  // a blank: not judged
        QVERIFY(Stand(E));
        QCOMPARE(Stand(E)->Richtig, 1);
        QCOMPARE(Stand(E)->Falsch, 1);
        QCOMPARE(Stand(E)->VerwechslungText(), QStringLiteral("i statt e"));
        QCOMPARE(Stand(E)->Zuletzt, Tag);
        // The clicked cell itself is not counted.
        QVERIFY(!Stand(I));
        // The judge still did its work: the found target is blanked out.
        QCOMPARE(FClick.Count(), 1);
    }

    // In the error search a cell that is no fault was not recognised.
    void errorSearch()
    {
        const TFortschrittMelder Melder(&F, M, atFehlersuche);
        QCOMPARE(Click(Melder, 5), -1); // a
        QCOMPARE(Click(Melder, 7), 1);  // the fault, an e
        QCOMPARE(Stand(A)->Falsch, 1);
        QVERIFY(Stand(A)->Verwechslungen.isEmpty());
        QCOMPARE(Stand(E)->Richtig, 1);
    }

    // Task types that do not ask for characters, and a record without a
    // material, are judged as ever and leave nothing.
    void notRecorded_data()
    {
        QTest::addColumn<int>("Typ");
        QTest::addColumn<QString>("Material");
        QTest::newRow("finding words") << int(atWortFinden) << M;
        QTest::newRow("finding figures") << int(atFigurFinden) << M;
        QTest::newRow("no material") << int(atZeichenFinden) << QString();
    }
    void notRecorded()
    {
        QFETCH(int, Typ);
        QFETCH(QString, Material);
        const TFortschrittMelder Melder(&F, Material, TAufgabenTyp(Typ));
        QCOMPARE(Click(Melder, 1), -1);
        QCOMPARE(Click(Melder, 3), 1);
        QVERIFY(F.IsEmpty());
        const TFortschrittMelder Without(nullptr, M, atZeichenFinden);
        QCOMPARE(Click(Without, 7), 1);
    }

    // Typed fields as the judge took them: every field typed into is
    // recorded cell by cell; a field left empty is not judged and an
    // exercise with nothing typed leaves nothing.
    void typing_data()
    {
        QTest::addColumn<QStringList>("Typed");
        QTest::addColumn<int>("Result");
        QTest::addColumn<QString>("Summary");
        QTest::newRow("right") << QStringList{E + u' ' + E, A} << 1 << "a:1/0 e:2/0";
        QTest::newRow("i typed for e") << QStringList{E + u' ' + I, A} << -1 << "a:1/0 e:1/1(i statt e)";
        QTest::newRow("one field empty") << QStringList{QString(), B} << -1 << "a:0/1(b statt a)";
        QTest::newRow("nothing typed") << QStringList{QString(), QString()} << 0 << "";
    }
    void typing()
    {
        QFETCH(QStringList, Typed);
        QFETCH(int, Result);
        QFETCH(QString, Summary);
        TTippenPos T;
        QString Shown;
        T.AddPos(QString(), E + u' ' + E, Shown, 0);
        T.AddPos(QString(), QStringList{A, QStringLiteral("⠁⠁")}, Shown, int(Shown.size()));
        for (int K = 0; K < 2; ++K)
            T.FPos[K].FText = Typed[K];
        QString Text, Spoken;
        QCOMPARE(T.CheckPos(Text, Spoken, true), Result);
        TFortschrittMelder(&F, M, atZeichenTippen).RecordTyping(T, Result, true, Tag);
        QCOMPARE(ProgressSummary(F, M), Summary);
    }
};

QTEST_GUILESS_MAIN(tst_FortschrittMelder)
#include "tst_FortschrittMelder.moc"
