#pragma once
// The HID report parser the HID class library offers (HidP_*), with the record layouts and status
// codes its callers expect, over our own report-descriptor parser. HidParserParse turns a report
// descriptor into one preparsed-data object per top-level collection; every HidP_* function takes
// such an object and answers a HIDP_STATUS_* code (or a count, where the function returns one).
//
// Reports are byte buffers whose byte 0 is the report id (0 when the descriptor uses no ids); the
// fields follow bit-packed, least significant bit first. A report passed in must be exactly as
// long as HIDP_CAPS gives for its kind.

#include "platform/win32/types.h"

#include <vector>

using USAGE = USHORT;
using PUSAGE = USAGE*;

struct HidpPreparsedData;
using PHIDP_PREPARSED_DATA = HidpPreparsedData*;

// Callers may pass any number; the functions refuse those outside the three kinds.
enum HIDP_REPORT_TYPE : int { HidP_Input = 0, HidP_Output = 1, HidP_Feature = 2 };

constexpr NTSTATUS hidpStatus(ULONG code) {
    return static_cast<NTSTATUS>(code);
}

constexpr NTSTATUS HIDP_STATUS_SUCCESS = hidpStatus(0x00110000);
constexpr NTSTATUS HIDP_STATUS_NULL = hidpStatus(0x80110001);
constexpr NTSTATUS HIDP_STATUS_INVALID_PREPARSED_DATA = hidpStatus(0xC0110001);
constexpr NTSTATUS HIDP_STATUS_INVALID_REPORT_TYPE = hidpStatus(0xC0110002);
constexpr NTSTATUS HIDP_STATUS_INVALID_REPORT_LENGTH = hidpStatus(0xC0110003);
constexpr NTSTATUS HIDP_STATUS_USAGE_NOT_FOUND = hidpStatus(0xC0110004);
constexpr NTSTATUS HIDP_STATUS_VALUE_OUT_OF_RANGE = hidpStatus(0xC0110005);
constexpr NTSTATUS HIDP_STATUS_BAD_LOG_PHY_VALUES = hidpStatus(0xC0110006);
constexpr NTSTATUS HIDP_STATUS_BUFFER_TOO_SMALL = hidpStatus(0xC0110007);
constexpr NTSTATUS HIDP_STATUS_INTERNAL_ERROR = hidpStatus(0xC0110008);
constexpr NTSTATUS HIDP_STATUS_I8042_TRANS_UNKNOWN = hidpStatus(0xC0110009);
constexpr NTSTATUS HIDP_STATUS_INCOMPATIBLE_REPORT_ID = hidpStatus(0xC011000A);
constexpr NTSTATUS HIDP_STATUS_NOT_VALUE_ARRAY = hidpStatus(0xC011000B);
constexpr NTSTATUS HIDP_STATUS_IS_VALUE_ARRAY = hidpStatus(0xC011000C);
constexpr NTSTATUS HIDP_STATUS_DATA_INDEX_NOT_FOUND = hidpStatus(0xC011000D);
constexpr NTSTATUS HIDP_STATUS_DATA_INDEX_OUT_OF_RANGE = hidpStatus(0xC011000E);
constexpr NTSTATUS HIDP_STATUS_BUTTON_NOT_PRESSED = hidpStatus(0xC011000F);
constexpr NTSTATUS HIDP_STATUS_REPORT_DOES_NOT_EXIST = hidpStatus(0xC0110010);
constexpr NTSTATUS HIDP_STATUS_NOT_IMPLEMENTED = hidpStatus(0xC0110020);

// What HidParserParse answers for a descriptor it cannot interpret (kernel
// STATUS_COULD_NOT_INTERPRET).
constexpr NTSTATUS STATUS_COULD_NOT_INTERPRET = hidpStatus(0xC00000B9);

struct USAGE_AND_PAGE {
    USAGE Usage;
    USAGE UsagePage;
};
using PUSAGE_AND_PAGE = USAGE_AND_PAGE*;

