#pragma once

// The program's start: one instance per user, the splash picture, the main
// window with the shared objects, the settings, the folders, the load in the
// background, the introduction text; then the event loop until the main
// window closes. Returns the exit code.
int RunTastwerk(int &argc, char **argv);

// Qt's own texts in German ("&Ja", "Abbrechen"), for standard buttons and
// what a screen reader says of them.
void InstallGermanQtTexts();
