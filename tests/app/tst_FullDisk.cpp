#include "app/SettingsC.h"
#include "content/FilesHelperC.h"
#include "progress/FortschrittC.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

// Runs Save in a child process that may not write more than Limit bytes
// into any file, as on a full disk: a write past it fails ("File too
// large") as one on a full file system fails ("No space left on device").
// Gives the child's answer: 1 saved, 0 not saved, -1 the child failed.
int SaveWithLimit(const std::function<bool()> &Save, rlim_t Limit)
{
    const pid_t Pid = fork();
    if (Pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit L{Limit, Limit};
        if (setrlimit(RLIMIT_FSIZE, &L) != 0)
            _exit(3);
        _exit(Save() ? 1 : 0);
    }
    int Status = 0;
    if (Pid < 0 || waitpid(Pid, &Status, 0) != Pid || !WIFEXITED(Status) || WEXITSTATUS(Status) > 1)
        return -1;
    return WEXITSTATUS(Status);
}

QByteArray Read(const QString &File)
{
    QFile F(File);
    return F.open(QIODevice::ReadOnly) ? F.readAll() : QByteArray("<fehlt>");
}

} // namespace

// A save on a full disk fails, says so, and leaves the files as they were:
// the settings with the score, the progress record and its kept copy.
class tst_FullDisk : public QObject
{
    Q_OBJECT

    QTemporaryDir FDir;

private slots:
    void wholeFileKeepsTheOld()
    {
        const QString File = FDir.filePath(QStringLiteral("text.txt"));
        const QByteArray Old(300, 'a');
        QVERIFY(WriteFileWhole(File, Old, 1));
        const QByteArray New(100000, 'b');
        QCOMPARE(SaveWithLimit([&] { return WriteFileWhole(File, New, 3); }, 4096), 0);
        QCOMPARE(Read(File), Old);
        // No temporary file is left behind.
        QCOMPARE(QDir(FDir.path()).entryList(QDir::Files), QStringList{QStringLiteral("text.txt")});
        // With room, the same save succeeds.
        QCOMPARE(SaveWithLimit([&] { return WriteFileWhole(File, New, 1); }, RLIM_INFINITY), 1);
        QCOMPARE(Read(File), New);
    }

    void settingsKeepTheScore()
    {
        const QString File = FDir.filePath(QStringLiteral("Tastwerk.ini"));
        HighScore = 4711;
        QVERIFY(SaveSettingsFile(File));
        const QByteArray Old = Read(File);
        QVERIFY(Old.contains("HighScore=4711"));
        HighScore = 4800;
        QCOMPARE(SaveWithLimit([&] { return SaveSettingsFile(File); }, 64), 0);
        QCOMPARE(Read(File), Old);
    }

    void progressAndItsCopyKept()
    {
        const QString File = FDir.filePath(QStringLiteral("Fortschritt.txt"));
        const QDateTime When(QDate(2026, 12, 10), QTime(10, 0));
        {
            TFortschritt F;
            QVERIFY(F.LoadFile(File));
            F.RecordLesson(QStringLiteral("Basisschrift"), QStringLiteral("01"), QStringLiteral("Lektion 1"), When, 10,
                           5, 1, 60);
            QVERIFY(F.SaveFile());
            F.RecordLesson(QStringLiteral("Basisschrift"), QStringLiteral("01"), QStringLiteral("Lektion 2"), When, 12,
                           6, 0, 50);
            QVERIFY(F.SaveFile()); // now with a kept copy
        }
        const QString Bak = TFortschritt::BackupFileName(File);
        const QByteArray Main = Read(File), Copy = Read(Bak);
        QVERIFY(Main.contains("Lektion 2") && Copy.contains("Lektion 1"));

        TFortschritt F;
        QVERIFY(F.LoadFile(File));
        for (int I = 3; I < 60; ++I)
            F.RecordLesson(QStringLiteral("Basisschrift"), QStringLiteral("01"), QStringLiteral("Lektion %1").arg(I),
                           When, I, I, 0, 50);
        QCOMPARE(SaveWithLimit([&] { return F.SaveFile(); }, qMin(Main.size(), Copy.size()) - 1), 0);
        QCOMPARE(Read(File), Main);
        QCOMPARE(Read(Bak), Copy);
    }
};

QTEST_GUILESS_MAIN(tst_FullDisk)
#include "tst_FullDisk.moc"
