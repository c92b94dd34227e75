#include "platform/Thread.h"

#include "platform/Ask.h"

#include <atomic>

#include <QCoreApplication>
#include <QPointer>
#include <QtDebug>

#include <deque>
#include <exception>
#include <set>

namespace {

// Calls waiting to run in the main thread.  The main thread serves them from
// its event loop (one posted event per call) and, while it waits for a
// thread in TThread::WaitFor, directly from here, so a worker that needs the
// main thread while the main thread waits for it does not deadlock.
class MainThreadCalls {
public:
    struct Call {
        const std::function<void()>* f = nullptr;
        bool done = false;
        std::exception_ptr error;
        // A call nobody waits for: the queue owns it and frees it once run.
        std::function<void()> posted;
    };

    std::mutex mutex;
    std::condition_variable changed;
    std::deque<Call*> queue;

    static MainThreadCalls& instance()
    {
        static MainThreadCalls calls;
        return calls;
    }

    void push(Call* call)
    {
        {
            std::lock_guard lock(mutex);
            queue.push_back(call);
        }
        changed.notify_all();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] { MainThreadCalls::instance().serve(); }, Qt::QueuedConnection);
    }

    void serve()
    {
        for (;;) {
            Call* call;
            {
                std::lock_guard lock(mutex);
                if (queue.empty()) return;
                call = queue.front();
                queue.pop_front();
            }
            if (!call->f) {
                try {
                    call->posted();
                } catch (const std::exception& e) {
                    qWarning("A call queued for the main thread raised: %s", e.what());
                } catch (...) {
                    qWarning("A call queued for the main thread raised an exception");
                }
                delete call;
                continue;
            }
            try {
                (*call->f)();
            } catch (...) {
                call->error = std::current_exception();
            }
            {
                std::lock_guard lock(mutex);
                call->done = true;
            }
            changed.notify_all();
        }
    }
};

bool inMainThread()
{
    QCoreApplication* app = QCoreApplication::instance();
    return !app || QThread::currentThread() == app->thread();
}

QThread::Priority qtPriority(TThreadPriority p)
{
    switch (p) {
        case TThreadPriority::tpIdle: return QThread::IdlePriority;
        case TThreadPriority::tpLowest: return QThread::LowestPriority;
        case TThreadPriority::tpLower: return QThread::LowPriority;
        case TThreadPriority::tpNormal: return QThread::NormalPriority;
        case TThreadPriority::tpHigher: return QThread::HighPriority;
        case TThreadPriority::tpHighest: return QThread::HighestPriority;
        case TThreadPriority::tpTimeCritical: return QThread::TimeCriticalPriority;
    }
    return QThread::NormalPriority;
}

}  // namespace

void runInMainThread(const std::function<void()>& f)
{
    if (inMainThread()) {
        f();
        return;
    }
    MainThreadCalls& calls = MainThreadCalls::instance();
    MainThreadCalls::Call call;
    call.f = &f;
    calls.push(&call);
    {
        std::unique_lock lock(calls.mutex);
        calls.changed.wait(lock, [&] { return call.done; });
    }
    if (call.error) std::rethrow_exception(call.error);
}

void postToMainThread(std::function<void()> f)
{
    if (!QCoreApplication::instance()) {
        f();
        return;
    }
    auto* call = new MainThreadCalls::Call;
    call->posted = std::move(f);
    MainThreadCalls::instance().push(call);
}

class TThread::Runner : public QThread {
public:
    explicit Runner(TThread* owner) : owner_(owner) {}

protected:
    void run() override { owner_->run(); }

private:
    TThread* owner_;
};

TThread::TThread(bool createSuspended) : runner_(new Runner(this))
{
    if (!createSuspended && QCoreApplication::instance()) {
        // Execute is not callable until the derived constructor has finished.
        QMetaObject::invokeMethod(
            runner_, [this] { start(); }, Qt::QueuedConnection);
    }
}

