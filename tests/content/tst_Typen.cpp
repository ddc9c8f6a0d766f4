#include "content/PathsC.h"
#include "content/TypenHelperC.h"
#include "log/LogC.h"

#include <QtTest>

// The task-type and data-file-type lists and their type files.
class tst_Typen : public QObject
{
    Q_OBJECT

    static QString Data(const QString &Name) { return QStringLiteral(TASTWERK_TEST_DATA "/typen/") + Name; }

private slots:
    void keysAndDefaultTitles()
    {
        QCOMPARE(AufgabenTypCount, 47);
        QCOMPARE(DatendateiTypCount, 8);
        QCOMPARE(AufgabenTypKey(atText), QStringLiteral("AT_Text"));
        QCOMPARE(AufgabenTypKey(at4K), QStringLiteral("at4K"));
        QCOMPARE(AufgabenTypDefaultTitel(atWortLesen), QStringLiteral("Wörter lesen"));
        QCOMPARE(DatendateiTypKey(dtSaetzeliste), QStringLiteral("DT_Saetzeliste"));
        QCOMPARE(AufgabenTypFromKey(QStringLiteral("at_lueckentext")), atLueckentext);
        QCOMPARE(AufgabenTypFromKey(QStringLiteral("AT_Lueckentext ")), atNone);
        QCOMPARE(DatendateiTypFromKey(QStringLiteral("dt_woerterliste")), dtWoerterliste);
        QCOMPARE(DatendateiTypFromKey(QString()), dtNone);
    }

    void aufgabentypenFile_data()
    {
        QTest::addColumn<int>("Typ");
        QTest::addColumn<QString>("Kategorie");
        QTest::addColumn<QString>("Titel");
        QTest::addColumn<QString>("Beschreibung");
        QTest::newRow("key without regard to case, line break")
            << int(atText) << "Lesen" << "Mein Text" << "Zeile 1\r\nZeile 2";
        QTest::newRow("space before = is not the key")
            << int(atSchnellkurs) << "" << "Schnellkurs aller Braillezeichen" << "";
        QTest::newRow("one part is the title") << int(atZeichenLesen) << "" << "Nur ein Titel" << "";
        QTest::newRow("empty title gets the default") << int(atWortLesen) << "Lesen" << "Wörter lesen" << "Ohne Titel";
        QTest::newRow("the first line of a key counts") << int(atSatzLesen) << "Lesen" << "Erster" << "";
        QTest::newRow("further separators stay in the description") << int(atSatzTippen) << "A" << "B" << "C ^ D";
        QTest::newRow("missing key") << int(atLueckentext) << "" << "Lückentext" << "";
    }
    void aufgabentypenFile()
    {
        QFETCH(int, Typ);
        QFETCH(QString, Kategorie);
        QFETCH(QString, Titel);
        QFETCH(QString, Beschreibung);
        TAufgabenTypen Typen(nullptr, Data("Aufgabentypen.txt"));
        QVERIFY(Typen.LoadFile());
        QCOMPARE(Typen.Count(), AufgabenTypCount);
        const TTypAufgabenTyp R = Typen.Get(Typ);
        QCOMPARE(int(R.Typ), Typ);
        QCOMPARE(R.TypStr, AufgabenTypKey(TAufgabenTyp(Typ)));
        QCOMPARE(R.Kategorie, Kategorie);
        QCOMPARE(R.Titel, Titel);
        QCOMPARE(R.Beschreibung, Beschreibung);
    }

    void datendateitypenFile()
    {
        TDatendateiTypen Typen(nullptr, Data("Datendateitypen.txt")); // ANSI
        QVERIFY(Typen.LoadFile());
        QCOMPARE(Typen.Count(), DatendateiTypCount);
        QCOMPARE(Typen.Get(dtWoerterliste).Titel, QStringLiteral("Wörter"));
        QCOMPARE(Typen.Get(dtWoerterliste).Beschreibung, QStringLiteral("Eine Liste ^ mit Dach"));
        QCOMPARE(Typen.Get(dtLernzeichen).Titel, QStringLiteral("Nur Titel"));
        QCOMPARE(Typen.Get(dtFigurenliste).Titel, QStringLiteral("Figurenliste"));
        QCOMPARE(Typen.IsValidIndex(QStringLiteral("dt_lueckentext")), int(dtLueckentext));
        QCOMPARE(Typen.IsValidIndex(QStringLiteral("DT_Unsinn")), 0);
        QCOMPARE(Typen.IsValidIndex(QString()), 0);
        QCOMPARE(Typen.Get(-1).Typ, dtNone);
        QCOMPARE(Typen.Get(DatendateiTypCount).Titel, QString());
    }

    void fileWithoutKeysGivesDefaults()
    {
        TAufgabenTypen Typen(nullptr, Data("leer.txt"));
        QVERIFY(Typen.LoadFile());
        QCOMPARE(Typen.Count(), AufgabenTypCount);
        QCOMPARE(Typen.Get(atText).Titel, QStringLiteral("Text anzeigen"));
    }

    void missingFile()
    {
        TLog Log(nullptr, QString());
        InstallLog(&Log);
        const QString Name = Data("fehlt.txt");
        TAufgabenTypen Typen(nullptr, Name);
        QVERIFY(!Typen.LoadFile());
        InstallLog(nullptr);
        const QString Message = QStringLiteral("Die Typendatei \"%1\" existiert nicht!").arg(Name);
        QCOMPARE(Typen.LastErrorString, Message);
        QVERIFY(Log.Get(0).endsWith(Message));
        QCOMPARE(Typen.Count(), 0);
        QCOMPARE(Typen.IsValidIndex(QStringLiteral("AT_Text")), 0);
        QCOMPARE(Typen.Get(1).Typ, atNone);
    }

    void unreadableFile()
    {
        TLog Log(nullptr, QString());
        InstallLog(&Log);
        // A file that exists but cannot be read, also not as root.
        const QString Name = QStringLiteral("/proc/self/mem");
        TDatendateiTypen Typen(nullptr, Name);
        QVERIFY(!Typen.LoadFile());
        InstallLog(nullptr);
        QCOMPARE(Typen.LastErrorString, QStringLiteral("Die Typendatei \"%1\" konnte nicht geladen werden!").arg(Name));
        QCOMPARE(Log.Count(), 1);
    }

    void shippedFilesDescribeEveryType()
    {
        InitPaths(QStringLiteral(TASTWERK_SHARE), QStringLiteral("test"), QDir::tempPath());
        TAufgabenTypen Aufgaben;
        TDatendateiTypen Datendateien;
        QVERIFY(Aufgaben.LoadFile());
        QVERIFY(Datendateien.LoadFile());
        for (int I = 1; I < AufgabenTypCount; ++I) {
            const TTypAufgabenTyp R = Aufgaben.Get(I);
            QVERIFY2(!R.Kategorie.isEmpty() && !R.Beschreibung.isEmpty(), qPrintable(R.TypStr));
            QCOMPARE(Aufgaben.IsValidIndex(R.TypStr), I);
        }
        for (int I = 1; I < DatendateiTypCount; ++I)
            QVERIFY2(!Datendateien.Get(I).Beschreibung.isEmpty(), qPrintable(Datendateien.Get(I).TypStr));
    }
};

QTEST_GUILESS_MAIN(tst_Typen)
#include "tst_Typen.moc"
