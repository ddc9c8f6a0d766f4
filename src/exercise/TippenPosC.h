#pragma once

#include "content/DatenHelperC.h"
#include "exercise/MemoC.h"

#include <QList>
#include <QString>
#include <QStringList>

enum TTippenPosModus { tpmZeichen, tpmWort, tpmSatz, tpmBrueckenwoerter, tpmLueckentext };

// The typing checker: makes a typing exercise with its input fields, keeps
// what the learner types into each field while the memo shows it, and
// judges the fields. A field reads "[" + typed text + " ]" in the memo.
class TTippenPos
{
public:
    // Backspace and Delete as KeyPress takes them.
    static constexpr char16_t KeyBackspace = 8;
    static constexpr char16_t KeyDelete = 9;

    struct TPos {
        QString FText;          // typed so far (braille cells)
        QStringList FTypeText;  // accepted answers as braille; the first is shown
        int FWritePos = 0;      // just after the typed text

        void Clear() { *this = TPos(); }
        void SetData(const QString &AText, const QStringList &AList, int AWritePos);
        void SetData(const QString &AText, const QString &ATypeText, int AWritePos);
        bool IsInPos(int SelStart) const;
        bool CanDelete(bool IsDelete, int SelStart) const;
    };

    // The exercise as made, to show it again with empty fields.
    struct TUndo {
        TDatensatz Datensatz;
        int SelStart = 0;
        QString SpeakTextString;
        QList<TPos> Pos;
        QString ResultString;

        void Assign(const TTippenPos &ATippenPos);
        void Clear() { *this = TUndo(); }
    };

    TMemo *FRe = nullptr;
    TUndo FUndo;
    int FSelStart = 0;
    QString FSpeakTextString;
    QList<TPos> FPos;
    QString FResultString;
    TDatensatz Datensatz;

    void SetRe(TMemo *ARe) { FRe = ARe; }
    void Clear();
    void ClearPos() { FPos.clear(); }
    int Count() const { return int(FPos.size()); }
    // Appends a field "[AText ]" to Result; ASelStart is where Result will
    // start in the memo.
    void AddPos(const QString &AText, const QStringList &AList, QString &Result, int ASelStart);
    void AddPos(const QString &AText, const QString &ATypeText, QString &Result, int ASelStart);

    // A new exercise from AList (without the final line break).
    QString CreateNewString(TTippenPosModus Modus, const TDatensatzDynArray &AList, int MaxAnzahl,
                            bool ZeigeNormaltext);
    // The same exercise again, with empty fields.
    QString CreateRepeatString(TTippenPosModus Modus);
    void Assign(const TUndo &AUndo);

    int IsInPosIndex(int SelStart) const;
    int NextPosIndex(int SelStart) const;
    int BackPosIndex(int SelStart) const;
    // One key into field PosIndex at the memo's cursor: a braille cell or a
    // space, KeyBackspace or KeyDelete.
    void KeyPress(QChar Key, int PosIndex);
    // 1 every typed field right, 0 nothing typed, -1 something wrong; the
    // message to show and to speak.
    int CheckPos(QString &TextString, QString &SpeakTextString, bool ClearSpace) const;
};
