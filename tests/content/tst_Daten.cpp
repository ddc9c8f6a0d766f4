#include "content/DatenC.h"
#include "content/GlobalsC.h"
#include "content/PathsC.h"
#include "log/LogC.h"

#include <QTemporaryDir>
#include <QtTest>

// Data files, the folder scan and the database with its merge.
class tst_Daten : public QObject
{
    Q_OBJECT

    static QString Db() { return QStringLiteral(TASTWERK_TEST_DATA "/daten/db/"); }
    static TFileInfo Info(const QString &Name) { return TFileInfo::Create(Db() + Name); }

    TLog FLog{nullptr, QString()};

    QString LastLog() const { return FLog.Get(0).mid(16); }

private slots:
    void initTestCase() { InstallLog(&FLog); }
    void cleanupTestCase() { InstallLog(nullptr); }
    void init() { FLog.Clear(); }

    void windowsAnsiFile()
    {
        // CR LF, Windows-1252, upper-case extension, trimmed record lines,
        // a lone semicolon as a record, a blank line giving none.
        TDatendatei D(nullptr, Info(QStringLiteral("Woerter.DAT")));
        QCOMPARE(FLog.Count(), 0);
        QCOMPARE(D.Typ(), dtWoerterliste);
        QCOMPARE(D.GetTypString(), QStringLiteral("DT_Woerterliste"));
        QCOMPARE(D.Titel(), QStringLiteral("Wörter mit ä"));
        QCOMPARE(D.Beschreibung(), QStringLiteral("Kurze Wörter\r\n mit dem Buchstaben ä"));
        QCOMPARE(D.Count(), 4);
        QCOMPARE(D.Get(0).ToString(), QStringLiteral("b`r ^ Bär"));
        QCOMPARE(D.Get(1).Zusatztext, QStringLiteral("das Essen"));
        QCOMPARE(D.Get(2).Brl, QStringLiteral(";"));
        QCOMPARE(D.Get(3).ToString(), QStringLiteral("h`nde ^ Hände"));
        QCOMPARE(D.FileInfo().Name, QStringLiteral("Woerter.DAT"));
        QCOMPARE(D.FileInfo().Path, Db());
        QVERIFY(D.FileInfo().TimeStamp.isValid());
        QVERIFY(!D.FileInfo().Checked);
        QCOMPARE(D.Get(4).Brl, QString()); // out of range: an empty record
        QCOMPARE(D.Get(-1).Brl, QString());
    }

    void headerRules()
    {
        // Lower-case type key, trimmed title, comment in the header, "[HEADER]"
        // after "[DATA]" is a record; the later of two title lines wins.
        TDatendatei Saetze(nullptr, Info(QStringLiteral("saetze.txt")));
        QCOMPARE(Saetze.Typ(), dtSaetzeliste);
        QCOMPARE(Saetze.Titel(), QStringLiteral("Sätze"));
        QCOMPARE(Saetze.Count(), 2);
        QCOMPARE(Saetze.Get(1).Brl, QStringLiteral("[HEADER]"));
        TDatendatei Zeichen(nullptr, Info(QStringLiteral("lernzeichen.dat")));
        QCOMPARE(Zeichen.Titel(), QStringLiteral("Die ersten Buchstaben"));
        QCOMPARE(Zeichen.Get(1).Zusatztext, QStringLiteral("Punkte 1 2"));
        TDatendatei Figuren(nullptr, Info(QStringLiteral("figuren.dat"))); // UTF-16 with mark
        QCOMPARE(Figuren.Typ(), dtFigurenliste);
        QCOMPARE(Figuren.Get(0).Brl, QStringLiteral("⠿⠿"));
        QCOMPARE(FLog.Count(), 0);
    }

    void withoutDataSection()
    {
        TDatendatei D;
        QVERIFY(D.LoadFile(Info(QStringLiteral("ohne-daten.dat"))));
        QCOMPARE(D.Count(), 0);
        QCOMPARE(D.Titel(), QStringLiteral("Ohne Daten"));
    }

    void faultyFiles_data()
    {
        QTest::addColumn<QString>("Name");
        QTest::addColumn<QString>("Message");
        QTest::newRow("header in lower case") << "kopf-klein.dat" << "Die Datendatei \"%1\" ist fehlerhaft!";
        QTest::newRow("header indented") << "kopf-eingerueckt.dat" << "Die Datendatei \"%1\" ist fehlerhaft!";
        QTest::newRow("only four lines") << "vier-zeilen.dat" << "Die Datendatei \"%1\" ist fehlerhaft!";
        QTest::newRow("space after Typ=") << "leerzeichen-typ.dat" << "Der Typ der Datendatei \"%1\" ist unbekannt!";
        QTest::newRow("missing") << "fehlt.dat" << "Die Datendatei \"%1\" existiert nicht!";
    }
    void faultyFiles()
    {
        QFETCH(QString, Name);
        QFETCH(QString, Message);
        TDatendatei D;
        QVERIFY(!D.LoadFile(Info(Name)));
        const QString Expected = Message.arg(Db() + Name);
        QCOMPARE(D.LastErrorString, Expected);
        QCOMPARE(LastLog(), Expected);
    }

