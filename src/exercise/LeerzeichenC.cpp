#include "exercise/LeerzeichenC.h"

#include "content/RandomC.h"
#include "content/TextFileC.h"

#include <cstdlib>

namespace {
// A decimal integer; Default when the text is none.
int ToIntDef(const QString &S, int Default)
{
    bool Ok = false;
    const int V = S.toInt(&Ok, 10);
    return Ok ? V : Default;
}
} // namespace

TLeerzeichen TLeerzeichen::Create(TLeerzeichenTyp ATyp, int ACount)
{
    TLeerzeichen L;
    L.SetData(ATyp, ACount);
    return L;
}

void TLeerzeichen::SetData(TLeerzeichenTyp ATyp, int ACount)
{
    Typ = ATyp;
    Count = ACount;
}

void TLeerzeichen::SetData(const QString &S)
{
    const QString T = TrimCtl(S);
    const qsizetype Dot = T.indexOf(u'.');
    const int TypNumber = std::abs(ToIntDef(Dot >= 0 ? T.left(Dot) : T, 0));
    switch (TypNumber) {
    case 0:
        SetData(ltNone, 0);
        return;
    case 3:
        SetData(ltRandom, 0);
        return;
    case 1:
    case 2: {
        int C = std::abs(ToIntDef(Dot >= 0 ? T.mid(Dot + 1) : T, 3));
        if (C < 1 || C > 3)
            C = 3;
        SetData(TypNumber == 1 ? ltAlways : ltByWords, C);
        return;
    }
    default:
        SetData(ltAlways, 3);
    }
}

TDatensatz TLeerzeichen::GetDatensatzWithSpaces(const TDatensatz &ADatensatz, bool IsFindDatensatz) const
{
    TDatensatz D;
    D.SetData(ADatensatz);
    switch (Typ) {
    case ltNone:
        break;
    case ltAlways:
        D.Brl += QString(Count, u' ');
        break;
    case ltByWords:
        if (IsFindDatensatz)
            D.Brl = QString(Count, u' ') + D.Brl + QString(Count, u' ');
        break;
    case ltRandom:
        if (Random(2) == 1)
            D.Brl += QString(Random(3) + 1, u' ');
        break;
    }
    return D;
}
