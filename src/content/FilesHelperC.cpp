#include "content/FilesHelperC.h"

#include "content/PathsC.h"
#include "content/TextFileC.h"

#include "content/GlobalsC.h"
#include "log/LogC.h"

#include <QDir>
#include <QSaveFile>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

TFileInfo TFileInfo::Create(const QString &AFilename)
{
    TFileInfo Info;
    Info.SetData(AFilename);
    return Info;
}

void TFileInfo::Clear()
{
    *this = TFileInfo();
}

void TFileInfo::SetData(const QString &AFilename)
{
    const QString Name = AFilename;
    const qsizetype Slash = Name.lastIndexOf(u'/');
    Checked = false;
    Path = Slash >= 0 ? Name.left(Slash + 1) : QString();
    this->Name = Slash >= 0 ? Name.mid(Slash + 1) : Name;
    UpdateTimeStamp();
}

void TFileInfo::SetData(const QString &APath, const QFileInfo &SRec)
{
    Checked = false;
    Path = APath;
    Name = SRec.fileName();
    TimeStamp = SRec.lastModified();
}

void TFileInfo::UpdateTimeStamp()
{
    const QFileInfo Info(GetFilename());
    TimeStamp = Info.exists() ? Info.lastModified() : QDateTime();
}

namespace {

bool HasExtension(const QString &Name, std::initializer_list<const char16_t *> Extensions)
{
    const qsizetype Dot = Name.lastIndexOf(u'.');
    if (Dot < 0)
        return false;
    const QString Ext = Name.mid(Dot).toLower();
    for (const char16_t *E : Extensions)
        if (Ext == QStringView(E))
            return true;
    return false;
}

bool KindMatches(int Kind, const QString &Name)
{
    switch (Kind) {
    case skDatendateien:
        return HasExtension(Name, {u".dat", u".txt"});
    case skLektionen:
        return HasExtension(Name, {u".lek"});
    case skSammellektionen:
        return HasExtension(Name, {u".sam"});
    case skTexte:
        return HasExtension(Name, {u".asc", u".brl", u".txt"});
    default:
        return false;
    }
}

QFileInfoList SortedEntries(const QString &Folder, QDir::Filters Filters)
{
    QDir Dir(Folder);
    QFileInfoList Entries = Dir.entryInfoList(Filters | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                              QDir::Unsorted);
    // The order a learner sees: by name, without regard to case.
    std::stable_sort(Entries.begin(), Entries.end(), [](const QFileInfo &A, const QFileInfo &B) {
        const int C = A.fileName().compare(B.fileName(), Qt::CaseInsensitive);
        return C != 0 ? C < 0 : A.fileName() < B.fileName();
    });
    return Entries;
}

} // namespace

std::optional<TFileInfoDynArray> ScanFolder(int Kind, const QString &Folder, QString *ErrorString)
{
    const QString Path = IncludeTrailingPathDelimiter(Folder);
    if (!QFileInfo(Path).isDir()) {
        if (ErrorString)
            *ErrorString = QStringLiteral("Der Ordner \"%1\" existiert nicht!").arg(Path);
        return std::nullopt;
    }
    TFileInfoDynArray Result;
    if (Kind == skLektionenInBereichen) {
        for (const QFileInfo &Sub : SortedEntries(Path, QDir::Dirs)) {
            const QString SubPath = Path + Sub.fileName() + u'/';
            if (SameText(SubPath, DatenbankenPath) || SameText(SubPath, SammellektionenPath))
                continue;
            if (const auto Files = ScanFolder(skLektionen, SubPath))
                Result += *Files;
        }
        return Result;
    }
    for (const QFileInfo &Entry : SortedEntries(Path, QDir::Files)) {
        if (!KindMatches(Kind, Entry.fileName()))
            continue;
        // A named pipe, a socket or a device: opening it could wait for good.
        if (!Entry.isFile()) {
            LogAdd(QStringLiteral("\"%1\" ist keine gewöhnliche Datei und wird übersprungen.").arg(Entry.filePath()));
            continue;
        }
        TFileInfo Info;
        Info.SetData(Path, Entry);
        Result.append(Info);
    }
    return Result;
}

void LoadInParallel(qsizetype N, const std::function<void(qsizetype Index)> &Load)
{
    std::vector<QStringList> Messages(static_cast<size_t>(N));
    std::atomic<qsizetype> Next{0};
    auto Work = [&] {
        TLogCollector Collect;
        for (qsizetype I = Next++; I < N && !IsProgramClosing; I = Next++) {
            Load(I);
            Messages[size_t(I)] = Collect.Take();
        }
    };
    // Small folders are not worth the threads.
    const int Helpers = N >= 16 ? qBound(0, QThread::idealThreadCount() - 1, 3) : 0;
    std::vector<std::thread> Threads;
    for (int T = 0; T < Helpers; ++T)
        Threads.emplace_back(Work);
    Work();
    for (std::thread &T : Threads)
        T.join();
    for (const QStringList &M : Messages)
        for (const QString &Entry : M)
            LogAdd(Entry);
}

void MakeFileWritable(const QString &FileName)
{
    QFile F(FileName);
    if (F.exists())
        F.setPermissions(F.permissions() | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
}

bool WriteFileWhole(const QString &FileName, const QByteArray &Data, int Attempts, QString *Error)
{
    MakeFileWritable(FileName);
    QString Why;
    for (int Attempt = 1; Attempt <= Attempts; ++Attempt) {
        QSaveFile F(FileName);
        // Every byte must be in the temporary file before it replaces the
        // old one: the rename also follows a write that failed in the
        // buffer ("No space left on device") and would leave an empty file.
        if (F.open(QIODevice::WriteOnly) && F.write(Data) == Data.size() && F.flush() &&
            F.error() == QFileDevice::NoError && F.commit())
            return true;
        Why = F.errorString();
        if (F.isOpen())
            F.cancelWriting();
        if (Attempt < Attempts)
            QThread::msleep(10);
    }
    if (Error)
        *Error = Why;
    return false;
}

QString DamagedFileName(const QString &FileName, const QDate &Day)
{
    const QFileInfo Info(FileName);
    const QString Stem = Info.completeBaseName() + QStringLiteral(".beschädigt-") + Day.toString(Qt::ISODate);
    const QString Suffix = Info.suffix().isEmpty() ? QString() : u'.' + Info.suffix();
    QString Name = Info.dir().filePath(Stem + Suffix);
    for (int N = 2; QFileInfo::exists(Name); ++N)
        Name = Info.dir().filePath(Stem + QStringLiteral("-%1").arg(N) + Suffix);
    return Name;
}

QString ResolvePathNoCase(const QString &Folder, const QString &RelativeName)
{
    QString Rel = RelativeName;
    Rel.replace(u'\\', u'/');
    QString Current = IncludeTrailingPathDelimiter(Folder);
    const QStringList Parts = Rel.split(u'/', Qt::SkipEmptyParts);
    for (qsizetype I = 0; I < Parts.size(); ++I) {
        const QString &Part = Parts[I];
        QString Found;
        if (QFileInfo::exists(Current + Part)) {
            Found = Part;
        } else {
            const QStringList Names = QDir(Current).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                              | QDir::NoDotAndDotDot);
            for (const QString &N : Names)
                if (SameText(N, Part)) {
                    Found = N;
                    break;
                }
        }
        if (Found.isEmpty())
            Found = Part;
        Current += Found;
        if (I + 1 < Parts.size())
            Current += u'/';
    }
    return Current;
}
