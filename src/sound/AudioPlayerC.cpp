#include "sound/AudioPlayerC.h"


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

bool TAudioPlayer::HasDevice() const
{
    return TPcmOutput::HasDevice();
}

void TAudioPlayer::Stop()
{
    FOutput.Stop();
    FMainDauer = 0;
}

bool TAudioPlayer::Play(const QString &FileName)
{
    Stop();
    if (!TPcmOutput::HasDevice())
        return false;
    TDecoded D;
    if (!Decode(FileName, D) || !FOutput.Play(D.Pcm, D.Rate, D.Channels))
        return false;
    FMainDauer = double(D.Pcm.size()) / (2.0 * D.Channels * D.Rate);
    return true;
}

void TAudioPlayer::SetMainVolume(int Percent)
{
    FOutput.SetVolume(qBound(0, Percent, 100) / 100.0);
}

double AudioFileLength(const QString &FileName)
{
    const TagLib::FileRef F(FileName.toLocal8Bit().constData());
    if (F.isNull() || !F.audioProperties())
        return 0;
    return F.audioProperties()->lengthInMilliseconds() / 1000.0;
}
