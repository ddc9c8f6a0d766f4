#include "common/UpDownC.h"

#include "common/AccessibilityC.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

TUpDown::TUpDown(QWidget *Parent)
    : QAbstractSlider(Parent)
{
    InstallAccessibilityMends();
    setOrientation(Qt::Vertical);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QAbstractSlider::valueChanged, this, [this](int V) {
        if (QAccessible::isActive()) {
            QAccessibleValueChangeEvent Ev(this, V);
            QAccessible::updateAccessibility(&Ev);
        }
    });
}

QSize TUpDown::sizeHint() const
{
    return {16, 24};
}

void TUpDown::paintEvent(QPaintEvent *)
{
    QPainter P(this);
    const int Half = height() / 2;
    const QRect Parts[2] = {QRect(0, 0, width(), Half), QRect(0, Half, width(), height() - Half)};
    const QStyle::PrimitiveElement Arrows[2] = {QStyle::PE_IndicatorArrowUp, QStyle::PE_IndicatorArrowDown};
    for (int I = 0; I < 2; ++I) {
        QStyleOptionButton O;
        O.initFrom(this);
        O.rect = Parts[I];
        style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &O, &P, this);
        O.rect = Parts[I].adjusted(3, 2, -3, -2);
        style()->drawPrimitive(Arrows[I], &O, &P, this);
    }
}

void TUpDown::mousePressEvent(QMouseEvent *E)
{
    if (E->button() != Qt::LeftButton)
        return;
    const SliderAction A = E->position().y() < height() / 2 ? SliderSingleStepAdd : SliderSingleStepSub;
    triggerAction(A);
    setRepeatAction(A, 400, 80);
}

void TUpDown::mouseReleaseEvent(QMouseEvent *)
{
    setRepeatAction(SliderNoAction);
}
