#include "speech/SpeechDispatcherC.h"

#include "speech/EspeakC.h"
#include "speech/ScreenReaderDriverOrcaC.h"
#include "speech/SpeechC.h"
#include "speech/TolkSRDC.h"

#include <QtTest>

#include "../common/Pulse.h"
#include "../common/SpeechDispatcherServer.h"

// The speech service as the desktop runs it: a private speech-dispatcher
// with its eSpeak NG module, playing into a private sound server.
class tst_SpeechDispatcher : public QObject
{
    Q_OBJECT

public:
    explicit tst_SpeechDispatcher(QString AServer)
        : FServer(std::move(AServer))
    {
    }

private:
    QString FServer;
    QTemporaryDir FDir;
    TSpeechDispatcherServer FDaemon;

    QString Path(const QString &Name) const { return FDir.filePath(Name); }

private slots:
    void initTestCase()
    {
        QVERIFY(FDir.isValid());
        QVERIFY(FDaemon.Start(FDir.path(), FServer));
    }

    void cleanupTestCase() { FDaemon.Stop(); }

    void germanVoices()
    {
        TSpeechDispatcher S;
        QVERIFY(S.IsAvailable());
        const QStringList Voices = S.Tokens();
        QVERIFY(!Voices.isEmpty());
        for (const QString &V : Voices)
            QVERIFY2(V.startsWith(QStringLiteral("speech-dispatcher ")), qPrintable(V));
        QVERIFY(Voices.first().contains(QStringLiteral("(de")));
        QVERIFY(S.SetVoice(Voices.first()));
        QCOMPARE(S.Voice(), Voices.first());
        QVERIFY(!S.SetVoice(QStringLiteral("keine solche Stimme")));
        QCOMPARE(S.Voice(), Voices.first());
    }

    void speaksToTheEndAndSaysSo()
    {
        TSpeechDispatcher S;
        int Ended = 0;
        S.OnEndStream = [&Ended] { ++Ended; };
        const double Audible = AudibleSeconds(
            FServer, [&] { QVERIFY(S.Speak(QStringLiteral("Hallo, das ist ein Satz zum Testen."))); }, 5);
        QVERIFY2(Audible > 1.0, qPrintable(QString::number(Audible)));
        QTRY_COMPARE_WITH_TIMEOUT(Ended, 1, 3000);
        QVERIFY(!S.Speak(QStringLiteral("   ")));
    }

    void stopCutsOff()
    {
        TSpeechDispatcher S;
        int Ended = 0;
        S.OnEndStream = [&Ended] { ++Ended; };
        const double Audible = AudibleSeconds(
            FServer,
            [&] {
                QVERIFY(S.Speak(
                    QStringLiteral("Dieser lange Satz wird nach kurzer Zeit abgebrochen und nie zu Ende gesprochen.")));
                QTest::qWait(700);
                S.Stop();
            },
            4);
        QVERIFY2(Audible > 0.05 && Audible < 1.5, qPrintable(QString::number(Audible)));
        QCOMPARE(Ended, 0);
    }

    void facadeOffersTheServiceFirst()
    {
        TSpeech S(true);
        const QStringList Service = TSpeechDispatcher().Tokens();
        QCOMPARE(S.Tokens(), Service + TEspeak().Tokens());
        const QString German = S.FindRandomDescription(QStringLiteral("German"));
        QVERIFY2(German.startsWith(QStringLiteral("speech-dispatcher ")) && German.contains(QStringLiteral("(de")),
                 qPrintable(German));
        const TNrIndex V = S.FindDescriptionInTokensNrIndex(German);
        QCOMPARE(V.Nr, 1);
        S.SetRate(3);
        S.SetTokenNrIndex(V);
        QCOMPARE(S.TokenNrIndex(), V);
        QCOMPARE(S.TokenDescription(), German);
        QCOMPARE(S.Rate(), 3);
        int Ended = 0;
        S.SetOnEndStream([&Ended] { ++Ended; });
        const double Audible = AudibleSeconds(
            FServer, [&] { S.Speak(QStringLiteral("Guten Morgen"), true); }, 3);
        QVERIFY2(Audible > 0.3, qPrintable(QString::number(Audible)));
        QTRY_COMPARE_WITH_TIMEOUT(Ended, 1, 3000);
    }

    // Orca is found by its process; a stand-in named "orca" of this user
    // marks it as running, its speech goes through the real service.
    void orcaSpeaksThroughTheService()
    {
        qputenv("BRLAPI_HOST", "127.0.0.1:57"); // no braille display here
        TTolkSRD Tolk;
        Tolk.Load();
        QCOMPARE(Tolk.DetectScreenReader(), QString());
        QVERIFY(!Tolk.Speak(QStringLiteral("Hallo"), true));

        QVERIFY(QFile::link(QStringLiteral("/bin/sleep"), Path(QStringLiteral("orca"))));
        QProcess Orca;
        Orca.start(Path(QStringLiteral("orca")), {QStringLiteral("60")});
        QVERIFY(Orca.waitForStarted());
        QVERIFY(TScreenReaderDriverOrca::IsOrcaRunning());
        QCOMPARE(Tolk.DetectScreenReader(), QStringLiteral("Orca"));
        QVERIFY(Tolk.HasSpeech());

        const double Whole = AudibleSeconds(
            FServer, [&] { QVERIFY(Tolk.Output(QStringLiteral("Das ist ein Satz für Orca."), true)); }, 4);
        QVERIFY2(Whole > 0.8, qPrintable(QString::number(Whole)));
        const double Cut = AudibleSeconds(
            FServer,
            [&] {
                QVERIFY(Tolk.Speak(
                    QStringLiteral("Dieser lange Satz wird nach kurzer Zeit abgebrochen und nie zu Ende gesprochen."),
                    true));
                QTest::qWait(700);
                QVERIFY(Tolk.Silence());
            },
            4);
        QVERIFY2(Cut > 0.05 && Cut < 1.5, qPrintable(QString::number(Cut)));

        Orca.kill();
        Orca.waitForFinished();
        QCOMPARE(Tolk.DetectScreenReader(), QString());
        QVERIFY(!Tolk.Speak(QStringLiteral("Hallo"), true));
    }

    void withoutTheServiceNothingHappens()
    {
        const QByteArray Saved = qgetenv("SPEECHD_ADDRESS");
        qputenv("SPEECHD_ADDRESS", ("unix_socket:" + Path(QStringLiteral("nicht-da.sock"))).toLocal8Bit());
        {
            TSpeechDispatcher S;
            QVERIFY(!S.IsAvailable());
            QVERIFY(S.Tokens().isEmpty());
            QVERIFY(!S.Speak(QStringLiteral("Hallo")));
            S.Stop();
        }
        qputenv("SPEECHD_ADDRESS", Saved);
    }
};

int main(int argc, char *argv[])
{
    return RunWithPrivatePulse(argc, argv, [&](const QString &Server) {
        tst_SpeechDispatcher Test(Server);
        return QTest::qExec(&Test, argc, argv);
    });
}

#include "tst_SpeechDispatcher.moc"
