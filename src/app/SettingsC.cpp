#include "app/SettingsC.h"

#include "app/IniFileC.h"
#include "content/FilesHelperC.h"
#include "content/PathsC.h"
#include "content/TextFileC.h"
#include "log/LogC.h"
#include "sound/SoundsHelperC.h"

#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <variant>

bool ShowEinleitung = true;
bool ShowSplashScreen = true;
QString LektionName;
int BrailleChars = 40;

int ExerciseLineCells()
{
    return BrailleChars - int(ExercisePaneName.size()) - 1;
}
int BrailleSize = 3;
bool CloseCheck = true;
qint64 HighScore = 0;

void AddToHighScore(qint64 Points)
{
    HighScore = std::clamp(HighScore + Points, qint64(0), MaxHighScore);
}
bool Querztastatur = true;
bool EineTasteNachDerAnderen = false;
bool ZeichenAnsagen = true;
QString SammelName;
int SammelNameIndex = -1;
QString SapiSpeechStimme;
bool DefaultVoicePending = false;
int SapiSpeechRate = 0;
int SapiSpeechVolume = 80;
TAktFont AktFont;
unsigned AktBackColor = 0xFFFFFF;
int MainWindowState = 2;
std::function<QString(const QString &)> FindRandomVoiceDescription;

