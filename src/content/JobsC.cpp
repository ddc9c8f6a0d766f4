#include "content/JobsC.h"

#include "braille/BrlUniCharC.h"
#include "content/GlobalsC.h"
#include "content/MessagesC.h"
#include "content/TypenHelperC.h"
#include "log/LogC.h"

TJobs::TJobs(QObject *AHnd)
    : FMainWindowHandle(AHnd)
{
    FDaten = std::make_unique<TDaten>(AHnd);
    FLektionen = std::make_unique<TLektionen>(AHnd, FDaten.get());
    FSammellektionen = std::make_unique<TSammellektionen>(AHnd, FLektionen.get());
    FBereiche = std::make_unique<TBereiche>(AHnd, FLektionen.get());
    FLernmaterialien = std::make_unique<TLernmaterialien>(AHnd);
}

TJobs::~TJobs()
{
    WaitForJobs();
    // No job thread is left; lesson-list work ends before the lessons go.
    FLernmaterialien.reset();
    FBereiche.reset();
    FSammellektionen.reset();
    FLektionen.reset();
    FDaten.reset();
}

bool TJobs::IsRunning() const
{
    std::lock_guard Lock(FThreadsMutex);
    for (const auto &T : FThreads)
        if (!T->Done)
            return true;
    return false;
}

void TJobs::WaitForJobs()
{
    WaitHandlingEvents([this] { return !IsRunning(); });
    std::lock_guard Lock(FThreadsMutex);
    for (const auto &T : FThreads)
        T->Thread.join();
    FThreads.clear();
}

void TJobs::StartThread(std::function<void()> Job)
{
    std::lock_guard Lock(FThreadsMutex);
    // Threads that have ended are joined here rather than by themselves.
    std::erase_if(FThreads, [](const std::unique_ptr<TJobThread> &T) {
        if (!T->Done)
            return false;
        T->Thread.join();
        return true;
    });
    auto T = std::make_unique<TJobThread>();
    TJobThread *Raw = T.get();
    Raw->Thread = std::thread([Raw, Job = std::move(Job)] {
        Job();
        Raw->Done = true;
    });
    FThreads.push_back(std::move(T));
}

void TJobs::LoadFiles()
{
    if (FStatus.load() != 1)
        StartThread([this, Generation = FBreakLoad.load()] { LoadFilesThread(Generation); });
}

void TJobs::ReloadFiles()
{
    if (FStatus.load() == 2)
        return;
    ++FBreakLoad;
    StartThread([this] { ReloadFilesThread(); });
}

void TJobs::BeginJob(int AStatus)
{
    SendMessage(FMainWindowHandle, WM_USER_STATUS, WM_USER_JOBS, AStatus);
}

void TJobs::EndJob()
{
    FStatus.exchange(0);
    SendMessage(FMainWindowHandle, WM_USER_STATUS, WM_USER_JOBS, 0);
}

void TJobs::LoadBasics()
{
    if (BrlUniChar)
        BrlUniChar->LoadFile();
    if (AufgabenTypen)
        AufgabenTypen->LoadFile();
    if (DatendateiTypen)
        DatendateiTypen->LoadFile();
    FBasicsLoaded = true;
}

void TJobs::LoadFilesThread(int Generation)
{
    auto Stop = [this, Generation] { return IsProgramClosing || FBreakLoad.load() != Generation; };
    // Wait until no other job holds the content, then claim it.
    while (true) {
        if (Stop())
            return;
        int Free = 0;
        if (FStatus.compare_exchange_strong(Free, 1))
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    BeginJob(1);

    if (OnPrepareOutputs)
        OnPrepareOutputs();
    if (Stop())
        return EndJob();
    if (OnCreateHelpPages)
        OnCreateHelpPages();
    if (Stop())
        return EndJob();
    if (BrlUniChar)
        BrlUniChar->LoadFile();
    if (Stop())
        return EndJob();
    if (AufgabenTypen)
        AufgabenTypen->LoadFile();
    if (Stop())
        return EndJob();
    if (DatendateiTypen)
        DatendateiTypen->LoadFile();
    FBasicsLoaded = true;
    if (Stop())
        return EndJob();
    FDaten->LoadFiles();
    if (Stop())
        return EndJob();
    FLektionen->LoadFiles();
    if (Stop())
        return EndJob();
    FSammellektionen->LoadFiles();
    if (Stop())
        return EndJob();
    FBereiche->LoadFile();
    if (Stop())
        return EndJob();
    FLernmaterialien->LoadOrdner();
    if (!Stop())
        if (TLog *L = ProcessLog())
            L->SaveFile();
    EndJob();
}

void TJobs::ReloadFilesThread()
{
    // One reload after the other.
    std::unique_lock Serial(FReloadMutex, std::defer_lock);
    while (!Serial.try_lock()) {
        if (IsProgramClosing)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    while (true) {
        if (IsProgramClosing)
            return;
        int Free = 0;
        if (FStatus.compare_exchange_strong(Free, 2))
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    BeginJob(2);

    // The initial load gave up before the table and the type lists: without
    // them nothing else would work for the rest of the run.
    if (!FBasicsLoaded)
        LoadBasics();

    // Nothing the lesson lists still read may go away under them.
    FLektionen->WaitForLists();
    FLernmaterialien->Clear();
    FBereiche->Clear();
    FSammellektionen->LastErrorString.clear();
    FSammellektionen->Clear();
    FLektionen->Clear();
    FDaten->Clear();

    FDaten->LoadFiles();
    if (IsProgramClosing)
        return EndJob();
    FLektionen->LoadFiles();
    if (IsProgramClosing)
        return EndJob();
    FSammellektionen->LoadFiles();
    if (IsProgramClosing)
        return EndJob();
    FBereiche->LoadFile();
    if (IsProgramClosing)
        return EndJob();
    FLernmaterialien->LoadOrdner();
    if (!IsProgramClosing)
        if (TLog *L = ProcessLog())
            L->SaveFile();
    EndJob();
}
