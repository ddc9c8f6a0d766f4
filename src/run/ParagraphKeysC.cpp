#include "run/ParagraphKeysC.h"

int NextParagraphPos(const QString &Text, int Caret)
{
    const int N = int(Text.size());
    if (N < Caret + 2)
        return -1;
    const int Lf = int(Text.indexOf(QLatin1Char('\n'), Caret + 1));
    return Lf < 0 ? N : Lf + 1;
}

int PreviousParagraphPos(const QString &Text, int Caret)
{
    if (Caret <= 0)
        return -1;
    Caret = qMin(Caret, int(Text.size()));
    // The CR that ends the line before the caret's line ...
    int I = Caret - 1;
    while (I >= 0 && Text.at(I) != QLatin1Char('\r'))
        --I;
    if (I < 0)
        return 0;
    // ... and the LF that ends the line before that one.
    --I;
    while (I >= 0 && Text.at(I) != QLatin1Char('\n'))
        --I;
    return I < 0 ? 0 : I + 1;
}
