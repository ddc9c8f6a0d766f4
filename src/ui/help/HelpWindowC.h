#pragma once

#include "common/ProgramDialogC.h"

#include <QString>

class QPushButton;
class QTextBrowser;

// A help page shown inside the program, for when no program of the desktop
// opens it: the page as text the screen reader reads line by line, its
// links reached with Tab and followed with Enter, Alt+Left going back, and
// Esc or Schließen (Alt+C) closing the window.
class THelpWindow : public TProgramDialog
{
public:
    THelpWindow(QWidget *AOwner, const QString &APath);

    QTextBrowser *Browser;
    QPushButton *BtnZurueck;
    QPushButton *BtnSchliessen;

protected:
    void FormShow() override;
    void resizeEvent(QResizeEvent *E) override;

private:
    void LayoutControls();
    void ShowTitle();
};

// Opens a help page or document: in the desktop's program for it when
// there is one that works, else in the help window. Never silent: a page
// that cannot be shown at all is reported.
void OpenHelpPage(const QString &Path);

// Called with each help window just before it is shown (tests read and
// close it from here); null by default.
extern std::function<void(THelpWindow *)> OnHelpWindowShown;
