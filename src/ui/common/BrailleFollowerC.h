#pragma once

class QWidget;
class QString;

// Where no screen reader drives the braille display (it ended, or never
// ran) but BRLTTY does, the program shows on the display what has the
// focus: the line at the caret of a text pane with the caret in it, a
// field's label and value, a button, the current entry of a list. Once a
// screen reader runs again the display is its own. Installed once for the
// whole program by the first window that is made.
void EnsureBrailleFollower();

// What the display shows for Focus: the line, and the caret's place in it
// (-1 for none).
QString BrailleLineOf(QWidget *Focus, int *Caret);
