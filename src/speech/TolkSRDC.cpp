#include "speech/TolkSRDC.h"

#include "braille/SprechnamenC.h"

#include "speech/ScreenReaderDriverBrlttyC.h"
#include "speech/ScreenReaderDriverOrcaC.h"

TTolkSRD::TTolkSRD() = default;

TTolkSRD::~TTolkSRD()
{
    Unload();
}

void TTolkSRD::Load()
{
    if (FIsLoaded)
        return;
    List.push_back(std::make_unique<TScreenReaderDriverOrca>());
    List.push_back(std::make_unique<TScreenReaderDriverBrltty>());
    CurrentSRD = nullptr;
    FIsLoaded = true;
}

void TTolkSRD::Unload()
{
    List.clear();
    CurrentSRD = nullptr;
    FIsLoaded = false;
}

TScreenReaderDriver *TTolkSRD::Detect()
{
    CurrentSRD = nullptr;
    if (!FIsLoaded)
        return nullptr;
    for (const auto &D : List)
        if (D->IsActive()) {
            CurrentSRD = D.get();
            break;
        }
    // A screen reader that came back gets the display: the ones after it
    // in the list let go of it.
    bool After = false;
    for (const auto &D : List) {
        if (After)
            D->Release();
        After = After || D.get() == CurrentSRD;
    }
    return CurrentSRD;
}

QString TTolkSRD::DetectScreenReader()
{
    TScreenReaderDriver *D = Detect();
    return D ? D->Name() : QString();
}

bool TTolkSRD::HasSpeech()
{
    TScreenReaderDriver *D = Detect();
    return D && D->HasSpeech();
}

bool TTolkSRD::HasBraille()
{
    TScreenReaderDriver *D = Detect();
    return D && D->HasBraille();
}

bool TTolkSRD::Output(const QString &S, bool Interrupt)
{
    if (S.isEmpty())
        return false;
    TScreenReaderDriver *D = Detect();
    return D && D->Output(S, Interrupt);
}

bool TTolkSRD::Speak(const QString &S, bool Interrupt)
{
    if (S.isEmpty())
        return false;
    TScreenReaderDriver *D = Detect();
    // Braille is said by its names, as the program's own voice says it.
    return D && D->Speak(SpeakableText(S), Interrupt);
}

bool TTolkSRD::SpeakWhole(const QString &S)
{
    if (S.trimmed().isEmpty())
        return false;
    TScreenReaderDriver *D = Detect();
    return D && D->SpeakWhole(SpeakableText(S));
}

bool TTolkSRD::Braille(const QString &S)
{
    if (S.isEmpty())
        return false;
    TScreenReaderDriver *D = Detect();
    return D && D->Braille(S);
}

bool TTolkSRD::BrailleLine(const QString &Line, int Caret)
{
    TScreenReaderDriver *D = Detect();
    return D && D->BrailleLine(Line, Caret);
}

bool TTolkSRD::Silence()
{
    TScreenReaderDriver *D = Detect();
    return D && D->Silence();
}

bool TTolkSRD::IsSpeaking()
{
    TScreenReaderDriver *D = Detect();
    return D && D->IsSpeaking();
}
