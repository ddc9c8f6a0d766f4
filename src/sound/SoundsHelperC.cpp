#include "sound/SoundsHelperC.h"

#include "content/PathsC.h"
#include "exercise/MemoC.h"

#include <mutex>

std::atomic<bool> SoundsEnabled{true};

namespace {
std::mutex PlayerMutex;
TSoundPlayer &Player()
{
    static TSoundPlayer P;
    return P;
}
TSoundLength &Length()
{
    static TSoundLength L;
    return L;
}
} // namespace

void InstallSoundLength(TSoundLength ALength)
{
    std::lock_guard Lock(PlayerMutex);
    Length() = std::move(ALength);
}

double PlayingSoundLength()
{
    TSoundLength L;
    {
        std::lock_guard Lock(PlayerMutex);
        L = Length();
    }
    return L ? L() : 0.0;
}

QString SoundFileName(int Nr)
{
    static const char *const Names[SoundCount] = {
        "BrlKbOff.wav",  "BrlKbOn.wav",  "ClickFalse.wav", "ClickTrue.wav", "DialogOff.wav",
        "DialogOn.wav",  "Editfield.wav", "LineEnd.wav",   "NextLine.wav",  "NextPart.wav",
        "Score.wav",     "Second.wav",   "Type.wav",
    };
    return Nr >= 0 && Nr < SoundCount ? QString::fromLatin1(Names[Nr]) : QString();
}

void InstallSoundPlayer(TSoundPlayer APlayer)
{
    std::lock_guard Lock(PlayerMutex);
    Player() = std::move(APlayer);
}

void PlaySoundNr(int Nr, bool Enabled)
{
    if (!Enabled || !SoundsEnabled)
        return;
    const QString Name = SoundFileName(Nr);
    if (Name.isEmpty())
        return;
    TSoundPlayer P;
    {
        std::lock_guard Lock(PlayerMutex);
        P = Player();
    }
    if (P)
        P(SoundsPath + Name);
}

namespace {
std::function<void()> &BeepFunction()
{
    static std::function<void()> B;
    return B;
}
} // namespace

void InstallBeep(std::function<void()> Beep)
{
    std::lock_guard Lock(PlayerMutex);
    BeepFunction() = std::move(Beep);
}

void SystemBeep()
{
    std::function<void()> B;
    {
        std::lock_guard Lock(PlayerMutex);
        B = BeepFunction();
    }
    if (B)
        B();
}

void CheckLineEndSound(bool Enabled, bool IsMemo, const TMemo &Memo, int Key)
{
    if (!Enabled || !IsMemo)
        return;
    const bool AtStart = Memo.SelStart() == 0;
    const bool AtEnd = Memo.SelStart() >= Memo.Text().size();
    if (((Key == vkLeft || Key == vkUp) && AtStart) || ((Key == vkRight || Key == vkDown) && AtEnd))
        PlaySoundNr(snLineEnd, Enabled);
}
