#pragma once

#include <QEvent>
#include <QObject>
#include <functional>

// The messages the background threads send to the main window and to the
// lesson collection's counter, as Qt events with the numbers the program has
// always used.
enum TUserMessage : int {
    WM_USER = 1024,
    WM_USER_STATUS = WM_USER + 1,     // wParam: event code, lParam: event value
    WM_USER_STARTED = WM_USER + 2,    // event: the main window is shown
    WM_USER_REFRESH = WM_USER + 4,    // event: lParam 1 when points were gained
    WM_USER_JOBS = WM_USER + 11,      // event: lParam 1 initial load, 2 reload starts, 0 job ended
    WM_USER_LEKTIONEN = WM_USER + 21, // event: lParam 1 lesson lists started, 0 all ready;
                                      // to the lesson counter: lParam +1 / -1
    WM_USER_AUTOCLOSE = WM_USER + 100,
    WM_USER_AUTOCLOSE2 = WM_USER + 101,
    WM_USER_ACTIVATE = WM_USER + 200,
};

// One message. The receiver's event() handles it and may set Result.
class TMessageEvent : public QEvent
{
public:
    TMessageEvent(int AMsg, qintptr AWParam, qintptr ALParam)
        : QEvent(QEvent::Type(AMsg))
        , WParam(AWParam)
        , LParam(ALParam)
    {
    }
    int Msg() const { return int(type()); }

    qintptr WParam;
    qintptr LParam;
    qintptr Result = 0;
};

// The receiver the background threads send to: lives on the main thread and
// hands every message on to the main window until the program starts
// closing; after that messages are answered with 0 and go nowhere.
class TMainWindowHandle : public QObject
{
public:
    explicit TMainWindowHandle(QObject *AMainWindow = nullptr)
        : FMainWindow(AMainWindow)
    {
    }
    void SetMainWindow(QObject *AMainWindow) { FMainWindow = AMainWindow; }
    bool event(QEvent *E) override;

private:
    QObject *FMainWindow;
};

// Delivers a message synchronously: at once when the receiver lives in the
// calling thread, otherwise through the receiver's event loop while the
// caller waits. The receiver's thread must keep handling events whenever it
// waits for background work (WaitHandlingEvents). Returns the receiver's
// Result; 0 when there is no receiver.
qintptr SendMessage(QObject *Receiver, int Msg, qintptr WParam, qintptr LParam);

// Waits until Done() is true. On a thread with an event loop (the main
// thread) events are handled meanwhile, so that background threads sending
// to it are never blocked.
void WaitHandlingEvents(const std::function<bool()> &Done);