struct HIDP_CAPS {
    USAGE Usage;
    USAGE UsagePage;
    USHORT InputReportByteLength;
    USHORT OutputReportByteLength;
    USHORT FeatureReportByteLength;
    USHORT Reserved[17];
    USHORT NumberLinkCollectionNodes;
    USHORT NumberInputButtonCaps;
    USHORT NumberInputValueCaps;
    USHORT NumberInputDataIndices;
    USHORT NumberOutputButtonCaps;
    USHORT NumberOutputValueCaps;
    USHORT NumberOutputDataIndices;
    USHORT NumberFeatureButtonCaps;
    USHORT NumberFeatureValueCaps;
    USHORT NumberFeatureDataIndices;
};
static_assert(sizeof(HIDP_CAPS) == 64);

struct HIDP_CAPS_RANGE {
    USAGE UsageMin, UsageMax;
    USHORT StringMin, StringMax;
    USHORT DesignatorMin, DesignatorMax;
    USHORT DataIndexMin, DataIndexMax;
};

struct HIDP_CAPS_NOT_RANGE {
    USAGE Usage, Reserved1;
    USHORT StringIndex, Reserved2;
    USHORT DesignatorIndex, Reserved3;
    USHORT DataIndex, Reserved4;
};

struct HIDP_BUTTON_CAPS {
    USAGE UsagePage;
    UCHAR ReportID;
    BOOLEAN IsAlias;
    USHORT BitField;
    USHORT LinkCollection;
    USAGE LinkUsage;
    USAGE LinkUsagePage;
    BOOLEAN IsRange;
    BOOLEAN IsStringRange;
    BOOLEAN IsDesignatorRange;
    BOOLEAN IsAbsolute;
    USHORT ReportCount;
    USHORT Reserved2;
    ULONG Reserved[9];
    union {
        HIDP_CAPS_RANGE Range;
        HIDP_CAPS_NOT_RANGE NotRange;
    };
};
static_assert(sizeof(HIDP_BUTTON_CAPS) == 72);

struct HIDP_VALUE_CAPS {
    USAGE UsagePage;
    UCHAR ReportID;
    BOOLEAN IsAlias;
    USHORT BitField;
    USHORT LinkCollection;
    USAGE LinkUsage;
    USAGE LinkUsagePage;
    BOOLEAN IsRange;
    BOOLEAN IsStringRange;
    BOOLEAN IsDesignatorRange;
    BOOLEAN IsAbsolute;
    BOOLEAN HasNull;
    UCHAR Reserved;
    USHORT BitSize;
    USHORT ReportCount;
    USHORT Reserved2[5];
    ULONG UnitsExp;
    ULONG Units;
    LONG LogicalMin, LogicalMax;
    LONG PhysicalMin, PhysicalMax;
    union {
        HIDP_CAPS_RANGE Range;
        HIDP_CAPS_NOT_RANGE NotRange;
    };
};
static_assert(sizeof(HIDP_VALUE_CAPS) == 72);

struct HIDP_LINK_COLLECTION_NODE {
    USAGE LinkUsage;
    USAGE LinkUsagePage;
    USHORT Parent;
    USHORT NumberOfChildren;
    USHORT NextSibling;
    USHORT FirstChild;
    ULONG CollectionType : 8;
    ULONG IsAlias : 1;
    ULONG Reserved : 23;
    PVOID UserContext;
};

struct HIDP_DATA {
    USHORT DataIndex;
    USHORT Reserved;
    union {
        ULONG RawValue;
        BOOLEAN On;
    };
};
static_assert(sizeof(HIDP_DATA) == 8);

// A global item whose tag the HID standard reserves, kept for the fields it applies to.
struct HIDP_UNKNOWN_TOKEN {
    UCHAR Token;
    UCHAR Reserved[3];
    ULONG BitField;
};

// Filled in place: GlobalUnknowns points at the tokens stored from Data on.
struct HIDP_EXTENDED_ATTRIBUTES {
    UCHAR NumGlobalUnknowns;
    UCHAR Reserved[3];
    HIDP_UNKNOWN_TOKEN* GlobalUnknowns;
    ULONG Data[1];
};

