#include "speech/EspeakC.h"

#include <QLocale>

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <vector>

namespace {

// Synthesis is synchronous and runs on the calling thread; the callback
// appends to the buffer of the utterance being made.
thread_local std::vector<short> *Collect = nullptr;

int SynthCallback(short *Wav, int Count, espeak_EVENT *)
{
    if (Collect && Wav && Count > 0)
        Collect->insert(Collect->end(), Wav, Wav + Count);
    return 0;
}

QString Describe(const espeak_VOICE *V)
{
    // languages: a priority byte, then the language name, per entry.
    const QString Language = QString::fromLatin1(V->languages + 1);
    return QStringLiteral("eSpeak NG %1 (%2)").arg(QString::fromUtf8(V->name), Language);
}

} // namespace

TEspeak::TEspeak()
{
    const int Rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 200, nullptr, 0);
    if (Rate <= 0)
        return;
    FRate = Rate;
    espeak_SetSynthCallback(SynthCallback);
    espeak_SetVoiceByName("de");
    FVoice = QStringLiteral("de");
    SetRate(0);
    SetVolume(80);
    FOutput.OnFinished = [this] {
        if (OnEndStream)
            OnEndStream();
    };
}

TEspeak::~TEspeak()
{
    FOutput.OnFinished = nullptr;
    FOutput.Stop();
}

QStringList TEspeak::Tokens() const
{
    QStringList Result;
    if (!IsAvailable())
        return Result;
    const QString Own = QLocale::system().name().left(2);
    for (const espeak_VOICE **V = espeak_ListVoices(nullptr); V && *V; ++V) {
        const QString Language = QString::fromLatin1((*V)->languages + 1);
        if (Language.startsWith(QStringLiteral("de")) || (!Own.isEmpty() && Own != u"C" && Language.startsWith(Own)))
            Result.append(Describe(*V));
    }
    std::sort(Result.begin(), Result.end(),
              [](const QString &A, const QString &B) { return A.compare(B, Qt::CaseInsensitive) < 0; });
    return Result;
}

bool TEspeak::SetVoice(const QString &Description)
{
    if (!IsAvailable())
        return false;
    for (const espeak_VOICE **V = espeak_ListVoices(nullptr); V && *V; ++V)
        if (Describe(*V) == Description && espeak_SetVoiceByName((*V)->name) == EE_OK) {
            FVoice = Description;
            SetRate(FRateSetting); // a new voice starts with its own values
            SetVolume(FVolumeSetting);
            return true;
        }
    return false;
}

void TEspeak::SetRate(int Rate)
{
    FRateSetting = qBound(-10, Rate, 10);
    // 0 is eSpeak's normal 175 words a minute; -10 its slowest, +10 brisk.
    const int Wpm = FRateSetting < 0 ? 175 + FRateSetting * 95 / 10 : 175 + FRateSetting * 225 / 10;
    if (IsAvailable())
        espeak_SetParameter(espeakRATE, Wpm, 0);
}

void TEspeak::SetVolume(int Volume)
{
    FVolumeSetting = qBound(0, Volume, 100);
    // eSpeak's 100 is its normal volume.
    if (IsAvailable())
        espeak_SetParameter(espeakVOLUME, FVolumeSetting, 0);
}

bool TEspeak::Speak(const QString &Text)
{
    Stop();
    if (!IsAvailable() || Text.trimmed().isEmpty())
        return false;
    std::vector<short> Samples;
    Collect = &Samples;
    const QByteArray Utf8 = Text.toUtf8();
    espeak_Synth(Utf8.constData(), size_t(Utf8.size()) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
    espeak_Synchronize();
    Collect = nullptr;
    const QByteArray Pcm(reinterpret_cast<const char *>(Samples.data()), qsizetype(Samples.size() * sizeof(short)));
    return FOutput.Play(Pcm, FRate, 1);
}

void TEspeak::Stop()
{
    FOutput.Stop();
}
