#include "content/MessagesC.h"

#include "content/GlobalsC.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include <condition_variable>
#include <map>
#include <mutex>

bool TMainWindowHandle::event(QEvent *E)
{
    if (E->type() < QEvent::Type(WM_USER) || E->type() > QEvent::Type(WM_USER_ACTIVATE))
        return QObject::event(E);
    if (!IsProgramClosing && FMainWindow)
        QCoreApplication::sendEvent(FMainWindow, E);
    else
        static_cast<TMessageEvent *>(E)->Result = 0;
    return true;
}

namespace
{

// How a message crosses threads: posted to a relay object in the receiver's
// thread, which delivers it there while the sender waits. The hand-over goes
// through a standard mutex both ways, so that race checkers see it.
struct THandOver {
    std::mutex Mutex;
    std::condition_variable Handled;
    bool Done = false;
};

const QEvent::Type RelayEventType = QEvent::Type(QEvent::registerEventType());

class TRelayEvent : public QEvent
{
public:
    TRelayEvent(QObject *AReceiver, TMessageEvent *AMessage, THandOver *AHandOver)
        : QEvent(RelayEventType)
        , Receiver(AReceiver)
        , Message(AMessage)
        , HandOver(AHandOver)
    {
    }
    QObject *Receiver;
    TMessageEvent *Message;
    THandOver *HandOver;
};

// Taken by the sender after it made the event and by the relay before it
// looks at one.
std::mutex RelayMutex;

class TMessageRelay : public QObject
{
public:
    bool event(QEvent *E) override
    {
        {
            std::lock_guard Lock(RelayMutex);
        }
        if (E->type() != RelayEventType)
            return QObject::event(E);
        auto *R = static_cast<TRelayEvent *>(E);
        QCoreApplication::sendEvent(R->Receiver, R->Message);
        std::lock_guard Lock(R->HandOver->Mutex);
        R->HandOver->Done = true;
        R->HandOver->Handled.notify_one();
        return true;
    }
};

// One relay per receiving thread (in practice the main thread), kept for the
// whole run.
QObject *RelayFor(QThread *Thread)
{
    static std::mutex Mutex;
    // Never destroyed: a message may still be relayed while statics go.
    static auto *Relays = new std::map<QThread *, TMessageRelay *>;
    std::lock_guard Lock(Mutex);
    TMessageRelay *&Relay = (*Relays)[Thread];
    if (!Relay) {
        Relay = new TMessageRelay;
        Relay->moveToThread(Thread);
    }
    return Relay;
}

} // namespace

qintptr SendMessage(QObject *Receiver, int Msg, qintptr WParam, qintptr LParam)
{
    if (!Receiver)
        return 0;
    TMessageEvent Event(Msg, WParam, LParam);
    if (Receiver->thread() == QThread::currentThread()) {
        QCoreApplication::sendEvent(Receiver, &Event);
        return Event.Result;
    }
    THandOver H;
    QObject *Relay = RelayFor(Receiver->thread());
    auto *Posted = new TRelayEvent(Receiver, &Event, &H);
    {
        std::lock_guard Lock(RelayMutex);
    }
    QCoreApplication::postEvent(Relay, Posted);
    std::unique_lock Lock(H.Mutex);
    H.Handled.wait(Lock, [&H] { return H.Done; });
    return Event.Result;
}

void WaitHandlingEvents(const std::function<bool()> &Done)
{
    if (Done())
        return;
    if (!QAbstractEventDispatcher::instance(QThread::currentThread())) {
        while (!Done())
            QThread::msleep(1);
        return;
    }
    // Sleeps in the event loop: a message sent from another thread wakes it
    // at once; the timer makes it look at Done() now and then.
    QTimer Tick;
    Tick.start(1);
    while (!Done())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}
