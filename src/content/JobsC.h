#pragma once

#include "content/BereicheC.h"
#include "content/DatenC.h"
#include "content/LektionenC.h"
#include "content/LernmaterialienC.h"
#include "content/SammellektionenC.h"

#include <QObject>
#include <thread>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

// Loads the program's content in the background and owns the content
// collections. Two jobs: the initial load at program start, and the reload
// after the learner chose another learning material. The main window hears
// of each job's start and end (WM_USER_STATUS with WM_USER_JOBS) and uses the
// collections only while StatusOK() is true and no lesson-list work runs.
class TJobs
{
public:
    // Create on the main thread.
    explicit TJobs(QObject *AHnd);
    // Waits for the job threads (handling events; the owner sets
    // IsProgramClosing first to make them stop soon), then frees the
    // collections.
    ~TJobs();

    TJobs(const TJobs &) = delete;
    TJobs &operator=(const TJobs &) = delete;

    // Starts the initial load unless it is running.
    void LoadFiles();
    // Starts a reload of what depends on the learning material, unless one
    // is running; an initial load still running gives up at its next step.
    void ReloadFiles();

    int Status() const { return FStatus.load(); }
    bool StatusOK() const { return FStatus.load() == 0; }
    // True while a job thread exists (running or waiting to run).
    bool IsRunning() const;
    // Waits until no job thread exists, handling events on the main thread.
    void WaitForJobs();

    TDaten &Daten() { return *FDaten; }
    TLektionen &Lektionen() { return *FLektionen; }
    TSammellektionen &Sammellektionen() { return *FSammellektionen; }
    TBereiche &Bereiche() { return *FBereiche; }
    TLernmaterialien &Lernmaterialien() { return *FLernmaterialien; }

    // Work of the initial load that belongs to other parts of the program:
    // preparing sound, screen reader and voice, and building the help pages.
    std::function<void()> OnPrepareOutputs;
    std::function<void()> OnCreateHelpPages;

private:
    void StartThread(std::function<void()> Job);
    void LoadFilesThread(int Generation);
    void ReloadFilesThread();
    void LoadBasics();
    void BeginJob(int AStatus);
    void EndJob();

    QObject *FMainWindowHandle;
    // Counts the reloads asked for. An initial load gives up as soon as a
    // reload was asked for after it was started, even one that has already
    // run by the time the initial load looks.
    std::atomic<int> FBreakLoad{0};
    std::atomic<int> FStatus{0};
    std::atomic<bool> FBasicsLoaded{false};
    std::mutex FReloadMutex; // one reload works at a time
    struct TJobThread {
        std::thread Thread;
        std::atomic<bool> Done{false};
    };
    mutable std::mutex FThreadsMutex;
    std::vector<std::unique_ptr<TJobThread>> FThreads;

    std::unique_ptr<TDaten> FDaten;
    std::unique_ptr<TLektionen> FLektionen;
    std::unique_ptr<TSammellektionen> FSammellektionen;
    std::unique_ptr<TBereiche> FBereiche;
    std::unique_ptr<TLernmaterialien> FLernmaterialien;
};
