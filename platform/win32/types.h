#pragma once
// Win32-shaped scalar types used by code written against the Windows API. Wide strings are
// UTF-16, as on the original platform, so they convert to QString without loss.

#include <cstddef>
#include <cstdint>

using BOOL = int;
using BOOLEAN = std::uint8_t;
using BYTE = std::uint8_t;
using CHAR = char;
using PCHAR = CHAR*;
using UCHAR = std::uint8_t;
using WORD = std::uint16_t;
using USHORT = std::uint16_t;
using DWORD = std::uint32_t;
using ULONG = std::uint32_t;
using LONG = std::int32_t;
using NTSTATUS = std::int32_t;
using UINT = unsigned int;
using ULONG_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using SIZE_T = std::size_t;
using WCHAR = char16_t;
using LPWSTR = WCHAR*;
using LPCWSTR = const WCHAR*;
using LPVOID = void*;
using LPCVOID = const void*;
using PVOID = void*;
using HANDLE = void*;
using HMODULE = void*;
using HWND = void*;
using FARPROC = void (*)();

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

inline const HANDLE INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(~std::uintptr_t{0});

struct GUID {
    std::uint32_t Data1;
    std::uint16_t Data2;
    std::uint16_t Data3;
    std::uint8_t Data4[8];

    friend bool operator==(const GUID&, const GUID&) = default;
};

// Who may use a new kernel object and whether child processes inherit its handle.
struct SECURITY_ATTRIBUTES {
    DWORD nLength;
    LPVOID lpSecurityDescriptor;
    BOOL bInheritHandle;
};
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;

// Window message sent to every top-level window when device nodes were added or removed.
constexpr UINT WM_DEVICECHANGE = 0x0219;
constexpr WPARAM DBT_DEVNODES_CHANGED = 7;

// State of one overlapped operation. Internal and InternalHigh belong to the platform (status and
// byte count); hEvent is free for the caller when a completion routine is used.
struct OVERLAPPED {
    ULONG_PTR Internal;
    ULONG_PTR InternalHigh;
    DWORD Offset;
    DWORD OffsetHigh;
    HANDLE hEvent;
};
using LPOVERLAPPED = OVERLAPPED*;
using LPOVERLAPPED_COMPLETION_ROUTINE = void (*)(DWORD errorCode, DWORD bytesTransferred,
                                                 LPOVERLAPPED overlapped);
