#include "speech/SpeechDispatcherC.h"

#include "speech/EspeakC.h"
#include "speech/ScreenReaderDriverOrcaC.h"
#include "speech/SpeechC.h"
#include "speech/TolkSRDC.h"

#include <QtTest>

#include <libspeechd.h>

#include <atomic>

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

    // A screen reader's own connection to the service, as Orca opens it; how
    // many of its messages ended and were cancelled is counted in Ended and
    // Cancelled.
    static inline std::atomic<int> Ended, Cancelled;
    static SPDConnection *OpenStandInOrca()
    {
        char *Error = nullptr;
        SPDConnection *Orca = spd_open2("Orca", "speech", nullptr, SPD_MODE_THREADED, nullptr, 0, &Error);
        free(Error);
        if (!Orca)
            return nullptr;
        Orca->callback_end = [](size_t, size_t, SPDNotificationType) { ++Ended; };
        Orca->callback_cancel = [](size_t, size_t, SPDNotificationType) { ++Cancelled; };
        spd_set_notification_on(Orca, SPD_END);
        spd_set_notification_on(Orca, SPD_CANCEL);
        return Orca;
    }

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

    // A caret move onto a line of braille cells: Orca reads the cells
    // ("message", its priority), the program cuts that reading off and is
    // heard itself. Orca's reading is cancelled whether it was under way or
    // comes a moment after the program's; the program is heard whole.
    void screenReaderReadingIsCutOff()
    {
        qputenv("BRLAPI_HOST", "127.0.0.1:57");
        QVERIFY(QFile::exists(Path(QStringLiteral("orca"))) ||
                QFile::link(QStringLiteral("/bin/sleep"), Path(QStringLiteral("orca"))));
        QProcess OrcaProcess;
        OrcaProcess.start(Path(QStringLiteral("orca")), {QStringLiteral("60")});
        QVERIFY(OrcaProcess.waitForStarted());
        TTolkSRD Tolk;
        Tolk.Load();
        QCOMPARE(Tolk.DetectScreenReader(), QStringLiteral("Orca"));

        // Orca's own connection, as Orca opens it.
        SPDConnection *Orca = OpenStandInOrca();
        QVERIFY(Orca);
        const QByteArray Cells = "Braille-Muster Punkte eins zwei drei vier fünf sechs, Braille-Muster Punkte eins, "
                                 "Braille-Muster Punkte eins zwei, Braille-Muster Punkte eins vier.";
        const auto Move = [&](const QString &Line) {
            Tolk.Speak(QStringLiteral(" "), true);
            Tolk.Silence();
            if (!Line.isEmpty())
                QVERIFY(Tolk.Speak(Line, true));
        };

        // Orca is reading the line before; the program speaks the task line;
        // Orca's reading of that line comes 60 ms later.
        Ended = Cancelled = 0;
        const double Task = AudibleSeconds(
            FServer,
            [&] {
                QVERIFY(spd_say(Orca, SPD_MESSAGE, Cells.constData()) >= 0);
                QTest::qWait(400);
                Move(QStringLiteral("Finde: a"));
                QTest::qWait(60);
                QVERIFY(spd_say(Orca, SPD_MESSAGE, Cells.constData()) >= 0);
            },
            5);
        QTRY_COMPARE(Cancelled.load(), 2);
        QCOMPARE(Ended.load(), 0);
        // About 0.4 s of Orca, then the program's task whole; Orca's reading
        // alone lasts several seconds.
        QVERIFY2(Task > 0.7 && Task < 2.0, qPrintable(QString::number(Task)));

        // A line the program leaves unspoken: Orca's reading of it is cut
        // off all the same.
        Ended = Cancelled = 0;
        const double Silent = AudibleSeconds(
            FServer,
            [&] {
                Move(QString());
                QTest::qWait(80);
                QVERIFY(spd_say(Orca, SPD_MESSAGE, Cells.constData()) >= 0);
            },
            3);
        QTRY_COMPARE(Cancelled.load(), 1);
        QVERIFY2(Silent < 0.3, qPrintable(QString::number(Silent)));

        // After the moment of the key Orca speaks as before.
        Ended = Cancelled = 0;
        QTest::qWait(TSpeechDispatcher::CutOffWindowMs);
        const double Later = AudibleSeconds(
            FServer, [&] { QVERIFY(spd_say(Orca, SPD_MESSAGE, "Schalter OK") >= 0); }, 3);
        QTRY_COMPARE(Ended.load(), 1);
        QVERIFY2(Later > 0.3, qPrintable(QString::number(Later)));

        spd_close(Orca);
        OrcaProcess.kill();
        OrcaProcess.waitForFinished();
    }

    // A window's text is heard whole: the screen reader's announcement of
    // the window, sent while it is spoken (also after the moment of the
    // key), neither cuts it off nor is heard after it; Stop silences both.
    void windowTextHeardWhole()
    {
        SPDConnection *Orca = OpenStandInOrca();
        QVERIFY(Orca);
        TSpeechDispatcher Program;
        QVERIFY(Program.IsAvailable());
        QVERIFY(Program.SetVoice(Program.Tokens().value(0)));
        int ProgramEnded = 0;
        Program.OnEndStream = [&] { ++ProgramEnded; };
        const QString Text = QStringLiteral("Oje! Deine Eingabe ist leider nicht richtig! Folgendes ist falsch: "
                                            "Großbuchstabe, b, au, m. Drücke N für noch einmal oder W für weiter.");

        const double Alone = AudibleSeconds(
            FServer, [&] { QVERIFY(Program.SpeakWhole(Text)); }, 15);
        QTRY_COMPARE_WITH_TIMEOUT(ProgramEnded, 1, 15000);

        ProgramEnded = 0;
        Ended = Cancelled = 0;
        const double Heard = AudibleSeconds(
            FServer,
            [&] {
                QVERIFY(Program.SpeakWhole(Text));
                QTest::qWait(150);
                QVERIFY(spd_say(Orca, SPD_MESSAGE,
                                "Schreibergebnis Dialog. Oje! Deine Eingabe ist leider nicht richtig!") >= 0);
                QTest::qWait(TSpeechDispatcher::CutOffWindowMs + 300);
                QVERIFY(spd_say(Orca, SPD_MESSAGE, "Meldung, mehrzeiliger Text") >= 0);
            },
            15);
        QTRY_COMPARE_WITH_TIMEOUT(ProgramEnded, 1, 15000);
        QTRY_COMPARE(Cancelled.load(), 2);
        QCOMPARE(Ended.load(), 0);
        QVERIFY2(Heard >= 0.9 * Alone && Heard < Alone + 0.5,
                 qPrintable(QStringLiteral("alone %1 s, with the announcement %2 s").arg(Alone).arg(Heard)));

        // Shift alone: the text and what waits behind it both end.
        Ended = Cancelled = 0;
        const double Stopped = AudibleSeconds(
            FServer,
            [&] {
                QVERIFY(Program.SpeakWhole(Text));
                QTest::qWait(150);
                QVERIFY(spd_say(Orca, SPD_MESSAGE, "Schreibergebnis Dialog") >= 0);
                QTest::qWait(300);
                Program.Stop();
            },
            5);
        QTRY_COMPARE(Cancelled.load(), 1);
        QCOMPARE(Ended.load(), 0);
        QVERIFY2(Stopped < 1.0, qPrintable(QString::number(Stopped)));
        spd_close(Orca);
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
