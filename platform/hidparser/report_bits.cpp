#include "platform/hidparser/report_bits.h"

#include <cstdint>

bool bitsFit(ULONG length, ULONG bitOffset, ULONG bitCount) {
    return std::uint64_t{bitOffset} + bitCount <= std::uint64_t{length} * 8;
}

namespace {

bool fieldFits(ULONG length, ULONG bitOffset, unsigned bitCount) {
    return bitCount >= 1 && bitCount <= 32 && bitsFit(length, bitOffset, bitCount);
}

} // namespace

bool copyBits(const BYTE* from, ULONG fromLength, ULONG fromOffset, BYTE* to, ULONG toLength,
              ULONG toOffset, ULONG bitCount) {
    if (from == nullptr || to == nullptr || !bitsFit(fromLength, fromOffset, bitCount) ||
        !bitsFit(toLength, toOffset, bitCount))
        return false;
    for (ULONG i = 0; i < bitCount; ++i) {
        const ULONG source = fromOffset + i;
        const ULONG target = toOffset + i;
        const auto mask = static_cast<BYTE>(1u << (target % 8));
        if (from[source / 8] & (1u << (source % 8)))
            to[target / 8] |= mask;
        else
            to[target / 8] &= static_cast<BYTE>(~mask);
    }
    return true;
}

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
