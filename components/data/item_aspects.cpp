#include "components/data/item_aspects.h"

#include "components/data/data_errors.h"
#include "platform/ui/canvas.h"

#include <algorithm>

namespace {

// Announces a change of item's aspect to the provider of its list around change.
template <typename Change> void announce(TExtensibleInterfacedPersistent* item, Change change) {
    auto* dataItem = dynamic_cast<TWkBaseDataItem*>(item);
    IWkDataProvider* provider = dataItem != nullptr ? dataItem->Provider() : nullptr;
    IWkInterface* source = static_cast<IWkDataItem*>(dataItem);
    if (provider != nullptr)
        provider->NotifyChanging(pcrUpdateItem, source);
    change();
    if (provider != nullptr)
        provider->NotifyChanged(pcrUpdateItem, source);
}

} // namespace

void TWkDataItemTextImpl::SetCaption(const QString& caption) {
    if (caption == FCaption)
        return;
    announce(Controller(), [&] { FCaption = caption; });
}

void* TWkDataItemTextImpl::OwnInterface(const QUuid& iid) {
    return iid == IWkDataItemText::IID ? static_cast<IWkDataItemText*>(this) : nullptr;
}

void TWkDataItemBlockableTextImpl::SetReadOnly(bool readOnly) {
    if (readOnly == FReadOnly)
        return;
    announce(Controller(), [&] { FReadOnly = readOnly; });
}

void TWkDataItemBlockableTextImpl::SetCaption(const QString& caption) {
    if (!FReadOnly)
        TWkDataItemTextImpl::SetCaption(caption);
}

IWkDataContext* TWkDataItemContextTextImpl::SelectedContext() const {
    auto* item = dynamic_cast<TWkBaseDataItem*>(Controller());
    IWkDataProvider* provider = item != nullptr ? item->Provider() : nullptr;
    return provider != nullptr ? provider->SelectedContext() : nullptr;
}

QString TWkDataItemContextTextImpl::Caption() const {
    for (IWkDataContext* context = SelectedContext(); context != nullptr;) {
        for (const auto& [owner, text] : FTexts) {
            if (owner == context)
                return text;
        }
        IWkDataContexts* list = context->ContextList();
        context = list != nullptr ? list->Ancestor() : nullptr;
    }
    return TWkDataItemTextImpl::Caption();
}

void TWkDataItemContextTextImpl::SetCaption(const QString& caption) {
    IWkDataContext* context = SelectedContext();
    if (context == nullptr) {
        TWkDataItemTextImpl::SetCaption(caption);
        return;
    }
    if (caption == Caption())
        return;
    announce(Controller(), [&] {
        for (auto& [owner, text] : FTexts) {
            if (owner == context) {
                text = caption;
                return;
            }
        }
        FTexts.emplace_back(context, caption);
    });
}

void TWkDataItemContextTextImpl::RevertToAncestor() {
    IWkDataContext* context = SelectedContext();
    std::erase_if(FTexts, [&](const auto& entry) { return entry.first == context; });
}

bool TWkDataItemContextTextImpl::IsEqualToAncestor() const {
    IWkDataContext* context = SelectedContext();
    return std::none_of(FTexts.begin(), FTexts.end(),
                        [&](const auto& entry) { return entry.first == context; });
}

void* TWkDataItemContextTextImpl::OwnInterface(const QUuid& iid) {
    if (iid == IWkDataItemAncestor::IID)
        return static_cast<IWkDataItemAncestor*>(this);
    return TWkDataItemTextImpl::OwnInterface(iid);
}

void TWkDataItemImageImpl::SetImageIndex(int index) {
    if (index == FImageIndex)
        return;
    announce(Controller(), [&] { FImageIndex = index; });
}

void TWkDataItemImageImpl::SetSelectedIndex(int index) {
    if (index == FSelectedIndex)
        return;
    announce(Controller(), [&] { FSelectedIndex = index; });
}

void* TWkDataItemImageImpl::OwnInterface(const QUuid& iid) {
    return iid == IWkDataItemImage::IID ? static_cast<IWkDataItemImage*>(this) : nullptr;
}

void TWkCustomDataItemsTextRenderer::DrawItem(TCanvas& canvas, const TRect& rect,
                                              TProviderDrawStates state, IWkDataItem* item) {
    if (auto* self = Supports<IWkDataItemDraw>(item)) {
        self->Draw(canvas, rect, state);
        return;
    }
    auto* text = Supports<IWkDataItemText>(item);
    TRect r = rect;
    canvas.DrawText(text != nullptr ? text->Caption() : QString(), r,
                    DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

TSize TWkCustomDataItemsTextRenderer::MeasureItem(TCanvas& canvas, IWkDataItem* item) {
    if (auto* self = Supports<IWkDataItemDraw>(item))
        return self->Measure(canvas);
    auto* text = Supports<IWkDataItemText>(item);
    return canvas.TextExtent(text != nullptr ? text->Caption() : QString());
}

TSize TWkCustomDataItemsTextRenderer::AverageItemSize(TCanvas& canvas) {
    const QString sample = QString::fromLatin1(SampleText);
    const TSize size = canvas.TextExtent(sample);
    return TSize{size.cx / int(sample.size()), size.cy};
}

IWkDataItem* TWkCustomDataItemsTextRenderer::ItemAt(int index) const {
    auto* list = dynamic_cast<TWkBaseDataItems*>(Controller());
    if (list == nullptr)
        throw EWkDataItems(QStringLiteral("List index out of bounds (%1)").arg(index));
    return list->Item(index);
}

void TWkCustomDataItemsTextRenderer::DrawItemAt(TCanvas& canvas, const TRect& rect,
                                                TProviderDrawStates state, int index) {
    DrawItem(canvas, rect, state, ItemAt(index));
}

TSize TWkCustomDataItemsTextRenderer::MeasureItemAt(TCanvas& canvas, int index) {
    return MeasureItem(canvas, ItemAt(index));
}

void* TWkCustomDataItemsTextRenderer::OwnInterface(const QUuid& iid) {
    return iid == IWkDataItemsRenderer::IID ? static_cast<IWkDataItemsRenderer*>(this) : nullptr;
}

void TWkCustomDataItemsImages::Change(TImageList*& field, TImageList* images) {
    if (field == images)
        return;
    auto& list = dynamic_cast<TWkBaseDataItems&>(*Controller());
    IWkInterface* source = static_cast<IWkDataItems*>(&list);
    if (IWkDataProvider* provider = list.Provider())
        provider->NotifyChanging(pcrUpdateItems, source);
    field = images;
    if (IWkDataProvider* provider = list.Provider())
        provider->NotifyChanged(pcrUpdateItems, source);
}

IWkDataItemsRenderer* FindRenderer(IWkDataItem* item) {
    IWkDataItems* list = item != nullptr ? item->OwnerList() : nullptr;
    while (list != nullptr) {
        if (auto* renderer = Supports<IWkDataItemsRenderer>(list))
            return renderer;
        IWkDataItem* parent = list->ParentItem();
        list = parent != nullptr ? parent->OwnerList() : nullptr;
    }
    return nullptr;
}
