#include "progress/FortschrittC.h"
#include "progress/WiederholungC.h"

#include <QtTest>

// The review of weak characters over simulated days: the box rules, what is
// due, and when the next review comes.
class tst_Wiederholung : public QObject
{
    Q_OBJECT

    static inline const QString M = QStringLiteral("Lernmaterial-1");
    static inline const QDate Tag0{2024, 5, 1};

    // A character by its dots 1..6 as one cell, named by the caller.
    static QString Cell(int Bits) { return QString(QChar(0x2800 + Bits)); }

    static QStringList Names(const QList<TZeichenStand> &Z)
    {
        QStringList N;
        for (const TZeichenStand &S : Z)
            N << S.Name;
        return N;
    }

private slots:
    void boxRules_data()
    {
        // Answers as "day+" (right) or "day-" (wrong), days counted from Tag0;
        // the box and the day of its last move afterwards ("0" when out).
        QTest::addColumn<QString>("Answers");
        QTest::addColumn<QString>("Box");
        QTest::newRow("right at once: never weak") << "0+ 1+"
                                                   << "0";
        QTest::newRow("wrong enters box 1") << "0-"
                                            << "1@0";
        QTest::newRow("right the same day does not rise") << "0- 0+"
                                                          << "1@0";
        QTest::newRow("right the next day rises") << "0- 1+"
                                                  << "2@1";
        QTest::newRow("several right on one day count once") << "0- 1+ 1+ 1+"
                                                             << "2@1";
        QTest::newRow("each later day rises") << "0- 1+ 2+ 3+"
                                              << "4@3";
        QTest::newRow("wrong falls back to 1") << "0- 1+ 2+ 3+ 3-"
                                               << "1@3";
        QTest::newRow("wrong again in box 1 restarts it") << "0- 2-"
                                                          << "1@2";
        QTest::newRow("top box reached") << "0- 1+ 2+ 3+ 4+"
                                         << "5@4";
        QTest::newRow("top box right before due stays") << "0- 1+ 2+ 3+ 4+ 19+"
                                                        << "5@4";
        QTest::newRow("top box right when due leaves") << "0- 1+ 2+ 3+ 4+ 20+"
                                                       << "0";
        QTest::newRow("top box wrong falls back to 1") << "0- 1+ 2+ 3+ 4+ 10-"
                                                       << "1@10";
        QTest::newRow("back in after leaving") << "0- 1+ 2+ 3+ 4+ 20+ 21-"
                                               << "1@21";
        QTest::newRow("a day before the last move counts not") << "5- 3+"
                                                               << "1@5";
    }
    void boxRules()
    {
        QFETCH(QString, Answers);
        QFETCH(QString, Box);
        TFortschritt F;
        for (const QString &A : Answers.split(u' '))
            F.RecordFinding(M, Cell(1), QStringLiteral("a"), A.endsWith(u'+'), Tag0.addDays(A.chopped(1).toInt()));
        const TLernkarte K = F.FindZeichen(M, Cell(1))->Karte;
        const QString Got = K.InWiederholung() ? QStringLiteral("%1@%2").arg(K.Fach).arg(Tag0.daysTo(K.Datum))
                                               : QString::number(K.Fach);
        QCOMPARE(Got, Box);
    }

    void reviewOverDays()
    {
        TFortschritt F;
        const TWiederholung Review(F);
        QVERIFY(Review.Due(M, Tag0).isEmpty());
        QVERIFY(!Review.NextDue(M).isValid()); // nothing to review at all

        F.RecordFinding(M, Cell(1), QStringLiteral("a"), false, Tag0);
        F.RecordFinding(M, Cell(1), QStringLiteral("a"), true, Tag0);
        QVERIFY(Review.Due(M, Tag0).isEmpty()); // not the day it was missed
        QCOMPARE(Review.NextDue(M), Tag0.addDays(1));

        const QDate Tag1 = Tag0.addDays(1);
        QCOMPARE(Names(Review.Due(M, Tag1)), QStringList{"a"});
        F.RecordFinding(M, Cell(1), QStringLiteral("a"), true, Tag1); // box 2: two days
        QVERIFY(Review.Due(M, Tag1).isEmpty());
        QVERIFY(Review.Due(M, Tag0.addDays(2)).isEmpty());
        QCOMPARE(Review.NextDue(M), Tag0.addDays(3));
        QCOMPARE(Names(Review.Due(M, Tag0.addDays(3))), QStringList{"a"});
        // Days missed keep it due.
        QCOMPARE(Names(Review.Due(M, Tag0.addDays(30))), QStringList{"a"});
    }

    void dueWeakestFirstAndBounded()
    {
        TFortschritt F;
        // Ten characters missed on day 0; the later ones also answered right
        // more often, so they are less weak.
        for (int I = 0; I < 10; ++I) {
            const QString Name(QChar(u'a' + I));
            F.RecordFinding(M, Cell(I + 1), Name, false, Tag0);
            for (int R = 0; R < I; ++R)
                F.RecordFinding(M, Cell(I + 1), Name, true, Tag0);
        }
        // One of them rose to box 2: not due tomorrow.
        F.RecordFinding(M, Cell(1), QStringLiteral("a"), true, Tag0.addDays(1));
        const TWiederholung Review(F);
        QCOMPARE(Names(Review.Due(M, Tag0.addDays(1))), QStringList({"b", "c", "d", "e", "f", "g", "h", "i"}));
        QCOMPARE(Names(Review.Due(M, Tag0.addDays(1), 3)), QStringList({"b", "c", "d"}));
        // The first review comes before a's.
        QCOMPARE(Review.NextDue(M), Tag0.addDays(1));
    }

    void dueOnlyFromTheGivenMaterial()
    {
        TFortschritt F;
        F.RecordFinding(M, Cell(1), QStringLiteral("a"), false, Tag0);
        F.RecordFinding(QStringLiteral("Kurzschrift"), Cell(1), QStringLiteral("a"), false, Tag0.addDays(-3));
        F.RecordFinding(QStringLiteral("Kurzschrift"), Cell(3), QStringLiteral("b"), false, Tag0);
        const TWiederholung Review(F);
        const QList<TZeichenStand> Due = Review.Due(QStringLiteral("KURZSCHRIFT"), Tag0.addDays(1));
        QCOMPARE(Names(Due), QStringList({"a", "b"}));
        for (const TZeichenStand &Z : Due)
            QCOMPARE(Z.Material, QStringLiteral("Kurzschrift"));
        QCOMPARE(Review.NextDue(QStringLiteral("Kurzschrift")), Tag0.addDays(-2));
        QCOMPARE(Review.NextDue(M), Tag0.addDays(1));
        QVERIFY(Review.Due(QStringLiteral("Lernmaterial-2"), Tag0.addDays(9)).isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_Wiederholung)
#include "tst_Wiederholung.moc"
