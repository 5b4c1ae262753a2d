#pragma once
// Clipboard formats by name, registered as the desktop registers them: a name gets a number of
// its own (0xC000 and up) that the same name, in any case, always gets again, and each format's
// data travels on the clipboard under a MIME type.

#include "platform/win32/types.h"

#include <QString>

// The number of the format called name; 0 for an empty name (ERROR_INVALID_PARAMETER).
UINT RegisterClipboardFormatW(const QString& name);
// The name a registered format was first registered with; empty for any other number.
QString ClipboardFormatName(UINT format);
// The MIME type a registered format's data travels under: "text/rtf" for "Rich Text Format",
// else the name as Qt carries a desktop format name ("application/x-qt-windows-mime;
// value=\"NAME\""). Empty for any other number.
QString ClipboardFormatMimeType(UINT format);
