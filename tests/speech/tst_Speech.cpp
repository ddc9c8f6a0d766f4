#include "speech/SpeechC.h"

#include "app/SettingsC.h"
#include "speech/EspeakC.h"
#include "speech/SpeechDispatcherC.h"

#include <QtTest>

#include "../common/Pulse.h"

// The speech facade over its real engines: speech-dispatcher is not running
// here (its address points nowhere), eSpeak NG speaks into a private sound
// server.
class tst_Speech : public QObject
{
    Q_OBJECT

public:
    explicit tst_Speech(QString AServer)
        : FServer(std::move(AServer))
    {
    }

private:
    QString FServer;
    QTemporaryDir FDir;

    // Seconds heard of a long sentence that Stop cuts off 300 ms after it began.
    double CutOffSeconds(TSpeech &S, const std::function<void()> &Stop)
    {
        return AudibleSeconds(
            FServer,
            [&] {
                S.Speak(
                    QStringLiteral("Dieser lange Satz wird nach kurzer Zeit abgebrochen und nie zu Ende gesprochen."),
                    true);
                QTest::qWait(300);
                Stop();
            },
            3);
    }

private slots:
    void initTestCase()
    {
        qputenv("SPEECHD_ADDRESS", ("unix_socket:" + FDir.filePath(QStringLiteral("nicht-da.sock"))).toLocal8Bit());
    }

    void voiceListAndLookup()
    {
        TSpeech S(true);
        const QStringList Espeak = TEspeak().Tokens();
        QVERIFY(!Espeak.isEmpty());
        QCOMPARE(S.Tokens(), Espeak); // no service voices, no pseudo voice
        QCOMPARE(TSpeech(false).Tokens(), QStringList{TSpeech::ScreenReaderDescription} + Espeak);

        QCOMPARE(S.FindDescriptionInTokensNrIndex(Espeak.last()), (TNrIndex{2, int(Espeak.size()) - 1}));
        QCOMPARE(S.FindDescriptionInTokensNrIndex(Espeak.first().toUpper()), (TNrIndex{2, 0}));
        QCOMPARE(S.FindDescriptionInTokensNrIndex(QStringLiteral("screenreader (jaws/nvda)")), (TNrIndex{0, -1}));
        QCOMPARE(S.FindDescriptionInTokensNrIndex(QStringLiteral("Eine Stimme, die es nicht gibt")), (TNrIndex{0, -1}));
        QCOMPARE(S.FindDescriptionInTokensNrIndex(QString()), (TNrIndex{0, -1}));

        const QString German = S.FindRandomDescription(QStringLiteral("German"));
        QVERIFY2(German.contains(QStringLiteral("(de")), qPrintable(German));
        QCOMPARE(S.FindRandomDescription(QStringLiteral("german")), S.Tokens().first()); // case-sensitive
    }

    void selectionAppliesTheFacadesValues()
    {
        TSpeech S(true);
        QCOMPARE(S.TokenNrIndex(), (TNrIndex{-1, -1}));
        QCOMPARE(S.TokenDescription(), QString());
        S.SetRate(7); // no voice yet: only remembered
        S.SetVolume(40);
        QCOMPARE(S.Rate(), 0);

        S.SetTokenNrIndex({2, 0});
        QCOMPARE(S.TokenNrIndex(), (TNrIndex{2, 0}));
        QCOMPARE(S.TokenDescription(), S.Tokens().first());
        QCOMPARE(S.Rate(), 7);
        QCOMPARE(S.Volume(), 40);

        S.SetTokenNrIndex({2, 9999}); // out of range: the engine keeps its voice
        QCOMPARE(S.TokenNrIndex(), (TNrIndex{2, 0}));
        S.SetTokenNrIndex({0, 5});
        QCOMPARE(S.TokenNrIndex(), (TNrIndex{0, -1}));
        QCOMPARE(S.TokenDescription(), TSpeech::ScreenReaderDescription);
        QCOMPARE(S.Rate(), 0);
        S.SetTokenNrIndex({1, 0}); // speech-dispatcher is not running
        QCOMPARE(S.TokenNrIndex(), (TNrIndex{1, -1}));
        S.SetTokenNrIndex({7, 0});
        QCOMPARE(S.TokenNrIndex(), (TNrIndex{-1, -1}));
    }

