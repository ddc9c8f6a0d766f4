#pragma once

#include "common/NumberEditC.h"
#include "common/ProgramDialogC.h"

class QLineEdit;
class QPushButton;
class TLabeledEdit;

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
