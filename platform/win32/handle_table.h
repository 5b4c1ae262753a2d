#pragma once
// The process's kernel handles: each names one shared object. Handle values count up and are
// never reused, so a closed handle cannot reach a newer object. Safe to use from any thread.

#include "platform/win32/types.h"

#include <memory>

class KernelObject {
public:
    virtual ~KernelObject() = default;
};

HANDLE InsertHandle(std::shared_ptr<KernelObject> object);
// The object behind handle, or nullptr.
std::shared_ptr<KernelObject> LookupHandle(HANDLE handle);
// Takes handle out of the table and returns its object, or nullptr when it was not there.
std::shared_ptr<KernelObject> RemoveHandle(HANDLE handle);
