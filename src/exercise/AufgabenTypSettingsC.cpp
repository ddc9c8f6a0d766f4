#include "exercise/AufgabenTypSettingsC.h"

#include "app/SettingsC.h"
#include "braille/BrlUniCharC.h"
#include "content/DatenC.h"
#include "content/RandomC.h"
#include "exercise/ClickPosC.h"
#include "exercise/DatenPartsC.h"
#include "exercise/TippenPosC.h"
#include "run/SpeakTextLinesC.h"
#include "content/GlobalsC.h"
#include "content/TextFileC.h"
#include "log/LogC.h"

#include <QHash>

QString SectionName(TAufgabenTyp Typ)
{
    // The task types' key strings double as their section names.
    return AufgabenTypKey(Typ);
}

namespace {

// One line of a type section, tried against the keys of a record in field
// order: each key function returns true when the line is its key's line and
// sets the field, so a chain "K.A(..) || K.B(..) || K.Unknown()" stops at the
// first key that takes the line.
class TKeyLine
{
public:
    TKeyLine(const QString &S, QStringList *Notes)
        : FLine(S)
        , FNotes(Notes)
    {
    }

    bool FileList(QStringView Key, QStringList &Field)
    {
        QString V;
        if (!Value(Key, -1, V))
            return false;
        Field.clear();
        if (!V.contains(TDatensatz::Separator)) {
            if (!V.isEmpty())
                Field.append(V);
            return true;
        }
        for (const QString &Part : V.split(TDatensatz::Separator)) {
            const QString Name = TrimCtl(Part);
            if (!Name.isEmpty())
                Field.append(Name);
        }
        return true;
    }

    bool Bool(QStringView Key, bool &Field)
    {
        QString V;
        if (!Value(Key, 1, V))
            return false;
        Field = V == u"1";
        return true;
    }

    bool Number(QStringView Key, int Width, int Default, int Lo, int Hi, int &Field)
    {
        QString V;
        if (!Value(Key, Width, V))
            return false;
        bool Ok = false;
        const int N = V.toInt(&Ok, 10);
        Field = Ok ? qBound(Lo, N, Hi) : Default;
        if (FNotes) {
            const QString Written = TrimCtl(FLine.mid(Key.size() + 1));
            if (!Ok)
                FNotes->append(QStringLiteral("\"%1\" ist keine Zahl, es gilt %2").arg(FLine, QString::number(Field)));
            else if (Field != N)
                FNotes->append(QStringLiteral("\"%1\" liegt außerhalb von %2 bis %3, es gilt %4")
                                   .arg(FLine, QString::number(Lo), QString::number(Hi), QString::number(Field)));
            else if (Written != V)
                FNotes->append(QStringLiteral("\"%1\" wird nur als \"%2\" gelesen, es gilt %3")
                                   .arg(FLine, V, QString::number(Field)));
        }
        return true;
    }

    bool Wiederholungen(int &Field) { return Number(u"Wiederholungen", 2, 1, 1, 99, Field); }
    bool Zeitfaktor(int &Field) { return Number(u"Zeitfaktor", 3, 0, 0, 300, Field); }
    bool MaxCount(QStringView Key, int &Field) { return Number(Key, 2, 3, 1, 9, Field); }
    bool MinWortLen(int &Field) { return Number(u"MinWortLen", 1, 2, 2, 9, Field); }
    bool MaxWortLen(int &Field) { return Number(u"MaxWortLen", 2, 9, 2, 15, Field); }
    bool SpaceCount(int &Field) { return Number(u"Leerzeichen", 1, 3, 1, 3, Field); }
    bool SpaceCountWithRandom(int &Field) { return Number(u"Leerzeichen", 2, 3, -1, 3, Field); }

    bool SpaceRule(TLeerzeichen &Field)
    {
        QString V;
        if (!Value(u"Leerzeichen", 3, V))
            return false;
        Field.SetData(V);
        if (FNotes && TrimCtl(FLine.mid(12)) != V)
            FNotes->append(QStringLiteral("\"%1\" wird nur als \"%2\" gelesen").arg(FLine, V));
        return true;
    }

    bool Trennzeichen(QString &Field, TDatensatzDynArray &List)
    {
        QString V;
        if (!Value(u"Trennzeichen", -1, V))
            return false;
        SetTrennzeichen(V, Field, List);
        return true;
    }

    bool Text(QString &Field)
    {
        QString V;
        if (!Value(u"Text", -1, V))
            return false;
        Field = ConvertLineBreaks(V);
        return true;
    }

    static void SetTrennzeichen(const QString &V, QString &Field, TDatensatzDynArray &List)
    {
        Field = V.isEmpty() ? QStringLiteral("%") : V;
        List.clear();
        for (QChar C : Field) {
            TDatensatz D;
            D.SetData(C);
            List.append(D);
        }
    }

    // Ends a record's chain of keys: the line was none of them.
    bool Unknown() const
    {
        if (!FLine.isEmpty() && !FLine.startsWith(u'['))
            LogAdd(QStringLiteral("Unbekannter Eintrag in Lektionsdatei: \"%1\"").arg(FLine));
        return false;
    }

private:
    // True when the line is this key's line; V then holds the value cut to
    // Width (-1: the whole rest), trimmed.
    bool Value(QStringView Key, int Width, QString &V)
    {
        if (!FLine.startsWith(Key) || FLine.size() <= Key.size() || FLine[Key.size()] != u'=')
            return false;
        const QString Rest = FLine.mid(Key.size() + 1);
        V = TrimCtl(Width < 0 ? Rest : Rest.left(Width));
        return true;
    }

