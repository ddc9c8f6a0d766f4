#include "ContentCheck.h"

#include "braille/BrlUniCharC.h"
#include "content/BereicheC.h"
#include "content/DatenC.h"
#include "content/LektionenC.h"
#include "content/LernmaterialienC.h"
#include "content/PathsC.h"
#include "content/SammellektionenC.h"
#include "content/TextFileC.h"
#include "content/TypenHelperC.h"
#include "log/LogC.h"
#include "app/SettingsC.h"
#include "content/RandomC.h"
#include "exercise/ExerciseC.h"

#include <QDir>
#include <QFileInfo>
#include <map>

namespace {

// Moves what the loaders logged since the last call into the reports, oldest
// first, without the time stamp. Messages about lessons that the checker
// reports itself with the lesson's file and line are left out.
void TakeLog(TLog &Log, QStringList &Reports)
{
    static const QStringList Restated = {QStringLiteral("Unbekannter Eintrag in Lektionsdatei: "),
                                         QStringLiteral(" konnte nicht in der Datenbank gefunden werden!")};
    const QStringList Entries = Log.Strings();
    for (qsizetype I = Entries.size() - 1; I >= 0; --I) {
        const QString Message = Entries[I].mid(16);
        if (!Message.startsWith(Restated[0]) && !Message.endsWith(Restated[1]))
            Reports.append(Message);
    }
    Log.Clear();
}

// The data files a lesson names, with the kind each list must be.
template<typename R>
void AddFileLists(const R &Rec, QList<std::pair<QStringList, TDatendateiTyp>> &Lists)
{
    if constexpr (requires { Rec.Lernzeichendateien; })
        Lists.append({Rec.Lernzeichendateien, dtLernzeichen});
    if constexpr (requires { Rec.Gelerntzeichendateien; })
        Lists.append({Rec.Gelerntzeichendateien, dtLernzeichen});
    if constexpr (requires { Rec.Woerterdateien; })
        Lists.append({Rec.Woerterdateien, dtWoerterliste});
    if constexpr (requires { Rec.Saetzedateien; })
        Lists.append({Rec.Saetzedateien, dtSaetzeliste});
    if constexpr (requires { Rec.Figurendateien; })
        Lists.append({Rec.Figurendateien, dtFigurenliste});
    if constexpr (requires { Rec.Fehlersuchedateien; })
        Lists.append({Rec.Fehlersuchedateien, dtFehlersuche});
    if constexpr (requires { Rec.Brueckenwoerterdateien; })
        Lists.append({Rec.Brueckenwoerterdateien, dtBrueckenwoerter});
    if constexpr (requires { Rec.Lueckentextdateien; })
        Lists.append({Rec.Lueckentextdateien, dtLueckentext});
}

void CheckNamedFiles(const TLektionendatei &L, const TDaten &Daten, QStringList &Reports)
{
    QList<std::pair<QStringList, TDatendateiTyp>> Lists;
    L.Settings().Visit(L.Typ(), [&Lists](const auto &Rec) { AddFileLists(Rec, Lists); });
    for (const auto &[Names, Typ] : Lists)
        for (const QString &Name : Names) {
            const TDatendatei *D = Daten.FindDatendatei(Name);
            if (!D || !SameText(D->FileInfo().Name, Name))
                Reports.append(QStringLiteral("Die Lektionendatei \"%1\" nennt die Datendatei \"%2\", die es in der "
                                              "Datenbank nicht gibt.")
                                   .arg(L.FileInfo().GetFilename(), Name));
            else if (D->Typ() != Typ)
                Reports.append(QStringLiteral("Die Lektionendatei \"%1\" nennt die Datendatei \"%2\" vom Typ %3, "
                                              "erwartet wird %4.")
                                   .arg(L.FileInfo().GetFilename(), Name, D->GetTypString(), DatendateiTypKey(Typ)));
        }
}

// The list an exercise of a task type is drawn from; empty means the lesson
// can only show a "Kein ... gefunden!" / "... vorhanden!" line or a filler.
struct TNeededList {
    QString Name;
    qsizetype Size;
};

bool NeededList(const TLektionendatei &L, TNeededList &Needed)
{
    const TAufgabenTypSettings &S = L.Settings();
    switch (L.Typ()) {
    case atText:
        Needed = {QStringLiteral("Text"), S.FAT_Text_Settings.Text.size()};
        return true;
    case atSchnellkurs:
        Needed = {QStringLiteral("Lernzeichenliste"), S.FAT_Schnellkurs_Settings.Lernzeichenliste.size()};
        return true;
    case atBuchstabenLernen:
        Needed = {QStringLiteral("Lernzeichenliste"), S.FAT_BuchstabenLernen_Settings.Lernzeichenliste.size()};
        return true;
    case atVerstecktesZeichen:
        Needed = {QStringLiteral("Lernzeichenliste"), S.FAT_VerstecktesZeichen_Settings.Lernzeichenliste.size()};
        return true;
    case atVerstecktesWort:
        Needed = {QStringLiteral("WoerterlisteLernen"), S.FAT_VerstecktesWort_Settings.WoerterlisteLernen.size()};
        return true;
    case atZeichenFinden:
        Needed = {QStringLiteral("Lernzeichenliste"), S.FAT_ZeichenFinden_Settings.Lernzeichenliste.size()};
        return true;
    case atWortFinden:
        Needed = {QStringLiteral("WoerterlisteLernen"), S.FAT_WortFinden_Settings.WoerterlisteLernen.size()};
        return true;
    case atZeichenInWortFinden:
        Needed = {QStringLiteral("WoerterlisteLernen"),
                  S.FAT_ZeichenInWortFinden_Settings.WoerterlisteLernen.size()};
        return true;
    case atFigurFinden:
        Needed = {QStringLiteral("Figurenliste"), S.FAT_FigurFinden_Settings.Figurenliste.size()};
        return true;
    case atFehlersuche:
        Needed = {QStringLiteral("Fehlersucheliste"), S.FAT_Fehlersuche_Settings.Fehlersucheliste.size()};
        return true;
    case atZeichenLesen:
        Needed = {QStringLiteral("Lernzeichenliste"), S.FAT_ZeichenLesen_Settings.Lernzeichenliste.size()};
        return true;
    case atWortLesen:
        Needed = {QStringLiteral("WoerterlisteLernen"), S.FAT_WortLesen_Settings.WoerterlisteLernen.size()};
        return true;
    case atSatzLesen:
        Needed = {QStringLiteral("Saetzeliste"), S.FAT_SatzLesen_Settings.Saetzeliste.size()};
        return true;
    case atZeichenTippen:
        Needed = {QStringLiteral("Lernzeichenliste"), S.FAT_ZeichenTippen_Settings.Lernzeichenliste.size()};
        return true;
    case atWortTippen:
        Needed = {QStringLiteral("WoerterlisteLernen"), S.FAT_WortTippen_Settings.WoerterlisteLernen.size()};
        return true;
    case atSatzTippen:
        Needed = {QStringLiteral("Saetzeliste"), S.FAT_SatzTippen_Settings.Saetzeliste.size()};
        return true;
    case atBrueckenwoerter:
        Needed = {QStringLiteral("Brueckenwoerterliste"),
                  S.FAT_Brueckenwoerter_Settings.Brueckenwoerterliste.size()};
        return true;
    case atLueckentext:
        Needed = {QStringLiteral("Lueckentextliste"), S.FAT_Lueckentext_Settings.Lueckentextliste.size()};
        return true;
    default:
        return false;
    }
}

bool IsMarkedType(TDatendateiTyp Typ)
{
    return Typ == dtFehlersuche || Typ == dtBrueckenwoerter || Typ == dtLueckentext;
}

bool IsCell(QChar C)
{
    return C.unicode() >= 0x2800 && C.unicode() <= 0x28FF;
}

// Characters of braille forms that no table entry stands for.
void CheckRecords(const TDaten &Daten, const TBrlUniChar &Table, QStringList &Reports)
{
    for (int I = 0; I < Daten.Count(); ++I) {
        const TDatendatei *D = Daten.Get(I);
        const QString File = D->FileInfo().GetFilename();
        for (const TDatensatz &R : D->List()) {
            QString Unknown;
            for (QChar C : R.Brl) {
                TBuc Buc;
                bool Known = C == u' ' || IsCell(C);
                if (D->Typ() == dtFigurenliste)
                    Known = Known || C == QChar(0x2800);
                else if (!Known)
                    Known = Table.FindAscChar(C, Buc) || (IsMarkedType(D->Typ()) && (C == u'^' || C == u'\\'));
                if (!Known && !Unknown.contains(C))
                    Unknown += C;
            }
            for (QChar C : Unknown)
                Reports.append(QStringLiteral("Die Datendatei \"%1\" enthält im Datensatz \"%2\" das Zeichen \"%3\" "
                                              "(U+%4), das die Brailletabelle nicht kennt.")
                                   .arg(File, R.ToString(), QString(C),
                                        QString::number(C.unicode(), 16).toUpper().rightJustified(4, u'0')));
            if (IsMarkedType(D->Typ()) && R.Brl.count(u'^') % 2 != 0)
                Reports.append(QStringLiteral("Die Datendatei \"%1\" enthält im Datensatz \"%2\" eine Marke \"^\" "
                                              "ohne Gegenstück.")
                                   .arg(File, R.ToString()));
        }
    }
}

void CheckLessons(const TLektionen &Lektionen, const TDaten &Daten, QStringList &Reports,
                  std::map<int, int> &ByType)
{
    for (int I = 0; I < Lektionen.Count(); ++I) {
        const TLektionendatei *L = Lektionen.Get(I);
        const QString File = L->FileInfo().GetFilename();
        if (File.isEmpty())
            continue; // a file that could not be read, reported by the loader
        ++ByType[L->Typ()];
        for (const QString &H : L->Hinweise())
            Reports.append(QStringLiteral("Die Lektionendatei \"%1\", %2").arg(File, H));
        CheckNamedFiles(*L, Daten, Reports);
        if (L->Typ() >= at1A) {
            Reports.append(QStringLiteral("Die Lektionendatei \"%1\" hat den Aufgabentyp %2, zu dem es noch keine "
                                          "Übung gibt.")
                               .arg(File, AufgabenTypKey(L->Typ())));
            continue;
        }
        TNeededList Needed;
        if (NeededList(*L, Needed) && Needed.Size == 0)
            Reports.append(QStringLiteral("Die Lektionendatei \"%1\" ergibt keine Übung: %2 ist leer.")
                               .arg(File, Needed.Name));
    }
}

} // namespace

