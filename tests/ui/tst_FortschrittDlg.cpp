#include "RecordingSpeech.h"

#include "app/SettingsC.h"
#include "braille/BrlUniCharC.h"
#include "common/AccessibilityC.h"
#include "help/HelpSystemC.h"
#include "log/LogC.h"
#include "progress/FortschrittC.h"
#include "progress/FortschrittDlgC.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

// The "Fortschritt" window: its rows, read whole by a screen reader, the
// summary spoken on opening, and the way to the review.
class tst_FortschrittDlg : public QObject
{
    Q_OBJECT

    static inline const QString M = QStringLiteral("Lernmaterial-1");
    static inline const QDate Heute{2024, 3, 10};

    TBrlUniChar FTable;
    THelpSystem FHelp;
    TLog FLog{nullptr, QString()};
    std::unique_ptr<TRecordingSpeech> FSpeech;

    QString B(const QString &Text) const { return FTable.ConvertTextToBrlString(Text); }

    // e: wrong twice (i for e), right once; i: wrong once; a: right.
    void Fill(TFortschritt &F) const
    {
        F.RecordTyping(M, B("e"), B("i"), Heute.addDays(-2));
        F.RecordTyping(M, B("e"), B("i"), Heute.addDays(-1));
        F.RecordTyping(M, B("e"), B("e"), Heute.addDays(-1));
        F.RecordTyping(M, B("i"), B("a"), Heute);
        F.RecordTyping(M, B("a"), B("a"), Heute.addDays(-1));
        F.RecordLesson(M, QStringLiteral("01 Buchstaben a bis j"), QStringLiteral("06 Zeichen tippen: a bis e"),
                       QDateTime(Heute.addDays(-1), QTime(10, 0)), 12, 5, 1, 90);
        F.RecordLesson(M, QStringLiteral("01 Buchstaben a bis j"), QStringLiteral("06 Zeichen tippen: a bis e"),
                       QDateTime(Heute, QTime(9, 30)), 27, 9, 0, 80);
        // Another material's lesson is not shown.
        F.RecordLesson(QStringLiteral("Lernmaterial-2"), QString(), QStringLiteral("Fremd"),
                       QDateTime(Heute, QTime(9, 0)), 3, 1, 0, 10);
    }

    static QString Accessible(QTableWidget *Table, int Row, int Column)
    {
        QAccessibleInterface *I = QAccessible::queryAccessibleInterface(Table);
        if (!I || !I->tableInterface())
            return QStringLiteral("<no table>");
        QAccessibleInterface *Cell = I->tableInterface()->cellAt(Row, Column);
        return Cell ? Cell->text(QAccessible::Name) : QStringLiteral("<no cell>");
    }

    static QStringList Column(QTableWidget *Table, int C)
    {
        QStringList R;
        for (int Row = 0; Row < Table->rowCount(); ++Row)
            R << Table->item(Row, C)->text();
        return R;
    }

private slots:
    void initTestCase()
    {
        InstallAccessibilityMends();
        QVERIFY(FTable.LoadFile(QStringLiteral(TASTWERK_SHARE "/Data/BrlUniChar.txt")));
        BrlUniChar = &FTable;
        HelpSystem = &FHelp;
        InstallLog(&FLog);
        FSpeech = std::make_unique<TRecordingSpeech>();
    }
    void cleanupTestCase()
    {
        FSpeech.reset();
        BrlUniChar = nullptr;
        HelpSystem = nullptr;
        InstallLog(nullptr);
    }
    void init() { FSpeech->Engine->Spoken.clear(); }

