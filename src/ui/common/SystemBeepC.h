#pragma once

// The program's own warning beep: a short tone on the audio output, heard
// even where the desktop's bell is silent (most Linux desktops), and
// whatever the program's sound switch says. Installed as the core's beep.
void InstallProgramBeep();
void UninstallProgramBeep();