    const QString &FLine;
    QStringList *FNotes;
};

void Standard(TLeerzeichen &L) { L = TLeerzeichen::Create(ltAlways, 3); }

// The standard file lists and the standard filler, made once and shared by
// every lesson (every lesson sets all eighteen records to standard twice).
QStringList DefaultFiles(QStringView Name)
{
    static QHash<QString, QStringList> Lists = [] {
        QHash<QString, QStringList> L;
        for (const char16_t *N : {u"Lernzeichen.txt", u"Woerterliste.txt", u"Figurenliste.txt", u"Fehlersuche.txt",
                                  u"Saetzeliste.txt", u"Brueckenwoerter.txt", u"Lueckentext.txt"})
            L.insert(QString::fromUtf16(N), QStringList{QString::fromUtf16(N)});
        return L;
    }();
    return Lists.value(Name.toString());
}

void StandardTrennzeichen(QString &Field, TDatensatzDynArray &List)
{
    static const std::pair<QString, TDatensatzDynArray> Standard = [] {
        std::pair<QString, TDatensatzDynArray> P;
        TKeyLine::SetTrennzeichen(QString(), P.first, P.second);
        return P;
    }();
    Field = Standard.first;
    List = Standard.second;
}

// --- lists ---------------------------------------------------------------

TDatensatzDynArray LoadList(TDaten &Daten, const QStringList &Names, TDatendateiTyp Typ)
{
    return Daten.FusioniereDatendateien(Names, TDatendateiTypSet{Typ});
}

// The distinct characters that are the whole braille form of a record, in
// order. With StopAtLonger, the walk ends at the first record whose braille
// form is not a single character.
QString SingleCharacters(const TDatensatzDynArray &List, bool StopAtLonger, QString Result = QString())
{
    for (const TDatensatz &D : List) {
        if (IsProgramClosing)
            break;
        if (D.Brl.size() != 1) {
            if (StopAtLonger)
                break;
            continue;
        }
        if (!Result.contains(D.Brl[0]))
            Result += D.Brl[0];
    }
    return Result;
}

// A set of characters for the tests every word of a list goes through.
class TCharSet
{
public:
    explicit TCharSet(const QString &Characters)
    {
        for (QChar C : Characters) {
            if (C.unicode() < 256)
                FLatin1[C.unicode() >> 6] |= quint64(1) << (C.unicode() & 63);
            else
                FOthers += C;
        }
    }
    bool Contains(QChar C) const
    {
        if (C.unicode() < 256)
            return (FLatin1[C.unicode() >> 6] >> (C.unicode() & 63)) & 1;
        return FOthers.contains(C);
    }
    bool ContainsAll(const QString &S) const
    {
        for (QChar C : S)
            if (!Contains(C))
                return false;
        return true;
    }
    bool ContainsAny(const QString &S) const
    {
        for (QChar C : S)
            if (Contains(C))
                return true;
        return false;
    }

private:
    quint64 FLatin1[4] = {0, 0, 0, 0};
    QString FOthers;
};

struct TWordLists {
    TDatensatzDynArray Alle;
    TDatensatzDynArray Lernen;
};

// The words of the files that can be written with the known characters and
// lie within the length bounds, and among them those with a learning
// character.
TWordLists SelectWords(TDaten &Daten, const QStringList &Woerterdateien, const TDatensatzDynArray &Lernzeichen,
                       const TDatensatzDynArray &Gelerntzeichen, int MinWortLen, int MaxWortLen)
{
    TWordLists Result;
    const QString Known = SingleCharacters(Gelerntzeichen, false, SingleCharacters(Lernzeichen, false));
    const TCharSet KnownSet(Known);
    // Walks the word lists in place: only the words taken are copied.
    Daten.ForEachDatensatz(Woerterdateien, {dtWoerterliste}, [&](const TDatensatz &W) {
        if (!Known.isEmpty() && !IsProgramClosing && W.Brl.size() >= MinWortLen && W.Brl.size() <= MaxWortLen
            && KnownSet.ContainsAll(W.Brl))
            Result.Alle.append(W);
    });
    if (Known.isEmpty() || IsProgramClosing)
        return Result;
    if (Lernzeichen.isEmpty()) {
        Result.Lernen = Result.Alle;
        return Result;
    }
    const TCharSet Learning(SingleCharacters(Lernzeichen, true));
    for (const TDatensatz &W : std::as_const(Result.Alle)) {
        if (IsProgramClosing)
            return Result;
        if (Learning.ContainsAny(W.Brl))
            Result.Lernen.append(W);
    }
    if (Result.Lernen.isEmpty())
        Result.Lernen = Result.Alle;
    return Result;
}

// The signs German braille writes in front of a word: the number sign and
// the capital sign (twice for a word in capitals).
bool IsSignInFront(QChar C)
{
    return C == u'#' || C == u'$';
}

// A new position list of the characters that occur in the word. The places
// are those a learner means: the first letter or digit after the signs in
// front is at the beginning (2 in "#29"), and a sign in front is itself at
// the beginning.
TZeichenInWortPos Positions(const QString &Brl, const QString &Characters)
{
    qsizetype Front = 0;
    while (Front < Brl.size() - 1 && IsSignInFront(Brl[Front]))
        ++Front;
    const QString Word = Brl.mid(Front);
    const QStringView Signs = QStringView(Brl).left(Front);
    TZeichenInWortPos P;
    for (QChar C : Characters) {
        const qsizetype First = FindChar(Word, C);
        TZeichenInWortPosSet Flags;
        if (First >= 0)
            Flags = TZeichenInWortPos::CreateFlags(int(First) + 1, C, Word);
        if (Signs.contains(C))
            Flags.Include(ziwpBegin);
        if (!Flags.IsEmpty())
            P.Add(C, Flags);
    }
    return P;
}

TWordLists SelectWordsWithPositions(TDaten &Daten, const QStringList &Woerterdateien,
                                    const TDatensatzDynArray &Lernzeichen, const TDatensatzDynArray &Gelerntzeichen,
                                    int MinWortLen, int MaxWortLen)
{
    TWordLists Result;
    const QString Known = SingleCharacters(Gelerntzeichen, false, SingleCharacters(Lernzeichen, false));
    const TCharSet KnownSet(Known);
    Daten.ForEachDatensatz(Woerterdateien, {dtWoerterliste}, [&](const TDatensatz &W) {
        if (Known.isEmpty() || IsProgramClosing || W.Brl.size() < MinWortLen || W.Brl.size() > MaxWortLen
            || !KnownSet.ContainsAll(W.Brl))
            return;
        TDatensatz D = W;
        D.FZeichenInWortPos = Positions(W.Brl, Known);
        if (D.FZeichenInWortPos.Count() > 0)
            Result.Alle.append(D);
    });
    if (Known.isEmpty() || IsProgramClosing)
        return Result;
    if (Lernzeichen.isEmpty())
        return Result;
    const QString Learning = SingleCharacters(Lernzeichen, true);
    for (const TDatensatz &W : std::as_const(Result.Alle)) {
        if (IsProgramClosing)
            return Result;
        TDatensatz D = W;
        D.FZeichenInWortPos = Positions(W.Brl, Learning);
        if (D.FZeichenInWortPos.Count() > 0)
            Result.Lernen.append(D);
    }
    return Result;
}

// Sentences with at least one learning character and no more unlearned
// characters than learning ones (spaces not counted).
TDatensatzDynArray SelectSentences(TDaten &Daten, const QStringList &Saetzedateien,
                                   const TDatensatzDynArray &Lernzeichen)
{
    const TDatensatzDynArray Sentences = LoadList(Daten, Saetzedateien, dtSaetzeliste);
    const QString LearningCharacters = SingleCharacters(Lernzeichen, false);
    if (LearningCharacters.isEmpty() || Sentences.isEmpty())
        return Sentences;
    const TCharSet Learning(LearningCharacters);
    TDatensatzDynArray Result;
    for (const TDatensatz &S : Sentences) {
        if (IsProgramClosing)
            break;
        int KnownCount = 0;
        int Unlearned = 0;
        for (QChar C : S.Brl) {
            if (C == u' ')
                continue;
            if (Learning.Contains(C))
                ++KnownCount;
            else
                ++Unlearned;
        }
        if (KnownCount > 0 && KnownCount >= Unlearned)
            Result.append(S);
    }
    return Result;
}

// The lists of the records that draw words from the characters learned.
template<typename R>
void CreateWordLists(R &Rec, TDaten &Daten)
{
    Rec.Lernzeichenliste = LoadList(Daten, Rec.Lernzeichendateien, dtLernzeichen);
    Rec.Gelerntzeichenliste = LoadList(Daten, Rec.Gelerntzeichendateien, dtLernzeichen);
    TWordLists W = SelectWords(Daten, Rec.Woerterdateien, Rec.Lernzeichenliste, Rec.Gelerntzeichenliste,
                               Rec.MinWortLen, Rec.MaxWortLen);
    Rec.WoerterlisteAlle = std::move(W.Alle);
    Rec.WoerterlisteLernen = std::move(W.Lernen);
}

} // namespace

