#include "common/NumberEditC.h"

#include "common/LabeledEditC.h"
#include "sound/SoundsHelperC.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpressionValidator>

TSpinButtons::TSpinButtons(QLineEdit *AAssociate, int AMin, int AMax, QWidget *Parent)
    : QSpinBox(Parent)
    , FAssociate(AAssociate)
{
    setRange(AMin, AMax);
    // Only the arrows show; the number is in the associated edit.
    lineEdit()->hide();
    setAccessibleName(AAssociate->accessibleName());
    connect(this, &QSpinBox::valueChanged, this, [this](int V) {
        const QString S = QString::number(V);
        if (FAssociate->text() != S)
            FAssociate->setText(S);
    });
    connect(FAssociate, &QLineEdit::textChanged, this, [this] {
        int N;
        if (EditNumber(N))
            setValue(N);
    });
}

bool TSpinButtons::EditNumber(int &Number) const
{
    bool Ok = false;
    Number = FAssociate->text().toInt(&Ok);
    return Ok && Number >= minimum() && Number <= maximum();
}

void TSpinButtons::TakeEditNumber()
{
    bool Ok = false;
    const int N = FAssociate->text().toInt(&Ok);
    setValue(Ok ? N : minimum());
    FAssociate->setText(QString::number(value()));
}

int TSpinButtons::ButtonWidth(int Height)
{
    return qMax(18, Height * 3 / 5);
}

namespace
{
class TNumberEditFilter : public QObject
{
public:
    explicit TNumberEditFilter(TLabeledEdit *AEdit)
        : QObject(AEdit)
    {
    }
    bool eventFilter(QObject *, QEvent *E) override
    {
        switch (E->type()) {
        case QEvent::ShortcutOverride:
            // Taken here, so no shortcut of the window acts on it either.
            if (static_cast<QKeyEvent *>(E)->matches(QKeySequence::Paste)) {
                E->accept();
                return true;
            }
            break;
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent *>(E)->matches(QKeySequence::Paste)) {
                SystemBeep();
                return true;
            }
            break;
        case QEvent::ContextMenu:
            // Its menu would only offer pasting.
            SystemBeep();
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
            // The middle button pastes the desktop's selection.
            return static_cast<QMouseEvent *>(E)->button() == Qt::MiddleButton;
        default:
            break;
        }
        return false;
    }
};
} // namespace

void PrepareNumberEdit(TLabeledEdit *Edit, int MaxDigits)
{
    QLineEdit *E = Edit->Edit;
    E->setMaxLength(MaxDigits);
    E->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), E));
    E->setAcceptDrops(false);
    E->setDragEnabled(false);
    auto *F = new TNumberEditFilter(Edit);
    E->installEventFilter(F);
}