    void speaksCutsOffAndTellsTheEnd()
    {
        TSpeech S(true);
        int Ended = 0;
        S.SetOnEndStream([&Ended] { ++Ended; });
        // No voice selected: silence.
        QCOMPARE(AudibleSeconds(
                     FServer, [&] { S.Speak(QStringLiteral("Hallo Welt"), true); }, 1.5),
                 0.0);

        S.SetTokenNrIndex(S.FindDescriptionInTokensNrIndex(S.FindRandomDescription(QStringLiteral("German"))));
        QVERIFY(S.OnEndStream());
        const double Whole = AudibleSeconds(
            FServer, [&] { S.Speak(QStringLiteral("Hallo, das ist ein Satz zum Testen."), true); }, 4);
        QVERIFY2(Whole > 1.0, qPrintable(QString::number(Whole)));
        QTRY_COMPARE(Ended, 1);

        // An empty text with StopS only cuts off.
        const double Cut = CutOffSeconds(S, [&] { S.Speak(QString(), true); });
        QVERIFY2(Cut > 0.05 && Cut < 0.7, qPrintable(QString::number(Cut)));
        QCOMPARE(Ended, 1);
    }

    // The screen reader chosen as the voice and none running (it ended, or
    // never started): the program's own German voice speaks instead.
    void screenReaderGoneOwnVoiceSpeaks()
    {
        // A bus of this test's own: a stand-in screen reader another test
        // runs meanwhile is not ours.
        qputenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + FDir.filePath(QStringLiteral("bus"))).toLocal8Bit());
        TSpeech S(false);
        S.SetTokenNrIndex({0, -1});
        QCOMPARE(S.TokenDescription(), TSpeech::ScreenReaderDescription);
        QVERIFY(S.Tolk().DetectScreenReader().isEmpty());
        const double Heard = AudibleSeconds(
            FServer, [&] { S.SpeakWhole(QStringLiteral("Soll das Programm geschlossen werden?")); }, 4);
        QVERIFY2(Heard > 0.8, qPrintable(QString::number(Heard)));
        const double Stopped = CutOffSeconds(S, [&] { S.Stop(); });
        QVERIFY2(Stopped > 0.05 && Stopped < 0.7, qPrintable(QString::number(Stopped)));
    }

    void speakTextIsGatedTwice_data()
    {
        QTest::addColumn<QString>("Stimme");
        QTest::addColumn<bool>("Enabled");
        QTest::addColumn<bool>("Heard");
        QTest::newRow("on") << QStringLiteral("x") << true << true;
        QTest::newRow("caller's switch off") << QStringLiteral("x") << false << false;
        QTest::newRow("speech off in the settings") << QString() << true << false;
    }

    void speakTextIsGatedTwice()
    {
        QFETCH(QString, Stimme);
        QFETCH(bool, Enabled);
        QFETCH(bool, Heard);
        TSpeech S(true);
        S.SetTokenNrIndex({2, 0});
        Speech = &S;
        const QString Saved = SapiSpeechStimme;
        SapiSpeechStimme = Stimme;
        const double Audible = AudibleSeconds(
            FServer, [&] { SpeakText(QStringLiteral("Guten Tag"), Enabled); }, 2);
        SapiSpeechStimme = Saved;
        Speech = nullptr;
        QCOMPARE(Audible > 0.2, Heard);
    }
};

int main(int argc, char *argv[])
{
    return RunWithPrivatePulse(argc, argv, [&](const QString &Server) {
        tst_Speech Test(Server);
        return QTest::qExec(&Test, argc, argv);
    });
}

#include "tst_Speech.moc"