namespace
{

const QString SettingsSection = QStringLiteral("Settings");
const QString SammelSection = QStringLiteral("Sammellektionen");

// The place in the collective lessons of a material that is not current.
struct TSammelPlatz {
    QString Material; // as it was written
    QString Name;
    int Index = -1;
};
// By the material's name in lower case: names compare without case.
QMap<QString, TSammelPlatz> SammelPlaetze;

// A material name that can stand as a key: nothing the file's syntax uses.
bool IsKeyName(const QString &Name)
{
    return !Name.isEmpty() && !Name.contains(u'=') && !Name.startsWith(u';') && !Name.startsWith(u'[') &&
           !Name.contains(u'\n') && !Name.contains(u'\r') && Name == Name.trimmed();
}

void LoadSammelPlaetze(const TIniFile &Ini)
{
    SammelPlaetze.clear();
    for (const QString &Key : Ini.Keys(SammelSection)) {
        if (Key.endsWith(QStringLiteral(".Index"), Qt::CaseInsensitive))
            continue;
        const QString Name = TrimCtl(Ini.ReadString(SammelSection, Key, QString()));
        if (Name.isEmpty())
            continue;
        const int Index = Ini.ReadInteger(SammelSection, Key + QStringLiteral(".Index"), -1);
        SammelPlaetze.insert(Key.toLower(), {Key, Name, qMax(-1, Index)});
    }
}

void SaveSammelPlaetze(TIniFile &Ini)
{
    // The current material's place stands in [Settings]; kept here too, so
    // that the section always lists every material's place.
    QMap<QString, TSammelPlatz> All = SammelPlaetze;
    const QString Akt = GetAktLernmaterialName();
    if (!Akt.isEmpty())
        All.insert(Akt.toLower(), {Akt, SammelName, SammelNameIndex});
    for (const TSammelPlatz &P : All) {
        if (!IsKeyName(P.Material))
            continue;
        Ini.WriteString(SammelSection, P.Material, P.Name);
        Ini.WriteInteger(SammelSection, P.Material + QStringLiteral(".Index"), P.Name.isEmpty() ? -1 : P.Index);
    }
}
const QString MainFormSection = QStringLiteral("MainForm");

// One key of [Settings]: where its value lives, its default and how a
// stored value is read.
struct TSettingKey {
    const char16_t *Key;
    std::variant<bool *, int *, qint64 *, QString *, std::atomic<bool> *, std::nullptr_t> Var;
    std::variant<bool, int, QString> Default;
    // Reads the stored value (the key's variable already holds what the
    // file says, or the default); may depend on keys read before.
    std::function<void(const TIniFile &Ini)> Rule;
};

int AbsOf(int V)
{
    return V == INT_MIN ? V : std::abs(V);
}

// Whether the folder Name (any letter case) is in Parent. Where Parent
// itself is missing nothing can be told, and the name stands.
bool NamedFolderExists(const QString &Parent, const QString &Name)
{
    if (!QFileInfo(Parent).isDir())
        return true;
    return QFileInfo(ResolvePathNoCase(Parent, Name)).isDir();
}

// The stored score: a negative one counts by its amount, as it always has;
// one too large for the score, or no number, is set within bounds; every
// change is logged.
void ReadHighScore(const TIniFile &Ini)
{
    const QString Stored = Ini.ReadString(SettingsSection, QStringLiteral("HighScore"), QString()).trimmed();
    HighScore = 0;
    if (Stored.isEmpty())
        return;
    static const QRegularExpression Number(QStringLiteral("^[+-]?[0-9]+$"));
    const bool IsNumber = Number.match(Stored).hasMatch();
    bool Ok = false;
    const qint64 V = Stored.toLongLong(&Ok);
    if (IsNumber && Ok && V >= 0 && V <= MaxHighScore) {
        HighScore = V;
        return;
    }
    // No number leaves 0.
    if (IsNumber)
        HighScore = !Ok || V < -MaxHighScore || V > MaxHighScore ? MaxHighScore : -V;
    LogAdd(QStringLiteral("Punktestand \"%1\" in der Einstellungsdatei ist %2; er wird auf %3 gesetzt.")
               .arg(Stored.left(40),
                    !IsNumber   ? QStringLiteral("keine Zahl")
                    : Ok && V < 0 && V >= -MaxHighScore ? QStringLiteral("negativ")
                                : QStringLiteral("zu groß"),
                    QString::number(HighScore)));
}

const QList<TSettingKey> &SettingsTable()
{
    static const QList<TSettingKey> Table = {
        {u"ShowEinleitung", &ShowEinleitung, true, {}},
        {u"ShowSplashScreen", &ShowSplashScreen, true, {}},
        {u"Lernmaterial", nullptr, DefaultLernmaterial,
         [](const TIniFile &Ini) {
             const QString V = TrimCtl(Ini.ReadString(SettingsSection, QStringLiteral("Lernmaterial"), QString()));
             SetAktLernmaterialName(V.isEmpty() ? DefaultLernmaterial : V);
             // A material that is gone (renamed, removed) stays chosen, so
             // that the learner sees it is missing; no folder is made of it.
             if (!V.isEmpty() && !NamedFolderExists(LernmaterialienPath, GetAktLernmaterialName()))
                 LogAdd(QStringLiteral("Das Lernmaterial \"%1\" aus der Einstellungsdatei gibt es nicht.").arg(V));
         }},
        {u"Bereich", nullptr, QString(),
         [](const TIniFile &Ini) {
             SetAktBereichName(TrimCtl(Ini.ReadString(SettingsSection, QStringLiteral("Bereich"), QString())));
             const QString V = GetAktBereichName();
             if (!V.isEmpty() && !NamedFolderExists(LernmaterialPath, V))
                 LogAdd(QStringLiteral("Den Bereich \"%1\" aus der Einstellungsdatei gibt es nicht.").arg(V));
         }},
        {u"LektionName", &LektionName, QString(),
         [](const TIniFile &) { LektionName = GetAktBereichName().isEmpty() ? QString() : TrimCtl(LektionName); }},
        {u"BrailleChars", &BrailleChars, 40,
         [](const TIniFile &) {
             BrailleChars = AbsOf(BrailleChars);
             if (BrailleChars < 20 || BrailleChars > 80)
                 BrailleChars = 40;
         }},
        {u"BrailleSize", &BrailleSize, 3,
         [](const TIniFile &) {
             BrailleSize = AbsOf(BrailleSize);
             if (BrailleSize < 0 || BrailleSize > 9)
                 BrailleSize = 3;
         }},
        {u"CloseCheck", &CloseCheck, true, {}},
        {u"HighScore", &HighScore, 0, [](const TIniFile &Ini) { ReadHighScore(Ini); }},
        {u"Querztastatur", &Querztastatur, true, {}},
        {u"SammelName", &SammelName, QString(), [](const TIniFile &) { SammelName = TrimCtl(SammelName); }},
        {u"SammelNameIndex", &SammelNameIndex, -1,
         [](const TIniFile &) {
             if (SammelName.isEmpty())
                 SammelNameIndex = -1;
         }},
        {u"SapiSpeech.Stimme", &SapiSpeechStimme, QString(),
         [](const TIniFile &Ini) {
             if (Ini.ValueExists(SettingsSection, QStringLiteral("SapiSpeech.Stimme")))
                 SapiSpeechStimme = TrimCtl(SapiSpeechStimme);
             else
                 SapiSpeechStimme =
                     FindRandomVoiceDescription ? FindRandomVoiceDescription(QStringLiteral("German")) : QString();
         }},
        {u"SapiSpeech.Rate", &SapiSpeechRate, 0, {}},
        {u"SapiSpeech.Volume", &SapiSpeechVolume, 80, {}},
        {u"SoundsEnabled", &SoundsEnabled, true, {}},
        {u"EineTasteNachDerAnderen", &EineTasteNachDerAnderen, false, {}},
        {u"ZeichenAnsagen", &ZeichenAnsagen, true, {}},
    };
    return Table;
}

} // namespace

