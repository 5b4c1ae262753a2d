#pragma once
// Bit fields of a report buffer, packed least significant bit first. Every access is checked
// against the buffer's length and answers false when the field does not fit.

#include "platform/win32/types.h"

// Reads `bitCount` (1..32) bits starting at `bitOffset`.
bool readBits(const BYTE* bytes, ULONG length, ULONG bitOffset, unsigned bitCount, ULONG& value);
// Writes the low `bitCount` (1..32) bits of `value` starting at `bitOffset`.
bool writeBits(BYTE* bytes, ULONG length, ULONG bitOffset, unsigned bitCount, ULONG value);

// Whether bitCount bits from bitOffset lie inside a buffer of length bytes.
bool bitsFit(ULONG length, ULONG bitOffset, ULONG bitCount);
// Copies bitCount bits of any number, both positions checked against their buffers; false (and
// nothing copied) when either does not fit.
bool copyBits(const BYTE* from, ULONG fromLength, ULONG fromOffset, BYTE* to, ULONG toLength,
              ULONG toOffset, ULONG bitCount);

// The raw field value read as a two's complement number of `bitCount` bits.
LONG signExtend(ULONG raw, unsigned bitCount);
// Whether `value`, read as unsigned or as signed, fits in `bitCount` bits.
bool fitsInBits(ULONG value, unsigned bitCount);
