#include "speech/TolkSRDC.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A braille display for the test: BRLTTY with its virtual driver, connected
// to a socket this fixture listens on, so that every line BRLTTY would show
// arrives here as "Braille "dots|dots|...""; its BrlAPI server listens on
// 127.0.0.1 only, and the fixture stops it.
class TBrailleDisplay
{
public:
    static constexpr const char *Host = "127.0.0.1:17";

    bool Start()
    {
        FKey = FDir.path() + QStringLiteral("/key");
        QFile Key(FKey);
        if (!Key.open(QIODevice::WriteOnly))
            return false;
        Key.write("tastwerk-test-key-0123456789abcdef\n");
        Key.close();
        const QString Socket = FDir.path() + QStringLiteral("/vr.sock");
        if (!FServer.listen(Socket))
            return false;
        FBrltty.start(QStringLiteral("brltty"),
                      {"-n", "-e", "-q", "-f", "/dev/null", "-b", "vr", "-d", "client:" + Socket, "-x", "no", "-s",
                       "no", "-t", "de", "-A", QStringLiteral("auth=keyfile:%1,host=%2").arg(FKey, Host), "-W",
                       FDir.path(), "-U", FDir.path(), "-P", FDir.path() + "/pid"});
        if (!FBrltty.waitForStarted(5000) || !FServer.waitForNewConnection(15000))
            return false;
        FClient = FServer.nextPendingConnection();
        FClient->write("cells 40\n");
        FClient->flush();
        // Ready once BRLTTY shows its first line.
        return WaitFor(QStringLiteral("Braille "), 10000);
    }

    void Stop()
    {
        if (FBrltty.state() == QProcess::NotRunning)
            return;
        FBrltty.terminate();
        if (!FBrltty.waitForFinished(5000))
            FBrltty.kill();
        FBrltty.waitForFinished();
    }

    ~TBrailleDisplay() { Stop(); }

    QString KeyFile() const { return FKey; }

    // Waits for a received line starting with Prefix.
    bool WaitFor(const QString &Prefix, int Ms)
    {
        QElapsedTimer T;
        T.start();
        while (T.elapsed() < Ms) {
            if (FClient->waitForReadyRead(50))
                FReceived += QString::fromUtf8(FClient->readAll());
            for (const QString &L : FReceived.split(u'\n'))
                if (L.startsWith(Prefix))
                    return true;
        }
        return false;
    }

private:
    QTemporaryDir FDir;
    QString FKey;
    QLocalServer FServer;
    QLocalSocket *FClient = nullptr;
    QProcess FBrltty;
    QString FReceived;
};

} // namespace

// Braille reaches the learner's display through BRLTTY; without it nothing
// happens and nothing fails.
class tst_TolkSRD : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("BRLAPI_HOST", TBrailleDisplay::Host);
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
};

QTEST_GUILESS_MAIN(tst_TolkSRD)
#include "tst_TolkSRD.moc"
