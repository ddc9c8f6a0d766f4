#include "braille/BrlUniCharC.h"
#include "log/LogC.h"
#include "progress/FortschrittC.h"

#include "ProgressSummary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The learner's progress record: what the judged answers leave in it, the
// summaries the window shows and speaks, and its file.
class tst_Fortschritt : public QObject
{
    Q_OBJECT

    static inline const QString M = QStringLiteral("Lernmaterial-1");
    static inline const QDate Tag1{2024, 3, 4};

    TBrlUniChar FTable;
    TLog FLog{nullptr, QString()};
    QTemporaryDir FDir;

    // Print text as the cells the learner types: "haus" -> ⠓⠁⠥⠎.
    QString B(const QString &Text) const { return FTable.ConvertTextToBrlString(Text); }
    QString File() const { return FDir.filePath(QStringLiteral("Fortschritt.txt")); }
    QString Backup() const { return FDir.filePath(QStringLiteral("Fortschritt.bak")); }
    QString LastLog() const { return FLog.Count() ? FLog.Get(0).mid(16) : QString(); }

    static QString Summary(const TFortschritt &F, const QString &Material = M) { return ProgressSummary(F, Material); }

    static void Write(const QString &Name, const QByteArray &Bytes)
    {
        QFile F(Name);
        QVERIFY(F.open(QIODevice::WriteOnly | QIODevice::Truncate));
        F.write(Bytes);
    }

    static QByteArray Read(const QString &Name)
    {
        QFile F(Name);
        return F.open(QIODevice::ReadOnly) ? F.readAll() : QByteArray();
    }

    // A record with a bit of everything the file has to carry.
    void FillRich(TFortschritt &F) const
    {
        F.RecordTyping(M, B("lesen"), B("lisen"), Tag1);
        F.RecordTyping(M, B("leise"), B("liese"), Tag1.addDays(2));
        F.RecordFinding(M, B("ö"), QString(), true, Tag1);
        F.RecordFinding(QStringLiteral("Kurzschrift"), B("e"), QStringLiteral("e"), false, Tag1, B("i"));
        // Names a careless split would tear apart.
        F.RecordFinding(M, B("ab"), QStringLiteral("Tab\tund \\ Rückstrich"), true, Tag1);
        F.RecordLesson(M, QStringLiteral("Buchstaben"), QStringLiteral("Lektion 1"),
                       QDateTime(Tag1, QTime(9, 30, 15, 400)), 3, 7, 2, 95);
        F.RecordLesson(M, QString(), QStringLiteral("Ohne Bereich"), QDateTime(Tag1, QTime(10, 0)), -2, 0, 4, 30);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(FDir.isValid());
        QVERIFY2(FTable.LoadFile(QStringLiteral(TASTWERK_SHARE "/Data/BrlUniChar.txt")),
                 qPrintable(FTable.LastErrorString));
        BrlUniChar = &FTable;
        InstallLog(&FLog);
    }
    void cleanupTestCase()
    {
        InstallLog(nullptr);
        BrlUniChar = nullptr;
    }
    void init()
    {
        FLog.Clear();
        QFile::remove(File());
        QFile::remove(Backup());
    }

