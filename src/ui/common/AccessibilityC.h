#pragma once

#include <QString>

class QPlainTextEdit;

// What a screen reader needs from the windows beyond Qt's own accessibility.

// Makes a screen reader read the line at the caret again after a pane's
// text was replaced: the caret moves one character right and back inside
// the pane (the screen reader follows caret moves), then stays at Pos with
// nothing selected. Nothing is injected into the desktop's input.
void NudgeScreenReader(QPlainTextEdit *Pane, int Pos = 0);

// Speaks and brailles Text through the screen reader without moving the
// focus (a description change of the focused widget, which Orca reads out).
// Does nothing while no screen reader listens.
void AnnounceToScreenReader(const QString &Text);
