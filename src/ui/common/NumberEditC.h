#pragma once

#include <QSpinBox>

class QLineEdit;
class TLabeledEdit;

// Spin buttons beside a number edit, a control of their own in the tab
// order: the arrows (Up and Down while it has the focus) step the number
// and write it into the edit; a number typed into the edit within the range
// becomes the position.
class TSpinButtons : public QSpinBox
{
public:
    TSpinButtons(QLineEdit *AAssociate, int AMin, int AMax, QWidget *Parent);
    QLineEdit *Associate() const { return FAssociate; }
    // The edit's text as a number within the range.
    bool EditNumber(int &Number) const;
    // The edit's number becomes the position (AMin when it is none, bounded
    // to the range), and the edit shows it.
    void TakeEditNumber();
    // Width of the arrows alone for a row Height pixels high.
    static int ButtonWidth(int Height);

private:
    QLineEdit *FAssociate;
};

// A number edit: digits only, at most MaxDigits of them; nothing can be
// pasted into it (Ctrl+V, Shift+Insert, the context menu and the middle
// mouse button give a beep instead); a click on its label focuses it.
void PrepareNumberEdit(TLabeledEdit *Edit, int MaxDigits);
