#include "content/DatenHelperC.h"

#include "content/RandomC.h"
#include "content/TextFileC.h"

QString ZeichenInWortPosName(TZeichenInWortPosTyp Typ)
{
    switch (Typ) {
    case ziwpBegin:
        return QStringLiteral("Beginn");
    case ziwpMiddle:
        return QStringLiteral("Mitte");
    case ziwpEnd:
        return QStringLiteral("Ende");
    case ziwpNone:
        break;
    }
    return QStringLiteral("Unbekannt");
}

void TZeichenInWortPosRec::Clear()
{
    Character = QChar(u' ');
    Flags = {};
}

void TZeichenInWortPosRec::SetData(QChar ACharacter, TZeichenInWortPosSet AFlags)
{
    Character = ACharacter;
    Flags = AFlags;
}

QString TZeichenInWortPosRec::GetFlagsToString() const
{
    QStringList Names;
    for (TZeichenInWortPosTyp T : {ziwpBegin, ziwpMiddle, ziwpEnd})
        if (Flags.Contains(T))
            Names.append(ZeichenInWortPosName(T));
    return Names.isEmpty() ? ZeichenInWortPosName(ziwpNone) : Names.join(QStringLiteral(", "));
}

void TZeichenInWortPos::Clear()
{
    FList.clear();
    FRandomIndex = -1;
    FRandomTyp = ziwpNone;
}

void TZeichenInWortPos::Add(QChar ACharacter, TZeichenInWortPosSet AFlags)
{
    FList.append(TZeichenInWortPosRec{ACharacter, AFlags});
}

void TZeichenInWortPos::Add(const TZeichenInWortPosRec &AZiwpRec)
{
    FList.append(AZiwpRec);
}

TZeichenInWortPosSet TZeichenInWortPos::CreateFlags(int FirstPos, QChar Character, const QString &S)
{
    if (FirstPos < 1 || S.isEmpty())
        return {};
    const bool LastIsCharacter = S.back() == Character;
    if (FirstPos == 1) {
        if (S.size() == 1)
            return {ziwpBegin, ziwpEnd};
        const qsizetype Again = S.indexOf(Character, 1);
        if (Again < 0)
            return {ziwpBegin};
        if (Again == S.size() - 1)
            return {ziwpBegin, ziwpEnd};
        return LastIsCharacter ? TZeichenInWortPosSet{ziwpBegin, ziwpMiddle, ziwpEnd}
                               : TZeichenInWortPosSet{ziwpBegin, ziwpMiddle};
    }
    if (FirstPos == S.size())
        return {ziwpEnd};
    return LastIsCharacter ? TZeichenInWortPosSet{ziwpMiddle, ziwpEnd} : TZeichenInWortPosSet{ziwpMiddle};
}

bool TZeichenInWortPos::IsCharacterTypIdent(QChar Character, TZeichenInWortPosTyp Typ) const
{
    for (const TZeichenInWortPosRec &R : FList)
        if (R.Character == Character && R.Flags.Contains(Typ))
            return true;
    return false;
}

void TZeichenInWortPos::SetRandomIndexTyp(QChar ACharacter, TZeichenInWortPosTyp ARandomTyp)
{
    if (FList.isEmpty()) {
        FRandomIndex = -1;
        FRandomTyp = ziwpNone;
        return;
    }
    if (ACharacter != u' ' || ARandomTyp != ziwpNone) {
        FRandomTyp = ARandomTyp;
        FRandomIndex = -1;
        for (int I = 0; I < FList.size(); ++I)
            if (FList[I].Character == ACharacter) {
                FRandomIndex = I;
                break;
            }
        return;
    }
    int Index = 0;
    if (FList.size() > 1) {
        do
            Index = Random(int(FList.size()));
        while (Index == FRandomIndex);
    }
    QList<TZeichenInWortPosTyp> Positions;
    for (TZeichenInWortPosTyp T : {ziwpBegin, ziwpMiddle, ziwpEnd})
        if (FList[Index].Flags.Contains(T))
            Positions.append(T);
    if (Positions.isEmpty()) {
        FRandomIndex = -1;
        FRandomTyp = ziwpNone;
        return;
    }
    FRandomIndex = Index;
    if (Positions.size() == 1) {
        FRandomTyp = Positions.first();
        return;
    }
    TZeichenInWortPosTyp Typ;
    do
        Typ = Positions[Random(int(Positions.size()))];
    while (Typ == FRandomTyp);
    FRandomTyp = Typ;
}

