#pragma once
// Constant data of the text utilities that no routine of the program reads: Cyrillic letter
// tables of two 8-bit code pages, Russian words for counts of time units, and the words a
// text-to-Boolean test takes for true.

#include <QString>
#include <array>

// The 66 Cyrillic letters, capitals then small letters, each in alphabet order (Ё after Е), as
// bytes of the Windows Cyrillic code page (1251) and, at the same places, of KOI8-R: a letter
// converts between the two by its index.
using TCyrillicLetterTable = std::array<unsigned char, 66>;
const TCyrillicLetterTable& CyrillicWindowsLetters();
const TCyrillicLetterTable& CyrillicKoi8Letters();

// Russian words for a count of days, months and years: the forms for 1, for 2 to 4 and for 5
// and more. Weeks have a fourth form, the one for 1 in the accusative ("за 1 неделю").
const std::array<QString, 3>& RussianDayWords();
const std::array<QString, 3>& RussianMonthWords();
const std::array<QString, 3>& RussianYearWords();
const std::array<QString, 4>& RussianWeekWords();

// "True", "t", "y", "yes", "1".
const std::array<QString, 5>& TrueBoolTexts();
