#include "app/ColorsC.h"

#include <QtTest>

// The named colours: lookups by value and by name as the font dialog and
// settings files use them, and the lists the dialog shows.
class tst_Colors : public QObject
{
    Q_OBJECT

    TColors FColors;

private slots:
    void list_namesAndValues()
    {
        QCOMPARE(FColors.Count(), 17);
        QStringList Names;
        FColors.FillStringList(Names, false);
        QCOMPARE(Names, (QStringList{"Schwarz", "Weiß", "Gelb", "Blau", "Marineblau", "Himmelblau", "Blaugrün", "Grün",
                                     "Minzgrün", "Gelbgrün", "Olivgrün", "Grau", "Rot", "Violett", "Lila", "Silber",
                                     "Braun"}));
        FColors.FillStringList(Names, true);
        QCOMPARE(Names.first(), QStringLiteral("Schwarz (Hintergrund)"));
        QCOMPARE(Names.size(), 17);
        // Windows colour values: red in the low byte.
        QCOMPARE(FColors.Get(12).Color, 0x0000FFu);
        QCOMPARE(FColors.Get(3).Color, 0xFF0000u);
        QCOMPARE(FColors.Get(5).Color, 0xF0CAA6u);
        for (int I = 0; I < FColors.Count(); ++I)
            QCOMPARE(FColors.Get(I).Index, I);
    }

    void get_outsideGivesFirst_data()
    {
        QTest::addColumn<int>("Index");
        QTest::newRow("-1") << -1;
        QTest::newRow("17") << 17;
        QTest::newRow("large") << 1000;
    }
    void get_outsideGivesFirst()
    {
        QFETCH(int, Index);
        const TColorName C = FColors.Get(Index);
        QCOMPARE(C.Index, 0);
        QCOMPARE(C.Name, QStringLiteral("Schwarz"));
    }

    void findName_data()
    {
        QTest::addColumn<QString>("Name");
        QTest::addColumn<bool>("Found");
        QTest::addColumn<int>("Index");
        QTest::newRow("exact") << "Minzgrün" << true << 8;
        QTest::newRow("other case, umlaut") << "MINZGRÜN" << true << 8;
        QTest::newRow("blanks around") << "  rot \t" << true << 12;
        QTest::newRow("empty") << "" << false << -1;
        QTest::newRow("blanks only") << "   " << false << -1;
        QTest::newRow("unknown") << "Türkis" << false << -1;
        QTest::newRow("background entry is no name") << "Weiß (Hintergrund)" << false << -1;
    }
    void findName()
    {
        QFETCH(QString, Name);
        QFETCH(bool, Found);
        QFETCH(int, Index);
        TColorName C;
        QCOMPARE(FColors.FindName(Name, C), Found);
        if (Found)
            QCOMPARE(C.Index, Index);
    }

    void findColor_data()
    {
        QTest::addColumn<unsigned>("Color");
        QTest::addColumn<bool>("Found");
        QTest::addColumn<int>("Index");
        QTest::newRow("white") << 0xFFFFFFu << true << 1;
        QTest::newRow("sky blue") << 0xF0CAA6u << true << 5;
        QTest::newRow("red as RGB is blue") << 0xFF0000u << true << 3;
        QTest::newRow("not named") << 0x123456u << false << -1;
    }
    void findColor()
    {
        QFETCH(unsigned, Color);
        QFETCH(bool, Found);
        QFETCH(int, Index);
        TColorName C;
        QCOMPARE(FColors.FindColor(Color, C), Found);
        if (Found)
            QCOMPARE(C.Index, Index);
    }
};

QTEST_APPLESS_MAIN(tst_Colors)
#include "tst_Colors.moc"
