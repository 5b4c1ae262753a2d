#include "components/util/clipboard_formats.h"

#include "platform/win32/last_error.h"

#include <QMutex>
#include <vector>

namespace {

constexpr UINT FirstRegisteredFormat = 0xC000;
constexpr UINT LastRegisteredFormat = 0xFFFF;

struct Registry {
    QMutex mutex;
    std::vector<QString> names; // at number FirstRegisteredFormat + index
};

Registry& registry() {
    static Registry instance;
    return instance;
}

QString nameOf(UINT format) {
    QMutexLocker lock(&registry().mutex);
    const std::vector<QString>& names = registry().names;
    if (format < FirstRegisteredFormat || format - FirstRegisteredFormat >= names.size())
        return {};
    return names[format - FirstRegisteredFormat];
}

} // namespace

UINT RegisterClipboardFormatW(const QString& name) {
    if (name.isEmpty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    QMutexLocker lock(&registry().mutex);
    std::vector<QString>& names = registry().names;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i].compare(name, Qt::CaseInsensitive) == 0)
            return FirstRegisteredFormat + static_cast<UINT>(i);
    if (names.size() > LastRegisteredFormat - FirstRegisteredFormat) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    names.push_back(name);
    return FirstRegisteredFormat + static_cast<UINT>(names.size() - 1);
}

QString ClipboardFormatName(UINT format) {
    return nameOf(format);
}

QString ClipboardFormatMimeType(UINT format) {
    const QString name = nameOf(format);
    if (name.isEmpty())
        return {};
    if (name.compare(QLatin1String("Rich Text Format"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("text/rtf");
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(name);
}
