#include "components/base/custom_thread.h"

#include "components/base/types.h"

#include <QFile>
#include <cxxabi.h>
#include <future>
#include <pthread.h>
#include <typeinfo>
#include <unistd.h>

namespace {

DWORD KernelThreadId() {
    return static_cast<DWORD>(gettid());
}

} // namespace

void NameThreadForDebugging(const QByteArray& threadName, DWORD threadId) {
    // The kernel limits thread names to 15 bytes plus the terminator.
    const QByteArray name = threadName.left(15);
    if (threadId == TWkCustomThread::CurrentThreadId || threadId == KernelThreadId()) {
        pthread_setname_np(pthread_self(), name.constData());
        return;
    }
    QFile comm(QStringLiteral("/proc/self/task/%1/comm").arg(threadId));
    if (comm.open(QIODevice::WriteOnly))
        comm.write(name);
}

TWkCustomThread::TWkCustomThread() : channel(std::make_shared<HandOverChannel>()) {}

TWkCustomThread::~TWkCustomThread() {
    if (worker.joinable()) {
        Terminate();
        WaitFor();
    }
}

void TWkCustomThread::Start() {
    std::promise<void> started;
    auto ready = started.get_future();
    worker = std::thread([this, &started] {
        threadId = KernelThreadId();
        started.set_value();
        Run();
    });
    ready.wait();
}

void TWkCustomThread::Run() {
    try {
        Execute();
    } catch (...) {
        fatal = std::current_exception();
    }
    channel->MarkFinished();
}

void TWkCustomThread::WaitFor() {
    if (!worker.joinable())
        return;
    channel->WaitForFinish();
    worker.join();
}

bool TWkCustomThread::Finished() const {
    return channel->IsFinished();
}

QString TWkCustomThread::ClassName() const {
    const char* mangled = typeid(*this).name();
    int status = 0;
    char* demangled = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
    const QString name = QString::fromLatin1(status == 0 ? demangled : mangled);
    std::free(demangled);
    return name;
}

QString TWkCustomThread::GetThreadName() const {
    if (threadName.isEmpty())
        return ClassName();
    return threadName + QStringLiteral(" {") + ClassName() + QLatin1Char('}');
}

void TWkCustomThread::SetThreadName(const QString& name) {
    threadName = name;
}

void TWkCustomThread::NameThread(const QByteArray& name, DWORD id) {
    NameThreadForDebugging(name, id);
    if (WkNameThreadHook)
        WkNameThreadHook(name, id);
}

void TWkCustomThread::NameThread(const QString& name, DWORD id) {
    NameThread(name.toLocal8Bit(), id);
}
