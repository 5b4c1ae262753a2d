#pragma once
// How the library's string grid orders the texts of a column when it sorts its rows.

#include <QString>
#include <functional>
#include <vector>

// How SortGrid compares the texts of the sort column.
enum TWkSortType {
    stNone,          // no sorting
    stAutomatic,     // as numbers, else currency amounts, else date-times, else as stClassic
    stClassic,       // text ignoring case
    stCaseSensitive, // text
    stNumeric,
    stDate,
    stCurrency
};

// Compares two cell texts by sortType: negative, 0 or positive. stNumeric, stDate and
// stCurrency put the texts that read as their kind first, in value order, and the others after
// them in stClassic order. stAutomatic compares a pair as numbers when both are numbers, else
// as currency amounts when both are, else as date-times when both are, else as stClassic; so
// mixed columns need not be ordered consistently and only a sort that tolerates that may use
// it (SortStable).
int CompareSortTexts(const QString& a, const QString& b, TWkSortType sortType);

// A cell text read as a number (the locale's decimal separator or a point, no group
// separators), a currency amount (the locale's currency sign and group separators allowed, four
// decimal places kept) or a date-time (the locale's short or long date and time forms, or ISO
// 8601); false when it does not read as one.
bool SortTextToNumber(const QString& text, double& value);
bool SortTextToCurrency(const QString& text, double& value);
bool SortTextToDateTime(const QString& text, qint64& msecs);

// Sorts items by less, keeping equal items in their order. A merge sort that only ever looks
// inside the range, so a comparison that is not consistent gives some order instead of
// undefined behaviour.
void SortStable(std::vector<int>& items, const std::function<bool(int, int)>& less);