enum HIDP_KEYBOARD_DIRECTION { HidP_Keyboard_Break = 0, HidP_Keyboard_Make = 1 };

struct HIDP_KEYBOARD_MODIFIER_STATE {
    ULONG ul;
};

using PHIDP_INSERT_SCANCODES = BOOLEAN (*)(PVOID Context, PCHAR NewScanCodes, ULONG Length);

// Parses a report descriptor. On success one object per top-level collection is appended to
// `collections`, in descriptor order, each to be released with HidParserFree. A descriptor that is
// truncated, unbalanced or beyond the parser's limits gives STATUS_COULD_NOT_INTERPRET and no
// objects.
NTSTATUS HidParserParse(const BYTE* descriptor, ULONG length,
                        std::vector<PHIDP_PREPARSED_DATA>& collections);
void HidParserFree(PHIDP_PREPARSED_DATA data);

// Capabilities. For the list functions, `*Length` holds the room of the caller's array on entry;
// on return the number of entries written, or the number needed with HIDP_STATUS_BUFFER_TOO_SMALL.
// Usage page, link collection and usage 0 in the caps look-ups match any.
NTSTATUS HidP_GetCaps(PHIDP_PREPARSED_DATA PreparsedData, HIDP_CAPS* Capabilities);
NTSTATUS HidP_GetLinkCollectionNodes(HIDP_LINK_COLLECTION_NODE* LinkCollectionNodes,
                                     ULONG* LinkCollectionNodesLength,
                                     PHIDP_PREPARSED_DATA PreparsedData);
NTSTATUS HidP_GetSpecificButtonCaps(HIDP_REPORT_TYPE ReportType, USAGE UsagePage,
                                    USHORT LinkCollection, USAGE Usage,
                                    HIDP_BUTTON_CAPS* ButtonCaps, USHORT* ButtonCapsLength,
                                    PHIDP_PREPARSED_DATA PreparsedData);
NTSTATUS HidP_GetSpecificValueCaps(HIDP_REPORT_TYPE ReportType, USAGE UsagePage,
                                   USHORT LinkCollection, USAGE Usage, HIDP_VALUE_CAPS* ValueCaps,
                                   USHORT* ValueCapsLength, PHIDP_PREPARSED_DATA PreparsedData);
NTSTATUS HidP_GetExtendedAttributes(HIDP_REPORT_TYPE ReportType, USHORT DataIndex,
                                    PHIDP_PREPARSED_DATA PreparsedData,
                                    HIDP_EXTENDED_ATTRIBUTES* Attributes, ULONG* LengthAttributes);
// The longest list GetData or GetUsages can fill; 0 for bad arguments.
ULONG HidP_MaxDataListLength(HIDP_REPORT_TYPE ReportType, PHIDP_PREPARSED_DATA PreparsedData);
ULONG HidP_MaxUsageListLength(HIDP_REPORT_TYPE ReportType, USAGE UsagePage,
                              PHIDP_PREPARSED_DATA PreparsedData);

// Reports. A link collection of 0 searches the whole top-level collection.
NTSTATUS HidP_InitializeReportForID(HIDP_REPORT_TYPE ReportType, UCHAR ReportID,
                                    PHIDP_PREPARSED_DATA PreparsedData, PCHAR Report,
                                    ULONG ReportLength);
NTSTATUS HidP_GetData(HIDP_REPORT_TYPE ReportType, HIDP_DATA* DataList, ULONG* DataLength,
                      PHIDP_PREPARSED_DATA PreparsedData, PCHAR Report, ULONG ReportLength);
NTSTATUS HidP_SetData(HIDP_REPORT_TYPE ReportType, HIDP_DATA* DataList, ULONG* DataLength,
                      PHIDP_PREPARSED_DATA PreparsedData, PCHAR Report, ULONG ReportLength);
NTSTATUS HidP_GetUsages(HIDP_REPORT_TYPE ReportType, USAGE UsagePage, USHORT LinkCollection,
                        PUSAGE UsageList, ULONG* UsageLength, PHIDP_PREPARSED_DATA PreparsedData,
                        PCHAR Report, ULONG ReportLength);
