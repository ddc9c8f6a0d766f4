#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

// A private speech-dispatcher for tests: its own configuration, socket and
// logs in Folder, eSpeak NG speaking German into the given PulseAudio
// server. Clients of this process find it through SPEECHD_ADDRESS, which is
// set here. Stopped by its process id when the object goes.
class TSpeechDispatcherServer
{
public:
    // False when it did not come up within ten seconds.
    bool Start(const QString &Folder, const QString &PulseServer)
    {
        const QDir Dir(Folder);
        Dir.mkpath(QStringLiteral("conf/modules"));
        Dir.mkpath(QStringLiteral("logs"));
        QFile::copy(QStringLiteral("/etc/speech-dispatcher/modules/espeak-ng.conf"),
                    Dir.filePath(QStringLiteral("conf/modules/espeak-ng.conf")));
        QFile Conf(Dir.filePath(QStringLiteral("conf/speechd.conf")));
        if (!Conf.open(QIODevice::WriteOnly))
            return false;
        Conf.write(QStringLiteral("AudioOutputMethod \"pulse\"\n"
                                  "AudioPulseServer \"%1\"\n"
                                  "AddModule \"espeak-ng\" \"sd_espeak-ng\" \"espeak-ng.conf\"\n"
                                  "DefaultModule espeak-ng\n"
                                  "DefaultLanguage \"de\"\n"
                                  "DisableAutoSpawn\n")
                       .arg(PulseServer)
                       .toUtf8());
        Conf.close();
        const QString Socket = Dir.filePath(QStringLiteral("speechd.sock"));
        FDaemon.setProgram(QStringLiteral("speech-dispatcher"));
        FDaemon.setArguments({QStringLiteral("-s"), QStringLiteral("-C"), Dir.filePath(QStringLiteral("conf")),
                              QStringLiteral("-c"), QStringLiteral("unix_socket"), QStringLiteral("-S"), Socket,
                              QStringLiteral("-t"), QStringLiteral("0"), QStringLiteral("-L"),
                              Dir.filePath(QStringLiteral("logs")), QStringLiteral("-P"),
                              Dir.filePath(QStringLiteral("speechd.pid"))});
        // Its chatter goes to a file next to its logs.
        FDaemon.setStandardOutputFile(Dir.filePath(QStringLiteral("logs/daemon.out")));
        FDaemon.setStandardErrorFile(Dir.filePath(QStringLiteral("logs/daemon.out")), QIODevice::Append);
        FDaemon.start();
        if (!FDaemon.waitForStarted())
            return false;
        QElapsedTimer Clock;
        Clock.start();
        while (!QFile::exists(Socket) && Clock.elapsed() < 10000)
            QThread::msleep(20);
        if (!QFile::exists(Socket))
            return false;
        qputenv("SPEECHD_ADDRESS", ("unix_socket:" + Socket).toLocal8Bit());
        return true;
    }
    void Stop()
    {
        if (FDaemon.state() == QProcess::NotRunning)
            return;
        FDaemon.terminate();
        if (!FDaemon.waitForFinished(5000))
            FDaemon.kill();
        FDaemon.waitForFinished();
    }
    ~TSpeechDispatcherServer() { Stop(); }
    QProcess &Process() { return FDaemon; }

private:
    QProcess FDaemon;
};
