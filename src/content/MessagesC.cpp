#include "content/MessagesC.h"

#include "content/GlobalsC.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QThread>
#include <QTimer>

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
    } else {
        QMetaObject::invokeMethod(
            Receiver, [Receiver, &Event] { QCoreApplication::sendEvent(Receiver, &Event); },
            Qt::BlockingQueuedConnection);
    }
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
