// The braille table: reading the table file, the lookups, the bracket markup
// and the conversions of whole texts.
//
// Fixtures (tests/data/braille/):
//   BrlKlein.txt   letters a-h and r, the period, the substitutes ` 9 8 ~ { } |;
//                  no umlauts, no ß, no square brackets
//   BrlUmlaut.txt  b e r, the digit 8 (dots 125) before ü (dots 1256)
//   BrlDoppelt.txt cells, characters and dots that occur twice
//   BrlFehler.txt  a faulty entry in line 6 after blank and comment lines (CR LF)
//   BrlRand.txt    the codes 0 and FFFF in both fields

#include "braille/BrlUniCharC.h"
#include "content/PathsC.h"
#include "log/LogC.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

QString Fixture(const QString &Name)
{
    return QStringLiteral(TASTWERK_TEST_DATA "/braille/") + Name;
}

QString ShippedTable()
{
    return QStringLiteral(TASTWERK_SHARE "/Data/BrlUniChar.txt");
}

// A fixture name, or "shipped" for the table delivered with the program, or
// "" for no table at all.
QString TablePath(const QString &Name)
{
    if (Name == u"shipped")
        return ShippedTable();
    return Name.isEmpty() ? QString() : Fixture(Name);
}

QString NotExists(const QString &Path)
{
    return QStringLiteral("Die Tabellendatei \"%1\" existiert nicht!").arg(Path);
}

QString NotLoaded(const QString &Path)
{
    return QStringLiteral("Die Tabellendatei \"%1\" konnte nicht geladen werden!").arg(Path);
}

QString Faulty(const QString &Path, int Line, const QString &Text)
{
    return QStringLiteral("Die Tabellendatei \"%1\" ist fehlerhaft in Zeile %2 (\"%3\")!")
        .arg(Path)
        .arg(Line)
        .arg(Text);
}

// Every UTF-16 code unit once, in order.
QString AllCodeUnits()
{
    QString S(0x10000, Qt::Uninitialized);
    for (int U = 0; U <= 0xFFFF; ++U)
        S[U] = QChar(char16_t(U));
    return S;
}

QString Hex(QChar C)
{
    return QStringLiteral("U+%1").arg(C.unicode(), 4, 16, QChar(u'0')).toUpper();
}

enum TFindKind { fkDots, fkUniBrl, fkAscChar };

} // namespace

Q_DECLARE_METATYPE(TTranslateTyp)
Q_DECLARE_METATYPE(TFindKind)

class tst_BrlUniChar : public QObject
{
    Q_OBJECT

private:
    TLog *FLog = nullptr;

    // The newest log entry without its time stamp ("yy-mm-dd hh:mm: ").
    QString LastLogged() const
    {
        const QString Entry = FLog->Get(0);
        const qsizetype Colon = Entry.indexOf(QStringLiteral(": "));
        return Colon < 0 ? Entry : Entry.mid(Colon + 2);
    }

    // Loads a table by fixture name ("" leaves the table empty).
    bool Load(TBrlUniChar &Table, const QString &Name)
    {
        if (Name.isEmpty())
            return true;
        if (!Table.LoadFile(TablePath(Name))) {
            qWarning().noquote() << Table.LastErrorString;
            return false;
        }
        return true;
    }

    // Writes a table file into Dir; empty when that fails.
    static QString WriteFile(const QTemporaryDir &Dir, const QByteArray &Bytes)
    {
        const QString Path = Dir.filePath(QStringLiteral("BrlUniChar.txt"));
        QFile F(Path);
        if (!F.open(QIODevice::WriteOnly | QIODevice::Truncate) || F.write(Bytes) != Bytes.size())
            return QString();
        return Path;
    }

private slots:
    void initTestCase()
    {
        FLog = new TLog(nullptr, QString());
        InstallLog(FLog);
    }

    void cleanupTestCase()
    {
        InstallLog(nullptr);
        FLog->Clear();
        delete FLog;
        FLog = nullptr;
    }

    void init() { FLog->Clear(); }

    // --- LoadFile ---------------------------------------------------------

    void loadFile_goodTable()
    {
        TBrlUniChar Table;
        const QString Path = Fixture(QStringLiteral("BrlKlein.txt"));
        QVERIFY(Table.LoadFile(Path));
        QCOMPARE(Table.LastErrorString, QString());
        QCOMPARE(Table.Filename(), Path);
        QCOMPARE(Table.Count(), 17);
        QCOMPARE(Table.Entries().first().ToString(), QStringLiteral("1=$2801 $61"));
        QCOMPARE(Table.Entries().last().ToString(), QStringLiteral("34=$280C $7C"));
        QCOMPARE(FLog->Count(), 0);
    }

    void loadFile_emptyArgumentReadsDataFolder()
    {
        QTemporaryDir UserDir;
        QVERIFY(UserDir.isValid());
        InitPaths(QStringLiteral(TASTWERK_SHARE), QStringLiteral("test"), UserDir.path());
        TBrlUniChar Table;
        QVERIFY2(Table.LoadFile(QString()), qPrintable(Table.LastErrorString));
        QCOMPARE(Table.Filename(), DataPath + QStringLiteral("BrlUniChar.txt"));
        QCOMPARE(Table.Filename(), ShippedTable());
        QVERIFY(Table.Count() > 0);
    }

    // A file that cannot be used leaves the previous table as it was.
    void loadFile_unusableFileKeepsTable_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("exists");

