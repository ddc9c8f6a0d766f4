#include "exercise/TippenPosC.h"

#include "braille/BrlUniCharC.h"
#include "content/RandomC.h"
#include "exercise/DatenPartsC.h"
#include "sound/SoundsHelperC.h"

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString WithoutTrailingSpaces(const QString &S)
{
    qsizetype E = S.size();
    while (E > 0 && S[E - 1] == u' ')
        --E;
    return S.left(E);
}

QString WithoutSpaces(QString S)
{
    return S.remove(u' ');
}

} // namespace

void TTippenPos::TPos::SetData(const QString &AText, const QStringList &AList, int AWritePos)
{
    FText = AText;
    FTypeText.clear();
    for (const QString &S : AList)
        FTypeText.append(ShowAsBraille(S));
    FWritePos = AWritePos;
}

void TTippenPos::TPos::SetData(const QString &AText, const QString &ATypeText, int AWritePos)
{
    SetData(AText, ATypeText.isEmpty() ? QStringList() : QStringList{ATypeText}, AWritePos);
}

bool TTippenPos::TPos::IsInPos(int SelStart) const
{
    return SelStart >= FWritePos - FText.size() && SelStart <= FWritePos;
}

bool TTippenPos::TPos::CanDelete(bool IsDelete, int SelStart) const
{
    const int Start = FWritePos - int(FText.size());
    return IsDelete ? SelStart >= Start && SelStart <= FWritePos - 1 : SelStart >= Start + 1 && SelStart <= FWritePos;
}

void TTippenPos::TUndo::Assign(const TTippenPos &ATippenPos)
{
    Datensatz = ATippenPos.Datensatz;
    SelStart = ATippenPos.FSelStart;
    SpeakTextString = ATippenPos.FSpeakTextString;
    Pos = ATippenPos.FPos;
    ResultString = ATippenPos.FResultString;
}

void TTippenPos::Clear()
{
    Datensatz.Clear();
    FPos.clear();
    FUndo.Clear();
}

void TTippenPos::AddPos(const QString &AText, const QStringList &AList, QString &Result, int ASelStart)
{
    Result += QStringLiteral("[%1 ]").arg(AText);
    TPos P;
    P.SetData(AText, AList, ASelStart + int(Result.size()) - 2);
    FPos.append(P);
}

void TTippenPos::AddPos(const QString &AText, const QString &ATypeText, QString &Result, int ASelStart)
{
    AddPos(AText, ATypeText.isEmpty() ? QStringList() : QStringList{ATypeText}, Result, ASelStart);
}

QString TTippenPos::CreateNewString(TTippenPosModus Modus, const TDatensatzDynArray &AList, int MaxAnzahl,
                                    bool ZeigeNormaltext)
{
    FPos.clear();
    if (AList.isEmpty()) {
        static const char16_t *const Messages[] = {u"Kein Zeichen vorhanden!", u"Kein Wort vorhanden!",
                                                   u"Kein Satz vorhanden!", u"Keine Brückenwörter vorhanden!",
                                                   u"Kein Lückentext vorhanden!"};
        FSpeakTextString = QString::fromUtf16(Messages[Modus]);
        FSelStart = 0;
        FResultString = FSpeakTextString + CrLf;
        return FSpeakTextString;
    }
    TDatensatz D = AList[Random(int(AList.size()))];
    for (int Try = 0; Try < 11 && D.Brl == Datensatz.Brl; ++Try)
        D = AList[Random(int(AList.size()))];
    Datensatz = D;

    QString Result;
    switch (Modus) {
    case tpmZeichen:
    case tpmWort: {
        const int N = Random(MaxAnzahl) + 1;
        FSpeakTextString = QStringLiteral("Tippe %1 Mal: %2").arg(N).arg(D.Text);
        QString Shown;
        if (!ZeigeNormaltext)
            Shown = ShowAsBraille(D.Brl);
        else if (Modus == tpmWort)
            Shown = D.Text;
        else
            Shown = D.GetZusatztext();
        Result = QStringLiteral("Tippe %1 Mal: %2").arg(N).arg(Shown) + CrLf;
        QStringList Copies;
        for (int I = 0; I < N; ++I)
            Copies.append(D.Brl);
        FSelStart = 0;
        AddPos(QString(), Copies.join(u' '), Result, 0);
        break;
    }
    case tpmSatz:
        FSpeakTextString = QStringLiteral("Tippe: %1").arg(D.Text);
        Result = QStringLiteral("Tippe: %1").arg(ZeigeNormaltext ? D.Text : ShowAsBraille(D.Brl)) + CrLf;
        FSelStart = 0;
        AddPos(QString(), D.Brl, Result, 0);
        break;
    case tpmBrueckenwoerter:
    case tpmLueckentext: {
        FSpeakTextString = Modus == tpmBrueckenwoerter ? QStringLiteral("Finde das Brückenwort")
                                                       : QStringLiteral("Ergänze die Lücken");
        Result = FSpeakTextString + u':' + CrLf;
        FSelStart = int(Result.size());
        const QString Line = DatenParts().CreateString(*this, dptSingleVariante);
        Result += u' ' + ShowAsBraille(Line);
        break;
    }
    }
    FResultString = Result + CrLf;
    FUndo.Assign(*this);
    return Result;
}

