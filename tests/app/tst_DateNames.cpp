#include "app/DateNamesC.h"

#include <QtTest>

// Dates the program writes itself, with the month and day names adapted.
class tst_DateNames : public QObject
{
    Q_OBJECT

private slots:
    void adjust_data()
    {
        QTest::addColumn<QString>("Name");
        QTest::addColumn<bool>("Long");
        QTest::addColumn<QString>("Adjusted");
        QTest::newRow("short January") << "Jan" << false << "Jän";
        QTest::newRow("short January, any case") << "JAN" << false << "Jän";
        QTest::newRow("short March") << "Mrz" << false << "Mär";
        QTest::newRow("short January with a period") << "Jan." << false << "Jän.";
        QTest::newRow("long January") << "Januar" << true << "Jänner";
        QTest::newRow("other months stay") << "Feb" << false << "Feb";
        QTest::newRow("long March stays") << "März" << true << "März";
    }
    void adjust()
    {
        QFETCH(QString, Name);
        QFETCH(bool, Long);
        QFETCH(QString, Adjusted);
        QCOMPARE(AdjustMonthName(Name, Long ? QLocale::LongFormat : QLocale::ShortFormat), Adjusted);
    }

    void dayNamesLoseTheirPeriod()
    {
        QCOMPARE(AdjustDayName(QStringLiteral("Mo."), QLocale::ShortFormat), QStringLiteral("Mo"));
        QCOMPARE(AdjustDayName(QStringLiteral("Montag"), QLocale::LongFormat), QStringLiteral("Montag"));
    }

    void formatDate()
    {
        QCOMPARE(FormatDate(QDate(2026, 1, 5)), QStringLiteral("05.01.2026"));
        QCOMPARE(FormatDate(QDate(2026, 1, 5), QStringLiteral("d. MMMM yyyy")), QStringLiteral("5. Jänner 2026"));
        QVERIFY(FormatDate(QDate(2026, 1, 5), QStringLiteral("ddd, d. MMM")).startsWith(QStringLiteral("Mo, 5. Jän")));
    }
};

QTEST_MAIN(tst_DateNames)
#include "tst_DateNames.moc"
