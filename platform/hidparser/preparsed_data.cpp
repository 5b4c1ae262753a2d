#include "platform/hidparser/preparsed_data.h"

#include "platform/hidparser/descriptor_parser.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcHidParser, "tavro.hidparser")

const HidpPreparsedData* preparsedData(PHIDP_PREPARSED_DATA handle) {
    if (handle == nullptr || handle->magic != HidpPreparsedData::kMagic)
        return nullptr;
    return handle;
}

const ReportKind* reportKind(const HidpPreparsedData& data, HIDP_REPORT_TYPE type) {
    if (type != HidP_Input && type != HidP_Output && type != HidP_Feature)
        return nullptr;
    return &data.kinds[type];
}

NTSTATUS findReportKind(PHIDP_PREPARSED_DATA handle, HIDP_REPORT_TYPE type,
                        const HidpPreparsedData*& data, const ReportKind*& kind) {
    data = preparsedData(handle);
    if (data == nullptr)
        return HIDP_STATUS_INVALID_PREPARSED_DATA;
    kind = reportKind(*data, type);
    return kind == nullptr ? HIDP_STATUS_INVALID_REPORT_TYPE : HIDP_STATUS_SUCCESS;
}

NTSTATUS HidParserParse(const BYTE* descriptor, ULONG length,
                        std::vector<PHIDP_PREPARSED_DATA>& collections) {
    DescriptorParse parse = parseDescriptor(descriptor, length);
    if (parse.error != DescriptorError::None) {
        qCWarning(lcHidParser, "report descriptor refused at byte %u: %s", parse.errorOffset,
                  descriptorErrorText(parse.error));
        return STATUS_COULD_NOT_INTERPRET;
    }
    for (auto& collection : parse.collections)
        collections.push_back(collection.release());
    return HIDP_STATUS_SUCCESS;
}

void HidParserFree(PHIDP_PREPARSED_DATA data) {
    if (preparsedData(data) == nullptr)
        return;
    data->magic = 0;
    delete data;
}
