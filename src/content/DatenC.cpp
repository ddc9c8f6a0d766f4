#include "content/DatenC.h"

#include "content/GlobalsC.h"
#include "content/PathsC.h"
#include "content/TextFileC.h"
#include "log/LogC.h"

#include <QFileInfo>
#include <algorithm>

namespace {

// The file-name part of a name written with "/" or "\".
QString FileNamePart(const QString &AName)
{
    const qsizetype Slash = qMax(AName.lastIndexOf(u'/'), AName.lastIndexOf(u'\\'));
    return Slash >= 0 ? AName.mid(Slash + 1) : AName;
}

} // namespace

TDatendatei::TDatendatei() = default;

TDatendatei::TDatendatei(QObject *AHnd, const TFileInfo &AFileInfo)
    : FMainWindowHandle(AHnd)
{
    Clear();
    if (!AFileInfo.Name.isEmpty())
        LoadFile(AFileInfo);
}

void TDatendatei::Clear()
{
    FBeschreibung.clear();
    FChanged = false;
    FChecked = false;
    FCount = 0;
    FFileInfo.Clear();
    FList.clear();
    FTitel.clear();
    FTyp = dtNone;
    LastErrorString.clear();
}

bool TDatendatei::LoadFile(const TFileInfo &AFileInfo)
{
    if (IsProgramClosing)
        return false;
    const QString FileName = AFileInfo.GetFilename();
    auto Fail = [this](const QString &Message) {
        LastErrorString = Message;
        LogAdd(LastErrorString);
        return false;
    };
    QString Error;
    const std::optional<QString> Text = ReadContentFile(FileName, u"Datendatei", Error);
    if (!Text)
        return Fail(Error);

    // The reader ends every line, the last included, with CR LF.
    const QStringView All(*Text);
    const qsizetype LineCount = CountChar(All, u'\n');
    if (LineCount <= 4 || !All.startsWith(QStringView(u"[HEADER]\r\n")))
        return Fail(QStringLiteral("Die Datendatei \"%1\" ist fehlerhaft!").arg(FileName));

    Clear();
    FFileInfo = AFileInfo;
    FFileInfo.Checked = false;
    FList.reserve(LineCount);

    bool InData = false;
    qsizetype Start = FindChar(All, u'\n') + 1; // line 2
    while (Start < All.size()) {
        if (IsProgramClosing)
            return false;
        const qsizetype End = FindChar(All, u'\n', Start); // every line ends in CR LF
        const QStringView Line = TrimCtl(All.mid(Start, End - 1 - Start));
        Start = End + 1;
        if (Line.isEmpty())
            continue;
        if (InData) {
            FList.emplaceBack().SetData(Line);
            continue;
        }
        if (Line == QStringView(u"[DATA]")) {
            InData = true;
        } else if (Line.startsWith(QStringView(u"Titel="))) {
            FTitel = TrimCtl(Line.mid(6)).toString();
        } else if (Line.startsWith(QStringView(u"Typ="))) {
            FTyp = ConvertStrToDatendateiTyp(Line.mid(4).toString());
        } else if (Line.startsWith(QStringView(u"Beschreibung="))) {
            FBeschreibung = ConvertLineBreaks(TrimCtl(Line.mid(13)).toString());
        }
    }
    if (FList.capacity() - FList.size() > FList.size() / 8)
        FList.squeeze();
    FCount = int(FList.size());

    if (FTyp == dtNone)
        return Fail(QStringLiteral("Der Typ der Datendatei \"%1\" ist unbekannt!").arg(FileName));
    if (FTitel.isEmpty())
        FTitel = QStringLiteral("-");
    return true;
}

TDatensatz TDatendatei::Get(int Index) const
{
    if (Index < 0 || Index >= FCount)
        return TDatensatz();
    return FList.at(Index);
}

void TDatendatei::Put(int Index, const TDatensatz &Value)
{
    if (Index >= 0 && Index < FCount)
        FList[Index] = Value;
}

void TDatendatei::Add(const TDatensatz &ADatensatz, bool IsNew)
{
    // Callers that reserved room pass IsNew false; a list keeps its own room.
    Q_UNUSED(IsNew);
    FList.append(ADatensatz);
    FCount = int(FList.size());
}

void TDatendatei::Add(const QString &ABrl, const QString &AText, const QString &AZusatztext)
{
    Add(TDatensatz::Create(ABrl, AText, AZusatztext));
}

void TDatendatei::Add(const QString &S)
{
    for (const QString &Line : SplitLines(S)) {
        TDatensatz D;
        D.SetData(Line);
        Add(D);
    }
}

QString TDatendatei::ConvertDatendateiTypToStr(TDatendateiTyp ATyp)
{
    return DatendateiTypKey(ATyp);
}

TDatendateiTyp TDatendatei::ConvertStrToDatendateiTyp(const QString &S)
{
    // The keys are fixed, so a missing type-list file (logged on its own)
    // does not make every data file unusable.
    return DatendateiTypFromKey(S);
}

TDaten::TDaten(QObject *AHnd)
    : FMainWindowHandle(AHnd)
{
}

TDaten::~TDaten() = default;

void TDaten::Clear()
{
    LastErrorString.clear();
    FList.clear();
    FByName.clear();
}

