#include "main/ProgramStartC.h"

#include "app/SettingsC.h"
#include "common/AccessibilityC.h"
#include "common/SystemBeepC.h"
#include "content/GlobalsC.h"
#include "content/MessagesC.h"
#include "content/PathsC.h"
#include "help/HelpSystemC.h"
#include "help/HelpUiC.h"
#include "main/HauptC.h"
#include "main/SplashScreenC.h"
#include "platform/SingleInstanceC.h"
#include "platform/X11AutoRepeatC.h"

#include <QApplication>
#include <QDateTime>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

void InstallGermanQtTexts()
{
    auto *Translator = new QTranslator(qApp);
    if (Translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(Translator);
    else
        delete Translator;
}

int RunTastwerk(int &argc, char **argv)
{
    QApplication App(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tastwerk"));
    QApplication::setDesktopFileName(QStringLiteral("tastwerk"));

    // A second start brings the running program to the front and ends
    // before it reads or writes any file.
    TSingleInstance Instance(ProgramTitle);
    if (!Instance.Claim())
        return 0;

    InitPaths();
    InstallGermanQtTexts();
    InstallAccessibilityMends();
    EnableDetectableAutoRepeat();
    InstallProgramBeep();
    InstallDesktopHelp();
    InstallHelpKey();

    ShowSplashScreen = ReadShowSplashScreen(ProfilePath + SettingsFileName);
    SplashScreenForm = new TSplashScreenForm(ProgramPath + QStringLiteral("Tastwerk.ss"));
    if (ShowSplashScreen && SplashScreenForm->HasPicture()) {
        SplashScreenForm->show();
        SplashScreenStartTick = QDateTime::currentMSecsSinceEpoch();
        SplashScreenForm->repaint();
        SplashScreenForm->raise();
    } else {
        SplashScreenStartTick = 0;
        delete SplashScreenForm;
        SplashScreenForm = nullptr;
    }

    int Result = 0;
    {
        TForm1_TW Main;
        Instance.OnActivate = [&Main] {
            QCoreApplication::postEvent(&Main, new TMessageEvent(WM_USER_ACTIVATE, 0, 0));
        };
        Instance.OnAutoClose = [&Main] {
            QCoreApplication::postEvent(&Main, new TMessageEvent(WM_USER_AUTOCLOSE, 0, 0));
        };
        if (!Main.LoadIni()) {
            if (SplashScreenForm)
                SplashScreenForm->hide();
            QMessageBox::critical(nullptr, ProgramTitle, QStringLiteral("Fehler beim Laden der Einstellungen!"));
        }
        CreateFolders();
        Main.StartLoading();
        HelpSystem->LoadEinleitung();
        if (MainWindowState == 2)
            Main.showMaximized();
        else
            Main.show();
        Result = App.exec();
        Instance.OnActivate = nullptr;
        Instance.OnAutoClose = nullptr;
    }
    delete SplashScreenForm;
    SplashScreenForm = nullptr;
    // Its audio output must go while the application still exists.
    UninstallProgramBeep();
    return Result;
}
