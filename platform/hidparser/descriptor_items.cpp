#include "platform/hidparser/descriptor_items.h"

namespace {

constexpr BYTE kLongItemPrefix = 0xFE;

BYTE dataSize(BYTE prefix) {
    constexpr BYTE sizes[4] = {0, 1, 2, 4};
    return sizes[prefix & 0x03];
}

} // namespace

LONG DescriptorItem::signedData() const {
    switch (size) {
    case 1:
        return static_cast<std::int8_t>(data);
    case 2:
        return static_cast<std::int16_t>(data);
    case 4:
        return static_cast<LONG>(data);
    default:
        return 0;
    }
}

ItemRead DescriptorItemReader::next(DescriptorItem& item) {
    if (bytes_ == nullptr || position_ >= length_)
        return ItemRead::End;
    const BYTE prefix = bytes_[position_];
    if (prefix == kLongItemPrefix)
        return ItemRead::LongItem;
    const BYTE size = dataSize(prefix);
    if (size > length_ - position_ - 1)
        return ItemRead::Truncated;
    item.prefix = prefix;
    item.type = static_cast<ItemType>((prefix >> 2) & 0x03);
    item.tag = static_cast<BYTE>(prefix >> 4);
    item.size = size;
    item.offset = position_;
    item.data = 0;
    for (BYTE i = 0; i < size; ++i)
        item.data |= static_cast<ULONG>(bytes_[position_ + 1 + i]) << (8 * i);
    position_ += 1 + size;
    return ItemRead::Item;
}
