#pragma once
// One report image: the bytes of a configuration feature report as the controller, the codec
// and the configuration files share them. Byte 0 is the report id; a file stores the whole
// buffer as one record.

#include <array>
#include <cstdint>

constexpr int ReportImageSize = 1001;

using ReportImage = std::array<std::uint8_t, ReportImageSize>;
