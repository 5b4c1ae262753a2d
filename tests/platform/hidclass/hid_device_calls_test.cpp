#include "platform/hidbus/sim_hid_bus.h"
#include "platform/hidclass/hidsdi.h"
#include "platform/win32/device_file.h"
#include "platform/win32/last_error.h"
#include "tests/support/opened_handles.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// Two top-level collections with report ids: a joystick (usage 4) with input report 1 of one
// byte, and a vendor collection (usage 1) with feature report 4 of 254 bytes.
const std::vector<BYTE> kTwoCollections = {
    0x05, 0x01, 0x09, 0x04, 0xA1, 0x01, 0x85, 0x01, 0x09, 0x30, 0x15, 0x00,
    0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, 0x01, 0x81, 0x02, 0xC0, // joystick
    0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x04, 0x09, 0x01, 0x15,
    0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x96, 0xFE, 0x00, 0xB1, 0x02, 0xC0, // vendor
};

class HidDeviceCallsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SimHidDeviceSpec spec;
        spec.vendorId = 0x16C0;
        spec.productId = 0x05DF;
        spec.version = 0x0200;
        spec.product = QStringLiteral("Tavro stick");
        spec.reportDescriptor = kTwoCollections;
        spec.getFeature = [](std::span<BYTE> report) {
            std::fill(report.begin() + 1, report.end(), BYTE{0x5A});
            return ERROR_SUCCESS;
        };
        spec.setFeature = [this](std::span<const BYTE> report) {
            sent.assign(report.begin(), report.end());
            return ERROR_SUCCESS;
        };
        device = bus.addDevice(spec);
    }

    HANDLE open(DWORD access, int collection = 0) {
        return opened.open(
            DeviceInterfacePath(bus.nodePath(device), collection, 2).toStdU16String(), access);
    }

    SimHidBus bus;
    ScopedHidBus guard{bus};
    SimHidBus::DeviceId device = 0;
    std::vector<BYTE> sent;
    OpenedHandles opened;
};

TEST_F(HidDeviceCallsTest, FeatureTransfersShowFaultsInResultAndLastError) {
    const struct {
        const char* what;
        SimHidFaults faults;
        bool unplug;
        DWORD access;
        BOOLEAN result;
        DWORD error;
    } cases[] = {
        {"healthy device", {}, false, GENERIC_READ | GENERIC_WRITE, TRUE, ERROR_SUCCESS},
        {"transfer failing",
         {.transferError = ERROR_GEN_FAILURE},
         false,
         GENERIC_READ | GENERIC_WRITE,
         FALSE,
         ERROR_GEN_FAILURE},
        {"transfer timing out",
         {.transferError = ERROR_SEM_TIMEOUT},
         false,
         GENERIC_READ | GENERIC_WRITE,
         FALSE,
         ERROR_SEM_TIMEOUT},
        {"handle for queries only", {}, false, 0, FALSE, ERROR_ACCESS_DENIED},
        {"device unplugged after the open",
         {},
         true,
         GENERIC_READ | GENERIC_WRITE,
         FALSE,
         ERROR_DEVICE_NOT_CONNECTED},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        bus.replug(device);
        bus.setFaults(device, c.faults);
        HANDLE handle = open(c.access, 1);
        ASSERT_NE(handle, INVALID_HANDLE_VALUE);
        if (c.unplug)
            bus.unplug(device);

        std::vector<BYTE> report(255, 0);
        report[0] = 4;
        SetLastError(ERROR_SUCCESS);
        EXPECT_EQ(HidD_GetFeature(handle, report.data(), 255), c.result);
        EXPECT_EQ(GetLastError(), c.error);
        EXPECT_EQ(report[254], c.result ? 0x5A : 0) << "a failed get fills nothing";

        sent.clear();
        SetLastError(ERROR_SUCCESS);
        EXPECT_EQ(HidD_SetFeature(handle, report.data(), 255), c.result);
        EXPECT_EQ(GetLastError(), c.error);
        EXPECT_EQ(sent.size(), c.result ? 255u : 0u);
    }
}

TEST_F(HidDeviceCallsTest, AttributesComeFromTheDeviceOrItsFault) {
    HANDLE handle = open(0);
    HIDD_ATTRIBUTES attributes{};
    attributes.Size = sizeof attributes;
    ASSERT_TRUE(HidD_GetAttributes(handle, &attributes));
    EXPECT_EQ(attributes.Size, 12u);
    EXPECT_EQ(attributes.VendorID, 0x16C0);
    EXPECT_EQ(attributes.ProductID, 0x05DF);
    EXPECT_EQ(attributes.VersionNumber, 0x0200);

    bus.setFaults(device, {.attributesError = ERROR_GEN_FAILURE});
    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(HidD_GetAttributes(handle, &attributes));
    EXPECT_EQ(GetLastError(), ERROR_GEN_FAILURE);
}

