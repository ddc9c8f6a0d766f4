#include "speech/EspeakC.h"

#include <QtTest>

#include "../common/Pulse.h"

// Embedded eSpeak NG speaking German on a real sound server.
class tst_Espeak : public QObject
{
    Q_OBJECT

public:
    explicit tst_Espeak(QString AServer) : FServer(std::move(AServer)) {}

private:
    QString FServer;

private slots:
    void germanVoices()
    {
        TEspeak E;
        QVERIFY(E.IsAvailable());
        const QStringList Voices = E.Tokens();
        QVERIFY(!Voices.isEmpty());
        QVERIFY(Voices.first().contains(QStringLiteral("(de")));
        QVERIFY(E.SetVoice(Voices.first()));
        QCOMPARE(E.Voice(), Voices.first());
        QVERIFY(!E.SetVoice(QStringLiteral("keine solche Stimme")));
    }

    void speaksToTheEndAndSaysSo()
    {
        TEspeak E;
        int Ended = 0;
        E.OnEndStream = [&Ended] { ++Ended; };
        const double Audible =
            AudibleSeconds(FServer, [&] { QVERIFY(E.Speak(QStringLiteral("Hallo, das ist ein Satz zum Testen."))); }, 4);
        QVERIFY2(Audible > 1.0, qPrintable(QString::number(Audible)));
        QCOMPARE(Ended, 1);
    }

    void stopCutsOffAtOnce()
    {
        TEspeak E;
        int Ended = 0;
        E.OnEndStream = [&Ended] { ++Ended; };
        const double Audible = AudibleSeconds(
            FServer,
            [&] {
                QVERIFY(E.Speak(QStringLiteral("Dieser lange Satz wird nach kurzer Zeit abgebrochen und nie zu Ende gesprochen.")));
                QTest::qWait(300);
                E.Stop();
            },
            3);
        QVERIFY2(Audible > 0.05 && Audible < 0.7, qPrintable(QString::number(Audible)));
        QCOMPARE(Ended, 0);
    }

    void rateChangesTheLength()
    {
        TEspeak E;
        const QString Text = QStringLiteral("eins zwei drei vier fünf sechs sieben acht");
        E.SetRate(-10);
        const double Slow = AudibleSeconds(FServer, [&] { E.Speak(Text); }, 6);
        E.SetRate(10);
        const double Fast = AudibleSeconds(FServer, [&] { E.Speak(Text); }, 6);
        QVERIFY2(Slow > 1.5 * Fast, qPrintable(QStringLiteral("%1 %2").arg(Slow).arg(Fast)));
        E.SetVolume(0);
        QCOMPARE(AudibleSeconds(FServer, [&] { E.Speak(Text); }, 3), 0.0);
    }
};

int main(int argc, char *argv[])
{
    return RunWithPrivatePulse(argc, argv, [&](const QString &Server) {
        tst_Espeak Test(Server);
        return QTest::qExec(&Test, argc, argv);
    });
}

#include "tst_Espeak.moc"
