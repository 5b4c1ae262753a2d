#pragma once
// Removing the keys in which per-device joystick data is kept for one controller.

#include "platform/win32/registry.h"

#include <QString>
#include <QStringList>

struct JoystickRegistryKey {
    RegistryRoot root;
    QString key;
};

// The three keys of vendor id V and product id P (four hex digits each, as the device list
// shows them; empty before a controller was clicked): the joystick OEM and DirectInput keys of
// the current user and the joystick OEM key of the machine, each ending in "VID_V&PID_P".
QList<JoystickRegistryKey> joystickRegistryKeys(const QString& vidText, const QString& pidText);

// Deletes the three keys (with their subkeys) in order and shows one message per key,
// "OK [root][key]" or "ERROR [root][key]"; a failure does not stop the next deletion.
void clearJoystickRegistryKeys(Registry& registry, const QString& vidText, const QString& pidText);
