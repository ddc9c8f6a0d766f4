#pragma once

#include <QDialog>

// What every dialog of the program does alike: it sets its own help page for
// F1 while it exists and puts the previous one back when it goes (also when
// its making fails half-way), and it prepares itself once, when it is first
// shown (FormShow).
class TProgramDialog : public QDialog
{
public:
    // AHelpId < 0 keeps the current help page (its caller sets one).
    TProgramDialog(QWidget *AOwner, int AHelpId);
    ~TProgramDialog() override;

protected:
    // Runs once, when the window is shown the first time.
    virtual void FormShow() = 0;
    bool IsShown() const { return FShown; }
    void showEvent(QShowEvent *E) override;

private:
    int FHelpId = -1;
    bool FShown = false;
};
