#include "components/data/item_aspects.h"

#include "components/data/data_errors.h"
#include "components/data/data_items.h"
#include "components/data/property_stream.h"

#include <algorithm>

TWkBaseDataItem* TWkDataItemAggregatedObject::Item() const {
    return dynamic_cast<TWkBaseDataItem*>(Controller());
}

IWkDataProvider* TWkDataItemAggregatedObject::Provider() const {
    TWkBaseDataItem* item = Item();
    return item != nullptr ? item->Provider() : nullptr;
}

void TWkBaseDataItemTextImpl::SetCaption(const QString& caption) {
    if (!Editable() || caption == Caption())
        return;
    Announce([&] { StoreText(caption); });
}

void* TWkBaseDataItemTextImpl::OwnInterface(const QUuid& iid) {
    return iid == IWkDataItemText::IID ? static_cast<IWkDataItemText*>(this) : nullptr;
}

void TWkDataItemTextImpl::SetPlainCaption(const QString& caption) {
    if (caption == FCaption)
        return;
    Announce([&] { FCaption = caption; });
}

void TWkDataItemTextImpl::WriteProperties(THackWriter& writer) {
    writer.WritePropName("Caption");
    writer.WriteString(FCaption);
}

bool TWkDataItemTextImpl::ReadProperty(TWkPropertyReader& reader, const QString& name) {
    if (name != QLatin1String("Caption"))
        return false;
    SetPlainCaption(reader.ReadString());
    return true;
}

void TWkDataItemBlockableTextImpl::WriteProperties(THackWriter& writer) {
    TWkDataItemTextImpl::WriteProperties(writer);
    writer.WritePropName("ReadOnly");
    writer.WriteBoolean(FReadOnly);
}

bool TWkDataItemBlockableTextImpl::ReadProperty(TWkPropertyReader& reader, const QString& name) {
    if (name != QLatin1String("ReadOnly"))
        return TWkDataItemTextImpl::ReadProperty(reader, name);
    SetReadOnly(reader.ReadBoolean());
    return true;
}

void TWkDataItemBlockableTextImpl::SetReadOnly(bool readOnly) {
    if (readOnly == FReadOnly)
        return;
    Announce([&] { FReadOnly = readOnly; });
}

IWkDataContext* TWkDataItemContextTextImpl::SelectedContext() const {
    IWkDataProvider* provider = Provider();
    return provider != nullptr ? provider->SelectedContext() : nullptr;
}

QString TWkDataItemContextTextImpl::ReadText() const {
    for (IWkDataContext* context = SelectedContext(); context != nullptr;) {
        for (const auto& [owner, text] : FTexts) {
            if (owner == context)
                return text;
        }
        IWkDataContexts* list = context->ContextList();
        context = list != nullptr ? list->Ancestor() : nullptr;
    }
    return TWkDataItemTextImpl::ReadText();
}

void TWkDataItemContextTextImpl::StoreText(const QString& caption) {
    IWkDataContext* context = SelectedContext();
    if (context == nullptr) {
        TWkDataItemTextImpl::StoreText(caption);
        return;
    }
    for (auto& [owner, text] : FTexts) {
        if (owner == context) {
            text = caption;
            return;
        }
    }
    FTexts.emplace_back(context, caption);
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

void TWkDataItemContextTextImpl::ContextDestroying(IWkDataContext* context) {
    std::erase_if(FTexts, [&](const auto& entry) { return entry.first == context; });
}

void* TWkDataItemContextTextImpl::OwnInterface(const QUuid& iid) {
    if (iid == IWkDataItemAncestor::IID)
        return static_cast<IWkDataItemAncestor*>(this);
    if (iid == IWkDataContextDestroying::IID)
        return static_cast<IWkDataContextDestroying*>(this);
    return TWkDataItemTextImpl::OwnInterface(iid);
}

void* TWkBaseDataItemImageImpl::OwnInterface(const QUuid& iid) {
    return iid == IWkDataItemImage::IID ? static_cast<IWkDataItemImage*>(this) : nullptr;
}

template <typename T> void TWkDataItemImageImpl::Change(T& field, T value) {
    if (value == field)
        return;
    Announce([&] { field = value; });
}

void TWkDataItemImageImpl::SetImageAlignment(TAlignment alignment) {
    Change(FImageAlignment, alignment);
}

void TWkDataItemImageImpl::SetImageIndex(int index) {
    Change(FImageIndex, index);
}

void TWkDataItemImageImpl::SetSelectedIndex(int index) {
    Change(FSelectedIndex, index);
}

void TWkDataItemImageImpl::WriteProperties(THackWriter& writer) {
    writer.WritePropName("ImageAlignment");
    writer.WriteInteger(FImageAlignment);
    writer.WritePropName("ImageIndex");
    writer.WriteInteger(FImageIndex);
    writer.WritePropName("SelectedIndex");
    writer.WriteInteger(FSelectedIndex);
}

bool TWkDataItemImageImpl::ReadProperty(TWkPropertyReader& reader, const QString& name) {
    if (name == QLatin1String("ImageAlignment")) {
        const std::int32_t value = reader.ReadInteger();
        if (value < taLeftJustify || value > taCenter)
            throw EReadError(QStringLiteral("Invalid property value"));
        SetImageAlignment(TAlignment(value));
    } else if (name == QLatin1String("ImageIndex")) {
        SetImageIndex(reader.ReadInteger());
    } else if (name == QLatin1String("SelectedIndex")) {
        SetSelectedIndex(reader.ReadInteger());
    } else {
        return false;
    }
    return true;
}
