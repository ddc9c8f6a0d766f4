#include "common/SystemBeepC.h"

#include "sound/PcmOutputC.h"
#include "sound/SoundsHelperC.h"

#include <QtMath>
#include <memory>

namespace
{
std::unique_ptr<TPcmOutput> BeepOutput;

QByteArray BeepPcm()
{
    // 120 ms at 880 Hz with soft edges, 16-bit mono.
    constexpr int Rate = 22050;
    constexpr int Samples = Rate * 12 / 100;
    constexpr int Fade = Rate / 200;
    QByteArray Pcm(Samples * 2, Qt::Uninitialized);
    auto *Out = reinterpret_cast<qint16 *>(Pcm.data());
    for (int I = 0; I < Samples; ++I) {
        double Gain = 0.4;
        if (I < Fade)
            Gain *= double(I) / Fade;
        else if (I > Samples - Fade)
            Gain *= double(Samples - I) / Fade;
        Out[I] = qint16(Gain * 32767 * qSin(2 * M_PI * 880 * I / Rate));
    }
    return Pcm;
}
} // namespace

void InstallProgramBeep()
{
    BeepOutput = std::make_unique<TPcmOutput>();
    InstallBeep([] {
        static const QByteArray Pcm = BeepPcm();
        if (BeepOutput)
            BeepOutput->Play(Pcm, 22050, 1);
    });
}

void UninstallProgramBeep()
{
    InstallBeep(nullptr);
    BeepOutput.reset();
}
