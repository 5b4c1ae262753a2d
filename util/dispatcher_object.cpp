#include "util/dispatcher_object.h"

#include <utility>

TCkDispatcherObject::TCkDispatcherObject(std::shared_ptr<CkWaitable> handle, QString name,
                                         bool existed)
    : FExisted(existed), FHandle(std::move(handle)), FName(std::move(name)) {}

TCkDispatcherObject TCkDispatcherObject::Attach(std::shared_ptr<CkWaitable> handle) {
    return TCkDispatcherObject(std::move(handle), QString(), true);
}

TCkWaitResult TCkDispatcherObject::WaitFor(DWORD timeoutMs) {
    return WaitResultFromCode(FHandle->Wait(timeoutMs));
}