// --- the records ---------------------------------------------------------

bool TAT_Text_Settings::SetData(const QString &S, QStringList *Notes)
{
    TKeyLine K(S, Notes);
    return K.Text(Text) || K.Unknown();
}

void TAT_Schnellkurs_Settings::SetStandard()
{
    Clear();
    Lernzeichendateien = DefaultFiles(u"Lernzeichen.txt");
    Datenzufall = false;
    Wiederholungen = 1;
}

bool TAT_Schnellkurs_Settings::SetData(const QString &S, QStringList *Notes)
{
    TKeyLine K(S, Notes);
    return K.FileList(u"Lernzeichendateien", Lernzeichendateien) || K.Bool(u"Datenzufall", Datenzufall)
           || K.Wiederholungen(Wiederholungen) || K.Unknown();
}

void TAT_Schnellkurs_Settings::CreateLists(TDaten &Daten)
{
    Lernzeichenliste = LoadList(Daten, Lernzeichendateien, dtLernzeichen);
}

void TAT_BuchstabenLernen_Settings::SetStandard()
{
    Clear();
    Woerterdateien = DefaultFiles(u"Woerterliste.txt");
    Datenzufall = true;
    Leerzeichen = 3;
    MaxWortAnzahl = 3;
    MinWortLen = 2;
    MaxWortLen = 9;
    Wiederholungen = 1;
}

bool TAT_BuchstabenLernen_Settings::SetData(const QString &S, QStringList *Notes)
{
    TKeyLine K(S, Notes);
    return K.FileList(u"Lernzeichendateien", Lernzeichendateien)
           || K.FileList(u"Gelerntzeichendateien", Gelerntzeichendateien)
           || K.FileList(u"Woerterdateien", Woerterdateien) || K.Bool(u"Datenzufall", Datenzufall)
           || K.SpaceCount(Leerzeichen) || K.MaxCount(u"MaxWortAnzahl", MaxWortAnzahl)
           || K.MinWortLen(MinWortLen) || K.MaxWortLen(MaxWortLen) || K.Wiederholungen(Wiederholungen)
           || K.Unknown();
}

void TAT_BuchstabenLernen_Settings::CreateLists(TDaten &Daten)
{
    CreateWordLists(*this, Daten);
}

void TAT_VerstecktesZeichen_Settings::SetStandard()
{
    Clear();
    StandardTrennzeichen(Trennzeichen, Trennzeichenliste);
    Standard(Leerzeichen);
    MaxLernzeichenAnzahl = 3;
    ZeigeNormaltext = false;
    Wiederholungen = 1;
    Zeitfaktor = 0;
}

bool TAT_VerstecktesZeichen_Settings::SetData(const QString &S, QStringList *Notes)
{
    TKeyLine K(S, Notes);
    return K.FileList(u"Lernzeichendateien", Lernzeichendateien)
           || K.Trennzeichen(Trennzeichen, Trennzeichenliste) || K.SpaceRule(Leerzeichen)
           || K.MaxCount(u"MaxLernzeichenAnzahl", MaxLernzeichenAnzahl)
           || K.Bool(u"ZeigeNormaltext", ZeigeNormaltext) || K.Wiederholungen(Wiederholungen)
           || K.Zeitfaktor(Zeitfaktor) || K.Unknown();
}

