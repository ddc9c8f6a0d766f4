#include "content/TypenHelperC.h"

#include "content/PathsC.h"
#include "content/TextFileC.h"
#include "log/LogC.h"


TAufgabenTypen *AufgabenTypen = nullptr;
TDatendateiTypen *DatendateiTypen = nullptr;

namespace {

struct TKeyTitle {
    const char16_t *Key;
    const char16_t *Titel;
};

constexpr TKeyTitle AufgabenTypTable[AufgabenTypCount] = {
    {u"AT_XX", u"Unbekannt"},
    {u"AT_Text", u"Text anzeigen"},
    {u"AT_Schnellkurs", u"Schnellkurs aller Braillezeichen"},
    {u"AT_BuchstabenLernen", u"Buchstaben des Alphabets lernen"},
    {u"AT_VerstecktesZeichen", u"Verstecktes Zeichen finden"},
    {u"AT_VerstecktesWort", u"Verstecktes Wort finden"},
    {u"AT_ZeichenFinden", u"Zeichen finden"},
    {u"AT_WortFinden", u"Wort finden"},
    {u"AT_ZeichenInWortFinden", u"Zeichen in Wort finden"},
    {u"AT_FigurFinden", u"Figur finden"},
    {u"AT_Fehlersuche", u"Fehler suchen"},
    {u"AT_ZeichenLesen", u"Zeichen lesen"},
    {u"AT_WortLesen", u"Wörter lesen"},
    {u"AT_SatzLesen", u"Sätze lesen"},
    {u"AT_ZeichenTippen", u"Zeichen tippen"},
    {u"AT_WortTippen", u"Wörter tippen"},
    {u"AT_SatzTippen", u"Sätze tippen"},
    {u"AT_Brueckenwoerter", u"Brückenwörter"},
    {u"AT_Lueckentext", u"Lückentext"},
    {u"at1A", u"Schnellkurs aller Braillezeichen"},
    {u"at1B", u"Buchstaben des Alphabets lernen"},
    {u"at2A", u"Zeichenkettensuche"},
    {u"at2B", u"Längensuche"},
    {u"at2C", u"Auswahlantwort"},
    {u"at2D", u"Zeichenposition"},
    {u"at2E", u"Braillepunktfinder"},
    {u"at2F", u"Brailleanzahlfinder"},
    {u"at2G", u"Zwillingsfinder"},
    {u"at2H", u"Falsche Freunde"},
    {u"at2I", u"Nebeneinander oder entfernt"},
    {u"at3A", u"Lesetrainer"},
    {u"at3B", u"Schreibtrainer"},
    {u"at3C", u"Einsetzen"},
    {u"at3D", u"Brückenwörter"},
    {u"at3E", u"Lückentext"},
    {u"at3F", u"Fehlersuche"},
    {u"at4A", u"Braillepunktzähler"},
    {u"at4B", u"Simple Tetris"},
    {u"at4C", u"Mini-Bingo"},
    {u"at4D", u"Raupe füttern"},
    {u"at4E", u"Schmetterling"},
    {u"at4F", u"Autobahnreparatur"},
    {u"at4G", u"Schlangenbeschwörer"},
    {u"at4H", u"Rhythmusfortsetzung"},
    {u"at4I", u"Buchstabensalat"},
    {u"at4J", u"Zahlentauscher"},
    {u"at4K", u"Hangman"},
};

constexpr TKeyTitle DatendateiTypTable[DatendateiTypCount] = {
    {u"DT_XX", u"Unbekannt"},
    {u"DT_Brueckenwoerter", u"Brückenwörter"},
    {u"DT_Fehlersuche", u"Fehlersuche"},
    {u"DT_Figurenliste", u"Figurenliste"},
    {u"DT_Lernzeichen", u"Lernzeichen"},
    {u"DT_Lueckentext", u"Lückentext"},
    {u"DT_Saetzeliste", u"Sätzeliste"},
    {u"DT_Woerterliste", u"Wörterliste"},
};

template<int N>
int FindKey(const TKeyTitle (&Table)[N], const QString &S)
{
    if (S.isEmpty())
        return 0;
    for (int I = 0; I < N; ++I)
        if (S.compare(QStringView(Table[I].Key), Qt::CaseInsensitive) == 0)
            return I;
    return 0;
}

// Splits at " ^ " into trimmed parts; the last part keeps any further
// separators.
QStringList SplitParts(const QString &S, int MaxParts)
{
    QStringList Parts;
    QStringView Rest(S);
    while (Parts.size() < MaxParts - 1) {
        const qsizetype Pos = Rest.indexOf(QStringView(u" ^ "));
        if (Pos < 0)
            break;
        Parts.append(TrimCtl(Rest.left(Pos)).toString());
        Rest = Rest.mid(Pos + 3);
    }
    Parts.append(TrimCtl(Rest).toString());
    return Parts;
}

} // namespace

