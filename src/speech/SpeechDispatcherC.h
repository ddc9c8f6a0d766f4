#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

// The system's speech service, speech-dispatcher, the one Linux screen
// readers speak through. Its address comes from the environment
// (SPEECHD_ADDRESS) as for every client. Rate (-10 to +10) and volume
// (0 to 100) are the program's scales. Lives on the main thread; without
// the service every request does nothing.
class TSpeechDispatcher : public QObject
{
public:
    TSpeechDispatcher();
    ~TSpeechDispatcher() override;

    bool IsAvailable() const { return FConnection != nullptr; }
    // The voices of German and of the user's language, as
    // "speech-dispatcher <name> (<language>)", sorted.
    QStringList Tokens() const;
    bool SetVoice(const QString &Description);
    QString Voice() const { return FVoice; }
    void SetRate(int Rate);
    void SetVolume(int Volume);
    // Speaks asynchronously, cutting off what is still being spoken.
    bool Speak(const QString &Text);
    void Stop();
    // Called on the main thread when an utterance has been spoken to its end.
    std::function<void()> OnEndStream;

private:
    static void EndCallback(size_t MsgId, size_t ClientId, int Type);

    // The library's connection, kept opaque so that its header stays private.
    void *FConnection = nullptr;
    QString FVoice;
};
