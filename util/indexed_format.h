#pragma once
// Formats text in which "{0}", "{1}", ... stand for the arguments; "{{" and "}}" write one
// brace each.

#include "util/format_arg.h"

#include <QString>
#include <QStringView>
#include <span>

// With no arguments the format comes back unchanged. Raises ArgumentNullException for an empty
// format or a null argument, FormatException for a placeholder that is no index of args, and
// ArgumentException for an argument type that has no text.
QString IndexedFormat(QStringView format, std::span<const TCkFormatArg> args);
