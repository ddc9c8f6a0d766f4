#pragma once

#include <QAbstractSlider>

// Two arrow buttons that step a number within limits, bound to an edit
// that shows it. The edit's keys drive it; it takes no focus of its own.
// actionTriggered comes before the position changes.
class TUpDown : public QAbstractSlider
{
    Q_OBJECT

public:
    explicit TUpDown(QWidget *Parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *E) override;
    void mousePressEvent(QMouseEvent *E) override;
    void mouseReleaseEvent(QMouseEvent *E) override;
};
