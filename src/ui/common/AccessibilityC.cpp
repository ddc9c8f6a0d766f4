#include "common/AccessibilityC.h"

#include "common/UpDownC.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

#include "speech/SpeechC.h"

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

namespace
{
// A line edit as the screen reader sees it, answering from the widget
// itself: its text, caret, selection, and one run of attributes over the
// whole text.
class TLineEditAccessible : public QAccessibleWidget,
                            public QAccessibleTextInterface,
                            public QAccessibleEditableTextInterface
{
public:
    explicit TLineEditAccessible(QLineEdit *Edit)
        : QAccessibleWidget(Edit, QAccessible::EditableText)
    {
    }
    QLineEdit *Edit() const { return static_cast<QLineEdit *>(widget()); }

    void *interface_cast(QAccessible::InterfaceType T) override
    {
        if (T == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (T == QAccessible::EditableTextInterface && !Edit()->isReadOnly())
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(T);
    }
    QString text(QAccessible::Text T) const override
    {
        if (T == QAccessible::Value)
            return Shown();
        QString S = QAccessibleWidget::text(T);
        if (T == QAccessible::Name && S.isEmpty())
            S = Edit()->accessibleName();
        return S;
    }
    QAccessible::State state() const override
    {
        QAccessible::State S = QAccessibleWidget::state();
        S.editable = !Edit()->isReadOnly();
        S.readOnly = Edit()->isReadOnly();
        S.selectableText = true;
        return S;
    }

    // Text interface.
    void selection(int Index, int *Start, int *End) const override
    {
        *Start = *End = 0;
        if (Index == 0 && Edit()->hasSelectedText()) {
            *Start = Edit()->selectionStart();
            *End = *Start + int(Edit()->selectedText().size());
        }
    }
    int selectionCount() const override { return Edit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int Start, int End) override { setSelection(0, Start, End); }
    void removeSelection(int) override { Edit()->deselect(); }
    void setSelection(int, int Start, int End) override { Edit()->setSelection(Start, End - Start); }
    int cursorPosition() const override { return Edit()->cursorPosition(); }
    void setCursorPosition(int P) override { Edit()->setCursorPosition(P); }
    QString text(int Start, int End) const override { return Shown().mid(Start, End - Start); }
    QString textBeforeOffset(int Offset, QAccessible::TextBoundaryType B, int *Start, int *End) const override
    {
        return Boundary(Offset, B, Start, End, -1);
    }
    QString textAfterOffset(int Offset, QAccessible::TextBoundaryType B, int *Start, int *End) const override
    {
        return Boundary(Offset, B, Start, End, +1);
    }
    QString textAtOffset(int Offset, QAccessible::TextBoundaryType B, int *Start, int *End) const override
    {
        return Boundary(Offset, B, Start, End, 0);
    }
    int characterCount() const override { return int(Shown().size()); }
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *Start, int *End) const override
    {
        // One run over the whole text; a run of length 0 makes Orca cut the
        // text short.
        *Start = 0;
        *End = characterCount();
        return QString();
    }

    // Editable text interface.
    void deleteText(int Start, int End) override { replaceText(Start, End, QString()); }
    void insertText(int Offset, const QString &T) override { replaceText(Offset, Offset, T); }
    void replaceText(int Start, int End, const QString &T) override
    {
        QString S = Edit()->text();
        S.replace(Start, End - Start, T);
        Edit()->setText(S);
    }

private:
    QString Shown() const
    {
        return Edit()->echoMode() == QLineEdit::Normal ? Edit()->text() : QString(Edit()->text().size(), QChar(u'*'));
    }
    // The character, word or whole text at, before or after Offset; empty at
    // or after the end.
    QString Boundary(int Offset, QAccessible::TextBoundaryType B, int *Start, int *End, int Direction) const
    {
        const QString S = Shown();
        const int N = int(S.size());
        *Start = *End = -1;
        if (B == QAccessible::SentenceBoundary || B == QAccessible::ParagraphBoundary ||
            B == QAccessible::LineBoundary || B == QAccessible::NoBoundary) {
            if (Direction != 0 || N == 0)
                return QString();
            *Start = 0;
            *End = N;
            return S;
        }
        int P = Offset + Direction;
        if (P < 0 || P >= N)
            return QString();
        if (B == QAccessible::CharBoundary) {
            *Start = P;
            *End = P + 1;
            return S.mid(P, 1);
        }
        // Words: runs of non-blanks with the blanks after them.
        int A = P;
        while (A > 0 && !S.at(A - 1).isSpace())
            --A;
        int E = P;
        while (E < N && !S.at(E).isSpace())
            ++E;
        while (E < N && S.at(E).isSpace())
            ++E;
        *Start = A;
        *End = E;
        return S.mid(A, E - A);
    }
};

// An up-down as a screen reader knows it: a spin box with a value.
class TUpDownAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit TUpDownAccessible(TUpDown *U)
        : QAccessibleWidget(U, QAccessible::SpinBox)
    {
    }
    TUpDown *Ud() const { return static_cast<TUpDown *>(widget()); }

