#pragma once
// Locale-dependent texts and comparisons.

#include <QChar>
#include <QString>
#include <QStringView>

// The decimal separator of the current locale (QLocale's default, the user's unless a program
// set another).
QChar CurrentDecimalSeparator();

// A floating-point number as text: up to 15 significant digits, the current decimal separator,
// no group separators.
QString FloatToText(double value);

// Compares count characters of s1 and s2 from the 1-based index. Results: 0 when they are equal
// (or when s1 and s2 are the same text and count > 0); -1 when exactly one text is empty; -2 when
// count <= 0 or the range does not lie inside s1; otherwise the difference of the first differing
// characters (case-insensitively through the wide lower-case map unless caseSensitive). A range
// that passes the end of s2 compares the missing characters as U+0000.
int CompareTextRange(QStringView s1, QStringView s2, int index, int count, bool caseSensitive);

// Compares two texts by the current locale, ignoring case: -1, 0 or 1.
int CompareTextLocale(QStringView s1, QStringView s2);

// The 8-bit code page programs of this system use when a locale names none: UTF-8, in which
// the 8-bit files are written.
constexpr unsigned CkAnsiCodePage = 65001;

// The code page of a character set name as the C library reports it ("UTF-8", "CP1251",
// "ISO-8859-5", "KOI8-R", "TIS-620" ...); CkAnsiCodePage for a name it does not know.
unsigned CodePageOfCodeset(const QByteArray& codeset);

// The code page of the process's current locale (its LC_CTYPE character set).
unsigned LocaleCodePage();

// The code page of the named locale ("th_TH.TIS-620", "C.UTF-8" ...): its character set's
// number, or the process's code page when the locale is not installed or its set has no number.
unsigned CodePageOfLocale(const QByteArray& localeName);
