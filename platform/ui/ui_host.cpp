#include "platform/ui/ui_host.h"

#include "platform/ui/qt_ui_host.h"

namespace {

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
