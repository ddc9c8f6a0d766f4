#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <atomic>
#include <memory>
#include <thread>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class TAudioPlayer;
class TBrlUniChar;
#include "common/TextPaneMenuC.h"
#include "content/TypenHelperC.h"
class THelpSystem;
class TJobs;
class TLektionendatei;
class TLog;
class TMainWindowHandle;
class TFortschritt;
class TPlainTextMemo;
class TSammeldatei;
class TSoundcards;
class TSpeech;
class TUpdater;

// The main window: the status text a screen reader reads line by line, the
// buttons and menus for every command, and the owner of the objects the
// whole program shares. Background work reports here through the hidden
// window's messages.
class TForm1_TW : public QMainWindow
{
    Q_OBJECT

public:
    TForm1_TW();
    ~TForm1_TW() override;

    // The status text and the controls.
    QLabel *LblInfos;
    QPlainTextEdit *Re1;
    QLabel *StatusPanel; // the status bar's one panel
    QPushButton *BtnEinzellektion;
    QPushButton *BtnSammellektion;
    QPushButton *BtnLernmaterial;
    QPushButton *BtnBraillePad;
    QPushButton *BtnBeenden;

    QMenu *PopupMenu_EL;
    QMenu *PopupMenu_SL;
    QMenu *PopupMenu_LM;
    QMenu *PopupMenu_Re;
    // The main menu's sub-menus.
    QMenu *MM_Datei, *MM_Aktionen, *MM_Ansicht, *MM_Einstellungen, *MM_Hilfe;
    // Menu entries by the names the program gives them.
    QAction *MM_D_DesktopLink, *MM_D_Beenden;
    QMenu *MM_AK_Einzellektion, *MM_AK_Sammellektion, *MM_AK_Lernmaterial;
    QAction *MM_AK_EL_Liste, *MM_AK_EL_Starte, *MM_AK_SL_Liste, *MM_AK_SL_Starte, *MM_AK_SL_Gehe, *MM_AK_LM_Liste,
        *MM_AK_BraillePad, *MM_AK_Fortschritt, *MM_AK_Wiederholen;
    QAction *MM_A_BackFont;
    QAction *MM_E_BrailleChars, *MM_E_Querztastatur, *MM_E_BrailleSize, *MM_E_CloseCheck, *MM_E_Sounds, *MM_E_Stimme,
        *MM_E_SplashScreen, *MM_E_HighScoreClear, *MM_E_Tastaturtest, *MM_E_EineTaste, *MM_E_ZeichenAnsagen;
    QAction *MM_H_Hilfe, *MM_H_Einleitung, *MM_H_Kurztasten, *MM_H_TechnischesHandbuch, *MM_H_History, *MM_H_Mail,
        *MM_H_Homepage, *MM_H_Update, *MM_H_Info;
    QAction *PM_EL_Liste, *PM_EL_Starte, *PM_SL_Liste, *PM_SL_Starte, *PM_SL_Gehe, *PM_LM_Liste;
    QAction *PM_Re_AllSelect, *PM_Re_Copy, *PM_Re_LinesDown, *PM_Re_LinesUp;

    QTimer TimerShowHelp;
    QTimer TimerSpeakDatenWurdenGeladen;
    QTimer TimerSplashScreenShowCounter;
    QTimer TimerStarteLektion;
    QTimer TimerStarteSammellektion;

    bool AutoClose = false;
    QPointer<QWidget> MerkActiveControl;
    TLektionendatei *Lektion = nullptr;
    TSammeldatei *Sammellektion = nullptr;

    // True from the end of the start-up wait (the status text is built).
    bool IsStarted() const { return FStarted; }
    // The busy state: loading or lesson lists still being built.
    bool IsBusy() const;
    TJobs *Jobs() const { return FJobs.get(); }

    void SetCaptionsAndHints();
    void ApplyDisplaySettings();
    void LayoutControls();
    void UpdateStatusBar(bool Busy);
    void UpdateActions(bool Busy);
    void RestoreFocus();
    // The window's close with its question; AutoClose skips the question.
    void WMUserAutoClose();
    void WMUserActivate();

