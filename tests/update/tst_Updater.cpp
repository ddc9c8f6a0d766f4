#include "content/MessagesC.h"
#include "content/PathsC.h"
#include "update/UpdaterC.h"
#include "../common/StatusReceiver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace
{

// HTTPS on 127.0.0.1 with a throw-away certificate; every request is written
// to a log file as "path<TAB>user agent".
const char *ServerScript = R"(
import functools, http.server, ssl, sys
cert, key, root, log = sys.argv[1:5]
class Handler(http.server.SimpleHTTPRequestHandler):
    def do_GET(self):
        with open(log, 'a') as f:
            f.write(self.path + '\t' + self.headers.get('User-Agent', '') + '\n')
        super().do_GET()
    def log_message(self, *args):
        pass
server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), functools.partial(Handler, directory=root))
context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
context.load_cert_chain(cert, key)
server.socket = context.wrap_socket(server.socket, server_side=True)
print(server.server_address[1], flush=True)
server.serve_forever()
)";

const QString VersionFile = QStringLiteral("/updates/Tastwerk/Tastwerk.ver");

} // namespace

// The update check against a private HTTPS server: what the server names,
// failures of every kind, the hint to the main window, the timer, and that
// nothing at all is sent without an address.
class tst_Updater : public QObject
{
    Q_OBJECT

    QTemporaryDir FDir;
    QProcess FServer;
    QUrl FUrl;
    QList<QSslCertificate> FCa;

    QString Root() const { return FDir.path() + "/www"; }
    QString LogFile() const { return FDir.path() + "/requests.log"; }

