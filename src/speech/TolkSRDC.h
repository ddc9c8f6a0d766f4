#pragma once

#include "speech/ScreenReaderDriverC.h"

#include <QString>
#include <memory>
#include <vector>

// The learner's screen reader and braille display: finds out anew at every
// request which one is reachable and forwards the request to it. Nothing
// happens, and nothing is reported, when none is.
class TTolkSRD
{
public:
    TTolkSRD();
    ~TTolkSRD();

    void Load();
    void Unload();
    bool IsLoaded() const { return FIsLoaded; }

    // The name of the reachable screen reader, or empty.
    QString DetectScreenReader();
    bool HasSpeech();
    bool HasBraille();
    bool Output(const QString &S, bool Interrupt);
    bool Speak(const QString &S, bool Interrupt);
    bool SpeakWhole(const QString &S);
    bool Braille(const QString &S);
    // The line at the caret, where the program itself drives the display.
    bool BrailleLine(const QString &Line, int Caret);
    bool Stop() { return Silence(); }
    bool Silence();
    bool IsSpeaking();

private:
    TScreenReaderDriver *Detect();

    bool FIsLoaded = false;
    std::vector<std::unique_ptr<TScreenReaderDriver>> List;
    TScreenReaderDriver *CurrentSRD = nullptr;
};