        QTest::newRow("missing file") << QStringLiteral(TASTWERK_TEST_DATA "/braille/GibtEsNicht.txt") << false;
        // A folder is no table file.
        QTest::newRow("folder") << QStringLiteral(TASTWERK_TEST_DATA "/braille") << false;
        // A regular file that opens but whose reading fails with an I/O error,
        // also for root (permission bits do not stop root).
        QTest::newRow("read error") << QStringLiteral("/proc/self/mem") << true;
    }

    void loadFile_unusableFileKeepsTable()
    {
        QFETCH(QString, path);
        QFETCH(bool, exists);

        if (exists) {
            if (!QFileInfo(path).isFile())
                QSKIP("/proc/self/mem is not available as a regular file here");
            QFile F(path);
            if (F.open(QIODevice::ReadOnly)) {
                F.readAll();
                if (F.error() == QFileDevice::NoError)
                    QSKIP("reading /proc/self/mem does not fail on this system");
            }
        }

        TBrlUniChar Table;
        const QString Good = Fixture(QStringLiteral("BrlKlein.txt"));
        QVERIFY(Table.LoadFile(Good));

        QVERIFY(!Table.LoadFile(path));
        const QString Expected = exists ? NotLoaded(path) : NotExists(path);
        QCOMPARE(Table.LastErrorString, Expected);
        QCOMPARE(FLog->Count(), 1);
        QCOMPARE(LastLogged(), Expected);

        QCOMPARE(Table.Filename(), Good);
        QCOMPARE(Table.Count(), 17);
        TBuc Buc;
        QVERIFY(Table.FindAscChar(u'h', Buc));
        QCOMPARE(Buc.ToString(), QStringLiteral("125=$2813 $68"));
        QCOMPARE(Table.Translate(QStringLiteral("abc"), ttToUniBrl, true), QStringLiteral("⠁⠃⠉"));
    }

    // The previous table is gone; the entries before the faulty line stay.
    void loadFile_faultyLineKeepsEntriesBefore()
    {
        TBrlUniChar Table;
        QVERIFY(Table.LoadFile(Fixture(QStringLiteral("BrlKlein.txt"))));

        const QString Path = Fixture(QStringLiteral("BrlFehler.txt"));
        QVERIFY(!Table.LoadFile(Path));
        const QString Expected = Faulty(Path, 6, QStringLiteral("$2809 $63"));
        QCOMPARE(Table.LastErrorString, Expected);
        QCOMPARE(FLog->Count(), 1);
        QCOMPARE(LastLogged(), Expected);

        QCOMPARE(Table.Filename(), Path);
        QCOMPARE(Table.Count(), 2);
        QCOMPARE(Table.Entries()[0].ToString(), QStringLiteral("1=$2801 $61"));
        QCOMPARE(Table.Entries()[1].ToString(), QStringLiteral("12=$2803 $62"));
        TBuc Buc;
        QVERIFY(Table.FindAscChar(u'b', Buc));
        QVERIFY(!Table.FindAscChar(u'c', Buc));
        QVERIFY(!Table.FindAscChar(u'h', Buc));
        QVERIFY(!Table.FindUniBrl(QChar(0x2809), Buc));
        QCOMPARE(Table.ConvertTextToDotsString(QStringLiteral("abc"), false), QStringLiteral("1+12+0"));

        // A later good load empties the error text again.
        QVERIFY(Table.LoadFile(Fixture(QStringLiteral("BrlKlein.txt"))));
        QCOMPARE(Table.LastErrorString, QString());
    }

    // Line numbers count every line of the file, also blank and comment lines,
    // whatever the line breaks.
    void loadFile_faultyLineNumber_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("entries");

        QTest::newRow("first line") << QByteArray("oops\n1=$2801 $61\n") << 1 << QStringLiteral("oops") << 0;
        QTest::newRow("LF") << QByteArray("1=$2801 $61\n12=$2803 $62\noops\n") << 3 << QStringLiteral("oops") << 2;
        QTest::newRow("CR LF") << QByteArray("1=$2801 $61\r\n\r\noops\r\n") << 3 << QStringLiteral("oops") << 1;
        QTest::newRow("CR") << QByteArray("1=$2801 $61\r\r\roops\r") << 4 << QStringLiteral("oops") << 1;
        QTest::newRow("mixed") << QByteArray("1=$2801 $61\r\n\n\r; c\noops") << 5 << QStringLiteral("oops") << 1;
        QTest::newRow("blank, spaces, tabs and comments")
            << QByteArray("; Kopf\n\n   \n\t\t\n  ; eingerückt\n;\n1=$2801 $61\n \t oops \t\n") << 8
            << QStringLiteral("oops") << 1;
        QTest::newRow("last line without break")
            << QByteArray("1=$2801 $61\n12$2803") << 2 << QStringLiteral("12$2803") << 1;
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF; Kopf\n1=$2801 $61\n$2803 $62\n") << 3
                                         << QStringLiteral("$2803 $62") << 1;
        QTest::newRow("UTF-16") << QByteArray("\xFF\xFE;\0\n\0\xFC\0\n\0", 10) << 2 << QStringLiteral("ü") << 0;
    }

    void loadFile_faultyLineNumber()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(int, entries);

        QTemporaryDir Dir;
        QVERIFY(Dir.isValid());
        const QString Path = WriteFile(Dir, content);
        QVERIFY(!Path.isEmpty());

        TBrlUniChar Table;
        QVERIFY(!Table.LoadFile(Path));
        QCOMPARE(Table.LastErrorString, Faulty(Path, line, text));
        QCOMPARE(LastLogged(), Table.LastErrorString);
        QCOMPARE(Table.Count(), entries);
    }

    // One line of the table file: either an entry with its three fields or
    // a faulty line (reported with its trimmed text).
    void loadFile_entryLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("dots");
        QTest::addColumn<int>("uniBrl");
        QTest::addColumn<int>("ascChar");

        QTest::newRow("canonical") << QStringLiteral("1=$2801 $61") << true << QStringLiteral("1") << 0x2801 << 0x61;
        QTest::newRow("two fields: a space")
            << QStringLiteral("1=$2801") << true << QStringLiteral("1") << 0x2801 << 32;
        QTest::newRow("spaces around") << QStringLiteral("  \t1=$2801 $61 \t") << true << QStringLiteral("1") << 0x2801
                                       << 0x61;
        QTest::newRow("runs of separators")
            << QStringLiteral("1 == $2801   $61") << true << QStringLiteral("1") << 0x2801 << 0x61;
        QTest::newRow("space instead of =")
            << QStringLiteral("1 $2801 $61") << true << QStringLiteral("1") << 0x2801 << 0x61;
        QTest::newRow("dots verbatim") << QStringLiteral("5421=$281B $67") << true << QStringLiteral("5421") << 0x281B
                                       << 0x67;
        QTest::newRow("lower-case hex") << QStringLiteral("1245=$281b $6a") << true << QStringLiteral("1245") << 0x281B
                                        << 0x6A;
        QTest::newRow("decimal cell") << QStringLiteral("1=10241 $61") << true << QStringLiteral("1") << 0x2801 << 0x61;
        QTest::newRow("decimal character")
            << QStringLiteral("1=$2801 97") << true << QStringLiteral("1") << 0x2801 << 0x61;
        QTest::newRow("0x cell") << QStringLiteral("1=0x2801 $61") << true << QStringLiteral("1") << 0x2801 << 0x61;
        QTest::newRow("0x character") << QStringLiteral("1=$2801 0x61") << true << QStringLiteral("1") << 0x2801
                                      << 0x61;
        QTest::newRow("0X") << QStringLiteral("1=0X2801 $61") << true << QStringLiteral("1") << 0x2801 << 0x61;
        QTest::newRow("x") << QStringLiteral("1=x2801 $61") << true << QStringLiteral("1") << 0x2801 << 0x61;
        QTest::newRow("X") << QStringLiteral("1=$2801 X61") << true << QStringLiteral("1") << 0x2801 << 0x61;
        QTest::newRow("plus sign") << QStringLiteral("1=$2801 +97") << true << QStringLiteral("1") << 0x2801 << 0x61;
        QTest::newRow("character not a number: a space")
            << QStringLiteral("1=$2801 a") << true << QStringLiteral("1") << 0x2801 << 32;
        QTest::newRow("cell not a number: a space")
            << QStringLiteral("1=$zz $61") << true << QStringLiteral("1") << 32 << 0x61;
        QTest::newRow("highest code unit")
            << QStringLiteral("1=$FFFF $0") << true << QStringLiteral("1") << 0xFFFF << 0;
        QTest::newRow("$ at position 3") << QStringLiteral("12$2803 $62") << true << QStringLiteral("12$2803") << 0x62
                                         << 32;
        // A tab separates nothing: "1\t$2801" is the first field.
        // "$2801\t" is no number: the tab belongs to the field.
        QTest::newRow("tab after a number")
            << QStringLiteral("1=$2801\t $61") << true << QStringLiteral("1") << 32 << 0x61;
        QTest::newRow("tab is no separator")
            << QStringLiteral("1\t$2801 $61") << true << QStringLiteral("1\t$2801") << 0x61 << 32;

        QTest::newRow("$ at position 1") << QStringLiteral("$2801 $61") << false << QString() << 0 << 0;
        QTest::newRow("$ at position 2") << QStringLiteral("1$2801 $61") << false << QString() << 0 << 0;
        // Every line needs a "$", also when its numbers are written otherwise.
        QTest::newRow("no $, decimal") << QStringLiteral("1=10241 97") << false << QString() << 0 << 0;
        QTest::newRow("no $, 0x") << QStringLiteral("1=0x2801 0x61") << false << QString() << 0 << 0;
        QTest::newRow("one field") << QStringLiteral("12$2803") << false << QString() << 0 << 0;
        QTest::newRow("four fields") << QStringLiteral("1=$2801 $61 $62") << false << QString() << 0 << 0;
        QTest::newRow("comment after entry") << QStringLiteral("1=$2801 $61 ; a") << false << QString() << 0 << 0;
        QTest::newRow("cell above FFFF") << QStringLiteral("1=$12801 $61") << false << QString() << 0 << 0;
        QTest::newRow("character above FFFF") << QStringLiteral("1=$2801 $1F600") << false << QString() << 0 << 0;
        QTest::newRow("decimal above FFFF") << QStringLiteral("1=$2801 65536") << false << QString() << 0 << 0;
        QTest::newRow("negative code") << QStringLiteral("1=$2801 -1") << false << QString() << 0 << 0;
    }

    void loadFile_entryLine()
    {
        QFETCH(QString, line);
        QFETCH(bool, valid);
        QFETCH(QString, dots);
        QFETCH(int, uniBrl);
        QFETCH(int, ascChar);

        QTemporaryDir Dir;
        QVERIFY(Dir.isValid());
        const QString Path = WriteFile(Dir, line.toUtf8() + "\n");
        QVERIFY(!Path.isEmpty());

        TBrlUniChar Table;
        QCOMPARE(Table.LoadFile(Path), valid);
        if (!valid) {
            QCOMPARE(Table.LastErrorString, Faulty(Path, 1, line.trimmed()));
            QCOMPARE(LastLogged(), Table.LastErrorString);
            QCOMPARE(Table.Count(), 0);
            return;
        }
        QCOMPARE(Table.LastErrorString, QString());
        QCOMPARE(Table.Count(), 1);
        const TBuc &Buc = Table.Entries().first();
        QCOMPARE(Buc.Dots, dots);
        QCOMPARE(int(Buc.UniBrl.unicode()), uniBrl);
        QCOMPARE(int(Buc.AscChar.unicode()), ascChar);
    }

    void bucToString_data()
    {
        QTest::addColumn<QString>("dots");
        QTest::addColumn<int>("uniBrl");
        QTest::addColumn<int>("ascChar");
        QTest::addColumn<QString>("line");

        QTest::newRow("letter") << QStringLiteral("1") << 0x2801 << 0x61 << QStringLiteral("1=$2801 $61");
        QTest::newRow("upper-case hex") << QStringLiteral("1245") << 0x281B << 0x6A << QStringLiteral("1245=$281B $6A");
        QTest::newRow("character of four digits")
            << QStringLiteral("236") << 0x2826 << 0x201E << QStringLiteral("236=$2826 $201E");
        QTest::newRow("at least two digits") << QStringLiteral("4") << 0x2808 << 0x7 << QStringLiteral("4=$2808 $07");
        QTest::newRow("at least four digits") << QStringLiteral("1") << 0x41 << 0x0 << QStringLiteral("1=$0041 $00");
        QTest::newRow("dots as given") << QStringLiteral("521") << 0x2813 << 0xFC << QStringLiteral("521=$2813 $FC");
    }

    void bucToString()
    {
        QFETCH(QString, dots);
        QFETCH(int, uniBrl);
        QFETCH(int, ascChar);
        QFETCH(QString, line);

        const TBuc Buc = TBuc::Create(dots, QChar(char16_t(uniBrl)), QChar(char16_t(ascChar)));
        QCOMPARE(Buc.ToString(), line);

        // The canonical line reads back as the same entry.
        TBuc Read;
        QVERIFY(Read.SetData(line));
        QCOMPARE(Read.Dots, dots);
        QCOMPARE(Read.UniBrl, Buc.UniBrl);
        QCOMPARE(Read.AscChar, Buc.AscChar);
    }

    // --- Find operations ---------------------------------------------------

    // Expected: the canonical line of the entry found, empty for none.
    void find_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<TFindKind>("kind");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");

        const QString Klein = QStringLiteral("BrlKlein.txt");
        QTest::newRow("dots 12") << Klein << fkDots << QStringLiteral("12") << QStringLiteral("12=$2803 $62");
        QTest::newRow("dots 21 is not 12") << Klein << fkDots << QStringLiteral("21") << QString();
        QTest::newRow("dots 1 2 is not 12") << Klein << fkDots << QStringLiteral("1 2") << QString();
        QTest::newRow("dots empty") << Klein << fkDots << QString() << QString();
        QTest::newRow("dots of four") << Klein << fkDots << QStringLiteral("1245") << QStringLiteral("1245=$281B $67");
        QTest::newRow("dots of four reversed") << Klein << fkDots << QStringLiteral("5421") << QString();
        QTest::newRow("cell") << Klein << fkUniBrl << QStringLiteral("⠓") << QStringLiteral("125=$2813 $68");
        QTest::newRow("cell above all cells") << Klein << fkUniBrl << QStringLiteral("⠿") << QString();
        QTest::newRow("cell within range, absent") << Klein << fkUniBrl << QStringLiteral("⠡") << QString();
        QTest::newRow("character") << Klein << fkAscChar << QStringLiteral("r") << QStringLiteral("1235=$2817 $72");
        QTest::newRow("no case folding") << Klein << fkAscChar << QStringLiteral("A") << QString();
        QTest::newRow("no substitutes") << Klein << fkAscChar << QStringLiteral("ü") << QString();

        // The first entry in file order wins; a later duplicate is still found
        // through a pair in which it differs.
        const QString Doppelt = QStringLiteral("BrlDoppelt.txt");
        QTest::newRow("cell of a and 1") << Doppelt << fkUniBrl << QStringLiteral("⠁") << QStringLiteral("1=$2801 $61");
        QTest::newRow("character 1") << Doppelt << fkAscChar << QStringLiteral("1") << QStringLiteral("1=$2801 $31");
        QTest::newRow("dots of a and 1") << Doppelt << fkDots << QStringLiteral("1") << QStringLiteral("1=$2801 $61");
        QTest::newRow("dots of g and 7") << Doppelt << fkDots << QStringLiteral("1245")
                                         << QStringLiteral("1245=$281B $67");
        QTest::newRow("cell of g and 7") << Doppelt << fkUniBrl << QStringLiteral("⠛")
                                         << QStringLiteral("1245=$281B $67");
        QTest::newRow("character 7") << Doppelt << fkAscChar << QStringLiteral("7") << QStringLiteral("1245=$281B $37");
        QTest::newRow("two cells for 8") << Doppelt << fkAscChar << QStringLiteral("8")
                                         << QStringLiteral("125=$2813 $38");
        QTest::newRow("second cell of 8")
            << Doppelt << fkUniBrl << QStringLiteral("⠳") << QStringLiteral("1256=$2833 $38");
        QTest::newRow("cell above 281F") << Doppelt << fkUniBrl << QStringLiteral("⠣")
                                         << QStringLiteral("126=$2823 $25");
        QTest::newRow("character u") << Doppelt << fkAscChar << QStringLiteral("u") << QStringLiteral("126=$2823 $75");
        QTest::newRow("space: first line without character")
            << Doppelt << fkAscChar << QStringLiteral(" ") << QStringLiteral("4=$2808 $20");
        QTest::newRow("second cell of the space")
            << Doppelt << fkUniBrl << QStringLiteral("⠐") << QStringLiteral("5=$2810 $20");

        const QString Rand = QStringLiteral("BrlRand.txt");
        QTest::newRow("character 0") << Rand << fkAscChar << QString(QChar(0)) << QStringLiteral("1=$FFFF $00");
        QTest::newRow("cell FFFF") << Rand << fkUniBrl << QString(QChar(0xFFFF)) << QStringLiteral("1=$FFFF $00");
        QTest::newRow("character FFFF") << Rand << fkAscChar << QString(QChar(0xFFFF))
                                        << QStringLiteral("2=$0000 $FFFF");
        QTest::newRow("cell 0") << Rand << fkUniBrl << QString(QChar(0)) << QStringLiteral("2=$0000 $FFFF");
    }

    void find()
    {
        QFETCH(QString, table);
        QFETCH(TFindKind, kind);
        QFETCH(QString, key);
        QFETCH(QString, expected);

        TBrlUniChar Table;
        QVERIFY(Load(Table, table));

        // Not found: the record stays as the caller gave it.
        const TBuc Given = TBuc::Create(QStringLiteral("123456"), QChar(0x283F), u'?');
        TBuc Buc = Given;
        bool Found = false;
        switch (kind) {
        case fkDots:
            Found = Table.FindDots(key, Buc);
            break;
        case fkUniBrl:
            Found = Table.FindUniBrl(key.at(0), Buc);
            break;
        case fkAscChar:
            Found = Table.FindAscChar(key.at(0), Buc);
            break;
        }
        QCOMPARE(Found, !expected.isEmpty());
        QCOMPARE(Buc.ToString(), Found ? expected : Given.ToString());
    }

    void emptyTable_data()
    {
        QTest::addColumn<bool>("cleared");
        QTest::newRow("never loaded") << false;
        QTest::newRow("cleared after loading") << true;
    }

    void emptyTable()
    {
        QFETCH(bool, cleared);

        TBrlUniChar Table;
        if (cleared) {
            QVERIFY(Table.LoadFile(ShippedTable()));
            Table.Clear();
            QCOMPARE(Table.Filename(), QString());
        }
        QCOMPARE(Table.Count(), 0);

        TBuc Buc;
        for (int U = 0; U <= 0xFFFF; ++U) {
            const QChar C{char16_t(U)};
            if (Table.FindAscChar(C, Buc) || Table.FindUniBrl(C, Buc))
                QFAIL(qPrintable(QStringLiteral("found %1 in an empty table").arg(Hex(C))));
        }
        QVERIFY(!Table.FindDots(QStringLiteral("1"), Buc));
        QVERIFY(Buc.IsEmpty());

        QCOMPARE(Table.ConvertTextToDotsString(QStringLiteral("ab ⠁"), false), QStringLiteral("0+0+0+0"));
        QCOMPARE(Table.ConvertTextToDotsString(QStringLiteral("ab"), true), QStringLiteral("0+0"));
        QCOMPARE(Table.ConvertTextToSpeakTextDotsString(QStringLiteral("a")), QStringLiteral("Punkt 0"));
        QCOMPARE(Table.Translate(QStringLiteral("a⠁"), ttToUniBrl, true), QStringLiteral("a⠁"));
        QCOMPARE(Table.Translate(QStringLiteral("a⠁"), ttToAscChar, true), QStringLiteral("a⠁"));
        QCOMPARE(Table.Translate(QStringLiteral("x [ab] y"), ttToUniBrl, false), QStringLiteral("x ab y"));
        QCOMPARE(Table.Translate(QStringLiteral("x⠁ [y]"), ttToAscChar, false), QStringLiteral("x⠁ [[y]]"));
        QCOMPARE(Table.ConvertTextToBrlString(QStringLiteral("ÄB")), QStringLiteral("äb"));
        QCOMPARE(Table.ConvertBrlToTextString(QStringLiteral("⠁")), QStringLiteral("⠁"));
    }

    // --- Translate ----------------------------------------------------------

    // All rows use BrlKlein.txt: a ⠁ b ⠃ c ⠉ d ⠙ e ⠑ f ⠋ g ⠛ h ⠓ r ⠗ . ⠄,
    // { and } ⠶ (the cell of the brackets, { first), | ⠌; no entry for ⠿.
    void translate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<TTranslateTyp>("typ");
        QTest::addColumn<bool>("noMarker");
        QTest::addColumn<QString>("expected");

        auto Row = [](const char *Name, const QString &Text, TTranslateTyp Typ, bool NoMarker,
                      const QString &Expected) { QTest::newRow(Name) << Text << Typ << NoMarker << Expected; };

        // Without markers: every position on its own, length kept.
        Row("plain to cells", QStringLiteral("Ab. x[c]"), ttToUniBrl, true, QStringLiteral("A⠃⠄ x[⠉]"));
        Row("plain to cells, empty", QString(), ttToUniBrl, true, QString());
        Row("plain to text", QStringLiteral("⠁⠃ ⠿x[⠶]"), ttToAscChar, true, QStringLiteral("ab ⠿x[{]"));
        Row("plain to text, empty", QString(), ttToAscChar, true, QString());

        // Bracket markup to cells.
        Row("markup: word in brackets", QStringLiteral("Das [ab] ist"), ttToUniBrl, false,
            QStringLiteral("Das ⠁⠃ ist"));
        Row("markup: doubled opening bracket", QStringLiteral("a [[b] c"), ttToUniBrl, false,
            QStringLiteral("a [b] c"));
        Row("markup: no closing bracket anywhere", QStringLiteral("x [ab"), ttToUniBrl, false, QStringLiteral("x [ab"));
        Row("markup: no opening bracket anywhere", QStringLiteral("x ab] c"), ttToUniBrl, false,
            QStringLiteral("x ab] c"));
        Row("markup: no brackets", QStringLiteral("abc"), ttToUniBrl, false, QStringLiteral("abc"));
        Row("markup: empty", QString(), ttToUniBrl, false, QString());
        Row("markup: text right after", QStringLiteral("x [ab]y"), ttToUniBrl, false, QStringLiteral("x ⠁⠃y"));
        Row("markup: doubled closing bracket", QStringLiteral("a ]] [b]"), ttToUniBrl, false, QStringLiteral("a ] ⠃"));
        Row("markup: both doubled", QStringLiteral("[[a]]"), ttToUniBrl, false, QStringLiteral("[a]"));
        Row("markup: literal bracket before a run", QStringLiteral("[[[a]"), ttToUniBrl, false, QStringLiteral("[⠁"));
        Row("markup: never closed, rest is braille", QStringLiteral("a] [bc"), ttToUniBrl, false,
            QStringLiteral("a] ⠃⠉"));
        Row("markup: opening bracket at the end", QStringLiteral("a] ["), ttToUniBrl, false, QStringLiteral("a] "));
        Row("markup: opening bracket inside", QStringLiteral("[a[b]"), ttToUniBrl, false, QStringLiteral("⠁[⠃"));
        Row("markup: two runs", QStringLiteral("[ab] und [cd]"), ttToUniBrl, false, QStringLiteral("⠁⠃ und ⠉⠙"));
        Row("markup: empty run", QStringLiteral("x[]y"), ttToUniBrl, false, QStringLiteral("xy"));
        Row("markup: no case folding", QStringLiteral("[Ab]"), ttToUniBrl, false, QStringLiteral("A⠃"));
        Row("markup: characters without entry", QStringLiteral("[a b?x]"), ttToUniBrl, false, QStringLiteral("⠁ ⠃?x"));

        // Cells back to text, each run in brackets.
        Row("runs: cells then text", QStringLiteral("⠁⠃ x"), ttToAscChar, false, QStringLiteral("[ab] x"));
        Row("runs: brackets without cells", QStringLiteral("x [y]"), ttToAscChar, false, QStringLiteral("x [[y]]"));
        Row("runs: space between cells, closed at end", QStringLiteral("⠁ ⠃"), ttToAscChar, false,
            QStringLiteral("[a b]"));
        Row("runs: cell then two spaces", QStringLiteral("⠁  "), ttToAscChar, false, QStringLiteral("[a]  "));
        Row("runs: cells to the end", QStringLiteral("⠁⠃"), ttToAscChar, false, QStringLiteral("[ab]"));
        Row("runs: empty", QString(), ttToAscChar, false, QString());
        Row("runs: character right after", QStringLiteral("⠁x"), ttToAscChar, false, QStringLiteral("[a]x"));
        Row("runs: text before", QStringLiteral("x⠁"), ttToAscChar, false, QStringLiteral("x[a]"));
        Row("runs: two runs", QStringLiteral("⠁ x ⠃"), ttToAscChar, false, QStringLiteral("[a] x [b]"));
        Row("runs: spaces stay inside", QStringLiteral("⠁   ⠃."), ttToAscChar, false, QStringLiteral("[a   b]."));
        Row("runs: bracket right after", QStringLiteral("⠁["), ttToAscChar, false, QStringLiteral("[a][["));
        Row("runs: bracket after spaces", QStringLiteral("⠁  ]"), ttToAscChar, false, QStringLiteral("[a]  ]]"));
        Row("runs: cell without entry", QStringLiteral("⠁⠿"), ttToAscChar, false, QStringLiteral("[a]⠿"));
        Row("runs: first entry of a cell", QStringLiteral("⠶⠄"), ttToAscChar, false, QStringLiteral("[{.]"));
    }

    void translate()
    {
        QFETCH(QString, text);
        QFETCH(TTranslateTyp, typ);
        QFETCH(bool, noMarker);
        QFETCH(QString, expected);

        TBrlUniChar Table;
        QVERIFY(Load(Table, QStringLiteral("BrlKlein.txt")));
        QCOMPARE(Table.Translate(text, typ, noMarker), expected);
    }

    // Markup the program makes reads back to the same cells, also with cells
    // at the very end of the text.
    void translate_markupReadsBack_data()
    {
        QTest::addColumn<QString>("cells");
        QTest::newRow("cells at the end") << QStringLiteral("Das ist ⠁⠃");
        QTest::newRow("only cells") << QStringLiteral("⠁⠃⠉");
        QTest::newRow("cells, spaces, cells") << QStringLiteral("⠁ ⠃");
        QTest::newRow("runs and brackets") << QStringLiteral("x [⠁] ⠃.");
    }
    void translate_markupReadsBack()
    {
        QFETCH(QString, cells);
        TBrlUniChar Table;
        QVERIFY(Load(Table, QStringLiteral("BrlKlein.txt")));
        const QString Markup = Table.Translate(cells, ttToAscChar, false);
        QCOMPARE(Table.Translate(Markup, ttToUniBrl, false), cells);
    }

    // A table that was cleared converts nothing, also on the fast path for
    // long texts.
    void clear_dropsTheFastPath()
    {
        TBrlUniChar Table;
        QVERIFY(Table.LoadFile(ShippedTable()));
        const QString Long = QString(QStringLiteral("abc ")).repeated(64);
        QVERIFY(Table.Translate(Long, ttToUniBrl, true) != Long);
        Table.Clear();
        QCOMPARE(Table.Translate(Long, ttToUniBrl, true), Long);
    }

    // The conversions of whole texts give, for every code unit, the same
    // first-in-file-order entry as the Find operations.
    void conversionsAgreeWithFind_data()
    {
        QTest::addColumn<QString>("table");
        QTest::newRow("small") << QStringLiteral("BrlKlein.txt");
        QTest::newRow("duplicates") << QStringLiteral("BrlDoppelt.txt");
        QTest::newRow("codes 0 and FFFF") << QStringLiteral("BrlRand.txt");
        QTest::newRow("faulty, partly loaded") << QStringLiteral("BrlFehler.txt");
        QTest::newRow("shipped") << QStringLiteral("shipped");
        QTest::newRow("empty") << QString();
    }

    void conversionsAgreeWithFind()
    {
        QFETCH(QString, table);

        TBrlUniChar Table;
        if (!table.isEmpty())
            Table.LoadFile(TablePath(table));
        QCOMPARE(Table.Count() > 0, !table.isEmpty());

        const QString All = AllCodeUnits();
        const QString ToUniBrl = Table.Translate(All, ttToUniBrl, true);
        const QString ToAscChar = Table.Translate(All, ttToAscChar, true);
        const QString BrlToText = Table.ConvertBrlToTextString(All);
        const QStringList Dots = Table.ConvertTextToDotsString(All, false).split(u'+');
        QCOMPARE(ToUniBrl.size(), All.size());
        QCOMPARE(ToAscChar.size(), All.size());
        QCOMPARE(BrlToText, ToAscChar);
        QCOMPARE(Dots.size(), All.size());

        for (int U = 0; U <= 0xFFFF; ++U) {
            const QChar C{char16_t(U)};
            TBuc Buc;
            const QChar Cell = Table.FindAscChar(C, Buc) ? Buc.UniBrl : C;
            if (ToUniBrl[U] != Cell)
                QFAIL(qPrintable(
                    QStringLiteral("to cells: %1 gives %2, FindAscChar %3").arg(Hex(C), Hex(ToUniBrl[U]), Hex(Cell))));
            const QChar Char = Table.FindUniBrl(C, Buc) ? Buc.AscChar : C;
            if (ToAscChar[U] != Char)
                QFAIL(qPrintable(
                    QStringLiteral("to text: %1 gives %2, FindUniBrl %3").arg(Hex(C), Hex(ToAscChar[U]), Hex(Char))));
            const QString Named = Table.FindUniBrl(Cell, Buc) ? Buc.Dots : QStringLiteral("0");
            if (Dots[U] != Named)
                QFAIL(qPrintable(QStringLiteral("dots: %1 gives %2, FindUniBrl %3").arg(Hex(C), Dots[U], Named)));
        }
    }

    // --- Conversions --------------------------------------------------------

    void convertTextToBrlString_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        const QString Klein = QStringLiteral("BrlKlein.txt");
        const QString Umlaut = QStringLiteral("BrlUmlaut.txt");
        QTest::newRow("Über, ü absent: substitute 8") << Klein << QStringLiteral("Über") << QStringLiteral("⠳⠃⠑⠗");
        // Here 8 is the digit (⠓); ü itself is found first.
        QTest::newRow("Über, ü present") << Umlaut << QStringLiteral("Über") << QStringLiteral("⠳⠃⠑⠗");
        QTest::newRow("digit 8 before the substitute") << Umlaut << QStringLiteral("8") << QStringLiteral("⠓");
        QTest::newRow("ä via `") << Klein << QStringLiteral("ä") << QStringLiteral("⠜");
        QTest::newRow("Ä lower-cased, via `") << Klein << QStringLiteral("Ä") << QStringLiteral("⠜");
        QTest::newRow("ö via 9") << Klein << QStringLiteral("Ö") << QStringLiteral("⠪");
        QTest::newRow("ß via ~") << Klein << QStringLiteral("ß") << QStringLiteral("⠮");
        QTest::newRow("[ via {") << Klein << QStringLiteral("[") << QStringLiteral("⠶");
        QTest::newRow("] via }") << Klein << QStringLiteral("]") << QStringLiteral("⠶");
        QTest::newRow("backslash via |") << Klein << QStringLiteral("\\") << QStringLiteral("⠌");
        QTest::newRow("no capital sign") << Klein << QStringLiteral("Ab. Cd") << QStringLiteral("⠁⠃⠄ ⠉⠙");
        QTest::newRow("not in table stays lower-cased") << Klein << QStringLiteral("XßY?") << QStringLiteral("x⠮y?");
        QTest::newRow("neither letter nor substitute") << Umlaut << QStringLiteral("ÄÖ[") << QStringLiteral("äö[");
        QTest::newRow("cells stay") << Klein << QStringLiteral("⠿a") << QStringLiteral("⠿⠁");
        QTest::newRow("empty") << Klein << QString() << QString();
    }

    void convertTextToBrlString()
    {
        QFETCH(QString, table);
        QFETCH(QString, text);
        QFETCH(QString, expected);

        TBrlUniChar Table;
        QVERIFY(Load(Table, table));
        QCOMPARE(Table.ConvertTextToBrlString(text), expected);
    }

    void convertBrlToTextString_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("brl");
        QTest::addColumn<QString>("expected");

        QTest::newRow("duplicate cells: first line")
            << QStringLiteral("BrlDoppelt.txt") << QStringLiteral("⠁⠛⠣⠳⠐") << QStringLiteral("ag%8 ");
        QTest::newRow("substitutes come back")
            << QStringLiteral("BrlKlein.txt") << QStringLiteral("⠶⠌⠳ x⠿") << QStringLiteral("{|8 x⠿");
        QTest::newRow("empty") << QStringLiteral("BrlKlein.txt") << QString() << QString();
    }

    void convertBrlToTextString()
    {
        QFETCH(QString, table);
        QFETCH(QString, brl);
        QFETCH(QString, expected);

        TBrlUniChar Table;
        QVERIFY(Load(Table, table));
        QCOMPARE(Table.ConvertBrlToTextString(brl), expected);
    }

    void convertSpaceToUniSpaceString_data()
    {
        QTest::addColumn<QString>("brl");
        QTest::addColumn<QString>("expected");

        QTest::newRow("between letters") << QStringLiteral("a b") << QStringLiteral("a⠀b");
        QTest::newRow("between cells") << QStringLiteral("⠁ ⠃") << QStringLiteral("⠁⠀⠃");
        QTest::newRow("only spaces") << QStringLiteral("  ") << QStringLiteral("⠀⠀");
        QTest::newRow("other blanks stay") << QStringLiteral("a\tb\u00A0c\n") << QStringLiteral("a\tb\u00A0c\n");
        QTest::newRow("empty") << QString() << QString();
    }

    void convertSpaceToUniSpaceString()
    {
        QFETCH(QString, brl);
        QFETCH(QString, expected);
        QCOMPARE(TBrlUniChar::ConvertSpaceToUniSpaceString(brl), expected);
    }

    void convertTextToDotsString_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("withSpace");
        QTest::addColumn<QString>("expected");

        QTest::newRow("ab") << QStringLiteral("ab") << false << QStringLiteral("1+12");
        QTest::newRow("ab with spaces") << QStringLiteral("ab") << true << QStringLiteral("1+1 2");
        QTest::newRow("one dot") << QStringLiteral("a") << true << QStringLiteral("1");
        QTest::newRow("four dots with spaces") << QStringLiteral("g") << true << QStringLiteral("1 2 4 5");
        QTest::newRow("not in table") << QStringLiteral("a?b") << false << QStringLiteral("1+0+12");
        QTest::newRow("space not in table") << QStringLiteral("a b") << true << QStringLiteral("1+0+1 2");
        QTest::newRow("no case folding") << QStringLiteral("A") << false << QStringLiteral("0");
        QTest::newRow("no substitutes") << QStringLiteral("ü") << false << QStringLiteral("0");
        QTest::newRow("a cell of the table") << QStringLiteral("⠃") << true << QStringLiteral("1 2");
        QTest::newRow("a cell not in the table") << QStringLiteral("⠿") << false << QStringLiteral("0");
        QTest::newRow("empty") << QString() << false << QString();
        QTest::newRow("empty with spaces") << QString() << true << QString();
    }

    void convertTextToDotsString()
    {
        QFETCH(QString, text);
        QFETCH(bool, withSpace);
        QFETCH(QString, expected);

        TBrlUniChar Table;
        QVERIFY(Load(Table, QStringLiteral("BrlKlein.txt")));
        QCOMPARE(Table.ConvertTextToDotsString(text, withSpace), expected);
    }

    void convertTextToSpeakTextDotsString_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        QTest::newRow("one dot") << QStringLiteral("a") << QStringLiteral("Punkt 1");
        QTest::newRow("several dots") << QStringLiteral("h") << QStringLiteral("Punkte 1 2 5");
        QTest::newRow("two cells") << QStringLiteral("ab") << QStringLiteral("Punkt 1, und Punkte 1 2");
        QTest::newRow("two cells, one dot last") << QStringLiteral("ba") << QStringLiteral("Punkte 1 2, und Punkt 1");
        QTest::newRow("three cells") << QStringLiteral("abc") << QStringLiteral("Punkt 1, und Punkte 1 2 + 1 4");
        QTest::newRow("not in table") << QStringLiteral("?") << QStringLiteral("Punkt 0");
        QTest::newRow("empty") << QString() << QString();
    }

    void convertTextToSpeakTextDotsString()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);

        TBrlUniChar Table;
        QVERIFY(Load(Table, QStringLiteral("BrlKlein.txt")));
        QCOMPARE(Table.ConvertTextToSpeakTextDotsString(text), expected);
    }
};

QTEST_GUILESS_MAIN(tst_BrlUniChar)
#include "tst_BrlUniChar.moc"