void TDaten::RebuildIndex()
{
    FByName.clear();
    for (const auto &D : FList)
        FByName[D->FileInfo().Name.toCaseFolded()].append(D.get());
}

const QList<TDatendatei *> *TDaten::FilesNamed(const QString &AName) const
{
    const auto It = FByName.constFind(AName.toCaseFolded());
    return It == FByName.cend() ? nullptr : &It.value();
}

TDatendatei *TDaten::Get(int Index) const
{
    return Index >= 0 && Index < Count() ? FList[size_t(Index)].get() : nullptr;
}

void TDaten::Put(int Index, TDatendatei *Value)
{
    if (Index >= 0 && Index < Count())
        FList[size_t(Index)].reset(Value);
    RebuildIndex();
}

bool TDaten::LoadFiles(const QString &APath)
{
    FPath = IncludeTrailingPathDelimiter(APath.isEmpty() ? DatenbankenPath : APath);
    const std::optional<TFileInfoDynArray> Files = ScanFolder(skDatendateien, FPath);
    if (!Files) {
        LastErrorString = QStringLiteral("Datenbanken konnten nicht vom Ordner \"%1\" geladen werden!").arg(FPath);
        LogAdd(LastErrorString);
        return false;
    }
    LastErrorString.clear();
    FList.clear();
    FByName.clear();
    if (Files->isEmpty())
        return false;
    std::vector<std::unique_ptr<TDatendatei>> Loaded(static_cast<size_t>(Files->size()));
    LoadInParallel(Files->size(), [&](qsizetype I) {
        Loaded[size_t(I)] = std::make_unique<TDatendatei>(FMainWindowHandle, Files->at(I));
    });
    FList.reserve(Loaded.size());
    for (auto &D : Loaded)
        if (D)
            FList.push_back(std::move(D));
    if (IsProgramClosing)
        return false;
    Sort();
    return true;
}

void TDaten::Sort()
{
    if (!IsProgramClosing && FList.size() >= 2)
        std::stable_sort(FList.begin(), FList.end(),
                         [](const auto &A, const auto &B) { return TitelOrderLess(*A, *B); });
    RebuildIndex();
}

TDatendatei *TDaten::FindDatendatei(const QString &AName) const
{
    const QString Name = FileNamePart(AName);
    if (Name.isEmpty() || IsProgramClosing)
        return nullptr;
    const QList<TDatendatei *> *Named = FilesNamed(Name);
    return Named ? Named->first() : nullptr;
}

TDatendateiDynArray TDaten::FindDatenWithTypSet(TDatendateiTypSet DatendateiTypSet, bool SortOn) const
{
    TDatendateiDynArray Result;
    if (DatendateiTypSet.IsEmpty())
        return Result;
    for (const auto &D : FList) {
        if (IsProgramClosing)
            return Result;
        if (DatendateiTypSet.Contains(D->Typ()))
            Result.append(D.get());
    }
    if (SortOn && Result.size() > 1)
        std::stable_sort(Result.begin(), Result.end(),
                         [](const TDatendatei *A, const TDatendatei *B) { return TitelOrderLess(*A, *B); });
    return Result;
}

void TDaten::ForEachDatensatz(const QStringList &FilesList, TDatendateiTypSet DatendateiTypSet,
                              const std::function<void(const TDatensatz &)> &Fn)
{
    if (IsProgramClosing || FilesList.isEmpty() || DatendateiTypSet.IsEmpty())
        return;
    for (const QString &Name : FilesList) {
        if (IsProgramClosing)
            return;
        const TDatendatei *Found = nullptr;
        if (const QList<TDatendatei *> *Named = FilesNamed(Name))
            for (const TDatendatei *D : *Named)
                if (DatendateiTypSet.Contains(D->Typ())) {
                    Found = D;
                    break;
                }
        if (!Found) {
            SetLastError(
                QStringLiteral("Die Datendatei \"%1\" konnte nicht in der Datenbank gefunden werden!").arg(Name));
            continue;
        }
        for (const TDatensatz &D : Found->List())
            Fn(D);
    }
}

TDatensatzDynArray TDaten::FusioniereDatendateien(const QStringList &FilesList, TDatendateiTypSet DatendateiTypSet)
{
    TDatensatzDynArray Result;
    ForEachDatensatz(FilesList, DatendateiTypSet, [&Result](const TDatensatz &D) { Result.append(D); });
    return Result;
}

void TDaten::SetLastError(const QString &Message)
{
    {
        std::lock_guard Lock(FErrorMutex);
        LastErrorString = Message;
    }
    LogAdd(Message);
}

TDatensatzDynArray TDaten::FusioniereDatendateien(const QString &FilenamesString, TDatendateiTypSet DatendateiTypSet)
{
    // No names at all is not a missing file.
    if (FilenamesString.isEmpty())
        return TDatensatzDynArray();
    QStringList Names;
    if (!FilenamesString.contains(TDatensatz::Separator)) {
        Names.append(FilenamesString);
    } else {
        for (const QString &Part : FilenamesString.split(TDatensatz::Separator)) {
            const QString Name = TrimCtl(Part);
            if (!Name.isEmpty())
                Names.append(Name);
        }
    }
    return FusioniereDatendateien(Names, DatendateiTypSet);
}
