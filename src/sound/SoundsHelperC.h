#pragma once

#include <QString>
#include <atomic>
#include <functional>

// The numbered sounds of the program and the one way to play them. The
// audio player installs itself here; without one, nothing plays.

enum TSoundNr : int {
    snBrlKbOff = 0,  // the braille keyboard is switched off
    snBrlKbOn = 1,   // the braille keyboard is switched on
    snClickFalse = 2,
    snClickTrue = 3,
    snDialogOff = 4,
    snDialogOn = 5,
    snEditfield = 6, // the caret jumps to an input field
    snLineEnd = 7,   // an arrow key at the start or end of a text
    snNextLine = 8,
    snNextPart = 9,
    snScore = 10,
    snSecond = 11,   // each of the last seconds of a countdown
    snType = 12,     // a braille character is typed
};
constexpr int SoundCount = 13;

// "ClickTrue.wav" for snClickTrue; empty for numbers outside 0..12.
QString SoundFileName(int Nr);

// The program's sound switch (the setting "SoundsEnabled").
extern std::atomic<bool> SoundsEnabled;

// Plays a sound file (full path) in the background, cutting off the last.
using TSoundPlayer = std::function<void(const QString &FileName)>;
void InstallSoundPlayer(TSoundPlayer Player);

// Plays sound Nr from the sounds folder when the program's switch and the
// caller's own switch (Enabled) are both on. Returns at once.
void PlaySoundNr(int Nr, bool Enabled);

// The system's short warning sound, for a key that cannot be taken. The
// windows install the real one; without it, nothing sounds.
void InstallBeep(std::function<void()> Beep);
void SystemBeep();
