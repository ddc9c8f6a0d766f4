#pragma once

#include "content/DatenHelperC.h"
#include "content/TypenHelperC.h"
#include "exercise/LeerzeichenC.h"

#include <QString>
#include <QStringList>

class TDaten;
struct TClickPos;
class TTippenPos;
class TSpeakTextLines;
class TMemo;

// The parameters of an exercise, one plain value record per task type. A
// lesson sets all of them to their standard values, hands each line of a
// type's section to that type's record (SetData), and builds the lists of
// its own type's record from the database (CreateLists) in the background.
//
// SetData returns whether the line was one of the record's keys; any other
// line not beginning with "[" is logged as an unknown entry. Notes, when
// given, receives a German remark for every number that was cut to its width,
// clamped to its bounds or replaced by its default.

// The section name of a task type in a lesson file.
QString SectionName(TAufgabenTyp Typ);

struct TAT_Text_Settings {
    QString Text;

    static constexpr TAufgabenTyp Typ() { return atText; }
    void Assign(const TAT_Text_Settings &ARec) { *this = ARec; }
    void Clear() { *this = {}; }
    void SetStandard() { Clear(); }
    bool SetData(const QString &S, QStringList *Notes = nullptr);
    // The text to show (braille in brackets becomes cells); its lines, as
    // written, go to the spoken lines.
    QString CreateText(TSpeakTextLines &SpeakTextLines) const;
};

struct TAT_Schnellkurs_Settings {
    QStringList Lernzeichendateien;
    TDatensatzDynArray Lernzeichenliste;
    bool Datenzufall = false;
    int Wiederholungen = 0;

    static constexpr TAufgabenTyp Typ() { return atSchnellkurs; }
    void Assign(const TAT_Schnellkurs_Settings &ARec) { *this = ARec; }
    void Clear() { *this = {}; }
    void SetStandard();
    bool SetData(const QString &S, QStringList *Notes = nullptr);
    // Writes the table of characters with their dots into the memo and the
    // spoken lines.
    void CreateText(TMemo &Re, TSpeakTextLines &SpeakTextLines) const;
    void CreateLists(TDaten &Daten);
};

struct TAT_BuchstabenLernen_Settings {
    QStringList Lernzeichendateien;
    TDatensatzDynArray Lernzeichenliste;
    QStringList Gelerntzeichendateien;
    TDatensatzDynArray Gelerntzeichenliste;
    QStringList Woerterdateien;
    TDatensatzDynArray WoerterlisteAlle;
    TDatensatzDynArray WoerterlisteLernen;
    bool Datenzufall = false;
    int Leerzeichen = 0;
    int MaxWortAnzahl = 0;
    int MinWortLen = 0;
    int MaxWortLen = 0;
    int Wiederholungen = 0;

    static constexpr TAufgabenTyp Typ() { return atBuchstabenLernen; }
    void Assign(const TAT_BuchstabenLernen_Settings &ARec) { *this = ARec; }
    void Clear() { *this = {}; }
    void SetStandard();
    bool SetData(const QString &S, QStringList *Notes = nullptr);
    // The table of characters, then a line of words to read.
    void CreateText(TMemo &Re, TSpeakTextLines &SpeakTextLines) const;
    void CreateLists(TDaten &Daten);
};

struct TAT_VerstecktesZeichen_Settings {
    QStringList Lernzeichendateien;
    TDatensatzDynArray Lernzeichenliste;
    QString Trennzeichen;
    TDatensatzDynArray Trennzeichenliste;
    TLeerzeichen Leerzeichen;
    int MaxLernzeichenAnzahl = 0;
    bool ZeigeNormaltext = false;
    int Wiederholungen = 0;
    int Zeitfaktor = 0;

    static constexpr TAufgabenTyp Typ() { return atVerstecktesZeichen; }
    void Assign(const TAT_VerstecktesZeichen_Settings &ARec) { *this = ARec; }
    void Clear() { *this = {}; }
    void SetStandard();
    bool SetData(const QString &S, QStringList *Notes = nullptr);
    void CreateLists(TDaten &Daten);
    // A new finding exercise (NewDatensatz: a new target, else a new line
    // for the target in ClickPos.Datensatz); its answer key goes to ClickPos.
    QString CreateText(TClickPos &ClickPos, bool NewDatensatz) const;
};

