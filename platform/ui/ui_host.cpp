#include "platform/ui/ui_host.h"

#include "platform/ui/qt_ui_host.h"

namespace {

QString customColorKey(int slot) {
    return QStringLiteral("Color") + QChar(u'A' + slot);
}

UiHost*& currentHost() {
    static QtUiHost qtHost;
    static UiHost* host = &qtHost;
    return host;
}

} // namespace

UiHost& uiHost() {
    return *currentHost();
}

ScopedUiHost::ScopedUiHost(UiHost& host) : previous(currentHost()) {
    currentHost() = &host;
}

ScopedUiHost::~ScopedUiHost() {
    currentHost() = previous;
}

QString CustomColorLine(int slot, TColor color) {
    return QStringLiteral("%1=%2")
        .arg(customColorKey(slot))
        .arg(quint32(color), 6, 16, QLatin1Char('0'));
}

std::optional<TColor> CustomColorOfSlot(const QStringList& lines, int slot) {
    const QString prefix = customColorKey(slot) + u'=';
    for (const QString& line : lines) {
        if (!line.startsWith(prefix))
            continue;
        bool ok = false;
        const uint value = line.mid(prefix.size()).toUInt(&ok, 16);
        if (!ok)
            return std::nullopt;
        return TColor(value);
    }
    return std::nullopt;
}

namespace {

std::optional<QString> firstFile(const std::optional<FileDialogAnswer>& answer) {
    if (!answer || answer->files.isEmpty())
        return std::nullopt;
    return answer->files.front();
}

} // namespace

std::optional<QString> UiHost::openFileName(const FileDialogRequest& request) {
    return firstFile(fileDialog(FileDialogMode::Open, request));
}

std::optional<QString> UiHost::saveFileName(const FileDialogRequest& request) {
    return firstFile(fileDialog(FileDialogMode::Save, request));
}