QString TTippenPos::CreateRepeatString(TTippenPosModus)
{
    Assign(FUndo);
    return FResultString;
}

void TTippenPos::Assign(const TUndo &AUndo)
{
    Datensatz = AUndo.Datensatz;
    FSelStart = AUndo.SelStart;
    FSpeakTextString = AUndo.SpeakTextString;
    FPos = AUndo.Pos;
    FResultString = AUndo.ResultString;
}

int TTippenPos::IsInPosIndex(int SelStart) const
{
    if (SelStart < 0)
        return -1;
    for (int I = 0; I < FPos.size(); ++I)
        if (FPos[I].IsInPos(SelStart))
            return I;
    return -1;
}

int TTippenPos::NextPosIndex(int SelStart) const
{
    if (SelStart < 0)
        return -1;
    for (int I = 0; I < FPos.size(); ++I)
        if (FPos[I].FWritePos - FPos[I].FText.size() - 1 >= SelStart)
            return I;
    return -1;
}

int TTippenPos::BackPosIndex(int SelStart) const
{
    if (SelStart < 0)
        return -1;
    for (int I = int(FPos.size()) - 1; I >= 0; --I)
        if (FPos[I].FWritePos + 1 <= SelStart)
            return I;
    return -1;
}

void TTippenPos::KeyPress(QChar Key, int PosIndex)
{
    if (!FRe || PosIndex < 0 || PosIndex >= FPos.size())
        return;
    TPos &F = FPos[PosIndex];
    int S = FRe->SelStart();
    FRe->BeginUpdate();
    FRe->SetSelStart(S);
    auto Shift = [this, PosIndex](int Delta) {
        for (int I = PosIndex; I < FPos.size(); ++I)
            FPos[I].FWritePos += Delta;
    };
    if (Key == KeyBackspace || Key == KeyDelete) {
        if (!F.CanDelete(Key == KeyDelete, S)) {
            SystemBeep();
        } else {
            if (Key == KeyBackspace)
                --S;
            // The typed character after the cursor.
            F.FText.remove(S + int(F.FText.size()) - F.FWritePos, 1);
            Shift(-1);
            FRe->SetSelStart(S);
            FRe->SetSelLength(1);
            FRe->ReplaceSelection(QString());
        }
        FRe->EndUpdate();
        return;
    }
    const bool IsSpace = Key == u' ';
    if (S == F.FWritePos) {
        if (IsSpace && (F.FText.isEmpty() || F.FText.endsWith(u' '))) {
            FRe->EndUpdate();
            return;
        }
        F.FText += Key;
    } else {
        const int Index = S + int(F.FText.size()) - F.FWritePos; // 0-based
        if (IsSpace
            && (F.FText.isEmpty() || Index == 0 || (Index < F.FText.size() && F.FText[Index] == u' ')
                || (Index > 0 && F.FText[Index - 1] == u' '))) {
            FRe->EndUpdate();
            return;
        }
        F.FText.insert(Index, Key);
    }
    Shift(1);
    FRe->ReplaceSelection(QString(Key));
    FRe->EndUpdate();
}

int TTippenPos::CheckPos(QString &TextString, QString &SpeakTextString, bool ClearSpace) const
{
    bool Typed = false;
    QList<const TPos *> Wrong;
    for (const TPos &P : FPos) {
        QString T = WithoutTrailingSpaces(P.FText);
        if (ClearSpace)
            T = WithoutSpaces(T);
        if (T.isEmpty())
            continue;
        Typed = true;
        bool Right = false;
        for (const QString &Answer : P.FTypeText)
            if (T == (ClearSpace ? WithoutSpaces(Answer) : Answer)) {
                Right = true;
                break;
            }
        if (!Right)
            Wrong.append(&P);
    }
    if (Wrong.isEmpty() && Typed) {
        TextString = SpeakTextString = QStringLiteral("Super! Alles wurde richtig eingegeben!");
        return 1;
    }
    if (Wrong.isEmpty()) {
        TextString = SpeakTextString =
            QStringLiteral("Es wurde nichts eingegeben!") + CrLf + QStringLiteral("Drücke die Leertaste um es nochmals zu versuchen.");
        return 0;
    }
    TextString = QStringLiteral("Oje! Deine Eingabe ist leider nicht richtig!\r\nFolgendes ist falsch:\r\n");
    for (const TPos *P : Wrong)
        TextString += QStringLiteral("Falsch: %1\r\nRichtig: %2\r\n")
                          .arg(WithoutTrailingSpaces(P->FText), P->FTypeText.isEmpty() ? QString() : P->FTypeText.first());
    TextString += QStringLiteral("Drücke die Leertaste um es nochmals zu versuchen.");
    SpeakTextString = BrlUniChar ? BrlUniChar->Translate(TextString, ttToAscChar, false) : TextString;
    return -1;
}
