// Start-up of the whole program, as whole processes: from the process start
// to the first painted main window and to the status text built ("content
// ready"), beside a bare Qt Widgets program that shows one window, built and
// started the same way. Splash picture and introduction off; offscreen
// platform; a portable copy with the shipped course in a temporary folder.
#include "ProgramCopy.h"
#include "platform/SingleInstanceC.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <unistd.h>

namespace
{
struct TSetup {
    QTemporaryDir Dir;
    TProgramCopy Copy{Dir.path()};
    QString Program = Copy.Program;
    QProcessEnvironment Env = Copy.Environment();
    TSetup()
    {
        Env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("tastwerk.startup=true"));
        Env.insert(QStringLiteral("QT_FORCE_STDERR_LOGGING"), QStringLiteral("1"));
        Env.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{message}"));
        // A learner who has started before: no splash, no introduction.
        QDir().mkpath(Copy.Profile());
        QFile F(Copy.Profile() + QStringLiteral("Tastwerk.ini"));
        if (F.open(QIODevice::WriteOnly))
            F.write("[Settings]\r\nShowEinleitung=0\r\nShowSplashScreen=0\r\nCloseCheck=0\r\n");
    }
    QString Socket() const { return Copy.Socket(); }
};

TSetup &Setup()
{
    static TSetup S;
    return S;
}

// Starts Program and returns the milliseconds until each mark appeared on
// its error output, in the order asked for; -1 for a mark that never came.
QList<double> RunUntil(const QString &Program, const QStringList &Marks, bool AutoClose)
{
    QProcess P;
    P.setProcessEnvironment(Setup().Env);
    P.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer Clock;
    Clock.start();
    P.start(Program, {});
    QList<double> Times(Marks.size(), -1);
    QByteArray Seen;
    int Next = 0;
    while (Next < Marks.size() && P.state() != QProcess::NotRunning && Clock.elapsed() < 30000) {
        P.waitForReadyRead(5);
        Seen += P.readAllStandardError();
        while (Next < Marks.size() && Seen.contains(Marks[Next].toUtf8()))
            Times[Next++] = double(Clock.nsecsElapsed()) / 1e6;
    }
    if (AutoClose)
        TSingleInstance::Send(Setup().Socket(), "autoclose", 2000);
    if (!P.waitForFinished(20000)) {
        P.kill();
        P.waitForFinished();
    }
    return Times;
}

void Report(benchmark::State &State, const QList<double> &All, const char *Name)
{
    QList<double> S = All;
    std::sort(S.begin(), S.end());
    State.counters[Name] = S.isEmpty() ? 0 : S[S.size() / 2];
}

void BM_BareQtWindow_FirstPaint(benchmark::State &State)
{
    QList<double> Paint;
    for (auto _ : State) {
        const QList<double> T = RunUntil(QStringLiteral(BARE_EXE), {QStringLiteral("first paint")}, false);
        State.SetIterationTime(T[0] / 1000);
        Paint << T[0];
    }
    Report(State, Paint, "first_paint_ms");
}

void BM_Tastwerk_FirstPaintAndContentReady(benchmark::State &State)
{
    QList<double> Paint, Ready;
    for (auto _ : State) {
        const QList<double> T = RunUntil(Setup().Program + QStringLiteral("/tastwerk"),
                                         {QStringLiteral("first paint"), QStringLiteral("content ready")}, true);
        State.SetIterationTime(T[0] / 1000);
        Paint << T[0];
        Ready << T[1];
    }
    Report(State, Paint, "first_paint_ms");
    Report(State, Ready, "content_ready_ms");
}
} // namespace

BENCHMARK(BM_BareQtWindow_FirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_Tastwerk_FirstPaintAndContentReady)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

int main(int argc, char **argv)
{
    QCoreApplication App(argc, argv);
    // One untimed start of each first: the file cache warm for both.
    RunUntil(QStringLiteral(BARE_EXE), {QStringLiteral("first paint")}, false);
    RunUntil(Setup().Program + QStringLiteral("/tastwerk"), {QStringLiteral("content ready")}, true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
