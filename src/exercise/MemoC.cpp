#include "exercise/MemoC.h"

#include <QtGlobal>

void TMemo::AddLine(const QString &S)
{
    QString T = Text();
    if (!T.isEmpty() && !T.endsWith(QStringLiteral("\r\n")))
        T += QStringLiteral("\r\n");
    SetText(T + S + QStringLiteral("\r\n"));
}

void TStringMemo::SetText(const QString &AText)
{
    FText = AText;
    FSelStart = qMin(FSelStart, int(FText.size()));
    FSelLength = 0;
}

void TStringMemo::SetSelStart(int ASelStart)
{
    FSelStart = qBound(0, ASelStart, int(FText.size()));
    FSelLength = 0;
}

void TStringMemo::SetSelLength(int ASelLength)
{
    FSelLength = qBound(0, ASelLength, int(FText.size()) - FSelStart);
}

void TStringMemo::ReplaceSelection(const QString &AText)
{
    FText.replace(FSelStart, FSelLength, AText);
    FSelStart += int(AText.size());
    FSelLength = 0;
}

int MemoToDocumentPosition(const QString &MemoText, int MemoPos)
{
    const int End = qBound(0, MemoPos, int(MemoText.size()));
    int Doc = 0;
    for (int I = 0; I < End; ++I) {
        // A CR LF pair takes one position, counted at its LF, so that the
        // position between the two is still the end of the line.
        if (MemoText[I] == u'\r' && I + 1 < MemoText.size() && MemoText[I + 1] == u'\n')
            continue;
        ++Doc;
    }
    return Doc;
}

int DocumentToMemoPosition(const QString &MemoText, int DocumentPos)
{
    int Doc = 0;
    int I = 0;
    while (I < MemoText.size() && Doc < DocumentPos) {
        if (MemoText[I] == u'\r' && I + 1 < MemoText.size() && MemoText[I + 1] == u'\n')
            ++I; // CR LF is one document position
        ++I;
        ++Doc;
    }
    return I;
}
