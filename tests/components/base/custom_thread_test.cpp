#include "components/base/custom_thread.h"
#include "components/base/types.h"

#include <QCoreApplication>
#include <QFile>
#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>
#include <utility>

namespace {

using namespace std::chrono_literals;

QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "components_base_test";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

class TSampleThread final : public TWkCustomThread {
public:
    std::function<void(TSampleThread&)> body;

    using TWkCustomThread::Synchronize;

protected:
    void Execute() override {
        if (body)
            body(*this);
    }
};

// Fails the process instead of hanging when a wait on the UI thread deadlocks.
class Watchdog {
public:
    Watchdog()
        : thread([this] {
              if (done.get_future().wait_for(10s) == std::future_status::timeout) {
                  ADD_FAILURE() << "deadlock";
                  std::abort();
              }
          }) {}
    ~Watchdog() {
        done.set_value();
        thread.join();
    }

private:
    std::promise<void> done;
    std::thread thread;
};

TEST(CustomThreadName, ClassNameFollowsTheStoredName) {
    struct Case {
        QString stored;
        QString expected;
    };
    const Case cases[] = {
        {QStringLiteral("Reader"), QStringLiteral("Reader {(anonymous namespace)::TSampleThread}")},
        {QString(), QStringLiteral("(anonymous namespace)::TSampleThread")},
    };
    for (const auto& c : cases) {
        TSampleThread thread;
        thread.SetThreadName(c.stored);
        EXPECT_EQ(thread.GetThreadName(), c.expected) << c.stored.toStdString();
    }
}

TEST(CustomThreadName, NamesTheCallingThreadAndCallsTheHook) {
    static QByteArray hookName;
    static DWORD hookId = 0;
    WkNameThreadHook = [](const QByteArray& name, DWORD id) {
        hookName = name;
        hookId = id;
    };
    QByteArray seenComm;
    DWORD tid = 0;
    TSampleThread thread;
    thread.body = [&](TSampleThread& self) {
        self.NameThread(QStringLiteral("Reader thread with a long name"));
        tid = self.ThreadID();
        QFile comm(QStringLiteral("/proc/thread-self/comm"));
        if (comm.open(QIODevice::ReadOnly))
            seenComm = comm.readAll().trimmed();
    };
    thread.Start();
    thread.WaitFor();
    WkNameThreadHook = nullptr;

    EXPECT_NE(tid, 0u);
    EXPECT_EQ(seenComm, QByteArray("Reader thread w"));
    EXPECT_EQ(hookName, QByteArray("Reader thread with a long name"));
    EXPECT_EQ(hookId, TWkCustomThread::CurrentThreadId);
}

TEST(CustomThreadHandOver, RunsOnTheUiThreadThroughTheEventLoop) {
    auto& app = App();
    std::thread::id ranOn;
    TSampleThread thread;
    thread.body = [&](TSampleThread& self) {
        self.Synchronize([&] { ranOn = std::this_thread::get_id(); });
    };
    thread.Start();
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (!thread.Finished() && std::chrono::steady_clock::now() < deadline)
        app.processEvents(QEventLoop::AllEvents, 10);
    ASSERT_TRUE(thread.Finished());
    thread.WaitFor();
    EXPECT_EQ(ranOn, std::this_thread::get_id());
}

TEST(CustomThreadHandOver, WaitingOnTheUiThreadServesAPendingHandOver) {
    App();
    Watchdog watchdog;
    std::promise<void> handingOver;
    int calls = 0;
    TSampleThread thread;
    thread.body = [&](TSampleThread& self) {
        handingOver.set_value();
        self.Synchronize([&] { ++calls; });
    };
    thread.Start();
    // The event loop never runs here, so only the waiting UI thread can serve the call.
    ASSERT_EQ(handingOver.get_future().wait_for(5s), std::future_status::ready);
    thread.Terminate();
    thread.WaitFor();
    EXPECT_TRUE(thread.Finished());
    EXPECT_EQ(calls, 1);
}

TEST(CustomThreadHandOver, KnowsWhenTheCallerRunsOneOfItsHandOvers) {
    App();
    Watchdog watchdog;
    bool inside = false;
    TSampleThread thread;
    thread.body = [&](TSampleThread& self) {
        self.Synchronize([&] { inside = self.InHandOver(); });
        EXPECT_FALSE(self.InHandOver()) << "the worker runs no hand-over";
    };
    thread.Start();
    thread.WaitFor();
    EXPECT_TRUE(inside);
    EXPECT_FALSE(thread.InHandOver());
}

TEST(CustomThreadHandOver, ExceptionOfTheHandedOverMethodEndsExecute) {
    App();
    Watchdog watchdog;
    bool after = false;
    TSampleThread thread;
    thread.body = [&](TSampleThread& self) {
        self.Synchronize([] { throw std::runtime_error("handler failed"); });
        after = true;
    };
    thread.Start();
    thread.WaitFor();
    EXPECT_FALSE(after);
    ASSERT_TRUE(thread.FatalException());
    EXPECT_THROW(std::rethrow_exception(thread.FatalException()), std::runtime_error);
}

TEST(CustomThreadLifetime, DestroyingARunningThreadStopsItAndLeavesNoCallBehind) {
    auto& app = App();
    Watchdog watchdog;
    std::promise<void> handingOver;
    int calls = 0;
    {
        TSampleThread thread;
        thread.body = [&](TSampleThread& self) {
            bool first = true;
            while (!self.Terminated()) {
                if (std::exchange(first, false))
                    handingOver.set_value();
                self.Synchronize([&] { ++calls; });
            }
        };
        thread.Start();
        ASSERT_EQ(handingOver.get_future().wait_for(5s), std::future_status::ready);
    }
    const int served = calls;
    EXPECT_GE(served, 1);
    // The calls the worker posted to the event loop were served already and must not run again.
    app.processEvents();
    EXPECT_EQ(calls, served);
}

} // namespace
