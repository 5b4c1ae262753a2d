#pragma once
// A combo box's link to a data provider. The box owns one consumer that shows a list of items
// and lets the user pick one; while a provider is set the box's rows are the consumer's view
// list rows, drawn and measured by the provider's renderers, and picking a row selects its
// item. Without a provider the box shows its own items.

#include "components/combo/combo_box.h"

#include <memory>

class TWkDataConsumer;
class IWkDataItem;
class IWkDataProvider;

class TWkComboBoxProviderLink {
public:
    static constexpr const char* NoTextCaption =
        "(item does not support the IWkDataItemText interface)";

    explicit TWkComboBoxProviderLink(TWkCustomComboBox& combo);
    ~TWkComboBoxProviderLink();
    TWkComboBoxProviderLink(const TWkComboBoxProviderLink&) = delete;
    TWkComboBoxProviderLink& operator=(const TWkComboBoxProviderLink&) = delete;

    TWkDataConsumer& Consumer() const { return *FConsumerSvc; }
    IWkDataProvider* Provider() const;
    void SetProvider(IWkDataProvider* provider);
    // A provider is set: the rows are its items.
    bool IsActive() const { return FProviderIsActive; }

    // The item of a row, or null outside the rows.
    IWkDataItem* Item(int index) const;
    // The row's caption, empty for an item without text. Raises EListError outside the rows.
    QString ItemText(int index) const;
    // Indents by the row's level, fills selected rows in the highlight colours and lets the
    // item's renderer draw it (else its text).
    void DrawItem(TCanvas& canvas, int index, TRect rect, TOwnerDrawState state);
    // Raises height to what the item's renderer measures.
    void MeasureItem(int index, int& height) const;

    // Searches the captions from the row after start, wrapping to the first, up to start
    // itself: by prefix without regard to case, or equal. The row found or -1.
    int FindString(int start, const QString& text) const;
    int FindStringExact(int start, const QString& text) const;
    // The prefix search; selects the row it finds.
    int SelectString(int start, const QString& text);

    // The user picked a row: the text becomes its caption, the box clicks and changes, and the
    // consumer selects the item.
    void Selected(int index);

private:
    // Brings the box's rows in line with the view list.
    void Resync();
    int Search(int start, const QString& text, bool exact) const;

    TWkCustomComboBox& combo;
    std::unique_ptr<TWkDataConsumer> FConsumerSvc;
    bool FProviderIsActive = false;
    bool FResyncing = false;
};
