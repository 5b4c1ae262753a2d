#include "platform/hidparser/report_bits.h"

#include <cstdint>

namespace {

bool fieldFits(ULONG length, ULONG bitOffset, unsigned bitCount) {
    return bitCount >= 1 && bitCount <= 32 &&
           std::uint64_t{bitOffset} + bitCount <= std::uint64_t{length} * 8;
}

} // namespace

bool readBits(const BYTE* bytes, ULONG length, ULONG bitOffset, unsigned bitCount, ULONG& value) {
    if (bytes == nullptr || !fieldFits(length, bitOffset, bitCount))
        return false;
    std::uint64_t result = 0;
    for (unsigned i = 0; i < bitCount; ++i) {
        const ULONG bit = bitOffset + i;
        if (bytes[bit / 8] & (1u << (bit % 8)))
            result |= std::uint64_t{1} << i;
    }
    value = static_cast<ULONG>(result);
    return true;
}

bool writeBits(BYTE* bytes, ULONG length, ULONG bitOffset, unsigned bitCount, ULONG value) {
    if (bytes == nullptr || !fieldFits(length, bitOffset, bitCount))
        return false;
    for (unsigned i = 0; i < bitCount; ++i) {
        const ULONG bit = bitOffset + i;
        const auto mask = static_cast<BYTE>(1u << (bit % 8));
        if ((std::uint64_t{value} >> i) & 1)
            bytes[bit / 8] |= mask;
        else
            bytes[bit / 8] &= static_cast<BYTE>(~mask);
    }
    return true;
}

LONG signExtend(ULONG raw, unsigned bitCount) {
    if (bitCount == 0 || bitCount >= 32)
        return static_cast<LONG>(raw);
    const ULONG signBit = ULONG{1} << (bitCount - 1);
    const ULONG mask = (ULONG{1} << bitCount) - 1;
    raw &= mask;
    return static_cast<LONG>((raw ^ signBit)) - static_cast<LONG>(signBit);
}

bool fitsInBits(ULONG value, unsigned bitCount) {
    if (bitCount >= 32)
        return true;
    const auto asSigned = static_cast<LONG>(value);
    const std::int64_t limit = std::int64_t{1} << bitCount;
    return std::int64_t{value} < limit || (asSigned < 0 && asSigned >= -(limit / 2));
}
