#include "content/PathsC.h"
#include "sound/AudioPlayerC.h"
#include "sound/SoundsHelperC.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

// The audio player on a real sound server: a private PulseAudio with a null
// sink, started by this test, whose monitor the test records.
class tst_AudioPlayer : public QObject
{
    Q_OBJECT

public:
    explicit tst_AudioPlayer(QString AServer) : FServer(std::move(AServer)) {}

private:
    QString FServer;

    // Records the null sink's monitor while Action runs, for Seconds, and
    // gives the time (in seconds) during which the signal was not silent.
    double AudibleSeconds(const std::function<void()> &Action, double Seconds)
    {
        QProcess Rec;
        QProcessEnvironment Env = QProcessEnvironment::systemEnvironment();
        Env.insert(QStringLiteral("PULSE_SERVER"), FServer);
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

private slots:
    void initTestCase()
    {
        InitPaths(QStringLiteral(TASTWERK_SHARE), QStringLiteral("test"), QDir::tempPath());
    }

    void aSoundReachesTheOutputWhole()
    {
        TAudioPlayer Player;
        QVERIFY(Player.HasDevice());
        const QString File = SoundsPath + SoundFileName(snScore);
        double Length = 0;
        const double Audible = AudibleSeconds(
            [&] {
                QVERIFY(Player.Play(File));
                Length = Player.MainDauer();
            },
            1.5);
        QVERIFY2(qAbs(Length - AudioFileLength(File)) < 0.02, qPrintable(QString::number(Length)));
        // About the sound's length (its fade-out falls below the threshold).
        QVERIFY2(Audible > 0.6 * Length && Audible < Length + 0.15, qPrintable(QString::number(Audible)));
    }

    void aNewSoundCutsOffTheLast()
    {
        TAudioPlayer Player;
        const double Audible = AudibleSeconds(
            [&] {
                QVERIFY(Player.Play(SoundsPath + SoundFileName(snScore)));
                QTest::qWait(100);
                QVERIFY(Player.Play(SoundsPath + SoundFileName(snType)));
            },
            1.5);
        QVERIFY2(Audible > 0.03 && Audible < 0.35, qPrintable(QString::number(Audible))); // not the whole 0.52 s
    }

    void playSoundNrThroughTheInstalledPlayer()
    {
        TAudioPlayer Player;
        InstallSoundPlayer([&Player](const QString &File) { Player.Play(File); });
        SoundsEnabled = false;
        const double Off = AudibleSeconds([] { PlaySoundNr(snClickTrue, true); }, 0.8);
        SoundsEnabled = true;
        const double On = AudibleSeconds([] { PlaySoundNr(snClickTrue, true); }, 0.8);
        InstallSoundPlayer(nullptr);
        QCOMPARE(Off, 0.0);
        QVERIFY(On > 0.1);
    }

    void missingFileIsSilent()
    {
        TAudioPlayer Player;
        QVERIFY(!Player.Play(SoundsPath + QStringLiteral("Fehlt.wav")));
        QCOMPARE(Player.MainDauer(), 0.0);
    }
};

int main(int argc, char *argv[])
{
    // A private sound server for this test, stopped when it ends.
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
        fprintf(stderr, "pulseaudio did not start\n");
        return 1;
    }
    const QString Server = QStringLiteral("unix:") + Socket;
    qputenv("PULSE_SERVER", Server.toLocal8Bit());
    int Result;
    {
        QCoreApplication App(argc, argv);
        tst_AudioPlayer Test(Server);
        Result = QTest::qExec(&Test, argc, argv);
    }
    Pulse.terminate();
    if (!Pulse.waitForFinished(5000))
        Pulse.kill();
    return Result;
}

#include "tst_AudioPlayer.moc"