struct TAT_VerstecktesWort_Settings {
    QStringList Lernzeichendateien;
    TDatensatzDynArray Lernzeichenliste;
    QStringList Gelerntzeichendateien;
    TDatensatzDynArray Gelerntzeichenliste;
    QStringList Woerterdateien;
    TDatensatzDynArray WoerterlisteAlle;
    TDatensatzDynArray WoerterlisteLernen;
    QString Trennzeichen;
    TDatensatzDynArray Trennzeichenliste;
    bool Sperrdruck = false;
    TLeerzeichen Leerzeichen;
    int MaxWortAnzahl = 0;
    int MinWortLen = 0;
    int MaxWortLen = 0;
    bool ZeigeNormaltext = false;
    int Wiederholungen = 0;
    int Zeitfaktor = 0;

    static constexpr TAufgabenTyp Typ() { return atVerstecktesWort; }
    void Assign(const TAT_VerstecktesWort_Settings &ARec) { *this = ARec; }
    void Clear() { *this = {}; }
    void SetStandard();
    bool SetData(const QString &S, QStringList *Notes = nullptr);
    void CreateLists(TDaten &Daten);
    // A new finding exercise (NewDatensatz: a new target, else a new line
    // for the target in ClickPos.Datensatz); its answer key goes to ClickPos.
    QString CreateText(TClickPos &ClickPos, bool NewDatensatz) const;
};

struct TAT_ZeichenFinden_Settings {
    QStringList Lernzeichendateien;
    TDatensatzDynArray Lernzeichenliste;
    QStringList Gelerntzeichendateien;
    TDatensatzDynArray Gelerntzeichenliste;
    TLeerzeichen Leerzeichen;
    int MaxLernzeichenAnzahl = 0;
    bool ZeigeNormaltext = false;
    int Wiederholungen = 0;
    int Zeitfaktor = 0;

    static constexpr TAufgabenTyp Typ() { return atZeichenFinden; }
    void Assign(const TAT_ZeichenFinden_Settings &ARec) { *this = ARec; }
    void Clear() { *this = {}; }
    void SetStandard();
    bool SetData(const QString &S, QStringList *Notes = nullptr);
    void CreateLists(TDaten &Daten);
    // A new finding exercise (NewDatensatz: a new target, else a new line
    // for the target in ClickPos.Datensatz); its answer key goes to ClickPos.
    QString CreateText(TClickPos &ClickPos, bool NewDatensatz) const;
};

struct TAT_WortFinden_Settings {
    QStringList Lernzeichendateien;
    TDatensatzDynArray Lernzeichenliste;
    QStringList Gelerntzeichendateien;
    TDatensatzDynArray Gelerntzeichenliste;
    QStringList Woerterdateien;
    TDatensatzDynArray WoerterlisteAlle;
    TDatensatzDynArray WoerterlisteLernen;
    bool Sperrdruck = false;
    TLeerzeichen Leerzeichen;
    int MaxWortAnzahl = 0;
    int MinWortLen = 0;
    int MaxWortLen = 0;
    bool ZeigeNormaltext = false;
    int Wiederholungen = 0;
    int Zeitfaktor = 0;

    static constexpr TAufgabenTyp Typ() { return atWortFinden; }
    void Assign(const TAT_WortFinden_Settings &ARec) { *this = ARec; }
    void Clear() { *this = {}; }
    void SetStandard();
    bool SetData(const QString &S, QStringList *Notes = nullptr);
    void CreateLists(TDaten &Daten);
    // A new finding exercise (NewDatensatz: a new target, else a new line
    // for the target in ClickPos.Datensatz); its answer key goes to ClickPos.
    QString CreateText(TClickPos &ClickPos, bool NewDatensatz) const;
};

struct TAT_ZeichenInWortFinden_Settings {
    QStringList Lernzeichendateien;
    TDatensatzDynArray Lernzeichenliste;
    QStringList Gelerntzeichendateien;
    TDatensatzDynArray Gelerntzeichenliste;
    QStringList Woerterdateien;
    TDatensatzDynArray WoerterlisteAlle;
    TDatensatzDynArray WoerterlisteLernen;
    int Leerzeichen = 0;
    int MaxWortAnzahl = 0;
    int MinWortLen = 0;
    int MaxWortLen = 0;
    bool ZeigeNormaltext = false;
    int Wiederholungen = 0;
    int Zeitfaktor = 0;

