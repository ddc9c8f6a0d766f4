#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

// Task types: atText .. atLueckentext run as lessons; at1A .. at4K are
// catalogue entries only.
enum TAufgabenTyp : int {
    atNone,
    atText,
    atSchnellkurs,
    atBuchstabenLernen,
    atVerstecktesZeichen,
    atVerstecktesWort,
    atZeichenFinden,
    atWortFinden,
    atZeichenInWortFinden,
    atFigurFinden,
    atFehlersuche,
    atZeichenLesen,
    atWortLesen,
    atSatzLesen,
    atZeichenTippen,
    atWortTippen,
    atSatzTippen,
    atBrueckenwoerter,
    atLueckentext,
    at1A, at1B,
    at2A, at2B, at2C, at2D, at2E, at2F, at2G, at2H, at2I,
    at3A, at3B, at3C, at3D, at3E, at3F,
    at4A, at4B, at4C, at4D, at4E, at4F, at4G, at4H, at4I, at4J, at4K,
};
constexpr int AufgabenTypCount = at4K + 1;

// Kinds of data files.
enum TDatendateiTyp : int {
    dtNone,
    dtBrueckenwoerter,
    dtFehlersuche,
    dtFigurenliste,
    dtLernzeichen,
    dtLueckentext,
    dtSaetzeliste,
    dtWoerterliste,
};
constexpr int DatendateiTypCount = dtWoerterliste + 1;

// The fixed key strings (used in the type files, lesson files and data-file
// headers) and the default titles.
QString AufgabenTypKey(TAufgabenTyp Typ);
QString AufgabenTypDefaultTitel(TAufgabenTyp Typ);
QString DatendateiTypKey(TDatendateiTyp Typ);
QString DatendateiTypDefaultTitel(TDatendateiTyp Typ);
// The type whose key equals S without regard to case; atNone / dtNone when
// none does. Works from the fixed keys, whether or not the type files loaded.
TAufgabenTyp AufgabenTypFromKey(const QString &S);
TDatendateiTyp DatendateiTypFromKey(const QString &S);

struct TTypAufgabenTyp {
    TAufgabenTyp Typ = atNone;
    QString TypStr;
    QString Kategorie;
    QString Titel;
    QString Beschreibung;

    using Enum = TAufgabenTyp;
    static constexpr int EnumCount = AufgabenTypCount;
    static constexpr const char *FileName = "Aufgabentypen.txt";
    static QString KeyOf(TAufgabenTyp ATyp) { return AufgabenTypKey(ATyp); }
    void SetData(TAufgabenTyp ATyp, const QString &S);
};

struct TTypDatendateiTyp {
    TDatendateiTyp Typ = dtNone;
    QString TypStr;
    QString Titel;
    QString Beschreibung;

    using Enum = TDatendateiTyp;
    static constexpr int EnumCount = DatendateiTypCount;
    static constexpr const char *FileName = "Datendateitypen.txt";
    static QString KeyOf(TDatendateiTyp ATyp) { return DatendateiTypKey(ATyp); }
    void SetData(TDatendateiTyp ATyp, const QString &S);
};

// The list of one kind of type with its titles and descriptions, read from
// its type file in the data folder. After loading it holds one record per
// type, in type order.
template<typename T>
class TTypen
{
public:
    // The type file in the data folder.
    explicit TTypen(QObject *AHnd = nullptr);
    TTypen(QObject *AHnd, const QString &AFilename);

    bool LoadFile();
    int Count() const { return int(FList.size()); }
    // An empty record when Index is out of range.
    T Get(int Index) const;
    // Index of the first record whose key equals S without regard to case;
    // 0 when S is empty or nothing matches.
    int IsValidIndex(const QString &S) const;
    QString Filename() const { return FFilename; }

    QString LastErrorString;

private:
    void FillList(const QStringList *Lines);

    [[maybe_unused]] QObject *FMainWindowHandle;
    QString FFilename;
    QList<T> FList;
};

using TAufgabenTypen = TTypen<TTypAufgabenTyp>;
using TDatendateiTypen = TTypen<TTypDatendateiTyp>;

extern template class TTypen<TTypAufgabenTyp>;
extern template class TTypen<TTypDatendateiTyp>;

// The process-wide type lists, installed by their owner; null when none.
extern TAufgabenTypen *AufgabenTypen;
extern TDatendateiTypen *DatendateiTypen;
