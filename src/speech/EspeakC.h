#pragma once

#include "sound/PcmOutputC.h"
#include "speech/SpeechEngineC.h"

#include <QString>
#include <QStringList>

// eSpeak NG, embedded: speaks without any speech service. Text is
// synthesised into memory (far faster than it is spoken) and played on the
// audio output, so that Stop cuts it off at once. Rate (-10 to +10) and
// volume (0 to 100) are the program's scales. Lives on the main thread.
class TEspeak : public TSpeechEngine
{
public:
    TEspeak();
    ~TEspeak() override;

    // Whether the engine could be started (its data is installed).
    bool IsAvailable() const override { return FRate > 0; }
    // The voices offered: German ones and those of the user's language,
    // as "eSpeak NG <name> (<language>)", sorted.
    QStringList Tokens() const override;
    bool SetVoice(const QString &Description) override;
    QString Voice() const override { return FVoice; }
    void SetRate(int Rate) override;
    int Rate() const override { return FRateSetting; }
    void SetVolume(int Volume) override;
    int Volume() const override { return FVolumeSetting; }
    // Speaks asynchronously, cutting off what is still being spoken.
    bool Speak(const QString &Text) override;
    void Stop() override;
    bool IsSpeaking() const { return FOutput.IsPlaying(); }

private:
    int FRate = 0; // sample rate; 0 when the engine did not start
    QString FVoice;
    int FRateSetting = 0;
    int FVolumeSetting = 80;
    TPcmOutput FOutput;
};
