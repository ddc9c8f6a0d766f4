#pragma once

#include <functional>

class QKeyEvent;
class QObject;

// A key passes an application-wide filter several times on its way (window,
// focus widget, parents; with a screen reader also a copy at the window):
// true where it is delivered, so that a filter acts on it once.
bool IsWhereKeyArrives(QObject *Watched);

// An application-wide filter that hands each key press, once where it
// arrives, to Act; Act returns whether it took the key.
QObject *InstallKeyPressFilter(std::function<bool(QKeyEvent *)> Act);

// Keys every window of the program handles alike, installed once for the
// whole program by the first window that is made.
//
// Enter on a focused push button presses that button, as on the desktop the
// learner knows, whatever the window's default button is; the keys a window
// gives itself (J/N, Esc, Space) are untouched.
void EnsureButtonEnterKey();

// Speech stops when the program loses the focus to another program: what it
// was saying is no longer about what the learner is doing.
void EnsureSpeechStopOnDeactivation();
