#pragma once

#include "app/SettingsC.h"
#include "speech/SpeechC.h"

#include <memory>

// A speech engine that keeps what it was asked to say, so that tests can
// hear the windows without a sound server.
class TRecordingEngine : public TSpeechEngine
{
public:
    bool IsAvailable() const override { return true; }
    QStringList Tokens() const override { return {QStringLiteral("Testsprecher")}; }
    bool SetVoice(const QString &D) override
    {
        FVoice = D;
        return true;
    }
    QString Voice() const override { return FVoice; }
    void SetRate(int R) override { FRate = R; }
    int Rate() const override { return FRate; }
    void SetVolume(int V) override { FVolume = V; }
    int Volume() const override { return FVolume; }
    bool Speak(const QString &Text) override
    {
        Spoken.append(Text);
        return true;
    }
    void Stop() override { ++Stops; }

    QStringList Spoken;
    int Stops = 0;

private:
    QString FVoice;
    int FRate = 0, FVolume = 80;
};

// Installs a speech facade over a recording engine as the program's speech,
// with its voice chosen so that speech counts as switched on.
struct TRecordingSpeech {
    TRecordingSpeech()
    {
        auto E = std::make_unique<TRecordingEngine>();
        Engine = E.get();
        Facade = std::make_unique<TSpeech>(false, std::move(E), nullptr);
        Facade->SetTokenNrIndex({1, 0});
        Speech = Facade.get();
        SapiSpeechStimme = Engine->Voice();
    }
    ~TRecordingSpeech()
    {
        Speech = nullptr;
        SapiSpeechStimme.clear();
    }
    TRecordingEngine *Engine;
    std::unique_ptr<TSpeech> Facade;
};
