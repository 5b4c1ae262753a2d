#include "configurator/model/report_bits.h"

int PrecisionMaxValue(int precisionIndex) {
    if (precisionIndex < 0 || precisionIndex > 6)
        return 255;
    return (1 << (8 + precisionIndex)) - 1;
}

int ByteToIndex(std::uint8_t value, int itemCount) {
    return value < itemCount ? value : 0;
}

bool TestBit(std::uint32_t value, int bit) {
    return (value >> (bit & 31)) & 1u;
}

QString IntToBinText(std::uint32_t value, int width) {
    if (width < 1)
        return {};
    QString text(width, QLatin1Char('0'));
    for (int k = 0; value != 0 && k < width; ++k, value >>= 1)
        if (value & 1u)
            text[width - 1 - k] = QLatin1Char('1');
    return text;
}
