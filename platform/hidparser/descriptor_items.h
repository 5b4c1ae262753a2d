#pragma once
// Splits a report descriptor into its items (HID 1.11, 6.2.2.2). Every read is checked against
// the end of the descriptor.

#include "platform/win32/types.h"

enum class ItemType : BYTE { Main = 0, Global = 1, Local = 2, Reserved = 3 };

struct DescriptorItem {
    ItemType type = ItemType::Main;
    BYTE tag = 0;
    BYTE prefix = 0;
    BYTE size = 0;    // data bytes: 0, 1, 2 or 4
    ULONG data = 0;   // the data bytes, little-endian, zero-extended
    ULONG offset = 0; // position of the prefix byte in the descriptor

    // The data as a signed number of `size` bytes (logical and physical extents).
    LONG signedData() const;
};

enum class ItemRead { Item, End, Truncated, LongItem };

class DescriptorItemReader {
public:
    DescriptorItemReader(const BYTE* bytes, ULONG length) : bytes_(bytes), length_(length) {}

    // Reads the next item. End when the descriptor is used up; Truncated when an item's data runs
    // past the end; LongItem for the long-item prefix, which no standard item uses.
    ItemRead next(DescriptorItem& item);
    ULONG position() const { return position_; }

private:
    const BYTE* bytes_;
    ULONG length_;
    ULONG position_ = 0;
};
