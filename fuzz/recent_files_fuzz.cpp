// The reader of the desktop's recently-used list on the input as the file's bytes.
#include "components/edit/recent_files.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ParseRecentlyUsed(bytes);
    return 0;
}
