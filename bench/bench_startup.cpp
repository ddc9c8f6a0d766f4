// Start-up of the whole program, as whole processes: from the process start
// to the first painted main window and to the status text built ("content
// ready"), beside a bare Qt Widgets program that shows one window, built and
// started the same way. Splash picture and introduction off; offscreen
// platform; a portable copy with the shipped course in a temporary folder.
#include "content/PathsC.h"
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
void Copy(const QString &From, const QString &To)
{
    QDir().mkpath(To);
    for (const QFileInfo &F : QDir(From).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (F.isDir())
            Copy(F.filePath(), To + u'/' + F.fileName());
        else
            QFile::copy(F.filePath(), To + u'/' + F.fileName());
    }
}

struct TSetup {
    QTemporaryDir Dir;
    QString Program;
    QProcessEnvironment Env;
    TSetup()
    {
        Program = Dir.path() + QStringLiteral("/prog");
        Copy(QStringLiteral(TASTWERK_SHARE), Program);
        QFile::copy(QStringLiteral(TASTWERK_EXE), Program + QStringLiteral("/tastwerk"));
        QFile::setPermissions(Program + QStringLiteral("/tastwerk"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString Profile = Program + QStringLiteral("/Benutzer/") + CurrentUserName() + u'/';
        Env = QProcessEnvironment::systemEnvironment();
        for (const char *Sub : {"home", "tmp", "run"})
            QDir().mkpath(Dir.path() + u'/' + QLatin1String(Sub));
        Env.insert(QStringLiteral("HOME"), Dir.path() + QStringLiteral("/home"));
        Env.insert(QStringLiteral("TMPDIR"), Dir.path() + QStringLiteral("/tmp"));
        Env.insert(QStringLiteral("XDG_RUNTIME_DIR"), Dir.path() + QStringLiteral("/run"));
        Env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        Env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("tastwerk.startup=true"));
        Env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + Dir.path() + QStringLiteral("/run/none"));
        Env.insert(QStringLiteral("SPEECHD_ADDRESS"),
                   QStringLiteral("unix_socket:") + Dir.path() + QStringLiteral("/run/none"));
        Env.insert(QStringLiteral("QT_FORCE_STDERR_LOGGING"), QStringLiteral("1"));
        Env.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{message}"));
        // A learner who has started before: no splash, no introduction.
        WriteSettings(Profile);
    }
    static void WriteSettings(const QString &Profile)
    {
        QDir().mkpath(Profile);
        QFile F(Profile + QStringLiteral("Tastwerk.ini"));
        if (F.open(QIODevice::WriteOnly))
            F.write("[Settings]\r\nShowEinleitung=0\r\nShowSplashScreen=0\r\nCloseCheck=0\r\n");
    }
    QString Socket() const
    {
        return Dir.path() + QStringLiteral("/tmp/") + TSingleInstance::ServerNameFor(QStringLiteral("Tastwerk V1.02"));
    }
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
