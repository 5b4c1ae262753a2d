#pragma once
// A named or unnamed recursive mutex of this process (see RobustMutex for the owner rules).

#include "util/dispatcher_object.h"

#include <QString>

class RobustMutex;

class TCkMutex : public TCkDispatcherObject {
public:
    // Makes the mutex, or takes the existing one of that name (Existed tells which). Mutexes of
    // this process are made in memory, so this fails only when memory runs out.
    TCkMutex(bool initialOwner, const QString& name);
    // The existing mutex of that name; raises ECkMutexError "Failed to open mutex" when there
    // is none.
    static TCkMutex Open(const QString& name);

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
    static Made Make(const QString& name, bool initialOwner);
    TCkMutex(const Made& made, const QString& name);

    RobustMutex* FMutex;
};
