#include "sound/PcmOutputC.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

TPcmOutput::TPcmOutput() = default;

TPcmOutput::~TPcmOutput()
{
    OnFinished = nullptr;
    Stop();
}

bool TPcmOutput::HasDevice()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

void TPcmOutput::Stop()
{
    if (FSink) {
        FSink->disconnect();
        FSink->stop();
    }
    FSink.reset();
    FBuffer.reset();
}

bool TPcmOutput::Play(const QByteArray &Pcm, int Rate, int Channels)
{
    Stop();
    const QAudioDevice Device = QMediaDevices::defaultAudioOutput();
    if (Device.isNull() || Pcm.isEmpty())
        return false;
    QAudioFormat Format;
    Format.setSampleRate(Rate);
    Format.setChannelCount(Channels);
    Format.setSampleFormat(QAudioFormat::Int16);
    FData = Pcm;
    FBuffer = std::make_unique<QBuffer>(&FData);
    FBuffer->open(QIODevice::ReadOnly);
    FSink = std::make_unique<QAudioSink>(Device, Format);
    FSink->setVolume(FVolume);
    // Not stopped when it turns idle: idle means handed over, not heard.
    connect(FSink.get(), &QAudioSink::stateChanged, this, [this](QAudio::State State) {
        if (State == QAudio::IdleState && FBuffer && FBuffer->atEnd() && OnFinished)
            OnFinished();
    });
    FSink->start(FBuffer.get());
    return true;
}

void TPcmOutput::SetVolume(double Volume)
{
    FVolume = qBound(0.0, Volume, 1.0);
    if (FSink)
        FSink->setVolume(FVolume);
}

bool TPcmOutput::IsPlaying() const
{
    return FSink && FSink->state() == QAudio::ActiveState;
}
