#include "content/SammellektionenC.h"

#include "content/GlobalsC.h"
#include "content/PathsC.h"
#include "content/TextFileC.h"
#include "log/LogC.h"

#include <QFileInfo>
#include <algorithm>

TSammeldatei::TSammeldatei(QObject *AHnd, const TFileInfo &AFileInfo, const TLektionen *ALektionen)
    : FMainWindowHandle(AHnd)
    , FLektionen(ALektionen)
{
    Clear();
    if (!AFileInfo.Name.isEmpty())
        LoadFile(AFileInfo);
}

void TSammeldatei::Clear()
{
    FChanged = false;
    FFileInfo.Clear();
    FList.clear();
}

void TSammeldatei::Report(const QString &Message)
{
    LastErrorString = Message;
    LogAdd(Message);
}

bool TSammeldatei::LoadFile(const TFileInfo &AFileInfo)
{
    const QString FileName = AFileInfo.GetFilename();
    QString Error;
    const std::optional<QString> Text = ReadContentFile(FileName, u"Sammeldatei", Error);
    if (!Text) {
        Report(Error);
        return false;
    }
    const QStringList Lines = SplitLines(*Text);
    if (Lines.size() <= 3 || Lines.first() != u"[HEADER]") {
        Report(QStringLiteral("Die Sammeldatei \"%1\" ist fehlerhaft!").arg(FileName));
        return false;
    }

    FChanged = false;
    FList.clear();
    FFileInfo = AFileInfo;
    FFileInfo.Checked = false;
    FTitel.clear();
    FBeschreibung.clear();

    bool InFiles = false;
    for (qsizetype I = 1; I < Lines.size(); ++I) {
        if (IsProgramClosing)
            return false;
        const QString Line = TrimCtl(Lines[I]);
        if (Line.isEmpty() || Line.startsWith(u';'))
            continue;
        if (!InFiles) {
            if (Line == u"[FILES]")
                InFiles = true;
            else if (Line.startsWith(u"Titel="))
                FTitel = TrimCtl(Line.mid(6));
            else if (Line.startsWith(u"Beschreibung="))
                FBeschreibung = ConvertLineBreaks(TrimCtl(Line.mid(13)));
            continue;
        }
        const QString Name = Line.startsWith(u"File=") ? TrimCtl(Line.mid(5)) : QString();
        if (Name.isEmpty()) {
            Report(QStringLiteral("Die Sammeldatei \"%1\" ist fehlerhaft in Zeile %2 (\"%3\")!")
                       .arg(FileName, QString::number(I + 1), Lines[I]));
            continue;
        }
        // Names written on Windows use backslashes.
        QString Relative = Name;
        Relative.replace(u'\\', u'/');
        const QString Full = LernmaterialPath + Relative;
        if (TLektionendatei *L = FLektionen ? FLektionen->FindLektionendatei(Full) : nullptr)
            FList.append(L);
        else
            Report(QStringLiteral("Die Lektionendatei \"%1\" existiert nicht!").arg(Full));
    }
    if (FTitel.isEmpty())
        FTitel = QStringLiteral("-");
    return true;
}

TLektionendatei *TSammeldatei::Get(int Index) const
{
    return Index >= 0 && Index < FList.size() ? FList.at(Index) : nullptr;
}

void TSammeldatei::Put(int Index, TLektionendatei *Value)
{
    if (Index >= 0 && Index < FList.size())
        FList[Index] = Value;
}

TSammellektionen::TSammellektionen(QObject *AHnd, const TLektionen *ALektionen)
    : FMainWindowHandle(AHnd)
    , FLektionen(ALektionen)
{
}

TSammellektionen::~TSammellektionen() = default;

void TSammellektionen::Clear()
{
    FList.clear();
}

TSammeldatei *TSammellektionen::Get(int Index) const
{
    return Index >= 0 && Index < Count() ? FList[size_t(Index)].get() : nullptr;
}

void TSammellektionen::Put(int Index, TSammeldatei *Value)
{
    if (Index >= 0 && Index < Count())
        FList[size_t(Index)].reset(Value);
}

bool TSammellektionen::LoadFiles(const QString &APath)
{
    FPath = IncludeTrailingPathDelimiter(APath.isEmpty() ? SammellektionenPath : APath);
    const std::optional<TFileInfoDynArray> Files = ScanFolder(skSammellektionen, FPath);
    if (!Files) {
        LastErrorString =
            QStringLiteral("Sammeldateien konnten nicht vom Ordner \"%1\" geladen werden!").arg(FPath);
        LogAdd(LastErrorString);
        return false;
    }
    Clear();
    if (Files->isEmpty())
        return false;
    for (const TFileInfo &Info : *Files) {
        if (IsProgramClosing)
            return false;
        FList.push_back(std::make_unique<TSammeldatei>(FMainWindowHandle, Info, FLektionen));
    }
    Sort();
    return true;
}

void TSammellektionen::Sort()
{
    if (IsProgramClosing || FList.size() < 2)
        return;
    std::stable_sort(FList.begin(), FList.end(), [](const auto &A, const auto &B) { return TitelOrderLess(*A, *B); });
}

TSammeldatei *TSammellektionen::FindSammeldatei(const QString &AName) const
{
    const int I = IndexOf(AName);
    return Get(I);
}

int TSammellektionen::IndexOf(const QString &AName) const
{
    const QString Name = LastPathComponent(AName);
    if (Name.isEmpty() || IsProgramClosing)
        return -1;
    for (int I = 0; I < Count(); ++I)
        if (SameText(FList[size_t(I)]->FileInfo().Name, Name))
            return I;
    return -1;
}
