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
class TKeyPressFilter : public QObject
{
public:
    TKeyPressFilter(QObject *Parent, std::function<bool(QKeyEvent *)> Act)
        : QObject(Parent)
        , FAct(std::move(Act))
    {
    }
    bool eventFilter(QObject *Watched, QEvent *E) override
    {
        return E->type() == QEvent::KeyPress && IsWhereKeyArrives(Watched) && FAct(static_cast<QKeyEvent *>(E));
    }

private:
    std::function<bool(QKeyEvent *)> FAct;
};
} // namespace

QObject *InstallKeyPressFilter(std::function<bool(QKeyEvent *)> Act)
{
    auto *Filter = new TKeyPressFilter(qApp, std::move(Act));
    qApp->installEventFilter(Filter);
    return Filter;
}

void EnsureButtonEnterKey()
{
    static QObject *Filter = nullptr;
    if (Filter || !qApp)
        return;
    Filter = InstallKeyPressFilter([](QKeyEvent *K) {
        if ((K->key() != Qt::Key_Return && K->key() != Qt::Key_Enter) ||
            (K->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto *Button = qobject_cast<QPushButton *>(QApplication::focusWidget());
        if (!Button)
            return false;
        if (!K->isAutoRepeat() && Button->isEnabled() && Button->isVisible())
            Button->click();
        return true;
    });
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
