#pragma once
// Facts about the machine that the library reads once.

#include "platform/win32/types.h"

struct CkSystemInfo {
    DWORD processorCount;
    DWORD pageSize;
    // Memory is handed out in steps of this many bytes.
    DWORD allocationGranularity;
};

const CkSystemInfo& SystemInfo();
