// The HID report parser offered on the device: each call takes the device's preparsed data and
// parser parameters, and answers HIDP_STATUS_NULL for a device that may not be opened.
#include "hid/hid_api.h"
#include "hid/hid_device.h"

namespace {

PCHAR Bytes(void* report) {
    return static_cast<PCHAR>(report);
}

} // namespace

bool TWkHidDevice::ParserReady() {
    if (!IsOpenAllowed())
        return false;
    PreparsedData();
    return true;
}

void TWkHidDevice::UpdateListLengths() {
    if (!ParserReady())
        return;
    FMaxDataListLength = HidApi.HidP_MaxDataListLength(FReportTypeParam, FPreparsedData);
    FMaxUsageListLength =
        HidApi.HidP_MaxUsageListLength(FReportTypeParam, FUsagePageParam, FPreparsedData);
    FMaxButtonListLength =
        HidApi.HidP_MaxButtonListLength(FReportTypeParam, FUsagePageParam, FPreparsedData);
}

void TWkHidDevice::SetReportTypeParam(HIDP_REPORT_TYPE value) {
    FReportTypeParam = value;
    UpdateListLengths();
}

void TWkHidDevice::SetUsagePageParam(USAGE value) {
    FUsagePageParam = value;
    UpdateListLengths();
}

NTSTATUS TWkHidDevice::GetSpecificButtonCaps(HIDP_BUTTON_CAPS* buttonCaps, USHORT& count) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_GetSpecificButtonCaps(FReportTypeParam, FUsagePageParam,
                                             FLinkCollectionParam, FUsageParam, buttonCaps, &count,
                                             FPreparsedData);
}

NTSTATUS TWkHidDevice::GetButtonCaps(HIDP_BUTTON_CAPS* buttonCaps, USHORT& count) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return GetAllButtonCaps(FReportTypeParam, buttonCaps, count, FPreparsedData);
}

NTSTATUS TWkHidDevice::GetSpecificValueCaps(HIDP_VALUE_CAPS* valueCaps, USHORT& count) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_GetSpecificValueCaps(FReportTypeParam, FUsagePageParam, FLinkCollectionParam,
                                            FUsageParam, valueCaps, &count, FPreparsedData);
}

NTSTATUS TWkHidDevice::GetValueCaps(HIDP_VALUE_CAPS* valueCaps, USHORT& count) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return GetAllValueCaps(FReportTypeParam, valueCaps, count, FPreparsedData);
}

NTSTATUS TWkHidDevice::GetData(HIDP_DATA* dataList, ULONG& dataLength, void* report,
                               ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_GetData(FReportTypeParam, dataList, &dataLength, FPreparsedData,
                               Bytes(report), reportLength);
}

NTSTATUS TWkHidDevice::SetData(HIDP_DATA* dataList, ULONG& dataLength, void* report,
                               ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_SetData(FReportTypeParam, dataList, &dataLength, FPreparsedData,
                               Bytes(report), reportLength);
}

NTSTATUS TWkHidDevice::GetUsages(USAGE* usageList, ULONG& usageLength, void* report,
                                 ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_GetUsages(FReportTypeParam, FUsagePageParam, FLinkCollectionParam, usageList,
                                 &usageLength, FPreparsedData, Bytes(report), reportLength);
}

NTSTATUS TWkHidDevice::GetButtons(USAGE* usageList, ULONG& usageLength, void* report,
                                  ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_GetButtons(FReportTypeParam, FUsagePageParam, FLinkCollectionParam,
                                  usageList, &usageLength, FPreparsedData, Bytes(report),
                                  reportLength);
}

NTSTATUS TWkHidDevice::GetUsagesEx(USAGE_AND_PAGE* usageList, ULONG& usageLength, void* report,
                                   ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_GetUsagesEx(FReportTypeParam, FLinkCollectionParam, usageList, &usageLength,
                                   FPreparsedData, Bytes(report), reportLength);
}

NTSTATUS TWkHidDevice::GetButtonsEx(USAGE_AND_PAGE* usageList, ULONG& usageLength, void* report,
                                    ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_GetButtonsEx(FReportTypeParam, FLinkCollectionParam, usageList, &usageLength,
                                    FPreparsedData, Bytes(report), reportLength);
}

