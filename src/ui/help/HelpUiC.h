#pragma once

#include <QString>

// The help as the windows offer it.

// Installs the desktop's opener for help pages (the default browser; the
// program's own help window when none works) and a message box for the
// missing-page message.
void InstallDesktopHelp();

// Shows the introduction in a message window that speaks it; returns the
// window's result (10 when its help button was used: the main help page
// has then been opened).
int ShowEinleitungDlg();

// Plain F1 anywhere in the program opens the help page of the window in
// front (the current help id), unless the splash picture is up.
void InstallHelpKey();

// Opens a file in the desktop's program for it (History.txt in a text
// viewer), or in the program's own help window when none works.
bool OpenDocument(const QString &Path);
