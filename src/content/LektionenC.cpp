#include "content/LektionenC.h"

#include "content/DatenC.h"
#include "content/GlobalsC.h"
#include "content/MessagesC.h"
#include "content/PathsC.h"
#include "content/TextFileC.h"
#include "log/LogC.h"

#include <QFileInfo>
#include <QThread>
#include <algorithm>

namespace {

// The highest score a lesson can be worth.
constexpr int MaxScore = 127;

// The section a line "[...]" opens: a task type from AT_Text to at4K, or
// atNone for any other line.
TAufgabenTyp SectionOf(QStringView Line)
{
    if (Line.size() < 3 || Line.front() != u'[' || Line.back() != u']')
        return atNone;
    const QStringView Name = Line.mid(1, Line.size() - 2);
    for (int T = atText; T < AufgabenTypCount; ++T)
        if (Name == SectionName(TAufgabenTyp(T)))
            return TAufgabenTyp(T);
    return atNone;
}

QString ValueAfter(const QString &Line, qsizetype KeyLength)
{
    return TrimCtl(Line.mid(KeyLength));
}

} // namespace

void SortLektionen(TLektionendateiDynArray &List)
{
    if (List.size() > 1)
        std::stable_sort(List.begin(), List.end(),
                         [](const TLektionendatei *A, const TLektionendatei *B) { return TitelOrderLess(*A, *B); });
}

// --- TLektionendatei ---------------------------------------------------------

TLektionendatei::TLektionendatei(QObject *AHnd, const TFileInfo &AFileInfo, TDaten *ADaten, TWorkQueue *APool)
    : FLektionenWindowHandle(AHnd)
    , FDaten(ADaten)
    , FPool(APool)
{
    Clear();
    if (!AFileInfo.Name.isEmpty())
        LoadFile(AFileInfo);
}

TLektionendatei::~TLektionendatei()
{
    WaitForLists();
}

void TLektionendatei::WaitForLists() const
{
    if (FCreatingLists.load())
        WaitHandlingEvents([this] { return !FCreatingLists.load(); });
}

void TLektionendatei::Clear()
{
    WaitForLists();
    FChanged = false;
    FChecked = false;
    FFileInfo.Clear();
    FTitel.clear();
    FTyp = atNone;
    FBeschreibung.clear();
    FBrailleKeyboard = false;
    FSapiSpeechEnabled = false;
    FSounds = false;
    FScore = 0;
    FSettings.SetStandard();
    FHinweise.clear();
    LastErrorString.clear();
}

QString TLektionendatei::ConvertAufgabenTypToStr(TAufgabenTyp ATyp)
{
    return AufgabenTypKey(ATyp);
}

TAufgabenTyp TLektionendatei::ConvertStrToAufgabenTyp(const QString &S)
{
    // The keys are fixed, so a missing type-list file (logged on its own)
    // does not make every lesson unusable.
    return AufgabenTypFromKey(S);
}

QString TLektionendatei::GetToSammellektionPath() const
{
    const QString Name = FFileInfo.GetFilename();
    if (StartsWithText(Name, LernmaterialPath))
        return Name.mid(LernmaterialPath.size());
    return Name;
}