    static constexpr TAufgabenTyp Typ() { return atZeichenInWortFinden; }
    void Assign(const TAT_ZeichenInWortFinden_Settings &ARec) { *this = ARec; }
    void Clear() { *this = {}; }
    void SetStandard();
    bool SetData(const QString &S, QStringList *Notes = nullptr);
    void CreateLists(TDaten &Daten);
    // A new finding exercise (NewDatensatz: a new target, else a new line
    // for the target in ClickPos.Datensatz); its answer key goes to ClickPos.
    QString CreateText(TClickPos &ClickPos, bool NewDatensatz) const;
};

struct TAT_FigurFinden_Settings {
    QStringList Figurendateien;
    TDatensatzDynArray Figurenliste;
    int Leerzeichen = 0;
    int MaxFigurAnzahl = 0;
    int Wiederholungen = 0;
    int Zeitfaktor = 0;

    static constexpr TAufgabenTyp Typ() { return atFigurFinden; }
    void Assign(const TAT_FigurFinden_Settings &ARec) { *this = ARec; }
    void Clear() { *this = {}; }
    void SetStandard();
    bool SetData(const QString &S, QStringList *Notes = nullptr);
    void CreateLists(TDaten &Daten);
    // A new finding exercise (NewDatensatz: a new target, else a new line
    // for the target in ClickPos.Datensatz); its answer key goes to ClickPos.
    QString CreateText(TClickPos &ClickPos, bool NewDatensatz) const;
};

struct TAT_Fehlersuche_Settings {
    QStringList Fehlersuchedateien;
    TDatensatzDynArray Fehlersucheliste;
    int Wiederholungen = 0;
    int Zeitfaktor = 0;

    static constexpr TAufgabenTyp Typ() { return atFehlersuche; }
    void Assign(const TAT_Fehlersuche_Settings &ARec) { *this = ARec; }
    void Clear() { *this = {}; }
    void SetStandard();
    bool SetData(const QString &S, QStringList *Notes = nullptr);
    void CreateLists(TDaten &Daten);
    // A new exercise: the text to show (ending in CR LF); the task to
    // speak and where the cursor goes are left in ClickPos.
    QString CreateText(TClickPos &ClickPos) const;
};

struct TAT_ZeichenLesen_Settings {
    QStringList Lernzeichendateien;
    TDatensatzDynArray Lernzeichenliste;
    int Leerzeichen = 0; // -1: a random count for each item
    int Wiederholungen = 0;
    int Zeitfaktor = 0;

    static constexpr TAufgabenTyp Typ() { return atZeichenLesen; }
    void Assign(const TAT_ZeichenLesen_Settings &ARec) { *this = ARec; }
    void Clear() { *this = {}; }
    void SetStandard();
    bool SetData(const QString &S, QStringList *Notes = nullptr);
    void CreateLists(TDaten &Daten);
    // A new exercise: the text to show (ending in CR LF); the task to
    // speak and where the cursor goes are left in ClickPos.
    QString CreateText(TClickPos &ClickPos) const;
};

struct TAT_WortLesen_Settings {
    QStringList Lernzeichendateien;
    TDatensatzDynArray Lernzeichenliste;
    QStringList Gelerntzeichendateien;
    TDatensatzDynArray Gelerntzeichenliste;
    QStringList Woerterdateien;
    TDatensatzDynArray WoerterlisteAlle;
    TDatensatzDynArray WoerterlisteLernen;
    bool Sperrdruck = false;
    int Leerzeichen = 0; // -1: a random count for each item
    int MinWortLen = 0;
    int MaxWortLen = 0;
    int Wiederholungen = 0;
    int Zeitfaktor = 0;

    static constexpr TAufgabenTyp Typ() { return atWortLesen; }
    void Assign(const TAT_WortLesen_Settings &ARec) { *this = ARec; }
    void Clear() { *this = {}; }
    void SetStandard();
    bool SetData(const QString &S, QStringList *Notes = nullptr);
    void CreateLists(TDaten &Daten);
    // A new exercise: the text to show (ending in CR LF); the task to
    // speak and where the cursor goes are left in ClickPos.
    QString CreateText(TClickPos &ClickPos) const;
};

struct TAT_SatzLesen_Settings {
    QStringList Lernzeichendateien;
    TDatensatzDynArray Lernzeichenliste;
    QStringList Saetzedateien;
    TDatensatzDynArray Saetzeliste;
    bool CheckBraillezeilenbreite = false;
    int Wiederholungen = 0;
    int Zeitfaktor = 0;

