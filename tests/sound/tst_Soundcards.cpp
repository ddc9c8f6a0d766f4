#include "sound/SoundcardsC.h"

#include <QtTest>

#include "../common/Pulse.h"

// The device list follows a private sound server while sinks come and go
// and the default moves.
class tst_Soundcards : public QObject
{
    Q_OBJECT

public:
    explicit tst_Soundcards(QString AServer) : FServer(std::move(AServer)) {}

private:
    QString FServer;

    QString Pactl(const QStringList &Args)
    {
        QProcess P;
        QProcessEnvironment Env = QProcessEnvironment::systemEnvironment();
        Env.insert(QStringLiteral("PULSE_SERVER"), FServer);
        P.setProcessEnvironment(Env);
        P.start(QStringLiteral("pactl"), Args);
        P.waitForFinished(10000);
        return QString::fromUtf8(P.readAllStandardOutput()).trimmed();
    }

private slots:
    void followsTheSystem()
    {
        TSoundcards Cards;
        Cards.Id = 7;
        QList<int> Announced;
        Cards.OnDeviceChanged = [&Announced](int Id) { Announced.append(Id); };

        QVERIFY(Cards.LoadSoundcards(false)); // from empty to the server's sink
        QCOMPARE(Cards.Count(), 1);
        QCOMPARE(Cards.StandardDeviceIndex(), 0);
        QCOMPARE(Cards.GetStandardDevice(), 1);
        QCOMPARE(Cards.GetIndexByDevice(1), 0);
        QCOMPARE(Cards.GetIndexByDevice(0), -1);
        QVERIFY(!Cards.LoadSoundcards(true)); // nothing changed, nothing said
        QVERIFY(Announced.isEmpty());

        // A second device appears: noticed and announced by itself.
        const QString Module =
            Pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"), QStringLiteral("sink_name=zweite")});
        QVERIFY(!Module.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(Cards.Count(), 2, 5000);
        QVERIFY(!Announced.isEmpty());
        QCOMPARE(Announced.last(), 7);
        // And goes away again.
        Pactl({QStringLiteral("unload-module"), Module});
        QTRY_COMPARE_WITH_TIMEOUT(Cards.Count(), 1, 5000);
        QCOMPARE(Cards.GetStandardDevice(), 1);
    }
};

int main(int argc, char *argv[])
{
    return RunWithPrivatePulse(argc, argv, [&](const QString &Server) {
        tst_Soundcards Test(Server);
        return QTest::qExec(&Test, argc, argv);
    });
}

#include "tst_Soundcards.moc"
