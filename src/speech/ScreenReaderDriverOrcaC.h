#pragma once

#include "speech/ScreenReaderDriverC.h"

#include <memory>

class TSpeechDispatcher;
class TScreenReaderDriverBrltty;

// Orca, the desktop's screen reader: active while an Orca process of the
// current user runs. It speaks through speech-dispatcher, as Orca itself
// does, so our speech and Orca's cut each other off in one queue; braille
// goes to BRLTTY, which Orca drives as well.
class TScreenReaderDriverOrca : public TScreenReaderDriver
{
public:
    TScreenReaderDriverOrca();
    ~TScreenReaderDriverOrca() override;

    bool Speak(const QString &S, bool Interrupt) override;
    bool Braille(const QString &S) override;
    bool IsSpeaking() override { return false; }
    bool Silence() override;
    bool IsActive() override;
    bool Output(const QString &S, bool Interrupt) override;

    // Whether a process of this user named "orca" runs (read from /proc).
    static bool IsOrcaRunning();

private:
    TSpeechDispatcher *Service();

    std::unique_ptr<TSpeechDispatcher> FService;
    std::unique_ptr<TScreenReaderDriverBrltty> FBraille;
};