void TAT_VerstecktesZeichen_Settings::CreateLists(TDaten &Daten)
{
    Lernzeichenliste = LoadList(Daten, Lernzeichendateien, dtLernzeichen);
}

void TAT_VerstecktesWort_Settings::SetStandard()
{
    Clear();
    Woerterdateien = DefaultFiles(u"Woerterliste.txt");
    StandardTrennzeichen(Trennzeichen, Trennzeichenliste);
    Sperrdruck = false;
    Standard(Leerzeichen);
    MaxWortAnzahl = 3;
    MinWortLen = 2;
    MaxWortLen = 9;
    ZeigeNormaltext = false;
    Wiederholungen = 1;
    Zeitfaktor = 0;
}

bool TAT_VerstecktesWort_Settings::SetData(const QString &S, QStringList *Notes)
{
    TKeyLine K(S, Notes);
    return K.FileList(u"Lernzeichendateien", Lernzeichendateien)
           || K.FileList(u"Gelerntzeichendateien", Gelerntzeichendateien)
           || K.FileList(u"Woerterdateien", Woerterdateien)
           || K.Trennzeichen(Trennzeichen, Trennzeichenliste) || K.Bool(u"Sperrdruck", Sperrdruck)
           || K.SpaceRule(Leerzeichen) || K.MaxCount(u"MaxWortAnzahl", MaxWortAnzahl)
           || K.MinWortLen(MinWortLen) || K.MaxWortLen(MaxWortLen)
           || K.Bool(u"ZeigeNormaltext", ZeigeNormaltext) || K.Wiederholungen(Wiederholungen)
           || K.Zeitfaktor(Zeitfaktor) || K.Unknown();
}

void TAT_VerstecktesWort_Settings::CreateLists(TDaten &Daten)
{
    CreateWordLists(*this, Daten);
}

void TAT_ZeichenFinden_Settings::SetStandard()
{
    Clear();
    Standard(Leerzeichen);
    MaxLernzeichenAnzahl = 3;
    ZeigeNormaltext = false;
    Wiederholungen = 1;
    Zeitfaktor = 0;
}

bool TAT_ZeichenFinden_Settings::SetData(const QString &S, QStringList *Notes)
{
    TKeyLine K(S, Notes);
    return K.FileList(u"Lernzeichendateien", Lernzeichendateien)
           || K.FileList(u"Gelerntzeichendateien", Gelerntzeichendateien) || K.SpaceRule(Leerzeichen)
           || K.MaxCount(u"MaxLernzeichenAnzahl", MaxLernzeichenAnzahl)
           || K.Bool(u"ZeigeNormaltext", ZeigeNormaltext) || K.Wiederholungen(Wiederholungen)
           || K.Zeitfaktor(Zeitfaktor) || K.Unknown();
}

void TAT_ZeichenFinden_Settings::CreateLists(TDaten &Daten)
{
    Lernzeichenliste = LoadList(Daten, Lernzeichendateien, dtLernzeichen);
    Gelerntzeichenliste = LoadList(Daten, Gelerntzeichendateien, dtLernzeichen);
}

void TAT_WortFinden_Settings::SetStandard()
{
    Clear();
    Woerterdateien = DefaultFiles(u"Woerterliste.txt");
    Sperrdruck = false;
    Standard(Leerzeichen);
    MaxWortAnzahl = 3;
    MinWortLen = 2;
    MaxWortLen = 9;
    ZeigeNormaltext = false;
    Wiederholungen = 1;
    Zeitfaktor = 0;
}

bool TAT_WortFinden_Settings::SetData(const QString &S, QStringList *Notes)
{
    TKeyLine K(S, Notes);
    return K.FileList(u"Lernzeichendateien", Lernzeichendateien)
           || K.FileList(u"Gelerntzeichendateien", Gelerntzeichendateien)
           || K.FileList(u"Woerterdateien", Woerterdateien) || K.Bool(u"Sperrdruck", Sperrdruck)
           || K.SpaceRule(Leerzeichen) || K.MaxCount(u"MaxWortAnzahl", MaxWortAnzahl)
           || K.MinWortLen(MinWortLen) || K.MaxWortLen(MaxWortLen)
           || K.Bool(u"ZeigeNormaltext", ZeigeNormaltext) || K.Wiederholungen(Wiederholungen)
           || K.Zeitfaktor(Zeitfaktor) || K.Unknown();
}

void TAT_WortFinden_Settings::CreateLists(TDaten &Daten)
{
    CreateWordLists(*this, Daten);
}

void TAT_ZeichenInWortFinden_Settings::SetStandard()
{
    Clear();
    Woerterdateien = DefaultFiles(u"Woerterliste.txt");
    Leerzeichen = 3;
    MaxWortAnzahl = 3;
    MinWortLen = 2;
    MaxWortLen = 9;
    ZeigeNormaltext = false;
    Wiederholungen = 1;
    Zeitfaktor = 0;
}

bool TAT_ZeichenInWortFinden_Settings::SetData(const QString &S, QStringList *Notes)
{
    TKeyLine K(S, Notes);
    return K.FileList(u"Lernzeichendateien", Lernzeichendateien)
           || K.FileList(u"Gelerntzeichendateien", Gelerntzeichendateien)
           || K.FileList(u"Woerterdateien", Woerterdateien) || K.SpaceCount(Leerzeichen)
           || K.MaxCount(u"MaxWortAnzahl", MaxWortAnzahl) || K.MinWortLen(MinWortLen)
           || K.MaxWortLen(MaxWortLen) || K.Bool(u"ZeigeNormaltext", ZeigeNormaltext)
           || K.Wiederholungen(Wiederholungen) || K.Zeitfaktor(Zeitfaktor) || K.Unknown();
}

