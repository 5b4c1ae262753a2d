#include "util/argument_errors.h"

namespace {

QString NullArgumentText(int index) {
    return TextFormat(LoadResString(CkRes::SArgumentIsNull), {index});
}

} // namespace

ArgumentException ArgumentException::NullArgument(int index) {
    return ArgumentException(NullArgumentText(index));
}

ArgumentException ArgumentException::TypeNotSupported(int index) {
    return ArgumentException(TextFormat(LoadResString(CkRes::SArgumentTypeNotSupported), {index}));
}

ArgumentNullException ArgumentNullException::ForArgument(int index) {
    return ArgumentNullException(NullArgumentText(index));
}

ArgumentNullException ArgumentNullException::ForFormat() {
    return ArgumentNullException(LoadResString(CkRes::SFormatStringIsNull));
}

ArgumentOutOfRangeException::ArgumentOutOfRangeException()
    : ArgumentException(LoadResString(CkRes::SArgumentOutOfRange)) {}

FormatException::FormatException() : ECkError(LoadResString(CkRes::SFormatException)) {}