NTSTATUS HidP_GetUsagesEx(HIDP_REPORT_TYPE ReportType, USHORT LinkCollection,
                          PUSAGE_AND_PAGE ButtonList, ULONG* UsageLength,
                          PHIDP_PREPARSED_DATA PreparsedData, PCHAR Report, ULONG ReportLength);
NTSTATUS HidP_SetUsages(HIDP_REPORT_TYPE ReportType, USAGE UsagePage, USHORT LinkCollection,
                        PUSAGE UsageList, ULONG* UsageLength, PHIDP_PREPARSED_DATA PreparsedData,
                        PCHAR Report, ULONG ReportLength);
NTSTATUS HidP_UnsetUsages(HIDP_REPORT_TYPE ReportType, USAGE UsagePage, USHORT LinkCollection,
                          PUSAGE UsageList, ULONG* UsageLength, PHIDP_PREPARSED_DATA PreparsedData,
                          PCHAR Report, ULONG ReportLength);
NTSTATUS HidP_GetUsageValue(HIDP_REPORT_TYPE ReportType, USAGE UsagePage, USHORT LinkCollection,
                            USAGE Usage, ULONG* UsageValue, PHIDP_PREPARSED_DATA PreparsedData,
                            PCHAR Report, ULONG ReportLength);
NTSTATUS HidP_GetScaledUsageValue(HIDP_REPORT_TYPE ReportType, USAGE UsagePage,
                                  USHORT LinkCollection, USAGE Usage, LONG* UsageValue,
                                  PHIDP_PREPARSED_DATA PreparsedData, PCHAR Report,
                                  ULONG ReportLength);
NTSTATUS HidP_GetUsageValueArray(HIDP_REPORT_TYPE ReportType, USAGE UsagePage,
                                 USHORT LinkCollection, USAGE Usage, PCHAR UsageValue,
                                 USHORT UsageValueByteLength, PHIDP_PREPARSED_DATA PreparsedData,
                                 PCHAR Report, ULONG ReportLength);
NTSTATUS HidP_SetUsageValue(HIDP_REPORT_TYPE ReportType, USAGE UsagePage, USHORT LinkCollection,
                            USAGE Usage, ULONG UsageValue, PHIDP_PREPARSED_DATA PreparsedData,
                            PCHAR Report, ULONG ReportLength);
NTSTATUS HidP_SetScaledUsageValue(HIDP_REPORT_TYPE ReportType, USAGE UsagePage,
                                  USHORT LinkCollection, USAGE Usage, LONG UsageValue,
                                  PHIDP_PREPARSED_DATA PreparsedData, PCHAR Report,
                                  ULONG ReportLength);
NTSTATUS HidP_SetUsageValueArray(HIDP_REPORT_TYPE ReportType, USAGE UsagePage,
                                 USHORT LinkCollection, USAGE Usage, PCHAR UsageValue,
                                 USHORT UsageValueByteLength, PHIDP_PREPARSED_DATA PreparsedData,
                                 PCHAR Report, ULONG ReportLength);

// Break = usages in the previous list missing from the current one, make = the reverse. Lists end
// at their first 0 or after UsageListLength entries; the outputs are padded with 0.
NTSTATUS HidP_UsageListDifference(PUSAGE PreviousUsageList, PUSAGE CurrentUsageList,
                                  PUSAGE BreakUsageList, PUSAGE MakeUsageList,
                                  ULONG UsageListLength);

// Bound by the HID layer but never called: answers HIDP_STATUS_NOT_IMPLEMENTED.
NTSTATUS HidP_TranslateUsagesToI8042ScanCodes(PUSAGE ChangedUsageList, ULONG UsageListLength,
                                              HIDP_KEYBOARD_DIRECTION KeyAction,
                                              HIDP_KEYBOARD_MODIFIER_STATE* ModifierState,
                                              PHIDP_INSERT_SCANCODES InsertCodesProcedure,
                                              PVOID InsertCodesContext);
