#include "main/HauptC.h"

#include "app/SettingsC.h"
#include "braille/BrlUniCharC.h"
#include "common/AccessibilityC.h"
#include "common/BrailleFollowerC.h"
#include "common/DisplayHelperC.h"
#include "common/ModalC.h"
#include "common/PlainTextMemoC.h"
#include "common/SpokenBoxC.h"
#include "common/StartupMarksC.h"
#include "common/TextPaneMenuC.h"
#include "common/WindowKeysC.h"
#include "content/FilesHelperC.h"
#include "content/GlobalsC.h"
#include "content/JobsC.h"
#include "content/LektionenC.h"
#include "content/MessagesC.h"
#include "content/PathsC.h"
#include "content/RandomC.h"
#include "content/TextFileC.h"
#include "content/TypenHelperC.h"
#include "exercise/AtTextDlgC.h"
#include "help/HelpSystemC.h"
#include "help/HelpUiC.h"
#include "keytest/TastaturtestDlgC.h"
#include "lists/ListenDlgC.h"
#include "log/LogC.h"
#include "main/SplashScreenC.h"
#include "pad/BraillePadDlgC.h"
#include "platform/DesktopLinkC.h"
#include "progress/FortschrittC.h"
#include "progress/FortschrittDlgC.h"
#include "progress/FortschrittMelderC.h"
#include "progress/WiederholungslektionC.h"
#include "run/SpeakTextDlgC.h"
#include "settings/BackFontDlgC.h"
#include "settings/BrailleCharsDlgC.h"
#include "settings/StimmeDlgC.h"
#include "sound/AudioPlayerC.h"
#include "sound/SoundcardsC.h"
#include "sound/SoundsHelperC.h"
#include "speech/SpeechC.h"
#include "speech/SpeechDispatcherC.h"
#include "update/UpdaterC.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QThread>

#include <mutex>
#include <thread>

TForm1_TW *Form1_TW = nullptr;

namespace
{
// The voice list of the speech service arrives on a thread of its own; it
// reports to the main window only while the window exists.
std::mutex VoicesReadyMutex;
TForm1_TW *VoicesReadyReceiver = nullptr;
std::atomic<bool> VoicesReady{false};

QAction *NewAction(QObject *Parent, const QString &Caption, int Tag = 0, const QKeySequence &Key = QKeySequence())
{
    auto *A = new QAction(Caption, Parent);
    A->setData(Tag);
    if (!Key.isEmpty())
        A->setShortcut(Key);
    return A;
}

int Tag(const QAction *A)
{
    return A->data().toInt();
}

// The separate update program beside the program, and the file it is handed.
const QString UpdateProgramName = QStringLiteral("nachzug");
const QString UpdateHandOverName = QStringLiteral("Tastwerk.cfg");

// Collective lesson the program offers on a learner's first start.
const QString StandardSammellektion = QStringLiteral("Tastwerk_erlernen.sam");
} // namespace

TForm1_TW::TForm1_TW()
{
    Form1_TW = this;
    EnsureButtonEnterKey();
    EnsureSpeechStopOnDeactivation();
    EnsureBrailleFollower();
    // The hidden window first: loaders and helpers get it when they are made.
    FMainWindowHandle = std::make_unique<TMainWindowHandle>(this);
    ::MainWindowHandle = FMainWindowHandle.get();
    IsProgramClosing = false;
    AutoClose = false;
    AktBackColor = 0xFFFFFF;
    AktFont = TAktFont();
    // Only the program's own commands close the window: no close button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint);
    Randomize();
    CreateControls();
    CreateMenus();
    FMemo->Clear();
    Lektion = nullptr;
    Sammellektion = nullptr;
    CreateProcessObjects();
    SetCaptionsAndHints();
    // The window always fills the screen's work area.
    FillWorkArea(this);

    for (QTimer *T : {&TimerShowHelp, &TimerSpeakDatenWurdenGeladen, &TimerSplashScreenShowCounter, &TimerStarteLektion,
                      &TimerStarteSammellektion})
        T->setSingleShot(true);
    TimerShowHelp.setInterval(5);
    connect(&TimerShowHelp, &QTimer::timeout, this, [this] { TimerShowHelpTimer(); });
    for (QTimer *T : {&TimerStarteLektion, &TimerStarteSammellektion})
        T->setInterval(5);
    connect(&TimerStarteLektion, &QTimer::timeout, this, [this] { TimerStarteLektionTimer(); });
    connect(&TimerStarteSammellektion, &QTimer::timeout, this, [this] { TimerStarteSammellektionTimer(); });
    connect(&TimerSpeakDatenWurdenGeladen, &QTimer::timeout, this,
            [] { SpeakText(QStringLiteral("Daten wurden geladen!"), true); });
    connect(&TimerSplashScreenShowCounter, &QTimer::timeout, this, [this] { SplashScreenShowCounterTimer(); });
    FLoadWait.setInterval(10);
    connect(&FLoadWait, &QTimer::timeout, this, [this] { WaitForLoadTick(); });
}

TForm1_TW::~TForm1_TW()
{
    if (!IsProgramClosing) {
        // Destroyed without the close (a test, or the end of the event
        // loop): the background work still has to stop first.
        IsProgramClosing = true;
    }
    FreeProcessObjects();
    // Only an empty profile folder goes; a failure is of no concern.
    QDir().rmdir(ProfilePath);
    ::MainWindowHandle = nullptr;
    if (Form1_TW == this)
        Form1_TW = nullptr;
}

void TForm1_TW::CreateControls()
{
    auto *Client = new QWidget(this);
    setCentralWidget(Client);
    LblInfos = new QLabel(QStringLiteral("&INFOS"), Client);
    Re1 = new QPlainTextEdit(Client);
    Re1->setReadOnly(true);
    // Read-only, yet the caret must move for the learner to read line by line.
    Re1->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    Re1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Re1->setAccessibleName(QStringLiteral("INFOS"));
    LblInfos->setBuddy(Re1);
    LblInfos->installEventFilter(this);
    FMemo = std::make_unique<TPlainTextMemo>(Re1);
    Re1->installEventFilter(this);

    BtnEinzellektion = new QPushButton(Client);
    BtnSammellektion = new QPushButton(Client);
    BtnLernmaterial = new QPushButton(Client);
    BtnBraillePad = new QPushButton(Client);
    BtnBeenden = new QPushButton(Client);
    int T = 1;
    for (QPushButton *B : {BtnEinzellektion, BtnSammellektion, BtnLernmaterial})
        B->setProperty("Tag", T++);
    BtnBeenden->setProperty("Tag", 4);
    for (QPushButton *B : {BtnEinzellektion, BtnSammellektion, BtnLernmaterial, BtnBeenden})
        connect(B, &QPushButton::clicked, this, [this, B] { BtnClicks(B->property("Tag").toInt()); });
    connect(BtnBraillePad, &QPushButton::clicked, this, [] { ShowBraillePadDlg(); });
    setTabOrder(Re1, BtnEinzellektion);
    setTabOrder(BtnEinzellektion, BtnSammellektion);
    setTabOrder(BtnSammellektion, BtnLernmaterial);
    setTabOrder(BtnLernmaterial, BtnBraillePad);
    setTabOrder(BtnBraillePad, BtnBeenden);

    StatusPanel = new QLabel(this);
    StatusPanel->setAlignment(Qt::AlignCenter);
    statusBar()->addWidget(StatusPanel, 1);
    statusBar()->setSizeGripEnabled(false);
    statusBar()->setToolTip(QStringLiteral("Statusmeldungen"));
    statusBar()->setAccessibleName(QStringLiteral("Statusmeldungen"));
}

