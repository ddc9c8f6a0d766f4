#pragma once

#include <QObject>
#include <atomic>

// Process-wide state shared by every part of the program.

// Set once when the program starts closing and never cleared; every loop of a
// loader, a list thread or a waiting handler stops as soon as it sees it.
extern std::atomic<bool> IsProgramClosing;

// The object that receives the background threads' status messages and
// forwards them to the main window. Null until the main window exists.
extern QObject *MainWindowHandle;
