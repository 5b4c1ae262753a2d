#include "util/system_info.h"

#include <unistd.h>

namespace {

DWORD PositiveOr(long value, DWORD fallback) {
    return value > 0 ? static_cast<DWORD>(value) : fallback;
}

CkSystemInfo Read() {
    const DWORD pageSize = PositiveOr(sysconf(_SC_PAGESIZE), 4096);
    // Linux maps memory page by page, so the granularity is the page size.
    return CkSystemInfo{PositiveOr(sysconf(_SC_NPROCESSORS_ONLN), 1), pageSize, pageSize};
}

} // namespace

const CkSystemInfo& SystemInfo() {
    static const CkSystemInfo info = Read();
    return info;
}