void SetDefaultSettings()
{
    for (const TSettingKey &K : SettingsTable()) {
        std::visit(
            [&K](auto Var) {
                using V = std::remove_pointer_t<decltype(Var)>;
                if constexpr (std::is_same_v<V, bool> || std::is_same_v<V, std::atomic<bool>>)
                    *Var = std::get<bool>(K.Default);
                else if constexpr (std::is_same_v<V, int>)
                    *Var = std::get<int>(K.Default);
                else if constexpr (std::is_same_v<V, qint64>)
                    *Var = std::get<int>(K.Default);
                else if constexpr (std::is_same_v<V, QString>)
                    *Var = std::get<QString>(K.Default);
            },
            K.Var);
    }
    SammelPlaetze.clear();
    SetAktLernmaterialName(DefaultLernmaterial);
}

void LoadSettings(const TIniFile &Ini)
{
    for (const TSettingKey &K : SettingsTable()) {
        const QString Key = QString::fromUtf16(K.Key);
        std::visit(
            [&](auto Var) {
                using V = std::remove_pointer_t<decltype(Var)>;
                if constexpr (std::is_same_v<V, bool> || std::is_same_v<V, std::atomic<bool>>)
                    *Var = Ini.ReadBool(SettingsSection, Key, std::get<bool>(K.Default));
                else if constexpr (std::is_same_v<V, int>)
                    *Var = Ini.ReadInteger(SettingsSection, Key, std::get<int>(K.Default));
                else if constexpr (std::is_same_v<V, QString>)
                    *Var = Ini.ReadString(SettingsSection, Key, std::get<QString>(K.Default));
                // A 64-bit value is read by its rule.
            },
            K.Var);
        if (K.Rule)
            K.Rule(Ini);
    }
    LoadSammelPlaetze(Ini);
}

void SaveSettings(TIniFile &Ini)
{
    for (const TSettingKey &K : SettingsTable()) {
        const QString Key = QString::fromUtf16(K.Key);
        std::visit(
            [&](auto Var) {
                using V = std::remove_pointer_t<decltype(Var)>;
                if constexpr (std::is_same_v<V, bool>)
                    Ini.WriteBool(SettingsSection, Key, *Var);
                else if constexpr (std::is_same_v<V, std::atomic<bool>>)
                    Ini.WriteBool(SettingsSection, Key, Var->load());
                else if constexpr (std::is_same_v<V, int>)
                    Ini.WriteInteger(SettingsSection, Key, *Var);
                else if constexpr (std::is_same_v<V, qint64>)
                    Ini.WriteString(SettingsSection, Key, QString::number(*Var));
                else if constexpr (std::is_same_v<V, QString>)
                    Ini.WriteString(SettingsSection, Key, *Var);
                else if (Key == u"Lernmaterial")
                    Ini.WriteString(SettingsSection, Key, GetAktLernmaterialName());
                else
                    Ini.WriteString(SettingsSection, Key, GetAktBereichName());
            },
            K.Var);
    }
    SaveSammelPlaetze(Ini);
}

void WechsleLernmaterial(const QString &Name)
{
    const QString Old = GetAktLernmaterialName();
    if (!Old.isEmpty())
        SammelPlaetze.insert(Old.toLower(), {Old, SammelName, SammelNameIndex});
    SetAktLernmaterialName(Name);
    const TSammelPlatz P = SammelPlaetze.value(GetAktLernmaterialName().toLower());
    SammelName = P.Name;
    SammelNameIndex = P.Name.isEmpty() ? -1 : P.Index;
}