void TForm1_TW::CreateMenus()
{
    QMenuBar *Bar = menuBar();
    MM_Datei = Bar->addMenu(QStringLiteral("&Datei"));
    QMenu *Datei = MM_Datei;
    MM_D_DesktopLink = Datei->addAction(QStringLiteral("Programm&verknüpfung auf dem Desktop"));
    MM_D_DesktopLink->setCheckable(true);
    // The click acts on the mark the learner saw: Qt's own toggle is undone.
    connect(MM_D_DesktopLink, &QAction::triggered, this, [this](bool Checked) {
        MM_D_DesktopLink->setChecked(!Checked);
        MM_D_DesktopLinkClick();
    });
    connect(Datei, &QMenu::aboutToShow, this, [this] { MM_DateiClick(); });
    MM_D_Beenden = NewAction(this, QStringLiteral("&Beenden"), 0, QKeySequence(Qt::ALT | Qt::Key_F4));
    Datei->addAction(MM_D_Beenden);
    connect(MM_D_Beenden, &QAction::triggered, this, &QWidget::close);

    MM_Aktionen = Bar->addMenu(QStringLiteral("A&ktionen"));
    QMenu *Aktionen = MM_Aktionen;
    MM_AK_Einzellektion = Aktionen->addMenu(QStringLiteral("Einzel&lektion"));
    MM_AK_EL_Liste =
        NewAction(this, QStringLiteral("&Wähle eine Einzellektion..."), 1, QKeySequence(Qt::CTRL | Qt::Key_L));
    MM_AK_EL_Starte = NewAction(this, QStringLiteral("&Starte ausgewählte Einzellektion"), 1, QKeySequence(Qt::Key_F4));
    MM_AK_Einzellektion->addActions({MM_AK_EL_Liste, MM_AK_EL_Starte});
    MM_AK_Sammellektion = Aktionen->addMenu(QStringLiteral("&Sammellektion"));
    MM_AK_SL_Liste =
        NewAction(this, QStringLiteral("&Wähle eine Sammellektion..."), 2, QKeySequence(Qt::CTRL | Qt::Key_S));
    MM_AK_SL_Starte = NewAction(this, QStringLiteral("&Starte nächste Lektion"), 2, QKeySequence(Qt::Key_F8));
    MM_AK_SL_Gehe =
        NewAction(this, QStringLiteral("&Gehe zu einer bestimmten Lektion..."), 1, QKeySequence(Qt::CTRL | Qt::Key_G));
    MM_AK_Sammellektion->addActions({MM_AK_SL_Liste, MM_AK_SL_Starte, MM_AK_SL_Gehe});
    MM_AK_Lernmaterial = Aktionen->addMenu(QStringLiteral("Lern&material"));
    MM_AK_LM_Liste =
        NewAction(this, QStringLiteral("&Wähle das Lernmaterial..."), 3, QKeySequence(Qt::CTRL | Qt::Key_M));
    MM_AK_Lernmaterial->addAction(MM_AK_LM_Liste);
    MM_AK_BraillePad = NewAction(this, QStringLiteral("Braille&Pad starten..."), 0, QKeySequence(Qt::CTRL | Qt::Key_P));
    Aktionen->addAction(MM_AK_BraillePad);
    connect(MM_AK_BraillePad, &QAction::triggered, this, [] { ShowBraillePadDlg(); });
    Aktionen->addSeparator();
    MM_AK_Fortschritt = NewAction(this, QStringLiteral("&Fortschritt..."), 0, QKeySequence(Qt::CTRL | Qt::Key_F));
    MM_AK_Wiederholen =
        NewAction(this, QStringLiteral("Schwache Zeichen &wiederholen"), 0, QKeySequence(Qt::CTRL | Qt::Key_W));
    Aktionen->addActions({MM_AK_Fortschritt, MM_AK_Wiederholen});
    connect(MM_AK_Fortschritt, &QAction::triggered, this, [this] { MM_AK_FortschrittClick(); });
    connect(MM_AK_Wiederholen, &QAction::triggered, this, [this] { MM_AK_WiederholenClick(); });
    for (QMenu *M : {MM_AK_Einzellektion, MM_AK_Sammellektion, MM_AK_Lernmaterial})
        M->setDefaultAction(M->actions().first());

    MM_Ansicht = Bar->addMenu(QStringLiteral("&Ansicht"));
    MM_A_BackFont = MM_Ansicht->addAction(QStringLiteral("&Schrifteinstellungen..."));
    connect(MM_A_BackFont, &QAction::triggered, this, [this] { MM_A_BackFontClick(); });

    MM_Einstellungen = Bar->addMenu(QStringLiteral("&Einstellungen"));
    QMenu *Einstellungen = MM_Einstellungen;
    MM_E_BrailleChars = NewAction(this, QStringLiteral("Braille&zeilenbreite = %d..."), 5);
    MM_E_Querztastatur = NewAction(this, QStringLiteral("&Querztastatur für Braille-Eingabe verwenden (sdf-jkl)"), 4);
    MM_E_BrailleSize = NewAction(this, QStringLiteral("Schrift&größe in Textfenstern zusätzlich erhöhen = %d..."), 9);
    MM_E_CloseCheck = NewAction(this, QStringLiteral("Sicherheitsabfrage beim &Beenden des Programms"), 6);
    MM_E_Sounds = NewAction(this, QStringLiteral("S&ounds wiedergeben"), 2);
    MM_E_Stimme = NewAction(this, QStringLiteral("&Stimme, Lautstärke und Geschwindigkeit wählen..."), 7);
    MM_E_SplashScreen = NewAction(this, QStringLiteral("Zeige SplashS&creen beim Start"), 1);
    MM_E_HighScoreClear = NewAction(this, QStringLiteral("&Punktestand zurücksetzen"), 8);
    MM_E_Tastaturtest = NewAction(this, QStringLiteral("&Tastaturtest..."), 10);
    MM_E_EineTaste = NewAction(this, QStringLiteral("&Eine Taste nach der anderen für Braille-Eingabe"), 11);
    MM_E_ZeichenAnsagen = NewAction(this, QStringLiteral("Geschriebene &Zeichen ansagen"), 12);
    Einstellungen->addActions({MM_E_BrailleChars, MM_E_Querztastatur, MM_E_BrailleSize, MM_E_CloseCheck, MM_E_Sounds,
                               MM_E_Stimme, MM_E_SplashScreen});
    Einstellungen->addSeparator();
    Einstellungen->addActions({MM_E_EineTaste, MM_E_ZeichenAnsagen, MM_E_Tastaturtest});
    Einstellungen->addSeparator();
    Einstellungen->addAction(MM_E_HighScoreClear);
    for (QAction *A :
         {MM_E_Querztastatur, MM_E_CloseCheck, MM_E_Sounds, MM_E_SplashScreen, MM_E_EineTaste, MM_E_ZeichenAnsagen})
        A->setCheckable(true);
    for (QAction *A : Einstellungen->actions())
        if (!A->isSeparator())
            connect(A, &QAction::triggered, this, [this, A] { MM_E_Clicks(Tag(A)); });
    connect(Einstellungen, &QMenu::aboutToShow, this, [this] { MM_EinstellungenClick(); });

    MM_Hilfe = Bar->addMenu(QStringLiteral("&Hilfe"));
    QMenu *Hilfe = MM_Hilfe;
    MM_H_Hilfe = NewAction(this, QStringLiteral("&Hilfe..."), 1, QKeySequence(Qt::CTRL | Qt::Key_F1));
    MM_H_Einleitung = NewAction(this, QStringLiteral("&Einleitung..."), 3);
    MM_H_Kurztasten = NewAction(this, QStringLiteral("&Kurztasten..."), 2);
    MM_H_TechnischesHandbuch = NewAction(this, QStringLiteral("&Technisches Handbuch..."), 4);
    MM_H_History = NewAction(this, QStringLiteral("&Änderungen..."), 5);
    MM_H_Mail = NewAction(this, QStringLiteral("&Mail an den Programmierer..."), 1);
    MM_H_Homepage = NewAction(this, QStringLiteral("Home&page..."), 2);
    MM_H_Update = NewAction(this, QStringLiteral("&Aktualisierung..."));
    MM_H_Update->setEnabled(false);
    MM_H_Info = NewAction(this, QStringLiteral("&Info"));
    Hilfe->addActions({MM_H_Hilfe, MM_H_Einleitung, MM_H_Kurztasten, MM_H_TechnischesHandbuch, MM_H_History, MM_H_Mail,
                       MM_H_Homepage, MM_H_Update, MM_H_Info});
    for (QAction *A : {MM_H_Hilfe, MM_H_Einleitung, MM_H_Kurztasten, MM_H_TechnischesHandbuch, MM_H_History})
        connect(A, &QAction::triggered, this, [this, A] { MM_H_HilfeSystemClicks(Tag(A)); });
    for (QAction *A : {MM_H_Mail, MM_H_Homepage}) {
        A->setEnabled(false);
        connect(A, &QAction::triggered, this, [this, A] { MM_H_MailHomepageSpendenClick(Tag(A)); });
    }
    connect(MM_H_Update, &QAction::triggered, this, [this] { MM_H_UpdateClick(); });
    connect(MM_H_Info, &QAction::triggered, this, [this] { MM_H_InfoClick(); });
    connect(Hilfe, &QMenu::aboutToShow, this, [this] { MM_HilfeClick(); });

    // The buttons' menus offer the same commands as the main menu.
    PopupMenu_EL = new QMenu(this);
    PM_EL_Liste = NewAction(this, MM_AK_EL_Liste->text(), 1);
    PM_EL_Starte = NewAction(this, MM_AK_EL_Starte->text(), 1);
    PopupMenu_EL->addActions({PM_EL_Liste, PM_EL_Starte});
    PopupMenu_SL = new QMenu(this);
    PM_SL_Liste = NewAction(this, MM_AK_SL_Liste->text(), 2);
    PM_SL_Starte = NewAction(this, MM_AK_SL_Starte->text(), 2);
    PM_SL_Gehe = NewAction(this, MM_AK_SL_Gehe->text(), 1);
    PopupMenu_SL->addActions({PM_SL_Liste, PM_SL_Starte, PM_SL_Gehe});
    PopupMenu_LM = new QMenu(this);
    PM_LM_Liste = NewAction(this, MM_AK_LM_Liste->text(), 3);
    PopupMenu_LM->addAction(PM_LM_Liste);
    for (QMenu *M : {PopupMenu_EL, PopupMenu_SL, PopupMenu_LM})
        M->setDefaultAction(M->actions().first());
    const std::pair<QAction *, QAction *> Twins[] = {{PM_EL_Liste, MM_AK_EL_Liste}, {PM_EL_Starte, MM_AK_EL_Starte},
                                                     {PM_SL_Liste, MM_AK_SL_Liste}, {PM_SL_Starte, MM_AK_SL_Starte},
                                                     {PM_SL_Gehe, MM_AK_SL_Gehe},   {PM_LM_Liste, MM_AK_LM_Liste}};
    for (auto [Popup, Main] : Twins)
        connect(Popup, &QAction::triggered, Main, &QAction::trigger);

    // The text pane's menu; the paragraph entries stay hidden, their keys work.
    FTextPaneMenu = TTextPaneMenu::Install(this, Re1, FMemo.get());
    PopupMenu_Re = FTextPaneMenu.Menu;
    PM_Re_AllSelect = FTextPaneMenu.AllSelect;
    PM_Re_Copy = FTextPaneMenu.Copy;
    PM_Re_LinesDown = FTextPaneMenu.LinesDown;
    PM_Re_LinesUp = FTextPaneMenu.LinesUp;
    // Ctrl+A and Ctrl+C follow the pane at once, not only when the menu opens.
    connect(Re1, &QPlainTextEdit::textChanged, this, [this] { PopupMenu_RePopup(); });
    connect(Re1, &QPlainTextEdit::selectionChanged, this, [this] { PopupMenu_RePopup(); });

    // Choosing and starting lessons.
    connect(MM_AK_EL_Liste, &QAction::triggered, this, [this] { PM_ListeClicks(1); });
    connect(MM_AK_SL_Liste, &QAction::triggered, this, [this] { PM_ListeClicks(2); });
    connect(MM_AK_LM_Liste, &QAction::triggered, this, [this] { PM_ListeClicks(3); });
    connect(MM_AK_EL_Starte, &QAction::triggered, this, [this] { PM_StarteClicks(1); });
    connect(MM_AK_SL_Starte, &QAction::triggered, this, [this] { PM_StarteClicks(2); });
    connect(MM_AK_SL_Gehe, &QAction::triggered, this, [this] { PM_SL_GeheClick(); });

    // Main-menu commands count as window shortcuts; F1 belongs to the help.
    for (QAction *A : findChildren<QAction *>())
        if (!A->shortcut().isEmpty() && A->shortcutContext() != Qt::WidgetShortcut)
            addAction(A);
}

