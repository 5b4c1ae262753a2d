// The device's strings: vendor, product and serial names, its language list and its physical
// descriptor. Each is read from the device once (while the device may be opened) and cached.
#include "hid/hid_api.h"
#include "hid/hid_device.h"
#include "hid/language_names.h"
#include "platform/win32/last_error.h"

#include <algorithm>
#include <array>

namespace {

// A string query's buffer: 254 wide characters (508 bytes), the longest USB string.
constexpr std::size_t StringWords = 254;
using StringBuffer = std::array<WORD, StringWords>;

// Physical descriptors are tried in sizes up to this many words.
constexpr ULONG MaxPhysicalDescriptorWords = 2048;

QString TextOf(const StringBuffer& words) {
    const auto end = std::find(words.begin(), words.end(), WORD{0});
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(words.data()), end - words.begin());
}

// The length of a language-id list in a buffer pre-filled with 0xFFFF words: up to the last
// word the device wrote, without a terminating 0.
std::size_t LanguageListLength(const StringBuffer& words) {
    std::size_t n = StringWords;
    while (n > 0 && words[n - 1] == 0xFFFF)
        --n;
    if (n > 0 && words[n - 1] == 0)
        --n;
    return n;
}

StringBuffer LanguageBuffer() {
    StringBuffer words;
    words.fill(0xFFFF);
    return words;
}

template <typename Query> QString ReadString(HANDLE handle, Query query) {
    StringBuffer words{};
    if (!query(handle, words.data(), sizeof words))
        return {};
    return TextOf(words);
}

} // namespace

QString TWkHidDevice::VendorName() {
    if (FVendorName.isEmpty() && OpenFile()) {
        FVendorName = ReadString(FHidFileHandle, HidApi.HidD_GetManufacturerString);
        CloseFile();
    }
    return FVendorName;
}

QString TWkHidDevice::ProductName() {
    if (FProductName.isEmpty() && OpenFile()) {
        FProductName = ReadString(FHidFileHandle, HidApi.HidD_GetProductString);
        CloseFile();
    }
    return FProductName;
}

QString TWkHidDevice::SerialNumber() {
    if (!FSerialNumber.isEmpty() || !OpenFile())
        return FSerialNumber;
    StringBuffer serial{};
    if (!HidApi.HidD_GetSerialNumberString(FHidFileHandle, serial.data(), sizeof serial))
        serial.fill(0);
    StringBuffer languages = LanguageBuffer();
    HidApi.HidD_GetIndexedString(FHidFileHandle, 0, languages.data(), sizeof languages);
    CloseFile();
    // Some devices answer the serial-number request with their language list: that is no
    // serial number.
    const std::size_t n = LanguageListLength(languages);
    if (!std::equal(serial.begin(), serial.begin() + n, languages.begin()))
        FSerialNumber = TextOf(serial);
    return FSerialNumber;
}

const QStringList& TWkHidDevice::LanguageStrings() {
    if (!FLanguageStrings.isEmpty() || !OpenFile())
        return FLanguageStrings;
    StringBuffer languages = LanguageBuffer();
    const bool ok =
        HidApi.HidD_GetIndexedString(FHidFileHandle, 0, languages.data(), sizeof languages);
    CloseFile();
    const std::size_t n = ok ? LanguageListLength(languages) : 0;
    for (std::size_t i = 0; i < n; ++i)
        FLanguageStrings << LanguageIdName(languages[i]);
    return FLanguageStrings;
}

const TWkPhysicalDescriptor& TWkHidDevice::PhysicalDescriptor() {
    if (!FPhysicalDescriptor.empty() || !OpenFile())
        return FPhysicalDescriptor;
    TWkPhysicalDescriptor words(MaxPhysicalDescriptorWords, 0);
    ULONG size = 0;
    bool found = false;
    for (; size <= MaxPhysicalDescriptorWords; ++size) {
        if (HidApi.HidD_GetPhysicalDescriptor(FHidFileHandle, words.data(), 2 * size)) {
            found = true;
            break;
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
            break;
    }
    CloseFile();
    words.resize(found ? size : 0);
    FPhysicalDescriptor = std::move(words);
    return FPhysicalDescriptor;
}
