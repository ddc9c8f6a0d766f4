#pragma once

#include "exercise/ClickPosC.h"

class TTippenPos;

#include <QString>

enum TDatenPartTyp {
    dptSingleVariante, // take the first alternative of a mark
    dptMultiVariante,  // take a random alternative
};

// Marked data lines: "^" opens and closes a marked part, "\" separates
// alternatives inside it ("Er ^ist\sind^ da"). One object for the whole
// program: it remembers the last line, so that a line with alternatives is
// not shown the same way twice in a row.
struct TDatenParts {
    QString FLastString;
    TDatenPartTyp FVariante = dptSingleVariante;

    // The line of ClickPos.Datensatz with its marks resolved; each marked
    // part becomes a click range (from ClickPos.FClickSelStart on) and its
    // spaces empty cells.
    QString CreateString(TClickPos &ClickPos, TDatenPartTyp AVariante);
    // The line of TippenPos.Datensatz with an input field for each marked
    // part, accepting every alternative; the first is shown as the answer.
    QString CreateString(TTippenPos &TippenPos, TDatenPartTyp AVariante);
};

// The program's one object.
TDatenParts &DatenParts();
