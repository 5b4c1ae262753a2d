#include "components/util/items_search.h"

#include <QLocale>
#include <functional>

namespace {

using Matches = std::function<bool(const QString& item)>;

// The count is read at every step, so a list that shrinks under a match test cannot be read past
// its end.
int Scan(const TWkSearchableItems& items, int startIndex, const Matches& matches) {
    if (startIndex >= items.Count())
        return -1;
    const int first = startIndex < -1 ? 0 : startIndex + 1;
    for (int index = first; index < items.Count(); ++index) {
        if (matches(items.Get(index)))
            return index;
    }
    for (int index = 0; index <= startIndex && index < items.Count(); ++index) {
        if (matches(items.Get(index)))
            return index;
    }
    return -1;
}

bool SameText(const QString& a, const QString& b, bool caseSensitive) {
    if (caseSensitive)
        return QString::localeAwareCompare(a, b) == 0;
    const QLocale locale;
    return QString::localeAwareCompare(locale.toUpper(a), locale.toUpper(b)) == 0;
}

// Position of value in item, with both upper-cased by the user locale when case does not count.
qsizetype PositionIn(const QString& item, const QString& value, bool caseSensitive) {
    if (caseSensitive)
        return item.indexOf(value);
    const QLocale locale;
    return locale.toUpper(item).indexOf(locale.toUpper(value));
}

} // namespace

int TWkItemsSearchs::SearchExactString(const TWkSearchableItems& items, const QString& value,
                                       bool caseSensitive, int startIndex) {
    return Scan(items, startIndex,
                [&](const QString& item) { return SameText(item, value, caseSensitive); });
}

int TWkItemsSearchs::SearchPrefix(const TWkSearchableItems& items, const QString& value,
                                  bool caseSensitive, int startIndex) {
    if (value.isEmpty())
        return -1;
    return Scan(items, startIndex,
                [&](const QString& item) { return PositionIn(item, value, caseSensitive) == 0; });
}

int TWkItemsSearchs::SearchSubString(const TWkSearchableItems& items, const QString& value,
                                     bool caseSensitive, int startIndex) {
    if (value.isEmpty())
        return -1;
    return Scan(items, startIndex,
                [&](const QString& item) { return PositionIn(item, value, caseSensitive) >= 0; });
}

int TWkItemsSearchs::DeleteExactString(TWkSearchableItems& items, const QString& value, bool all,
                                       bool caseSensitive) {
    struct UpdateBracket {
        TWkSearchableItems& items;
        explicit UpdateBracket(TWkSearchableItems& list) : items(list) { items.BeginUpdate(); }
        ~UpdateBracket() { items.EndUpdate(); }
    } bracket(items);
    int deleted = 0;
    for (int index = SearchExactString(items, value, caseSensitive, -1); index >= 0;
         index = SearchExactString(items, value, caseSensitive, -1)) {
        items.Delete(index);
        ++deleted;
        if (!all)
            break;
    }
    return deleted;
}