    // Reads the settings; after the constructor, before the load starts.
    bool LoadIni();
    // Starts the initial load (the program's start does this once).
    void StartLoading();
    // Chooses the stored voice once the voices are known.
    void SelectVoice();

protected:
    bool event(QEvent *E) override;
    void showEvent(QShowEvent *E) override;
    void resizeEvent(QResizeEvent *E) override;
    void closeEvent(QCloseEvent *E) override;
    bool eventFilter(QObject *Watched, QEvent *E) override;

private:
    void CreateControls();
    void CreateMenus();
    void CreateProcessObjects();
    void CreateOutputObjects();
    void FreeProcessObjects();
    void PrepareOutputs();
    void WMUserStatus(int Code, qintptr LParam);
    void RebuildStatusText(int Code, qintptr LParam, bool Busy);
    void WaitForLoadTick();
    void SplashScreenShowCounterTimer();
    void TimerShowHelpTimer();
    bool FormCloseQuery();
    void FormClose();
    void BtnClicks(int Tag);
    void MM_E_Clicks(int Tag);
    void MM_EinstellungenClick();
    void MM_A_BackFontClick();
    void MM_DateiClick();
    void MM_D_DesktopLinkClick();
    void MM_HilfeClick();
    void MM_H_HilfeSystemClicks(int Tag);
    void MM_H_MailHomepageSpendenClick(int Tag);
    void MM_H_UpdateClick();
    void MM_H_InfoClick();
    void PopupMenu_RePopup();
    void PopupMenuBelow(QMenu *Menu, QPushButton *Btn);
    void PM_ListeClicks(int Tag);
    void PM_StarteClicks(int Tag);
    void PM_SL_GeheClick();
    void TimerStarteLektionTimer();
    void TimerStarteSammellektionTimer();
    // Runs one lesson in the exercise window; its result (5 completed) and
    // the points of a completed run. The answers go into the progress
    // record, and a completed run too; the record is saved after each run.
    int RunLektion(TLektionendatei *ALektion, int &Points);
    void MM_AK_FortschrittClick();
    void MM_AK_WiederholenClick();
    // After a completed run: the gain to the score, the status text and the
    // message "Lektion abgeschlossen" with Done and the points.
    void ReportCompleted(const QString &Done, int Points);
    void SendStatus(int Code, qintptr LParam);

    std::unique_ptr<TMainWindowHandle> FMainWindowHandle;
    std::unique_ptr<TPlainTextMemo> FMemo;
    TTextPaneMenu FTextPaneMenu;
    QTimer FLoadWait;
    bool FStarted = false;
    bool FClosing = false;
    std::atomic<bool> FHelpWanted{false};
    // The maker's links, read from the address file when the help menu opens.
    QString FMail;
    QUrl FHomepage;
    std::thread FHelpThread;

    // The objects the whole program shares, in the order they are made.
    std::unique_ptr<TSoundcards> FSoundcards;
    std::unique_ptr<TAudioPlayer> FAudioPlayer;
    std::unique_ptr<TSpeech> FSpeech;
    std::unique_ptr<TLog> FLog;
    std::unique_ptr<TBrlUniChar> FBrlUniChar;
    std::unique_ptr<TAufgabenTypen> FAufgabenTypen;
    std::unique_ptr<TDatendateiTypen> FDatendateiTypen;
    std::unique_ptr<TJobs> FJobs;
    std::unique_ptr<THelpSystem> FHelpSystem;
    std::unique_ptr<TUpdater> FUpdater;
    std::unique_ptr<TFortschritt> FFortschritt;
    // What went wrong with the learner's own files this session, at the top
    // of the status text; a record that could not be saved is also said
    // once.
    QStringList FHinweise;
    bool FFortschrittSaveReported = false;
};

// The running program's main window; null before and after.
extern TForm1_TW *Form1_TW;

// "Tastwerk V1.02": the window's caption and the application's title.
inline const QString ProgramTitle = QStringLiteral("Tastwerk V1.02");
