#include "platform/SingleInstanceC.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

TSingleInstance::TSingleInstance(const QString &AName)
    : FServerName(ServerNameFor(AName))
{
}

TSingleInstance::~TSingleInstance() = default;

QString TSingleInstance::ServerNameFor(const QString &Name)
{
    QString S = Name;
    S.replace(QLatin1Char(' '), QLatin1Char('-'));
    return S + QLatin1Char('-') + QString::number(getuid());
}

bool TSingleInstance::Send(const QString &ServerName, const QByteArray &Command, int TimeoutMs)
{
    QLocalSocket Socket;
    Socket.connectToServer(ServerName);
    if (!Socket.waitForConnected(TimeoutMs))
        return false;
    Socket.write(Command + '\n');
    const bool Sent = Socket.waitForBytesWritten(TimeoutMs);
    Socket.disconnectFromServer();
    if (Socket.state() != QLocalSocket::UnconnectedState)
        Socket.waitForDisconnected(TimeoutMs);
    return Sent;
}

bool TSingleInstance::Claim()
{
    for (int Attempt = 0; Attempt < 3; ++Attempt) {
        if (Send(FServerName, "activate", 500))
            return false;
        // Nobody answers: what is left is the socket of a run that crashed.
        QLocalServer::removeServer(FServerName);
        FServer = new QLocalServer(this);
        FServer->setSocketOptions(QLocalServer::UserAccessOption);
        if (FServer->listen(FServerName)) {
            connect(FServer, &QLocalServer::newConnection, this, [this] {
                while (QLocalSocket *S = FServer->nextPendingConnection()) {
                    connect(S, &QLocalSocket::readyRead, this, [this, S] { Read(S); });
                    connect(S, &QLocalSocket::disconnected, S, &QObject::deleteLater);
                    Read(S);
                }
            });
            return true;
        }
        // Another start won the race: ask it instead.
        delete FServer;
        FServer = nullptr;
    }
    return true;
}

void TSingleInstance::Read(QLocalSocket *Socket)
{
    while (Socket->canReadLine()) {
        const QByteArray Command = Socket->readLine().trimmed();
        if (Command == "activate") {
            if (OnActivate)
                OnActivate();
        } else if (Command == "autoclose" || Command == "autoclose2") {
            if (OnAutoClose)
                OnAutoClose();
        }
    }
}
