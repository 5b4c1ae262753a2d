#pragma once
// Character classes and case maps for 8-bit characters and UTF-16 code units, built once and
// then read by table look-up. The 8-bit characters are those of the locale's code page when that
// is an 8-bit one; otherwise (UTF-8, for instance) byte c stands for Latin-1 character c.

#include "platform/win32/types.h"

#include <array>

// Class bits of a character, valued as the Windows CT_CTYPE1 classes.
constexpr WORD C1_UPPER = 0x0001;
constexpr WORD C1_LOWER = 0x0002;
constexpr WORD C1_DIGIT = 0x0004;
constexpr WORD C1_SPACE = 0x0008;
constexpr WORD C1_PUNCT = 0x0010;
constexpr WORD C1_CNTRL = 0x0020;
constexpr WORD C1_BLANK = 0x0040;
constexpr WORD C1_XDIGIT = 0x0080;
constexpr WORD C1_ALPHA = 0x0100;
constexpr WORD C1_DEFINED = 0x0200;

// Builds the 8-bit tables now and starts building the wide ones on a thread of their own; the
// look-ups below build them on first use otherwise, and wait for a build under way.
void BuildCharTables();

WORD AnsiCharType(BYTE c);
BYTE AnsiLowerCase(BYTE c);
BYTE AnsiUpperCase(BYTE c);
// Upper case becomes lower case, lower case becomes upper case, anything else stays.
BYTE AnsiReflectCase(BYTE c);

WORD WideCharType(char16_t c);
char16_t WideLowerCase(char16_t c);
char16_t WideUpperCase(char16_t c);
char16_t WideReflectCase(char16_t c);

// The 8-bit tables of one code page; a byte the code page leaves undefined has no class bits
// and keeps its case.
struct AnsiCharTables {
    std::array<WORD, 256> types;
    std::array<BYTE, 256> lower;
    std::array<BYTE, 256> upper;
    std::array<BYTE, 256> reflect;
};
AnsiCharTables BuildAnsiCharTables(UINT codePage);

// The character that stands for characters the code page (CP_ACP: the locale's) cannot hold.
// Raises ECkInternalError "Failed to get ANSI replacement character" when the code page cannot
// be looked up.
char AnsiReplacementChar(UINT codePage = 0);