void TZeichenInWortPos::SetData(const TZeichenInWortPos &AZeichenInWortPos)
{
    FList = AZeichenInWortPos.FList;
    const int I = AZeichenInWortPos.FRandomIndex;
    FRandomIndex = (I >= 0 && I < FList.size()) ? I : -1;
    FRandomTyp = AZeichenInWortPos.FRandomTyp;
}

QString TZeichenInWortPos::ToString() const
{
    QString Result;
    for (const TZeichenInWortPosRec &R : FList)
        Result += QStringLiteral("\"%1\"=%2; ").arg(R.Character, R.GetFlagsToString());
    Result.chop(2);
    return Result;
}

TDatensatz TDatensatz::Create(const QString &ABrl, const QString &AText, const QString &AZusatztext)
{
    TDatensatz D;
    D.Brl = ABrl;
    D.Text = AText;
    D.Zusatztext = AZusatztext;
    return D;
}

void TDatensatz::Clear()
{
    FZeichenInWortPos.Clear();
    Brl.clear();
    Text.clear();
    Zusatztext.clear();
}

void TDatensatz::SetData(const QString &S)
{
    SetData(QStringView(S));
}

namespace
{
// Position of the next " ^ " at or after From, -1 when there is none.
qsizetype FindSeparator(QStringView S, qsizetype From)
{
    while (true) {
        const qsizetype Caret = FindChar(S, u'^', From);
        if (Caret < 0)
            return -1;
        if (Caret >= 1 && Caret + 1 < S.size() && S[Caret - 1] == u' ' && S[Caret + 1] == u' ')
            return Caret - 1;
        From = Caret + 1;
    }
}
} // namespace

void TDatensatz::SetData(QStringView S)
{
    FZeichenInWortPos.Clear();
    const qsizetype First = FindSeparator(S, 0);
    if (First < 0) {
        Brl = TrimCtl(S).toString();
        Text.clear();
        Zusatztext.clear();
        return;
    }
    Brl = TrimCtl(S.left(First)).toString();
    const QStringView Rest = S.mid(First + 3);
    const qsizetype Second = FindSeparator(Rest, 0);
    if (Second < 0) {
        Text = TrimCtl(Rest).toString();
        Zusatztext.clear();
    } else {
        Text = TrimCtl(Rest.left(Second)).toString();
        Zusatztext = TrimCtl(Rest.mid(Second + 3)).toString();
    }
}

void TDatensatz::SetData(QChar ABrl)
{
    FZeichenInWortPos.Clear();
    Brl = QString(ABrl);
    Text.clear();
    Zusatztext.clear();
}

void TDatensatz::SetData(const TDatensatz &ADatensatz)
{
    Brl = ADatensatz.Brl;
    Text = ADatensatz.Text;
    Zusatztext = ADatensatz.Zusatztext;
    FZeichenInWortPos.SetData(ADatensatz.FZeichenInWortPos);
}

void TDatensatz::SetSperrdruck()
{
    // static: a lambda without captures may use it (clang insists).
    static constexpr QChar EmptyCell(0x2800);
    auto IsGap = [](QChar C) { return C == u' ' || C == EmptyCell; };
    for (qsizetype I = Brl.size() - 1; I >= 1; --I)
        if (!IsGap(Brl[I]) && !IsGap(Brl[I - 1]))
            Brl.insert(I, EmptyCell);
}

QString TDatensatz::ToString() const
{
    QString Result = Brl + Separator + Text;
    if (!Zusatztext.isEmpty())
        Result += Separator + Zusatztext;
    return Result;
}
