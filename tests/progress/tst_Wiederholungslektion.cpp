#include "braille/BrlUniCharC.h"
#include "content/DatenC.h"
#include "content/LektionenC.h"
#include "content/PathsC.h"
#include "exercise/ClickPosC.h"
#include "log/LogC.h"
#include "progress/FortschrittC.h"
#include "progress/WiederholungslektionC.h"

#include <QTemporaryDir>
#include <QtTest>

// The review lesson is made only from the characters due today in the
// current learning material, with the material's own records.
class tst_Wiederholungslektion : public QObject
{
    Q_OBJECT

    static inline const QString M = QStringLiteral("Lernmaterial-1");
    static inline const QDate Heute{2024, 3, 10};

    QTemporaryDir FUser;
    TBrlUniChar FTable;
    TLog FLog{nullptr, QString()};
    std::unique_ptr<TDaten> FDaten;

    QString B(const QString &Text) const { return FTable.ConvertTextToBrlString(Text); }

    // The print forms of a list of records, sorted.
    static QStringList Names(const TDatensatzDynArray &List)
    {
        QStringList R;
        for (const TDatensatz &D : List)
            R << D.Text;
        R.sort();
        return R;
    }

private slots:
    void initTestCase()
    {
        InitPaths(QStringLiteral(TASTWERK_SHARE), QStringLiteral("lerner"), FUser.path());
        QVERIFY(FTable.LoadFile(QStringLiteral(TASTWERK_SHARE "/Data/BrlUniChar.txt")));
        BrlUniChar = &FTable;
        InstallLog(&FLog);
        SetLernmaterialPath(M);
        FDaten = std::make_unique<TDaten>();
        QVERIFY(FDaten->LoadFiles());
    }
    void cleanupTestCase()
    {
        FDaten.reset();
        BrlUniChar = nullptr;
        InstallLog(nullptr);
    }

    void onlyDueCharactersOfTheMaterial()
    {
        TFortschritt F;
        // Due today: e (wrong yesterday) and i (wrong two days ago).
        F.RecordTyping(M, B("e"), B("i"), Heute.addDays(-1));
        F.RecordTyping(M, B("i"), B("e"), Heute.addDays(-2));
        // Wrong today: due tomorrow. Right only: never in the review.
        F.RecordTyping(M, B("f"), B("g"), Heute);
        F.RecordTyping(M, B("a"), B("a"), Heute.addDays(-3));
        F.RecordTyping(M, B("b"), B("a"), Heute.addDays(-3));
        F.RecordTyping(M, B("b"), B("b"), Heute.addDays(-1)); // b rose to box 2, due in two days
        // Due, but in another material.
        F.RecordTyping(QStringLiteral("Lernmaterial-2"), B("d"), B("c"), Heute.addDays(-5));

        // Weakest first; equally weak by their cells.
        QCOMPARE(TWiederholungslektion::DueNames(F, M, Heute), (QStringList{"i", "e"}));
        const auto Lessons = TWiederholungslektion::Create(F, M, FDaten.get(), Heute);
        QCOMPARE(Lessons.size(), size_t(2));
        const TLektionendatei &Finding = *Lessons[0];
        const TLektionendatei &Typing = *Lessons[1];
        QCOMPARE(Finding.Typ(), atZeichenFinden);
        QCOMPARE(Finding.Titel(), QStringLiteral("Schwache Zeichen wiederholen: finden"));
        QCOMPARE(Typing.Typ(), atZeichenTippen);
        QVERIFY(Typing.BrailleKeyboard());
        QVERIFY(Finding.Beschreibung().contains(QStringLiteral("i, e")));
        const TAT_ZeichenFinden_Settings &FS = Finding.Settings().FAT_ZeichenFinden_Settings;
        QCOMPARE(Names(FS.Lernzeichenliste), (QStringList{"e", "i"}));
        // The records are the material's own, with their descriptions.
        QVERIFY(FS.Lernzeichenliste.first().Zusatztext.contains(QStringLiteral("Punkt")));
        QCOMPARE(ShowAsBraille(FS.Lernzeichenliste.first().Brl), B(FS.Lernzeichenliste.first().Text));
        // The other characters practised here are found among.
        const QStringList Others = Names(FS.Gelerntzeichenliste);
        for (const char *C : {"a", "b", "f"})
            QVERIFY2(Others.contains(QString::fromUtf8(C)), qPrintable(Others.join(u',')));
        QVERIFY(!Others.contains(QStringLiteral("e")));
        QCOMPARE(Names(Typing.Settings().FAT_ZeichenTippen_Settings.Lernzeichenliste), (QStringList{"e", "i"}));
        QCOMPARE(FS.Wiederholungen, 3);
        // Each lesson makes its exercises.
        TClickPos Click;
        const QString Text = FS.CreateText(Click, true);
        QVERIFY(Text.contains(B("e")) || Text.contains(B("i")));
        QVERIFY(Click.Count() > 0);
    }

    // A character no data file holds is asked with its print form.
    void characterWithoutRecord()
    {
        TFortschritt F;
        F.RecordTyping(M, B("ä"), B("a"), Heute.addDays(-1));
        const auto Lessons = TWiederholungslektion::Create(F, M, nullptr, Heute);
        QCOMPARE(Lessons.size(), size_t(2));
        const TDatensatzDynArray &L = Lessons[0]->Settings().FAT_ZeichenFinden_Settings.Lernzeichenliste;
        QCOMPARE(L.size(), 1);
        QCOMPARE(L.first().Text, QStringLiteral("ä"));
        QCOMPARE(ShowAsBraille(L.first().Brl), B("ä"));
    }

    void nothingDue_data()
    {
        QTest::addColumn<QString>("Wrong");
        QTest::addColumn<int>("DaysAgo");
        QTest::addColumn<QString>("Text");
        QTest::newRow("never wrong") << QString() << 0
                                     << "Es gibt noch keine schwachen Zeichen zu wiederholen: in diesem Lernmaterial "
                                        "wurde noch kein Zeichen falsch beantwortet.";
        QTest::newRow("wrong today") << "e" << 0
                                     << "Heute ist nichts zu wiederholen.\r\nDie nächste Wiederholung ist morgen, am "
                                        "11.03.2024 fällig.";
    }
    void nothingDue()
    {
        QFETCH(QString, Wrong);
        QFETCH(int, DaysAgo);
        QFETCH(QString, Text);
        TFortschritt F;
        F.RecordTyping(M, B("a"), B("a"), Heute);
        if (!Wrong.isEmpty())
            F.RecordTyping(M, B(Wrong), B("x"), Heute.addDays(-DaysAgo));
        QVERIFY(TWiederholungslektion::Create(F, M, FDaten.get(), Heute).empty());
        QCOMPARE(TWiederholungslektion::NothingDueText(F, M, Heute), Text);
    }
};

QTEST_GUILESS_MAIN(tst_Wiederholungslektion)
#include "tst_Wiederholungslektion.moc"
