#pragma once
// A kernel-style object that a thread can wait for, in this process.

#include "platform/win32/types.h"

class CkWaitable {
public:
    virtual ~CkWaitable() = default;
    // Waits up to timeoutMs milliseconds (CkInfinite: for ever); returns a CkWaitCode and sets
    // the last error when it returns CkWaitCode::Failed.
    virtual DWORD Wait(DWORD timeoutMs) = 0;
};
