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

// The length in seconds of the sound playing now, for a window that waits
// until a sound has ended; 0 when nothing tells it.
using TSoundLength = std::function<double()>;
void InstallSoundLength(TSoundLength Length);
double PlayingSoundLength();

// Plays sound Nr from the sounds folder when the program's switch and the
// caller's own switch (Enabled) are both on. Returns at once.
void PlaySoundNr(int Nr, bool Enabled);

class TMemo;

// Virtual key codes of the arrow keys, as windows pass them.
enum TArrowKey : int { vkLeft = 37, vkUp = 38, vkRight = 39, vkDown = 40 };

// An arrow key that cannot move the caret any further in a text pane plays
// "LineEnd.wav": Left or Up at the start, Right or Down at or after the end.
void CheckLineEndSound(bool Enabled, bool IsMemo, const TMemo &Memo, int Key);

// The system's short warning sound, for a key that cannot be taken. The
// windows install the real one; without it, nothing sounds.
void InstallBeep(std::function<void()> Beep);
void SystemBeep();