    void typedField_data()
    {
        QTest::addColumn<QString>("Expected");
        QTest::addColumn<QString>("Typed");
        QTest::addColumn<QString>("Result");
        QTest::newRow("all right") << "haus"
                                   << "haus"
                                   << "a:1/0 h:1/0 s:1/0 u:1/0";
        QTest::newRow("one cell confused") << "lesen"
                                           << "lisen"
                                           << "e:1/1(i statt e) l:1/0 n:1/0 s:1/0";
        QTest::newRow("empty field") << "ei"
                                     << ""
                                     << "e:0/1 i:0/1";
        QTest::newRow("cell left out") << "haus"
                                       << "hus"
                                       << "a:0/1 h:1/0 s:1/0 u:1/0";
        // The doubled u lines up with the start and the end: nothing asked is wrong.
        QTest::newRow("cell typed twice") << "haus"
                                          << "hauus"
                                          << "a:1/0 h:1/0 s:1/0 u:1/0";
        QTest::newRow("nothing lines up") << "haus"
                                          << "xy"
                                          << "a:0/1 h:0/1 s:0/1 u:0/1";
        // The checker may accept "eee" for "e e e".
        QTest::newRow("spaces left out") << "e e e"
                                         << "eee"
                                         << "e:3/0";
        QTest::newRow("space typed between") << "ei"
                                             << "e i"
                                             << "e:1/0 i:1/0";
        // Letter groups are named by their letters, not by the table's stand-ins.
        QTest::newRow("letter groups") << "_ön"
                                       << "*ön"
                                       << "n:1/0 sch:0/1(ch statt sch) ö:1/0";
    }
    void typedField()
    {
        QFETCH(QString, Expected);
        QFETCH(QString, Typed);
        QFETCH(QString, Result);
        TFortschritt F;
        F.RecordTyping(M, B(Expected), B(Typed), Tag1);
        QCOMPARE(Summary(F), Result);
    }

    void cellsWithoutNameAreSkipped()
    {
        const QString Blank(QChar(0x2800)); // the empty cell: no character of the table
        TFortschritt F;
        F.RecordTyping(M, B("a") + Blank + B("b"), B("a") + Blank + B("b"), Tag1);
        F.RecordTyping(M, B("ab"), B("a") + Blank, Tag1); // wrong, but nothing to name as confusion
        QCOMPARE(Summary(F), QStringLiteral("a:2/0 b:1/1"));
        QVERIFY(!F.FindZeichen(M, Blank));
    }

    void typedAgainstAcceptedAnswers()
    {
        // Written in Vollschrift with the cell of au: that answer is meant, so
        // "au" was right, not "a" and "u" wrong.
        TFortschritt F;
        F.RecordTyping(M, QStringList{B("haus"), B("h&s")}, B("h&s"), Tag1);
        QCOMPARE(Summary(F), QStringLiteral("au:1/0 h:1/0 s:1/0"));
        F.Clear();
        F.RecordTyping(M, QStringList{B("h&s"), B("haus")}, B("hais"), Tag1);
        QCOMPARE(Summary(F), QStringLiteral("a:1/0 h:1/0 s:1/0 u:0/1(i statt u)"));
    }

    // Letter groups are named by their letters, also the cells whose first
    // character in the table is a substitute (34 and 346).
    void letterGroupNames()
    {
        TFortschritt F;
        F.RecordTyping(M, QStringLiteral("⠌⠬⠡⠹"), QStringLiteral("⠌⠬⠡⠹"), Tag1);
        QCOMPARE(Summary(F), QStringLiteral("au:1/0 ch:1/0 ie:1/0 äu:1/0"));
    }

    void findingClicks()
    {
        TFortschritt F;
        F.RecordFinding(M, B("e"), QStringLiteral("e"), false, Tag1, B("i"));
        F.RecordFinding(M, B("e"), QStringLiteral("e"), false, Tag1, B("i"));
        F.RecordFinding(M, B("e"), QStringLiteral("e"), false, Tag1.addDays(1), B("ö"));
        F.RecordFinding(M, B("e"), QStringLiteral("e"), true, Tag1.addDays(1));
        // A figure of several cells with the name the task gives it.
        F.RecordFinding(M, B("abc"), QStringLiteral("Treppe"), true, Tag1);
        // Cells the table does not name and no name given: nothing to show, nothing kept.
        F.RecordFinding(M, QString(QChar(0x2800)), QString(), false, Tag1);
        QCOMPARE(Summary(F), QStringLiteral("Treppe:1/0 e:1/3(i statt e)"));
        const TZeichenStand *E = F.FindZeichen(QStringLiteral("LERNMATERIAL-1"), B("e"));
        QVERIFY(E);
        QCOMPARE(E->Gefragt, 4);
        QCOMPARE(E->Erstmals, Tag1);
        QCOMPARE(E->Zuletzt, Tag1.addDays(1));
        QCOMPARE(E->Verwechslungen.value(B("ö")).Anzahl, 1);
    }

