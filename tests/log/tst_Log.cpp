#include "log/LogC.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <thread>
#include <QtTest>

// The log: newest first, at most 50 entries on disk, written whole, and safe
// to add to from several threads.
class tst_Log : public QObject
{
    Q_OBJECT

    static QByteArray ReadAll(const QString &FileName)
    {
        QFile F(FileName);
        return F.open(QIODevice::ReadOnly) ? F.readAll() : QByteArray();
    }

private slots:
    void entryFormat()
    {
        TLog Log(nullptr, QString());
        Log.Add(QStringLiteral("Die Datendatei \"x.dat\" ist fehlerhaft!"));
        static const QRegularExpression Stamp(
            QStringLiteral("^\\d\\d-\\d\\d-\\d\\d \\d\\d:\\d\\d: Die Datendatei \"x.dat\" ist fehlerhaft!$"));
        QVERIFY2(Stamp.match(Log.Get(0)).hasMatch(), qPrintable(Log.Get(0)));
    }

    void keepsTheFiftyNewestNewestFirst()
    {
        QTemporaryDir Dir;
        const QString Name = Dir.path() + "/Log.txt";
        {
            TLog Log(nullptr, Name);
            for (int I = 1; I <= 60; ++I)
                Log.Add(QStringLiteral("Eintrag %1").arg(I));
            QVERIFY(Log.SaveFile());
        }
        TLog Again(nullptr, Name);
        QCOMPARE(Again.Count(), 50);
        QVERIFY(Again.Get(0).endsWith(QStringLiteral(": Eintrag 60")));
        QVERIFY(Again.Get(49).endsWith(QStringLiteral(": Eintrag 11")));
    }

    void multiLineMessageBecomesSeveralLines()
    {
        QTemporaryDir Dir;
        const QString Name = Dir.path() + "/Log.txt";
        {
            TLog Log(nullptr, Name);
            Log.Add(QStringLiteral("Zeile 1\r\nZeile 2"));
        } // saved when destroyed
        TLog Again(nullptr, Name);
        QCOMPARE(Again.Count(), 2);
        QCOMPARE(Again.Get(1), QStringLiteral("Zeile 2"));
    }

    void savingAnEmptyLogDeletesTheFile()
    {
        QTemporaryDir Dir;
        const QString Name = Dir.path() + "/Log.txt";
        TLog Log(nullptr, Name);
        QVERIFY(Log.SaveFile()); // no file: nothing to delete
        Log.Add(QStringLiteral("x"));
        QVERIFY(Log.SaveFile());
        QVERIFY(QFile::exists(Name));
        Log.Clear();
        QVERIFY(Log.SaveFile());
        QVERIFY(!QFile::exists(Name));
    }

    void readOnlyFileIsReplaced()
    {
        QTemporaryDir Dir;
        const QString Name = Dir.path() + "/Log.txt";
        QFile F(Name);
        QVERIFY(F.open(QIODevice::WriteOnly));
        F.write("alt\r\n");
        F.close();
        QVERIFY(F.setPermissions(QFileDevice::ReadOwner));
        TLog Log(nullptr, Name);
        Log.Add(QStringLiteral("neu"));
        QVERIFY(Log.SaveFile());
        const QString Text = QString::fromUtf8(ReadAll(Name));
        QVERIFY(Text.contains(QStringLiteral(": neu\r\nalt\r\n")));
    }

    void keepsTheEncodingItWasReadWith()
    {
        QTemporaryDir Dir;
        const QString Name = Dir.path() + "/Log.txt";
        QFile F(Name);
        QVERIFY(F.open(QIODevice::WriteOnly));
        F.write(EncodeText(QStringLiteral("älter\r\n"), TTextEncoding::Utf16LE));
        F.close();
        {
            TLog Log(nullptr, Name);
            QCOMPARE(Log.Get(0), QStringLiteral("älter"));
            Log.Add(QStringLiteral("Zelle ⠁"));
        }
        const QByteArray Bytes = ReadAll(Name);
        QVERIFY(Bytes.startsWith("\xFF\xFE"));
        TTextEncoding Read;
        QVERIFY(DecodeText(Bytes, &Read).contains(QStringLiteral(": Zelle ⠁\r\nälter\r\n")));
    }

    void ansiLogIsRewrittenWithoutLosingCharacters()
    {
        // Windows-1252 cannot hold braille cells: the log is written as UTF-8.
        QTemporaryDir Dir;
        const QString Name = Dir.path() + "/Log.txt";
        QFile F(Name);
        QVERIFY(F.open(QIODevice::WriteOnly));
        F.write("Gr\xFC\xDF" "e\r\n");
        F.close();
        {
            TLog Log(nullptr, Name);
            QCOMPARE(Log.Get(0), QStringLiteral("Grüße"));
            Log.Add(QStringLiteral("⠁⠃"));
        }
        const std::optional<QString> Text = LoadTextFile(Name);
        QVERIFY(Text && Text->endsWith(QStringLiteral(": ⠁⠃\r\nGrüße\r\n")));
    }

    void unreadableLogStartsEmptyAndIsOverwritten()
    {
        // A folder in the way cannot be read as a file (also not as root).
        QTemporaryDir Dir;
        const QString Name = Dir.path() + "/Log.txt";
        QVERIFY(QDir().mkpath(Name));
        TLog Log(nullptr, Name);
        QCOMPARE(Log.Count(), 0);
        QVERIFY(QDir(Name).removeRecursively());
        Log.Add(QStringLiteral("x"));
        QVERIFY(Log.SaveFile());
        QVERIFY(QFileInfo(Name).isFile());
    }

    void processLog()
    {
        LogAdd(QStringLiteral("no log installed: nothing happens"));
        TLog Log(nullptr, QString());
        InstallLog(&Log);
        LogAdd(QStringLiteral("a"));
        InstallLog(nullptr);
        QCOMPARE(Log.Count(), 1);
    }

    void severalThreadsAddAtOnce()
    {
        // Nothing lost, nothing torn.
        TLog Log(nullptr, QString());
        constexpr int Threads = 8;
        constexpr int PerThread = 2000;
        std::vector<std::thread> Workers;
        for (int T = 0; T < Threads; ++T)
            Workers.emplace_back([&Log, T] {
                for (int I = 0; I < PerThread; ++I)
                    Log.Add(QStringLiteral("t%1-%2").arg(T).arg(I));
            });
        for (std::thread &W : Workers)
            W.join();
        QCOMPARE(Log.Count(), Threads * PerThread);
        QSet<QString> Seen;
        static const QRegularExpression Entry(QStringLiteral("^.{14}: (t\\d-\\d+)$"));
        for (const QString &S : Log.Strings()) {
            const auto M = Entry.match(S);
            QVERIFY2(M.hasMatch(), qPrintable(S));
            Seen.insert(M.captured(1));
        }
        QCOMPARE(Seen.size(), Threads * PerThread);
    }
};

QTEST_GUILESS_MAIN(tst_Log)
#include "tst_Log.moc"
