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
