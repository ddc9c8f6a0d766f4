#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

// One playback device as the system reports it.
struct TSoundDevice
{
    QString Name;       // the system's description, shown to the user
    QByteArray Id;      // the system's own identifier
    int Device = 0;     // our number for it: its position + 1 (0 means none)
};

// The playback devices of the sound server, the system's default among them.
// The list follows the system: when devices come and go, or the default
// changes, it is rebuilt and the change announced.
class TSoundcards : public QObject
{
public:
    // The window message sent when no handler is installed.
    static constexpr int WM_SOUNDDEVICE_CHANGED = 2024;

    explicit TSoundcards(QObject *AMainWindowHandle = nullptr);

    // Rebuilds the list; returns whether the number of devices or the
    // default's position changed, and when Msg announces it.
    bool LoadSoundcards(bool Msg);
    // The default device's number, or 0 when there is none.
    int GetStandardDevice() const;
    int StandardDeviceIndex() const { return FStandardDeviceIndex; }
    int Count() const { return int(FDevices.size()); }
    const TSoundDevice &GetDevice(int Index) const { return FDevices.at(Index); }
    int GetIndexByDevice(int Device) const;

    // Called with Id on every announced change.
    std::function<void(int Id)> OnDeviceChanged;
    int Id = 0;

private:
    QList<TSoundDevice> FDevices;
    int FStandardDeviceIndex = -1;
    QObject *MainWindowHandle;
};