    void *interface_cast(QAccessible::InterfaceType T) override
    {
        if (T == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(T);
    }
    QString text(QAccessible::Text T) const override
    {
        return T == QAccessible::Value ? QString::number(Ud()->value()) : QAccessibleWidget::text(T);
    }
    QVariant currentValue() const override { return Ud()->value(); }
    void setCurrentValue(const QVariant &V) override { Ud()->setValue(V.toInt()); }
    QVariant maximumValue() const override { return Ud()->maximum(); }
    QVariant minimumValue() const override { return Ud()->minimum(); }
    QVariant minimumStepSize() const override { return Ud()->singleStep(); }
};

QAccessibleInterface *AccessibleFactory(const QString &ClassName, QObject *Object)
{
    if (!Object || !Object->isWidgetType())
        return nullptr;
    if (ClassName == QLatin1String("QLineEdit"))
        if (auto *E = qobject_cast<QLineEdit *>(Object))
            return new TLineEditAccessible(E);
    if (ClassName == QLatin1String("TUpDown"))
        return new TUpDownAccessible(static_cast<TUpDown *>(Object));
    return nullptr;
}
} // namespace

void InstallAccessibilityMends()
{
    static bool Installed = false;
    if (!Installed) {
        Installed = true;
        QAccessible::installFactory(AccessibleFactory);
    }
}

void MendListFocus(QAbstractItemView *List)
{
    class TFilter : public QObject
    {
    public:
        using QObject::QObject;
        bool eventFilter(QObject *O, QEvent *E) override
        {
            if (E->type() == QEvent::FocusIn) {
                auto *L = static_cast<QAbstractItemView *>(O);
                QTimer::singleShot(0, L, [L] {
                    const QModelIndex Current = L->currentIndex();
                    if (!QAccessible::isActive() || !Current.isValid())
                        return;
                    // The item as the accessible view counts its children
                    // (a table's headers come first).
                    QAccessibleInterface *View = QAccessible::queryAccessibleInterface(L);
                    QAccessibleTableInterface *Table = View ? View->tableInterface() : nullptr;
                    QAccessibleInterface *Cell = Table ? Table->cellAt(Current.row(), Current.column()) : nullptr;
                    const int Child = Cell ? View->indexOfChild(Cell) : -1;
                    if (Child < 0)
                        return;
                    QAccessibleEvent Ev(L, QAccessible::Focus);
                    Ev.setChild(Child);
                    QAccessible::updateAccessibility(&Ev);
                });
            }
            return false;
        }
    };
    List->installEventFilter(new TFilter(List));
}

void SpeakLabelOnEnter(QWidget *Control, const QString &Text)
{
    class TFilter : public QObject
    {
    public:
        TFilter(QObject *Parent, const QString &AText)
            : QObject(Parent)
            , FText(AText)
        {
        }
        bool eventFilter(QObject *, QEvent *E) override
        {
            if (E->type() == QEvent::FocusIn && Speech)
                Speech->Tolk().Output(FText, false);
            return false;
        }

    private:
        QString FText;
    };
    Control->installEventFilter(new TFilter(Control, Text));
}