    void weakestFirst()
    {
        TFortschritt F;
        auto Answers = [&](const QString &Letter, int Right, int Wrong) {
            for (int I = 0; I < Right; ++I)
                F.RecordFinding(M, B(Letter), QString(), true, Tag1);
            for (int I = 0; I < Wrong; ++I)
                F.RecordFinding(M, B(Letter), QString(), false, Tag1);
        };
        Answers("z", 3, 0);
        Answers("a", 1, 0); // as good as z, fewer answers: less certain
        Answers("y", 1, 1);
        Answers("x", 2, 2); // as good as y, more wrong
        Answers("e", 1, 3);
        Answers("i", 0, 1);
        F.RecordFinding(QStringLiteral("Lernmaterial-2"), B("o"), QString(), false, Tag1);

        QStringList Order;
        for (const TZeichenStand &Z : F.Zeichen(M))
            Order << Z.Name;
        QCOMPARE(Order, QStringList({"i", "e", "x", "y", "a", "z"}));
        QCOMPARE(F.Weakest(M, 3), QStringList({"i", "e", "x"}));
        QCOMPARE(F.WeakestText(M, 3), QStringLiteral("Am schwächsten: i, e, x"));
        // Characters never answered wrong are not weak.
        QCOMPARE(F.Weakest(M, 10), QStringList({"i", "e", "x", "y"}));
        QCOMPARE(F.WeakestText(QStringLiteral("Lernmaterial-3")), QString());
    }

    void lessons()
    {
        TFortschritt F;
        const QDateTime T(Tag1, QTime(9, 0));
        F.RecordLesson(M, QStringLiteral("Bereich 2"), QStringLiteral("Lektion A"), T, 3, 5, 2, 60);
        F.RecordLesson(M, QStringLiteral("Bereich 1"), QStringLiteral("Lektion B"), T.addSecs(60), 1, 1, 0, 20);
        F.RecordLesson(M, QStringLiteral("Bereich 2"), QStringLiteral("Lektion A"), T.addDays(1), 9, 9, 0, 50);
        F.RecordLesson(M, QStringLiteral("bereich 2"), QStringLiteral("lektion a"), T.addDays(2), 4, 4, 0, 40);
        F.RecordLesson(QStringLiteral("Lernmaterial-2"), QStringLiteral("Bereich 2"), QStringLiteral("Lektion A"),
                       T.addDays(3), 20, 20, 0, 10);

        const QList<TLektionsStand> L = F.Lektionen(M);
        QCOMPARE(L.size(), 2);
        QCOMPARE(L[0].Lektion, QStringLiteral("Lektion B"));
        QCOMPARE(L[1].Lektion, QStringLiteral("Lektion A"));
        QCOMPARE(L[1].Abschluesse, 3);
        QCOMPARE(L[1].BestePunkte, 9);
        QCOMPARE(L[1].Zuletzt, T.addDays(2));
        QCOMPARE(F.Abschluesse().size(), 5);
    }

    void fileRoundTrip()
    {
        TFortschritt F;
        QVERIFY(F.LoadFile(File())); // no file yet: a new learner
        QVERIFY(F.IsEmpty());
        FillRich(F);
        QVERIFY(F.SaveFile());

        TFortschritt Again;
        QVERIFY(Again.LoadFile(File()));
        QVERIFY(Again == F);
        QCOMPARE(Again.Abschluesse()[0].Abgeschlossen, QDateTime(Tag1, QTime(9, 30, 15)));
        QCOMPARE(FLog.Count(), 0);

        // What a teacher sees.
        const QStringList Lines = QString::fromUtf8(Read(File())).split(QStringLiteral("\r\n"));
        QCOMPARE(Lines[0], QStringLiteral("Tastwerk-Fortschritt\t1"));
        QVERIFY(Lines.contains(QStringLiteral("Zeichen\tLernmaterial-1\t⠑\te\t4\t2\t2\t2024-03-04\t2024-03-06\t1"
                                              "\t2024-03-06")));
        QVERIFY(Lines.contains(QStringLiteral("Verwechslung\tLernmaterial-1\t⠑\t⠊\ti\t2")));
        QVERIFY(Lines.contains(QStringLiteral("Lektion\tLernmaterial-1\tBuchstaben\tLektion 1\t2024-03-04T09:30:15"
                                              "\t3\t7\t2\t95")));
        QVERIFY(Lines.contains(QStringLiteral("Zeichen\tLernmaterial-1\t⠁⠃\tTab\\tund \\\\ Rückstrich\t1\t1\t0"
                                              "\t2024-03-04\t2024-03-04\t0\t-")));
    }

