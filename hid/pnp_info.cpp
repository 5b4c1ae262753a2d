#include "hid/pnp_info.h"

#include "hid/setup_api.h"

#include <vector>

namespace {

// Room for one text property: 1,024 wide characters.
constexpr DWORD StringPropertyBytes = 2048;
// Room for a list of NUL-terminated texts ended by an empty one.
constexpr DWORD StringListPropertyBytes = 0x8000;

class PropertyReader {
public:
    PropertyReader(HDEVINFO set, const SP_DEVINFO_DATA& data) : set(set), data(data) {}

    QString String(DWORD property) {
        const auto words = Read(property, StringPropertyBytes);
        return QString::fromUtf16(words.data());
    }

    QStringList StringList(DWORD property) {
        const auto words = Read(property, StringListPropertyBytes);
        QStringList list;
        // The buffer ends in at least one NUL word, so every scan below stops inside it.
        for (std::size_t at = 0; at < words.size() && words[at] != 0;) {
            const QString entry = QString::fromUtf16(words.data() + at);
            list << entry;
            at += entry.size() + 1;
        }
        return list;
    }

    DWORD Number(DWORD property) {
        DWORD value = 0;
        if (SetupApi.SetupDiGetDeviceRegistryPropertyW(set, &data, property, nullptr,
                                                       reinterpret_cast<BYTE*>(&value),
                                                       sizeof value, nullptr) == FALSE)
            return 0;
        return value;
    }

private:
    // A zero-filled buffer of bytes / 2 words plus one NUL word that the call never writes, so
    // the text in it always ends inside it whatever the library answered.
    std::vector<char16_t> Read(DWORD property, DWORD bytes) {
        std::vector<char16_t> words(bytes / 2 + 1, 0);
        if (SetupApi.SetupDiGetDeviceRegistryPropertyW(set, &data, property, nullptr,
                                                       reinterpret_cast<BYTE*>(words.data()), bytes,
                                                       nullptr) == FALSE)
            std::fill(words.begin(), words.end(), 0);
        return words;
    }

    HDEVINFO set;
    SP_DEVINFO_DATA data;
};

} // namespace

TWkHidPnPInfo::TWkHidPnPInfo(HDEVINFO pnpHandle, const SP_DEVINFO_DATA& devData,
                             const QString& path)
    : deviceId(devData.DevInst), devicePath(path) {
    if (SetupApi.SetupDiGetDeviceRegistryPropertyW == nullptr)
        return;
    PropertyReader r(pnpHandle, devData);
    capabilities = r.Number(SPDRP_CAPABILITIES);
    classDescr = r.String(SPDRP_CLASS);
    classGuid = r.String(SPDRP_CLASSGUID);
    compatibleIds = r.StringList(SPDRP_COMPATIBLEIDS);
    configFlags = r.Number(SPDRP_CONFIGFLAGS);
    deviceDescr = r.String(SPDRP_DEVICEDESC);
    driver = r.String(SPDRP_DRIVER);
    friendlyName = r.String(SPDRP_FRIENDLYNAME);
    hardwareId = r.StringList(SPDRP_HARDWAREID);
    lowerFilters = r.StringList(SPDRP_LOWERFILTERS);
    mfg = r.String(SPDRP_MFG);
    upperFilters = r.StringList(SPDRP_UPPERFILTERS);
    service = r.String(SPDRP_SERVICE);
    address = r.String(SPDRP_ADDRESS);
    busNumber = r.Number(SPDRP_BUSNUMBER);
    busType = r.String(SPDRP_BUSTYPEGUID);
    characteristics = r.String(SPDRP_CHARACTERISTICS);
    devType = r.Number(SPDRP_DEVTYPE);
    enumeratorName = r.String(SPDRP_ENUMERATOR_NAME);
    exclusive = r.Number(SPDRP_EXCLUSIVE);
    legacyBusType = r.Number(SPDRP_LEGACYBUSTYPE);
    locationInfo = r.String(SPDRP_LOCATION_INFORMATION);
    physDevObjName = r.String(SPDRP_PHYSICAL_DEVICE_OBJECT_NAME);
    securitySds = r.String(SPDRP_SECURITY_SDS);
    uiNumber = r.Number(SPDRP_UI_NUMBER);
    uiNumberFormat = r.String(SPDRP_UI_NUMBER_DESC_FORMAT);
}