TCheckResult CheckProgramFolder(const TCheckOptions &Options)
{
    TCheckResult Result;
    const QString Program = IncludeTrailingPathDelimiter(QDir(Options.ProgramFolder).absolutePath());
    const QFileInfo ProgramInfo(Program);
    if (!ProgramInfo.isDir() || !ProgramInfo.isReadable() || !QDir(Program).isReadable()) {
        Result.FolderReadable = false;
        Result.Reports.append(QStringLiteral("Der Ordner \"%1\" kann nicht gelesen werden!").arg(Program));
        return Result;
    }
    // Whatever the loaders might write would go into a folder that is never
    // created: the checker only reads.
    InitPaths(Program, CurrentUserName(), QDir::tempPath() + QStringLiteral("/tastwerk-check-nothing-is-written"));

    TLog Log(nullptr, QString());
    InstallLog(&Log);
    TBrlUniChar Table;
    TAufgabenTypen Aufgaben;
    TDatendateiTypen Datendateien;
    BrlUniChar = &Table;
    AufgabenTypen = &Aufgaben;
    DatendateiTypen = &Datendateien;
    Table.LoadFile();
    Aufgaben.LoadFile();
    Datendateien.LoadFile();
    TakeLog(Log, Result.Reports);

    TLernmaterialien Lernmaterialien;
    Lernmaterialien.LoadOrdner();
    TakeLog(Log, Result.Reports);

    QStringList Names;
    if (!Options.Material.isEmpty()) {
        Names << LastPathComponent(Options.Material);
    } else {
        Names = QDir(LernmaterialienPath).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    }

    int Areas = 0;
    int Collective = 0;
    int Files = 0;
    int Records = 0;
    std::map<int, int> ByType;
    for (const QString &Name : Names) {
        if (Lernmaterialien.IndexOf(Name) < 0) {
            Result.Reports.append(QStringLiteral("Der Ordner \"%1\" ist kein Lernmaterial: seine Lernmaterial.ini "
                                                 "fehlt oder beginnt nicht mit [HEADER].")
                                      .arg(LernmaterialienPath + Name + u'/'));
            continue;
        }
        SetLernmaterialPath(Name);
        TDaten Daten;
        TLektionen Lektionen(nullptr, &Daten);
        Lektionen.SetListsInline(true);
        TSammellektionen Sammel(nullptr, &Lektionen);
        TBereiche Bereiche(nullptr, &Lektionen);
        Daten.LoadFiles();
        Lektionen.LoadFiles();
        Sammel.LoadFiles();
        Bereiche.LoadFile();
        TakeLog(Log, Result.Reports);

        CheckRecords(Daten, Table, Result.Reports);
        CheckLessons(Lektionen, Daten, Result.Reports, ByType);
        for (int I = 0; I < Bereiche.Count(); ++I)
            if (Bereiche.Get(I).Lektionen.isEmpty())
                Result.Reports.append(QStringLiteral("Der Bereich \"%1\" (%2) enthält keine Lektion.")
                                          .arg(Bereiche.Get(I).Titel, Bereiche.Get(I).Path));
        for (int I = 0; I < Sammel.Count(); ++I)
            if (Sammel.Get(I)->Count() == 0)
                Result.Reports.append(QStringLiteral("Die Sammeldatei \"%1\" nennt keine Lektion.")
                                          .arg(Sammel.Get(I)->FileInfo().GetFilename()));

        int MaterialRecords = 0;
        for (int I = 0; I < Daten.Count(); ++I)
            MaterialRecords += Daten.Get(I)->Count();
        Result.Summary.append(QStringLiteral("Lernmaterial \"%1\" (%2): %3 Bereiche, %4 Lektionen, %5 Sammellektionen, "
                                             "%6 Datendateien, %7 Datensätze")
                                  .arg(Name, Bereiche.Titel())
                                  .arg(Bereiche.Count())
                                  .arg(Lektionen.Count())
                                  .arg(Sammel.Count())
                                  .arg(Daten.Count())
                                  .arg(MaterialRecords));
        Areas += Bereiche.Count();
        Collective += Sammel.Count();
        Files += Daten.Count();
        Records += MaterialRecords;
    }

    QStringList Types;
    int Lessons = 0;
    for (const auto &[Typ, Count] : ByType) {
        Types.append(QStringLiteral("%1 %2").arg(Count).arg(AufgabenTypKey(TAufgabenTyp(Typ))));
        Lessons += Count;
    }
    Result.Summary.append(QStringLiteral("Brailletabelle: %1 Einträge; Aufgabentypen: %2; Datendateitypen: %3")
                              .arg(Table.Count())
                              .arg(Aufgaben.Count())
                              .arg(Datendateien.Count()));
    Result.Summary.append(QStringLiteral("Lernmaterialien: %1; Bereiche: %2; Lektionen: %3; Sammellektionen: %4; "
                                         "Datendateien: %5; Datensätze: %6")
                              .arg(Lernmaterialien.Count())
                              .arg(Areas)
                              .arg(Lessons)
                              .arg(Collective)
                              .arg(Files)
                              .arg(Records));
    if (!Types.isEmpty())
        Result.Summary.append(QStringLiteral("Lektionen nach Aufgabentyp: %1").arg(Types.join(QStringLiteral(", "))));

    BrlUniChar = nullptr;
    AufgabenTypen = nullptr;
    DatendateiTypen = nullptr;
    InstallLog(nullptr);
    return Result;
}

