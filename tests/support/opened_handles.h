#pragma once
// Device nodes a test opened, closed when the test's fixture goes (before the bus it belongs
// to, when declared after it).

#include "platform/win32/device_file.h"

#include <string>
#include <vector>

class OpenedHandles {
public:
    OpenedHandles() = default;
    OpenedHandles(const OpenedHandles&) = delete;
    OpenedHandles& operator=(const OpenedHandles&) = delete;
    ~OpenedHandles() {
        for (HANDLE handle : handles)
            CloseHandle(handle);
    }

    // Opens path for access, shared for reading and writing; INVALID_HANDLE_VALUE when it
    // cannot be opened.
    HANDLE open(const std::u16string& path, DWORD access) {
        HANDLE handle = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
        if (handle != INVALID_HANDLE_VALUE)
            handles.push_back(handle);
        return handle;
    }

private:
    std::vector<HANDLE> handles;
};
