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

class QAbstractItemView;
class QWidget;

// Mends for what Qt 6.4 gives a screen reader, for every window:
// - line edits get an accessible interface of the program's own (Qt's loops
//   forever on a word query at the end of the text and makes Orca drop the
//   last character);
// - the program's up-downs are spin boxes with a value;
// Installed once at start (and by widget tests).
void InstallAccessibilityMends();

// A list or table reports its current item to the screen reader when it
// gets the focus (Orca otherwise only says how many items it has).
void MendListFocus(QAbstractItemView *List);

// Sends Text to the screen reader (speech and braille, without interrupting)
// whenever Control gets the focus: the label the screen reader would not
// say by itself.
void SpeakLabelOnEnter(QWidget *Control, const QString &Text);
