#pragma once
// A worker thread with the semantics the program's threads rely on:
// created suspended, the first Resume starts it, the thread may suspend
// itself, a terminate flag it polls, and a synchronised call that runs a
// function in the main thread while the worker waits.
//
// WaitFor from the main thread keeps serving the worker's synchronised calls,
// so the main thread can wait for a worker that still needs it without a
// deadlock.  The worker never touches a widget except inside Synchronize.
#include <QThread>
#include <condition_variable>
#include <functional>
#include <mutex>

enum class TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

class TThread {
public:
    explicit TThread(bool createSuspended);
    virtual ~TThread();
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    // The first Resume starts the thread; later ones wake it from Suspend.
    void Resume();
    // Called by the thread itself: blocks until the next Resume.
    void Suspend();
    void Terminate();
    bool Terminated() const;
    bool Suspended() const;
    bool Finished() const;
    void SetPriority(TThreadPriority priority);
    TThreadPriority Priority() const { return priority_; }
    // Waits for the thread to end (serving synchronised calls meanwhile when
    // called from the main thread) and returns ReturnValue.
    int WaitFor();

    // When set, the object deletes itself (in the main thread) once Execute
    // has returned.
    bool FreeOnTerminate = false;
    int ReturnValue = 0;
    // Called in the main thread after Execute returned, before a free.
    std::function<void()> OnTerminate;

protected:
    virtual void Execute() = 0;
    // Runs f in the main thread and waits for it.  From the main thread it
    // simply calls f.
    void Synchronize(const std::function<void()>& f);

private:
    class Runner;
    void run();
    Runner* runner_ = nullptr;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool started_ = false;
    bool suspended_ = true;
    bool terminated_ = false;
    bool finished_ = false;
    TThreadPriority priority_ = TThreadPriority::tpNormal;
};
