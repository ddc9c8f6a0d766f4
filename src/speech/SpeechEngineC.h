#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// One synthesis engine behind the speech facade. Voices are named by their
// descriptions; rate (-10 to +10) and volume (0 to 100) are the program's
// scales. Every operation is safe without the engine's service: lists come
// back empty, requests do nothing.
class TSpeechEngine
{
public:
    virtual ~TSpeechEngine() = default;

    virtual bool IsAvailable() const = 0;
    // The offered voices' descriptions, sorted, rebuilt at every call.
    virtual QStringList Tokens() const = 0;
    // Makes the voice with this exact description the current one.
    virtual bool SetVoice(const QString &Description) = 0;
    // The current voice's description, or empty.
    virtual QString Voice() const = 0;
    virtual void SetRate(int Rate) = 0;
    virtual int Rate() const = 0;
    virtual void SetVolume(int Volume) = 0;
    virtual int Volume() const = 0;
    // Speaks asynchronously, cutting off what is still being spoken.
    virtual bool Speak(const QString &Text) = 0;
    // Speaks a window's text so that it is heard whole: what a screen
    // reader says about the same window meanwhile is not heard over it.
    virtual bool SpeakWhole(const QString &Text) { return Speak(Text); }
    virtual void Stop() = 0;

    // Called on the main thread when an utterance has been spoken to its end.
    std::function<void()> OnEndStream;
};
