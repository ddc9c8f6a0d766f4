#pragma once

#include "exercise/MemoC.h"

#include <QString>
#include <QStringList>

// The spoken form of a memo's text, one entry per memo line, and which line
// the caret stood on at the last look: a timer speaks a line exactly when
// the caret has moved onto another one.
class TSpeakTextLines
{
public:
    explicit TSpeakTextLines(TMemo *ARe = nullptr) : FRe(ARe) {}

    void Clear();
    void Add(const QString &S) { FList.append(S); }
    int Count() const { return int(FList.size()); }
    // The entry, or an empty string outside the list.
    QString Get(int Index) const { return Index >= 0 && Index < FList.size() ? FList[Index] : QString(); }
    const QStringList &Lines() const { return FList; }

    // What the owner speaks first: the task line of an exercise.
    QString SpeakTextString() const { return FSpeakTextString; }
    void SetSpeakTextString(const QString &S) { FSpeakTextString = S; }

    // Takes a copy of the memo's text and looks at the caret.
    void Remember();
    // Looks at the caret again; true when it stands on another line now.
    bool IsNewLine();
    int NewLine() const { return FNewLine; }

private:
    void CheckCaret(int Pos);

    QStringList FList;
    int FNewLine = -1;
    TMemo *FRe;
    int FSelStart = -1;
    QString FSpeakTextString;
    QString FText;
};
