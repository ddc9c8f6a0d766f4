#include "common/BrailleFollowerC.h"

#include "speech/SpeechC.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTimer>

namespace
{

QString AccessibleText(QWidget *W, QAccessible::Text Which)
{
    QAccessibleInterface *A = QAccessible::queryAccessibleInterface(W);
    return A ? A->text(Which) : QString();
}

// The control's name as the learner hears it: its own accessible name, else
// the label that names it.
QString LabelOf(QWidget *W)
{
    if (!W->accessibleName().isEmpty())
        return W->accessibleName();
    const auto Labels = W->window()->findChildren<QLabel *>();
    for (const QLabel *L : Labels)
        if (L->buddy() == W) {
            QString Text = L->text().remove(u'&').trimmed();
            if (Text.endsWith(u':'))
                Text.chop(1);
            return Text;
        }
    return AccessibleText(W, QAccessible::Name);
}

QString WithLabel(QWidget *W, const QString &Value, int *Caret)
{
    const QString Name = LabelOf(W);
    if (Name.isEmpty() || Name == Value)
        return Value;
    if (Caret && *Caret >= 0)
        *Caret += int(Name.size()) + 2;
    return Name + QStringLiteral(": ") + Value;
}

QString BlockAtCaret(const QTextCursor &C, int *Caret)
{
    *Caret = C.positionInBlock();
    return C.block().text();
}

class TBrailleFollower : public QObject
{
public:
    TBrailleFollower()
        : QObject(qApp)
    {
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *Old, QWidget *Now) {
            // A question comes up: its text first, as the learner hears it;
            // the buttons as the learner moves to them.
            auto *Box = Now ? qobject_cast<QMessageBox *>(Now->window()) : nullptr;
            FBoxText = Box && (!Old || Old->window() != Box) ? Box->text() : QString();
            Follow(Now);
        });
    }

private:
    void Follow(QWidget *W)
    {
        for (const auto &C : std::as_const(FWatch))
            disconnect(C);
        FWatch.clear();
        FFocus = W;
        if (!W)
            return;
        const auto Changed = [this] { Schedule(); };
        if (auto *P = qobject_cast<QPlainTextEdit *>(W))
            FWatch << connect(P, &QPlainTextEdit::cursorPositionChanged, this, Changed)
                   << connect(P, &QPlainTextEdit::textChanged, this, Changed);
        else if (auto *T = qobject_cast<QTextEdit *>(W))
            FWatch << connect(T, &QTextEdit::cursorPositionChanged, this, Changed)
                   << connect(T, &QTextEdit::textChanged, this, Changed);
        else if (auto *L = qobject_cast<QLineEdit *>(W))
            FWatch << connect(L, &QLineEdit::cursorPositionChanged, this, Changed)
                   << connect(L, &QLineEdit::textChanged, this, Changed);
        else if (auto *B = qobject_cast<QComboBox *>(W))
            FWatch << connect(B, &QComboBox::currentIndexChanged, this, Changed);
        else if (auto *Btn = qobject_cast<QAbstractButton *>(W))
            FWatch << connect(Btn, &QAbstractButton::toggled, this, Changed);
        else if (auto *V = qobject_cast<QAbstractItemView *>(W); V && V->selectionModel())
            FWatch << connect(V->selectionModel(), &QItemSelectionModel::currentChanged, this, Changed);
        Schedule();
    }

    // After the event that moved the caret has gone out whole: one line
    // for a burst of changes.
    void Schedule()
    {
        if (FPending)
            return;
        FPending = true;
        QTimer::singleShot(0, this, [this] {
            FPending = false;
            if (!FFocus || !Speech)
                return;
            int Caret = -1;
            QString Line = BrailleLineOf(FFocus, &Caret);
            if (!FBoxText.isEmpty()) {
                Line = Qt::mightBeRichText(FBoxText) ? QTextDocumentFragment::fromHtml(FBoxText).toPlainText()
                                                    : FBoxText;
                Line = Line.simplified();
                Caret = -1;
                FBoxText.clear();
            }
            Speech->Tolk().BrailleLine(Line, Caret);
        });
    }

    QPointer<QWidget> FFocus;
    QString FBoxText;
    QList<QMetaObject::Connection> FWatch;
    bool FPending = false;
};

} // namespace

QString BrailleLineOf(QWidget *W, int *Caret)
{
    *Caret = -1;
    if (!W)
        return {};
    if (auto *P = qobject_cast<QPlainTextEdit *>(W))
        return BlockAtCaret(P->textCursor(), Caret);
    if (auto *T = qobject_cast<QTextEdit *>(W))
        return BlockAtCaret(T->textCursor(), Caret);
    if (auto *L = qobject_cast<QLineEdit *>(W)) {
        const bool Hidden = L->echoMode() != QLineEdit::Normal;
        *Caret = L->cursorPosition();
        return WithLabel(W, Hidden ? QString(L->text().size(), u'*') : L->text(), Caret);
    }
    if (auto *B = qobject_cast<QComboBox *>(W))
        return WithLabel(W, B->currentText(), nullptr);
    if (auto *V = qobject_cast<QAbstractItemView *>(W)) {
        const QModelIndex I = V->currentIndex();
        // A table's row as its columns in a row.
        QStringList Cells;
        if (I.isValid())
            for (int Col = 0; Col < V->model()->columnCount(I.parent()); ++Col)
                Cells << I.siblingAtColumn(Col).data().toString();
        const QString Item = Cells.join(QStringLiteral("  ")).trimmed();
        return Item.isEmpty() ? AccessibleText(W, QAccessible::Name) : Item;
    }
    if (auto *Btn = qobject_cast<QAbstractButton *>(W)) {
        QString Name = AccessibleText(W, QAccessible::Name);
        if (Name.isEmpty())
            Name = Btn->text().remove(u'&');
        if (Btn->isCheckable())
            return (Btn->isChecked() ? QStringLiteral("<x> ") : QStringLiteral("< > ")) + Name;
        return Name;
    }
    const QString Name = AccessibleText(W, QAccessible::Name);
    const QString Value = AccessibleText(W, QAccessible::Value);
    return Value.isEmpty() ? Name : Name + u' ' + Value;
}

void EnsureBrailleFollower()
{
    static TBrailleFollower *Follower = nullptr;
    if (!Follower && qApp)
        Follower = new TBrailleFollower;
}
