#pragma once
// Synchronous calls from a worker thread into the UI thread. The worker posts the call to the
// UI thread's event loop and blocks until it has run. A UI thread that waits for the worker to
// finish serves the pending call itself, so a worker blocked in a hand-over never deadlocks
// against the thread that is stopping it.

#include <condition_variable>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class HandOverChannel : public std::enable_shared_from_this<HandOverChannel> {
public:
    // Runs method on the UI thread and returns when it has run; an exception thrown by it is
    // rethrown here. Runs it directly when called on the UI thread or when no application
    // object (and so no UI thread) exists.
    void Call(const std::function<void()>& method);

    // The worker has ended: wakes WaitForFinish.
    void MarkFinished();

    // Blocks until MarkFinished. On the UI thread it serves pending calls meanwhile.
    void WaitForFinish();

    bool IsFinished() const;

    // True on the thread that is running one of the worker's calls: the worker waits for that
    // call to return, so WaitForFinish there would never return.
    bool IsServingHere() const;

private:
    static bool OnUiThread();

    struct Request {
        std::function<void()> method;
        bool claimed = false;
        bool done = false;
        std::exception_ptr error;
    };

    // Runs request unless another path already claimed it. Takes the lock itself.
    void Serve(const std::shared_ptr<Request>& request);
    void Run(const std::shared_ptr<Request>& request, std::unique_lock<std::mutex>& lock);

    mutable std::mutex mutex;
    std::condition_variable changed;
    std::shared_ptr<Request> pending; // guarded by mutex
    bool finished = false;            // guarded by mutex
    std::thread::id servingThread;    // guarded by mutex; the thread running a call, if any
};
