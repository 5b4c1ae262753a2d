#include "components/util/shell_open.h"

#include "platform/ui/ui_host.h"

bool OpenWithShell(const QString& target) {
    return uiHost().shellOpen(target, {}, {});
}

bool OpenWithShell(const char16_t* target) {
    return target != nullptr && OpenWithShell(QString::fromUtf16(target));
}
