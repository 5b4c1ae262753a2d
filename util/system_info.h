#pragma once
// Facts about the machine that the library reads once.

#include "platform/win32/types.h"

struct CkSystemInfo {
    DWORD processorCount;
    DWORD pageSize;
    // Memory is handed out in steps of this many bytes.
    DWORD allocationGranularity;
    // Of the NT line: text services that know all of UTF-16, so texts compare as they are,
    // not through an 8-bit code page.
    bool ntLine;
};

const CkSystemInfo& SystemInfo();
