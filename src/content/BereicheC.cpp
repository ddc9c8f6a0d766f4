#include "content/BereicheC.h"

#include "content/DatenHelperC.h"
#include "content/GlobalsC.h"
#include "content/PathsC.h"
#include "content/TextFileC.h"
#include "log/LogC.h"

#include <QFileInfo>
#include <QHash>
#include <algorithm>

void SplitTitelBeschreibung(const QString &S, QString &Titel, QString &Beschreibung)
{
    const qsizetype Sep = S.indexOf(TDatensatz::Separator);
    if (Sep < 0) {
        Titel = TrimCtl(S);
        Beschreibung.clear();
    } else {
        Titel = TrimCtl(S.left(Sep));
        Beschreibung = ConvertLineBreaks(TrimCtl(S.mid(Sep + TDatensatz::Separator.size())));
    }
    if (Titel.isEmpty())
        Titel = QStringLiteral("-");
}

TBereich TBereich::Create(const QString &ABereich, const QString &APath, const QString &ATitel,
                          const QString &ABeschreibung)
{
    TBereich B;
    B.Bereich = ABereich;
    B.Path = APath;
    B.Titel = ATitel;
    B.Beschreibung = ABeschreibung;
    return B;
}

void TBereich::SetData(const QString &ABereich, const QString &APath, const QString &S,
                       const TLektionendateiDynArray &ALektionen)
{
    Bereich = ABereich;
    Path = APath;
    SplitTitelBeschreibung(S, Titel, Beschreibung);
    Lektionen = ALektionen;
}

TBereiche::TBereiche(QObject *AHnd, TLektionen *ALektionen)
    : FMainWindowHandle(AHnd)
    , FLektionen(ALektionen)
{
    Clear();
}

void TBereiche::Clear()
{
    LastErrorString.clear();
    FTitel.clear();
    FBeschreibung.clear();
    FFileInfo.Clear();
    FList.clear();
    FChanged = false;
}

void TBereiche::Report(const QString &Message)
{
    LastErrorString = Message;
    LogAdd(Message);
}

bool TBereiche::LoadFile(const QString &AFilename, bool OnlyReadHeader)
{
    const QString FileName = AFilename.isEmpty() ? LernmaterialPath + QStringLiteral("Lernmaterial.ini") : AFilename;
    const QString Folder = FileName.left(FileName.lastIndexOf(u'/') + 1);
    auto Fail = [this, OnlyReadHeader](const QString &Message) {
        if (!OnlyReadHeader)
            Report(Message);
        return false;
    };
    QString Error;
    const std::optional<QString> Text = ReadContentFile(FileName, u"Bereichedatei", Error);
    if (!Text)
        return Fail(Error);
    const QStringList Lines = SplitLines(*Text);
    if (Lines.size() < 4 || Lines.first() != u"[HEADER]")
        return Fail(QStringLiteral("Die Bereichedatei \"%1\" ist fehlerhaft!").arg(FileName));

    FList.clear();
    FChanged = false;
    FFileInfo = TFileInfo::Create(FileName);
    FTitel.clear();
    FBeschreibung.clear();
    FReihenfolge = 0;

    // The lessons by folder, in collection order: one pass for all areas.
    QHash<QString, TLektionendateiDynArray> ByFolder;
    if (FLektionen && !OnlyReadHeader)
        for (int K = 0; K < FLektionen->Count(); ++K) {
            TLektionendatei *L = FLektionen->Get(K);
            ByFolder[L->FileInfo().Path.toCaseFolded()].append(L);
        }

    bool InDirectories = false;
    for (qsizetype I = 1; I < Lines.size(); ++I) {
        if (IsProgramClosing)
            return false;
        const QString Line = TrimCtl(Lines[I]);
        if (Line.isEmpty() || Line.startsWith(u';'))
            continue;
        if (!InDirectories) {
            if (Line == u"[DIRECTORIES]") {
                if (OnlyReadHeader)
                    break;
                InDirectories = true;
            } else if (Line.startsWith(u"Titel=")) {
                FTitel = TrimCtl(Line.mid(6));
            } else if (Line.startsWith(u"Beschreibung=")) {
                FBeschreibung = ConvertLineBreaks(TrimCtl(Line.mid(13)));
            } else if (Line.startsWith(QStringLiteral("Reihenfolge="), Qt::CaseInsensitive)) {
                bool Ok = false;
                const int N = TrimCtl(Line.mid(12)).toInt(&Ok);
                if (Ok && N > 0)
                    FReihenfolge = N;
                else
                    Report(QStringLiteral("Die Bereichedatei \"%1\" ist fehlerhaft in Zeile %2 (\"%3\"): "
                                          "Reihenfolge braucht eine Zahl ab 1.")
                               .arg(FileName, QString::number(I + 1), Lines[I]));
            }
            continue;
        }
        const qsizetype Eq = Line.indexOf(u'=');
        const QString Name = Eq < 0 ? QString() : TrimCtl(Line.left(Eq));
        if (Name.isEmpty()) {
            Report(QStringLiteral("Die Bereichedatei \"%1\" ist fehlerhaft in Zeile %2 (\"%3\")!")
                       .arg(FileName, QString::number(I + 1), Lines[I]));
            continue;
        }
        // An area is a folder of the learning material itself: a name that
        // climbs out of it, or starts at the root, is refused.
        const QStringList Parts = QString(Name).replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts);
        if (Name.startsWith(u'/') || Name.startsWith(u'\\') || Name.contains(u':') ||
            Parts.contains(QStringLiteral("..")) || Parts.contains(QStringLiteral("."))) {
            Report(QStringLiteral("Der Bereicheordner \"%1\" liegt nicht im Lernmaterial!").arg(Name));
            continue;
        }
        // Written on Windows, a folder name may differ in letter case or use
        // backslashes.
        const QString Path = IncludeTrailingPathDelimiter(ResolvePathNoCase(Folder, Name));
        if (!QFileInfo(Path).isDir()) {
            Report(QStringLiteral("Der Bereicheordner \"%1\" existiert nicht!").arg(Path));
            continue;
        }
        TLektionendateiDynArray Lektionen = ByFolder.value(Path.toCaseFolded());
        SortLektionen(Lektionen);
        TBereich B;
        B.SetData(Name, Path, TrimCtl(Line.mid(Eq + 1)), Lektionen);
        FList.append(B);
    }
    if (FTitel.isEmpty())
        FTitel = QStringLiteral("-");
    if (!OnlyReadHeader)
        Sort();
    return true;
}

void TBereiche::Sort()
{
    if (IsProgramClosing || FList.size() < 2)
        return;
    std::stable_sort(FList.begin(), FList.end(),
                     [](const TBereich &A, const TBereich &B) { return CompareText(A.Titel, B.Titel) < 0; });
}

TBereich TBereiche::Get(int Index) const
{
    return Index >= 0 && Index < FList.size() ? FList.at(Index) : TBereich();
}

void TBereiche::Put(int Index, const TBereich &Value)
{
    if (Index >= 0 && Index < FList.size())
        FList[Index] = Value;
}

int TBereiche::IndexOf(const QString &ABereich) const
{
    if (ABereich.isEmpty())
        return -1;
    for (int I = 0; I < FList.size(); ++I)
        if (SameText(FList[I].Bereich, ABereich))
            return I;
    return -1;
}
