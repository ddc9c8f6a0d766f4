#pragma once

#include "speech/ScreenReaderDriverC.h"

#include <memory>

class TSpeechDispatcher;

// Orca, the desktop's screen reader: active while an Orca process of the
// current user runs on our desktop session (the same session bus). It
// speaks through speech-dispatcher, as Orca itself does, so our speech and
// Orca's meet in one queue. The braille display is Orca's: what it brailles
// is the focus and its label, so we write nothing there ourselves.
class TScreenReaderDriverOrca : public TScreenReaderDriver
{
public:
    TScreenReaderDriverOrca();
    ~TScreenReaderDriverOrca() override;

    bool Speak(const QString &S, bool Interrupt) override;
    bool SpeakWhole(const QString &S) override;
    bool Braille(const QString &S) override;
    bool IsSpeaking() override { return false; }
    bool Silence() override;
    bool IsActive() override;
    bool Output(const QString &S, bool Interrupt) override;

    // Whether a process of this user named "orca" runs on our session bus
    // (read from /proc). An Orca of another session of the same user (a
    // second login, a test's private desktop) reads another screen.
    static bool IsOrcaRunning();

    // The session bus a process with this environment talks to: its
    // DBUS_SESSION_BUS_ADDRESS, or the per-user bus under XDG_RUNTIME_DIR;
    // empty when neither is known.
    static QByteArray SessionBus(const QByteArray &Address, const QByteArray &RuntimeDir);

private:
    TSpeechDispatcher *Service();

    std::unique_ptr<TSpeechDispatcher> FService;
};
