#include "components/base/hand_over.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <utility>

bool HandOverChannel::OnUiThread() {
    auto* app = QCoreApplication::instance();
    return app == nullptr || QThread::currentThread() == app->thread();
}

void HandOverChannel::Call(const std::function<void()>& method) {
    if (OnUiThread()) {
        method();
        return;
    }
    auto request = std::make_shared<Request>();
    request->method = method;
    {
        std::lock_guard lock(mutex);
        pending = request;
    }
    changed.notify_all();
    // The posted call may run after the worker and its thread object are gone; it holds the
    // channel alive and finds the request already served then.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [channel = shared_from_this(), request] { channel->Serve(request); }, Qt::QueuedConnection);

    std::unique_lock lock(mutex);
    changed.wait(lock, [&] { return request->done; });
    if (pending == request)
        pending.reset();
    if (request->error)
        std::rethrow_exception(request->error);
}

void HandOverChannel::Serve(const std::shared_ptr<Request>& request) {
    std::unique_lock lock(mutex);
    Run(request, lock);
}

void HandOverChannel::Run(const std::shared_ptr<Request>& request,
                          std::unique_lock<std::mutex>& lock) {
    if (request->claimed)
        return;
    request->claimed = true;
    const std::thread::id outer = std::exchange(servingThread, std::this_thread::get_id());
    // The method may take long or call back into the channel: run it unlocked.
    lock.unlock();
    try {
        request->method();
    } catch (...) {
        request->error = std::current_exception();
    }
    lock.lock();
    servingThread = outer;
    request->done = true;
    changed.notify_all();
}

void HandOverChannel::MarkFinished() {
    {
        std::lock_guard lock(mutex);
        finished = true;
    }
    changed.notify_all();
}

void HandOverChannel::WaitForFinish() {
    const bool serve = OnUiThread();
    std::unique_lock lock(mutex);
    for (;;) {
        changed.wait(lock, [&] { return finished || (serve && pending && !pending->claimed); });
        if (finished)
            return;
        const auto request = pending;
        Run(request, lock);
    }
}

bool HandOverChannel::IsServingHere() const {
    std::lock_guard lock(mutex);
    return servingThread == std::this_thread::get_id();
}

bool HandOverChannel::IsFinished() const {
    std::lock_guard lock(mutex);
    return finished;
}
