#pragma once
// Small conversions shared by the report codec and its neighbours (descriptor builder, curve
// view, live data, input-report reader).

#include <QString>
#include <cstdint>

// The largest value of an axis of precision index 0..6 (8..14 bits): 255 .. 16383. Any other
// index gives 255.
int PrecisionMaxValue(int precisionIndex);

// A stored byte as an item index of a list of itemCount items. A byte that does not select an
// item (a damaged file or controller) gives 0, the list's first item.
int ByteToIndex(std::uint8_t value, int itemCount);

// True when bit (bit & 31) of value is set.
bool TestBit(std::uint32_t value, int bit);

// value as width characters "0"/"1", least significant bit rightmost. Bits at or above width
// are not shown. A width below 1 gives an empty text.
QString IntToBinText(std::uint32_t value, int width);
