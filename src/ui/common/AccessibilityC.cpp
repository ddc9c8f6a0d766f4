#include "common/AccessibilityC.h"

#include <QAccessible>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QPlainTextEdit>
#include <QTextCursor>

void NudgeScreenReader(QPlainTextEdit *Pane, int Pos)
{
    if (!Pane)
        return;
    QTextCursor C = Pane->textCursor();
    const int End = Pane->document()->characterCount() - 1;
    Pos = qBound(0, Pos, qMax(0, End));
    if (End > 0) {
        // One step over a character and back: two caret moves the screen
        // reader reports, whichever way the pane was before.
        const int Other = Pos < End ? Pos + 1 : Pos - 1;
        C.setPosition(Other);
        Pane->setTextCursor(C);
    }
    C.setPosition(Pos);
    Pane->setTextCursor(C);
}

void AnnounceToScreenReader(const QString &Text)
{
    if (!QAccessible::isActive() || Text.isEmpty())
        return;
    QWidget *Focus = QApplication::focusWidget();
    if (!Focus)
        return;
    QAccessibleInterface *I = QAccessible::queryAccessibleInterface(Focus);
    if (!I)
        return;
    // Qt's own connection to the accessibility bus, so the signal comes from
    // the program's accessible objects.
    QDBusConnection Bus(QStringLiteral("a11y"));
    if (!Bus.isConnected())
        return;
    QDBusMessage M = QDBusMessage::createSignal(
        QStringLiteral("/org/a11y/atspi/accessible/") + QString::number(QAccessible::uniqueId(I)),
        QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    M << QStringLiteral("accessible-description") << 0 << 0 << QVariant::fromValue(QDBusVariant(Text))
      << QVariant::fromValue(QVariantMap());
    Bus.send(M);
}