void TForm1_TW::CreateOutputObjects()
{
    if (FSpeech || IsProgramClosing)
        return;
    FSoundcards = std::make_unique<TSoundcards>(FMainWindowHandle.get());
    FAudioPlayer = std::make_unique<TAudioPlayer>();
    InstallSoundPlayer([Player = FAudioPlayer.get()](const QString &File) { Player->Play(File); });
    InstallSoundLength([Player = FAudioPlayer.get()] { return Player->MainDauer(); });
    // The facade loads the screen reader output itself.
    FSpeech = std::make_unique<TSpeech>(false);
    ::Speech = FSpeech.get();
    FSoundcards->LoadSoundcards(false);
    FAudioPlayer->SetMainVolume(100);
    SelectVoice();
}

void TForm1_TW::CreateProcessObjects()
{
    // Sound and speech come once the content is loaded (CreateOutputObjects):
    // nothing of the first picture needs them.
    FLog = std::make_unique<TLog>(FMainWindowHandle.get());
    InstallLog(FLog.get());
    FBrlUniChar = std::make_unique<TBrlUniChar>(FMainWindowHandle.get());
    ::BrlUniChar = FBrlUniChar.get();
    FAufgabenTypen = std::make_unique<TAufgabenTypen>(FMainWindowHandle.get());
    ::AufgabenTypen = FAufgabenTypen.get();
    FDatendateiTypen = std::make_unique<TDatendateiTypen>(FMainWindowHandle.get());
    ::DatendateiTypen = FDatendateiTypen.get();
    FJobs = std::make_unique<TJobs>(FMainWindowHandle.get());
    FJobs->OnPrepareOutputs = [this] { PrepareOutputs(); };
    // The help pages are built once the content is there rather than before
    // it: the learner waits for the content, not for the pages (F1 finds the
    // pages of the last start meanwhile).
    FJobs->OnCreateHelpPages = [this] { FHelpWanted = true; };
    FHelpSystem = std::make_unique<THelpSystem>(FMainWindowHandle.get());
    ::HelpSystem = FHelpSystem.get();
    FHelpSystem->SetHelpId(3);
    FUpdater = std::make_unique<TUpdater>(FMainWindowHandle.get());
    ::Updater = FUpdater.get();
    FUpdater->IsLoaderIdle = [this] { return FJobs && FJobs->StatusOK(); };
    FFortschritt = std::make_unique<TFortschritt>();
    ::Fortschritt = FFortschritt.get();
    {
        std::lock_guard Lock(VoicesReadyMutex);
        VoicesReadyReceiver = this;
    }
}

void TForm1_TW::FreeProcessObjects()
{
    {
        std::lock_guard Lock(VoicesReadyMutex);
        VoicesReadyReceiver = nullptr;
    }
    FJobs.reset();
    if (FHelpThread.joinable())
        FHelpThread.join();
    ::HelpSystem = nullptr;
    FHelpSystem.reset();
    ::DatendateiTypen = nullptr;
    FDatendateiTypen.reset();
    ::AufgabenTypen = nullptr;
    FAufgabenTypen.reset();
    ::BrlUniChar = nullptr;
    FBrlUniChar.reset();
    InstallLog(nullptr);
    FLog.reset(); // saves the log
    ::Speech = nullptr;
    FSpeech.reset();
    InstallSoundPlayer(nullptr);
    InstallSoundLength(nullptr);
    FAudioPlayer.reset();
    FSoundcards.reset();
    ::Updater = nullptr;
    FUpdater.reset();
    ::Fortschritt = nullptr;
    FFortschritt.reset();
}

void TForm1_TW::PrepareOutputs()
{
    // Runs on the loading thread. Sound and screen reader output are made
    // ready with their objects once the load has ended (CreateOutputObjects).
    // The service's voice list can take seconds: it is fetched on a thread of
    // its own, so that neither the start nor a close waits for it; the voice
    // is chosen on the main thread once it is there.
    std::thread([] {
        TSpeechDispatcher::PrefetchVoices();
        VoicesReady = true;
        std::lock_guard Lock(VoicesReadyMutex);
        if (TForm1_TW *W = VoicesReadyReceiver)
            QMetaObject::invokeMethod(
                W, [W] { W->SelectVoice(); }, Qt::QueuedConnection);
    }).detach();
}

void TForm1_TW::SelectVoice()
{
    if (!FSpeech || IsProgramClosing)
        return;
    if (!VoicesReady) {
        if (DefaultVoicePending)
            FSpeech->UseProvisionalVoice();
        return;
    }
    if (DefaultVoicePending) {
        DefaultVoicePending = false;
        SapiSpeechStimme = FSpeech->FindRandomDescription(QStringLiteral("German"));
    }
    FSpeech->SetTokenNrIndex(FSpeech->FindDescriptionInTokensNrIndex(SapiSpeechStimme));
    FSpeech->SetRate(SapiSpeechRate);
    FSpeech->SetVolume(SapiSpeechVolume);
}

