#include "exercise/FindTextC.h"

#include "app/SettingsC.h"
#include "braille/BrlUniCharC.h"
#include "content/RandomC.h"
#include "content/TextFileC.h"
#include "exercise/AufgabenTypSettingsC.h"
#include "exercise/ClickPosC.h"

#include <QList>

namespace
{

const QString CrLf = QStringLiteral("\r\n");
constexpr QChar EmptyCell(0x2800);

enum TFindMode { fmPlain = 0, fmFigur = 1, fmZeichenInWort = 2, fmSperrdruck = 3 };

// Every choice among records is redrawn at most this often to avoid
// repeating the previous one.
constexpr int MaxRedraws = 11;

// The place of the character in mode 2, to be filled with the character.
QString PlaceFormat(TZeichenInWortPosTyp Typ)
{
    switch (Typ) {
    case ziwpBegin:
        return QStringLiteral("%1 am Beginn");
    case ziwpMiddle:
        return QStringLiteral("%1 in der Mitte");
    case ziwpEnd:
        return QStringLiteral("%1 am Ende");
    case ziwpNone:
        break;
    }
    return QStringLiteral("Unbekannt");
}

QString FormatPlace(TZeichenInWortPosTyp Typ, const QString &Character)
{
    const QString F = PlaceFormat(Typ);
    return F.contains(QStringLiteral("%1")) ? F.arg(Character) : F;
}

// The character a word stands for in mode 2: the entry of its current
// choice, or a space when there is none.
QChar TargetCharacter(const TDatensatz &D)
{
    const TZeichenInWortPos &P = D.FZeichenInWortPos;
    const int I = P.RandomIndex();
    return I >= 0 && I < P.Count() ? P.GetList()[I].Character : QChar(u' ');
}

// How the learner hears (and, in print, reads) the asked character: the
// print form of its learning-character record. Letter groups stand in the
// table under characters of their own ("_" for sch), which must never be
// spoken; a character without a record is named as it is.
QString CharacterName(QChar Z, const TDatensatzDynArray &Names)
{
    for (const TDatensatz &D : Names)
        if (D.Brl.size() == 1 && D.Brl[0] == Z && !D.Text.trimmed().isEmpty())
            return D.Text.trimmed();
    return QString(Z);
}

// Chooses at random which character of the word, and at which of its
// places, is asked for.
void ChoosePlace(TDatensatz &D)
{
    TZeichenInWortPos &P = D.FZeichenInWortPos;
    if (P.Count() == 0) {
        P.SetRandomIndexTyp(QChar(u' '), ziwpNone); // no choice: -1, ziwpNone
        return;
    }
    const TZeichenInWortPosRec Entry = P.GetList()[Random(P.Count())];
    QList<TZeichenInWortPosTyp> Places;
    for (TZeichenInWortPosTyp T : {ziwpBegin, ziwpMiddle, ziwpEnd})
        if (Entry.Flags.Contains(T))
            Places.append(T);
    const TZeichenInWortPosTyp Typ = Places.isEmpty() ? ziwpNone : Places[Random(int(Places.size()))];
    // A space without a place would ask for a random choice instead.
    if (Entry.Character == u' ' && Typ == ziwpNone)
        P.SetRandomIndexTyp(QChar(0xFFFF), ziwpNone);
    else
        P.SetRandomIndexTyp(Entry.Character, Typ);
}

bool IsRepeat(const TDatensatz &D, const TDatensatz &Previous, int Mode)
{
    if (Mode == fmZeichenInWort)
        return TargetCharacter(D) == TargetCharacter(Previous) &&
               D.FZeichenInWortPos.RandomTyp() == Previous.FZeichenInWortPos.RandomTyp();
    return D.Brl == Previous.Brl;
}

TDatensatz ChooseTarget(const TDatensatzDynArray &FindList, const TDatensatz &Previous, int Mode)
{
    const int N = int(FindList.size());
    TDatensatz D;
    if (N == 0) {
        D = TDatensatz::Create(QStringLiteral("%"), QString(), QString());
        if (Mode == fmZeichenInWort)
            ChoosePlace(D);
    } else if (N == 1) {
        D = FindList[0];
        if (Mode == fmZeichenInWort)
            ChoosePlace(D);
    } else if (N == 2) {
        if (Previous.Brl.isEmpty())
            D = FindList[Random(2)];
        else
            D = FindList[0].Brl != Previous.Brl ? FindList[0] : FindList[1];
        if (Mode == fmZeichenInWort)
            ChoosePlace(D);
    } else {
        auto Draw = [&] {
            TDatensatz R = FindList[Random(N)];
            if (Mode == fmZeichenInWort)
                ChoosePlace(R);
            return R;
        };
        D = Draw();
        for (int Try = 0; Try < MaxRedraws && IsRepeat(D, Previous, Mode); ++Try)
            D = Draw();
    }
    TDatensatz Result;
    Result.SetData(D); // a choice outside the position list becomes -1
    return Result;
}

// Whether a word has the character Z at the place Typ.
bool HasCharacterAt(const TDatensatz &D, QChar Z, TZeichenInWortPosTyp Typ)
{
    return D.FZeichenInWortPos.IsCharacterTypIdent(Z, Typ);
}

// Mode 2: one more word with the target's character at the target's place,
// preferably another than the target word itself.
TDatensatz AnotherWord(const TDatensatzDynArray &FindList, const TDatensatz &Target)
{
    const QChar Z = TargetCharacter(Target);
    const TZeichenInWortPosTyp Typ = Target.FZeichenInWortPos.RandomTyp();
    TDatensatzDynArray Candidates;
    for (const TDatensatz &D : FindList)
        if (HasCharacterAt(D, Z, Typ))
            Candidates.append(D);
    if (Candidates.isEmpty()) // a kept target no longer in the list
        return Target;
    const int N = int(Candidates.size());
    TDatensatz W;
    if (N == 1) {
        W = Candidates[0];
    } else if (N == 2) {
        if (Target.Brl.isEmpty())
            W = Candidates[Random(2)];
        else
            W = Candidates[0].Brl != Target.Brl ? Candidates[0] : Candidates[1];
    } else {
        W = Candidates[Random(N)];
        for (int Try = 0; Try < MaxRedraws && W.Brl == Target.Brl; ++Try)
            W = Candidates[Random(N)];
    }
    W.FZeichenInWortPos.SetRandomIndexTyp(Z, Typ);
    return W;
}

// An item of the line with its spaces, spaced out in mode 3.
TDatensatz Spaced(const TDatensatz &D, const TLeerzeichen &Leerzeichen, bool IsFindDatensatz, int Mode)
{
    TDatensatz Result = Leerzeichen.GetDatensatzWithSpaces(D, IsFindDatensatz);
    if (Mode == fmSperrdruck)
        Result.SetSperrdruck();
    return Result;
}

bool IsTarget(const TDatensatz &Item, const TDatensatz &Target, int Mode)
{
    switch (Mode) {
    case fmZeichenInWort:
        return Target.FZeichenInWortPos.IsCharacterTypIdent(TargetCharacter(Item), Item.FZeichenInWortPos.RandomTyp());
    case fmSperrdruck: {
        QString S = Item.Brl;
        S.remove(EmptyCell);
        return TrimCtl(S) == TrimCtl(Target.Brl);
    }
    default:
        return TrimCtl(Item.Brl) == TrimCtl(Target.Brl);
    }
}

// A new random order of the items: the item at a random place of those left,
// again and again, until one is left, which goes last.
void Shuffle(TDatensatzDynArray &Items)
{
    if (Items.size() < 2)
        return;
    TDatensatzDynArray Work = Items;
    TDatensatzDynArray Order;
    Order.reserve(Items.size());
    while (Work.size() > 1)
        Order.append(Work.takeAt(Random(int(Work.size()))));
    Order.append(Work.first());
    Items = Order;
}

QString BuildFindText(TClickPos &ClickPos, bool NewDatensatz, const TDatensatzDynArray &FindList,
                      const TDatensatzDynArray &FillList, const TLeerzeichen &Leerzeichen, int Maximum,
                      bool ZeigeNormaltext, int Mode, const TDatensatzDynArray &Names);

} // namespace

