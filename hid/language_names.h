#pragma once
// Display names of USB language ids (Windows LANGIDs), as the device's string languages.

#include "platform/win32/types.h"

#include <QString>

// "English (United States)" for 0x0409; "Unknown Locale ID $xxxx" for an id not known here.
QString LanguageIdName(WORD languageId);
