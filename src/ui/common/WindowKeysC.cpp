#include "common/WindowKeysC.h"

#include "speech/SpeechC.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

bool IsWhereKeyArrives(QObject *Watched)
{
    QWidget *Focus = QApplication::focusWidget();
    return Focus ? Watched == Focus : Watched == QApplication::activeWindow();
}

namespace
{
class TButtonEnterFilter : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *Watched, QEvent *E) override
    {
        if (E->type() != QEvent::KeyPress)
            return false;
        auto *K = static_cast<QKeyEvent *>(E);
        if ((K->key() != Qt::Key_Return && K->key() != Qt::Key_Enter) ||
            (K->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto *Button = qobject_cast<QPushButton *>(QApplication::focusWidget());
        if (!Button || !IsWhereKeyArrives(Watched))
            return false;
        if (!K->isAutoRepeat() && Button->isEnabled() && Button->isVisible())
            Button->click();
        return true;
    }
};
} // namespace

void EnsureButtonEnterKey()
{
    static QObject *Filter = nullptr;
    if (Filter || !qApp)
        return;
    Filter = new TButtonEnterFilter(qApp);
    qApp->installEventFilter(Filter);
}

void EnsureSpeechStopOnDeactivation()
{
    static bool Installed = false;
    if (Installed || !qApp)
        return;
    Installed = true;
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, qApp, [](Qt::ApplicationState State) {
        if (State != Qt::ApplicationActive && Speech)
            Speech->Stop();
    });
}
