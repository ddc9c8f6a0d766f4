#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <atomic>
#include <functional>

// The help pages: built at every start from the Markdown texts in the help
// text folder into HTML pages in the help folder, and opened in the user's
// browser. Every window tells the help system which page belongs to it (its
// help id) so that F1 opens the page of the window in front. It also holds
// the introduction text.
class THelpSystem
{
public:
    static constexpr int HelpIdCount = 34; // ids 0 .. 33
    // The pages of the windows and files added after the first ones.
    static constexpr int IdFortschritt = 31;
    static constexpr int IdTastaturtest = 32;
    static constexpr int IdFortschrittsdatei = 33;

    explicit THelpSystem(QObject *AHnd = nullptr);

    // Builds every page; run by the initial load job. Today gives the date
    // in the page heads and the year range (tests pass a fixed one).
    void CreateHtmlFiles(const QDate &Today = QDate::currentDate());
    // Reads Einleitung.txt from the program folder.
    bool LoadEinleitung();
    // Opens the page of Id, or of the current help id.
    void OpenHtmlFile(int Id);
    void OpenHtmlFile() { OpenHtmlFile(HelpId()); }

    int HelpId() const { return FHelpId.load(); }
    void SetHelpId(int Id) { FHelpId = Id; }
    QString EinleitungString() const { return FEinleitungString; }
    bool IsCreatingHtmlFiles() const { return FIsCreatingHtmlFiles.load(); }

    // The page file of an id ("Hilfe.html"; "Einleitung.txt" for 0) and its
    // short title; empty outside 0 .. 30.
    static QString HelpFileName(int Id);
    static QString ShortTitle(int Id);
    // "2022", or "2022-" and the year.
    static QString YearRange(const QDate &Today);

    // True while the introduction is shown or about to be shown at start.
    bool FIsEinleitungDlgVisible = false;
    bool FIsEinleitungFirstStart = false;
    QString LastErrorString;

private:
    void SetError(const QString &S);

    [[maybe_unused]] QObject *FMainWindowHandle;
    QString FEinleitungString;
    std::atomic<int> FHelpId{1};
    std::atomic<bool> FIsCreatingHtmlFiles{false};
};

// The program's help system, created and freed by the main window; null before.
extern THelpSystem *HelpSystem;

// Opens a file in the user's default program (the browser for a page).
// The windows install the desktop's opener; tests install one that records
// the path. Without one nothing opens. Returns whether it opened.
using THelpOpener = std::function<bool(const QString &Path)>;
void InstallHelpOpener(THelpOpener Opener);
// Shows an error message to the user (the missing-page box). The windows
// install a message box; without one the text only goes to the log.
using TErrorBox = std::function<void(const QString &Text)>;
void InstallErrorBox(TErrorBox Box);
