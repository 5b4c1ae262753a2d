#pragma once
// A named worker thread. Derived classes put their work in Execute, read Terminated() on each
// pass and hand results to the UI thread with Synchronize. The owner stops the thread with
// Terminate() and WaitFor(); waiting on the UI thread keeps serving the worker's hand-overs.

#include "components/base/hand_over.h"
#include "platform/win32/types.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <exception>
#include <functional>
#include <memory>
#include <thread>

class TWkCustomThread {
public:
    // Stands for "the calling thread" in NameThread.
    static constexpr DWORD CurrentThreadId = 0xFFFFFFFFu;

    TWkCustomThread();
    // Stops a thread that still runs (Terminate, WaitFor) before the object goes.
    virtual ~TWkCustomThread();
    TWkCustomThread(const TWkCustomThread&) = delete;
    TWkCustomThread& operator=(const TWkCustomThread&) = delete;

    // Starts Execute on a new thread; returns once the thread has its id.
    void Start();
    void Terminate() { terminated = true; }
    bool Terminated() const { return terminated; }
    // Returns when Execute has ended (at once if the thread never started).
    void WaitFor();
    bool Finished() const;
    // True while the calling thread runs one of this thread's hand-overs. The thread waits for
    // that hand-over to return, so it cannot be waited for there: only told to terminate.
    bool InHandOver() const { return channel->IsServingHere(); }
    // The kernel id of the thread, 0 before Start.
    DWORD ThreadID() const { return threadId; }
    // The exception that ended Execute, if any.
    std::exception_ptr FatalException() const { return fatal; }

    // The stored name followed by " {ClassName}", or the class name alone when no name is set.
    virtual QString GetThreadName() const;
    virtual void SetThreadName(const QString& name);

    // Names thread id (CurrentThreadId: the calling thread) for debuggers, then passes the name
    // to the process-wide naming hook when one is set.
    virtual void NameThread(const QByteArray& threadName, DWORD threadId = CurrentThreadId);
    // The same with the name converted to the system's 8-bit code page.
    void NameThread(const QString& threadName, DWORD threadId = CurrentThreadId);

    // The dynamic class name of this object.
    QString ClassName() const;

protected:
    virtual void Execute() = 0;
    // Runs method on the UI thread and waits for it; see HandOverChannel::Call.
    void Synchronize(const std::function<void()>& method) { channel->Call(method); }

private:
    void Run();

    QString threadName;
    std::atomic<bool> terminated{false};
    std::atomic<DWORD> threadId{0};
    std::exception_ptr fatal;
    std::shared_ptr<HandOverChannel> channel;
    std::thread worker;
};

// Names a thread (CurrentThreadId: the calling one) for debuggers and system tools; the kernel
// keeps the first 15 bytes.
void NameThreadForDebugging(const QByteArray& threadName, DWORD threadId);
