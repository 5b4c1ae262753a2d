#include "hid/device_access.h"

#include "hid/hid_device.h"
#include "platform/win32/device_file.h"
#include "platform/win32/last_error.h"

QString AccessProblemText(const TWkHidDevice& device) {
    if (device.HasReadWriteAccess() || device.ReadWriteOpenError() != ERROR_ACCESS_DENIED)
        return {};
    const QString node = SplitDeviceInterfacePath(device.PnPInfo().DevicePath()).nodePath;
    return QStringLiteral("Cannot open %1 for reading and writing: %2 The controller needs the "
                          "udev rule %3: run scripts/setup.sh as root to install it, then plug "
                          "the controller in again.")
        .arg(node, SysErrorMessage(device.ReadWriteOpenError()),
             QString::fromUtf16(kControllerUdevRule));
}
