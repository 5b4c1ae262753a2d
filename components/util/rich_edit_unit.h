#pragma once
// Start-up and shut-down of the rich-edit unit (counted, see UnitLifetime). Its controls are
// not part of this system, but the unit still does its start-up work: it loads the rich-edit
// library by name ("RICHED20.DLL", else "RICHED32.DLL"; this system's module registry has none
// unless a provider registers one), keeps its version, and registers the four clipboard
// formats of rich text. The last shut-down frees the library.

#include "platform/win32/types.h"

#include <QString>

struct TRichEditClipboardFormats {
    UINT EmbeddedObject = 0;
    UINT LinkSource = 0;
    UINT RichText = 0;
    UINT RichTextWithoutObjects = 0;
};

void WkRichEditInitialization();
void WkRichEditFinalization();

// The library loaded at start-up, or nullptr.
HMODULE RichEditModule();
// 0 without a library; 1 for "RICHED32.DLL"; for "RICHED20.DLL" 2, or what its file version
// says (major version 5: the minor version / 10, at least 2; major version 12: 6).
int RichEditVersion();
// The version a "RICHED20.DLL" with this file version ("5.30.23.1230") is taken for.
int RichEdit20Version(const QString& fileVersion);
// The formats registered at start-up; all 0 before.
const TRichEditClipboardFormats& RichEditClipboardFormats();
