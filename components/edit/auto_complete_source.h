#pragma once
// The list a combo edit completes from: the edit's items and, when searching is on, a last row
// that offers to search for what was typed. The search row matches whatever was typed. It also
// walks the items as the desktop's string enumerators do (Next, Skip, Reset, Clone), from a
// current position, with their answer codes.

#include <QAbstractListModel>
#include <QStringList>
#include <cstdint>
#include <memory>

class TAutoCompleteSource : public QAbstractListModel {
public:
    explicit TAutoCompleteSource(QStringList items = {}, QObject* parent = nullptr);

    const QStringList& Items() const { return FItems; }
    void SetItems(const QStringList& items);
    bool SearchRow() const { return FSearchRow; }
    void SetSearchRow(bool value);
    // Items are matched (edit role) without their address prefix ("www." ...).
    void SetMatchWithoutPrefixes(bool value);
    // The text being completed, which the search row offers to search for. Changes no rows,
    // so it may be set while the completer filters.
    void SetTyped(const QString& text) { FTyped = text; }
    const QString& Typed() const { return FTyped; }
    bool IsSearchRow(int row) const { return FSearchRow && row == FItems.size(); }

    // The enumerator's answers.
    using HRESULT = std::int32_t;
    static constexpr HRESULT S_OK = 0;
    static constexpr HRESULT S_FALSE = 1;
    static constexpr HRESULT E_FAIL = HRESULT(0x80004005u);
    static constexpr HRESULT E_OUTOFMEMORY = HRESULT(0x8007000Eu);
    static constexpr HRESULT E_UNEXPECTED = HRESULT(0x8000FFFFu);

    // The next item to hand out.
    int Position() const { return FPosition; }
    // Copies up to count items from the position into items and moves on; fetched (may be null)
    // gets how many. S_OK when all count were given, S_FALSE when fewer, E_FAIL without items.
    HRESULT Next(unsigned count, QString* items, unsigned* fetched);
    // Moves n on: S_OK while that is still an item, else S_FALSE at the end.
    HRESULT Skip(unsigned n);
    // Back to the first item.
    HRESULT Reset();
    // A new enumerator of the same items at the same position; E_UNEXPECTED when none is made.
    HRESULT Clone(std::unique_ptr<TAutoCompleteSource>& enumerator) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QStringList FItems;
    QString FTyped;
    int FPosition = 0;
    bool FSearchRow = false;
    bool FMatchWithoutPrefixes = false;
};