TEST_F(HidDeviceCallsTest, EachInterfaceHasTheCapsOfItsCollection) {
    const struct {
        int collection;
        USAGE usagePage;
        USAGE usage;
        USHORT inputLength;
        USHORT featureLength;
    } cases[] = {
        {0, 0x01, 0x04, 2, 0},
        {1, 0xFF00, 0x01, 0, 255},
    };
    for (const auto& c : cases) {
        PHIDP_PREPARSED_DATA data = nullptr;
        ASSERT_TRUE(HidD_GetPreparsedData(open(0, c.collection), &data));
        HIDP_CAPS caps{};
        EXPECT_EQ(HidP_GetCaps(data, &caps), HIDP_STATUS_SUCCESS);
        EXPECT_EQ(caps.UsagePage, c.usagePage);
        EXPECT_EQ(caps.Usage, c.usage);
        EXPECT_EQ(caps.InputReportByteLength, c.inputLength);
        EXPECT_EQ(caps.FeatureReportByteLength, c.featureLength);
        EXPECT_TRUE(HidD_FreePreparsedData(data));
    }
    EXPECT_EQ(open(0, 2), INVALID_HANDLE_VALUE) << "no third collection";
}

TEST_F(HidDeviceCallsTest, UnparsableDescriptorGivesNoPreparsedData) {
    SimHidDeviceSpec broken;
    broken.reportDescriptor = {0x05, 0x01, 0xA1}; // collection item cut short
    const auto id = bus.addDevice(broken);
    HANDLE handle = opened.open(bus.nodePath(id).toStdU16String(), 0);
    PHIDP_PREPARSED_DATA data = nullptr;
    EXPECT_FALSE(HidD_GetPreparsedData(handle, &data));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_DATA);
}

TEST_F(HidDeviceCallsTest, StringsFitOrSayWhy) {
    HANDLE handle = open(0);
    char16_t text[254];
    std::fill(std::begin(text), std::end(text), u'\xFFFF');
    ASSERT_TRUE(HidD_GetProductString(handle, text, sizeof text));
    EXPECT_EQ(std::u16string(text), u"Tavro stick");

    const struct {
        const char* what;
        std::function<BOOLEAN()> call;
        DWORD error;
    } failures[] = {
        {"no serial string", [&] { return HidD_GetSerialNumberString(handle, text, 508); },
         ERROR_NOT_FOUND},
        {"room for the text but not its NUL",
         [&] { return HidD_GetProductString(handle, text, 22); }, ERROR_INSUFFICIENT_BUFFER},
        {"string index other than the language list",
         [&] { return HidD_GetIndexedString(handle, 1, text, 508); }, ERROR_NOT_SUPPORTED},
        {"physical descriptor", [&] { return HidD_GetPhysicalDescriptor(handle, text, 508); },
         ERROR_NOT_SUPPORTED},
        {"configuration",
         [&] {
             HIDD_CONFIGURATION configuration{};
             return HidD_GetConfiguration(handle, &configuration, sizeof configuration);
         },
         ERROR_NOT_SUPPORTED},
        {"closed handle", [&] { return HidD_GetProductString(nullptr, text, 508); },
         ERROR_INVALID_HANDLE},
    };
    for (const auto& c : failures) {
        SetLastError(ERROR_SUCCESS);
        EXPECT_FALSE(c.call()) << c.what;
        EXPECT_EQ(GetLastError(), c.error) << c.what;
    }

    WORD languages[254];
    std::fill(std::begin(languages), std::end(languages), WORD{0xFFFF});
    ASSERT_TRUE(HidD_GetIndexedString(handle, 0, languages, sizeof languages));
    EXPECT_EQ(languages[0], 0x0409);
    EXPECT_EQ(languages[1], 0) << "the list ends with a 0 word";
    EXPECT_EQ(languages[2], 0xFFFF);
}

TEST_F(HidDeviceCallsTest, DeviceWithoutLanguageListHasNoIndexedString) {
    SimHidDeviceSpec silent;
    silent.languageIds.clear();
    const auto id = bus.addDevice(silent);
    HANDLE handle = opened.open(bus.nodePath(id).toStdU16String(), 0);
    WORD languages[254];
    EXPECT_FALSE(HidD_GetIndexedString(handle, 0, languages, sizeof languages));
    EXPECT_EQ(GetLastError(), ERROR_NOT_FOUND);
}

TEST_F(HidDeviceCallsTest, InputBufferCountBelongsToTheHandle) {
    HANDLE first = open(GENERIC_READ | GENERIC_WRITE);
    ULONG count = 0;
    ASSERT_TRUE(HidD_GetNumInputBuffers(first, &count));
    EXPECT_EQ(count, 32u);
    for (ULONG refused : {0u, 1u, 513u}) {
        EXPECT_FALSE(HidD_SetNumInputBuffers(first, refused)) << refused;
        EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    }
    ASSERT_TRUE(HidD_SetNumInputBuffers(first, 64));
    HidD_GetNumInputBuffers(first, &count);
    EXPECT_EQ(count, 64u);

    HidD_GetNumInputBuffers(open(GENERIC_READ | GENERIC_WRITE), &count);
    EXPECT_EQ(count, 32u) << "a new handle starts from the default";
}

TEST_F(HidDeviceCallsTest, FlushDropsOnlyWhatWasQueuedBefore) {
    HANDLE handle = open(GENERIC_READ | GENERIC_WRITE);
    bus.queueInput(device, {1, 0x11});
    ASSERT_TRUE(HidD_FlushQueue(handle));
    bus.queueInput(device, {1, 0x22});
    BYTE report[2] = {};
    DWORD got = 0;
    ASSERT_TRUE(ReadFile(handle, report, sizeof report, &got, nullptr));
    EXPECT_EQ(report[1], 0x22);

    EXPECT_FALSE(HidD_FlushQueue(open(0)));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
}

} // namespace
