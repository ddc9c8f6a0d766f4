#pragma once

#include "content/DatenHelperC.h"

#include <QString>

enum TLeerzeichenTyp { ltNone = 0, ltAlways = 1, ltByWords = 2, ltRandom = 3 };

// The spacing rule of finding exercises: how many spaces follow an item.
struct TLeerzeichen {
    TLeerzeichenTyp Typ = ltNone;
    int Count = 0; // 1..3 for ltAlways and ltByWords, else 0

    static TLeerzeichen Create(TLeerzeichenTyp ATyp, int ACount);
    void SetData(TLeerzeichenTyp ATyp, int ACount);
    void SetData(const TLeerzeichen &ALeerzeichen) { *this = ALeerzeichen; }
    // The text form of a lesson file: "1.2" is (ltAlways, 2), "2" is
    // (ltByWords, 2), "3" is (ltRandom, 0), "0" is (ltNone, 0).
    void SetData(const QString &S);
    // A copy of the record whose braille form carries the spaces of this
    // rule: ltAlways appends Count; ltByWords puts Count in front and after,
    // but only for a target (IsFindDatensatz); ltRandom appends 1 to 3 now
    // and then.
    TDatensatz GetDatensatzWithSpaces(const TDatensatz &ADatensatz, bool IsFindDatensatz) const;
    bool operator==(const TLeerzeichen &) const = default;
};