bool TLektionendatei::LoadFile(const TFileInfo &AFileInfo)
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
    const std::optional<QString> Text = ReadContentFile(FileName, u"Lektionendatei", Error);
    if (!Text)
        return Fail(Error);
    const QStringList Lines = SplitLines(*Text);
    if (Lines.size() <= 3 || Lines.first() != u"[HEADER]")
        return Fail(QStringLiteral("Die Lektionendatei \"%1\" ist fehlerhaft!").arg(FileName));

    Clear();
    FFileInfo = AFileInfo;
    FFileInfo.Checked = false;

    enum { psHeader, psSettings, psSection, psNoSection } State = psHeader;
    TAufgabenTyp Section = atNone;
    for (qsizetype I = 1; I < Lines.size(); ++I) {
        if (IsProgramClosing)
            return false;
        const QString Line = TrimCtl(Lines[I]);
        if (Line.isEmpty() || Line.startsWith(u';'))
            continue;
        const qsizetype NotesBefore = FHinweise.size();
        switch (State) {
        case psHeader:
            if (Line == u"[SETTINGS]")
                State = psSettings;
            else if (SectionOf(Line) != atNone)
                FHinweise.append(QStringLiteral("der Abschnitt %1 steht vor [SETTINGS] und wird nicht gelesen").arg(Line));
            else if (Line.startsWith(u"Titel="))
                FTitel = ValueAfter(Line, 6);
            else if (Line.startsWith(u"Typ="))
                FTyp = ConvertStrToAufgabenTyp(ValueAfter(Line, 4));
            else if (Line.startsWith(u"Beschreibung="))
                FBeschreibung = ConvertLineBreaks(ValueAfter(Line, 13));
            break;
        case psSettings:
            if (const TAufgabenTyp T = SectionOf(Line); T != atNone) {
                Section = T;
                State = psSection;
            } else if (Line.startsWith(u"BrailleKeyboard=")) {
                FBrailleKeyboard = ValueAfter(Line, 16) == u"1";
            } else if (Line.startsWith(u"SapiSpeech=")) {
                FSapiSpeechEnabled = ValueAfter(Line, 11) == u"1";
            } else if (Line.startsWith(u"Sounds=")) {
                FSounds = ValueAfter(Line, 7) == u"1";
            } else if (Line.startsWith(u"Punkte=")) {
                const QString Value = TrimCtl(Line.mid(7, 3));
                bool Ok = false;
                const int Score = Value.toInt(&Ok, 10);
                // Points are 0 to 127; more is not wrapped around but capped.
                FScore = Ok ? qBound(0, Score, MaxScore) : 0;
                if (Ok && FScore != Score)
                    FHinweise.append(QStringLiteral("\"%1\" liegt außerhalb von 0 bis %2, es gilt %3")
                                         .arg(Line, QString::number(MaxScore), QString::number(FScore)));
                else if (!Ok && !Value.isEmpty())
                    FHinweise.append(QStringLiteral("\"%1\" ist keine Zahl, es gilt 0").arg(Line));
                else if (Ok && Value != ValueAfter(Line, 7))
                    FHinweise.append(QStringLiteral("\"%1\" wird nur als \"%2\" gelesen, es gilt %3")
                                         .arg(Line, Value, QString::number(FScore)));
            }
            break;
        case psSection:
            if (Line.startsWith(u'[')) {
                Section = SectionOf(Line);
                if (Section == atNone)
                    State = psNoSection;
            } else {
                // Records log unknown lines themselves; catalogue types have
                // no record and ignore their lines.
                if (!FSettings.SetData(Section, Line, &FHinweise) && Section <= atLueckentext)
                    FHinweise.append(QStringLiteral("unbekannter Eintrag \"%1\"").arg(Line));
            }
            break;
        case psNoSection:
            if (Line == u"[HEADER]")
                State = psHeader;
            else
                FHinweise.append(QStringLiteral("\"%1\" steht nach einem unbekannten Abschnitt und wird nicht gelesen")
                                     .arg(Line));
            break;
        }
        // Remarks name the line they are about.
        for (qsizetype N = NotesBefore; N < FHinweise.size(); ++N)
            FHinweise[N] = QStringLiteral("Zeile %1: %2").arg(I + 1).arg(FHinweise[N]);
    }
    if (FTitel.isEmpty())
        FTitel = QStringLiteral("-");
    if (FTyp == atNone)
        return Fail(QStringLiteral("Der Typ der Lektionendatei \"%1\" ist unbekannt!").arg(FileName));
    StartCreateListsThread();
    return true;
}

void TLektionendatei::StartCreateListsThread()
{
    if (FTyp == atNone || FTyp == atText || IsProgramClosing)
        return;
    // Counted when queued, not when started, so that the count cannot reach
    // 0 while lists still wait to be built.
    FCreatingLists = true;
    CountListWork(FLektionenWindowHandle, 1);
    if (FPool)
        FPool->Start([this] { CreateListsThread(); });
    else
        CreateListsThread();
}

void TLektionendatei::CreateListsThread()
{
    if (!IsProgramClosing && FDaten)
        FSettings.CreateLists(FTyp, *FDaten);
    // The flag first: whoever hears that the count reached 0 must find
    // every lesson's lists finished. Once it is clear this lesson may go,
    // so nothing of it is touched afterwards.
    QObject *Handle = FLektionenWindowHandle;
    FCreatingLists = false;
    CountListWork(Handle, -1);
}

void TLektionendatei::CountListWork(QObject *Handle, int Delta)
{
    if (auto *Counter = dynamic_cast<TLektionenCounter *>(Handle))
        Counter->Count(Delta);
    else
        SendMessage(Handle, WM_USER_LEKTIONEN, 0, Delta);
}

// --- TLektionenCounter -------------------------------------------------------

TLektionenCounter::TLektionenCounter(QObject *AMainWindowHandle, std::atomic<int> &ACounter)
    : FMainWindowHandle(AMainWindowHandle)
    , FCounter(ACounter)
{
}

bool TLektionenCounter::event(QEvent *E)
{
    if (E->type() != QEvent::Type(WM_USER_LEKTIONEN))
        return QObject::event(E);
    auto *M = static_cast<TMessageEvent *>(E);
    M->Result = Count(int(M->LParam));
    return true;
}

int TLektionenCounter::Count(int Delta)
{
    if (IsProgramClosing)
        return 0;
    // The collection's loader holds one count while it creates lessons, so
    // the count reaches 0 once, after the last lesson's lists.
    const int Now = FCounter.fetch_add(Delta) + Delta;
    if (Now == 0)
        SendMessage(FMainWindowHandle, WM_USER_STATUS, WM_USER_LEKTIONEN, 0);
    else if (Delta == 1 && Now == 1)
        SendMessage(FMainWindowHandle, WM_USER_STATUS, WM_USER_LEKTIONEN, 1);
    return 1;
}

