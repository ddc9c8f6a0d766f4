#pragma once

#include "speech/SpeechEngineC.h"
#include "speech/TolkSRDC.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

// Which voice speaks: the engine (0 the screen reader, 1 speech-dispatcher,
// 2 eSpeak NG, -1 none) and the voice's position in that engine's list
// (-1 none; always -1 for the screen reader).
struct TNrIndex {
    int Nr = -1;
    int Index = -1;
    bool operator==(const TNrIndex &) const = default;
};

// The speech facade: one combined list of voices from both engines, a
// selected voice, rate and volume, asynchronous speaking with purge. The
// running screen reader is the pseudo voice ScreenReaderDescription; speech
// goes there when a stored voice is no longer installed. No voice is
// selected until SetTokenNrIndex: until then nothing is spoken.
class TSpeech
{
public:
    // Kept as it was written into settings files, so that stored choices
    // still select the screen reader.
    static const QString ScreenReaderDescription;

    explicit TSpeech(bool AOnlyUseSapiSpeech);
    // For tests and special set-ups: the two engines given, either may be null.
    TSpeech(bool AOnlyUseSapiSpeech, std::unique_ptr<TSpeechEngine> Engine1, std::unique_ptr<TSpeechEngine> Engine2);
    ~TSpeech();

    // The pseudo voice (unless only synthesis voices were asked for), then
    // the first engine's voices, then the second's; each engine's sorted.
    QStringList Tokens() const;
    TNrIndex FindDescriptionInTokensNrIndex(const QString &ADescription) const;
    // The first voice whose description contains FindString (case-sensitive),
    // else the first voice, else empty.
    QString FindRandomDescription(const QString &FindString) const;

    TNrIndex TokenNrIndex() const { return FNrIndex; }
    void SetTokenNrIndex(const TNrIndex &Value);
    QString TokenDescription() const;

    int Rate() const;
    void SetRate(int Value);
    int Volume() const;
    void SetVolume(int Value);

    // Never block. StopS cuts off what is still being spoken first; an empty
    // text with StopS only cuts off.
    void Speak(const QString &Text, bool StopS);
    // A window's text (a message, a description, a question), heard whole
    // once: the screen reader's announcement of the window does not cut it
    // off and is not heard after it; Stop still ends it.
    void SpeakWhole(const QString &Text);
    void Stop();

    // Until the voice list is there (or when there is none): the service's
    // own German voice, else the built-in one; nothing when a voice is
    // chosen already.
    void UseProvisionalVoice();

    std::function<void()> OnEndStream() const;
    void SetOnEndStream(const std::function<void()> &Handler);

    TTolkSRD &Tolk() { return *FTolk; }

private:
    TSpeechEngine *Engine(int Nr) const;
    // The service's German voice (its own, before or without the voice
    // list), else the built-in one; null when neither can speak. Speaks for
    // the screen reader while none that speaks runs, and until a voice is
    // chosen.
    TSpeechEngine *OwnGermanVoice();
    QList<TSpeechEngine *> Engines() const;
    // Engine Nr when it has a current voice, else null.
    TSpeechEngine *Voiced(int Nr) const;
    static int IndexIn(const TSpeechEngine *E, const QString &Description);

    TNrIndex FNrIndex;
    bool FOnlyUseSapiSpeech;
    int FRate = 0;
    int FVolume = 80;
    std::unique_ptr<TTolkSRD> FTolk;
    std::unique_ptr<TSpeechEngine> FEngine1;
    std::unique_ptr<TSpeechEngine> FEngine2;
};

// The program's facade, created and freed by the main window; null before.
extern TSpeech *Speech;

// Speaks Text through the program's facade, cutting off what is still being
// spoken, when Text is not empty, speech is on in the settings and Enabled.
void SpeakText(const QString &Text, bool Enabled);
// The same for a text that must be heard whole over the screen reader's
// own announcement (a window's text, the next task): see TSpeech::SpeakWhole.
void SpeakTextWhole(const QString &Text, bool Enabled);
