#pragma once

#include "content/DatenHelperC.h"
#include "exercise/MemoC.h"

#include <QList>
#include <QString>

// The answer key of a finding or error-search exercise: the text ranges of
// the targets still to be found, and what the dialog needs to show the task.
struct TClickPos {
    struct TPos {
        int FromPos = 0; // first cell of the target
        int ToPos = 0;   // its last cell, inclusive
        void SetData(int AFromPos, int AToPos)
        {
            FromPos = AFromPos;
            ToPos = AToPos;
        }
        bool operator==(const TPos &) const = default;
    };

    int FClickSelStart = 0;   // where the exercise line starts
    QList<TPos> FPos;          // the targets still to be found, in line order
    TMemo *FRe = nullptr;      // the exercise memo (not owned)
    int FSelStart = 0;         // where the dialog puts the cursor
    QString FSpeakTextString;  // the task to speak
    TDatensatz Datensatz;      // the current target or text record

    void SetRe(TMemo *ARe) { FRe = ARe; }
    // Empties the target record and the ranges; the rest stays.
    void Clear();
    void ClearPos() { FPos.clear(); }
    int Count() const { return int(FPos.size()); }
    void AddPos(int AFromPos, int AToPos);
    void AddPos(const TDatensatz &ADatensatz, int AFromPos, int AToPos);
    // The first range holding SelStart, or -1.
    int IndexOf(int SelStart) const;
    // Judges the cell at the memo's cursor: 1 a target (it is blanked out
    // and its range removed), -1 another cell, 0 not judged (no braille
    // cell there, or before the exercise line).
    int CheckClick();
};

// Right and wrong answers of a lesson run.
struct TRichtigFalschCounter {
    int FFalsch = 0;
    int FRichtig = 0;

    void Clear() { FFalsch = FRichtig = 0; }
    void SetData(int AFalsch, int ARichtig)
    {
        FFalsch = AFalsch;
        FRichtig = ARichtig;
    }
    // Play "ClickFalse.wav" / "ClickTrue.wav" (when SoundsEnabled and the
    // program's sound switch are on), then count.
    void IncFalsch(bool SoundsEnabled);
    void IncRichtig(bool SoundsEnabled);
};
