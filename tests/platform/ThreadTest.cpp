#include "platform/Thread.h"
#include "tests/support/ScriptedAsk.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

namespace {

bool waitUntil(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, 10000); }

// Counts passes and suspends itself after each, as the outline thread does.
class PassThread : public TThread {
public:
    PassThread() : TThread(true) {}
    std::atomic<int> passes{0};

protected:
    void Execute() override
    {
        while (!Terminated()) {
            ++passes;
            Suspend();
        }
        ReturnValue = passes;
    }
};

TEST(WorkerThread, RunsOnlyWhenResumedAndSuspendsItself)
{
    PassThread t;
    QTest::qWait(20);
    EXPECT_EQ(t.passes, 0);
    EXPECT_TRUE(t.Suspended());
    t.Resume();
    ASSERT_TRUE(waitUntil([&] { return t.passes == 1 && t.Suspended(); }));
    t.Resume();
    ASSERT_TRUE(waitUntil([&] { return t.passes == 2 && t.Suspended(); }));
    EXPECT_FALSE(t.Finished());

    // Stopping a suspended thread: it sees the flag only once resumed.
    t.SetPriority(TThreadPriority::tpTimeCritical);
    t.Terminate();
    QTest::qWait(20);
    EXPECT_FALSE(t.Finished());
    while (t.Suspended()) t.Resume();
    EXPECT_EQ(t.WaitFor(), 2);  // the last resume ends the loop without another pass
    EXPECT_TRUE(t.Finished());
}

// Reaches Suspend only after the stopper has terminated it and given up resuming.
class LateSuspender : public TThread {
public:
    LateSuspender() : TThread(true) {}
    std::atomic<bool> go{false};

protected:
    void Execute() override
    {
        while (!go) QThread::msleep(1);
        Suspend();
    }
};

TEST(WorkerThread, TerminatedThreadDoesNotFallAsleep)
{
    LateSuspender t;
    t.Resume();
    t.Terminate();
    EXPECT_FALSE(t.Suspended());
    t.go = true;
    t.WaitFor();  // would hang if Suspend blocked after Terminate
    EXPECT_TRUE(t.Finished());
}

class SyncThread : public TThread {
public:
    explicit SyncThread(int calls) : TThread(true), calls_(calls) {}
    std::atomic<int> inMainThread{0};
    std::atomic<int> elsewhere{0};
    std::string caught;

protected:
    void Execute() override
    {
        for (int i = 0; i < calls_; ++i) {
            Synchronize([this] { (QThread::currentThread() == qApp->thread() ? inMainThread : elsewhere)++; });
        }
        try {
            Synchronize([] { throw std::runtime_error("raised in the main thread"); });
        } catch (const std::runtime_error& e) {
            caught = e.what();
        }
    }

private:
    int calls_;
};

TEST(WorkerThread, WaitForServesSynchronisedCalls)
{
    SyncThread t(200);
    t.Resume();
    t.WaitFor();
    EXPECT_EQ(t.inMainThread, 200);
    EXPECT_EQ(t.elsewhere, 0);
    EXPECT_EQ(t.caught, "raised in the main thread");
}

TEST(WorkerThread, EventLoopServesSynchronisedCalls)
{
    SyncThread t(50);
    t.Resume();
    ASSERT_TRUE(waitUntil([&] { return t.Finished(); }));
    EXPECT_EQ(t.inMainThread, 50);
    t.WaitFor();
}

class SelfFreeing : public TThread {
public:
    SelfFreeing(bool* deleted, bool suspended) : TThread(suspended), deleted_(deleted) { FreeOnTerminate = true; }
    ~SelfFreeing() override { *deleted_ = true; }

protected:
    void Execute() override { QThread::msleep(5); }

private:
    bool* deleted_;
};

TEST(WorkerThread, FreeOnTerminateCallsOnTerminateThenDeletesInTheMainThread)
{
    bool deleted = false;
    bool terminatedInMain = false;
    auto* t = new SelfFreeing(&deleted, true);
    t->OnTerminate = [&] { terminatedInMain = QThread::currentThread() == qApp->thread() && !deleted; };
    t->Resume();
    ASSERT_TRUE(waitUntil([&] { return deleted; }));
    EXPECT_TRUE(terminatedInMain);
}

class FailingThread : public TThread {
public:
    FailingThread() : TThread(true) {}

protected:
    void Execute() override { throw std::runtime_error("the outline ran out of room"); }
};

// What ends a thread, or its end handler, is shown in the main thread as the
// Error Message box; the thread runs to its end without waiting for the box.
TEST(WorkerThread, ExceptionsReachTheErrorBoxWithoutHoldingTheThread)
{
    testsupport::ScriptedAsk script;
    script.expectMessage("the outline ran out of room", "Error Message", MB_OK | MB_ICONERROR, IDOK);
    FailingThread t;
    t.Resume();
    for (int i = 0; i < 10000 && !t.Finished(); ++i) QThread::msleep(1);
    ASSERT_TRUE(t.Finished());  // while the main thread served nothing
    EXPECT_TRUE(script.messages().empty());
    ASSERT_TRUE(waitUntil([&] { return !script.messages().empty(); }));
    t.WaitFor();

    // An owner that waits for the thread, as the window does when it
    // closes, has shown the box by the time the wait ends.
    script.expectMessage("the outline ran out of room", "Error Message", MB_OK | MB_ICONERROR, IDOK);
    FailingThread waited;
    waited.Resume();
    waited.WaitFor();
    EXPECT_EQ(script.messages().size(), 2u);

    script.expectMessage("the run's end was not recorded", "Error Message", MB_OK | MB_ICONERROR, IDOK);
    bool deleted = false;
    auto* freed = new SelfFreeing(&deleted, true);
    freed->OnTerminate = [] { throw std::runtime_error("the run's end was not recorded"); };
    freed->Resume();
    ASSERT_TRUE(waitUntil([&] { return deleted && script.messages().size() == 3; }));
}

TEST(WorkerThread, ThreadCreatedRunningStartsFromTheEventLoop)
{
    bool deleted = false;
    new SelfFreeing(&deleted, false);
    ASSERT_TRUE(waitUntil([&] { return deleted; }));
}

}  // namespace
