#include "sound/SoundcardsC.h"

#include "content/MessagesC.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QTimer>

TSoundcards::TSoundcards(QObject *AMainWindowHandle) : MainWindowHandle(AMainWindowHandle)
{
    auto *Devices = new QMediaDevices(this);
    connect(Devices, &QMediaDevices::audioOutputsChanged, this, [this] { LoadSoundcards(true); });
    // Qt's change signal does not always arrive from PulseAudio; the list it
    // keeps is current, so a look at it now and then notices what was missed.
    auto *Poll = new QTimer(this);
    connect(Poll, &QTimer::timeout, this, [this] { LoadSoundcards(true); });
    Poll->start(1000);
}

bool TSoundcards::LoadSoundcards(bool Msg)
{
    const int OldCount = Count();
    const int OldStandard = FStandardDeviceIndex;
    FDevices.clear();
    FStandardDeviceIndex = -1;
    const QByteArray DefaultId = QMediaDevices::defaultAudioOutput().id();
    const QList<QAudioDevice> Outputs = QMediaDevices::audioOutputs();
    for (const QAudioDevice &D : Outputs) {
        if (D.isNull())
            continue;
        if (FStandardDeviceIndex < 0 && (D.isDefault() || D.id() == DefaultId))
            FStandardDeviceIndex = Count();
        FDevices.append({D.description(), D.id(), Count() + 1});
    }
    const bool Changed = Count() != OldCount || FStandardDeviceIndex != OldStandard;
    if (Msg && Changed) {
        if (OnDeviceChanged)
            OnDeviceChanged(Id);
        else if (MainWindowHandle)
            SendMessage(MainWindowHandle, WM_SOUNDDEVICE_CHANGED, Id, 1);
    }
    return Changed;
}

int TSoundcards::GetStandardDevice() const
{
    return FStandardDeviceIndex >= 0 ? FDevices.at(FStandardDeviceIndex).Device : 0;
}

int TSoundcards::GetIndexByDevice(int Device) const
{
    for (int I = 0; I < Count(); ++I)
        if (FDevices[I].Device == Device)
            return I;
    return -1;
}