QString AufgabenTypKey(TAufgabenTyp Typ)
{
    return QString::fromUtf16(AufgabenTypTable[Typ >= 0 && Typ < AufgabenTypCount ? Typ : 0].Key);
}

QString AufgabenTypDefaultTitel(TAufgabenTyp Typ)
{
    return QString::fromUtf16(AufgabenTypTable[Typ >= 0 && Typ < AufgabenTypCount ? Typ : 0].Titel);
}

QString DatendateiTypKey(TDatendateiTyp Typ)
{
    return QString::fromUtf16(DatendateiTypTable[Typ >= 0 && Typ < DatendateiTypCount ? Typ : 0].Key);
}

QString DatendateiTypDefaultTitel(TDatendateiTyp Typ)
{
    return QString::fromUtf16(DatendateiTypTable[Typ >= 0 && Typ < DatendateiTypCount ? Typ : 0].Titel);
}

TAufgabenTyp AufgabenTypFromKey(const QString &S)
{
    return TAufgabenTyp(FindKey(AufgabenTypTable, S));
}

TDatendateiTyp DatendateiTypFromKey(const QString &S)
{
    return TDatendateiTyp(FindKey(DatendateiTypTable, S));
}

void TTypAufgabenTyp::SetData(TAufgabenTyp ATyp, const QString &S)
{
    Typ = ATyp;
    TypStr = AufgabenTypKey(ATyp);
    const QStringList Parts = SplitParts(S, 3);
    Kategorie.clear();
    Beschreibung.clear();
    if (Parts.size() == 1) {
        Titel = Parts[0];
    } else {
        Kategorie = Parts[0];
        Titel = Parts[1];
        if (Parts.size() > 2)
            Beschreibung = ConvertLineBreaks(Parts[2]);
    }
    if (Titel.isEmpty())
        Titel = AufgabenTypDefaultTitel(ATyp);
}

void TTypDatendateiTyp::SetData(TDatendateiTyp ATyp, const QString &S)
{
    Typ = ATyp;
    TypStr = DatendateiTypKey(ATyp);
    const QStringList Parts = SplitParts(S, 2);
    Titel = Parts[0];
    Beschreibung = Parts.size() > 1 ? ConvertLineBreaks(Parts[1]) : QString();
    if (Titel.isEmpty())
        Titel = DatendateiTypDefaultTitel(ATyp);
}

template<typename T>
TTypen<T>::TTypen(QObject *AHnd)
    : TTypen(AHnd, DataPath + QString::fromLatin1(T::FileName))
{
}

template<typename T>
TTypen<T>::TTypen(QObject *AHnd, const QString &AFilename)
    : FMainWindowHandle(AHnd)
    , FFilename(AFilename)
{
}

template<typename T>
bool TTypen<T>::LoadFile()
{
    QString Error;
    const std::optional<QString> Text = ReadContentFile(FFilename, u"Typendatei", Error);
    if (!Text) {
        LastErrorString = Error;
        LogAdd(LastErrorString);
        return false;
    }
    const QStringList Lines = SplitLines(*Text);
    FList.clear();
    FillList(&Lines);
    if (FList.isEmpty())
        FillList(nullptr);
    return true;
}

template<typename T>
void TTypen<T>::FillList(const QStringList *Lines)
{
    FList.clear();
    FList.reserve(T::EnumCount);
    for (int I = 0; I < T::EnumCount; ++I) {
        const auto Typ = typename T::Enum(I);
        QString Value;
        if (Lines) {
            const QString Key = T::KeyOf(Typ);
            for (const QString &Line : *Lines) {
                const qsizetype Eq = Line.indexOf(u'=');
                if (Eq < 0)
                    continue;
                if (QStringView(Line).left(Eq).compare(Key, Qt::CaseInsensitive) == 0) {
                    Value = Line.mid(Eq + 1);
                    break;
                }
            }
        }
        T Record;
        Record.SetData(Typ, Value);
        FList.append(Record);
    }
}

template<typename T>
T TTypen<T>::Get(int Index) const
{
    if (Index < 0 || Index >= FList.size())
        return T();
    return FList.at(Index);
}

template<typename T>
int TTypen<T>::IsValidIndex(const QString &S) const
{
    if (S.isEmpty())
        return 0;
    for (int I = 0; I < FList.size(); ++I)
        if (SameText(FList.at(I).TypStr, S))
            return I;
    return 0;
}

template class TTypen<TTypAufgabenTyp>;
template class TTypen<TTypDatendateiTyp>;