    void rowsAndWhatIsRead()
    {
        TFortschritt F;
        Fill(F);
        TFortschrittDlg D(nullptr, F, M, Heute, THelpSystem::IdFortschritt);
        D.show();
        QApplication::setActiveWindow(&D);
        QVERIFY(QTest::qWaitForWindowActive(&D));
        QCOMPARE(D.windowTitle(), QStringLiteral("Fortschritt"));
        QCOMPARE(FHelp.HelpId(), THelpSystem::IdFortschritt);
        QCOMPARE(QApplication::focusWidget(), D.TblZeichen);

        // Weakest first, with their cells; the columns as the heads say.
        QCOMPARE(Column(D.TblZeichen, 0), (QStringList{"i " + B("i"), "e " + B("e"), "a " + B("a")}));
        QCOMPARE(D.TblZeichen->horizontalHeaderItem(3)->text(), QStringLiteral("Häufigste Verwechslung"));
        QCOMPARE(Column(D.TblZeichen, 1), (QStringList{"1", "3", "1"}));
        QCOMPARE(Column(D.TblZeichen, 2), (QStringList{"0 %", "33 %", "100 %"}));
        QCOMPARE(Column(D.TblZeichen, 3), (QStringList{"a statt i", "i statt e", "-"}));
        QCOMPARE(Column(D.TblZeichen, 5), (QStringList{"am 11.03.2024", "heute", "nicht nötig"}));
        // The screen reader reads a row's cells in turn: the first says the
        // whole row, the others nothing more.
        const QString E = QStringLiteral("e %1: 3 mal gefragt, 33 % richtig, häufigste Verwechslung i statt e, "
                                         "zuletzt geübt am 09.03.2024, Wiederholung heute")
                              .arg(B("e"));
        QCOMPARE(Accessible(D.TblZeichen, 1, 0), E);
        for (int C = 1; C < D.TblZeichen->columnCount(); ++C)
            QCOMPARE(Accessible(D.TblZeichen, 1, C).trimmed(), QString());
        QCOMPARE(Accessible(D.TblZeichen, 2, 0),
                 QStringLiteral("a %1: 1 mal gefragt, 100 % richtig, zuletzt geübt am 09.03.2024, Wiederholung "
                                "nicht nötig")
                     .arg(B("a")));

        QCOMPARE(D.TblLektionen->rowCount(), 1);
        QCOMPARE(Accessible(D.TblLektionen, 0, 0),
                 QStringLiteral("06 Zeichen tippen: a bis e: 2 mal abgeschlossen, beste Punkte 27, zuletzt am "
                                "10.03.2024, Bereich 01 Buchstaben a bis j"));

        // The summary is shown and spoken as the window opens.
        const QString Summary = QStringLiteral("Am schwächsten: i, e. Heute ist 1 Zeichen zu wiederholen.");
        QCOMPARE(D.LbZusammenfassung->text(), Summary);
        QCOMPARE(FSpeech->Engine->Spoken.value(0), Summary);

        // Labels name the tables; the keyboard order is as they stand.
        QCOMPARE(D.LbZeichen->buddy(), D.TblZeichen);
        QCOMPARE(D.LbLektionen->buddy(), D.TblLektionen);
        QCOMPARE(D.TblZeichen->accessibleName(), QStringLiteral("Zeichen"));
        QTest::keyClick(D.TblZeichen, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), D.TblLektionen);
        QTest::keyClick(D.TblLektionen, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), D.BtnWiederholen);

        // The review starts from here.
        QTest::keyClick(D.BtnWiederholen, Qt::Key_Space);
        QCOMPARE(D.result(), TFortschrittDlg::ResultWiederholen);
    }

    void nothingRecordedYet()
    {
        TFortschritt F;
        TFortschrittDlg D(nullptr, F, M, Heute);
        D.show();
        QApplication::setActiveWindow(&D);
        QVERIFY(QTest::qWaitForWindowActive(&D));
        QCOMPARE(D.TblZeichen->rowCount(), 0);
        QCOMPARE(D.TblLektionen->rowCount(), 0);
        QCOMPARE(FSpeech->Engine->Spoken.value(0),
                 QStringLiteral("In diesem Lernmaterial ist noch nichts aufgezeichnet."));
        QTest::keyClick(&D, Qt::Key_Escape);
        QCOMPARE(D.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(tst_FortschrittDlg)
#include "tst_FortschrittDlg.moc"
