#pragma once
// Named kernel objects shared between processes, as POSIX shared memory objects. A name may
// start with "Local\" (the default: objects of this user's sessions) or "Global\" (objects of
// every session); mutexes and file mappings share one name space, as on the desktop.
//
// Each object is a file under /dev/shm: a header that says what kind of object it holds, then
// its data. Every process that has the object open holds a shared lock on it, so the last one
// to close it can remove the name, and an object left behind by processes that died without
// closing it is seen to be stale and made anew.

#include "platform/win32/types.h"

#include <QString>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <sys/types.h>

enum class NamedObjectKind : std::uint32_t { Mutex = 1, Mapping = 2 };

// The POSIX shared-memory name for a desktop object name; empty, with last error
// ERROR_PATH_NOT_FOUND, for a name with a "\" other than after its name-space prefix.
std::string PosixObjectName(const QString& name);

// How an opening is shared beyond this process.
struct NamedObjectSharing {
    // The opening passes to the programs this process starts (no close-on-exec).
    bool inheritable = false;
    // Mode bits of a new object; an existing one keeps its own.
    mode_t mode = 0600;
};

struct NamedObjectRequest {
    NamedObjectKind kind;
    // Make the object when it does not exist; otherwise opening a missing one fails with
    // ERROR_FILE_NOT_FOUND.
    bool create;
    // Data bytes of a new object; an open one must have at least this many.
    std::size_t size;
    bool writable = true;
    // Writes through the view stay in this process (copy on write).
    bool privateCopy = false;
    // Fills the data of a new object (it starts zeroed) before any other process can see it.
    std::function<void(void* data)> initialise = {};
    NamedObjectSharing sharing = {};
};

// Removes the objects named namePrefix followed by the decimal id of a process that no longer
// lives, when nothing holds them open: objects named after their process are never opened by
// another one, so those of a process that died without closing them would stay for good.
void ReclaimAbandonedObjects(const QString& namePrefix);

class NamedObject {
public:
    // The object, or null with the last error set: ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND,
    // ERROR_INVALID_HANDLE (the name belongs to an object of another kind), ERROR_ACCESS_DENIED
    // (another user's object, or an open one smaller than the size asked for) or the system's
    // error. existed tells whether the object was open elsewhere already.
    static std::unique_ptr<NamedObject> Open(const QString& name, const NamedObjectRequest& request,
                                             bool& existed);
    // Drops this opening; the last one removes the name.
    ~NamedObject();
    NamedObject(const NamedObject&) = delete;
    NamedObject& operator=(const NamedObject&) = delete;

    void* Data() const;
    std::size_t Size() const { return FSize; }

private:
    NamedObject(int fd, std::string posixName, void* mapping, std::size_t mappedBytes,
                std::size_t size);

    int FFd;
    std::string FPosixName;
    void* FMapping;
    std::size_t FMappedBytes;
    std::size_t FSize;
};