void TAT_ZeichenInWortFinden_Settings::CreateLists(TDaten &Daten)
{
    Lernzeichenliste = LoadList(Daten, Lernzeichendateien, dtLernzeichen);
    Gelerntzeichenliste = LoadList(Daten, Gelerntzeichendateien, dtLernzeichen);
    TWordLists W = SelectWordsWithPositions(Daten, Woerterdateien, Lernzeichenliste, Gelerntzeichenliste, MinWortLen,
                                            MaxWortLen);
    WoerterlisteAlle = std::move(W.Alle);
    WoerterlisteLernen = std::move(W.Lernen);
}

void TAT_FigurFinden_Settings::SetStandard()
{
    Clear();
    Figurendateien = DefaultFiles(u"Figurenliste.txt");
    Leerzeichen = 3;
    MaxFigurAnzahl = 3;
    Wiederholungen = 1;
    Zeitfaktor = 0;
}

bool TAT_FigurFinden_Settings::SetData(const QString &S, QStringList *Notes)
{
    TKeyLine K(S, Notes);
    return K.FileList(u"Figurendateien", Figurendateien) || K.SpaceCount(Leerzeichen)
           || K.MaxCount(u"MaxFigurAnzahl", MaxFigurAnzahl) || K.Wiederholungen(Wiederholungen)
           || K.Zeitfaktor(Zeitfaktor) || K.Unknown();
}

void TAT_FigurFinden_Settings::CreateLists(TDaten &Daten)
{
    Figurenliste = LoadList(Daten, Figurendateien, dtFigurenliste);
}

void TAT_Fehlersuche_Settings::SetStandard()
{
    Clear();
    Fehlersuchedateien = DefaultFiles(u"Fehlersuche.txt");
    Wiederholungen = 10;
    Zeitfaktor = 0;
}

bool TAT_Fehlersuche_Settings::SetData(const QString &S, QStringList *Notes)
{
    TKeyLine K(S, Notes);
    return K.FileList(u"Fehlersuchedateien", Fehlersuchedateien) || K.Wiederholungen(Wiederholungen)
           || K.Zeitfaktor(Zeitfaktor) || K.Unknown();
}

void TAT_Fehlersuche_Settings::CreateLists(TDaten &Daten)
{
    Fehlersucheliste = LoadList(Daten, Fehlersuchedateien, dtFehlersuche);
}

void TAT_ZeichenLesen_Settings::SetStandard()
{
    Clear();
    Lernzeichendateien = DefaultFiles(u"Lernzeichen.txt");
    Leerzeichen = 3;
    Wiederholungen = 1;
    Zeitfaktor = 0;
}

bool TAT_ZeichenLesen_Settings::SetData(const QString &S, QStringList *Notes)
{
    TKeyLine K(S, Notes);
    return K.FileList(u"Lernzeichendateien", Lernzeichendateien) || K.SpaceCountWithRandom(Leerzeichen)
           || K.Wiederholungen(Wiederholungen) || K.Zeitfaktor(Zeitfaktor) || K.Unknown();
}

void TAT_ZeichenLesen_Settings::CreateLists(TDaten &Daten)
{
    Lernzeichenliste = LoadList(Daten, Lernzeichendateien, dtLernzeichen);
}

void TAT_WortLesen_Settings::SetStandard()
{
    Clear();
    Woerterdateien = DefaultFiles(u"Woerterliste.txt");
    Sperrdruck = false;
    Leerzeichen = 3;
    MinWortLen = 2;
    MaxWortLen = 9;
    Wiederholungen = 1;
    Zeitfaktor = 0;
}

bool TAT_WortLesen_Settings::SetData(const QString &S, QStringList *Notes)
{
    TKeyLine K(S, Notes);
    return K.FileList(u"Lernzeichendateien", Lernzeichendateien)
           || K.FileList(u"Gelerntzeichendateien", Gelerntzeichendateien)
           || K.FileList(u"Woerterdateien", Woerterdateien) || K.Bool(u"Sperrdruck", Sperrdruck)
           || K.SpaceCountWithRandom(Leerzeichen) || K.MinWortLen(MinWortLen) || K.MaxWortLen(MaxWortLen)
           || K.Wiederholungen(Wiederholungen) || K.Zeitfaktor(Zeitfaktor) || K.Unknown();
}

void TAT_WortLesen_Settings::CreateLists(TDaten &Daten)
{
    CreateWordLists(*this, Daten);
}

void TAT_SatzLesen_Settings::SetStandard()
{
    Clear();
    Saetzedateien = DefaultFiles(u"Saetzeliste.txt");
    CheckBraillezeilenbreite = false;
    Wiederholungen = 1;
    Zeitfaktor = 0;
}

bool TAT_SatzLesen_Settings::SetData(const QString &S, QStringList *Notes)
{
    TKeyLine K(S, Notes);
    return K.FileList(u"Lernzeichendateien", Lernzeichendateien)
           || K.FileList(u"Saetzedateien", Saetzedateien)
           || K.Bool(u"CheckBraillezeilenbreite", CheckBraillezeilenbreite) || K.Wiederholungen(Wiederholungen)
           || K.Zeitfaktor(Zeitfaktor) || K.Unknown();
}

void TAT_SatzLesen_Settings::CreateLists(TDaten &Daten)
{
    Lernzeichenliste = LoadList(Daten, Lernzeichendateien, dtLernzeichen);
    Saetzeliste = SelectSentences(Daten, Saetzedateien, Lernzeichenliste);
}

void TAT_ZeichenTippen_Settings::SetStandard()
{
    Clear();
    MaxLernzeichenAnzahl = 3;
    ZeigeNormaltext = true;
    Wiederholungen = 1;
    Zeitfaktor = 0;
}

