#pragma once
// 8-bit code pages as the desktop numbers them, read through the C library's converters.

#include "platform/win32/types.h"

#include <array>

constexpr UINT CP_ACP = 0; // the code page of the process's locale

struct CPINFO {
    UINT MaxCharSize;    // bytes of the longest character
    BYTE DefaultChar[2]; // stands for characters the code page cannot hold
    BYTE LeadByte[12];   // pairs of first and last lead byte, ended by two zeros
};

// Facts about a code page; FALSE with ERROR_INVALID_PARAMETER for one the system cannot convert.
BOOL GetCPInfo(UINT codePage, CPINFO* info);

// The character of each byte of an 8-bit code page (U+FFFD for a byte it leaves undefined);
// false for a code page that is not 8-bit or cannot be converted.
bool SingleByteCharacters(UINT codePage, std::array<char16_t, 256>& characters);
