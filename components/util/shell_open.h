#pragma once
// Opening a document, folder or address with the desktop's handler.

#include <QString>

// Opens target with the "open" verb, no parameters and no working folder, through the UI host.
// False when nothing could be started; no other report.
bool OpenWithShell(const QString& target);
