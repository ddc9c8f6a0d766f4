#pragma once

#include "content/DatenHelperC.h"
#include "exercise/LeerzeichenC.h"

#include <QString>

struct TClickPos;

// The exercise of the six finding types: a task line naming the target and
// a braille line in which copies of it (or, in mode 2, words with the asked
// character at the asked place) hide among fillers, at most as wide as the
// braille display (BrailleChars).
//
// NewDatensatz: choose a new target from FindList, avoiding the one in
// ClickPos.Datensatz; else keep that target and only build a new line.
// Fillers come from FillList, never equal to the target. Leerzeichen spaces
// the items, Maximum bounds the number of targets (which together take at
// most half the line, but at least one is always placed). ZeigeNormaltext
// names the target in print instead of braille.
//
// Mode: 0 plain, 1 braille figures (the task names the figure and shows
// it), 2 a character at a place in words (beginning, middle, end),
// 3 words with spaced-out letters.
//
// Returns the task line and the exercise line, each ending in CR LF. ClickPos
// receives the target (Datensatz), the task to speak, where the exercise line
// starts (FClickSelStart), where the cursor goes (FSelStart: 0 for a new
// target, else the exercise line) and the text range of every target shown
// (FPos).
QString CreateFindText(TClickPos &ClickPos, bool NewDatensatz, const TDatensatzDynArray &FindList,
                       const TDatensatzDynArray &FillList, const TLeerzeichen &Leerzeichen, int Maximum,
                       bool ZeigeNormaltext, int Mode);
