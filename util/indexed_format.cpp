#include "util/indexed_format.h"

#include "util/argument_errors.h"

namespace {

int ArgumentIndex(QStringView content, qsizetype argCount) {
    bool ok = false;
    const int index = content.toInt(&ok);
    if (!ok || index < 0 || index >= argCount)
        throw FormatException();
    return index;
}

} // namespace

QString IndexedFormat(QStringView format, std::span<const TCkFormatArg> args) {
    if (args.empty())
        return format.toString();
    if (format.isEmpty())
        throw ArgumentNullException::ForFormat();

    QString result;
    result.reserve(format.size());
    const qsizetype end = format.size();
    qsizetype i = 0;
    while (i < end) {
        const QChar c = format[i];
        const bool doubled = i + 1 < end && format[i + 1] == c;
        if (c == QLatin1Char('{') && !doubled) {
            // A placeholder runs to the next closing brace, or to the end of the text.
            qsizetype close = format.indexOf(QLatin1Char('}'), i + 1);
            if (close < 0)
                close = end;
            const int index = ArgumentIndex(format.sliced(i + 1, close - i - 1), args.size());
            result += args[index].Text(index);
            i = close + 1;
        } else if ((c == QLatin1Char('{') || c == QLatin1Char('}')) && doubled) {
            result += c;
            i += 2;
        } else {
            result += c;
            ++i;
        }
    }
    return result;
}