QString CreateFindText(TClickPos &ClickPos, bool NewDatensatz, const TDatensatzDynArray &FindList,
                       const TDatensatzDynArray &FillList, const TLeerzeichen &Leerzeichen, int Maximum,
                       bool ZeigeNormaltext, int Mode)
{
    return BuildFindText(ClickPos, NewDatensatz, FindList, FillList, Leerzeichen, Maximum, ZeigeNormaltext, Mode, {});
}

namespace
{

// CreateFindText, with the learning-character records that name the asked
// character in mode 2.
QString BuildFindText(TClickPos &ClickPos, bool NewDatensatz, const TDatensatzDynArray &FindList,
                      const TDatensatzDynArray &FillList, const TLeerzeichen &Leerzeichen, int Maximum,
                      bool ZeigeNormaltext, int Mode, const TDatensatzDynArray &Names)
{
    const int W = ExerciseLineCells();

    // The target.
    if (NewDatensatz)
        ClickPos.Datensatz = ChooseTarget(FindList, ClickPos.Datensatz, Mode);
    const TDatensatz T = ClickPos.Datensatz;
    const QChar Z = TargetCharacter(T);
    const TZeichenInWortPosTyp ZTyp = T.FZeichenInWortPos.RandomTyp();

    // The task line.
    QString Result;
    switch (Mode) {
    case fmFigur:
        Result = QStringLiteral("Finde %1: %2").arg(T.Text, ShowAsBraille(T.Brl)) + CrLf;
        ClickPos.FSpeakTextString = QStringLiteral("Finde %1").arg(T.Text);
        break;
    case fmZeichenInWort: {
        if (FindList.isEmpty()) {
            const QString Message = QStringLiteral("Kein Wort gefunden!");
            ClickPos.FSpeakTextString = Message;
            ClickPos.FSelStart = 0;
            ClickPos.FPos.clear(); // nothing to find
            return Message + CrLf;
        }
        const QString Name = CharacterName(Z, Names);
        const QString Shown = ZeigeNormaltext ? Name : ShowAsBraille(QString(Z));
        Result = QStringLiteral("Finde %1:").arg(FormatPlace(ZTyp, Shown)) + CrLf;
        ClickPos.FSpeakTextString = QStringLiteral("Finde %1:").arg(FormatPlace(ZTyp, Name));
        break;
    }
    default:
        Result = QStringLiteral("Finde: %1").arg(ZeigeNormaltext ? T.GetZusatztext() : ShowAsBraille(T.Brl)) + CrLf;
        ClickPos.FSpeakTextString = QStringLiteral("Finde: %1").arg(T.Text);
        break;
    }
    ClickPos.FClickSelStart = int(Result.size());
    ClickPos.FSelStart = NewDatensatz ? 0 : int(Result.size());
    ClickPos.FPos.clear();

    // The targets: together at most half the line, but at least one.
    TDatensatz E = Spaced(T, Leerzeichen, true, Mode);
    TDatensatzDynArray Items{E};
    QString R = E.Brl;
    if (Mode == fmZeichenInWort)
        E = Spaced(AnotherWord(FindList, T), Leerzeichen, true, Mode);
    while (Items.size() < Maximum && TrimCtl(R + E.Brl).size() <= W / 2) {
        Items.append(E);
        R += E.Brl;
        if (Mode == fmZeichenInWort)
            E = Spaced(AnotherWord(FindList, T), Leerzeichen, true, Mode);
    }

    // The fillers, none equal to the target, up to the width of the line.
    TDatensatzDynArray Pool;
    for (const TDatensatz &D : FillList) {
        const bool Excluded = Mode == fmZeichenInWort ? HasCharacterAt(D, Z, ZTyp) : TrimCtl(D.Brl) == TrimCtl(T.Brl);
        if (!Excluded)
            Pool.append(D);
    }
    if (!Pool.isEmpty()) {
        auto Draw = [&] { return Spaced(Pool[Random(int(Pool.size()))], Leerzeichen, false, Mode); };
        // The first filler has to fit as well as the others: one that did
        // not could push the only target out of the line, leaving nothing
        // to find.
        while (true) {
            const TDatensatz F = Draw();
            // A filler without braille would never fill the line.
            if (TrimCtl(F.Brl).isEmpty() || TrimCtl(R + F.Brl).size() >= W)
                break;
            Items.append(F);
            R += F.Brl;
        }
    }

    // The line, in a random order; every target shown gets its range.
    const int Shuffles = Random(3) + 2;
    for (int I = 0; I < Shuffles; ++I)
        Shuffle(Items);
    QString Line;
    QString A;
    for (int I = 0; I < Items.size(); ++I) {
        const TDatensatz &Item = Items[I];
        const bool Target = IsTarget(Item, T, Mode);
        QString S = Item.Brl;
        if (I == 0) {
            S = u' ' + TrimCtlStart(S);
            A = S;
            if (Target)
                ClickPos.AddPos(ClickPos.FClickSelStart + 1, ClickPos.FClickSelStart + int(TrimCtl(S).size()));
            if (TrimCtlEnd(A).size() > W) { // shown whole all the same
                Line = S;
                break;
            }
        } else {
            // Two targets side by side share their spaces.
            if (Leerzeichen.Typ == ltByWords && Target && TrimCtl(Items[I - 1].Brl) == TrimCtl(S))
                S = TrimCtlStart(S);
            A += S;
            if (TrimCtlEnd(A).size() > W)
                break;
            if (Target) {
                const int Start = ClickPos.FClickSelStart + int(Line.size());
                const int EndLen = int(TrimCtlEnd(S).size());
                ClickPos.AddPos(Start + EndLen - int(TrimCtl(S).size()), Start + EndLen - 1);
            }
        }
        Line += S;
    }
    Line = TrimCtlEnd(Line);

    return Result + ShowAsBraille(Line) + CrLf;
}

} // namespace

