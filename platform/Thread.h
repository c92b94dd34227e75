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

// Runs f in the main thread and waits for it (f's exception is raised again
// in the caller).  From the main thread, or before the application object
// exists, it simply calls f.  A main thread blocked in TThread::WaitFor
// serves these calls too.
void runInMainThread(const std::function<void()>& f);
// Queues f to run in the main thread and returns at once.  It runs in the
// order of the calls queued by runInMainThread, from the event loop or from a
// main thread waiting in TThread::WaitFor; what it throws goes no further
// than a warning.  Before the application object exists it simply calls f.
void postToMainThread(std::function<void()> f);

enum class TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

class TThread {
public:
    explicit TThread(bool createSuspended);
    virtual ~TThread();
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    // The first Resume starts the thread; later ones wake it from Suspend.
    // A thread created with createSuspended false starts by itself once the
    // event loop runs (the derived object is complete by then), or at the
    // first Resume or WaitFor, whichever comes first.
    void Resume();
    // Called by the thread itself: blocks until the next Resume.  Once
    // Terminate was called it returns at once, so a thread being stopped can
    // never fall asleep between the stopper's last Resume and its WaitFor.
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
    // Round trips to the main thread made so far by every thread (for measuring).
    static long SynchronizedCalls();
    // Frees, in the main thread, every self-freeing thread that has ended but
    // whose free still waits in the event queue; the owner of the threads
    // calls it when it goes, since the queue may not be served again.
    static void FreeEnded();

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
    void start();
    Runner* runner_ = nullptr;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool started_ = false;
    bool suspended_ = true;
    bool terminated_ = false;
    bool finished_ = false;
    TThreadPriority priority_ = TThreadPriority::tpNormal;
};
