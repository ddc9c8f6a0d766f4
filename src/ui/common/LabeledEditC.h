#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

// An edit field with its label to the left (5 pixels apart); the label is
// the field's buddy, so its accelerator (and a click on it) focuses the
// field and a screen reader names the field by it.
class TLabeledEdit : public QWidget
{
public:
    TLabeledEdit(const QString &Caption, QWidget *Parent);

    QLabel *EditLabel;
    QLineEdit *Edit;

    // Places label and field in a row of the given height, the field Width
    // pixels wide, starting at (Left, Top) with the label.
    void Place(int Left, int Top, int Width, int Height);
    static constexpr int LabelSpacing = 5;

protected:
    bool eventFilter(QObject *Watched, QEvent *E) override;
};