    void failedLoadKeepsPreviousContent()
    {
        TDatendatei D(nullptr, Info(QStringLiteral("lernzeichen.dat")));
        QVERIFY(!D.LoadFile(Info(QStringLiteral("vier-zeilen.dat"))));
        QCOMPARE(D.Count(), 2);
        QCOMPARE(D.FileInfo().Name, QStringLiteral("lernzeichen.dat"));
        // An unknown type keeps what it read.
        QVERIFY(!D.LoadFile(Info(QStringLiteral("leerzeichen-typ.dat"))));
        QCOMPARE(D.Count(), 1);
        QCOMPARE(D.Typ(), dtNone);
    }

    void unreadableFile()
    {
        TDatendatei D;
        QVERIFY(!D.LoadFile(TFileInfo::Create(QStringLiteral("/proc/self/mem"))));
        QCOMPARE(D.LastErrorString,
                 QStringLiteral("Die Datendatei \"/proc/self/mem\" konnte nicht geladen werden!"));
    }

    void addRecords()
    {
        TDatendatei D;
        D.Add(QStringLiteral("a ^ b\r\n\r\nc"));
        D.Add(QStringLiteral("x"), QStringLiteral("y"), QString());
        QCOMPARE(D.Count(), 4);
        QCOMPARE(D.Get(1).Brl, QString()); // a blank line gives a record with empty braille
        QCOMPARE(D.Get(3).ToString(), QStringLiteral("x ^ y"));
        D.Put(0, TDatensatz::Create("p", "q", "r"));
        QCOMPARE(D.Get(0).ToString(), QStringLiteral("p ^ q ^ r"));
    }

    void scanFolder()
    {
        const auto Files = ScanFolder(skDatendateien, Db());
        QVERIFY(Files.has_value());
        QStringList Names;
        for (const TFileInfo &F : *Files)
            Names << F.Name;
        // Extension compared without regard to case; no sub-folders, no .md.
        QCOMPARE(Names, (QStringList{"figuren.dat", "kopf-eingerueckt.dat", "kopf-klein.dat", "leerzeichen-typ.dat",
                                     "lernzeichen.dat", "ohne-daten.dat", "saetze.txt", "vier-zeilen.dat",
                                     "Woerter.DAT"}));
        QString Error;
        QVERIFY(!ScanFolder(skDatendateien, Db() + "fehlt/", &Error).has_value());
        QCOMPARE(Error, QStringLiteral("Der Ordner \"%1\" existiert nicht!").arg(Db() + "fehlt/"));
    }

    void scanAreasSkipsDatabasesAndCollectiveLessons()
    {
        QTemporaryDir Dir;
        InitPaths(Dir.path(), QStringLiteral("anna"));
        for (const char *Sub : {"Bereich 1", "Bereich 2", "datenbanken", "Sammellektionen"}) {
            QVERIFY(QDir(LernmaterialPath).mkpath(Sub));
            QFile F(LernmaterialPath + QString::fromUtf8(Sub) + "/L.LEK");
            QVERIFY(F.open(QIODevice::WriteOnly));
        }
        const auto Files = ScanFolder(skLektionenInBereichen, LernmaterialPath);
        QVERIFY(Files.has_value());
        QCOMPARE(Files->size(), 2);
        QCOMPARE(Files->at(0).Path, LernmaterialPath + "Bereich 1/");
        QCOMPARE(Files->at(1).Path, LernmaterialPath + "Bereich 2/");
    }

