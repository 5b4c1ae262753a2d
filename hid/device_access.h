#pragma once
// What the user is told when a controller's node refuses reading and writing for lack of
// permission, and the udev rule that gives it.

#include <QString>

class TWkHidDevice;

// Where scripts/setup.sh (run as root) installs the rule of udev/ in the repository.
inline constexpr char16_t kControllerUdevRule[] = u"/etc/udev/rules.d/70-tavro-controller.rules";

// A message naming the node, the reason and the rule when device was opened without read and
// write access because the system refused it; empty when it has that access or lacks it for
// another reason.
QString AccessProblemText(const TWkHidDevice& device);