bool TForm1_TW::LoadIni()
{
    // A file without a voice (a first start) gets a German one; the voices
    // are known only once the speech service has listed them, so the choice
    // waits for that, and a provisional voice speaks until then.
    DefaultVoicePending = false;
    FindRandomVoiceDescription = [](const QString &) {
        DefaultVoicePending = true;
        return QString();
    };
    const bool Ok = LoadSettingsFile(ProfilePath + SettingsFileName);
    FindRandomVoiceDescription = nullptr;
    // A damaged record is kept aside, reported in the log and on top of the
    // status text, and replaced by its copy.
    if (!FFortschritt->LoadFile(TFortschritt::DefaultFileName()))
        FHinweise << QStringLiteral("Achtung: ") + FFortschritt->LastErrorString;
    return Ok;
}

void TForm1_TW::StartLoading()
{
    FJobs->LoadFiles();
}

void TForm1_TW::SetCaptionsAndHints()
{
    setWindowTitle(ProgramTitle);
    QApplication::setApplicationDisplayName(ProgramTitle);
    BtnEinzellektion->setText(QStringLiteral("Einzel&lektion"));
    BtnEinzellektion->setToolTip(QStringLiteral("Eine Lektion zum Lernen auswählen"));
    BtnSammellektion->setText(QStringLiteral("&Sammellektion"));
    BtnSammellektion->setToolTip(QStringLiteral("Eine Sammlung von Lektionen zum Lernen auswählen"));
    BtnLernmaterial->setText(QStringLiteral("Lern&material"));
    BtnLernmaterial->setToolTip(QStringLiteral("Ein Lernmaterial wählen"));
    BtnBraillePad->setText(QStringLiteral("Braille&Pad"));
    BtnBraillePad->setToolTip(QStringLiteral("Startet das BraillePad"));
    BtnBeenden->setText(QStringLiteral("&Beenden"));
    BtnBeenden->setToolTip(QStringLiteral("Beendet das Programm"));
    LblInfos->setText(QStringLiteral("&INFOS"));
    for (QPushButton *B : {BtnEinzellektion, BtnSammellektion, BtnLernmaterial, BtnBraillePad, BtnBeenden})
        B->setAccessibleDescription(B->toolTip());
}

void TForm1_TW::ApplyDisplaySettings()
{
    ::ApplyDisplaySettings(this);
    QFont F = LblInfos->font();
    F.setBold(true);
    F.setUnderline(true);
    LblInfos->setFont(F);
    LblInfos->adjustSize();
    LayoutControls();
}

void TForm1_TW::LayoutControls()
{
    QWidget *Client = centralWidget();
    const int ClientW = Client->width();
    statusBar()->setFixedHeight(ControlHeightForFont(statusBar()->font(), statusBar()));
    const QFont Font = ToQFont(AktFont);
    const QList<QPushButton *> Buttons = {BtnEinzellektion, BtnSammellektion, BtnLernmaterial, BtnBraillePad,
                                          BtnBeenden};
    QString Longest;
    for (QPushButton *B : Buttons)
        if (StripAmpersands(B->text()).size() > Longest.size())
            Longest = StripAmpersands(B->text());
    const int BtnW = TextWidthForFont(Font, Longest + QStringLiteral("MM"));
    const int BtnH = ControlHeightForFont(Font, BtnBeenden);
    for (QPushButton *B : Buttons)
        B->resize(BtnW, BtnH);
    LblInfos->move(20, 20);
    const int InfoW = qRound(ClientW * 0.4);
    LblInfos->resize(InfoW, LblInfos->sizeHint().height());
    const int ReTop = LblInfos->y() + LblInfos->height() + 5;
    // The status bar sits below the client area.
    const int StatusTop = Client->height();
    BtnBeenden->move((ClientW - BtnW) / 2, StatusTop - 20 - BtnH);
    Re1->setGeometry(20, ReTop, InfoW, qMax(BtnH, BtnBeenden->y() - ReTop - 20));
    const int ReBottom = Re1->y() + Re1->height();
    const int Left = Re1->x() + Re1->width() + (ClientW - (3 * Re1->x() + Re1->width() + BtnW)) / 2;
    BtnEinzellektion->move(Left, Re1->y());
    const int PadTop = ReBottom - BtnH;
    const int Gap = (PadTop - BtnEinzellektion->y() - 2 * BtnH) / 8;
    BtnSammellektion->move(Left, BtnEinzellektion->y() + BtnH + Gap);
    BtnLernmaterial->move(Left, BtnSammellektion->y() + BtnH + Gap);
    BtnBraillePad->move(Left, BtnLernmaterial->y() + BtnH + Gap);
}

bool TForm1_TW::IsBusy() const
{
    if (!FJobs || !FJobs->StatusOK())
        return true;
    return !IsProgramClosing && FJobs->Lektionen().StatusCounterThread() != 0;
}

void TForm1_TW::UpdateStatusBar(bool Busy)
{
    QString S;
    if (Busy) {
        S = QStringLiteral("Lade Daten...");
    } else {
        TLektionen &Lektionen = FJobs->Lektionen();
        if (Lektion)
            S = QStringLiteral("%1=Einzellektion starten").arg(ShortCutToText(MM_AK_EL_Starte->shortcut()));
        else if (Lektionen.Count() == 0)
            S = QStringLiteral("0 Einzellektionen gefunden");
        else
            S = QStringLiteral("%1=Einzellektion wählen").arg(ShortCutToText(MM_AK_EL_Liste->shortcut()));
        if (Sammellektion)
            S += QStringLiteral("; %1=Sammellektion starten").arg(ShortCutToText(MM_AK_SL_Starte->shortcut()));
        else if (FJobs->Sammellektionen().Count() == 0)
            S += QStringLiteral("; 0 Sammellektionen gefunden");
        else
            S += QStringLiteral("; %1=Sammellektion wählen").arg(ShortCutToText(MM_AK_SL_Liste->shortcut()));
        if (FJobs->Lernmaterialien().Count() > 1)
            S += QStringLiteral("; %1=Lernmaterial wählen").arg(ShortCutToText(MM_AK_LM_Liste->shortcut()));
    }
    if (StatusPanel->text() != S) {
        StatusPanel->setText(S);
        StatusPanel->setAccessibleName(S);
        statusBar()->repaint();
    }
}

void TForm1_TW::UpdateActions(bool Busy)
{
    const bool Free = !Busy;
    const bool HasLektionen = Free && FJobs->Lektionen().Count() > 0;
    const bool HasSammel = Free && FJobs->Sammellektionen().Count() > 0;
    BtnEinzellektion->setEnabled(Free);
    MM_AK_Einzellektion->setEnabled(Free);
    PM_EL_Liste->setEnabled(HasLektionen);
    PM_EL_Starte->setEnabled(HasLektionen);
    BtnSammellektion->setEnabled(Free);
    MM_AK_Sammellektion->setEnabled(Free);
    PM_SL_Liste->setEnabled(HasSammel);
    PM_SL_Starte->setEnabled(HasSammel);
    PM_SL_Gehe->setEnabled(Free && Sammellektion && Sammellektion->Count() > 0);
    BtnLernmaterial->setEnabled(Free);
    MM_AK_Lernmaterial->setEnabled(Free);
    PM_LM_Liste->setEnabled(Free && FJobs->Lernmaterialien().Count() > 0);
    BtnBraillePad->setEnabled(Free);
    MM_AK_BraillePad->setEnabled(Free);
    MM_AK_Fortschritt->setEnabled(Free);
    MM_AK_Wiederholen->setEnabled(Free);
    // The main menu's entries follow their twins in the buttons' menus.
    MM_AK_EL_Liste->setEnabled(PM_EL_Liste->isEnabled());
    MM_AK_EL_Starte->setEnabled(PM_EL_Starte->isEnabled());
    MM_AK_SL_Liste->setEnabled(PM_SL_Liste->isEnabled());
    MM_AK_SL_Starte->setEnabled(PM_SL_Starte->isEnabled());
    MM_AK_SL_Gehe->setEnabled(PM_SL_Gehe->isEnabled());
    MM_AK_LM_Liste->setEnabled(PM_LM_Liste->isEnabled());
    PopupMenu_RePopup();
}

void TForm1_TW::PopupMenu_RePopup()
{
    FTextPaneMenu.Update(Re1);
}

void TForm1_TW::RestoreFocus()
{
    if (MerkActiveControl && MerkActiveControl->isVisible() && MerkActiveControl->focusPolicy() != Qt::NoFocus)
        MerkActiveControl->setFocus();
}

void TForm1_TW::SendStatus(int Code, qintptr LParam)
{
    SendMessage(FMainWindowHandle.get(), WM_USER_STATUS, Code, LParam);
}

