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
    maxDataListLength = HidApi.HidP_MaxDataListLength(reportTypeParam, preparsedData);
    maxUsageListLength =
        HidApi.HidP_MaxUsageListLength(reportTypeParam, usagePageParam, preparsedData);
    maxButtonListLength =
        HidApi.HidP_MaxButtonListLength(reportTypeParam, usagePageParam, preparsedData);
}

void TWkHidDevice::SetReportTypeParam(HIDP_REPORT_TYPE value) {
    reportTypeParam = value;
    UpdateListLengths();
}

void TWkHidDevice::SetUsagePageParam(USAGE value) {
    usagePageParam = value;
    UpdateListLengths();
}

NTSTATUS TWkHidDevice::GetSpecificButtonCaps(HIDP_BUTTON_CAPS* buttonCaps, USHORT& count) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_GetSpecificButtonCaps(reportTypeParam, usagePageParam, linkCollectionParam,
                                             usageParam, buttonCaps, &count, preparsedData);
}

NTSTATUS TWkHidDevice::GetButtonCaps(HIDP_BUTTON_CAPS* buttonCaps, USHORT& count) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return GetAllButtonCaps(reportTypeParam, buttonCaps, count, preparsedData);
}

NTSTATUS TWkHidDevice::GetSpecificValueCaps(HIDP_VALUE_CAPS* valueCaps, USHORT& count) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_GetSpecificValueCaps(reportTypeParam, usagePageParam, linkCollectionParam,
                                            usageParam, valueCaps, &count, preparsedData);
}

NTSTATUS TWkHidDevice::GetValueCaps(HIDP_VALUE_CAPS* valueCaps, USHORT& count) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return GetAllValueCaps(reportTypeParam, valueCaps, count, preparsedData);
}

NTSTATUS TWkHidDevice::GetData(HIDP_DATA* dataList, ULONG& dataLength, void* report,
                               ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_GetData(reportTypeParam, dataList, &dataLength, preparsedData, Bytes(report),
                               reportLength);
}

NTSTATUS TWkHidDevice::SetData(HIDP_DATA* dataList, ULONG& dataLength, void* report,
                               ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_SetData(reportTypeParam, dataList, &dataLength, preparsedData, Bytes(report),
                               reportLength);
}

NTSTATUS TWkHidDevice::GetUsages(USAGE* usageList, ULONG& usageLength, void* report,
                                 ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_GetUsages(reportTypeParam, usagePageParam, linkCollectionParam, usageList,
                                 &usageLength, preparsedData, Bytes(report), reportLength);
}

NTSTATUS TWkHidDevice::GetButtons(USAGE* usageList, ULONG& usageLength, void* report,
                                  ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_GetButtons(reportTypeParam, usagePageParam, linkCollectionParam, usageList,
                                  &usageLength, preparsedData, Bytes(report), reportLength);
}

NTSTATUS TWkHidDevice::GetUsagesEx(USAGE_AND_PAGE* usageList, ULONG& usageLength, void* report,
                                   ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_GetUsagesEx(reportTypeParam, linkCollectionParam, usageList, &usageLength,
                                   preparsedData, Bytes(report), reportLength);
}

NTSTATUS TWkHidDevice::GetButtonsEx(USAGE_AND_PAGE* usageList, ULONG& usageLength, void* report,
                                    ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_GetButtonsEx(reportTypeParam, linkCollectionParam, usageList, &usageLength,
                                    preparsedData, Bytes(report), reportLength);
}

NTSTATUS TWkHidDevice::SetUsages(USAGE* usageList, ULONG& usageLength, void* report,
                                 ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_SetUsages(reportTypeParam, usagePageParam, linkCollectionParam, usageList,
                                 &usageLength, preparsedData, Bytes(report), reportLength);
}

NTSTATUS TWkHidDevice::SetButtons(USAGE* usageList, ULONG& usageLength, void* report,
                                  ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_SetButtons(reportTypeParam, usagePageParam, linkCollectionParam, usageList,
                                  &usageLength, preparsedData, Bytes(report), reportLength);
}

NTSTATUS TWkHidDevice::UnsetUsages(USAGE* usageList, ULONG& usageLength, void* report,
                                   ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_UnsetUsages(reportTypeParam, usagePageParam, linkCollectionParam, usageList,
                                   &usageLength, preparsedData, Bytes(report), reportLength);
}

NTSTATUS TWkHidDevice::UnsetButtons(USAGE* usageList, ULONG& usageLength, void* report,
                                    ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_UnsetButtons(reportTypeParam, usagePageParam, linkCollectionParam, usageList,
                                    &usageLength, preparsedData, Bytes(report), reportLength);
}

NTSTATUS TWkHidDevice::GetUsageValue(ULONG& usageValue, void* report, ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_GetUsageValue(reportTypeParam, usagePageParam, linkCollectionParam,
                                     usageParam, &usageValue, preparsedData, Bytes(report),
                                     reportLength);
}

NTSTATUS TWkHidDevice::GetScaledUsageValue(LONG& usageValue, void* report, ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_GetScaledUsageValue(reportTypeParam, usagePageParam, linkCollectionParam,
                                           usageParam, &usageValue, preparsedData, Bytes(report),
                                           reportLength);
}

NTSTATUS TWkHidDevice::GetUsageValueArray(void* usageValue, USHORT usageValueByteLength,
                                          void* report, ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_GetUsageValueArray(reportTypeParam, usagePageParam, linkCollectionParam,
                                          usageParam, Bytes(usageValue), usageValueByteLength,
                                          preparsedData, Bytes(report), reportLength);
}

NTSTATUS TWkHidDevice::SetUsageValue(ULONG usageValue, void* report, ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_SetUsageValue(reportTypeParam, usagePageParam, linkCollectionParam,
                                     usageParam, usageValue, preparsedData, Bytes(report),
                                     reportLength);
}

NTSTATUS TWkHidDevice::SetScaledUsageValue(LONG usageValue, void* report, ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_SetScaledUsageValue(reportTypeParam, usagePageParam, linkCollectionParam,
                                           usageParam, usageValue, preparsedData, Bytes(report),
                                           reportLength);
}

NTSTATUS TWkHidDevice::SetUsageValueArray(void* usageValue, USHORT usageValueByteLength,
                                          void* report, ULONG reportLength) {
    if (!ParserReady())
        return HIDP_STATUS_NULL;
    return HidApi.HidP_SetUsageValueArray(reportTypeParam, usagePageParam, linkCollectionParam,
                                          usageParam, Bytes(usageValue), usageValueByteLength,
                                          preparsedData, Bytes(report), reportLength);
}

NTSTATUS TWkHidDevice::GetExtendedAttributes(HIDP_REPORT_TYPE reportType, USHORT dataIndex,
                                             HIDP_EXTENDED_ATTRIBUTES* attributes,
                                             ULONG& lengthAttributes) {
    if (HidApi.HidP_GetExtendedAttributes == nullptr)
        return HIDP_STATUS_NOT_IMPLEMENTED;
    return HidApi.HidP_GetExtendedAttributes(reportType, dataIndex, preparsedData, attributes,
                                             &lengthAttributes);
}

NTSTATUS TWkHidDevice::InitializeReportForID(HIDP_REPORT_TYPE reportType, UCHAR reportId,
                                             void* report, ULONG reportLength) {
    if (HidApi.HidP_InitializeReportForID == nullptr)
        return HIDP_STATUS_NOT_IMPLEMENTED;
    return HidApi.HidP_InitializeReportForID(reportType, reportId, preparsedData, Bytes(report),
                                             reportLength);
}
