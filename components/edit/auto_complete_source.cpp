#include "components/edit/auto_complete_source.h"

#include "components/edit/edit_completer.h"

#include <new>

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

TAutoCompleteSource::HRESULT TAutoCompleteSource::Next(unsigned count, QString* items,
                                                       unsigned* fetched) {
    if (!items)
        return E_FAIL;
    unsigned given = 0;
    try {
        for (; given < count && FPosition < FItems.size(); ++given, ++FPosition)
            items[given] = FItems[FPosition];
    } catch (const std::bad_alloc&) {
        if (fetched)
            *fetched = given;
        return E_OUTOFMEMORY;
    }
    if (fetched)
        *fetched = given;
    return given == count ? S_OK : S_FALSE;
}

TAutoCompleteSource::HRESULT TAutoCompleteSource::Skip(unsigned n) {
    const qsizetype end = FItems.size();
    if (FPosition + qsizetype(n) < end) {
        FPosition += int(n);
        return S_OK;
    }
    FPosition = int(end);
    return S_FALSE;
}

TAutoCompleteSource::HRESULT TAutoCompleteSource::Reset() {
    FPosition = 0;
    return S_OK;
}

TAutoCompleteSource::HRESULT
TAutoCompleteSource::Clone(std::unique_ptr<TAutoCompleteSource>& enumerator) const {
    try {
        enumerator = std::make_unique<TAutoCompleteSource>(FItems);
    } catch (const std::bad_alloc&) {
        return E_UNEXPECTED;
    }
    enumerator->FPosition = FPosition;
    return S_OK;
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