bool TForm1_TW::event(QEvent *E)
{
    switch (int(E->type())) {
    case WM_USER_STATUS: {
        auto *M = static_cast<TMessageEvent *>(E);
        WMUserStatus(int(M->WParam), M->LParam);
        return true;
    }
    case WM_USER_AUTOCLOSE:
    case WM_USER_AUTOCLOSE2:
        WMUserAutoClose();
        return true;
    case WM_USER_ACTIVATE:
        WMUserActivate();
        return true;
    case QEvent::Paint:
        StartupMark("first paint");
        return QMainWindow::event(E);
    default:
        return QMainWindow::event(E);
    }
}

void TForm1_TW::WMUserStatus(int Code, qintptr LParam)
{
    if (IsProgramClosing)
        return;
    const bool Busy = IsBusy();
    const bool Known =
        Code == WM_USER_STARTED || Code == WM_USER_REFRESH || Code == WM_USER_JOBS || Code == WM_USER_LEKTIONEN;
    if (Known) {
        if (Code == WM_USER_STARTED && ShowEinleitung && FHelpSystem) {
            FHelpSystem->FIsEinleitungDlgVisible = true;
            FHelpSystem->FIsEinleitungFirstStart = true;
            TimerShowHelp.setProperty("Tag", 0);
            TimerShowHelp.start();
        }
        if (Code == WM_USER_JOBS && LParam != 0) {
            // A load starts: the old text names what is about to go away.
            FMemo->BeginUpdate();
            FMemo->Clear();
            FMemo->AddLine(QStringLiteral("Lade Daten..."));
            FMemo->EndUpdate();
            NudgeScreenReader(Re1, 0);
        } else if (!((((SplashScreenForm != nullptr) || LParam != 0) && Code != WM_USER_REFRESH) || Busy)) {
            RebuildStatusText(Code, LParam, Busy);
        }
    }
    UpdateStatusBar(Busy);
    UpdateActions(Busy);
    // The start waits for the load: look at once instead of at the next tick.
    if (FLoadWait.isActive() && !Busy)
        WaitForLoadTick();
}

void TForm1_TW::RebuildStatusText(int Code, qintptr LParam, bool Busy)
{
    const bool Refresh = Code == WM_USER_REFRESH;
    TimerSpeakDatenWurdenGeladen.setInterval(5);
    // Before the start is complete (no splash picture holds the status text
    // back) the start itself decides: the introduction may be about to come.
    if (!Refresh && FStarted && !(FHelpSystem && FHelpSystem->FIsEinleitungDlgVisible) && IsSapiSpeechEnabled())
        TimerSpeakDatenWurdenGeladen.start();
    else
        TimerSpeakDatenWurdenGeladen.stop();

    if (Re1->isVisible())
        Re1->setFocus();
    FMemo->BeginUpdate();
    FMemo->Clear();
    QStringList Lines;
    if (FUpdater && FUpdater->Status() == utUpgrade)
        Lines << QStringLiteral("Software-Update vorhanden! Mit %1, %2 kann das Update durchgeführt werden.")
                     .arg(QStringLiteral("ALT+H"), QStringLiteral("A"));
    Lines << FHinweise;
    Lines << QStringLiteral("Folgende Daten wurden geladen:");

    TLernmaterialien &Materialien = FJobs->Lernmaterialien();
    const int MaterialIndex = Materialien.IndexOf(GetAktLernmaterialName());
    Lines << (MaterialIndex < 0 ? QStringLiteral("Kein Lernmaterial ausgewählt!")
                                : QStringLiteral("Lernmaterial: \"%1\"").arg(Materialien.Get(MaterialIndex).Titel));

    TBereiche &Bereiche = FJobs->Bereiche();
    const int BereichIndex = Bereiche.IndexOf(GetAktBereichName());
    Lines << (BereichIndex < 0 ? QStringLiteral("Kein Bereich ausgewählt!")
                               : QStringLiteral("Bereich: \"%1\"").arg(Bereiche.Get(BereichIndex).Titel));

    // The selections are looked up anew only after a load: a refresh keeps
    // the objects already chosen.
    if (!Refresh) {
        Lektion = BereichIndex < 0
                      ? nullptr
                      : FJobs->Lektionen().FindLektionendatei(Bereiche.Get(BereichIndex).Bereich, LektionName);
        Sammellektion = FJobs->Sammellektionen().FindSammeldatei(SammelName);
    }
    Lines << (Lektion ? QStringLiteral("Lektion: \"%1\"").arg(Lektion->Titel())
                      : QStringLiteral("Keine Lektion ausgewählt!"));
    if (Sammellektion) {
        if (SammelNameIndex >= Sammellektion->Count())
            SammelNameIndex = -1;
        Lines << QStringLiteral("Sammellektion: \"%1\"").arg(Sammellektion->Titel());
        auto TitleAt = [this](int I) {
            TLektionendatei *L = Sammellektion->Get(I);
            return L ? L->Titel() : QString();
        };
        if (SammelNameIndex < 0)
            Lines << QStringLiteral("Noch keine abgeschlossene Lektion vorhanden!");
        else
            Lines << QStringLiteral("Abgeschlossene Lektion: \"%1\"").arg(TitleAt(SammelNameIndex));
        if (SammelNameIndex + 1 < Sammellektion->Count())
            Lines << QStringLiteral("Nächste Lektion: \"%1\"").arg(TitleAt(SammelNameIndex + 1));
    } else {
        Lines << QStringLiteral("Keine Sammellektion ausgewählt!");
    }
    Lines << QStringLiteral("Punktestand: %1").arg(HighScore);
    UpdateStatusBar(Busy);
    Lines << QStringLiteral("Kurztasten: %1").arg(StatusPanel->text());
    for (const QString &L : Lines)
        FMemo->AddLine(L);

    if (Refresh) {
        if (LParam != 0)
            PlaySoundNr(snScore, true);
        FMemo->SetSelStart(0);
        FMemo->EndUpdate();
    } else {
        FMemo->EndUpdate();
        // The screen reader reads the new first line.
        NudgeScreenReader(Re1, 0);
        StartupMark("content ready");
    }
}

void TForm1_TW::showEvent(QShowEvent *E)
{
    QMainWindow::showEvent(E);
    if (FLoadWait.isActive() || FStarted)
        return;
    ApplyDisplaySettings();
    CenterOnWorkArea(this);
    if (Re1->isVisible())
        Re1->setFocus();
    // Waits for the load while events go on; the splash stays at least three
    // seconds.
    FLoadWait.start();
}

void TForm1_TW::WaitForLoadTick()
{
    if (IsProgramClosing) {
        FLoadWait.stop();
        return;
    }
    if (SplashScreenForm && SplashScreenForm->isVisible()) {
        const qint64 Shown = QDateTime::currentMSecsSinceEpoch() - SplashScreenStartTick;
        if (Shown < 3000)
            return;
    }
    if (!FJobs->StatusOK() || !FJobs->Lektionen().StatusOK())
        return;
    FLoadWait.stop();
    FStarted = true;
    if (FHelpWanted.exchange(false) && FHelpSystem && !FHelpThread.joinable())
        FHelpThread = std::thread([Help = FHelpSystem.get()] { Help->CreateHtmlFiles(); });
    // The pause lets the splash picture go after its last paint; without
    // one the status text comes at once.
    TimerSplashScreenShowCounter.start(SplashScreenForm ? 5 : 0);
}

void TForm1_TW::SplashScreenShowCounterTimer()
{
    if (SplashScreenForm) {
        SplashScreenForm->hide();
        delete SplashScreenForm;
        SplashScreenForm = nullptr;
    }
    SendStatus(WM_USER_STARTED, 0);
    // Sound and speech once the content is there: while it loads, every
    // core is busy with it. The spoken messages of the start come after this.
    CreateOutputObjects();
    QCoreApplication::postEvent(this, new TMessageEvent(WM_USER_ACTIVATE, 0, 0));
}

void TForm1_TW::resizeEvent(QResizeEvent *E)
{
    QMainWindow::resizeEvent(E);
    if (!IsProgramClosing && isVisible())
        LayoutControls();
}

bool TForm1_TW::eventFilter(QObject *Watched, QEvent *E)
{
    if (Watched == LblInfos && E->type() == QEvent::MouseButtonRelease) {
        Re1->setFocus();
        return true;
    }
    if (Watched == Re1 && E->type() == QEvent::KeyPress) {
        auto *K = static_cast<QKeyEvent *>(E);
        const int Vk = ArrowKeyCode(K->key());
        if (Vk && !(K->modifiers() & Qt::ControlModifier))
            CheckLineEndSound(true, true, *FMemo, Vk);
    }
    return QMainWindow::eventFilter(Watched, E);
}

