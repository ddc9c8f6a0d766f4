#include "run/SpeakTextLinesC.h"

void TSpeakTextLines::Clear()
{
    FList.clear();
    FNewLine = -1;
    FSpeakTextString.clear();
    FSelStart = -1;
    FText.clear();
}

void TSpeakTextLines::Remember()
{
    FText = FRe ? FRe->Text() : QString();
    if (FRe)
        CheckCaret(FRe->SelStart());
}

bool TSpeakTextLines::IsNewLine()
{
    const int Before = FNewLine;
    if (FRe)
        CheckCaret(FRe->SelStart());
    return FNewLine != Before;
}

void TSpeakTextLines::CheckCaret(int Pos)
{
    if (Pos + 1 == FSelStart)
        return;
    FSelStart = Pos + 1;
    FNewLine = int(QStringView(FText).left(Pos).count(u'\r'));
}