// --- TLektionen --------------------------------------------------------------

TLektionen::TLektionen(QObject *AHnd, TDaten *ADaten)
    : FMainWindowHandle(AHnd)
    , FDaten(ADaten)
    , FLektionenWindowHandle(std::make_unique<TLektionenCounter>(AHnd, FLektionendateiCounterThread))
    , FPool(qMax(2, QThread::idealThreadCount()))
{
}

TLektionen::~TLektionen()
{
    Clear();
}

void TLektionen::WaitForLists()
{
    WaitHandlingEvents([this] { return FPool.IsIdle(); });
}

void TLektionen::Clear()
{
    WaitForLists();
    LastErrorString.clear();
    FList.clear();
}

TLektionendatei *TLektionen::Get(int Index) const
{
    return Index >= 0 && Index < Count() ? FList[size_t(Index)].get() : nullptr;
}

void TLektionen::Put(int Index, TLektionendatei *Value)
{
    if (Index >= 0 && Index < Count())
        FList[size_t(Index)].reset(Value);
}

QString TLektionen::LernmaterialFolder() const
{
    return FPath.isEmpty() ? LernmaterialPath : FPath;
}

bool TLektionen::LoadFiles(const QString &APath)
{
    FPath = IncludeTrailingPathDelimiter(APath.isEmpty() ? LernmaterialPath : APath);
    const std::optional<TFileInfoDynArray> Files = ScanFolder(skLektionenInBereichen, FPath);
    if (!Files) {
        LastErrorString = QStringLiteral("Lektionen konnten nicht vom Ordner \"%1\" geladen werden!").arg(FPath);
        LogAdd(LastErrorString);
        return false;
    }
    WaitForLists();
    LastErrorString.clear();
    FList.clear();
    if (Files->isEmpty())
        return false;
    TLektionenCounter *Counter = FLektionenWindowHandle.get();
    Counter->Count(1);
    std::vector<std::unique_ptr<TLektionendatei>> Loaded(static_cast<size_t>(Files->size()));
    TWorkQueue *Pool = FListsInline ? nullptr : &FPool;
    // One after the other: the lessons' lists are built on the work queue
    // meanwhile, and reading lessons on more threads only competes with it.
    for (qsizetype I = 0; I < Files->size() && !IsProgramClosing; ++I)
        Loaded[size_t(I)] = std::make_unique<TLektionendatei>(Counter, Files->at(I), FDaten, Pool);
    FList.reserve(Loaded.size());
    for (auto &L : Loaded)
        if (L)
            FList.push_back(std::move(L));
    Counter->Count(-1);
    if (IsProgramClosing)
        return false;
    Sort();
    return true;
}

void TLektionen::Sort()
{
    if (IsProgramClosing || FList.size() < 2)
        return;
    std::stable_sort(FList.begin(), FList.end(), [](const auto &A, const auto &B) { return TitelOrderLess(*A, *B); });
}

TLektionendatei *TLektionen::FindLektionendatei(const QString &Filename) const
{
    if (Filename.isEmpty() || IsProgramClosing)
        return nullptr;
    for (const auto &L : FList)
        if (SameText(L->FileInfo().GetFilename(), Filename))
            return L.get();
    return nullptr;
}

namespace {
// Area names written on Windows use backslashes.
QString AreaFolder(const QString &Bereich)
{
    QString Name = Bereich;
    Name.replace(u'\\', u'/');
    return IncludeTrailingPathDelimiter(Name);
}
} // namespace

TLektionendatei *TLektionen::FindLektionendatei(const QString &Bereich, const QString &Filename) const
{
    if (Bereich.isEmpty())
        return nullptr;
    return FindLektionendatei(LernmaterialFolder() + AreaFolder(Bereich) + Filename);
}

TLektionendateiDynArray TLektionen::FindLektionenWithBereich(const QString &ABereich, bool SortOn) const
{
    return FindLektionenWithPath(LernmaterialFolder() + AreaFolder(ABereich), SortOn);
}

TLektionendateiDynArray TLektionen::FindLektionenWithPath(const QString &APath, bool SortOn) const
{
    TLektionendateiDynArray Result;
    if (APath.isEmpty() || IsProgramClosing)
        return Result;
    for (const auto &L : FList)
        if (SameText(L->FileInfo().Path, APath))
            Result.append(L.get());
    if (SortOn)
        SortLektionen(Result);
    return Result;
}

TLektionendateiDynArray TLektionen::FindLektionenWithTypSet(TLektionendateiTypSet LektionendateiTypSet,
                                                            bool SortOn) const
{
    TLektionendateiDynArray Result;
    if (LektionendateiTypSet.IsEmpty() || IsProgramClosing)
        return Result;
    for (const auto &L : FList)
        if (LektionendateiTypSet.Contains(L->Typ()))
            Result.append(L.get());
    if (SortOn)
        SortLektionen(Result);
    return Result;
}

bool TLektionen::Status() const
{
    return FLektionendateiCounterThread.load() != 0 && !IsProgramClosing;
}
