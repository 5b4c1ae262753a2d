#include "components/data/list_aspects.h"

#include "components/data/data_errors.h"
#include "components/data/property_stream.h"
#include "components/data/render_pass.h"
#include "platform/ui/canvas.h"

IWkDataItems& TWkDataItemsAggregatedObject::ItemsIntf() const {
    return dynamic_cast<IWkDataItems&>(*Controller());
}

TWkBaseDataItems& TWkDataItemsAggregatedObject::ItemsObject() const {
    return dynamic_cast<TWkBaseDataItems&>(*Controller());
}

void TWkDataItemsAggregatedObject::Changing(TDataProviderChangeReason reason,
                                            IWkInterface* source) const {
    if (IWkDataProvider* provider = ItemsIntf().Provider())
        provider->NotifyChanging(reason, source);
}

void TWkDataItemsAggregatedObject::Changed(TDataProviderChangeReason reason,
                                           IWkInterface* source) const {
    if (IWkDataProvider* provider = ItemsIntf().Provider())
        provider->NotifyChanged(reason, source);
}

void TWkBaseDataItemsRenderer::DrawItem(TCanvas& canvas, const TRect& rect,
                                        TProviderDrawStates state, IWkDataItem* item) {
    if (auto* self = Supports<IWkDataItemDraw>(item))
        self->Draw(canvas, rect, state);
    else
        DoDrawItem(canvas, rect, state, item);
}

TSize TWkBaseDataItemsRenderer::MeasureItem(TCanvas& canvas, IWkDataItem* item) {
    if (auto* self = Supports<IWkDataItemDraw>(item))
        return self->Measure(canvas);
    return DoMeasureItem(canvas, item);
}

void TWkBaseDataItemsRenderer::DrawItemAt(TCanvas& canvas, const TRect& rect,
                                          TProviderDrawStates state, int index) {
    DrawItem(canvas, rect, state, ItemsIntf().Item(index));
}

TSize TWkBaseDataItemsRenderer::MeasureItemAt(TCanvas& canvas, int index) {
    return MeasureItem(canvas, ItemsIntf().Item(index));
}

void* TWkBaseDataItemsRenderer::OwnInterface(const QUuid& iid) {
    return iid == IWkDataItemsRenderer::IID ? static_cast<IWkDataItemsRenderer*>(this) : nullptr;
}

void TWkCustomDataItemsTextRenderer::DoDrawItem(TCanvas& canvas, const TRect& rect,
                                                TProviderDrawStates state, IWkDataItem* item) {
    TWkDP_ProviderTextOnlyRender::Draw(item, canvas, rect, state);
}

TSize TWkCustomDataItemsTextRenderer::DoMeasureItem(TCanvas& canvas, IWkDataItem* item) {
    return TWkDP_ProviderTextOnlyRender::Measure(item, canvas, 0);
}

TSize TWkCustomDataItemsTextRenderer::AverageItemSize(TCanvas& canvas) {
    const QString sample = QString::fromLatin1(SampleText);
    const TSize size = canvas.TextExtent(sample);
    return TSize{size.cx / int(sample.size()), size.cy};
}

TWkBaseDataItem* TWkBaseDataItemsManagement::NewItem() {
    throw EWkDataItems(QStringLiteral("This provider makes no new items"));
}

TWkDataItemsList& TWkBaseDataItemsListManagement::List() const {
    return dynamic_cast<TWkDataItemsList&>(ItemsObject());
}

TWkBaseDataItem* TWkBaseDataItemsListManagement::Add(std::unique_ptr<TWkBaseDataItem> item) {
    TWkDataItemsList& list = List();
    Changing(pcrAdd, static_cast<IWkDataItems*>(&list));
    TWkBaseDataItem* added = item.get();
    list.Append(std::move(item));
    Changed(pcrAdd, &static_cast<IWkDataItem&>(*added));
    return added;
}

void TWkBaseDataItemsListManagement::Clear() {
    TWkDataItemsList& list = List();
    Changing(pcrUpdateItems, static_cast<IWkDataItems*>(&list));
    list.ClearItems();
    Changed(pcrUpdateItems, static_cast<IWkDataItems*>(&list));
}

void TWkBaseDataItemsListManagement::Delete(int index) {
    TWkDataItemsList& list = List();
    auto* item = dynamic_cast<TWkBaseDataItem*>(list.Item(index));
    if (item == nullptr)
        return;
    if (!item->Deletable())
        throw EWkDataItems(QStringLiteral("Item cannot be deleted"));
    Changing(pcrDelete, static_cast<IWkDataItem*>(item));
    list.Delete(index);
    Changed(pcrDelete, nullptr);
}

void TWkBaseDataItemsListManagement::Remove(TWkRef<IWkDataItem>& reference) {
    auto* item = dynamic_cast<TWkBaseDataItem*>(reference.Get());
    if (item == nullptr)
        return;
    if (!item->Deletable())
        throw EWkDataItems(QStringLiteral("Item cannot be deleted"));
    TWkDataItemsList& list = List();
    const int index = item->Items() == &list ? item->Index() : -1;
    if (index < 0)
        return;
    // The caller's reference counts only on a counted item.
    if (item->OtherReferences() > 1) {
        reference.Reset();
        return;
    }
    {
        const TWkCountingSuspension suspended(*item);
        Changing(pcrDelete, static_cast<IWkDataItem*>(item));
        reference.Reset();
    }
    list.Delete(index);
    Changed(pcrDelete, nullptr);
}

void TWkCustomDataItemsImages::Change(QPointer<TCustomImageList>& field, TCustomImageList* images) {
    if (field.data() == images)
        return;
    IWkInterface* source = &ItemsIntf();
    Changing(pcrUpdateItems, source);
    field = images;
    Changed(pcrUpdateItems, source);
}

namespace {

// The reference's name, or empty for a list that cannot be found again under root.
QString referenceName(QObject* root, TCustomImageList* images) {
    if (root == nullptr || images == nullptr || images->objectName().isEmpty())
        return {};
    const QString name = images->objectName();
    return root->findChild<TCustomImageList*>(name) == images ? name : QString();
}

void writeReference(THackWriter& writer, const char* property, TCustomImageList* images) {
    const QString name = referenceName(writer.Root(), images);
    if (name.isEmpty())
        return;
    writer.WritePropName(property);
    writer.WriteString(name);
}

TCustomImageList* readReference(TWkPropertyReader& reader) {
    const QString name = reader.ReadString();
    if (reader.Root() == nullptr || name.isEmpty())
        return nullptr;
    return reader.Root()->findChild<TCustomImageList*>(name);
}

} // namespace

void TWkCustomDataItemsImages::WriteProperties(THackWriter& writer) {
    writeReference(writer, "DisabledImages", FDisabledImages);
    writeReference(writer, "HotImages", FHotImages);
    writeReference(writer, "Images", FImages);
}

bool TWkCustomDataItemsImages::ReadProperty(TWkPropertyReader& reader, const QString& name) {
    if (name == QLatin1String("DisabledImages"))
        SetDisabledImages(readReference(reader));
    else if (name == QLatin1String("HotImages"))
        SetHotImages(readReference(reader));
    else if (name == QLatin1String("Images"))
        SetImages(readReference(reader));
    else
        return false;
    return true;
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
