#include "help/HelpUiC.h"

#include "app/SettingsC.h"
#include "braille/BrlUniCharC.h"
#include "common/SpokenBoxC.h"
#include "common/WindowKeysC.h"
#include "help/HelpSystemC.h"
#include "help/HelpWindowC.h"
#include "run/SpeakTextDlgC.h"
#include "sound/SoundsHelperC.h"

#include <QApplication>
#include <QKeyEvent>
#include "main/SplashScreenC.h"
#include <QMessageBox>

void InstallDesktopHelp()
{
    InstallHelpOpener([](const QString &Path) {
        OpenHelpPage(Path);
        return true;
    });
    InstallErrorBox([](const QString &Text) {
        ShowSpokenBox(QMessageBox::Critical, QApplication::activeWindow(), QApplication::applicationDisplayName(),
                      Text);
    });
}

int ShowEinleitungDlg()
{
    if (!HelpSystem)
        return 0;
    HelpSystem->FIsEinleitungDlgVisible = true;
    const QString Text = HelpSystem->EinleitungString();
    const QString Display = BrlUniChar ? BrlUniChar->Translate(Text, ttToUniBrl, false) : Text;
    // The message window opens the main help page itself when its help
    // button is used.
    const int Result = ShowSpeakText(QStringLiteral("Einleitung zu Tastwerk"), Display, IsSapiSpeechEnabled(),
                                     SoundsEnabled, 12, Text, stbHelp, false);
    HelpSystem->FIsEinleitungDlgVisible = false;
    return Result;
}

void InstallHelpKey()
{
    InstallKeyPressFilter([](QKeyEvent *K) {
        if (K->key() != Qt::Key_F1 || K->modifiers() != Qt::NoModifier)
            return false;
        if ((SplashScreenForm && SplashScreenForm->isVisible()) || !HelpSystem)
            return false;
        HelpSystem->OpenHtmlFile();
        return true;
    });
}

bool OpenDocument(const QString &Path)
{
    OpenHelpPage(Path);
    return true;
}
