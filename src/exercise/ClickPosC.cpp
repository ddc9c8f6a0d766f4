#include "exercise/ClickPosC.h"

#include "content/TextFileC.h"
#include "sound/SoundsHelperC.h"

void TClickPos::Clear()
{
    Datensatz.Clear();
    FPos.clear();
}

void TClickPos::AddPos(int AFromPos, int AToPos)
{
    TPos P;
    P.SetData(AFromPos, AToPos);
    FPos.append(P);
}

void TClickPos::AddPos(const TDatensatz &ADatensatz, int AFromPos, int AToPos)
{
    Datensatz = ADatensatz;
    FPos.clear();
    AddPos(AFromPos, AToPos);
}

int TClickPos::IndexOf(int SelStart) const
{
    for (int I = 0; I < FPos.size(); ++I)
        if (FPos[I].FromPos <= SelStart && SelStart <= FPos[I].ToPos)
            return I;
    return -1;
}

int TClickPos::CheckClick()
{
    if (!FRe)
        return 0;
    int S = FRe->SelStart();
    FRe->BeginUpdate();
    FRe->SetSelStart(S);
    FRe->SetSelLength(1);
    const QString Selected = TrimCtl(FRe->SelText());
    int Result = 0;
    const bool IsCell = Selected.size() == 1 && Selected[0].unicode() >= 0x2800 && Selected[0].unicode() <= 0x28FF;
    if (IsCell && S >= FClickSelStart) {
        const int Index = IndexOf(S);
        if (Index < 0) {
            Result = -1;
        } else {
            Result = 1;
            // The found target leaves the line, so it cannot be found twice.
            const TPos P = FPos[Index];
            FRe->SetSelStart(P.FromPos);
            FRe->SetSelLength(P.ToPos - P.FromPos + 1);
            FRe->ReplaceSelection(QString(P.ToPos - P.FromPos + 1, u' '));
            S = P.FromPos;
            FPos.removeAt(Index);
        }
    }
    // The caret stays on the judged cell without selecting it: a selection
    // is announced by the screen reader over the next task.
    FRe->SetSelStart(S);
    FRe->SetSelLength(0);
    FRe->EndUpdate();
    return Result;
}

void TRichtigFalschCounter::IncFalsch(bool SoundsEnabled)
{
    PlaySoundNr(snClickFalse, SoundsEnabled);
    ++FFalsch;
}

void TRichtigFalschCounter::IncRichtig(bool SoundsEnabled)
{
    PlaySoundNr(snClickTrue, SoundsEnabled);
    ++FRichtig;
}