    void loadFolder()
    {
        TDaten Daten;
        QVERIFY(Daten.LoadFiles(Db()));
        QCOMPARE(Daten.Count(), 9); // faulty files stay in the list
        QCOMPARE(FLog.Count(), 4);
        // Sorted by title, description and file name without regard to case.
        QStringList Titles;
        for (int I = 0; I < Daten.Count(); ++I)
            Titles << Daten.Get(I)->Titel();
        QCOMPARE(Titles.mid(3), (QStringList{"Die ersten Buchstaben", "Falscher Typ", "Figuren", "Ohne Daten", "Sätze",
                                             "Wörter mit ä"}));
        // Found by name (folder part dropped, any case), by type only when typed.
        QVERIFY(Daten.FindDatendatei(QStringLiteral("C:\\x\\woerter.dat")));
        QCOMPARE(Daten.FindDatendatei(QStringLiteral("/x/WOERTER.DAT"))->Titel(), QStringLiteral("Wörter mit ä"));
        QVERIFY(!Daten.FindDatendatei(QString()));
        QVERIFY(!Daten.FindDatendatei(QStringLiteral("woerter")));
        QVERIFY(Daten.FindDatendatei(QStringLiteral("leerzeichen-typ.dat")));
        const TDatendateiDynArray Listen = Daten.FindDatenWithTypSet({dtWoerterliste, dtSaetzeliste}, true);
        QCOMPARE(Listen.size(), 3);
        QCOMPARE(Listen[0]->Titel(), QStringLiteral("Ohne Daten"));
        QVERIFY(Daten.FindDatenWithTypSet({}, true).isEmpty());
    }

    void loadFolderFailures()
    {
        TDaten Daten;
        QVERIFY(Daten.LoadFiles(Db()));
        const QString Missing = Db() + "fehlt/";
        QVERIFY(!Daten.LoadFiles(Missing));
        QCOMPARE(Daten.LastErrorString,
                 QStringLiteral("Datenbanken konnten nicht vom Ordner \"%1\" geladen werden!").arg(Missing));
        QCOMPARE(LastLog(), Daten.LastErrorString);
        QCOMPARE(Daten.Count(), 9); // the list is left as it was
        QTemporaryDir Empty;
        QVERIFY(!Daten.LoadFiles(Empty.path()));
        QCOMPARE(Daten.Count(), 0);
    }

    void loadsTheCurrentLearningMaterial()
    {
        QTemporaryDir Dir;
        InitPaths(Dir.path(), QStringLiteral("anna"));
        QVERIFY(QDir().mkpath(DatenbankenPath));
        QVERIFY(QFile::copy(Db() + "lernzeichen.dat", DatenbankenPath + "lernzeichen.dat"));
        TDaten Daten;
        QVERIFY(Daten.LoadFiles());
        QCOMPARE(Daten.Path(), DatenbankenPath);
        QCOMPARE(Daten.Count(), 1);
    }

    void merge()
    {
        TDaten Daten;
        QVERIFY(Daten.LoadFiles(Db()));
        FLog.Clear();
        // The same file named twice (any case) gives its records twice.
        TDatensatzDynArray R = Daten.FusioniereDatendateien(QStringList{"lernzeichen.dat", "LERNZEICHEN.DAT"},
                                                            {dtLernzeichen});
        QCOMPARE(R.size(), 4);
        QCOMPARE(R[2].Brl, QStringLiteral("a"));
        // One string with " ^ " between the names, trimmed, empty names dropped.
        R = Daten.FusioniereDatendateien(QStringLiteral(" Woerter.dat ^ saetze.txt ^  ^ "),
                                         {dtWoerterliste, dtSaetzeliste});
        QCOMPARE(R.size(), 6);
        QCOMPARE(R[4].Brl, QStringLiteral("das ist gut."));
        QCOMPARE(FLog.Count(), 0);
        // A file of another type counts as not found; the rest still merges.
        R = Daten.FusioniereDatendateien(QStringList{"saetze.txt", "lernzeichen.dat"}, {dtLernzeichen});
        QCOMPARE(R.size(), 2);
        const QString Message =
            QStringLiteral("Die Datendatei \"saetze.txt\" konnte nicht in der Datenbank gefunden werden!");
        QCOMPARE(Daten.LastErrorString, Message);
        QCOMPARE(LastLog(), Message);
        // Nothing named, or no type: nothing, and no message.
        FLog.Clear();
        QVERIFY(Daten.FusioniereDatendateien(QStringList(), {dtLernzeichen}).isEmpty());
        QVERIFY(Daten.FusioniereDatendateien(QStringLiteral("lernzeichen.dat"), {}).isEmpty());
        QVERIFY(Daten.FusioniereDatendateien(QString(), {dtLernzeichen}).isEmpty());
        QCOMPARE(FLog.Count(), 0);
    }

    void closingStopsLoading()
    {
        IsProgramClosing = true;
        TDaten Daten;
        QVERIFY(!Daten.LoadFiles(Db()));
        QCOMPARE(Daten.Count(), 0);
        TDatendatei D;
        QVERIFY(!D.LoadFile(Info(QStringLiteral("lernzeichen.dat"))));
        IsProgramClosing = false;
    }
};

QTEST_GUILESS_MAIN(tst_Daten)
#include "tst_Daten.moc"
