#include "common/ProgramDialogC.h"

#include "common/BrailleFollowerC.h"
#include "common/WindowKeysC.h"
#include "help/HelpSystemC.h"

TProgramDialog::TProgramDialog(QWidget *AOwner, int AHelpId)
    : QDialog(AOwner)
{
    EnsureButtonEnterKey();
    EnsureSpeechStopOnDeactivation();
    EnsureBrailleFollower();
    if (!HelpSystem)
        return;
    FHelpId = HelpSystem->HelpId();
    if (AHelpId >= 0)
        HelpSystem->SetHelpId(AHelpId);
}

TProgramDialog::~TProgramDialog()
{
    if (HelpSystem && FHelpId >= 0)
        HelpSystem->SetHelpId(FHelpId);
}

void TProgramDialog::showEvent(QShowEvent *E)
{
    QDialog::showEvent(E);
    if (!FShown) {
        FShown = true;
        FormShow();
    }
}
