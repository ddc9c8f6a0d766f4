#pragma once

#include <QString>
#include <functional>

class TIniFile;

// The learner's settings, position in the content and score: process-wide
// values named after their keys in Tastwerk.ini, read when the program
// starts and written when it closes. One table describes every key (its
// type, default and read rule); reading, writing and the tests walk it.

extern bool ShowEinleitung;
extern bool ShowSplashScreen;
extern QString LektionName;
extern int BrailleChars; // cells of the braille line, 20 to 80
// The exercise pane's name. A screen reader shows it, and a space, before
// the pane's line on the braille display.
inline const QString ExercisePaneName = QStringLiteral("Übung");
// Cells an exercise line may take: with the pane's name before it, the
// line and the cell a task is about stay on one display segment.
int ExerciseLineCells();
extern int BrailleSize;  // points added to the font of text panes, 0 to 9
extern bool CloseCheck;
// The score, never negative; kept in 64 bits, so that no lifetime of
// lessons reaches the largest value it may take.
extern qint64 HighScore;
constexpr qint64 MaxHighScore = 999'999'999'999'999;
// Adds a lesson's points, the score staying within 0 and MaxHighScore.
void AddToHighScore(qint64 Points);
extern bool Querztastatur; // the braille keyboard on s d f j k l
// Braille typed one key at a time: each dot key adds or removes its dot,
// Space writes the cell, Backspace clears the dots.
extern bool EineTasteNachDerAnderen;
// What a chord wrote is said by its name (key "ZeichenAnsagen", on by default).
extern bool ZeichenAnsagen;
extern QString SammelName;
extern int SammelNameIndex;
extern QString SapiSpeechStimme; // key "SapiSpeech.Stimme"; empty: speech off
// The file named no voice: one is chosen once the voices are listed, and
// until then speech is on with a provisional voice. Not stored.
extern bool DefaultVoicePending;
extern int SapiSpeechRate;
extern int SapiSpeechVolume;
// SoundsEnabled lives with the sounds (sound/SoundsHelperC.h).

// The main window's font and background, as plain values the windows turn
// into Qt fonts and palettes.
struct TAktFont {
    QString Name = QStringLiteral("Arial");
    int Size = 12;
    bool Bold = false;
    unsigned Color = 0; // Windows colour value: 0x00BBGGRR
    int CharSet = 0;
    bool operator==(const TAktFont &) const = default;
};
extern TAktFont AktFont;
extern unsigned AktBackColor; // Windows colour value, white by default
extern int MainWindowState;   // 0 normal, 2 maximised (1, minimised, opens normal)

inline const QString SettingsFileName = QStringLiteral("Tastwerk.ini");

// The voice chosen when the file names none: the first voice whose
// description contains the search text, else the first voice, else empty.
// The speech output installs it; without one no voice is chosen.
extern std::function<QString(const QString &SearchText)> FindRandomVoiceDescription;

void SetDefaultSettings();
// [Settings] from / into an open INI file.
void LoadSettings(const TIniFile &Ini);
void SaveSettings(TIniFile &Ini);
// [MainForm] from / into an open INI file.
void LoadMainForm(const TIniFile &Ini);
void SaveMainForm(TIniFile &Ini);

QString GetAktLernmaterialName();
void SetAktLernmaterialName(const QString &Name);
// Makes Name the current learning material and keeps the place in the
// collective lessons per material: the old material's SammelName and
// SammelNameIndex are kept (in [Sammellektionen] of the settings file, as
// "<material>=<file>" and "<material>.Index=<n>"), the new one's come back.
void WechsleLernmaterial(const QString &Name);
QString GetAktBereichName();
void SetAktBereichName(const QString &Name);
bool IsSapiSpeechEnabled();

// The file in the profile folder: reading at start (false when reading
// failed; what was read and the defaults for the rest stay), writing at
// close (false when it could not be written in 101 attempts).
bool LoadSettingsFile(const QString &FileName);
bool SaveSettingsFile(const QString &FileName);
// Only [Settings] ShowSplashScreen, before the main window exists.
bool ReadShowSplashScreen(const QString &FileName);
