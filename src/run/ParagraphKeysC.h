#pragma once

#include <QString>

// The paragraph keys of the text panes (Ctrl+Down, Ctrl+Up), on a memo text
// with CR LF line breaks and memo positions. -1 means the caret cannot go
// there and the window beeps.

// With at least two characters after the caret: behind the first LF from
// the second character after the caret on, or the end of the text.
int NextParagraphPos(const QString &Text, int Caret);
// The start of the line before the caret's line (0 at the top); -1 at 0.
int PreviousParagraphPos(const QString &Text, int Caret);
