#include "progress/FortschrittMelderC.h"

#include "content/LektionenC.h"
#include "exercise/ClickPosC.h"
#include "exercise/MemoC.h"
#include "exercise/TippenPosC.h"
#include "progress/FortschrittC.h"

namespace
{
bool IsCell(QChar C)
{
    return C.unicode() > 0x2800 && C.unicode() <= 0x28FF;
}

// The cells of a target's range in the memo, without the blanks between.
QString CellsIn(const QString &Text, const TClickPos::TPos &P)
{
    QString Cells;
    for (int I = P.FromPos; I <= P.ToPos && I < Text.size(); ++I)
        if (IsCell(Text[I]))
            Cells += Text[I];
    return Cells;
}

QString WithoutTrailingSpaces(QString S)
{
    while (!S.isEmpty() && S.back() == u' ')
        S.chop(1);
    return S;
}
} // namespace

TFortschrittMelder::TFortschrittMelder(TFortschritt *AFortschritt, const QString &AMaterial, TAufgabenTyp ATyp)
    : FFortschritt(AFortschritt)
    , FMaterial(AMaterial)
    , FTyp(ATyp)
{
}

QString TFortschrittMelder::BereichVon(const TLektionendatei &Lektion)
{
    // Relative to the material for a lesson of it, the whole name otherwise.
    const QString Path = Lektion.GetToSammellektionPath();
    const qsizetype Slash = Path.indexOf(u'/');
    if (Path.startsWith(u'/') || Slash <= 0 || Path.indexOf(u'/', Slash + 1) >= 0)
        return QString();
    return Path.left(Slash);
}

bool TFortschrittMelder::Records() const
{
    return FFortschritt && !FMaterial.isEmpty();
}

int TFortschrittMelder::CheckClick(TClickPos &ClickPos, QDate Day) const
{
    const bool Characters = FTyp == atZeichenFinden || FTyp == atZeichenInWortFinden || FTyp == atFehlersuche;
    if (!Records() || !Characters || !ClickPos.FRe)
        return ClickPos.CheckClick();
    // What is asked and what is clicked, before the judge blanks a found
    // target out.
    const QString Text = ClickPos.FRe->Text();
    const int At = ClickPos.FRe->SelStart();
    const int Index = ClickPos.IndexOf(At);
    const QString Found = Index >= 0 ? CellsIn(Text, ClickPos.FPos[Index]) : QString();
    const QString Asked = ClickPos.Count() > 0 ? CellsIn(Text, ClickPos.FPos.first()) : QString();
    const QString Clicked = At >= 0 && At < Text.size() ? QString(Text[At]) : QString();
    const int Result = ClickPos.CheckClick();
    if (Result == 1 && !Found.isEmpty())
        FFortschritt->RecordFinding(FMaterial, Found, QString(), true, Day);
    else if (Result == -1 && FTyp == atFehlersuche)
        FFortschritt->RecordFinding(FMaterial, Clicked, QString(), false, Day);
    else if (Result == -1 && !Asked.isEmpty())
        FFortschritt->RecordFinding(FMaterial, Asked, QString(), false, Day, Clicked);
    return Result;
}

void TFortschrittMelder::RecordTyping(const TTippenPos &TippenPos, int Result, bool ClearSpace, QDate Day) const
{
    if (!Records() || Result == 0)
        return;
    for (const TTippenPos::TPos &P : TippenPos.FPos) {
        QString Typed = WithoutTrailingSpaces(P.FText);
        if (ClearSpace)
            Typed.remove(u' ');
        // A field left empty was not judged.
        if (Typed.isEmpty() || P.FTypeText.isEmpty())
            continue;
        FFortschritt->RecordTyping(FMaterial, P.FTypeText, Typed, Day);
    }
}
