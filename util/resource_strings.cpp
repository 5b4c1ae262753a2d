#include "util/resource_strings.h"

#include <iterator>

namespace {

const struct {
    TResStringRec record;
    const char* text;
} Strings[] = {
    {CkRes::SWin32Error, "Win32 error: %s (%u)%s%s"},
    {CkRes::SCreateMutexFailed, "Failed to create mutex"},
    {CkRes::SOpenMutexFailed, "Failed to open mutex"},
    {CkRes::SInvalidMmfName, "Invalid MMF name \"%s\""},
    {CkRes::SMmfCannotBeEmpty, "The MMF named \"%s\" cannot be created empty"},
    {CkRes::SNoReplacementChar, "Failed to get ANSI replacement character"},
    {CkRes::SArgumentOutOfRange, "Argument out of range"},
    {CkRes::SArgumentIsNull, "Argument %d is null"},
    {CkRes::SArgumentTypeNotSupported, "Argument type of %d is not supported"},
    {CkRes::SFormatStringIsNull, "Format string is null"},
    {CkRes::SFormatException, "Format exception"},
};

} // namespace

QString LoadStr(int identifier) {
    for (const auto& entry : Strings) {
        if (entry.record.Identifier == identifier)
            return QString::fromUtf8(entry.text);
    }
    return {};
}

QString LoadResString(const TResStringRec& record) {
    return LoadStr(record.Identifier);
}
