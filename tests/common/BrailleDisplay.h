#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>

#include <brlapi.h>

#include <cstdlib>

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
        FBrltty.start(QStringLiteral("brltty"), {"-n",
                                                 "-e",
                                                 "-q",
                                                 "-f",
                                                 "/dev/null",
                                                 "-b",
                                                 "vr",
                                                 "-d",
                                                 "client:" + Socket,
                                                 "-x",
                                                 "no",
                                                 "-s",
                                                 "no",
                                                 "-t",
                                                 "de",
                                                 "-A",
                                                 QStringLiteral("auth=keyfile:%1,host=%2").arg(FKey, Host),
                                                 "-W",
                                                 FDir.path(),
                                                 "-U",
                                                 FDir.path(),
                                                 "-P",
                                                 FDir.path() + "/pid"});
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
            // The program under test goes on meanwhile.
            QCoreApplication::processEvents();
            // What processing events has already read counts too.
            FClient->waitForReadyRead(50);
            FReceived += QString::fromUtf8(FClient->readAll());
            for (const QString &L : FReceived.split(u'\n'))
                if (L.startsWith(Prefix))
                    return true;
        }
        return false;
    }

    QString Received() const { return FReceived; }

    // The last "Braille" line received so far, after Ms for more to come.
    QString LastBraille(int Ms)
    {
        QElapsedTimer T;
        T.start();
        while (T.elapsed() < Ms) {
            QCoreApplication::processEvents();
            FClient->waitForReadyRead(20);
            FReceived += QString::fromUtf8(FClient->readAll());
        }
        const QStringList Lines = FReceived.split(u'\n');
        for (auto L = Lines.rbegin(); L != Lines.rend(); ++L)
            if (L->startsWith(QStringLiteral("Braille ")))
                return *L;
        return {};
    }

private:
    QTemporaryDir FDir;
    QString FKey;
    QLocalServer FServer;
    QLocalSocket *FClient = nullptr;
    QProcess FBrltty;
    QString FReceived;
};


// Another program on the same display, as a screen reader reaches it: its
// own BrlAPI connection in tty mode.
class TOtherBrlapiClient
{
public:
    explicit TOtherBrlapiClient(const QString &KeyFile)
    {
        FHandle = static_cast<brlapi_handle_t *>(std::malloc(brlapi_getHandleSize()));
        const QByteArray Auth = KeyFile.toLocal8Bit();
        brlapi_connectionSettings_t S = {const_cast<char *>(Auth.constData()),
                                         const_cast<char *>(TBrailleDisplay::Host)};
        FOpen = brlapi__openConnection(FHandle, &S, nullptr) != (brlapi_fileDescriptor)(-1) &&
                brlapi__enterTtyModeWithPath(FHandle, nullptr, 0, nullptr) >= 0;
    }
    ~TOtherBrlapiClient()
    {
        if (FOpen) {
            brlapi__leaveTtyMode(FHandle);
            brlapi__closeConnection(FHandle);
        }
        std::free(FHandle);
    }
    bool Write(const QString &Text)
    {
        const QByteArray T = Text.toUtf8();
        brlapi_writeArguments_t W = BRLAPI_WRITEARGUMENTS_INITIALIZER;
        W.text = T.constData();
        W.textSize = int(T.size());
        W.charset = const_cast<char *>("UTF-8");
        W.cursor = BRLAPI_CURSOR_OFF;
        return FOpen && brlapi__write(FHandle, &W) >= 0;
    }

private:
    brlapi_handle_t *FHandle = nullptr;
    bool FOpen = false;
};
