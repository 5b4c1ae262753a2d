#include "components/edit/edit_completer.h"

#include "components/edit/auto_complete_source.h"
#include "components/edit/combo_edit.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QKeyEvent>
#include <QUrl>

namespace {

// Longest first, so "http://www." is taken whole.
const char* const AddressPrefixes[] = {"https://www.", "http://www.", "ftp://www.", "https://",
                                       "http://",      "ftp://",      "www."};

} // namespace

QString CommonAddressPrefix(const QString& text) {
    for (const char* prefix : AddressPrefixes) {
        const QString candidate = QString::fromLatin1(prefix);
        if (text.startsWith(candidate, Qt::CaseInsensitive))
            return text.left(candidate.size());
    }
    return {};
}

QString WebSearchAddress(const QString& text) {
    QUrl address(QStringLiteral("https://duckduckgo.com/"));
    address.setQuery(QStringLiteral("q=") + QString::fromLatin1(QUrl::toPercentEncoding(text)));
    return address.toString(QUrl::FullyEncoded);
}

TWkEditCompleter::TWkEditCompleter(QObject* parent) : QCompleter(parent) {
    connect(this, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            &TWkEditCompleter::picked);
}

void TWkEditCompleter::SetOptions(unsigned options) {
    FOptions = options;
    const bool suggest = options & acoAutoSuggest;
    const bool append = options & acoAutoAppend;
    setCompletionMode(!suggest && append ? QCompleter::InlineCompletion
                                         : QCompleter::PopupCompletion);
    if (TAutoCompleteSource* source = listSource()) {
        setCaseSensitivity(Qt::CaseInsensitive);
        source->SetSearchRow(options & acoSearch);
        source->SetMatchWithoutPrefixes(options & acoFilterPrefixes);
    }
    // Inline completion has no list.
    if (QAbstractItemView* list = popup()) {
        if (options & acoRTLReading)
            list->setLayoutDirection(Qt::RightToLeft);
        else
            list->unsetLayoutDirection();
    }
}

TAutoCompleteSource* TWkEditCompleter::listSource() const {
    return dynamic_cast<TAutoCompleteSource*>(model());
}

// With acoFilterPrefixes both what was typed and the items are matched without their address
// prefix; the completion still gives the whole item.
QStringList TWkEditCompleter::splitPath(const QString& path) const {
    TAutoCompleteSource* source = listSource();
    if (!source)
        return QCompleter::splitPath(path);
    source->SetTyped(path);
    if (!(FOptions & acoFilterPrefixes))
        return {path};
    return {path.mid(CommonAddressPrefix(path).size())};
}

QString TWkEditCompleter::pathFromIndex(const QModelIndex& index) const {
    if (!listSource() || sourceRowIsSearch(index))
        return QCompleter::pathFromIndex(index);
    return index.data(Qt::DisplayRole).toString();
}

bool TWkEditCompleter::sourceRowIsSearch(const QModelIndex& index) const {
    TAutoCompleteSource* source = listSource();
    const auto* proxy = qobject_cast<const QAbstractProxyModel*>(index.model());
    if (!source || !proxy)
        return false;
    return source->IsSearchRow(proxy->mapToSource(index).row());
}

void TWkEditCompleter::picked(const QModelIndex& index) {
    if (sourceRowIsSearch(index) && OnSearch)
        OnSearch(listSource()->Typed());
}

bool TWkEditCompleter::stepWithTab(bool forward) {
    QAbstractItemView* list = popup();
    const int rows = list->model()->rowCount();
    if (rows == 0)
        return false;
    const int current = list->currentIndex().isValid() ? list->currentIndex().row() : -1;
    const int next = forward ? (current + 1) % rows : (current <= 0 ? rows - 1 : current - 1);
    list->setCurrentIndex(list->model()->index(next, 0));
    return true;
}

bool TWkEditCompleter::eventFilter(QObject* watched, QEvent* event) {
    // popup() makes the list on first use, which sends events here: ask it only for keys.
    if (event->type() == QEvent::KeyPress && (FOptions & acoUseTab) && watched == popup() &&
        popup()->isVisible()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            stepWithTab(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier)))
            return true;
    }
    return QCompleter::eventFilter(watched, event);
}
