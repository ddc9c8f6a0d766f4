#include "speech/SpeechC.h"

#include "app/SettingsC.h"
#include "braille/SprechnamenC.h"
#include "speech/EspeakC.h"
#include "speech/SpeechDispatcherC.h"

const QString TSpeech::ScreenReaderDescription = QStringLiteral("ScreenReader (JAWS/NVDA)");

TSpeech *Speech = nullptr;

TSpeech::TSpeech(bool AOnlyUseSapiSpeech)
    : TSpeech(AOnlyUseSapiSpeech, std::make_unique<TSpeechDispatcher>(), std::make_unique<TEspeak>())
{
}

TSpeech::TSpeech(bool AOnlyUseSapiSpeech, std::unique_ptr<TSpeechEngine> Engine1,
                 std::unique_ptr<TSpeechEngine> Engine2)
    : FOnlyUseSapiSpeech(AOnlyUseSapiSpeech)
    , FTolk(std::make_unique<TTolkSRD>())
    , FEngine1(std::move(Engine1))
    , FEngine2(std::move(Engine2))
{
    FTolk->Load();
}

TSpeech::~TSpeech()
{
    FEngine2.reset();
    FEngine1.reset();
    FTolk.reset();
}

TSpeechEngine *TSpeech::Engine(int Nr) const
{
    return Nr == 1 ? FEngine1.get() : Nr == 2 ? FEngine2.get() : nullptr;
}

QList<TSpeechEngine *> TSpeech::Engines() const
{
    QList<TSpeechEngine *> Result;
    for (TSpeechEngine *E : {FEngine1.get(), FEngine2.get()})
        if (E)
            Result.append(E);
    return Result;
}

TSpeechEngine *TSpeech::Voiced(int Nr) const
{
    TSpeechEngine *E = Engine(Nr);
    return E && !E->Voice().isEmpty() ? E : nullptr;
}

int TSpeech::IndexIn(const TSpeechEngine *E, const QString &Description)
{
    if (!E || Description.isEmpty())
        return -1;
    const QStringList List = E->Tokens();
    for (int I = 0; I < List.size(); ++I)
        if (List[I].compare(Description, Qt::CaseInsensitive) == 0)
            return I;
    return -1;
}

QStringList TSpeech::Tokens() const
{
    QStringList Result;
    if (!FOnlyUseSapiSpeech)
        Result.append(ScreenReaderDescription);
    for (const TSpeechEngine *E : Engines())
        Result.append(E->Tokens());
    return Result;
}

TNrIndex TSpeech::FindDescriptionInTokensNrIndex(const QString &ADescription) const
{
    if (ADescription.isEmpty() || ADescription.compare(ScreenReaderDescription, Qt::CaseInsensitive) == 0)
        return {0, -1};
    for (int Nr : {1, 2})
        if (const int I = IndexIn(Engine(Nr), ADescription); I >= 0)
            return {Nr, I};
    return {0, -1};
}

QString TSpeech::FindRandomDescription(const QString &FindString) const
{
    const QStringList List = Tokens();
    for (const QString &S : List)
        if (S.contains(FindString, Qt::CaseSensitive))
            return S;
    return List.isEmpty() ? QString() : List.first();
}

void TSpeech::SetTokenNrIndex(const TNrIndex &Value)
{
    FNrIndex = Value;
    if (FNrIndex.Nr == 0) {
        FNrIndex.Index = -1;
    } else if (TSpeechEngine *E = Engine(FNrIndex.Nr)) {
        const QStringList List = E->Tokens();
        if (FNrIndex.Index >= 0 && FNrIndex.Index < List.size())
            E->SetVoice(List[FNrIndex.Index]);
        // What the engine really has, -1 when it could not take the voice.
        FNrIndex.Index = List.indexOf(E->Voice());
    } else {
        FNrIndex = {-1, -1};
    }
    if (FNrIndex.Nr > 0) {
        SetRate(FRate);
        SetVolume(FVolume);
    }
}