TThread::~TThread()
{
    bool running;
    {
        std::lock_guard lock(mutex_);
        running = started_ && !finished_;
        terminated_ = true;
    }
    if (running) {
        Resume();
        if (inMainThread())
            WaitFor();
        else
            runner_->wait();
    }
    runner_->wait();
    delete runner_;
}

void TThread::start()
{
    {
        std::lock_guard lock(mutex_);
        if (started_) return;
        started_ = true;
        suspended_ = false;
    }
    runner_->start(qtPriority(priority_));
}

void TThread::Resume()
{
    bool first;
    {
        std::lock_guard lock(mutex_);
        first = !started_;
        if (!first) suspended_ = false;
    }
    if (first)
        start();
    else
        wake_.notify_all();
}

void TThread::Suspend()
{
    std::unique_lock lock(mutex_);
    if (terminated_ || QThread::currentThread() != runner_) return;
    suspended_ = true;
    wake_.wait(lock, [this] { return !suspended_; });
}

void TThread::Terminate()
{
    std::lock_guard lock(mutex_);
    terminated_ = true;
}

bool TThread::Terminated() const
{
    std::lock_guard lock(mutex_);
    return terminated_;
}

bool TThread::Suspended() const
{
    std::lock_guard lock(mutex_);
    return suspended_;
}

bool TThread::Finished() const
{
    std::lock_guard lock(mutex_);
    return finished_;
}

void TThread::SetPriority(TThreadPriority priority)
{
    bool running;
    {
        std::lock_guard lock(mutex_);
        priority_ = priority;
        running = started_ && !finished_;
    }
    if (running) runner_->setPriority(qtPriority(priority));
}

int TThread::WaitFor()
{
    start();  // a thread that was never resumed would otherwise be waited for forever
    if (inMainThread() && QThread::currentThread() != runner_) {
        MainThreadCalls& calls = MainThreadCalls::instance();
        for (;;) {
            calls.serve();
            std::unique_lock lock(calls.mutex);
            calls.changed.wait(lock, [&] { return !calls.queue.empty() || Finished(); });
            if (calls.queue.empty() && Finished()) break;
        }
    }
    runner_->wait();
    return ReturnValue;
}

namespace {
std::atomic<long> synchronizedCalls{0};
}

long TThread::SynchronizedCalls() { return synchronizedCalls.load(); }

namespace {
// Self-freeing threads that have ended and wait for their queued free.
std::mutex endedMutex;
std::set<TThread*>& endedThreads()
{
    static std::set<TThread*> threads;
    return threads;
}
}  // namespace

void TThread::Synchronize(const std::function<void()>& f)
{
    ++synchronizedCalls;
    runInMainThread(f);
}

void TThread::run()
{
    // What ends a thread early is shown by the main thread, as the failure of
    // a command would be; the thread goes on to its end meanwhile, so an
    // owner waiting for it is not held up by the box.
    try {
        Execute();
    } catch (...) {
        ask::exceptionMessageLater(std::current_exception());
    }
    if (OnTerminate) {
        try {
            Synchronize(OnTerminate);
        } catch (...) {
            ask::exceptionMessageLater(std::current_exception());
        }
    }
    bool freeSelf = FreeOnTerminate;
    MainThreadCalls& calls = MainThreadCalls::instance();
    {
        std::lock_guard outer(calls.mutex);
        std::lock_guard lock(mutex_);
        finished_ = true;
    }
    calls.changed.notify_all();
    if (freeSelf && QCoreApplication::instance()) {
        // Deleting waits for this QThread to finish, which it does right after.
        // The queued free is bound to the runner, so that a free done sooner
        // by FreeEnded takes the queued one with it.
        {
            std::lock_guard lock(endedMutex);
            endedThreads().insert(this);
        }
        QMetaObject::invokeMethod(
            runner_,
            [this] {
                {
                    std::lock_guard lock(endedMutex);
                    endedThreads().erase(this);
                }
                delete this;
            },
            Qt::QueuedConnection);
    }
}

void TThread::FreeEnded()
{
    std::set<TThread*> ended;
    {
        std::lock_guard lock(endedMutex);
        ended.swap(endedThreads());
    }
    for (TThread* thread : ended) delete thread;
}
