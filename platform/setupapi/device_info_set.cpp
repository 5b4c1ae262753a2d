#include "platform/setupapi/device_info_set.h"

#include "platform/hidparser/hidpi.h"
#include "platform/setupapi/setupapi.h"
#include "platform/win32/device_file.h"

#include <QHash>
#include <QStringList>
#include <mutex>
#include <unordered_map>

namespace {

// A device instance number holds the node's plug instance above the collection index; a node
// offers no more interfaces than this.
constexpr int kCollectionBits = 5;
constexpr std::size_t kMaxInterfacesPerNode = std::size_t{1} << kCollectionBits;

// Usage pages and usages of the USB HID usage tables that name a device's description.
constexpr WORD kGenericDesktop = 0x01;
constexpr WORD kVendorDefinedFirst = 0xFF00;

QString deviceDescription(WORD usagePage, WORD usage) {
    if (usagePage >= kVendorDefinedFirst)
        return QStringLiteral("HID-compliant vendor-defined device");
    if (usagePage == kGenericDesktop) {
        switch (usage) {
        case 0x02:
            return QStringLiteral("HID-compliant mouse");
        case 0x04:
        case 0x05:
            return QStringLiteral("HID-compliant game controller");
        case 0x06:
            return QStringLiteral("HID Keyboard Device");
        }
    }
    return QStringLiteral("HID-compliant device");
}

RegistryValue text(const QString& value) {
    const std::u16string wide = value.toStdU16String();
    const auto* bytes = reinterpret_cast<const BYTE*>(wide.c_str());
    return {REG_SZ, std::vector<BYTE>(bytes, bytes + (wide.size() + 1) * sizeof(char16_t))};
}

RegistryValue textList(const QStringList& values) {
    std::u16string joined;
    for (const QString& value : values)
        joined += value.toStdU16String() + u'\0';
    joined += u'\0';
    const auto* bytes = reinterpret_cast<const BYTE*>(joined.data());
    return {REG_MULTI_SZ, std::vector<BYTE>(bytes, bytes + joined.size() * sizeof(char16_t))};
}

std::optional<RegistryValue> textIfAny(const QString& value) {
    if (value.isEmpty())
        return std::nullopt;
    return text(value);
}

QStringList hardwareIds(const DeviceInterface& deviceInterface) {
    const HidNodeInfo& node = *deviceInterface.node;
    const QString ids = QStringLiteral("HID\\VID_%1&PID_%2")
                            .arg(node.vendorId, 4, 16, QLatin1Char('0'))
                            .arg(node.productId, 4, 16, QLatin1Char('0'))
                            .toUpper();
    const QString release =
        QStringLiteral("&REV_%1").arg(node.version, 4, 16, QLatin1Char('0')).toUpper();
    return {ids + release, ids};
}

struct CollectionUsage {
    WORD usagePage;
    WORD usage;
};

// The usages of a descriptor's top-level collections; none when it cannot be parsed.
using TopLevelUsages = std::vector<CollectionUsage>;

TopLevelUsages parseTopLevelUsages(const QByteArray& descriptor) {
    TopLevelUsages usages;
    std::vector<PHIDP_PREPARSED_DATA> collections;
    if (HidParserParse(reinterpret_cast<const BYTE*>(descriptor.constData()),
                       static_cast<ULONG>(descriptor.size()), collections) != HIDP_STATUS_SUCCESS)
        return usages;
    for (PHIDP_PREPARSED_DATA collection : collections) {
        HIDP_CAPS caps{};
        HidP_GetCaps(collection, &caps);
        HidParserFree(collection);
        usages.push_back({caps.UsagePage, caps.Usage});
    }
    return usages;
}

// What the last snapshot parsed, by descriptor: a rescan with many nodes parses only
// descriptors it has not seen.
std::mutex parsedLock;
std::unordered_map<QByteArray, TopLevelUsages> parsedDescriptors; // guarded by parsedLock

} // namespace

std::vector<DeviceInterface> SnapshotHidInterfaces(std::vector<HidNodeInfo> nodes) {
    std::vector<DeviceInterface> result;
    std::lock_guard lock(parsedLock);
    std::unordered_map<QByteArray, TopLevelUsages> parsedNow;
    for (HidNodeInfo& node : nodes) {
        const QByteArray seen =
            QByteArray::fromRawData(reinterpret_cast<const char*>(node.reportDescriptor.data()),
                                    static_cast<qsizetype>(node.reportDescriptor.size()));
        auto parsed = parsedNow.find(seen);
        if (parsed == parsedNow.end()) {
            const QByteArray descriptor(seen.constData(), seen.size());
            const auto known = parsedDescriptors.find(descriptor);
            parsed = parsedNow
                         .emplace(descriptor, known != parsedDescriptors.end()
                                                  ? std::move(known->second)
                                                  : parseTopLevelUsages(descriptor))
                         .first;
        }
        const TopLevelUsages& usages = parsed->second;
        const std::size_t count = std::min(usages.size(), kMaxInterfacesPerNode);
        const auto shared = std::make_shared<const HidNodeInfo>(std::move(node));
        for (std::size_t i = 0; i < count; ++i) {
            DeviceInterface entry;
            entry.path =
                DeviceInterfacePath(shared->nodePath, static_cast<int>(i), static_cast<int>(count));
            entry.devInst = (shared->instance << kCollectionBits) | static_cast<DWORD>(i);
            entry.usagePage = usages[i].usagePage;
            entry.usage = usages[i].usage;
            entry.node = shared;
            result.push_back(std::move(entry));
        }
    }
    parsedDescriptors = std::move(parsedNow);
    return result;
}

std::optional<RegistryValue> InterfaceProperty(const DeviceInterface& deviceInterface,
                                               DWORD property) {
    const HidNodeInfo& node = *deviceInterface.node;
    switch (property) {
    case SPDRP_DEVICEDESC:
        return text(deviceDescription(deviceInterface.usagePage, deviceInterface.usage));
    case SPDRP_HARDWAREID:
        return textList(hardwareIds(deviceInterface));
    case SPDRP_SERVICE:
        return textIfAny(node.driver);
    case SPDRP_CLASS:
        return text(QStringLiteral("HIDClass"));
    case SPDRP_CLASSGUID:
        return text(QStringLiteral("{745a17a0-74d3-11d0-b6fe-00a0c90f57da}"));
    case SPDRP_MFG:
        return textIfAny(node.manufacturer);
    case SPDRP_LOCATION_INFORMATION:
        return textIfAny(node.location);
    case SPDRP_PHYSICAL_DEVICE_OBJECT_NAME:
        return text(node.nodePath);
    case SPDRP_ENUMERATOR_NAME:
        return text(QStringLiteral("HID"));
    }
    return std::nullopt;
}
