#pragma once

#include "app/ColorsC.h"
#include "app/SettingsC.h"

#include "common/ProgramDialogC.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class TLabeledEdit;
class TTolkSRD;
class TSpinButtons;

// The font and colours of every text control: font family, size, bold, text
// colour and background colour, with a preview. Colours are chosen by name
// from the fixed list, so that a blind learner can pick them by ear. The
// caller takes the result from GetNewFont and GetNewBackColor after OK.
class TBackFontDlg : public TProgramDialog
{
    Q_OBJECT

public:
    // ATolk, when given, hears the name of each list and of the size edit
    // as the focus enters it.
    TBackFontDlg(QWidget *AOwner, unsigned AAktBackColor, const TAktFont &AAktFont, TTolkSRD *ATolk);
    ~TBackFontDlg() override;

    // The colour of the chosen background entry (the first entry when none).
    unsigned GetNewBackColor() const;
    // The given font with the chosen family (when a row is selected), size,
    // boldness and text colour (the first entry when none).
    TAktFont GetNewFont() const;

    static constexpr int MinSize = 5;
    static constexpr int MaxSize = 35;

    QListWidget *LvFonts;
    TLabeledEdit *LeSize;
    TSpinButtons *UpDown1;
    QCheckBox *CbBold;
    QComboBox *CoBoColors;
    QComboBox *CoBoBackColors;
    QLineEdit *EditTest;
    QPushButton *Btn1OK;
    QPushButton *Btn2Cancel;

    void reject() override;

protected:
    void FormShow() override;
    bool eventFilter(QObject *Watched, QEvent *E) override;

private:
    void FormCreate();
    void LayoutControls();
    void UpdatePreview();
    void CheckSize();
    void Btn1OKClick();

    unsigned FAktBackColor;
    TAktFont FAktFont;
    int FBtnWidth = 125;
    TColors FColors;
    int FLeer = 5;
    int FMaxLvFontsWidth = 0;
    int FRand = 10;
    TTolkSRD *FTolk;
};