void LoadMainForm(const TIniFile &Ini)
{
    const int State = Ini.ReadInteger(MainFormSection, QStringLiteral("WindowState"), 2);
    MainWindowState = State == 2 ? 2 : 0;
    AktBackColor = unsigned(Ini.ReadInteger(MainFormSection, QStringLiteral("BackColor"), 0xFFFFFF));
    AktFont.CharSet = Ini.ReadInteger(MainFormSection, QStringLiteral("FontCharSet"), 0) & 0xFF;
    AktFont.Color = unsigned(Ini.ReadInteger(MainFormSection, QStringLiteral("FontColor"), 0));
    AktFont.Name = Ini.ReadString(MainFormSection, QStringLiteral("FontName"), QStringLiteral("Arial"));
    AktFont.Size = Ini.ReadInteger(MainFormSection, QStringLiteral("FontSize"), 12);
    AktFont.Bold = Ini.ReadInteger(MainFormSection, QStringLiteral("FontStyle"), -1) == 1;
}

void SaveMainForm(TIniFile &Ini)
{
    Ini.WriteInteger(MainFormSection, QStringLiteral("WindowState"), MainWindowState);
    Ini.WriteInteger(MainFormSection, QStringLiteral("BackColor"), int(AktBackColor));
    Ini.WriteInteger(MainFormSection, QStringLiteral("FontCharSet"), AktFont.CharSet);
    Ini.WriteInteger(MainFormSection, QStringLiteral("FontColor"), int(AktFont.Color));
    Ini.WriteString(MainFormSection, QStringLiteral("FontName"), AktFont.Name);
    Ini.WriteInteger(MainFormSection, QStringLiteral("FontSize"), AktFont.Size);
    Ini.WriteInteger(MainFormSection, QStringLiteral("FontStyle"), AktFont.Bold ? 1 : 0);
}

QString GetAktLernmaterialName()
{
    // Without a material the path is the materials folder itself.
    if (LernmaterialPath.size() <= LernmaterialienPath.size() + 1)
        return QString();
    return LastPathComponent(LernmaterialPath);
}

void SetAktLernmaterialName(const QString &Name)
{
    SetLernmaterialPath(LastPathComponent(Name));
}

QString GetAktBereichName()
{
    if (SameText(BereichPath, LernmaterialPath))
        return QString();
    QString Name = BereichPath.mid(LernmaterialPath.size());
    while (Name.endsWith(u'/'))
        Name.chop(1);
    return Name;
}

void SetAktBereichName(const QString &Name)
{
    SetBereichPath(LastPathComponent(Name));
}

bool IsSapiSpeechEnabled()
{
    return !SapiSpeechStimme.isEmpty() || DefaultVoicePending;
}

bool LoadSettingsFile(const QString &FileName)
{
    const TIniFile Ini(FileName);
    // A file that holds no settings at all (damaged, or something else
    // under its name) gives the defaults; it is kept, since closing writes
    // the settings over it.
    if (QFileInfo(FileName).size() > 0 && Ini.Keys(SettingsSection).isEmpty() && Ini.Keys(MainFormSection).isEmpty()) {
        const QString Kept = DamagedFileName(FileName, QDate::currentDate());
        LogAdd(QStringLiteral("Die Einstellungsdatei \"%1\" enthält keine Einstellungen; es gelten die "
                              "Voreinstellungen. %2")
                   .arg(FileName, QFile::copy(FileName, Kept)
                                      ? QStringLiteral("Sie wurde als \"%1\" aufbewahrt.").arg(QFileInfo(Kept).fileName())
                                      : QStringLiteral("Sie konnte nicht aufbewahrt werden.")));
    }
    LoadMainForm(Ini);
    LoadSettings(Ini);
    return true;
}

bool SaveSettingsFile(const QString &FileName)
{
    TIniFile Ini(FileName);
    SaveMainForm(Ini);
    SaveSettings(Ini);
    QString Why;
    if (Ini.UpdateFile(FileWriteAttempts, &Why))
        return true;
    LogAdd(QStringLiteral("Einstellungsdatei konnte nicht gespeichert werden: %1 (%2)").arg(FileName, Why));
    return false;
}

bool ReadShowSplashScreen(const QString &FileName)
{
    const TIniFile Ini(FileName);
    ShowSplashScreen = Ini.ReadBool(SettingsSection, QStringLiteral("ShowSplashScreen"), true);
    return ShowSplashScreen;
}
