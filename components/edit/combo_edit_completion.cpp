// The combo edit's completion: attaching the completer, its source and its options.

#include "components/edit/auto_complete_source.h"
#include "components/edit/combo_edit.h"
#include "components/edit/edit_completer.h"
#include "platform/ui/ui_host.h"

#include <QAbstractItemView>
#include <QKeyEvent>

void TWkCustomComboEdit::SetAutoCompleteItems(const QStringList& items) {
    FAutoCompleteItems = items;
    if (FCompleter) {
        if (auto* source = dynamic_cast<TAutoCompleteSource*>(FCompleter->model()))
            source->SetItems(items);
    }
}

QCompleter* TWkCustomComboEdit::AutoComplete() const {
    return FCompleter;
}

void TWkCustomComboEdit::SetAutoCompleteOptions(unsigned value) {
    if (value == FAutoCompleteOptions)
        return;
    FAutoCompleteOptions = value;
    if (value == 0) {
        DetachAutoComplete();
        return;
    }
    AttachAutoComplete();
    ApplyAutoCompleteOptions();
}

void TWkCustomComboEdit::AttachAutoComplete() {
    if (FCompleter || FAutoCompleteOptions == 0)
        return;
    QAbstractItemModel* source = MakeAutoCompleteSource();
    if (!source)
        return;
    FCompleter = new TWkEditCompleter(this);
    source->setParent(FCompleter);
    FCompleter->setModel(source);
    FCompleter->OnSearch = [this](const QString& typed) {
        searchTyped(typed);
    };
    setCompleter(FCompleter);
}

void TWkCustomComboEdit::DetachAutoComplete() {
    if (!FCompleter)
        return;
    setCompleter(nullptr);
    delete FCompleter.data();
}

QAbstractItemModel* TWkCustomComboEdit::MakeAutoCompleteSource() {
    return new TAutoCompleteSource(FAutoCompleteItems);
}

void TWkCustomComboEdit::ApplyAutoCompleteOptions() {
    if (FCompleter)
        FCompleter->SetOptions(FAutoCompleteOptions);
}

// The search row was picked: the web search opens, the text stays as typed.
void TWkCustomComboEdit::searchTyped(const QString& typed) {
    uiHost().shellOpen(WebSearchAddress(typed), {}, {});
}

// Suggesting and appending together: the list shows what matches the typed text, and the first
// match is appended to it, the appended part selected so that typing on replaces it.
void TWkCustomComboEdit::appendCompletion(const QKeyEvent& event, const QString& before) {
    const unsigned both = acoAutoSuggest | acoAutoAppend;
    if (!FCompleter || (FAutoCompleteOptions & both) != both)
        return;
    const QString typed = text();
    if (event.text().isEmpty() || !event.text().front().isPrint() || typed == before ||
        hasSelectedText() || cursorPosition() != typed.size())
        return;
    FCompleter->setCompletionPrefix(typed);
    if (!FCompleter->setCurrentRow(0))
        return;
    const QString match = FCompleter->currentCompletion();
    if (match.size() <= typed.size() || !match.startsWith(typed, Qt::CaseInsensitive))
        return;
    setText(typed + match.mid(typed.size()));
    setModified(true);
    setSelection(int(typed.size()), int(match.size() - typed.size()));
}

// With acoUpDownKeyDropsList the arrow keys show the suggestions for the text.
bool TWkCustomComboEdit::dropsCompletionList(const QKeyEvent& event) {
    if (!FCompleter || !(FAutoCompleteOptions & acoUpDownKeyDropsList) ||
        FCompleter->completionMode() == QCompleter::InlineCompletion)
        return false;
    if (event.key() != Qt::Key_Up && event.key() != Qt::Key_Down)
        return false;
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier ||
        FCompleter->popup()->isVisible())
        return false;
    FCompleter->setCompletionPrefix(text());
    FCompleter->complete();
    return true;
}
