#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>

#include <cstdio>
#include <functional>

// A private PulseAudio with a null sink for tests that play sound: started
// before Qt looks for audio devices, stopped when the test ends. Returns
// Run's result (the server address as PULSE_SERVER gives it), or 1 when the
// server did not start. TApplication is the kind of application the test
// needs (QApplication for windows).
template <class TApplication = QCoreApplication>
int RunWithPrivatePulse(int argc, char *argv[], const std::function<int(const QString &Server)> &Run)
{
    QTemporaryDir Dir;
    const QString Socket = Dir.path() + QStringLiteral("/native");
    QProcess Pulse;
    QProcessEnvironment Env = QProcessEnvironment::systemEnvironment();
    Env.insert(QStringLiteral("XDG_RUNTIME_DIR"), Dir.path());
    Env.insert(QStringLiteral("HOME"), Dir.path());
    Pulse.setProcessEnvironment(Env);
    Pulse.start(QStringLiteral("pulseaudio"),
                {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "--disable-shm=yes",
                 "--load=module-null-sink sink_name=nullsink rate=48000 channels=2",
                 "--load=module-native-protocol-unix auth-anonymous=1 socket=" + Socket});
    for (int I = 0; I < 100 && !QFileInfo::exists(Socket); ++I)
        QThread::msleep(50);
    if (!QFileInfo::exists(Socket)) {
        std::fprintf(stderr, "pulseaudio did not start\n");
        return 1;
    }
    const QString Server = QStringLiteral("unix:") + Socket;
    qputenv("PULSE_SERVER", Server.toLocal8Bit());
    int Result;
    {
        TApplication App(argc, argv);
        Result = Run(Server);
    }
    Pulse.terminate();
    if (!Pulse.waitForFinished(5000))
        Pulse.kill();
    return Result;
}

// Records the null sink's monitor while Action runs and for Seconds after,
// and gives the time (in seconds) during which the signal was not silent;
// -1 when recording failed.
inline double AudibleSeconds(const QString &Server, const std::function<void()> &Action, double Seconds)
{
    QProcess Rec;
    QProcessEnvironment Env = QProcessEnvironment::systemEnvironment();
    Env.insert(QStringLiteral("PULSE_SERVER"), Server);
    Rec.setProcessEnvironment(Env);
    Rec.start(QStringLiteral("parec"), {"-d", "nullsink.monitor", "--raw", "--format=s16le", "--rate=48000",
                                        "--channels=1", "--latency-msec=10"});
    if (!Rec.waitForStarted(5000))
        return -1;
    // The monitor delivers its first data a moment after recording starts.
    QByteArray Data;
    QElapsedTimer T;
    T.start();
    while (Data.isEmpty() && T.elapsed() < 5000) {
        Rec.waitForReadyRead(50);
        Data += Rec.readAllStandardOutput();
    }
    Data.clear();
    Action();
    T.restart();
    while (T.elapsed() < Seconds * 1000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        Rec.waitForReadyRead(10);
        Data += Rec.readAllStandardOutput();
    }
    Rec.kill();
    Rec.waitForFinished();
    // Blocks of 10 ms with a peak above the noise count as audible.
    int Audible = 0;
    const int Block = 480;
    for (qsizetype I = 0; I + 2 * Block <= Data.size(); I += 2 * Block) {
        int Peak = 0;
        for (int K = 0; K < Block; ++K)
            Peak = qMax(Peak, qAbs(int(qFromLittleEndian<qint16>(Data.constData() + I + 2 * K))));
        if (Peak > 500)
            ++Audible;
    }
    return Audible * 0.01;
}
