#include "util/argument_errors.h"

namespace {

QString NullArgumentText(int index) {
    return QString::asprintf("Argument %d is null", index);
}

} // namespace

ArgumentException ArgumentException::NullArgument(int index) {
    return ArgumentException(NullArgumentText(index));
}

ArgumentException ArgumentException::TypeNotSupported(int index) {
    return ArgumentException(QString::asprintf("Argument type of %d is not supported", index));
}

ArgumentNullException ArgumentNullException::ForArgument(int index) {
    return ArgumentNullException(NullArgumentText(index));
}

ArgumentNullException ArgumentNullException::ForFormat() {
    return ArgumentNullException(QStringLiteral("Format string is null"));
}

ArgumentOutOfRangeException::ArgumentOutOfRangeException()
    : ArgumentException(QStringLiteral("Argument out of range")) {}

FormatException::FormatException() : ECkError(QStringLiteral("Format exception")) {}
