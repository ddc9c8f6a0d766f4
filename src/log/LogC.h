#pragma once

#include "content/TextFileC.h"

#include <mutex>
#include <QObject>
#include <QString>
#include <QStringList>

// The log of the problems the program met: newest entry first, at most
// MaxEntries kept in Log.txt of the profile folder. Safe to use from several
// threads at once.
class TLog
{
public:
    static constexpr int MaxEntries = 50;

    // Reads LogPath + "Log.txt".
    explicit TLog(QObject *AHnd = nullptr);
    // Reads the given file (tests and tools); an empty name keeps the log in
    // memory only.
    TLog(QObject *AHnd, const QString &AFilename);
    // Saves the file.
    ~TLog();

    TLog(const TLog &) = delete;
    TLog &operator=(const TLog &) = delete;

    // Inserts "yy-mm-dd hh:mm: LogStr" before all other entries.
    void Add(const QString &LogStr);
    // Writes the newest MaxEntries entries, or deletes the file when the log
    // is empty. The file is replaced whole or not at all.
    bool SaveFile();

    void Clear();
    int Count() const;
    QString Get(int Index) const;
    QStringList Strings() const;
    QString Filename() const { return FFilename; }

private:
    void ReadFile();

    QObject *FMainWindowHandle;
    QString FFilename;
    mutable std::mutex FMutex;
    QStringList FList;
    TTextEncoding FEncoding = TTextEncoding::Utf8Bom;
};

// While one exists on a thread, that thread's log entries are collected in
// it instead of being added to the log: work spread over several threads
// hands them on afterwards in the order a single thread would have made them.
class TLogCollector
{
public:
    TLogCollector();
    ~TLogCollector();
    TLogCollector(const TLogCollector &) = delete;
    TLogCollector &operator=(const TLogCollector &) = delete;

    void Add(const QString &LogStr) { FEntries.append(LogStr); }
    // The entries collected so far, oldest first; the collector is then empty.
    QStringList Take() { return std::exchange(FEntries, QStringList()); }

private:
    QStringList FEntries;
    TLogCollector *FPrevious;
};

// The process-wide log, installed by its owner (the main window, a tool or a
// test); null when none is installed.
void InstallLog(TLog *ALog);
TLog *ProcessLog();
// Adds an entry to the process-wide log; does nothing without one.
void LogAdd(const QString &LogStr);