void TForm1_TW::BtnClicks(int Tag)
{
    switch (Tag) {
    case 1: {
        const QList<QAction *> A = PopupMenu_EL->actions();
        if (A.size() < 2 || !A[0]->isEnabled() || A[1]->isEnabled())
            PopupMenuBelow(PopupMenu_EL, BtnEinzellektion);
        else
            A[0]->trigger();
        break;
    }
    case 2: {
        const QList<QAction *> A = PopupMenu_SL->actions();
        if (A.size() < 3 || !A[0]->isEnabled() || A[1]->isEnabled() || A[2]->isEnabled())
            PopupMenuBelow(PopupMenu_SL, BtnSammellektion);
        else
            A[0]->trigger();
        break;
    }
    case 3: {
        const QList<QAction *> A = PopupMenu_LM->actions();
        if (!A.isEmpty() && A[0]->isEnabled())
            A[0]->trigger();
        else
            PopupMenuBelow(PopupMenu_LM, BtnLernmaterial);
        break;
    }
    case 4:
        MM_D_Beenden->trigger();
        return;
    default:
        return;
    }
    MerkActiveControl = QApplication::focusWidget();
    RestoreFocus();
}

void TForm1_TW::PopupMenuBelow(QMenu *Menu, QPushButton *Btn)
{
    const QPoint P(centralWidget()->width() / 2, Btn->y() + Btn->height());
    Menu->popup(centralWidget()->mapToGlobal(P));
}

namespace
{
// The list dialog for one choice; OnOk reads the choice before the dialog
// goes. True when the learner chose a row.
bool ChooseFromList(QWidget *Owner, TListenModus Modus, int StartIndex, int StartBereichIndex,
                    TSammeldatei *Sammeldatei, const std::function<void(TListenDlg *)> &OnOk)
{
    bool Chosen = false;
    ShowModal([&] { return new TListenDlg(Owner, Modus, StartIndex, StartBereichIndex, Sammeldatei); }, nullptr,
              [&](QDialog *D, int Result) {
                  auto *Dlg = static_cast<TListenDlg *>(D);
                  if (Result != 1 || Dlg->ItemIndex() < 0)
                      return;
                  Chosen = true;
                  OnOk(Dlg);
              },
              [](const QString &) { return QStringLiteral("Fehler bei ListenDlg!"); });
    return Chosen;
}

QString PointsReport(int Points)
{
    return QStringLiteral("Erhaltene Punkte: %1\r\nPunktestand: %2").arg(Points).arg(HighScore);
}
} // namespace

void TForm1_TW::PM_ListeClicks(int Tag)
{
    switch (Tag) {
    case 1: {
        const int Start = FJobs->Bereiche().IndexOf(GetAktBereichName());
        ChooseFromList(this, lmBereichAndLektion, -1, Start, nullptr, [this](TListenDlg *Dlg) {
            SetAktBereichName(Dlg->GetBereichName());
            Lektion = Dlg->GetLektion();
            LektionName = Lektion ? Lektion->FileInfo().Name : QString();
            SendStatus(WM_USER_REFRESH, 0);
            TimerStarteLektion.start();
        });
        break;
    }
    case 2: {
        const int Start = SammelName.isEmpty() || IsProgramClosing ? -1 : FJobs->Sammellektionen().IndexOf(SammelName);
        ChooseFromList(this, lmSammellektion, Start, -1, nullptr, [this](TListenDlg *Dlg) {
            Sammellektion = FJobs->Sammellektionen().Get(Dlg->ItemIndex());
            SammelName = Sammellektion ? Sammellektion->FileInfo().Name : QString();
            SammelNameIndex = -1;
            SendStatus(WM_USER_REFRESH, 0);
            TimerStarteSammellektion.start();
        });
        break;
    }
    case 3: {
        const int Start = FJobs->Lernmaterialien().IndexOf(GetAktLernmaterialName());
        QString Chosen;
        ChooseFromList(this, lmLernmaterial, Start, -1, nullptr, [&](TListenDlg *Dlg) {
            if (Dlg->ItemIndex() != Start)
                Chosen = FJobs->Lernmaterialien().Get(Dlg->ItemIndex()).Lernmaterial;
        });
        // The material that is open already is not loaded again.
        if (Chosen.isEmpty())
            break;
        // The place in the new material's collective lessons comes back.
        WechsleLernmaterial(Chosen);
        SetAktBereichName(QString());
        LektionName.clear();
        Lektion = nullptr;
        Sammellektion = nullptr;
        Re1->setFocus();
        CreateFolders();
        FJobs->ReloadFiles();
        break;
    }
    default:
        break;
    }
}

void TForm1_TW::PM_SL_GeheClick()
{
    ChooseFromList(this, lmLektion, SammelNameIndex + 1, -1, Sammellektion, [this](TListenDlg *Dlg) {
        // The chosen lesson is the next one.
        SammelNameIndex = Dlg->ItemIndex() - 1;
        SendStatus(WM_USER_REFRESH, 0);
        TimerStarteSammellektion.start();
    });
}

void TForm1_TW::PM_StarteClicks(int Tag)
{
    if (Tag == 1)
        TimerStarteLektion.start();
    else if (Tag == 2)
        TimerStarteSammellektion.start();
}

int TForm1_TW::RunLektion(TLektionendatei *ALektion, int &Points)
{
    Points = 0;
    QElapsedTimer Clock;
    Clock.start();
    const int Outcome =
        ShowModal([&] { return new TAT_Text_Dlg(this, ALektion); }, nullptr,
                  [&](QDialog *D, int Result) {
                      // Read before the window goes.
                      if (Result != 5)
                          return;
                      auto *Dlg = static_cast<TAT_Text_Dlg *>(D);
                      Points = Dlg->CheckScore();
                      if (FFortschritt && ALektion)
                          FFortschritt->RecordLesson(
                              GetAktLernmaterialName(), TFortschrittMelder::BereichVon(*ALektion), ALektion->Titel(),
                              QDateTime::currentDateTime(), Points, Dlg->RichtigFalschCounter().FRichtig,
                              Dlg->RichtigFalschCounter().FFalsch, int(Clock.elapsed() / 1000));
                  },
                  [](const QString &) { return QStringLiteral("Fehler bei AT_Text_Dlg!"); });
    // Also the answers of a run that was not completed.
    if (FFortschritt && !FFortschritt->SaveFile() && !FFortschrittSaveReported) {
        // Said once a session; the log has every failed save.
        FFortschrittSaveReported = true;
        const QString Text = QStringLiteral("Dein Fortschritt konnte nicht gespeichert werden. Die Lektion zählt, "
                                            "ist aber nicht dauerhaft aufgezeichnet.\r\n%1")
                                 .arg(FFortschritt->LastErrorString);
        FHinweise << QStringLiteral("Achtung: ") + FFortschritt->LastErrorString;
        ShowSpokenBox(QMessageBox::Warning, this, ProgramTitle, Text, QMessageBox::Ok);
    }
    return Outcome;
}

void TForm1_TW::MM_AK_FortschrittClick()
{
    if (!FFortschritt)
        return;
    if (ShowFortschritt(this, *FFortschritt, GetAktLernmaterialName(), THelpSystem::IdFortschritt) ==
        TFortschrittDlg::ResultWiederholen)
        MM_AK_WiederholenClick();
    if (Re1->isVisible())
        Re1->setFocus();
}

void TForm1_TW::MM_AK_WiederholenClick()
{
    if (!FFortschritt || IsBusy())
        return;
    const QString Material = GetAktLernmaterialName();
    const QDate Today = QDate::currentDate();
    std::vector<std::unique_ptr<TLektionendatei>> Lessons =
        TWiederholungslektion::Create(*FFortschritt, Material, &FJobs->Daten(), Today);
    if (Lessons.empty()) {
        ShowSpeakText(TWiederholungslektion::Titel,
                      TWiederholungslektion::NothingDueText(*FFortschritt, Material, Today), IsSapiSpeechEnabled(),
                      true, 3, QString(), stbOK, false);
        if (Re1->isVisible())
            Re1->setFocus();
        return;
    }
    int Total = 0;
    for (const auto &L : Lessons) {
        int Points = 0;
        if (RunLektion(L.get(), Points) != 5 || IsProgramClosing) {
            if (Re1->isVisible())
                Re1->setFocus();
            return;
        }
        Total += std::max(0, Points);
    }
    ReportCompleted(QStringLiteral("Die Wiederholung ist abgeschlossen!"), Total);
}