QStringList PreviewLesson(const TPreviewOptions &Options, bool &Ok)
{
    QStringList Out;
    Ok = false;
    const QString File = QFileInfo(Options.LessonFile).absoluteFilePath();
    // The lesson's learning material is the folder two levels above it.
    const QString AreaFolder = QFileInfo(File).absolutePath();
    const QString MaterialFolder = QFileInfo(AreaFolder).absolutePath();
    const QString Program = Options.ProgramFolder.isEmpty()
                                ? QFileInfo(QFileInfo(MaterialFolder).absolutePath()).absolutePath()
                                : QDir(Options.ProgramFolder).absolutePath();
    if (!QFileInfo(File).isFile()) {
        Out.append(QStringLiteral("Die Lektionendatei \"%1\" existiert nicht!").arg(File));
        return Out;
    }
    InitPaths(IncludeTrailingPathDelimiter(Program), CurrentUserName(),
              QDir::tempPath() + QStringLiteral("/tastwerk-check-nothing-is-written"));
    SetLernmaterialPath(QFileInfo(MaterialFolder).fileName());

    TLog Log(nullptr, QString());
    InstallLog(&Log);
    TBrlUniChar Table;
    BrlUniChar = &Table;
    Table.LoadFile();
    TDaten Daten;
    Daten.LoadFiles();
    TLektionendatei Lesson(nullptr, TFileInfo::Create(File), &Daten);
    TakeLog(Log, Out);
    for (const QString &H : Lesson.Hinweise())
        Out.append(QStringLiteral("Hinweis, %1").arg(H));
    Ok = Lesson.Typ() != atNone;

    const int SavedWidth = BrailleChars;
    BrailleChars = qBound(20, Options.Width, 80);
    RandSeed(Options.Seed);
    TExercise Exercise;
    const TExerciseGroup Group = ExerciseGroup(Lesson.Typ());
    for (int N = 1; Ok && N <= Options.Count; ++N) {
        const QString Task = Exercise.Next(Lesson.Settings(), Lesson.Typ());
        Out.append(QStringLiteral("Übung %1 von %2: %3 (%4), Braillezeile %5 Zellen, Startwert %6")
                       .arg(N)
                       .arg(Options.Count)
                       .arg(Lesson.Titel(), AufgabenTypKey(Lesson.Typ()))
                       .arg(BrailleChars)
                       .arg(Options.Seed));
        Out.append(QStringLiteral("Aufgabe (gesprochen): %1").arg(Task));
        Out.append(QStringLiteral("Text:"));
        for (const QString &Line : SplitLines(Exercise.Memo.Text()))
            Out.append(QStringLiteral("| %1").arg(Line));
        Out.append(QStringLiteral("Lösung:"));
        const QString Text = Exercise.Memo.Text();
        if (Group == egFind || Lesson.Typ() == atFehlersuche) {
            int K = 0;
            for (const TClickPos::TPos &P : Exercise.ClickPos.FPos)
                Out.append(QStringLiteral("  Ziel %1: Position %2 bis %3: %4")
                               .arg(++K)
                               .arg(P.FromPos)
                               .arg(P.ToPos)
                               .arg(Text.mid(P.FromPos, P.ToPos - P.FromPos + 1)));
            if (K == 0)
                Out.append(QStringLiteral("  kein Ziel"));
        } else if (Group == egType) {
            int K = 0;
            for (const TTippenPos::TPos &P : Exercise.TippenPos.FPos)
                Out.append(QStringLiteral("  Feld %1 an Position %2: %3")
                               .arg(++K)
                               .arg(P.FWritePos)
                               .arg(P.FTypeText.join(QStringLiteral(" oder "))));
            if (K == 0)
                Out.append(QStringLiteral("  kein Feld"));
        } else {
            Out.append(QStringLiteral("  keine: lesen, dann weiter"));
        }
        Out.append(QString());
    }
    BrailleChars = SavedWidth;
    BrlUniChar = nullptr;
    InstallLog(nullptr);
    return Out;
}
