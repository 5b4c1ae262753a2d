#pragma once
// Stepping to the next character of NUL-terminated UTF-16 text, and the choice of the stepping
// function the component base makes at start-up for the platform family it runs on.

#include "platform/win32/types.h"

// Platform families, valued as the desktop reports them.
constexpr DWORD VER_PLATFORM_WIN32_WINDOWS = 1;
constexpr DWORD VER_PLATFORM_WIN32_NT = 2;

// The family this system belongs to: its text services know all of UTF-16, as NT's do.
constexpr DWORD CurrentPlatformFamily = VER_PLATFORM_WIN32_NT;

// The window manager's step: over a whole character, a surrogate pair with the combining marks
// after it. At the terminating NUL, text itself.
const WCHAR* CharNextW(const WCHAR* text);
// One UTF-16 unit on; at the terminating NUL, text itself.
const WCHAR* NextWideChar(const WCHAR* text);

using TWkNextCharFunction = const WCHAR* (*)(const WCHAR* text);

// CharNextW for the NT family, else NextWideChar.
TWkNextCharFunction NextCharFunctionFor(DWORD platformId);

// The function chosen at the component base's start-up; null before it and after its
// shut-down.
TWkNextCharFunction WkNextChar();
void ChooseWkNextChar(DWORD platformId);
void ForgetWkNextChar();