void TForm1_TW::ReportCompleted(const QString &Done, int Points)
{
    // Points may be negative; only gains count.
    if (Points > 0)
        AddToHighScore(Points);
    SendStatus(WM_USER_REFRESH, Points > 0 ? 1 : 0);
    ShowSpeakText(QStringLiteral("Lektion abgeschlossen"), Done + QStringLiteral("\r\n") + PointsReport(Points),
                  IsSapiSpeechEnabled(), Points == 0, 13, QString(), stbOK, false);
}

void TForm1_TW::TimerStarteLektionTimer()
{
    TimerStarteLektion.stop();
    if (!Lektion) {
        if (MM_AK_EL_Liste->isEnabled())
            MM_AK_EL_Liste->trigger();
        return;
    }
    int Points = 0;
    if (RunLektion(Lektion, Points) != 5) {
        if (Re1->isVisible())
            Re1->setFocus();
        return;
    }
    ReportCompleted(QStringLiteral("Die Lektion ist abgeschlossen!"), Points);
}

void TForm1_TW::TimerStarteSammellektionTimer()
{
    TimerStarteSammellektion.stop();
    if (!Sammellektion || Sammellektion->Count() == 0) {
        if (MM_AK_SL_Liste->isEnabled())
            MM_AK_SL_Liste->trigger();
        return;
    }
    const QString LastLesson = QStringLiteral("Die letzte Lektion wurde erreicht!\r\n%1Soll die erste Lektion "
                                              "nochmals gestartet werden?");
    for (;;) {
        int I = SammelNameIndex + 1;
        if (I >= Sammellektion->Count()) {
            SammelNameIndex = -1;
            if (ShowSpeakText(QStringLiteral("Lektion abgeschlossen"), LastLesson.arg(QString()), IsSapiSpeechEnabled(),
                              true, 13, QString(), stbYesNo, false) != 6)
                break;
            I = 0;
        }
        TLektionendatei *L = Sammellektion->Get(I);
        int Points = 0;
        // A lesson that is not completed is started again next time.
        if (!L || RunLektion(L, Points) != 5 || IsProgramClosing)
            break;
        if (Points > 0) {
            AddToHighScore(Points);
            SendStatus(WM_USER_REFRESH, 1);
        }
        const QString Report = QStringLiteral("\r\n") + PointsReport(Points) + QStringLiteral("\r\n");
        int Answer;
        if (I < Sammellektion->Count() - 1) {
            SammelNameIndex = I;
            Answer = ShowSpeakText(QStringLiteral("Lektion abgeschlossen"),
                                   QStringLiteral("Die Lektion ist abgeschlossen!") + Report +
                                       QStringLiteral("Soll die nächste Lektion gestartet werden?"),
                                   IsSapiSpeechEnabled(), Points == 0, 13, QString(), stbYesNo, false);
        } else {
            SammelNameIndex = -1;
            Answer = ShowSpeakText(QStringLiteral("Lektion abgeschlossen"), LastLesson.arg(Report.mid(2)),
                                   IsSapiSpeechEnabled(), Points == 0, 13, QString(), stbYesNo, false);
        }
        if (Answer != 6)
            break;
        QThread::msleep(10);
    }
    SendStatus(WM_USER_REFRESH, 0);
}

void TForm1_TW::MM_EinstellungenClick()
{
    auto WithValue = [](QAction *A, const QString &Value) {
        QString S = A->text();
        const int Start = int(S.indexOf(QStringLiteral(" = ")));
        const int End = Start < 0 ? -1 : int(S.indexOf(QStringLiteral("..."), Start));
        if (Start >= 0 && End >= 0)
            A->setText(S.left(Start + 3) + Value + S.mid(End));
    };
    WithValue(MM_E_BrailleChars, QString::number(BrailleChars));
    WithValue(MM_E_BrailleSize, QStringLiteral("+") + QString::number(BrailleSize));
    MM_E_CloseCheck->setChecked(CloseCheck);
    MM_E_Querztastatur->setChecked(Querztastatur);
    MM_E_Sounds->setChecked(SoundsEnabled);
    MM_E_SplashScreen->setChecked(ShowSplashScreen);
    MM_E_EineTaste->setChecked(EineTasteNachDerAnderen);
    MM_E_ZeichenAnsagen->setChecked(ZeichenAnsagen);
    MM_E_HighScoreClear->setEnabled(HighScore > 0);
}

void TForm1_TW::MM_E_Clicks(int Tag)
{
    switch (Tag) {
    case 1:
        ShowSplashScreen = !ShowSplashScreen;
        break;
    case 2:
        SoundsEnabled = !SoundsEnabled;
        break;
    case 4:
        Querztastatur = !Querztastatur;
        break;
    case 6:
        CloseCheck = !CloseCheck;
        break;
    case 8:
        if (AskSpoken(this, ProgramTitle, QStringLiteral("Soll der Punktestand auf 0 gesetzt werden?")) ==
            QMessageBox::Yes) {
            HighScore = 0;
            SendStatus(WM_USER_REFRESH, 0);
        }
        activateWindow();
        break;
    case 5:
        ShowBrailleCharsDlg(bcdChars);
        break;
    case 9:
        if (ShowBrailleCharsDlg(bcdSize) == 1)
            Re1->setFont(PaneFont());
        break;
    case 7:
        ShowStimmeDlg(this);
        break;
    case 10:
        ShowTastaturtest(this, THelpSystem::IdTastaturtest);
        break;
    case 11:
        EineTasteNachDerAnderen = !EineTasteNachDerAnderen;
        break;
    case 12:
        ZeichenAnsagen = !ZeichenAnsagen;
        break;
    default:
        break;
    }
    MM_EinstellungenClick();
}

void TForm1_TW::MM_A_BackFontClick()
{
    // The font dialog's page while it is open, whatever happens in it.
    const int HelpIdBefore = FHelpSystem ? FHelpSystem->HelpId() : 3;
    if (FHelpSystem)
        FHelpSystem->SetHelpId(18);
    ShowModal([this] { return new TBackFontDlg(this, AktBackColor, AktFont, FSpeech ? &FSpeech->Tolk() : nullptr); },
              nullptr,
              [this](QDialog *D, int Result) {
                  if (Result != 1)
                      return;
                  auto *Dlg = static_cast<TBackFontDlg *>(D);
                  AktBackColor = Dlg->GetNewBackColor();
                  AktFont = Dlg->GetNewFont();
                  ApplyDisplaySettings();
              },
              [](const QString &) { return QStringLiteral("Fehler bei BackFontDlg!"); });
    if (FHelpSystem)
        FHelpSystem->SetHelpId(HelpIdBefore);
}

void TForm1_TW::MM_DateiClick()
{
    MM_D_DesktopLink->setChecked(QFileInfo::exists(DesktopLinkPlace(DesktopLinkFile)));
}

void TForm1_TW::MM_D_DesktopLinkClick()
{
    const QString LinkFile = DesktopLinkPlace(DesktopLinkFile);
    if (MM_D_DesktopLink->isChecked()) {
        if (QFileInfo::exists(LinkFile)) {
            MakeFileWritable(LinkFile);
            if (!QFile::remove(LinkFile))
                LogAdd(QStringLiteral("Programmverknüpfung \"%1\" konnte nicht gelöscht werden!").arg(LinkFile));
        }
    } else {
        QString Icon;
        for (const char *Name : {"Tastwerk.svg", "Tastwerk.png"})
            if (QFileInfo::exists(ProgramPath + QLatin1String(Name))) {
                Icon = ProgramPath + QLatin1String(Name);
                break;
            }
        // Desktops want a comment that says more than the name.
        if (!CreateDesktopLink(LinkFile, QCoreApplication::applicationFilePath(), {}, ProgramPath,
                               QStringLiteral("Deutsche Brailleschrift lesen und schreiben lernen"), Icon))
            LogAdd(QStringLiteral("Programmverknüpfung \"%1\" konnte nicht erstellt werden!").arg(LinkFile));
    }
    MM_DateiClick();
}

void TForm1_TW::MM_HilfeClick()
{
    const bool Ready = FHelpSystem && !FHelpSystem->IsCreatingHtmlFiles();
    MM_H_Hilfe->setEnabled(Ready);
    MM_H_Kurztasten->setEnabled(Ready);
    MM_H_Einleitung->setEnabled(QFileInfo::exists(ProgramPath + QStringLiteral("Einleitung.txt")));
    MM_H_History->setEnabled(QFileInfo::exists(ProgramPath + QStringLiteral("History.txt")));
    const QFileInfo Nachzug(ProgramPath + UpdateProgramName);
    MM_H_Update->setEnabled(Nachzug.isFile() && Nachzug.isExecutable());
    // The links live beside the update server's address; read anew each
    // time, so an edited file counts without a restart.
    const TUpdater::TMakerLinks Links = TUpdater::ReadMakerLinks(DataPath + QStringLiteral("Updateserver.txt"));
    FMail = Links.Mail;
    FHomepage = Links.Homepage;
    MM_H_Mail->setEnabled(!FMail.isEmpty());
    MM_H_Homepage->setEnabled(!FHomepage.isEmpty());
}

