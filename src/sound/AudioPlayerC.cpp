#include "sound/AudioPlayerC.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

#include <sndfile.h>
#include <taglib/fileref.h>

#include <vector>

namespace {

struct TDecoded {
    QByteArray Pcm; // 16-bit signed, interleaved
    int Rate = 0;
    int Channels = 0;
};

bool Decode(const QString &FileName, TDecoded &Out)
{
    SF_INFO Info{};
    SNDFILE *F = sf_open(FileName.toLocal8Bit().constData(), SFM_READ, &Info);
    if (!F)
        return false;
    std::vector<short> Samples(size_t(Info.frames) * size_t(Info.channels));
    const sf_count_t Read = sf_readf_short(F, Samples.data(), Info.frames);
    sf_close(F);
    if (Read <= 0 || Info.channels <= 0)
        return false;
    Out.Rate = Info.samplerate;
    Out.Channels = Info.channels;
    Out.Pcm = QByteArray(reinterpret_cast<const char *>(Samples.data()),
                         qsizetype(Read) * Info.channels * qsizetype(sizeof(short)));
    return true;
}

} // namespace

TAudioPlayer::TAudioPlayer() = default;

TAudioPlayer::~TAudioPlayer()
{
    Stop();
}

bool TAudioPlayer::HasDevice() const
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

void TAudioPlayer::Stop()
{
    if (FSink)
        FSink->stop();
    FSink.reset();
    FBuffer.reset();
    FMainDauer = 0;
}

bool TAudioPlayer::Play(const QString &FileName)
{
    Stop();
    const QAudioDevice Device = QMediaDevices::defaultAudioOutput();
    if (Device.isNull())
        return false;
    TDecoded D;
    if (!Decode(FileName, D))
        return false;
    QAudioFormat Format;
    Format.setSampleRate(D.Rate);
    Format.setChannelCount(D.Channels);
    Format.setSampleFormat(QAudioFormat::Int16);
    FData = D.Pcm;
    FBuffer = std::make_unique<QBuffer>(&FData);
    FBuffer->open(QIODevice::ReadOnly);
    FSink = std::make_unique<QAudioSink>(Device, Format);
    FSink->setVolume(FVolume);
    // Not stopped when it turns idle: idle means handed over, not heard.
    FSink->start(FBuffer.get());
    FMainDauer = double(D.Pcm.size()) / (2.0 * D.Channels * D.Rate);
    return true;
}

void TAudioPlayer::SetMainVolume(int Percent)
{
    FVolume = qBound(0, Percent, 100) / 100.0;
    if (FSink)
        FSink->setVolume(FVolume);
}

double AudioFileLength(const QString &FileName)
{
    const TagLib::FileRef F(FileName.toLocal8Bit().constData());
    if (F.isNull() || !F.audioProperties())
        return 0;
    return F.audioProperties()->lengthInMilliseconds() / 1000.0;
}
