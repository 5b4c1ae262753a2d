#include "util/dispatcher_object.h"

#include "platform/win32/last_error.h"
#include "platform/win32/overlapped_io.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace {

// How long an alertable wait sleeps between looks at its object: completions end the sleep at
// once, a signalled object is seen at the latest after this.
constexpr DWORD AlertablePollMs = 5;

} // namespace

bool CkWaitable::Signal() {
    SetLastError(ERROR_INVALID_HANDLE);
    return false;
}

TCkDispatcherObject::TCkDispatcherObject(std::shared_ptr<CkWaitable> handle, QString name,
                                         bool existed)
    : FExisted(existed), FHandle(std::move(handle)), FName(std::move(name)) {}

TCkDispatcherObject TCkDispatcherObject::Attach(std::shared_ptr<CkWaitable> handle) {
    return TCkDispatcherObject(std::move(handle), QString(), true);
}

TCkWaitResult TCkDispatcherObject::WaitFor(DWORD timeoutMs) {
    return WaitResultFromCode(FHandle->Wait(timeoutMs));
}

TCkWaitResult TCkDispatcherObject::WaitAlertable(DWORD timeoutMs) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    // Completions already waiting end the wait before the object is looked at, as on the
    // desktop.
    DWORD pauseMs = 0;
    for (;;) {
        if (SleepEx(pauseMs, TRUE) == WAIT_IO_COMPLETION)
            return wrIoCompletion;
        const DWORD code = FHandle->Wait(0);
        if (code != CkWaitCode::Timeout)
            return WaitResultFromCode(code);
        pauseMs = AlertablePollMs;
        if (timeoutMs != CkInfinite) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0)
                return wrTimeout;
            pauseMs = std::min<DWORD>(pauseMs, DWORD(left.count()));
        }
    }
}

TCkWaitResult TCkDispatcherObject::SignalAndWait(TCkDispatcherObject& obj, DWORD timeoutMs,
                                                 bool alertable) {
    if (!obj.FHandle->Signal())
        return wrError;
    return alertable ? WaitAlertable(timeoutMs) : WaitFor(timeoutMs);
}
