// Latency from a request to the first sound at the output, heard at a
// private PulseAudio null sink's monitor, next to the floor: a bare Qt audio
// sink writing a buffer that is already in memory. The monitor is read in
// slices of one millisecond on a thread of its own; its own delay is in
// every figure alike, so the differences to the floor are what counts.
#include "app/SettingsC.h"
#include "content/PathsC.h"
#include "sound/AudioPlayerC.h"
#include "sound/SoundsHelperC.h"
#include "speech/SpeechC.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QTest>
#include <benchmark/benchmark.h>
#include <pulse/simple.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>

#include "../tests/common/Pulse.h"

namespace {
using Clock = std::chrono::steady_clock;

// Listens to the monitor; Armed makes it note when it next hears sound.
class TListener
{
public:
    TListener()
    {
        pa_sample_spec Format{PA_SAMPLE_S16LE, 48000, 1};
        pa_buffer_attr Attr{uint32_t(-1), uint32_t(-1), uint32_t(-1), uint32_t(-1), 2 * 48};
        FStream = pa_simple_new(nullptr, "bench", PA_STREAM_RECORD, "nullsink.monitor", "latency", &Format, nullptr, &Attr,
                                nullptr);
        if (FStream)
            FThread = std::thread([this] { Run(); });
    }
    ~TListener()
    {
        FQuit = true;
        if (FThread.joinable())
            FThread.join();
        if (FStream)
            pa_simple_free(FStream);
    }
    bool IsValid() const { return FStream != nullptr; }

    // Seconds from Action to the first sound; -1 when none came within 2 s.
    double FirstSoundAfter(const std::function<void()> &Action)
    {
        FHeard = Clock::time_point{}.time_since_epoch().count();
        FArmed = true;
        const Clock::time_point Start = Clock::now();
        Action();
        while (FArmed && Clock::now() - Start < std::chrono::seconds(2))
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        FArmed = false;
        if (FHeard.load() == 0)
            return -1;
        return std::chrono::duration<double>(Clock::time_point(Clock::duration(FHeard.load())) - Start).count();
    }

private:
    void Run()
    {
        qint16 Slice[48];
        while (!FQuit) {
            if (pa_simple_read(FStream, Slice, sizeof Slice, nullptr) < 0)
                return;
            if (!FArmed)
                continue;
            for (qint16 S : Slice)
                if (std::abs(int(S)) > 500) {
                    FHeard = Clock::now().time_since_epoch().count();
                    FArmed = false;
                    break;
                }
        }
    }

    pa_simple *FStream = nullptr;
    std::thread FThread;
    std::atomic<bool> FQuit{false};
    std::atomic<bool> FArmed{false};
    std::atomic<Clock::rep> FHeard{0};
};

TListener *Listener = nullptr;

void Measure(benchmark::State &State, const std::function<void()> &Action, const std::function<void()> &After)
{
    // Once untimed: the first streams a process opens on the server start
    // far later than all after them.
    Listener->FirstSoundAfter(Action);
    After();
    QTest::qWait(200);
    for (auto _ : State) {
        const double Seconds = Listener->FirstSoundAfter(Action);
        After();
        QTest::qWait(200);
        if (Seconds < 0) {
            State.SkipWithError("nothing was heard");
            break;
        }
        State.SetIterationTime(Seconds);
    }
}

void BM_Floor_BareAudioSink(benchmark::State &State)
{
    QAudioFormat Format;
    Format.setSampleRate(44100);
    Format.setChannelCount(1);
    Format.setSampleFormat(QAudioFormat::Int16);
    QByteArray Tone(2 * 8820, Qt::Uninitialized);
    for (int I = 0; I < 8820; ++I)
        qToLittleEndian<qint16>(qint16(8000 * std::sin(2 * M_PI * 440 * I / 44100)), Tone.data() + 2 * I);
    // A new sink pulling from a buffer already in memory, nothing else.
    std::unique_ptr<QAudioSink> Sink;
    QBuffer Buffer(&Tone);
    Measure(
        State,
        [&] {
            Buffer.open(QIODevice::ReadOnly);
            Sink = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), Format);
            Sink->setVolume(1.0);
            Sink->start(&Buffer);
        },
        [&] {
            Sink->stop();
            Sink.reset();
            Buffer.close();
        });
}

void BM_PlaySoundNr(benchmark::State &State)
{
    TAudioPlayer Player;
    InstallSoundPlayer([&Player](const QString &File) { Player.Play(File); });
    Measure(State, [] { PlaySoundNr(snClickTrue, true); }, [&] { Player.Stop(); });
    InstallSoundPlayer(nullptr);
}

void BM_SpeakText_EspeakNG(benchmark::State &State)
{
    TSpeech S(true);
    S.SetTokenNrIndex(S.FindDescriptionInTokensNrIndex(S.FindRandomDescription(QStringLiteral("German"))));
    Speech = &S;
    SapiSpeechStimme = S.TokenDescription();
    Measure(State, [] { SpeakText(QStringLiteral("Hallo"), true); }, [&] { S.Stop(); });
    Speech = nullptr;
}
} // namespace

BENCHMARK(BM_Floor_BareAudioSink)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_PlaySoundNr)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_SpeakText_EspeakNG)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

int main(int argc, char *argv[])
{
    return RunWithPrivatePulse(argc, argv, [&](const QString &) {
        InitPaths(QStringLiteral(TASTWERK_SHARE), QStringLiteral("bench"), QDir::tempPath());
        // Keep speech-dispatcher out of it: the figure is the embedded engine's.
        qputenv("SPEECHD_ADDRESS", "unix_socket:/nonexistent/tastwerk-bench");
        TListener L;
        if (!L.IsValid()) {
            std::fprintf(stderr, "cannot record the null sink's monitor\n");
            return 1;
        }
        Listener = &L;
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        return 0;
    });
}
