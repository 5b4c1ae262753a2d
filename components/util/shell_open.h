#pragma once
// Opening a document, folder or address with the desktop's handler.

#include <QString>

// Opens target with the "open" verb, no parameters and no working folder, through the UI host.
// False when nothing could be started; no other report.
bool OpenWithShell(const QString& target);
// The same for a zero-terminated UTF-16 text; a null pointer opens nothing and gives false.
bool OpenWithShell(const char16_t* target);