    void handEditedFileReads()
    {
        // Saved by a Windows editor: byte-order mark, CR LF, a note of the
        // teacher's and blank lines.
        Write(File(), "\xEF\xBB\xBFTastwerk-Fortschritt\t1\r\n\r\n; Anna, Klasse 3\r\n"
                      "Zeichen\tLernmaterial-1\t\xE2\xA0\x91\te\t3\t1\t2\t2024-03-01\t2024-03-02\t1\t2024-03-02\r\n"
                      "\r\n");
        TFortschritt F;
        QVERIFY(F.LoadFile(File()));
        QCOMPARE(Summary(F), QStringLiteral("e:1/2"));
        QCOMPARE(F.FindZeichen(M, B("e"))->Karte, (TLernkarte{1, QDate(2024, 3, 2)}));
    }

    void previousFileIsKept()
    {
        TFortschritt F;
        QVERIFY(F.LoadFile(File()));
        F.RecordFinding(M, B("e"), QString(), true, Tag1);
        QVERIFY(F.SaveFile());
        QVERIFY(!QFile::exists(Backup())); // nothing to keep yet
        const QByteArray First = Read(File());
        // A read-only file is replaced all the same.
        QVERIFY(QFile::setPermissions(File(), QFileDevice::ReadOwner));
        F.RecordFinding(M, B("i"), QString(), false, Tag1);
        QVERIFY(F.SaveFile());
        QCOMPARE(Read(Backup()), First);
        QVERIFY(Read(File()) != First);
        // Replaced whole: no temporary file left beside them.
        QCOMPARE(QDir(FDir.path()).entryList(QDir::Files, QDir::Name),
                 QStringList({"Fortschritt.bak", "Fortschritt.txt"}));
    }