void TForm1_TW::MM_H_MailHomepageSpendenClick(int Tag)
{
    QUrl Url;
    if (Tag == 1 && !FMail.isEmpty())
        Url = QUrl(QStringLiteral("mailto:") + FMail);
    else if (Tag == 2)
        Url = FHomepage;
    if (Url.isValid() && !Url.isEmpty())
        QDesktopServices::openUrl(Url);
}

void TForm1_TW::MM_H_UpdateClick()
{
    // A folder of our own in the shared temporary folder (only we may enter
    // it): nobody else's file or link can stand in the hand-over file's
    // place. The update program gets the file's full path.
    QTemporaryDir Own(QDir(QDir::tempPath()).filePath(QStringLiteral("Tastwerk-Update-XXXXXX")));
    Own.setAutoRemove(false);
    const QString File = Own.isValid() ? Own.filePath(UpdateHandOverName)
                                       : QDir(QDir::tempPath()).filePath(UpdateHandOverName);
    const QStringList Lines{
        ProgramTitle,
        windowTitle(),
        QCoreApplication::applicationFilePath(),
        QStringLiteral("Tastwerk"),
        QStringLiteral("%1 %2").arg(QString::number(AktFont.Size), AktFont.Name),
        QStringLiteral("%1 %2 %3").arg(AktFont.Bold ? 1 : 0).arg(AktFont.Color).arg(AktBackColor),
    };
    const QByteArray Data = (Lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
    if (!Own.isValid() || !WriteFileWhole(File, Data, UserFileWriteAttempts)) {
        ShowSpokenBox(QMessageBox::Critical, this, ProgramTitle,
                      QStringLiteral("Es ist ein Fehler beim Aktualisieren aufgetreten!\r\n"
                                     "Die Datei \"%1\" konnte nicht gespeichert werden.")
                          .arg(File));
        activateWindow();
        return;
    }
    if (!QProcess::startDetached(ProgramPath + UpdateProgramName, {File}))
        LogAdd(QStringLiteral("Das Update-Programm \"%1\" konnte nicht gestartet werden!")
                   .arg(ProgramPath + UpdateProgramName));
}

void TForm1_TW::MM_H_HilfeSystemClicks(int Tag)
{
    switch (Tag) {
    case 1:
    case 2:
    case 4:
        TimerShowHelp.setProperty("Tag", Tag == 4 ? 22 : Tag);
        TimerShowHelp.start();
        break;
    case 3:
        TimerShowHelp.setProperty("Tag", 0);
        TimerShowHelp.start();
        break;
    case 5: {
        // The change history opens in the desktop's text viewer.
        const QString File = ProgramPath + QStringLiteral("History.txt");
        if (QFileInfo::exists(File))
            OpenDocument(File);
        break;
    }
    default:
        break;
    }
}

void TForm1_TW::TimerShowHelpTimer()
{
    TimerShowHelp.stop();
    const int Id = TimerShowHelp.property("Tag").toInt();
    if (!FHelpSystem)
        return;
    if (Id != 0) {
        FHelpSystem->OpenHtmlFile(Id);
        return;
    }
    const bool FirstStartOfUser = !QFileInfo::exists(ProfilePath + SettingsFileName);
    ShowEinleitungDlg();
    activateWindow();
    TSammeldatei *Standard = FHelpSystem->FIsEinleitungFirstStart && FirstStartOfUser && !IsProgramClosing &&
                                     QFileInfo::exists(SammellektionenPath + StandardSammellektion)
                                 ? FJobs->Sammellektionen().FindSammeldatei(StandardSammellektion)
                                 : nullptr;
    // Offered by its title, the name the learner knows from the introduction.
    if (Standard &&
        AskSpoken(this, ProgramTitle,
                  QStringLiteral("Soll jetzt die Sammellektion „%1“ gestartet werden?").arg(Standard->Titel())) ==
            QMessageBox::Yes) {
        Sammellektion = Standard;
        SammelName = Standard->FileInfo().Name;
        SammelNameIndex = -1;
        SendStatus(WM_USER_REFRESH, 0);
        TimerStarteSammellektion.setProperty("Tag", 0);
        TimerStarteSammellektion.start(5);
    }
    FHelpSystem->FIsEinleitungFirstStart = false;
}

void TForm1_TW::MM_H_InfoClick()
{
    const QStringList Lines{
        ProgramTitle,
        QStringLiteral("Tastwerk ist ein Programm zum Erlernen der deutschen Brailleschrift"),
        QString(),
        QStringLiteral("Freie Software unter der GNU General Public License, Version 3 oder später."),
        QStringLiteral("Tastwerk baut auf freien Bibliotheken auf: Qt 6, Speech Dispatcher, eSpeak NG, "
                       "BrlAPI von BRLTTY, cmark, libsndfile, TagLib, Xlib und OpenSSL."),
        QStringLiteral("Vielen Dank allen, die daran mitarbeiten."),
    };
    ShowSpokenBox(QMessageBox::Information, this, ProgramTitle, Lines.join(u'\n'));
    activateWindow();
}

void TForm1_TW::WMUserAutoClose()
{
    AutoClose = true;
    // Open windows close first, each returning as if cancelled; the close
    // follows once their callers have finished.
    if (QWidget *Modal = QApplication::activeModalWidget(); Modal && Modal != this) {
        // Windows that ask before they close do not ask now.
        Modal->setProperty("AutoClose", true);
        if (auto *D = qobject_cast<QDialog *>(Modal))
            D->reject();
        else
            Modal->close();
        QTimer::singleShot(0, this, [this] { WMUserAutoClose(); });
        return;
    }
    MM_D_Beenden->trigger();
}

void TForm1_TW::WMUserActivate()
{
    // The program and every open window of it come to the front, dialogs
    // above their owners, depth first in the order they were made.
    auto Raise = [](QWidget *W) {
        if (W->isMinimized())
            W->showNormal();
        W->raise();
        W->activateWindow();
    };
    Raise(this);
    std::function<void(QWidget *)> Owned = [&](QWidget *Owner) {
        for (QObject *O : Owner->children())
            if (auto *W = qobject_cast<QWidget *>(O);
                W && W->isWindow() && W->isVisible() && !qobject_cast<QMenu *>(W)) {
                Raise(W);
                Owned(W);
            }
    };
    Owned(this);
    for (QWidget *W : QApplication::topLevelWidgets())
        if (W != this && W->isVisible() && !W->parentWidget() && W != SplashScreenForm && !qobject_cast<QMenu *>(W)) {
            Raise(W);
            Owned(W);
        }
    if (QWidget *Modal = QApplication::activeModalWidget())
        Raise(Modal);
}

bool TForm1_TW::FormCloseQuery()
{
    bool Allowed =
        AutoClose || !CloseCheck ||
        AskSpoken(this, ProgramTitle, QStringLiteral("Soll das Programm geschlossen werden?")) == QMessageBox::Yes;
    AutoClose = false;
    if (Allowed) {
        MainWindowState = isMaximized() ? 2 : 0;
        if (!SaveSettingsFile(ProfilePath + SettingsFileName))
            Allowed = ShowSpokenBox(QMessageBox::Warning, this, ProgramTitle,
                                    QStringLiteral("Die Einstellungen konnten nicht gespeichert werden!\r\n"
                                                   "Soll das Programm trotzdem geschlossen werden?"),
                                    QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }
    if (!Allowed)
        activateWindow();
    return Allowed;
}

void TForm1_TW::FormClose()
{
    IsProgramClosing = true;
    FLoadWait.stop();
    // At most about a second for the background work; loaders stop at their
    // next look at the flag.
    for (int Round = 0; Round < 100 && FJobs && (!FJobs->StatusOK() || !FJobs->Lektionen().StatusOK()); ++Round) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(10);
    }
}

void TForm1_TW::closeEvent(QCloseEvent *E)
{
    if (FClosing) {
        E->accept();
        return;
    }
    if (!FormCloseQuery()) {
        E->ignore();
        return;
    }
    FClosing = true;
    FormClose();
    E->accept();
}