    static constexpr TAufgabenTyp Typ() { return atSatzLesen; }
    void Assign(const TAT_SatzLesen_Settings &ARec) { *this = ARec; }
    void Clear() { *this = {}; }
    void SetStandard();
    bool SetData(const QString &S, QStringList *Notes = nullptr);
    void CreateLists(TDaten &Daten);
    // A new exercise: the text to show (ending in CR LF); the task to
    // speak and where the cursor goes are left in ClickPos.
    QString CreateText(TClickPos &ClickPos) const;
};

struct TAT_ZeichenTippen_Settings {
    QStringList Lernzeichendateien;
    TDatensatzDynArray Lernzeichenliste;
    int MaxLernzeichenAnzahl = 0;
    bool ZeigeNormaltext = false;
    int Wiederholungen = 0;
    int Zeitfaktor = 0;

    static constexpr TAufgabenTyp Typ() { return atZeichenTippen; }
    void Assign(const TAT_ZeichenTippen_Settings &ARec) { *this = ARec; }
    void Clear() { *this = {}; }
    void SetStandard();
    bool SetData(const QString &S, QStringList *Notes = nullptr);
    void CreateLists(TDaten &Daten);
    // A new typing exercise; its fields go to TippenPos.
    QString CreateText(TTippenPos &TippenPos) const;
};

struct TAT_WortTippen_Settings {
    QStringList Lernzeichendateien;
    TDatensatzDynArray Lernzeichenliste;
    QStringList Gelerntzeichendateien;
    TDatensatzDynArray Gelerntzeichenliste;
    QStringList Woerterdateien;
    TDatensatzDynArray WoerterlisteAlle;
    TDatensatzDynArray WoerterlisteLernen;
    int MaxWortAnzahl = 0;
    int MinWortLen = 0;
    int MaxWortLen = 0;
    bool ZeigeNormaltext = false;
    int Wiederholungen = 0;
    int Zeitfaktor = 0;

    static constexpr TAufgabenTyp Typ() { return atWortTippen; }
    void Assign(const TAT_WortTippen_Settings &ARec) { *this = ARec; }
    void Clear() { *this = {}; }
    void SetStandard();
    bool SetData(const QString &S, QStringList *Notes = nullptr);
    void CreateLists(TDaten &Daten);
    // A new typing exercise; its fields go to TippenPos.
    QString CreateText(TTippenPos &TippenPos) const;
};

struct TAT_SatzTippen_Settings {
    QStringList Lernzeichendateien;
    TDatensatzDynArray Lernzeichenliste;
    QStringList Saetzedateien;
    TDatensatzDynArray Saetzeliste;
    bool CheckBraillezeilenbreite = false;
    bool ZeigeNormaltext = false;
    int Wiederholungen = 0;
    int Zeitfaktor = 0;

    static constexpr TAufgabenTyp Typ() { return atSatzTippen; }
    void Assign(const TAT_SatzTippen_Settings &ARec) { *this = ARec; }
    void Clear() { *this = {}; }
    void SetStandard();
    bool SetData(const QString &S, QStringList *Notes = nullptr);
    void CreateLists(TDaten &Daten);
    // A new typing exercise; its fields go to TippenPos.
    QString CreateText(TTippenPos &TippenPos) const;
};

struct TAT_Brueckenwoerter_Settings {
    QStringList Brueckenwoerterdateien;
    TDatensatzDynArray Brueckenwoerterliste;
    int Wiederholungen = 0;
    int Zeitfaktor = 0;

    static constexpr TAufgabenTyp Typ() { return atBrueckenwoerter; }
    void Assign(const TAT_Brueckenwoerter_Settings &ARec) { *this = ARec; }
    void Clear() { *this = {}; }
    void SetStandard();
    bool SetData(const QString &S, QStringList *Notes = nullptr);
    void CreateLists(TDaten &Daten);
    // A new typing exercise; its fields go to TippenPos.
    QString CreateText(TTippenPos &TippenPos) const;
};

struct TAT_Lueckentext_Settings {
    QStringList Lueckentextdateien;
    TDatensatzDynArray Lueckentextliste;
    int Wiederholungen = 0;
    int Zeitfaktor = 0;

    static constexpr TAufgabenTyp Typ() { return atLueckentext; }
    void Assign(const TAT_Lueckentext_Settings &ARec) { *this = ARec; }
    void Clear() { *this = {}; }
    void SetStandard();
    bool SetData(const QString &S, QStringList *Notes = nullptr);
    void CreateLists(TDaten &Daten);
    // A new typing exercise; its fields go to TippenPos.
    QString CreateText(TTippenPos &TippenPos) const;
};

