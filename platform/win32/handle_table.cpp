#include "platform/win32/handle_table.h"

#include <map>
#include <mutex>

namespace {

struct Table {
    std::mutex mutex;
    std::map<std::uintptr_t, std::shared_ptr<KernelObject>> objects;
    std::uintptr_t next = 0x1000;
};

Table& table() {
    static Table instance;
    return instance;
}

std::uintptr_t key(HANDLE handle) {
    return reinterpret_cast<std::uintptr_t>(handle);
}

} // namespace

HANDLE InsertHandle(std::shared_ptr<KernelObject> object) {
    std::lock_guard lock(table().mutex);
    const std::uintptr_t handle = table().next;
    table().next += 4;
    table().objects.emplace(handle, std::move(object));
    return reinterpret_cast<HANDLE>(handle);
}

std::shared_ptr<KernelObject> LookupHandle(HANDLE handle) {
    std::lock_guard lock(table().mutex);
    const auto it = table().objects.find(key(handle));
    return it == table().objects.end() ? nullptr : it->second;
}

std::shared_ptr<KernelObject> RemoveHandle(HANDLE handle) {
    std::lock_guard lock(table().mutex);
    const auto it = table().objects.find(key(handle));
    if (it == table().objects.end())
        return nullptr;
    auto object = std::move(it->second);
    table().objects.erase(it);
    return object;
}
