#pragma once
// Owns the collections HidParserParse makes from a descriptor, for the length of a test.

#include "platform/hidparser/hidpi.h"

#include <initializer_list>
#include <span>
#include <vector>

class ParsedDescriptor {
public:
    explicit ParsedDescriptor(std::span<const BYTE> bytes)
        : status_(HidParserParse(bytes.data(), static_cast<ULONG>(bytes.size()), collections_)) {}
    ~ParsedDescriptor() {
        for (PHIDP_PREPARSED_DATA collection : collections_)
            HidParserFree(collection);
    }
    ParsedDescriptor(const ParsedDescriptor&) = delete;
    ParsedDescriptor& operator=(const ParsedDescriptor&) = delete;

    NTSTATUS status() const { return status_; }
    size_t count() const { return collections_.size(); }
    PHIDP_PREPARSED_DATA operator[](size_t index) const { return collections_.at(index); }

    HIDP_CAPS caps(size_t index) const {
        HIDP_CAPS caps{};
        HidP_GetCaps(collections_.at(index), &caps);
        return caps;
    }

    // A zeroed report of the length the capabilities give, with its id byte set.
    std::vector<char> report(size_t index, HIDP_REPORT_TYPE type, UCHAR id) const {
        const HIDP_CAPS c = caps(index);
        const USHORT length = type == HidP_Input    ? c.InputReportByteLength
                              : type == HidP_Output ? c.OutputReportByteLength
                                                    : c.FeatureReportByteLength;
        std::vector<char> bytes(length, 0);
        if (!bytes.empty())
            bytes[0] = static_cast<char>(id);
        return bytes;
    }

private:
    std::vector<PHIDP_PREPARSED_DATA> collections_;
    NTSTATUS status_;
};

// A report written out byte by byte.
inline std::vector<char> bytes(std::initializer_list<int> values) {
    std::vector<char> result;
    for (int v : values)
        result.push_back(static_cast<char>(v));
    return result;
}

inline ULONG length(const std::vector<char>& report) {
    return static_cast<ULONG>(report.size());
}
