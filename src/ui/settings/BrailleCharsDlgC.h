#pragma once

#include "common/ProgramDialogC.h"
#include <QSpinBox>

class QLineEdit;
class QPushButton;
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

enum TBrailleCharsDlgTyp { bcdChars, bcdSize };

// One number for the display: the cells of the braille line (bcdChars) or
// the points text panes are larger than the main font (bcdSize). OK stores
// it in BrailleChars or BrailleSize.
class TBrailleCharsDlg : public TProgramDialog
{
    Q_OBJECT

public:
    TBrailleCharsDlg(QWidget *AOwner, TBrailleCharsDlgTyp AModus);
    ~TBrailleCharsDlg() override;

    TBrailleCharsDlgTyp Modus() const { return FModus; }
    int Minimum() const;
    int Maximum() const;
    // What the screen reader hears on entering the edit.
    QString SpokenLabel() const;

    TLabeledEdit *LeBreite;
    TSpinButtons *UpDown1;
    QPushButton *Btn1Weiter;
    QPushButton *Btn2Abbrechen;

    void reject() override;

protected:
    void FormShow() override;

private:
    void LayoutControls();
    void CheckInput();
    void Btn1WeiterClick();

    TBrailleCharsDlgTyp FModus;
};

// Shows the number dialog of the mode modally; the result: 1 OK, 2 cancelled,
// 0 when the window failed (logged, the setting unchanged).
int ShowBrailleCharsDlg(TBrailleCharsDlgTyp AModus);