QString TSpeech::TokenDescription() const
{
    if (FNrIndex.Nr == 0)
        return ScreenReaderDescription;
    const TSpeechEngine *E = Engine(FNrIndex.Nr);
    return E ? E->Voice() : QString();
}

int TSpeech::Rate() const
{
    const TSpeechEngine *E = Voiced(FNrIndex.Nr);
    return E ? E->Rate() : 0;
}

void TSpeech::SetRate(int Value)
{
    FRate = Value;
    // An engine without a current voice keeps its own value.
    for (TSpeechEngine *E : Engines())
        if (!E->Voice().isEmpty())
            E->SetRate(Value);
}

int TSpeech::Volume() const
{
    const TSpeechEngine *E = Voiced(FNrIndex.Nr);
    return E ? E->Volume() : 0;
}

void TSpeech::SetVolume(int Value)
{
    FVolume = Value;
    for (TSpeechEngine *E : Engines())
        if (!E->Voice().isEmpty())
            E->SetVolume(Value);
}

TSpeechEngine *TSpeech::OwnGermanVoice()
{
    if (auto *Sd = dynamic_cast<TSpeechDispatcher *>(FEngine1.get());
        Sd && (!Sd->Voice().isEmpty() || Sd->UseLanguage(QStringLiteral("de"))))
        return Sd;
    return FEngine2 && FEngine2->IsAvailable() && !FEngine2->Voice().isEmpty() ? FEngine2.get() : nullptr;
}

void TSpeech::Speak(const QString &Text, bool StopS)
{
    TSpeechEngine *E = Voiced(FNrIndex.Nr);
    if (FNrIndex.Nr == 0) {
        // The screen reader speaks; while none that speaks runs (it ended,
        // or never started), the program's own German voice stands in.
        if (FTolk->Speak(Text, StopS))
            return;
        E = OwnGermanVoice();
    }
    if (!E)
        return;
    if (StopS)
        E->Stop();
    E->Speak(SpeakableText(Text));
}

void TSpeech::SpeakWhole(const QString &Text)
{
    TSpeechEngine *E = Voiced(FNrIndex.Nr);
    if (FNrIndex.Nr == 0) {
        if (FTolk->SpeakWhole(Text))
            return;
        E = OwnGermanVoice();
    }
    if (!E)
        return;
    // The built-in voice plays on its own: the screen reader is held off
    // for the moment its announcement comes.
    if (FNrIndex.Nr == 2)
        FTolk->Speak(QStringLiteral(" "), true);
    E->SpeakWhole(SpeakableText(Text));
}

void TSpeech::UseProvisionalVoice()
{
    if (FNrIndex.Nr >= 0)
        return;
    TSpeechEngine *E = OwnGermanVoice();
    if (!E)
        return;
    FNrIndex = {E == FEngine1.get() ? 1 : 2, -1};
    SetRate(FRate);
    SetVolume(FVolume);
}

void TSpeech::Stop()
{
    if (FNrIndex.Nr == 0) {
        FTolk->Stop();
        for (TSpeechEngine *E : Engines())
            if (!E->Voice().isEmpty())
                E->Stop();
    } else if (TSpeechEngine *E = Engine(FNrIndex.Nr)) {
        E->Stop();
    }
}

std::function<void()> TSpeech::OnEndStream() const
{
    const TSpeechEngine *E = Engine(FNrIndex.Nr);
    return E ? E->OnEndStream : std::function<void()>();
}

void TSpeech::SetOnEndStream(const std::function<void()> &Handler)
{
    for (TSpeechEngine *E : Engines())
        E->OnEndStream = Handler;
}

void SpeakText(const QString &Text, bool Enabled)
{
    if (!Text.isEmpty() && Enabled && IsSapiSpeechEnabled() && Speech)
        Speech->Speak(Text, true);
}

void SpeakTextWhole(const QString &Text, bool Enabled)
{
    if (!Text.isEmpty() && Enabled && IsSapiSpeechEnabled() && Speech)
        Speech->SpeakWhole(Text);
}