bool TAT_ZeichenTippen_Settings::SetData(const QString &S, QStringList *Notes)
{
    TKeyLine K(S, Notes);
    return K.FileList(u"Lernzeichendateien", Lernzeichendateien)
           || K.MaxCount(u"MaxLernzeichenAnzahl", MaxLernzeichenAnzahl)
           || K.Bool(u"ZeigeNormaltext", ZeigeNormaltext) || K.Wiederholungen(Wiederholungen)
           || K.Zeitfaktor(Zeitfaktor) || K.Unknown();
}

void TAT_ZeichenTippen_Settings::CreateLists(TDaten &Daten)
{
    Lernzeichenliste = LoadList(Daten, Lernzeichendateien, dtLernzeichen);
}

void TAT_WortTippen_Settings::SetStandard()
{
    Clear();
    Woerterdateien = DefaultFiles(u"Woerterliste.txt");
    MaxWortAnzahl = 3;
    MinWortLen = 2;
    MaxWortLen = 9;
    ZeigeNormaltext = true;
    Wiederholungen = 1;
    Zeitfaktor = 0;
}

bool TAT_WortTippen_Settings::SetData(const QString &S, QStringList *Notes)
{
    TKeyLine K(S, Notes);
    return K.FileList(u"Lernzeichendateien", Lernzeichendateien)
           || K.FileList(u"Gelerntzeichendateien", Gelerntzeichendateien)
           || K.FileList(u"Woerterdateien", Woerterdateien) || K.MaxCount(u"MaxWortAnzahl", MaxWortAnzahl)
           || K.MinWortLen(MinWortLen) || K.MaxWortLen(MaxWortLen)
           || K.Bool(u"ZeigeNormaltext", ZeigeNormaltext) || K.Wiederholungen(Wiederholungen)
           || K.Zeitfaktor(Zeitfaktor) || K.Unknown();
}

void TAT_WortTippen_Settings::CreateLists(TDaten &Daten)
{
    CreateWordLists(*this, Daten);
}

void TAT_SatzTippen_Settings::SetStandard()
{
    Clear();
    Saetzedateien = DefaultFiles(u"Saetzeliste.txt");
    CheckBraillezeilenbreite = false;
    ZeigeNormaltext = true;
    Wiederholungen = 1;
    Zeitfaktor = 0;
}

bool TAT_SatzTippen_Settings::SetData(const QString &S, QStringList *Notes)
{
    TKeyLine K(S, Notes);
    return K.FileList(u"Lernzeichendateien", Lernzeichendateien)
           || K.FileList(u"Saetzedateien", Saetzedateien)
           || K.Bool(u"CheckBraillezeilenbreite", CheckBraillezeilenbreite)
           || K.Bool(u"ZeigeNormaltext", ZeigeNormaltext) || K.Wiederholungen(Wiederholungen)
           || K.Zeitfaktor(Zeitfaktor) || K.Unknown();
}

void TAT_SatzTippen_Settings::CreateLists(TDaten &Daten)
{
    Lernzeichenliste = LoadList(Daten, Lernzeichendateien, dtLernzeichen);
    Saetzeliste = SelectSentences(Daten, Saetzedateien, Lernzeichenliste);
}

void TAT_Brueckenwoerter_Settings::SetStandard()
{
    Clear();
    Brueckenwoerterdateien = DefaultFiles(u"Brueckenwoerter.txt");
    Wiederholungen = 1;
    Zeitfaktor = 0;
}

bool TAT_Brueckenwoerter_Settings::SetData(const QString &S, QStringList *Notes)
{
    TKeyLine K(S, Notes);
    return K.FileList(u"Brueckenwoerterdateien", Brueckenwoerterdateien)
           || K.Wiederholungen(Wiederholungen) || K.Zeitfaktor(Zeitfaktor) || K.Unknown();
}

void TAT_Brueckenwoerter_Settings::CreateLists(TDaten &Daten)
{
    Brueckenwoerterliste = LoadList(Daten, Brueckenwoerterdateien, dtBrueckenwoerter);
}

void TAT_Lueckentext_Settings::SetStandard()
{
    Clear();
    Lueckentextdateien = DefaultFiles(u"Lueckentext.txt");
    Wiederholungen = 1;
    Zeitfaktor = 0;
}

bool TAT_Lueckentext_Settings::SetData(const QString &S, QStringList *Notes)
{
    TKeyLine K(S, Notes);
    return K.FileList(u"Lueckentextdateien", Lueckentextdateien) || K.Wiederholungen(Wiederholungen)
           || K.Zeitfaktor(Zeitfaktor) || K.Unknown();
}

void TAT_Lueckentext_Settings::CreateLists(TDaten &Daten)
{
    Lueckentextliste = LoadList(Daten, Lueckentextdateien, dtLueckentext);
}

// --- dispatch --------------------------------------------------------------

namespace {
template<typename T>
concept HasLists = requires(T &Rec, TDaten &Daten) { Rec.CreateLists(Daten); };
template<typename T>
concept HasZeitfaktor = requires(const T &Rec) { Rec.Zeitfaktor; };
template<typename T>
concept HasWiederholungen = requires(const T &Rec) { Rec.Wiederholungen; };
} // namespace

void TAufgabenTypSettings::SetStandard()
{
    for (int T = atText; T <= atLueckentext; ++T)
        Visit(TAufgabenTyp(T), [](auto &Rec) { Rec.SetStandard(); });
}

bool TAufgabenTypSettings::SetData(TAufgabenTyp Typ, const QString &S, QStringList *Notes)
{
    bool Taken = false;
    Visit(Typ, [&](auto &Rec) { Taken = Rec.SetData(S, Notes); });
    return Taken;
}

void TAufgabenTypSettings::CreateLists(TAufgabenTyp Typ, TDaten &Daten)
{
    Visit(Typ, [&Daten](auto &Rec) {
        if constexpr (HasLists<std::decay_t<decltype(Rec)>>)
            Rec.CreateLists(Daten);
    });
}

int TAufgabenTypSettings::Wiederholungen(TAufgabenTyp Typ) const
{
    int Result = 1;
    Visit(Typ, [&Result](const auto &Rec) {
        if constexpr (HasWiederholungen<std::decay_t<decltype(Rec)>>)
            Result = Rec.Wiederholungen;
    });
    return Result;
}

