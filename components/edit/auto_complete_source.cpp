#include "components/edit/auto_complete_source.h"

#include "components/edit/edit_completer.h"

TAutoCompleteSource::TAutoCompleteSource(QStringList items, QObject* parent)
    : QAbstractListModel(parent), FItems(std::move(items)) {}

void TAutoCompleteSource::SetItems(const QStringList& items) {
    beginResetModel();
    FItems = items;
    endResetModel();
}

void TAutoCompleteSource::SetSearchRow(bool value) {
    if (value == FSearchRow)
        return;
    const int row = int(FItems.size());
    if (value) {
        beginInsertRows({}, row, row);
        FSearchRow = true;
        endInsertRows();
    } else {
        beginRemoveRows({}, row, row);
        FSearchRow = false;
        endRemoveRows();
    }
}

void TAutoCompleteSource::SetMatchWithoutPrefixes(bool value) {
    if (value == FMatchWithoutPrefixes)
        return;
    beginResetModel();
    FMatchWithoutPrefixes = value;
    endResetModel();
}

int TAutoCompleteSource::rowCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return int(FItems.size()) + (FSearchRow ? 1 : 0);
}

QVariant TAutoCompleteSource::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    if (!IsSearchRow(index.row())) {
        const QString& item = FItems[index.row()];
        if (role == Qt::EditRole && FMatchWithoutPrefixes)
            return item.mid(CommonAddressPrefix(item).size());
        return item;
    }
    // The completer matches the edit role; the list shows the display role.
    if (role == Qt::EditRole)
        return FTyped;
    return QStringLiteral("Search for \u201C%1\u201D").arg(FTyped);
}
