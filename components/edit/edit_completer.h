#pragma once
// The completer of a combo edit, following the edit's completion options: suggesting shows a
// list, appending alone completes in the text, common address prefixes ("www.", "http://" ...)
// can be left out of matching, Tab can walk the list, the list can read right to left, and a
// list source can end with a row that searches the web for what was typed.

#include <QCompleter>
#include <functional>

class TAutoCompleteSource;

// The common prefix text starts with ("https://www." and the like), or empty.
QString CommonAddressPrefix(const QString& text);
// The address that searches the web for text.
QString WebSearchAddress(const QString& text);

class TWkEditCompleter : public QCompleter {
public:
    explicit TWkEditCompleter(QObject* parent = nullptr);

    // The TWkAutoCompleteOption flags.
    unsigned Options() const { return FOptions; }
    void SetOptions(unsigned options);

    // Told when the user picks the search row, with the text typed.
    std::function<void(const QString& typed)> OnSearch;

protected:
    QStringList splitPath(const QString& path) const override;
    QString pathFromIndex(const QModelIndex& index) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TAutoCompleteSource* listSource() const;
    bool sourceRowIsSearch(const QModelIndex& index) const;
    void picked(const QModelIndex& index);
    bool stepWithTab(bool forward);

    unsigned FOptions = 0;
};
