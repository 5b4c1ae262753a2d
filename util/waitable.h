#pragma once
// A kernel-style object that a thread can wait for, in this process.

#include "platform/win32/types.h"

class CkWaitable {
public:
    virtual ~CkWaitable() = default;
    // Waits up to timeoutMs milliseconds (CkInfinite: for ever); returns a CkWaitCode and sets
    // the last error when it returns CkWaitCode::Failed.
    virtual DWORD Wait(DWORD timeoutMs) = 0;
    // Signals the object as SignalObjectAndWait would (a mutex is released). False with the
    // last error set when it cannot be signalled; objects that have no signal operation give
    // ERROR_INVALID_HANDLE.
    virtual bool Signal();
};