int TAufgabenTypSettings::Zeitfaktor(TAufgabenTyp Typ) const
{
    int Result = 0;
    Visit(Typ, [&Result](const auto &Rec) {
        if constexpr (HasZeitfaktor<std::decay_t<decltype(Rec)>>)
            Result = Rec.Zeitfaktor;
    });
    return Result;
}

// --- exercise texts ----------------------------------------------------------

namespace {

const QString CrLf = QStringLiteral("\r\n");

// The task line: it opens the text, is spoken first, and the cursor goes to
// the line after it.
QString TaskLine(TClickPos &ClickPos, const QString &Task)
{
    ClickPos.FSpeakTextString = Task;
    const QString Result = Task + CrLf;
    ClickPos.FSelStart = int(Result.size());
    return Result;
}

QString NothingFound(TClickPos &ClickPos, const QString &Message)
{
    ClickPos.FSpeakTextString = Message;
    ClickPos.FSelStart = 0;
    return Message + CrLf;
}

int SpacesAfterItem(int Leerzeichen)
{
    return Leerzeichen == -1 ? Random(4) : Leerzeichen;
}

// The sentences that fit the line after its leading space, when the lesson
// asks for it: on one display segment with the pane's name before them;
// where none is that short, those that fit the display itself.
TDatensatzDynArray FittingSentences(const TDatensatzDynArray &Saetze, bool Check)
{
    if (!Check)
        return Saetze;
    for (const int Cells : {ExerciseLineCells(), BrailleChars}) {
        TDatensatzDynArray Fitting;
        for (const TDatensatz &S : Saetze)
            if (S.Brl.size() <= Cells - 1)
                Fitting.append(S);
        if (!Fitting.isEmpty())
            return Fitting;
    }
    return {};
}

} // namespace

QString TAT_ZeichenLesen_Settings::CreateText(TClickPos &ClickPos) const
{
    QString Result = TaskLine(ClickPos, QStringLiteral("Lies die Zeichen:"));
    TDatensatzDynArray L = Lernzeichenliste;
    if (L.isEmpty())
        L.append(TDatensatz::Create(QStringLiteral("%"), QString(), QString()));
    QString Line = QStringLiteral(" ");
    TDatensatz D = L[Random(int(L.size()))];
    while (Line.size() + D.Brl.size() <= ExerciseLineCells()) {
        const qsizetype Before = Line.size();
        Line += D.Brl + QString(SpacesAfterItem(Leerzeichen), u' ');
        D = L[Random(int(L.size()))];
        // Records without braille and no spaces would never fill the line.
        if (Line.size() == Before && D.Brl.isEmpty())
            break;
    }
    return Result + ShowAsBraille(TrimCtlEnd(Line)) + CrLf;
}

QString TAT_WortLesen_Settings::CreateText(TClickPos &ClickPos) const
{
    if (WoerterlisteLernen.isEmpty())
        return NothingFound(ClickPos, QStringLiteral("Kein Wort gefunden!"));
    QString Result = TaskLine(ClickPos, QStringLiteral("Lies die Wörter:"));
    auto Draw = [this] {
        TDatensatz D = WoerterlisteLernen[Random(int(WoerterlisteLernen.size()))];
        if (Sperrdruck)
            D.SetSperrdruck();
        return D;
    };
    QString Line = QStringLiteral(" ");
    TDatensatz D = Draw();
    // A word too long for the line is still shown, alone, rather than an
    // empty line.
    if (Line.size() + D.Brl.size() > ExerciseLineCells())
        Line += D.Brl;
    while (Line.size() + D.Brl.size() <= ExerciseLineCells()) {
        Line += D.Brl + QString(SpacesAfterItem(Leerzeichen), u' ');
        for (int Try = 0; Try < 10; ++Try) {
            D = Draw();
            if (Line.size() + D.Brl.size() <= ExerciseLineCells())
                break;
        }
    }
    return Result + ShowAsBraille(TrimCtlEnd(Line)) + CrLf;
}

QString TAT_SatzLesen_Settings::CreateText(TClickPos &ClickPos) const
{
    const TDatensatzDynArray Candidates = FittingSentences(Saetzeliste, CheckBraillezeilenbreite);
    if (Candidates.isEmpty())
        return NothingFound(ClickPos, QStringLiteral("Kein Satz gefunden!"));
    QString Result = TaskLine(ClickPos, QStringLiteral("Lies den Satz:"));
    TDatensatz D = Candidates[Random(int(Candidates.size()))];
    if (Saetzeliste.size() != 1)
        for (int Try = 1; Try < 10 && D.Brl == ClickPos.Datensatz.Brl; ++Try)
            D = Candidates[Random(int(Candidates.size()))];
    ClickPos.Datensatz = D;
    return Result + u' ' + ShowAsBraille(D.Brl) + CrLf;
}

QString TAT_Fehlersuche_Settings::CreateText(TClickPos &ClickPos) const
{
    ClickPos.FPos.clear();
    if (Fehlersucheliste.isEmpty())
        return NothingFound(ClickPos, QStringLiteral("Kein Text gefunden!"));
    QString Result = TaskLine(ClickPos, QStringLiteral("Was stimmt hier nicht?"));
    ClickPos.FClickSelStart = int(Result.size()) + 1; // the line starts with a space
    TDatensatz D = Fehlersucheliste.first();
    if (Fehlersucheliste.size() > 1) {
        D = Fehlersucheliste[Random(int(Fehlersucheliste.size()))];
        for (int Try = 0; Try < 11 && D.Brl == ClickPos.Datensatz.Brl; ++Try)
            D = Fehlersucheliste[Random(int(Fehlersucheliste.size()))];
    }
    ClickPos.Datensatz = D;
    const QString Line = DatenParts().CreateString(ClickPos, dptMultiVariante);
    return Result + u' ' + ShowAsBraille(Line) + CrLf;
}