// The eighteen records of a lesson, in task-type order, with dispatch by
// task type.
struct TAufgabenTypSettings {
    TAT_Text_Settings FAT_Text_Settings;
    TAT_Schnellkurs_Settings FAT_Schnellkurs_Settings;
    TAT_BuchstabenLernen_Settings FAT_BuchstabenLernen_Settings;
    TAT_VerstecktesZeichen_Settings FAT_VerstecktesZeichen_Settings;
    TAT_VerstecktesWort_Settings FAT_VerstecktesWort_Settings;
    TAT_ZeichenFinden_Settings FAT_ZeichenFinden_Settings;
    TAT_WortFinden_Settings FAT_WortFinden_Settings;
    TAT_ZeichenInWortFinden_Settings FAT_ZeichenInWortFinden_Settings;
    TAT_FigurFinden_Settings FAT_FigurFinden_Settings;
    TAT_Fehlersuche_Settings FAT_Fehlersuche_Settings;
    TAT_ZeichenLesen_Settings FAT_ZeichenLesen_Settings;
    TAT_WortLesen_Settings FAT_WortLesen_Settings;
    TAT_SatzLesen_Settings FAT_SatzLesen_Settings;
    TAT_ZeichenTippen_Settings FAT_ZeichenTippen_Settings;
    TAT_WortTippen_Settings FAT_WortTippen_Settings;
    TAT_SatzTippen_Settings FAT_SatzTippen_Settings;
    TAT_Brueckenwoerter_Settings FAT_Brueckenwoerter_Settings;
    TAT_Lueckentext_Settings FAT_Lueckentext_Settings;

    // Calls F with the record of a task type; false (F not called) for types
    // without a record.
    template<typename F>
    bool Visit(TAufgabenTyp Typ, F &&Fn);
    template<typename F>
    bool Visit(TAufgabenTyp Typ, F &&Fn) const;

    void SetStandard();
    bool SetData(TAufgabenTyp Typ, const QString &S, QStringList *Notes = nullptr);
    // Fills the lists of the record of Typ; nothing for types without lists.
    void CreateLists(TAufgabenTyp Typ, TDaten &Daten);
    // 1 and 0 for types without a record.
    int Wiederholungen(TAufgabenTyp Typ) const;
    int Zeitfaktor(TAufgabenTyp Typ) const;
};

template<typename F>
bool TAufgabenTypSettings::Visit(TAufgabenTyp Typ, F &&Fn)
{
    switch (Typ) {
    case atText: Fn(FAT_Text_Settings); return true;
    case atSchnellkurs: Fn(FAT_Schnellkurs_Settings); return true;
    case atBuchstabenLernen: Fn(FAT_BuchstabenLernen_Settings); return true;
    case atVerstecktesZeichen: Fn(FAT_VerstecktesZeichen_Settings); return true;
    case atVerstecktesWort: Fn(FAT_VerstecktesWort_Settings); return true;
    case atZeichenFinden: Fn(FAT_ZeichenFinden_Settings); return true;
    case atWortFinden: Fn(FAT_WortFinden_Settings); return true;
    case atZeichenInWortFinden: Fn(FAT_ZeichenInWortFinden_Settings); return true;
    case atFigurFinden: Fn(FAT_FigurFinden_Settings); return true;
    case atFehlersuche: Fn(FAT_Fehlersuche_Settings); return true;
    case atZeichenLesen: Fn(FAT_ZeichenLesen_Settings); return true;
    case atWortLesen: Fn(FAT_WortLesen_Settings); return true;
    case atSatzLesen: Fn(FAT_SatzLesen_Settings); return true;
    case atZeichenTippen: Fn(FAT_ZeichenTippen_Settings); return true;
    case atWortTippen: Fn(FAT_WortTippen_Settings); return true;
    case atSatzTippen: Fn(FAT_SatzTippen_Settings); return true;
    case atBrueckenwoerter: Fn(FAT_Brueckenwoerter_Settings); return true;
    case atLueckentext: Fn(FAT_Lueckentext_Settings); return true;
    default: return false;
    }
}

template<typename F>
bool TAufgabenTypSettings::Visit(TAufgabenTyp Typ, F &&Fn) const
{
    return const_cast<TAufgabenTypSettings *>(this)->Visit(Typ, [&Fn](const auto &Rec) { Fn(Rec); });
}