    void damagedFile_data()
    {
        QTest::addColumn<QByteArray>("Text");
        QTest::addColumn<QString>("Where");
        const QByteArray Head = "Tastwerk-Fortschritt\t1\r\n";
        const QByteArray Good = "Zeichen\tLM\t\xE2\xA0\x91\te\t3\t1\t2\t2024-03-01\t2024-03-02\t1\t2024-03-02\r\n";
        QTest::newRow("empty file") << QByteArray() << "Zeile 1: unbekannte Kopfzeile";
        QTest::newRow("unknown header") << QByteArray("Fortschritt 1\r\n") << "Zeile 1: unbekannte Kopfzeile";
        QTest::newRow("newer version") << QByteArray("Tastwerk-Fortschritt\t2\r\n")
                                       << "Zeile 1: unbekannte Version \"2\"";
        QTest::newRow("field missing") << Head + "; Notiz\r\nZeichen\tLM\t\xE2\xA0\x91\te\t3\t1\t2\t2024-03-01\r\n"
                                       << "Zeile 3: 8 statt 11 Felder";
        QTest::newRow("not a number")
            << Head + "Zeichen\tLM\t\xE2\xA0\x91\te\tdrei\t1\t2\t2024-03-01\t2024-03-02\t0\t-\r\n"
            << "Zeile 2: ungültige Zahl \"drei\"";
        QTest::newRow("counts do not add up")
            << Head + "Zeichen\tLM\t\xE2\xA0\x91\te\t5\t1\t2\t2024-03-01\t2024-03-02\t0\t-\r\n"
            << "Zeile 2: Richtig und Falsch ergeben nicht Gefragt";
        QTest::newRow("negative count")
            << Head + "Zeichen\tLM\t\xE2\xA0\x91\te\t1\t2\t-1\t2024-03-01\t2024-03-02\t0\t-\r\n"
            << "Zeile 2: unmögliche Zahl -1";
        QTest::newRow("no such box")
            << Head + "Zeichen\tLM\t\xE2\xA0\x91\te\t3\t1\t2\t2024-03-01\t2024-03-02\t6\t2024-03-02\r\n"
            << "Zeile 2: Fach 6 gibt es nicht";
        QTest::newRow("box without day")
            << Head + "Zeichen\tLM\t\xE2\xA0\x91\te\t3\t1\t2\t2024-03-01\t2024-03-02\t2\t-\r\n"
            << "Zeile 2: Fach und Fachdatum passen nicht zusammen";
        QTest::newRow("no such day") << Head + "Zeichen\tLM\t\xE2\xA0\x91\te\t3\t1\t2\t2024-02-30\t2024-03-02\t0\t-\r\n"
                                     << "Zeile 2: ungültiges Datum \"2024-02-30\"";
        QTest::newRow("print instead of cells") << Head + "Zeichen\tLM\te\te\t3\t1\t2\t2024-03-01\t2024-03-02\t0\t-\r\n"
                                                << "Zeile 2: \"e\" sind keine Braillezellen";
        QTest::newRow("bad backslash")
            << Head + "Zeichen\tLM\t\xE2\xA0\x91\te\\x\t3\t1\t2\t2024-03-01\t2024-03-02\t0\t-\r\n"
            << "Zeile 2: ungültiger Rückstrich in \"e\\x\"";
        QTest::newRow("character twice") << Head + Good + Good << "Zeile 3: Zeichen doppelt";
        QTest::newRow("confusion first") << Head + "Verwechslung\tLM\t\xE2\xA0\x91\t\xE2\xA0\x8A\ti\t1\r\n" + Good
                                         << "Zeile 2: Verwechslung ohne vorangehende Zeichen-Zeile";
        QTest::newRow("more confusions than wrong")
            << Head + Good + "Verwechslung\tLM\t\xE2\xA0\x91\t\xE2\xA0\x8A\ti\t3\r\n"
            << "Zeile 3: mehr Verwechslungen als falsche Antworten";
        QTest::newRow("unknown kind") << Head + Good + "Punkte\t12\r\n"
                                      << "Zeile 3: unbekannte Zeilenart \"Punkte\"";
        QTest::newRow("lesson without time") << Head + "Lektion\tLM\tB\tL\tgestern\t3\t1\t0\t10\r\n"
                                             << "Zeile 2: ungültiger Zeitpunkt \"gestern\"";
    }
    void damagedFile()
    {
        QFETCH(QByteArray, Text);
        QFETCH(QString, Where);
        // The kept copy: one character, one lesson.
        TFortschritt Kept;
        QVERIFY(Kept.LoadFile(Backup()));
        Kept.RecordFinding(M, B("a"), QString(), true, Tag1);
        Kept.RecordLesson(M, QStringLiteral("B"), QStringLiteral("L"), QDateTime(Tag1, QTime(8, 0)), 1, 1, 0, 5);
        QVERIFY(Kept.SaveFile());
        Write(File(), Text);

        const QString Aside = TFortschritt::DamagedFileName(File(), QDate::currentDate());
        TFortschritt F;
        QVERIFY(!F.LoadFile(File()));
        QCOMPARE(LastLog(), QStringLiteral("Fortschrittsdatei beschädigt: %1, %2. Sie wurde als „%3“ aufbewahrt. Die "
                                           "gesicherte Kopie wird gelesen.")
                                .arg(File(), Where, QFileInfo(Aside).fileName()));
        QCOMPARE(FLog.Count(), 1);
        QVERIFY(F == Kept); // the copy whole, nothing of the damaged file
        QCOMPARE(Read(Aside), Text); // and the damaged file kept aside
    }

