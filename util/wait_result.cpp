#include "util/wait_result.h"

TCkWaitResult WaitResultFromCode(DWORD code) {
    switch (code) {
    case CkWaitCode::Object0:
        return wrSignaled;
    case CkWaitCode::Abandoned:
        return wrAbandoned;
    case CkWaitCode::IoCompletion:
        return wrIoCompletion;
    case CkWaitCode::Timeout:
        return wrTimeout;
    default:
        return wrError;
    }
}