QString TAT_VerstecktesZeichen_Settings::CreateText(TClickPos &ClickPos, bool NewDatensatz) const
{
    return CreateFindText(ClickPos, NewDatensatz, Lernzeichenliste, Trennzeichenliste, Leerzeichen,
                          MaxLernzeichenAnzahl, ZeigeNormaltext, fmPlain);
}

QString TAT_VerstecktesWort_Settings::CreateText(TClickPos &ClickPos, bool NewDatensatz) const
{
    return CreateFindText(ClickPos, NewDatensatz, WoerterlisteLernen, Trennzeichenliste, Leerzeichen, MaxWortAnzahl,
                          ZeigeNormaltext, Sperrdruck ? fmSperrdruck : fmPlain);
}

QString TAT_ZeichenFinden_Settings::CreateText(TClickPos &ClickPos, bool NewDatensatz) const
{
    return CreateFindText(ClickPos, NewDatensatz, Lernzeichenliste, Lernzeichenliste + Gelerntzeichenliste, Leerzeichen,
                          MaxLernzeichenAnzahl, ZeigeNormaltext, fmPlain);
}

QString TAT_WortFinden_Settings::CreateText(TClickPos &ClickPos, bool NewDatensatz) const
{
    return CreateFindText(ClickPos, NewDatensatz, WoerterlisteLernen, WoerterlisteAlle, Leerzeichen, MaxWortAnzahl,
                          ZeigeNormaltext, Sperrdruck ? fmSperrdruck : fmPlain);
}

QString TAT_FigurFinden_Settings::CreateText(TClickPos &ClickPos, bool NewDatensatz) const
{
    return CreateFindText(ClickPos, NewDatensatz, Figurenliste, Figurenliste,
                          TLeerzeichen::Create(ltAlways, Leerzeichen), MaxFigurAnzahl, false, fmFigur);
}

QString TAT_ZeichenInWortFinden_Settings::CreateText(TClickPos &ClickPos, bool NewDatensatz) const
{
    return BuildFindText(ClickPos, NewDatensatz, WoerterlisteLernen, WoerterlisteAlle,
                         TLeerzeichen::Create(ltAlways, Leerzeichen), MaxWortAnzahl, ZeigeNormaltext, fmZeichenInWort,
                         Lernzeichenliste + Gelerntzeichenliste);
}
