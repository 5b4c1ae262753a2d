#include "components/util/shell_open.h"

#include "platform/ui/ui_host.h"

bool OpenWithShell(const QString& target) {
    return uiHost().shellOpen(target, {}, {});
}
