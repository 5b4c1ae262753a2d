#pragma once
// Base of the waitable synchronisation objects: holds the object, its name and whether the
// named object existed before this one was made.

#include "util/wait_result.h"
#include "util/waitable.h"

#include <QString>
#include <memory>

class TCkDispatcherObject {
public:
    // Wraps an existing object; Existed is true and the name empty.
    static TCkDispatcherObject Attach(std::shared_ptr<CkWaitable> handle);

    virtual ~TCkDispatcherObject() = default;
    TCkDispatcherObject(TCkDispatcherObject&&) = default;
    TCkDispatcherObject& operator=(TCkDispatcherObject&&) = default;

    TCkWaitResult WaitFor(DWORD timeoutMs);
    TCkWaitResult WaitForever() { return WaitFor(CkInfinite); }
    // Waits like WaitFor, but ends with wrIoCompletion as soon as overlapped operations of this
    // thread complete; their completion routines have run by then.
    TCkWaitResult WaitAlertable(DWORD timeoutMs);
    // Signals obj, then waits for this object (alertable or not). Unlike the desktop's call the
    // two steps are not one atomic step. wrError, without waiting, when obj cannot be signalled.
    TCkWaitResult SignalAndWait(TCkDispatcherObject& obj, DWORD timeoutMs, bool alertable);

    bool Existed() const { return FExisted; }
    CkWaitable* Handle() const { return FHandle.get(); }
    const QString& Name() const { return FName; }

protected:
    TCkDispatcherObject(std::shared_ptr<CkWaitable> handle, QString name, bool existed);

private:
    bool FExisted;
    std::shared_ptr<CkWaitable> FHandle;
    QString FName;
};
