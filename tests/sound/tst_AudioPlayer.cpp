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

#include "../common/Pulse.h"

// The audio player on a real sound server: a private PulseAudio with a null
// sink, started by this test, whose monitor the test records.
class tst_AudioPlayer : public QObject
{
    Q_OBJECT

public:
    explicit tst_AudioPlayer(QString AServer) : FServer(std::move(AServer)) {}

private:
    QString FServer;

    double AudibleSeconds(const std::function<void()> &Action, double Seconds)
    {
        return ::AudibleSeconds(FServer, Action, Seconds);
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
    return RunWithPrivatePulse(argc, argv, [&](const QString &Server) {
        tst_AudioPlayer Test(Server);
        return QTest::qExec(&Test, argc, argv);
    });
}

#include "tst_AudioPlayer.moc"
