#pragma once
// Results of waiting on a dispatcher object, and the Win32 wait codes they come from.

#include "platform/win32/types.h"

enum TCkWaitResult { wrAbandoned, wrError, wrIoCompletion, wrSignaled, wrTimeout };

// Wait codes as the Windows wait functions return them.
struct CkWaitCode {
    static constexpr DWORD Object0 = 0x0;
    static constexpr DWORD Abandoned = 0x80;
    static constexpr DWORD IoCompletion = 0xC0;
    static constexpr DWORD Timeout = 0x102;
    static constexpr DWORD Failed = 0xFFFFFFFF;
};

// A time-out that never ends.
constexpr DWORD CkInfinite = 0xFFFFFFFF;

// Object0 -> wrSignaled, Abandoned -> wrAbandoned, IoCompletion -> wrIoCompletion,
// Timeout -> wrTimeout, anything else -> wrError.
TCkWaitResult WaitResultFromCode(DWORD code);
