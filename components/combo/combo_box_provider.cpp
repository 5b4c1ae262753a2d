#include "components/combo/combo_box_provider.h"

#include "components/data/data_consumer.h"
#include "components/data/list_aspects.h"
#include "platform/ui/canvas.h"

#include <QImage>
#include <QLineEdit>

TWkComboBoxProviderLink::TWkComboBoxProviderLink(TWkCustomComboBox& combo)
    : combo(combo), FConsumerSvc(std::make_unique<TWkDataConsumer>(
                        &combo, std::initializer_list<int>{TWkDataConsumer::caItemList,
                                                           TWkDataConsumer::caSelectItem})) {
    FConsumerSvc->OnChanged = [this](TWkDataConsumer&, TWkDataConsumerChangeReason) {
        Resync();
    };
}

TWkComboBoxProviderLink::~TWkComboBoxProviderLink() {
    // The box is going: its rows need not follow.
    FConsumerSvc->OnChanged = nullptr;
}

IWkDataProvider* TWkComboBoxProviderLink::Provider() const {
    return FConsumerSvc->Provider();
}

void TWkComboBoxProviderLink::SetProvider(IWkDataProvider* provider) {
    FConsumerSvc->SetProvider(provider);
}

IWkDataItem* TWkComboBoxProviderLink::Item(int index) const {
    const TWkCustomDataConsumerViewList* view = FConsumerSvc->ViewList();
    return FProviderIsActive && view != nullptr ? view->Item(index) : nullptr;
}

QString TWkComboBoxProviderLink::ItemText(int index) const {
    const TWkCustomDataConsumerViewList* view = FConsumerSvc->ViewList();
    if (!FProviderIsActive || view == nullptr || index < 0 || index >= view->Count())
        throw EListError(index);
    const EnterScope scope(*FConsumerSvc);
    return ItemCaption(view->Item(index));
}

void TWkComboBoxProviderLink::DrawItem(TCanvas& canvas, int index, TRect rect,
                                       TOwnerDrawState state) {
    const TWkCustomDataConsumerViewList* view = FConsumerSvc->ViewList();
    if (view == nullptr)
        return;
    rect.Left += view->ItemLevel(index) * view->LevelIndent();
    if (state & odSelected) {
        canvas.Brush.Color = clHighlight;
        canvas.Font.Color = clHighlightText;
    }
    canvas.FillRect(rect);
    const EnterScope scope(*FConsumerSvc);
    IWkDataItem* item = view->Item(index);
    if (item == nullptr)
        return;
    // The low byte of the owner-draw state is the provider's draw state.
    const TProviderDrawStates drawState = state & 0xFF;
    if (IWkDataItemsRenderer* renderer = FindRenderer(item)) {
        renderer->DrawItem(canvas, rect, drawState, item);
    } else if (auto* self = Supports<IWkDataItemDraw>(item)) {
        self->Draw(canvas, rect, drawState);
    } else {
        const auto* text = Supports<IWkDataItemText>(item);
        canvas.DrawText(text != nullptr ? text->Caption() : QString::fromLatin1(NoTextCaption),
                        rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

void TWkComboBoxProviderLink::MeasureItem(int index, int& height) const {
    const TWkCustomDataConsumerViewList* view = FConsumerSvc->ViewList();
    if (view == nullptr)
        return;
    const EnterScope scope(*FConsumerSvc);
    IWkDataItem* item = view->Item(index);
    IWkDataItemsRenderer* renderer = FindRenderer(item);
    if (renderer == nullptr)
        return;
    QImage surface(1, 1, QImage::Format_ARGB32_Premultiplied);
    TCanvas canvas(&surface);
    canvas.Font = FromQFont(combo.font(), clWindowText);
    height = std::max(height, renderer->MeasureItem(canvas, item).cy);
}

int TWkComboBoxProviderLink::Search(int start, const QString& text, bool exact) const {
    const TWkCustomDataConsumerViewList* view = FConsumerSvc->ViewList();
    const int count = FProviderIsActive && view != nullptr ? view->Count() : 0;
    if (count == 0)
        return -1;
    const EnterScope scope(*FConsumerSvc);
    const int first = start >= 0 && start < count ? start + 1 : 0;
    for (int step = 0; step < count; ++step) {
        const int index = (first + step) % count;
        const QString caption = ItemCaption(view->Item(index));
        if (exact ? caption == text : caption.startsWith(text, Qt::CaseInsensitive))
            return index;
    }
    return -1;
}

int TWkComboBoxProviderLink::FindString(int start, const QString& text) const {
    return Search(start, text, false);
}

int TWkComboBoxProviderLink::FindStringExact(int start, const QString& text) const {
    return Search(start, text, true);
}

int TWkComboBoxProviderLink::SelectString(int start, const QString& text) {
    const int index = FindString(start, text);
    if (index >= 0)
        combo.setCurrentIndex(index);
    return index;
}

void TWkComboBoxProviderLink::Selected(int index) {
    IWkDataItem* item = nullptr;
    {
        const EnterScope scope(*FConsumerSvc);
        item = Item(index);
        if (combo.isEditable())
            combo.setEditText(ItemCaption(item));
    }
    combo.Click();
    combo.Change();
    const EnterScope scope(*FConsumerSvc);
    FConsumerSvc->ItemSelected(item);
}

void TWkComboBoxProviderLink::Resync() {
    if (FResyncing)
        return;
    FResyncing = true;
    const bool wasActive = FProviderIsActive;
    FProviderIsActive = FConsumerSvc->Provider() != nullptr;
    const TWkCustomDataConsumerViewList* view = FConsumerSvc->ViewList();
    const int rows = FProviderIsActive && view != nullptr ? view->Count() : 0;
    if (FProviderIsActive || wasActive) {
        // The box's own rows carry the captions, so that its keyboard search finds items.
        const QSignalBlocker quiet(combo);
        const QString editText = combo.isEditable() ? combo.currentText() : QString();
        while (combo.count() > rows)
            combo.removeItem(0);
        while (combo.count() < rows)
            combo.addItem(QString());
        if (rows > 0) {
            const EnterScope scope(*FConsumerSvc);
            for (int i = 0; i < rows; ++i)
                combo.setItemText(i, ItemCaption(view->Item(i)));
        }
        const TWkDataConsumerItemSelect* select = FConsumerSvc->ItemSelect();
        const int selected =
            select != nullptr && view != nullptr ? view->IndexOfID(select->Item()) : -1;
        combo.setCurrentIndex(selected);
        if (combo.isEditable() && selected < 0)
            combo.setEditText(editText);
    }
    if (wasActive != FProviderIsActive)
        combo.ProviderActivityChanged();
    combo.update();
    FResyncing = false;
}
