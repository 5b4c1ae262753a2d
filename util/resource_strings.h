#pragma once
// The program's string table: the library's message texts by number, as a resource file would
// hold them, so that a message is named by its number or by its record.

#include <QString>

struct TResStringRec {
    int Identifier;
};

// The utility library's strings.
namespace CkRes {
inline constexpr TResStringRec SWin32Error{64880};         // "Win32 error: %s (%u)%s%s"
inline constexpr TResStringRec SCreateMutexFailed{64881};  // "Failed to create mutex"
inline constexpr TResStringRec SOpenMutexFailed{64882};    // "Failed to open mutex"
inline constexpr TResStringRec SInvalidMmfName{64883};     // "Invalid MMF name "%s""
inline constexpr TResStringRec SMmfCannotBeEmpty{64884};   // "The MMF named "%s" cannot be ..."
inline constexpr TResStringRec SNoReplacementChar{64885};  // "Failed to get ANSI replacement ..."
inline constexpr TResStringRec SArgumentOutOfRange{64886}; // "Argument out of range"
inline constexpr TResStringRec SArgumentIsNull{64887};     // "Argument %d is null"
inline constexpr TResStringRec SArgumentTypeNotSupported{64888}; // "Argument type of %d ..."
inline constexpr TResStringRec SFormatStringIsNull{64889};       // "Format string is null"
inline constexpr TResStringRec SFormatException{64890};          // "Format exception"
} // namespace CkRes

// The string with that number; empty when the table has none.
QString LoadStr(int identifier);
QString LoadResString(const TResStringRec& record);
