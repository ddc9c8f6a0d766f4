#pragma once

#include <QDate>

#include <QByteArray>
#include <QDateTime>
#include <QFileInfo>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

// Identity of a content file.
struct TFileInfo {
    bool Checked = false;  // a mark; every load clears it
    QString Path;          // folder, ending in "/"
    QString Name;          // file name with extension
    QDateTime TimeStamp;   // last write time, local; invalid when unknown

    static TFileInfo Create(const QString &AFilename);
    void Clear();
    void SetData(const QString &AFilename);
    void SetData(const QString &APath, const QFileInfo &SRec);
    bool IsEmpty() const { return Name.isEmpty(); }
    void UpdateTimeStamp();
    QString GetFilename() const { return Path + Name; }
};
using TFileInfoDynArray = QList<TFileInfo>;

// What ScanFolder lists.
enum TScanKind {
    skLektionenInBereichen = 0, // lesson files of every area folder
    skDatendateien = 1,         // ".dat", ".txt"
    skLektionen = 2,            // ".lek"
    skSammellektionen = 3,      // ".sam"
    skTexte = 4,                // ".asc", ".brl", ".txt"
};

// Lists the files of a folder (not its sub-folders) by kind; kind 0 scans
// every sub-folder except the databases and collective-lessons folders of
// the current learning material with kind 2. Files come sorted by name,
// without regard to case. Nothing when Folder does not exist; ErrorString
// then holds "Der Ordner "..." existiert nicht!".
std::optional<TFileInfoDynArray> ScanFolder(int Kind, const QString &Folder, QString *ErrorString = nullptr);

// Attempts for writing a file: the settings, the log and the help pages.
constexpr int FileWriteAttempts = 101;
// Attempts for BraillePad texts and the update hand-over file.
constexpr int UserFileWriteAttempts = 100;

// Writes Data to FileName whole or not at all (a temporary file renamed over
// the old one), retrying 10 ms apart. A read-only file is made writable
// first. A write that fails on the way (a full disk) leaves the old file as
// it was; Error then says why.
bool WriteFileWhole(const QString &FileName, const QByteArray &Data, int Attempts, QString *Error = nullptr);
void MakeFileWritable(const QString &FileName);

// Where a damaged file of the learner is kept before it is replaced:
// "Fortschritt.beschädigt-2026-12-11.txt" beside "Fortschritt.txt", "-2" and
// on when that name is taken.
QString DamagedFileName(const QString &FileName, const QDate &Day);

// Runs Load(0) .. Load(N-1) on a few threads at once (the calling thread
// among them) and returns when all have run or the program started closing.
// What each call logs reaches the log afterwards in the order of the calls,
// as if they had run one after the other.
void LoadInParallel(qsizetype N, const std::function<void(qsizetype Index)> &Load);

// Resolves a relative name, written with "/" or "\" and in any letter case,
// inside Folder: each component matches an existing entry without regard to
// case. Gives the path as written (under Folder) when nothing matches.
QString ResolvePathNoCase(const QString &Folder, const QString &RelativeName);
