#include "sound/AudioPlayerC.h"

#include <QtTest>

// Without any sound server the player is silent, and nothing fails.
class tst_AudioPlayerSilent : public QObject
{
    Q_OBJECT

private slots:
    void noDevice()
    {
        TAudioPlayer Player;
        QVERIFY(!Player.HasDevice());
        QVERIFY(!Player.Play(QStringLiteral(TASTWERK_SHARE "/Sounds/ClickTrue.wav")));
        Player.SetMainVolume(50);
        Player.Stop();
        QCOMPARE(Player.MainDauer(), 0.0);
        QVERIFY(AudioFileLength(QStringLiteral(TASTWERK_SHARE "/Sounds/Score.wav")) > 0.5);
    }
};

QTEST_GUILESS_MAIN(tst_AudioPlayerSilent)
#include "tst_AudioPlayerSilent.moc"
