#include "content/WorkQueueC.h"

TWorkQueue::TWorkQueue(int MaxThreads)
    : FMaxThreads(MaxThreads < 1 ? 1 : MaxThreads)
{
}

TWorkQueue::~TWorkQueue()
{
    WaitForDone();
    {
        std::lock_guard Lock(FMutex);
        FStop = true;
    }
    FWork.notify_all();
    for (std::thread &T : FThreads)
        T.join();
}

void TWorkQueue::Start(std::function<void()> Task)
{
    {
        std::lock_guard Lock(FMutex);
        FTasks.push_back(std::move(Task));
        if (FWaiting == 0 && int(FThreads.size()) < FMaxThreads)
            FThreads.emplace_back([this] { Worker(); });
    }
    FWork.notify_one();
}

bool TWorkQueue::IsIdle() const
{
    std::lock_guard Lock(FMutex);
    return FTasks.empty() && FRunning == 0;
}

void TWorkQueue::WaitForDone()
{
    std::unique_lock Lock(FMutex);
    FIdle.wait(Lock, [this] { return FTasks.empty() && FRunning == 0; });
}

void TWorkQueue::Worker()
{
    std::unique_lock Lock(FMutex);
    while (true) {
        ++FWaiting;
        FWork.wait(Lock, [this] { return FStop || !FTasks.empty(); });
        --FWaiting;
        if (FTasks.empty())
            return; // stopping
        std::function<void()> Task = std::move(FTasks.front());
        FTasks.pop_front();
        ++FRunning;
        Lock.unlock();
        Task();
        Lock.lock();
        --FRunning;
        if (FTasks.empty() && FRunning == 0)
            FIdle.notify_all();
    }
}