    // The version file the server hands out; nothing gives "404".
    void SetBody(const std::optional<QByteArray> &Body)
    {
        const QString Name = Root() + VersionFile;
        QFile::remove(Name);
        if (!Body)
            return;
        QFile F(Name);
        QVERIFY(F.open(QIODevice::WriteOnly));
        F.write(*Body);
    }
    QStringList Requests() const
    {
        QFile F(LogFile());
        if (!F.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(F.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

    // An updater that checks only when told to.
    std::unique_ptr<TUpdater> MakeUpdater(QObject *Receiver, const QUrl &Url, bool TrustServer = true)
    {
        auto U = std::make_unique<TUpdater>(Receiver, Url);
        U->SetIntervals(3600000, 0, 0, 0, 0);
        if (TrustServer)
            U->SetCaCertificates(FCa);
        return U;
    }
    static bool RunCheck(TUpdater &U, int TimeoutMs = 15000)
    {
        U.CheckNow();
        return QTest::qWaitFor([&U] { return !U.Checking(); }, TimeoutMs);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(FDir.isValid());
        const QString Dir = FDir.path();
        QProcess OpenSsl;
        OpenSsl.start(QStringLiteral("openssl"),
                      {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", Dir + "/key.pem", "-out",
                       Dir + "/cert.pem", "-days", "2", "-subj", "/CN=localhost", "-addext",
                       "subjectAltName=DNS:localhost,IP:127.0.0.1"});
        QVERIFY2(OpenSsl.waitForFinished(60000) && OpenSsl.exitCode() == 0, OpenSsl.readAllStandardError());
        FCa = QSslCertificate::fromPath(Dir + "/cert.pem");
        QCOMPARE(FCa.size(), 1);

        QVERIFY(QDir().mkpath(Root() + "/updates/Tastwerk"));
        QFile Script(Dir + "/server.py");
        QVERIFY(Script.open(QIODevice::WriteOnly));
        Script.write(ServerScript);
        Script.close();
        const QString Python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        QVERIFY(!Python.isEmpty());
        FServer.start(Python, {Script.fileName(), Dir + "/cert.pem", Dir + "/key.pem", Root(), LogFile()});
        QVERIFY(FServer.waitForStarted());
        QVERIFY2(FServer.waitForReadyRead(20000), FServer.readAllStandardError());
        const int Port = FServer.readLine().trimmed().toInt();
        QVERIFY(Port > 0);
        FUrl = QUrl(QStringLiteral("https://127.0.0.1:%1").arg(Port));
    }
    void cleanupTestCase()
    {
        if (FServer.state() != QProcess::NotRunning) {
            FServer.terminate();
            if (!FServer.waitForFinished(5000))
                FServer.kill();
            FServer.waitForFinished();
        }
    }

    void versionSetData_data()
    {
        QTest::addColumn<QString>("Text");
        QTest::addColumn<QString>("Version");
        QTest::newRow("four numbers") << "1.0.2.0"
                                      << "1.0.2.0";
        QTest::newRow("runs of dots") << "1..0...2.0"
                                      << "1.0.2.0";
        QTest::newRow("leading dots") << "..3.4"
                                      << "3.4.0.0";
        QTest::newRow("missing words") << "2"
                                       << "2.0.0.0";
        QTest::newRow("not a number") << "1.x.3.4"
                                      << "1.0.3.4";
        QTest::newRow("more than four") << "1.2.3.4.5"
                                        << "1.2.3.4";
        QTest::newRow("empty") << ""
                               << "0.0.0.0";
        QTest::newRow("no version at all") << "neu"
                                           << "0.0.0.0";
    }
    void versionSetData()
    {
        QFETCH(QString, Text);
        QFETCH(QString, Version);
        TVersion V;
        V.SetData(QStringLiteral("9.9.9.9"));
        V.SetData(Text);
        QCOMPARE(V.ToString(), Version);
    }

    void runningVersionIsKnown()
    {
        // Without it every check would end in an error.
        QVERIFY(TVersion(true).ToString() != QStringLiteral("0.0.0.0"));
        QCOMPARE(TVersion(false).ToString(), QStringLiteral("0.0.0.0"));
    }

    void check_data()
    {
        QTest::addColumn<QString>("Current");
        QTest::addColumn<std::optional<QByteArray>>("Body");
        QTest::addColumn<int>("Status");
        QTest::addColumn<QString>("NewVersion");
        using Body = std::optional<QByteArray>;
        const QString V = QStringLiteral("1.0.2.0");
        QTest::newRow("newer") << V << Body("[Tastwerk]\r\nVersion=1.0.3.0\r\n") << int(utUpgrade) << "1.0.3.0";
        QTest::newRow("same") << V << Body("[Tastwerk]\r\nVersion=1.0.2.0\r\n") << int(utNone) << "1.0.2.0";
        QTest::newRow("older") << V << Body("[Tastwerk]\r\nVersion=1.0.1.9\r\n") << int(utDowngrade) << "1.0.1.9";
        QTest::newRow("10 after 9") << "1.0.9.0" << Body("[Tastwerk]\nVersion=1.0.10.0\n") << int(utUpgrade)
                                    << "1.0.10.0";
        QTest::newRow("9 before 10") << "1.0.10.0" << Body("[Tastwerk]\nVersion=1.0.9.0\n") << int(utDowngrade)
                                     << "1.0.9.0";
        QTest::newRow("among other sections")
            << V << Body("[Andere]\nVersion=9.9.9.9\n\n[Tastwerk]\nVersion=1.0.2.1\n") << int(utUpgrade) << "1.0.2.1";
        QTest::newRow("other letter case, mark, comment")
            << V << Body("\xEF\xBB\xBF; Stand\r\n[tastwerk]\r\nversion = 2.0\r\n") << int(utUpgrade) << "2.0.0.0";
        QTest::newRow("wrong section") << V << Body("[Andere]\nVersion=2.0.0.0\n") << int(utError) << "0.0.0.0";
        QTest::newRow("no version key") << V << Body("[Tastwerk]\nVersionen=2.0.0.0\n") << int(utError) << "0.0.0.0";
        QTest::newRow("empty body") << V << Body(QByteArray()) << int(utError) << "0.0.0.0";
        QTest::newRow("no file on the server") << V << Body() << int(utError) << "0.0.0.0";
        QTest::newRow("not a version") << V << Body("[Tastwerk]\nVersion=neu\n") << int(utError) << "0.0.0.0";
        QTest::newRow("running version unknown")
            << "" << Body("[Tastwerk]\nVersion=1.0.3.0\n") << int(utError) << "1.0.3.0";
    }
    void check()
    {
        QFETCH(QString, Current);
        QFETCH(std::optional<QByteArray>, Body);
        QFETCH(int, Status);
        QFETCH(QString, NewVersion);
        SetBody(Body);
        TStatusReceiver Receiver;
        auto U = MakeUpdater(&Receiver, FUrl);
        U->SetCurrentVersion(Current);
        QCOMPARE(U->Status(), utNone);
        QVERIFY(!U->LastCheck().isValid());
        const qsizetype Before = Requests().size();

        QVERIFY(RunCheck(*U));
        QCOMPARE(int(U->Status()), Status);
        QCOMPARE(U->NewVersion().ToString(), NewVersion);
        QVERIFY(U->LastCheck().isValid());
        QCOMPARE(Receiver.CountOf(WM_USER_REFRESH, 0), Status == utUpgrade ? 1 : 0);
        const QStringList R = Requests();
        QCOMPARE(R.size(), Before + 1);
        QCOMPARE(R.last(), VersionFile + "\tMozilla/3.0");
    }

    void hintOncePerChangeAndOnlyWhileLoaderIdle()
    {
        SetBody(QByteArray("[Tastwerk]\nVersion=1.0.3.0\n"));
        TStatusReceiver Receiver;
        auto U = MakeUpdater(&Receiver, FUrl);
        U->SetCurrentVersion(QStringLiteral("1.0.2.0"));
        QVERIFY(RunCheck(*U));
        QVERIFY(RunCheck(*U));
        QCOMPARE(U->Status(), utUpgrade);
        QCOMPARE(Receiver.CountOf(WM_USER_REFRESH, 0), 1);
        // Back to equal, then newer again: a new change, a new hint.
        SetBody(QByteArray("[Tastwerk]\nVersion=1.0.2.0\n"));
        QVERIFY(RunCheck(*U));
        QCOMPARE(U->Status(), utNone);
        SetBody(QByteArray("[Tastwerk]\nVersion=1.0.3.0\n"));
        QVERIFY(RunCheck(*U));
        QCOMPARE(Receiver.CountOf(WM_USER_REFRESH, 0), 2);

        // While content loads the main window rebuilds its status text
        // afterwards anyway; no hint then.
        TStatusReceiver Busy;
        auto B = MakeUpdater(&Busy, FUrl);
        B->SetCurrentVersion(QStringLiteral("1.0.2.0"));
        B->IsLoaderIdle = [] { return false; };
        QVERIFY(RunCheck(*B));
        QCOMPARE(B->Status(), utUpgrade);
        QCOMPARE(Busy.CountOf(WM_USER_REFRESH, 0), 0);
    }

    void refusedConnection()
    {
        QTcpServer Closed;
        QVERIFY(Closed.listen(QHostAddress::LocalHost));
        const quint16 Port = Closed.serverPort();
        Closed.close();
        auto U = MakeUpdater(nullptr, QUrl(QStringLiteral("https://127.0.0.1:%1").arg(Port)));
        QElapsedTimer Clock;
        Clock.start();
        QVERIFY(RunCheck(*U));
        QCOMPARE(U->Status(), utError);
        QVERIFY(Clock.elapsed() < 4000);
    }

    void serverNeverAnswers()
    {
        // Takes the connection and says nothing: the check gives up after 5 s.
        QTcpServer Silent;
        QVERIFY(Silent.listen(QHostAddress::LocalHost));
        auto U = MakeUpdater(nullptr, QUrl(QStringLiteral("https://127.0.0.1:%1").arg(Silent.serverPort())));
        QElapsedTimer Clock;
        Clock.start();
        QVERIFY(RunCheck(*U, 20000));
        QCOMPARE(U->Status(), utError);
        QVERIFY2(Clock.elapsed() >= 4500 && Clock.elapsed() < 12000, qPrintable(QString::number(Clock.elapsed())));
    }

    void untrustedCertificate()
    {
        SetBody(QByteArray("[Tastwerk]\nVersion=1.0.3.0\n"));
        const qsizetype Before = Requests().size();
        auto U = MakeUpdater(nullptr, FUrl, false);
        QVERIFY(RunCheck(*U));
        QCOMPARE(U->Status(), utError);
        // Refused in the handshake: no request reached the server.
        QCOMPARE(Requests().size(), Before);
    }

    void timerChecksAgain()
    {
        SetBody(QByteArray("[Tastwerk]\nVersion=1.0.2.0\n"));
        const qsizetype Before = Requests().size();
        TUpdater U(nullptr, FUrl);
        U.SetCaCertificates(FCa);
        U.SetCurrentVersion(QStringLiteral("1.0.2.0"));
        U.SetIntervals(50, 200, 200, 200, 200);
        QVERIFY(QTest::qWaitFor([&] { return Requests().size() >= Before + 3; }, 15000));
        QCOMPARE(U.Status(), utNone);
        QVERIFY(U.LastCheck().isValid());
    }

    void freedWhileChecking()
    {
        QTcpServer Silent;
        QVERIFY(Silent.listen(QHostAddress::LocalHost));
        auto U = MakeUpdater(nullptr, QUrl(QStringLiteral("https://127.0.0.1:%1").arg(Silent.serverPort())));
        U->CheckNow();
        QVERIFY(U->Checking());
        QTest::qWait(100);
        QElapsedTimer Clock;
        Clock.start();
        U.reset();
        // The request is cancelled, not waited for; nothing arrives later.
        QVERIFY(Clock.elapsed() < 2000);
        QTest::qWait(100);
    }

    void noAddressNoRequest_data()
    {
        QTest::addColumn<QString>("Kind");
        QTest::newRow("shipped file") << QStringLiteral("shipped");
        QTest::newRow("empty file") << QStringLiteral("empty");
        QTest::newRow("no file") << QStringLiteral("none");
    }
    void noAddressNoRequest()
    {
        QFETCH(QString, Kind);
        QTemporaryDir Program;
        QTemporaryDir User;
        QVERIFY(QDir().mkpath(Program.path() + "/Data"));
        InitPaths(Program.path(), QStringLiteral("test"), User.path());
        const QString Address = DataPath + "Updateserver.txt";
        if (Kind == "shipped")
            QVERIFY(QFile::copy(QStringLiteral(TASTWERK_SHARE "/Data/Updateserver.txt"), Address));
        else if (Kind == "empty")
            QVERIFY(QFile(Address).open(QIODevice::WriteOnly));

        const qsizetype Before = Requests().size();
        TStatusReceiver Receiver;
        TUpdater U(&Receiver);
        U.SetCaCertificates(FCa);
        U.SetIntervals(10, 10, 10, 10, 10);
        QVERIFY(U.BaseUrl().isEmpty());
        U.CheckNow();
        QTest::qWait(300);
        QVERIFY(!U.Checking());
        QCOMPARE(U.Status(), utNone);
        QVERIFY(!U.LastCheck().isValid());
        QCOMPARE(Requests().size(), Before);
    }

    void readBaseUrl_data()
    {
        QTest::addColumn<QByteArray>("Text");
        QTest::addColumn<QString>("Url");
        QTest::newRow("blank lines") << QByteArray("\r\n   \r\n") << QString();
        QTest::newRow("comments first")
            << QByteArray("; Adresse\r\n\r\n  https://updates.example.org/tastwerk/  \r\nhttps://zwei.example.org\r\n")
            << QStringLiteral("https://updates.example.org/tastwerk/");
        QTest::newRow("no scheme") << QByteArray("updates.example.org\n")
                                   << QStringLiteral("https://updates.example.org");
        QTest::newRow("with port") << QByteArray("https://127.0.0.1:8443") << QStringLiteral("https://127.0.0.1:8443");
        QTest::newRow("plain HTTP refused") << QByteArray("http://updates.example.org\n") << QString();
        QTest::newRow("other scheme refused") << QByteArray("ftp://updates.example.org\n") << QString();
        QTest::newRow("no host") << QByteArray("https://\n") << QString();
        // The maker's links share the file; they are never the address.
        QTest::newRow("links before the address")
            << QByteArray("Mail=lehrer@example.org\r\nhomepage=https://www.example.org\r\nupdates.example.org\r\n")
            << QStringLiteral("https://updates.example.org");
        QTest::newRow("links only") << QByteArray("Mail=lehrer@example.org\r\nHomepage=https://www.example.org\r\n")
                                    << QString();
    }
    void readBaseUrl()
    {
        QFETCH(QByteArray, Text);
        QFETCH(QString, Url);
        QTemporaryDir Dir;
        const QString Name = Dir.path() + "/Updateserver.txt";
        QFile F(Name);
        QVERIFY(F.open(QIODevice::WriteOnly));
        F.write(Text);
        F.close();
        QCOMPARE(TUpdater::ReadBaseUrl(Name).toString(), Url);
        QVERIFY(TUpdater::ReadBaseUrl(Dir.path() + "/fehlt.txt").isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_Updater)
#include "tst_Updater.moc"
