#pragma once
// Finding items of a string list by exact text, prefix or substring, and deleting items by
// exact text. The searches start after a given index and wrap around to it, so a caller can step
// from one match to the next.

#include <QString>
#include <QStringList>

// The list the searches walk: what a plain string list and a combo box's items both offer.
class TWkSearchableItems {
public:
    virtual ~TWkSearchableItems() = default;
    virtual int Count() const = 0;
    virtual QString Get(int index) const = 0;
    virtual void Delete(int index) = 0;
    // Bracket a run of deletions so a list on screen redraws once.
    virtual void BeginUpdate() {}
    virtual void EndUpdate() {}
};

// A QStringList seen as searchable items; the list stays the caller's.
class TWkStringListItems final : public TWkSearchableItems {
public:
    explicit TWkStringListItems(QStringList& items) : items_(items) {}
    int Count() const override { return int(items_.size()); }
    QString Get(int index) const override { return items_.at(index); }
    void Delete(int index) override { items_.removeAt(index); }

private:
    QStringList& items_;
};

// Every result is an item index, or -1 when nothing matches. The scan runs from startIndex + 1
// to the end, then from 0 up to and including startIndex; -1 scans the whole list once. A start
// index at or beyond the count matches nothing.
class TWkItemsSearchs {
public:
    TWkItemsSearchs() = delete;

    // Equality by the user locale's string comparison.
    static int SearchExactString(const TWkSearchableItems& items, const QString& value,
                                 bool caseSensitive, int startIndex);
    // An empty value is neither a prefix nor a substring of anything.
    static int SearchPrefix(const TWkSearchableItems& items, const QString& value,
                            bool caseSensitive, int startIndex);
    static int SearchSubString(const TWkSearchableItems& items, const QString& value,
                               bool caseSensitive, int startIndex);
    // Deletes the first item equal to value, or every such item with all; returns how many.
    static int DeleteExactString(TWkSearchableItems& items, const QString& value, bool all,
                                 bool caseSensitive);
};
