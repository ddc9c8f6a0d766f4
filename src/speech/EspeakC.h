#pragma once

#include "sound/PcmOutputC.h"

#include <QString>
#include <QStringList>
#include <functional>

// eSpeak NG, embedded: speaks without any speech service. Text is
// synthesised into memory (far faster than it is spoken) and played on the
// audio output, so that Stop cuts it off at once. Rate (-10 to +10) and
// volume (0 to 100) are the program's scales. Lives on the main thread.
class TEspeak
{
public:
    TEspeak();
    ~TEspeak();

    // Whether the engine could be started (its data is installed).
    bool IsAvailable() const { return FRate > 0; }
    // The voices offered: German ones and those of the user's language,
    // as "eSpeak NG <name> (<language>)", sorted.
    QStringList Tokens() const;
    bool SetVoice(const QString &Description);
    QString Voice() const { return FVoice; }
    void SetRate(int Rate);
    int Rate() const { return FRateSetting; }
    void SetVolume(int Volume);
    int Volume() const { return FVolumeSetting; }
    // Speaks asynchronously, cutting off what is still being spoken.
    bool Speak(const QString &Text);
    void Stop();
    bool IsSpeaking() const { return FOutput.IsPlaying(); }
    // Called on the main thread when an utterance has been spoken to its end.
    std::function<void()> OnEndStream;

private:
    int FRate = 0; // sample rate; 0 when the engine did not start
    QString FVoice;
    int FRateSetting = 0;
    int FVolumeSetting = 80;
    TPcmOutput FOutput;
};
