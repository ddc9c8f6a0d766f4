#pragma once

// What every harness shares: one temporary folder per process, writing an
// input where a reader wants a file name, splitting one input into several
// files, and a check that stops the run with a message.

#include "content/PathsC.h"
#include "log/LogC.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace Fuzz
{

// Removed when the process ends normally; a crash leaves it for a look.
inline QTemporaryDir &TempDirObject()
{
    static QTemporaryDir Dir(QDir::tempPath() + QStringLiteral("/tastwerk-fuzz-XXXXXX"));
    return Dir;
}

// The process's folder, ending in "/".
inline QString TempDir()
{
    QTemporaryDir &Dir = TempDirObject();
    if (!Dir.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        std::abort();
    }
    return Dir.path() + u'/';
}

// Writes Data to the file, replacing it; the folder is made when missing.
inline QString WriteFile(const QString &FileName, const QByteArray &Data)
{
    QDir().mkpath(FileName.left(FileName.lastIndexOf(u'/')));
    QFile F(FileName);
    if (!F.open(QIODevice::WriteOnly | QIODevice::Truncate) || F.write(Data) != Data.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(FileName));
        std::abort();
    }
    return FileName;
}

inline QByteArray Bytes(const uint8_t *Data, size_t Size)
{
    return QByteArray(reinterpret_cast<const char *>(Data), qsizetype(Size));
}

// Splits an input into at most MaxParts parts at lines "#####" (so that
// seeds stay readable and the fuzzer learns the separator quickly).
inline QList<QByteArray> SplitParts(const QByteArray &Input, int MaxParts)
{
    static const QByteArray Separator("\n#####\n");
    QList<QByteArray> Parts;
    qsizetype Start = 0;
    while (Parts.size() + 1 < MaxParts) {
        const qsizetype At = Input.indexOf(Separator, Start);
        if (At < 0)
            break;
        Parts.append(Input.mid(Start, At - Start));
        Start = At + Separator.size();
    }
    Parts.append(Input.mid(Start));
    return Parts;
}

// A broken invariant: reported like a crash so that the fuzzer keeps the
// input.
[[noreturn]] inline void Fail(const char *What, const QString &Detail = QString())
{
    std::fprintf(stderr, "invariant broken: %s\n%s\n", What, qPrintable(Detail));
    std::fflush(stderr);
    std::abort();
}

#define FUZZ_CHECK(Cond, Detail)                                                                                       \
    do {                                                                                                               \
        if (!(Cond))                                                                                                   \
            ::Fuzz::Fail(#Cond, Detail);                                                                               \
    } while (0)

// A Qt application object (some readers post events) and a log kept in
// memory, so that every message a reader gives is made and stored as in the
// program. Call once from LLVMFuzzerInitialize.
inline void InitProcess(int *Argc, char ***Argv)
{
    static QCoreApplication App(*Argc, *Argv);
    static TLog Log(nullptr, QString());
    InstallLog(&Log);
    TempDir();
}

// Forgets what the last input logged: the log in memory would otherwise
// grow with every run.
inline void ClearLog()
{
    if (TLog *L = ProcessLog())
        L->Clear();
}

// The program folder of the test data and of the shipped tree.
inline QString TestData()
{
    return QStringLiteral(FUZZ_TEST_DATA "/");
}
inline QString Share()
{
    return QStringLiteral(FUZZ_SHARE "/");
}

// Copies a folder tree (small fixtures only).
inline void CopyTree(const QString &From, const QString &To)
{
    QDir().mkpath(To);
    const QDir Source(From);
    for (const QString &Name : Source.entryList(QDir::Files))
        QFile::copy(Source.filePath(Name), To + u'/' + Name);
    for (const QString &Name : Source.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        CopyTree(Source.filePath(Name), To + u'/' + Name);
}

} // namespace Fuzz
