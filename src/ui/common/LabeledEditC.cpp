#include "common/LabeledEditC.h"

#include "common/DisplayHelperC.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>

TLabeledEdit::TLabeledEdit(const QString &Caption, QWidget *Parent)
    : QWidget(Parent)
{
    EditLabel = new QLabel(Caption, this);
    Edit = new QLineEdit(this);
    EditLabel->setBuddy(Edit);
    Edit->setAccessibleName(StripAmpersands(Caption).remove(QLatin1Char(':')).trimmed());
    setFocusProxy(Edit);
    EditLabel->installEventFilter(this);
}

bool TLabeledEdit::eventFilter(QObject *Watched, QEvent *E)
{
    // A disabled field takes no focus: setFocus does nothing then.
    if (Watched == EditLabel && E->type() == QEvent::MouseButtonPress)
        Edit->setFocus(Qt::MouseFocusReason);
    return QWidget::eventFilter(Watched, E);
}

void TLabeledEdit::Place(int Left, int Top, int Width, int Height)
{
    EditLabel->adjustSize();
    const int LabelWidth = EditLabel->sizeHint().width();
    setGeometry(Left, Top, LabelWidth + LabelSpacing + Width, Height);
    EditLabel->setGeometry(0, (Height - EditLabel->sizeHint().height()) / 2, LabelWidth,
                           EditLabel->sizeHint().height());
    Edit->setGeometry(LabelWidth + LabelSpacing, 0, Width, Height);
}
