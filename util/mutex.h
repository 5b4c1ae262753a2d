#pragma once
// A named or unnamed recursive mutex, shared by every process that uses the same name (see
// RobustMutex for the owner rules and NamedObject for the names).

#include "util/dispatcher_object.h"
#include "util/robust_mutex.h"

#include <QString>

class TCkMutex : public TCkDispatcherObject {
public:
    // Makes the mutex, or takes the existing one of that name (Existed tells which). Raises
    // ECkMutexError "Failed to create mutex" with the system error when the name cannot be had:
    // a "\" after its name-space prefix, an object of another kind or of another user.
    // secAttr may be null. An inheritable handle passes to the programs this process starts; a
    // new named mutex is its user's alone unless the attributes' descriptor has a null access
    // list, which lets every user open it (mode 0666). Other access lists cannot be kept by the
    // system and count as its user's alone.
    TCkMutex(const SECURITY_ATTRIBUTES* secAttr, bool initialOwner, const QString& name);
    // The existing mutex of that name with the access asked for (SYNCHRONIZE to wait,
    // MUTEX_MODIFY_STATE to release, MUTEX_ALL_ACCESS for both); raises ECkMutexError "Failed
    // to open mutex" when there is none. inheritable as for the attributes above.
    static TCkMutex Open(DWORD access, bool inheritable, const QString& name);

    // True when the calling thread owns the mutex afterwards, also when it took it over from a
    // thread that ended without releasing it.
    bool Acquire(DWORD timeoutMs = CkInfinite);
    // False (last error ERROR_NOT_OWNER) when the calling thread does not own it.
    bool Release();

private:
    struct Made {
        std::shared_ptr<RobustMutex> mutex;
        bool existed;
    };
    static Made Make(const QString& name, bool initialOwner, NamedObjectSharing sharing);
    TCkMutex(const Made& made, const QString& name);

    RobustMutex* FMutex;
};
