#include "util/system_info.h"

#include <unistd.h>

namespace {

DWORD PositiveOr(long value, DWORD fallback) {
    return value > 0 ? static_cast<DWORD>(value) : fallback;
}

CkSystemInfo Read() {
    const DWORD pageSize = PositiveOr(sysconf(_SC_PAGESIZE), 4096);
    // Linux maps memory page by page, so the granularity is the page size.
    // Qt and the C library hold text as Unicode throughout, as the NT line does.
    return CkSystemInfo{PositiveOr(sysconf(_SC_NPROCESSORS_ONLN), 1), pageSize, pageSize, true};
}

} // namespace

const CkSystemInfo& SystemInfo() {
    static const CkSystemInfo info = Read();
    return info;
}
