#include "speech/ScreenReaderDriverOrcaC.h"
#include "speech/TolkSRDC.h"

#include "BrailleDisplay.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>


// Braille reaches the learner's display through BRLTTY; without it nothing
// happens and nothing fails.
class tst_TolkSRD : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("BRLAPI_HOST", TBrailleDisplay::Host);
        // A session of our own: a screen reader on the machine's desktop
        // is not ours.
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + FDir.filePath(QStringLiteral("bus")).toLocal8Bit());
    }

    // Orca counts only on our own desktop session: an Orca of another
    // session of the same user reads another screen.
    void orcaOnOurSessionOnly()
    {
        // A stand-in process named "orca" on a session bus of its own.
        const QString Orca = FDir.filePath(QStringLiteral("orca"));
        QVERIFY(QFile::copy(QStringLiteral("/bin/sleep"), Orca));
        const QByteArray OrcaBus = "unix:path=" + FDir.filePath(QStringLiteral("orca-bus")).toLocal8Bit();
        QProcess P;
        QProcessEnvironment Env = QProcessEnvironment::systemEnvironment();
        Env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString::fromLocal8Bit(OrcaBus));
        P.setProcessEnvironment(Env);
        P.start(Orca, {QStringLiteral("30")});
        QVERIFY(P.waitForStarted());

        const QByteArray Ours = qgetenv("DBUS_SESSION_BUS_ADDRESS");
        QVERIFY(!TScreenReaderDriverOrca::IsOrcaRunning());
        qputenv("BRLAPI_AUTH", "none");
        TTolkSRD Tolk;
        Tolk.Load();
        QCOMPARE(Tolk.DetectScreenReader(), QString());

        qputenv("DBUS_SESSION_BUS_ADDRESS", OrcaBus);
        QVERIFY(TScreenReaderDriverOrca::IsOrcaRunning());
        QCOMPARE(Tolk.DetectScreenReader(), QStringLiteral("Orca"));
        qputenv("DBUS_SESSION_BUS_ADDRESS", Ours);

        P.kill();
        P.waitForFinished();
        QVERIFY(!TScreenReaderDriverOrca::IsOrcaRunning());
    }

    void sessionBus_data()
    {
        QTest::addColumn<QByteArray>("Address");
        QTest::addColumn<QByteArray>("RuntimeDir");
        QTest::addColumn<QByteArray>("Bus");
        QTest::newRow("named") << QByteArray("unix:path=/tmp/x/bus") << QByteArray("/run/user/1000")
                               << QByteArray("unix:path=/tmp/x/bus");
        // The per-user bus a desktop without the variable uses.
        QTest::newRow("per user") << QByteArray() << QByteArray("/run/user/1000")
                                  << QByteArray("unix:path=/run/user/1000/bus");
        QTest::newRow("unknown") << QByteArray() << QByteArray() << QByteArray();
    }

    void sessionBus()
    {
        QFETCH(QByteArray, Address);
        QFETCH(QByteArray, RuntimeDir);
        QFETCH(QByteArray, Bus);
        QCOMPARE(TScreenReaderDriverOrca::SessionBus(Address, RuntimeDir), Bus);
    }

    void nothingRuns()
    {
        qputenv("BRLAPI_AUTH", "none");
        TTolkSRD Tolk;
        QCOMPARE(Tolk.DetectScreenReader(), QString()); // not loaded
        Tolk.Load();
        QCOMPARE(Tolk.DetectScreenReader(), QString());
        QVERIFY(!Tolk.Output(QStringLiteral("⠁"), true));
        QVERIFY(!Tolk.Speak(QStringLiteral("Hallo"), true));
        QVERIFY(!Tolk.Silence());
        QVERIFY(!Tolk.HasBraille());
    }

    void brailleReachesTheDisplay()
    {
        TBrailleDisplay Display;
        QVERIFY(Display.Start());
        qputenv("BRLAPI_AUTH", Display.KeyFile().toLocal8Bit());
        TTolkSRD Tolk;
        Tolk.Load();
        QCOMPARE(Tolk.DetectScreenReader(), QStringLiteral("BRLTTY"));
        QVERIFY(Tolk.HasBraille());
        QVERIFY(!Tolk.HasSpeech());
        QVERIFY(!Tolk.Speak(QStringLiteral("Hallo"), true)); // it does not speak
        QVERIFY(!Tolk.Output(QString(), true));
        // Unicode braille cells pass as their dots.
        QVERIFY(Tolk.Output(QStringLiteral("⠁⠃⠿ ⠓"), true));
        QVERIFY(Display.WaitFor(QStringLiteral("Braille \"1|12|123456| |125|"), 10000));

        // BRLTTY goes away: requests find nobody and fail quietly.
        Display.Stop();
        QVERIFY(!Tolk.Output(QStringLiteral("⠁"), true));
        QCOMPARE(Tolk.DetectScreenReader(), QString());
    }

    // With Orca running the display is Orca's: a spoken label of ours
    // used to take it over (BrlAPI's tty mode, never left), so the learner
    // read our label instead of the lines Orca brailled.
    void orcaKeepsTheDisplay()
    {
        TBrailleDisplay Display;
        QVERIFY(Display.Start());
        qputenv("BRLAPI_AUTH", Display.KeyFile().toLocal8Bit());
        const QString Orca = FDir.filePath(QStringLiteral("orca"));
        QVERIFY(QFile::exists(Orca) || QFile::copy(QStringLiteral("/bin/sleep"), Orca));
        QProcess P;
        P.start(Orca, {QStringLiteral("30")});
        QVERIFY(P.waitForStarted());
        TTolkSRD Tolk;
        Tolk.Load();
        QCOMPARE(Tolk.DetectScreenReader(), QStringLiteral("Orca"));
        Tolk.Output(QStringLiteral("⠁⠃⠿"), true);
        QVERIFY(!Tolk.Braille(QStringLiteral("⠓")));
        QVERIFY(!Display.WaitFor(QStringLiteral("Braille \"1|12|"), 1500));
        QVERIFY(!Display.WaitFor(QStringLiteral("Braille \"125|"), 100));
        P.kill();
        P.waitForFinished();
    }

    // Orca comes back while the program drives the display: the display
    // is Orca's again, the program's next line does not take it; when Orca
    // ends once more, the program shows its lines again.
    void orcaComesBackAndGetsTheDisplay()
    {
        TBrailleDisplay Display;
        QVERIFY(Display.Start());
        qputenv("BRLAPI_AUTH", Display.KeyFile().toLocal8Bit());
        TTolkSRD Tolk;
        Tolk.Load();
        // The line that holds the caret, the caret cell with dots 7 and 8.
        QVERIFY(Tolk.BrailleLine(QStringLiteral("⠁⠃⠉"), 1));
        QVERIFY(Display.WaitFor(QStringLiteral("Braille \"1|1278|14|"), 10000));

        const QString Orca = FDir.filePath(QStringLiteral("orca"));
        QVERIFY(QFile::exists(Orca) || QFile::copy(QStringLiteral("/bin/sleep"), Orca));
        QProcess P;
        P.start(Orca, {QStringLiteral("30")});
        QVERIFY(P.waitForStarted());
        {
            TOtherBrlapiClient OrcasLine(Display.KeyFile());
            QVERIFY(OrcasLine.Write(QStringLiteral("⠓")));
            QVERIFY(Display.WaitFor(QStringLiteral("Braille \"125|"), 10000));
            QVERIFY(!Tolk.BrailleLine(QStringLiteral("⠙"), 0));
            QVERIFY(OrcasLine.Write(QStringLiteral("⠛")));
            QVERIFY(Display.WaitFor(QStringLiteral("Braille \"1245|"), 10000));
            QVERIFY(Display.LastBraille(300).startsWith(QStringLiteral("Braille \"1245|")));
        }
        P.kill();
        P.waitForFinished();
        QVERIFY(Tolk.BrailleLine(QStringLiteral("⠙"), -1));
        QVERIFY(Display.WaitFor(QStringLiteral("Braille \"145|"), 10000));
    }

    // A line longer than the display: the display's width that holds the
    // caret.
    void lineLongerThanTheDisplay()
    {
        TBrailleDisplay Display;
        QVERIFY(Display.Start());
        qputenv("BRLAPI_AUTH", Display.KeyFile().toLocal8Bit());
        TTolkSRD Tolk;
        Tolk.Load();
        const QString Line = QString(40, QChar(0x2801)) + QStringLiteral("⠃⠉");
        QVERIFY(Tolk.BrailleLine(Line, 41));
        QVERIFY(Display.WaitFor(QStringLiteral("Braille \"12|1478| |"), 10000));
    }

private:
    QTemporaryDir FDir;
};

QTEST_GUILESS_MAIN(tst_TolkSRD)
#include "tst_TolkSRD.moc"
