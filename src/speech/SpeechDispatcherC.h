#pragma once

#include "speech/SpeechEngineC.h"

#include <QObject>

// The system's speech service, speech-dispatcher, the one Linux screen
// readers speak through. Its address comes from the environment
// (SPEECHD_ADDRESS) as for every client. Rate (-10 to +10) and volume
// (0 to 100) are the program's scales. Lives on the main thread; without
// the service every request does nothing.
class TSpeechDispatcher : public QObject, public TSpeechEngine
{
public:
    TSpeechDispatcher();
    ~TSpeechDispatcher() override;

    bool IsAvailable() const override { return FConnection != nullptr; }
    // The voices of German and of the user's language, as
    // "speech-dispatcher <name> (<language>)", sorted. Fetched from the
    // service once per process (see PrefetchVoices).
    QStringList Tokens() const override;
    bool SetVoice(const QString &Description) override;
    QString Voice() const override { return FVoice; }
    void SetRate(int Rate) override;
    int Rate() const override { return FRate; }
    void SetVolume(int Volume) override;
    int Volume() const override { return FVolume; }
    // Speaks asynchronously, cutting off what is still being spoken.
    bool Speak(const QString &Text) override;
    // Speaks asynchronously; without Interrupt after what is still queued.
    bool Say(const QString &Text, bool Interrupt);
    // A window's text, heard whole: every client's speech is cut off, the
    // text goes first, and what a screen reader sends while it is spoken
    // (its announcement of the window) waits behind it and is dropped when
    // it ends.
    bool SpeakWhole(const QString &Text) override;
    // Also drops what waits behind a text spoken whole: the learner asked
    // for silence.
    void Stop() override;
    // Speaks with the service's own voice for a language, before (or
    // without) the voice list: the first start says its introduction while
    // the list is still loading.
    bool UseLanguage(const QString &Language);

    // Cuts off what every client of the service is saying, a screen reader
    // too, and keeps the reading a screen reader sends for the same key
    // from being heard: what any connection of ours says next (within
    // CutOffWindowMs) goes before it and whatever waits behind that is
    // cancelled when it ends; while we say nothing, what others send
    // within the window is cancelled as it comes.
    void CutOffOthers();
    static constexpr int CutOffWindowMs = 600;

    // Fetches the service's voice list on the calling thread, once per
    // process; every client then reads it at once. Call it off the main
    // thread: with a full voice set it takes seconds.
    static void PrefetchVoices();
    // Whether the voice list of the current service address is at hand, so
    // that reading it does not wait for the service.
    static bool VoicesCached();

private:
    static void EndCallback(size_t MsgId, size_t ClientId, int Type);
    void CancelAll();
    friend struct TCutOff;

    // The library's connection, kept opaque so that its header stays private.
    void *FConnection = nullptr;
    int FClientId = -1;
    QString FVoice;
    int FRate = 0;
    int FVolume = 80;
};
