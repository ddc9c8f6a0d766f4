#include "content/MessagesC.h"

#include "content/GlobalsC.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include <condition_variable>
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

qintptr SendMessage(QObject *Receiver, int Msg, qintptr WParam, qintptr LParam)
{
    if (!Receiver)
        return 0;
    TMessageEvent Event(Msg, WParam, LParam);
    if (Receiver->thread() == QThread::currentThread()) {
        QCoreApplication::sendEvent(Receiver, &Event);
        return Event.Result;
    }
    // Posted to the receiver's thread; the sender waits until it was
    // handled. The hand-over goes through a standard mutex both ways, so that
    // race checkers see it.
    struct THandOver {
        std::mutex Mutex;
        std::condition_variable Handled;
        bool Done = false;
    } H;
    { std::lock_guard Lock(H.Mutex); }
    QMetaObject::invokeMethod(
        Receiver,
        [Receiver, &Event, &H] {
            { std::lock_guard Lock(H.Mutex); }
            QCoreApplication::sendEvent(Receiver, &Event);
            std::lock_guard Lock(H.Mutex);
            H.Done = true;
            H.Handled.notify_one();
        },
        Qt::QueuedConnection);
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
