#include "configurator/loader/registry_cleaning.h"

#include "platform/ui/ui_host.h"

namespace {

const QString PrivateProperties =
    QStringLiteral("CurrentControlSet\\Control\\MediaProperties\\PrivateProperties\\");

} // namespace

QList<JoystickRegistryKey> joystickRegistryKeys(const QString& vidText, const QString& pidText) {
    const QString device = QStringLiteral("VID_") + vidText + QStringLiteral("&PID_") + pidText;
    return {
        {RegistryRoot::CurrentUser, QStringLiteral("System\\") + PrivateProperties +
                                        QStringLiteral("Joystick\\OEM\\") + device},
        {RegistryRoot::CurrentUser,
         QStringLiteral("System\\") + PrivateProperties + QStringLiteral("DirectInput\\") + device},
        {RegistryRoot::LocalMachine, QStringLiteral("SYSTEM\\") + PrivateProperties +
                                         QStringLiteral("Joystick\\OEM\\") + device},
    };
}

void clearJoystickRegistryKeys(Registry& registry, const QString& vidText, const QString& pidText) {
    for (const JoystickRegistryKey& key : joystickRegistryKeys(vidText, pidText)) {
        registry.setRootKey(key.root);
        const bool deleted = registry.deleteKey(key.key);
        uiHost().showMessage((deleted ? QStringLiteral("OK [") : QStringLiteral("ERROR [")) +
                             registryRootName(key.root) + QStringLiteral("][") + key.key +
                             QLatin1Char(']'));
    }
}
