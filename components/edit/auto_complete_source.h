#pragma once
// The list a combo edit completes from: the edit's items and, when searching is on, a last row
// that offers to search for what was typed. The search row matches whatever was typed.

#include <QAbstractListModel>
#include <QStringList>

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

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QStringList FItems;
    QString FTyped;
    bool FSearchRow = false;
    bool FMatchWithoutPrefixes = false;
};