NTSTATUS TWkHidDevice::SetUsages(USAGE* usageList, ULONG& usageLength, void* report,
                                 ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_SetUsages(FReportTypeParam, FUsagePageParam, FLinkCollectionParam, usageList,
                                 &usageLength, FPreparsedData, Bytes(report), reportLength);
}

NTSTATUS TWkHidDevice::SetButtons(USAGE* usageList, ULONG& usageLength, void* report,
                                  ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_SetButtons(FReportTypeParam, FUsagePageParam, FLinkCollectionParam,
                                  usageList, &usageLength, FPreparsedData, Bytes(report),
                                  reportLength);
}

NTSTATUS TWkHidDevice::UnsetUsages(USAGE* usageList, ULONG& usageLength, void* report,
                                   ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_UnsetUsages(FReportTypeParam, FUsagePageParam, FLinkCollectionParam,
                                   usageList, &usageLength, FPreparsedData, Bytes(report),
                                   reportLength);
}

NTSTATUS TWkHidDevice::UnsetButtons(USAGE* usageList, ULONG& usageLength, void* report,
                                    ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_UnsetButtons(FReportTypeParam, FUsagePageParam, FLinkCollectionParam,
                                    usageList, &usageLength, FPreparsedData, Bytes(report),
                                    reportLength);
}

NTSTATUS TWkHidDevice::GetUsageValue(ULONG& usageValue, void* report, ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_GetUsageValue(FReportTypeParam, FUsagePageParam, FLinkCollectionParam,
                                     FUsageParam, &usageValue, FPreparsedData, Bytes(report),
                                     reportLength);
}

NTSTATUS TWkHidDevice::GetScaledUsageValue(LONG& usageValue, void* report, ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_GetScaledUsageValue(FReportTypeParam, FUsagePageParam, FLinkCollectionParam,
                                           FUsageParam, &usageValue, FPreparsedData, Bytes(report),
                                           reportLength);
}

NTSTATUS TWkHidDevice::GetUsageValueArray(void* usageValue, USHORT usageValueByteLength,
                                          void* report, ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_GetUsageValueArray(FReportTypeParam, FUsagePageParam, FLinkCollectionParam,
                                          FUsageParam, Bytes(usageValue), usageValueByteLength,
                                          FPreparsedData, Bytes(report), reportLength);
}

NTSTATUS TWkHidDevice::SetUsageValue(ULONG usageValue, void* report, ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_SetUsageValue(FReportTypeParam, FUsagePageParam, FLinkCollectionParam,
                                     FUsageParam, usageValue, FPreparsedData, Bytes(report),
                                     reportLength);
}

NTSTATUS TWkHidDevice::SetScaledUsageValue(LONG usageValue, void* report, ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_SetScaledUsageValue(FReportTypeParam, FUsagePageParam, FLinkCollectionParam,
                                           FUsageParam, usageValue, FPreparsedData, Bytes(report),
                                           reportLength);
}

NTSTATUS TWkHidDevice::SetUsageValueArray(void* usageValue, USHORT usageValueByteLength,
                                          void* report, ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_SetUsageValueArray(FReportTypeParam, FUsagePageParam, FLinkCollectionParam,
                                          FUsageParam, Bytes(usageValue), usageValueByteLength,
                                          FPreparsedData, Bytes(report), reportLength);
}

NTSTATUS TWkHidDevice::GetExtendedAttributes(HIDP_REPORT_TYPE reportType, USHORT dataIndex,
                                             HIDP_EXTENDED_ATTRIBUTES* attributes,
                                             ULONG& lengthAttributes) {
    if (HidApi.HidP_GetExtendedAttributes == nullptr)
        return HIDP_STATUS_NOT_IMPLEMENTED;
    return HidApi.HidP_GetExtendedAttributes(reportType, dataIndex, FPreparsedData, attributes,
                                             &lengthAttributes);
}

NTSTATUS TWkHidDevice::InitializeReportForID(HIDP_REPORT_TYPE reportType, UCHAR reportId,
                                             void* report, ULONG reportLength) {
    if (HidApi.HidP_InitializeReportForID == nullptr)
        return HIDP_STATUS_NOT_IMPLEMENTED;
    return HidApi.HidP_InitializeReportForID(reportType, reportId, FPreparsedData, Bytes(report),
                                             reportLength);
}
