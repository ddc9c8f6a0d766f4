#include "content/MessagesC.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QThread>

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
    const bool HasEvents = QAbstractEventDispatcher::instance(QThread::currentThread()) != nullptr;
    while (!Done()) {
        if (HasEvents)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
}