QString TAT_ZeichenTippen_Settings::CreateText(TTippenPos &TippenPos) const
{
    return TippenPos.CreateNewString(tpmZeichen, Lernzeichenliste, MaxLernzeichenAnzahl, ZeigeNormaltext) + CrLf;
}

QString TAT_WortTippen_Settings::CreateText(TTippenPos &TippenPos) const
{
    return TippenPos.CreateNewString(tpmWort, WoerterlisteLernen, MaxWortAnzahl, ZeigeNormaltext) + CrLf;
}

QString TAT_SatzTippen_Settings::CreateText(TTippenPos &TippenPos) const
{
    return TippenPos.CreateNewString(tpmSatz, FittingSentences(Saetzeliste, CheckBraillezeilenbreite), -1,
                                     ZeigeNormaltext) +
           CrLf;
}

QString TAT_Brueckenwoerter_Settings::CreateText(TTippenPos &TippenPos) const
{
    return TippenPos.CreateNewString(tpmBrueckenwoerter, Brueckenwoerterliste, -1, false) + CrLf;
}

QString TAT_Lueckentext_Settings::CreateText(TTippenPos &TippenPos) const
{
    return TippenPos.CreateNewString(tpmLueckentext, Lueckentextliste, -1, false) + CrLf;
}

QString TAT_Text_Settings::CreateText(TSpeakTextLines &SpeakTextLines) const
{
    SpeakTextLines.Clear();
    const QStringList Lines = SplitLines(Text);
    for (const QString &L : Lines)
        SpeakTextLines.Add(L);
    SpeakTextLines.SetSpeakTextString(Lines.isEmpty() ? QString() : Lines.first());
    return (BrlUniChar ? BrlUniChar->Translate(Text, ttToUniBrl, false) : Text) + CrLf;
}

namespace {

// The table of characters: " [a]  1  a" per record, braille padded to one
// width and dots to another, and "a besteht aus Punkt 1" spoken for it.
void CharacterTable(const QString &Heading, const TDatensatzDynArray &Lernzeichenliste, bool Datenzufall, TMemo &Re,
                    TSpeakTextLines &Lines)
{
    Lines.Clear();
    Re.BeginUpdate();
    Re.Clear();
    Lines.SetSpeakTextString(Heading);
    Lines.Add(Heading);
    Re.AddLine(Heading);
    TDatensatzDynArray L = Lernzeichenliste;
    if (Datenzufall && L.size() > 1) {
        TDatensatzDynArray Shuffled;
        while (L.size() > 1)
            Shuffled.append(L.takeAt(Random(int(L.size()))));
        Shuffled.append(L.first());
        L = Shuffled;
    }
    auto Dots = [](const TDatensatz &D) {
        return BrlUniChar ? BrlUniChar->ConvertTextToDotsString(D.Brl, false) : QString();
    };
    qsizetype W1 = 0;
    qsizetype W2 = 0;
    for (const TDatensatz &D : std::as_const(L)) {
        W1 = qMax(W1, D.Brl.size());
        W2 = qMax(W2, Dots(D).size());
    }
    QString Table;
    for (const TDatensatz &D : std::as_const(L)) {
        Table += QStringLiteral(" [%1]  %2  %3").arg(D.Brl.leftJustified(W1), Dots(D).leftJustified(W2), D.Text) + CrLf;
        Lines.Add(QStringLiteral("%1 besteht aus %2")
                      .arg(D.Text, BrlUniChar ? BrlUniChar->ConvertTextToSpeakTextDotsString(D.Brl) : QString()));
    }
    Table = TrimCtlEnd(Table);
    if (!Table.isEmpty())
        Re.AddLine(BrlUniChar ? BrlUniChar->Translate(Table, ttToUniBrl, false) : Table);
}

} // namespace

void TAT_Schnellkurs_Settings::CreateText(TMemo &Re, TSpeakTextLines &SpeakTextLines) const
{
    CharacterTable(QStringLiteral("Lerne folgende Zeichen im Schnellkurs:"), Lernzeichenliste, Datenzufall, Re,
                   SpeakTextLines);
    Re.EndUpdate();
}

void TAT_BuchstabenLernen_Settings::CreateText(TMemo &Re, TSpeakTextLines &SpeakTextLines) const
{
    CharacterTable(QStringLiteral("Lerne folgende Zeichen:"), Lernzeichenliste, Datenzufall, Re, SpeakTextLines);
    if (MaxWortAnzahl >= 1 && !WoerterlisteLernen.isEmpty()) {
        const QString Heading = QStringLiteral("Lies die folgenden Wörter:");
        SpeakTextLines.Add(QString());
        SpeakTextLines.Add(Heading);
        Re.AddLine(CrLf + Heading);
        // Distinct words, drawn at random, at most MaxWortAnzahl.
        TDatensatzDynArray Chosen;
        auto Take = [&Chosen](const TDatensatz &D) {
            for (const TDatensatz &C : std::as_const(Chosen))
                if (C.Brl == D.Brl)
                    return;
            Chosen.append(D);
        };
        if (WoerterlisteLernen.size() == 1) {
            Chosen.append(WoerterlisteLernen.first());
        } else {
            TDatensatzDynArray Left = WoerterlisteLernen;
            while (Chosen.size() < MaxWortAnzahl && Left.size() > 1)
                Take(Left.takeAt(Random(int(Left.size()))));
            if (Chosen.size() < MaxWortAnzahl && Left.size() == 1)
                Take(Left.first());
        }
        QString Line = QStringLiteral(" ");
        for (qsizetype I = 0; I < Chosen.size(); ++I)
            Line += Chosen[I].Brl + (I + 1 < Chosen.size() ? QString(Leerzeichen, u' ') : QString());
        SpeakTextLines.Add(Line);
        Re.AddLine(ShowAsBraille(Line));
    }
    Re.EndUpdate();
}
