#include "log/LogC.h"

#include "content/FilesHelperC.h"
#include "content/PathsC.h"

#include <QDateTime>
#include <QFile>
#include <atomic>

namespace {
std::atomic<TLog *> TheLog{nullptr};
thread_local TLogCollector *Collector = nullptr;
} // namespace

TLogCollector::TLogCollector()
    : FPrevious(Collector)
{
    Collector = this;
}

TLogCollector::~TLogCollector()
{
    Collector = FPrevious;
}

void InstallLog(TLog *ALog) { TheLog.store(ALog); }
TLog *ProcessLog() { return TheLog.load(); }

void LogAdd(const QString &LogStr)
{
    if (Collector)
        Collector->Add(LogStr);
    else if (TLog *L = TheLog.load())
        L->Add(LogStr);
}

TLog::TLog(QObject *AHnd)
    : TLog(AHnd, LogPath + QStringLiteral("Log.txt"))
{
}

TLog::TLog(QObject *AHnd, const QString &AFilename)
    : FMainWindowHandle(AHnd)
    , FFilename(AFilename)
{
    ReadFile();
}

TLog::~TLog()
{
    SaveFile();
    TLog *Self = this;
    TheLog.compare_exchange_strong(Self, nullptr);
}

void TLog::ReadFile()
{
    std::lock_guard Lock(FMutex);
    FList.clear();
    QFile F(FFilename);
    if (!F.exists() || !F.open(QIODevice::ReadOnly))
        return;
    TTextEncoding Encoding = TTextEncoding::Utf8Bom;
    const QString Text = DecodeText(F.readAll(), &Encoding);
    if (F.error() != QFileDevice::NoError)
        return;
    FList = SplitLines(Text);
    FEncoding = Encoding;
}

void TLog::Add(const QString &LogStr)
{
    // The clock is read under the lock too: the C library's time-zone set-up
    // behind it is not meant for several threads at once.
    std::lock_guard Lock(FMutex);
    const QString Stamp = QDateTime::currentDateTime().toString(QStringLiteral("yy-MM-dd hh:mm"));
    FList.prepend(QStringLiteral("%1: %2").arg(Stamp, LogStr));
}

bool TLog::SaveFile()
{
    if (FFilename.isEmpty())
        return false; // a log kept in memory only
    QStringList Entries;
    TTextEncoding Encoding;
    {
        std::lock_guard Lock(FMutex);
        while (FList.size() > MaxEntries)
            FList.removeLast();
        Entries = FList;
        Encoding = FEncoding;
    }
    if (Entries.isEmpty()) {
        if (!QFile::exists(FFilename))
            return true;
        MakeFileWritable(FFilename);
        return QFile::remove(FFilename);
    }
    return WriteFileWhole(FFilename, EncodeText(JoinLines(Entries), Encoding), FileWriteAttempts);
}

void TLog::Clear()
{
    std::lock_guard Lock(FMutex);
    FList.clear();
}

int TLog::Count() const
{
    std::lock_guard Lock(FMutex);
    return int(FList.size());
}

QString TLog::Get(int Index) const
{
    std::lock_guard Lock(FMutex);
    return Index >= 0 && Index < FList.size() ? FList.at(Index) : QString();
}

QStringList TLog::Strings() const
{
    std::lock_guard Lock(FMutex);
    return FList;
}
