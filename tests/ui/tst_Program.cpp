#include "ProgramCopy.h"

#include "platform/SingleInstanceC.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace
{
// Every file below Folder with its size and time of last change.
QStringList Snapshot(const QString &Folder)
{
    QStringList L;
    QDirIterator It(Folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (It.hasNext()) {
        It.next();
        L << It.filePath() + u' ' + QString::number(It.fileInfo().size()) + u' ' +
                 QString::number(It.fileInfo().lastModified().toMSecsSinceEpoch());
    }
    L.sort();
    return L;
}
} // namespace

// The real program as processes: one instance per user, a second start
// hands over to the first, another program closes it without its question.
class tst_Program : public QObject
{
    Q_OBJECT

    bool WaitForSocket(const TProgramCopy &Copy, int Ms = 20000)
    {
        QElapsedTimer T;
        T.start();
        while (T.elapsed() < Ms) {
            QLocalSocket S;
            S.connectToServer(Copy.Socket());
            if (S.waitForConnected(200))
                return true;
            QTest::qWait(50);
        }
        return false;
    }

private slots:
    void secondStart_asksTheFirstAndTouchesNothing()
    {
        QTemporaryDir Dir;
        TProgramCopy Copy(Dir.path());
        // This test stands in for the running first instance.
        qputenv("TMPDIR", QFile::encodeName(Dir.path() + QStringLiteral("/tmp")));
        TSingleInstance First(QStringLiteral("Tastwerk V1.02"));
        QVERIFY(First.Claim());
        int Activated = 0;
        First.OnActivate = [&] { ++Activated; };
        const QStringList Before = Snapshot(Dir.path());

        QProcess Second;
        Second.setProcessEnvironment(Copy.Environment());
        Second.start(Copy.Executable(), {});
        QVERIFY(Second.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(Activated, 1, 10000);
        QVERIFY(Second.state() == QProcess::NotRunning || Second.waitForFinished(10000));
        QCOMPARE(Second.exitCode(), 0);
        // No profile, no log, no help pages: nothing read or written.
        QCOMPARE(Snapshot(Dir.path()), Before);
        QVERIFY(!QFileInfo::exists(Copy.Profile()));
        qunsetenv("TMPDIR");
    }

    void twoRealStarts_thenAutoclose()
    {
        QTemporaryDir Dir;
        TProgramCopy Copy(Dir.path());
        QProcess First;
        First.setProcessEnvironment(Copy.Environment());
        First.start(Copy.Executable(), {});
        QVERIFY(First.waitForStarted());
        QVERIFY(WaitForSocket(Copy));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(Copy.Profile()), 10000);
        QTest::qWait(500);
        const QStringList ProfileBefore = Snapshot(Copy.Profile());

        QProcess Second;
        Second.setProcessEnvironment(Copy.Environment());
        Second.start(Copy.Executable(), {});
        QVERIFY(Second.waitForFinished(10000));
        QCOMPARE(Second.exitCode(), 0);
        QCOMPARE(Snapshot(Copy.Profile()), ProfileBefore);
        QCOMPARE(First.state(), QProcess::Running);

        // The first start shows its introduction and asks a question; the
        // close comes all the same, without the closing question.
        QVERIFY(!QFileInfo::exists(Copy.Profile() + QStringLiteral("Tastwerk.ini")));
        QVERIFY(TSingleInstance::Send(Copy.Socket(), "autoclose"));
        QVERIFY(First.waitForFinished(20000));
        QCOMPARE(First.exitStatus(), QProcess::NormalExit);
        QCOMPARE(First.exitCode(), 0);
        QVERIFY(QFileInfo::exists(Copy.Profile() + QStringLiteral("Tastwerk.ini")));
    }

    void staleSocketOfACrashedRun_isTakenOver()
    {
        QTemporaryDir Dir;
        TProgramCopy Copy(Dir.path());
        // What a crashed run leaves: the socket file, with nobody listening.
        {
            const int Fd = socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un A{};
            A.sun_family = AF_UNIX;
            const QByteArray Path = QFile::encodeName(Copy.Socket());
            memcpy(A.sun_path, Path.constData(), size_t(Path.size()));
            QCOMPARE(bind(Fd, reinterpret_cast<sockaddr *>(&A), sizeof A), 0);
            close(Fd);
        }
        QVERIFY(QFileInfo::exists(Copy.Socket()));
        QProcess P;
        P.setProcessEnvironment(Copy.Environment());
        P.start(Copy.Executable(), {});
        QVERIFY(P.waitForStarted());
        QVERIFY(WaitForSocket(Copy));
        QCOMPARE(P.state(), QProcess::Running);
        QVERIFY(TSingleInstance::Send(Copy.Socket(), "autoclose"));
        QVERIFY(P.waitForFinished(20000));
    }
};

QTEST_MAIN(tst_Program)
#include "tst_Program.moc"
