#pragma once

#include "content/MessagesC.h"

#include <QList>
#include <QObject>
#include <utility>

// Stands in for the main window in tests and benchmarks: keeps the status
// events (event code, value) that background work sends it, in order.
class TStatusReceiver : public QObject
{
public:
    bool event(QEvent *E) override
    {
        if (E->type() != QEvent::Type(WM_USER_STATUS))
            return QObject::event(E);
        const auto *M = static_cast<TMessageEvent *>(E);
        Events.append({M->WParam, M->LParam});
        return true;
    }
    int CountOf(qintptr Code, qintptr Value) const { return int(Events.count({Code, Value})); }
    bool Has(qintptr Code, qintptr Value) const { return CountOf(Code, Value) > 0; }

    QList<std::pair<qintptr, qintptr>> Events;
};
