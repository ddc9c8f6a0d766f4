#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// A few worker threads that run queued tasks, such as building the lists of
// the lessons. Threads start when work comes and stay until the queue is
// freed. Built on the standard library's threads, so that race checkers see
// every hand-over.
class TWorkQueue
{
public:
    explicit TWorkQueue(int MaxThreads);
    // Runs what is queued, then ends the threads.
    ~TWorkQueue();

    TWorkQueue(const TWorkQueue &) = delete;
    TWorkQueue &operator=(const TWorkQueue &) = delete;

    void Start(std::function<void()> Task);
    // True when no task is queued or running.
    bool IsIdle() const;
    // Blocks until IsIdle().
    void WaitForDone();

private:
    void Worker();

    const int FMaxThreads;
    mutable std::mutex FMutex;
    std::condition_variable FWork;
    std::condition_variable FIdle;
    std::deque<std::function<void()>> FTasks;
    int FRunning = 0;
    int FWaiting = 0;
    bool FStop = false;
    std::vector<std::thread> FThreads;
};