    // Both files damaged: the main file, with the lessons still readable in
    // it, is kept under a name of its own before the record starts afresh,
    // and stays when the new record is saved.
    void damagedCopyToo()
    {
        const QByteArray Damaged = "Tastwerk-Fortschritt\t1\r\n"
                                   "Lektion\tLM\tB\tL\t2026-12-01T08:00:00\t3\t1\t0\t10\r\n"
                                   "Zeichen\tkaputt\r\n";
        Write(File(), Damaged);
        Write(Backup(), "kaputt\r\n");
        const QString Aside = TFortschritt::DamagedFileName(File(), QDate::currentDate());
        TFortschritt F;
        QVERIFY(!F.LoadFile(File()));
        QVERIFY(F.IsEmpty());
        QCOMPARE(FLog.Count(), 1);
        QCOMPARE(LastLog(), QStringLiteral("Fortschrittsdatei beschädigt: %1, Zeile 3: 2 statt 11 Felder. Sie wurde "
                                           "als „%2“ aufbewahrt. Fortschrittsdatei beschädigt: %3, Zeile 1: "
                                           "unbekannte Kopfzeile. Der Fortschritt beginnt von vorn.")
                                .arg(File(), QFileInfo(Aside).fileName(), Backup()));
        F.RecordFinding(M, B("e"), QString(), true, Tag1);
        QVERIFY(F.SaveFile());
        QVERIFY(F.SaveFile());
        QCOMPARE(Read(Aside), Damaged);

        // Without a copy the record starts afresh at once; a second damaged
        // file on the same day gets a name of its own.
        FLog.Clear();
        QFile::remove(Backup());
        Write(File(), Damaged);
        const QString Aside2 = TFortschritt::DamagedFileName(File(), QDate::currentDate());
        QVERIFY(Aside2 != Aside);
        QVERIFY(!F.LoadFile(File()));
        QVERIFY(F.IsEmpty());
        QCOMPARE(LastLog(), QStringLiteral("Fortschrittsdatei beschädigt: %1, Zeile 3: 2 statt 11 Felder. Sie wurde "
                                           "als „%2“ aufbewahrt. Der Fortschritt beginnt von vorn.")
                                .arg(File(), QFileInfo(Aside2).fileName()));
        QCOMPARE(Read(Aside), Damaged);
        QCOMPARE(Read(Aside2), Damaged);
    }

    void damagedFileDoesNotReplaceTheCopy()
    {
        const QByteArray Good = "Tastwerk-Fortschritt\t1\r\n"
                                "Zeichen\tLernmaterial-1\t\xE2\xA0\x91\te\t1\t1\t0\t2024-03-01\t2024-03-01\t0\t-\r\n";
        Write(Backup(), Good);
        Write(File(), "Tastwerk-Fortschritt\t1\r\nZeichen\tkaputt\r\n");
        TFortschritt F;
        QVERIFY(!F.LoadFile(File()));
        F.RecordFinding(M, B("e"), QString(), true, Tag1);
        QVERIFY(F.SaveFile());
        QCOMPARE(Read(Backup()), Good);
        QVERIFY(F.LoadFile(File()));
        QCOMPARE(Summary(F), QStringLiteral("e:2/0"));
    }

    void unwritableProfileFolder()
    {
        // A file stands where the profile folder should be: not even root can
        // write below it.
        Write(FDir.filePath(QStringLiteral("Benutzer")), "kein Ordner");
        const QString Name = FDir.filePath(QStringLiteral("Benutzer/anna/Fortschritt.txt"));
        TFortschritt F;
        QVERIFY(F.LoadFile(Name));
        F.RecordFinding(M, B("e"), QString(), true, Tag1);
        QVERIFY(!F.SaveFile());
        QVERIFY2(F.LastErrorString.startsWith(
                     QStringLiteral("Fortschrittsdatei konnte nicht gespeichert werden: %1 (").arg(Name)),
                 qPrintable(F.LastErrorString));
        QCOMPARE(LastLog(), F.LastErrorString);
        QCOMPARE(Summary(F), QStringLiteral("e:1/0")); // still kept in memory
    }
};

QTEST_GUILESS_MAIN(tst_Fortschritt)
#include "tst_Fortschritt.moc"
