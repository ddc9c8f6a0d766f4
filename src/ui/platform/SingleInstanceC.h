#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;

// One running program per user: the first start listens on a local socket
// named after the program and the user; a later start finds it there, asks
// it to come to the front and ends. Other programs may ask the running one
// to close without its question ("autoclose").
class TSingleInstance : public QObject
{
public:
    explicit TSingleInstance(const QString &AName);
    ~TSingleInstance() override;

    // True when this is the first instance (it listens from now on). False
    // when another one runs: it has been asked to come to the front.
    bool Claim();

    // The socket's name for the running user.
    QString ServerName() const { return FServerName; }

    // Sends a command ("activate", "autoclose", "autoclose2") to the
    // instance listening on ServerName; false when none answers.
    static bool Send(const QString &ServerName, const QByteArray &Command, int TimeoutMs = 1000);
    static QString ServerNameFor(const QString &Name);

    std::function<void()> OnActivate;
    std::function<void()> OnAutoClose;

private:
    void Read(class QLocalSocket *Socket);

    QString FServerName;
    QLocalServer *FServer = nullptr;
};
