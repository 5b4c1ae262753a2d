#include "components/data/items_stream.h"

#include "components/data/class_registry.h"
#include "components/data/data_errors.h"
#include "components/data/item_aspects.h"
#include "components/data/property_stream.h"

#include <functional>
#include <map>

namespace {

const QString AggregatedBase = QStringLiteral("TAggregatedPersistentEx");
const QString ItemBase = QStringLiteral("TWkBaseDataItem");
const QString ItemsBase = QStringLiteral("TWkBaseDataItems");

using MakeExtension = std::function<TAggregatedPersistentEx*(TExtensibleInterfacedPersistent&)>;

template <typename E> MakeExtension onItems() {
    return [](TExtensibleInterfacedPersistent& owner) -> TAggregatedPersistentEx* {
        return dynamic_cast<TWkBaseDataItems*>(&owner) != nullptr ? owner.AddExtension<E>()
                                                                  : nullptr;
    };
}

template <typename E> MakeExtension onItem() {
    return [](TExtensibleInterfacedPersistent& owner) -> TAggregatedPersistentEx* {
        return dynamic_cast<TWkBaseDataItem*>(&owner) != nullptr ? owner.AddExtension<E>()
                                                                 : nullptr;
    };
}

// The aspects a stream can put on lists and items; each only on the kind it serves.
const std::map<QString, MakeExtension>& extensionMakers() {
    static const std::map<QString, MakeExtension> makers = {
        {TWkCustomDataItemsImages::RegisteredName, onItems<TWkCustomDataItemsImages>()},
        {TWkCustomDataItemsTextRenderer::RegisteredName, onItems<TWkCustomDataItemsTextRenderer>()},
        {TWkBaseDataItemsListManagement::RegisteredName, onItems<TWkBaseDataItemsListManagement>()},
        {TWkDataItemTextImpl::RegisteredName, onItem<TWkDataItemTextImpl>()},
        {TWkDataItemBlockableTextImpl::RegisteredName, onItem<TWkDataItemBlockableTextImpl>()},
        {TWkDataItemContextTextImpl::RegisteredName, onItem<TWkDataItemContextTextImpl>()},
        {TWkDataItemImageImpl::RegisteredName, onItem<TWkDataItemImageImpl>()},
    };
    return makers;
}

[[noreturn]] void fail(const QString& message) {
    throw EReadError(message);
}

// --- writing

void writeList(TWkPropertyWriter& writer, TWkBaseDataItems& list);

void writeExtensionProperties(TWkPropertyWriter& writer, TAggregatedPersistentEx& extension) {
    if (auto* text = dynamic_cast<TWkDataItemTextImpl*>(&extension)) {
        // The plain caption: texts kept per context belong to the running provider's contexts.
        writer.WritePropName("Caption");
        writer.WriteString(text->TWkDataItemTextImpl::Caption());
    }
    if (auto* blockable = dynamic_cast<TWkDataItemBlockableTextImpl*>(&extension)) {
        writer.WritePropName("ReadOnly");
        writer.WriteBoolean(blockable->ReadOnly());
    }
    if (auto* image = dynamic_cast<TWkDataItemImageImpl*>(&extension)) {
        writer.WritePropName("ImageIndex");
        writer.WriteInteger(image->ImageIndex());
        writer.WritePropName("SelectedIndex");
        writer.WriteInteger(image->SelectedIndex());
    }
}

void writeExtensions(TWkPropertyWriter& writer, TExtensibleInterfacedPersistent& owner) {
    std::vector<TAggregatedPersistentEx*> stored;
    for (int i = 0; i < owner.ExtensionCount(); ++i) {
        TAggregatedPersistentEx* extension = owner.Extension(i);
        if (FindClass(QString::fromLatin1(extension->ClassName())))
            stored.push_back(extension);
    }
    if (stored.empty())
        return;
    writer.WritePropName("Extensions");
    writer.WriteCollectionBegin();
    for (TAggregatedPersistentEx* extension : stored) {
        writer.WritePropName("ClassName");
        writer.WriteString(QString::fromLatin1(extension->ClassName()));
        writeExtensionProperties(writer, *extension);
        writer.WriteListEnd();
    }
    writer.WriteListEnd();
}

void writeItem(TWkPropertyWriter& writer, TWkBaseDataItem& item) {
    writer.WritePropName("ClassName");
    writer.WriteString(ItemBase);
    writer.WritePropName("ID");
    writer.WriteString(item.ID());
    writeExtensions(writer, item);
    if (auto* sub = item.FindExtension<TWkBaseDataItemSubItems>(); sub && sub->List()) {
        writer.WritePropName("SubItems");
        writer.WriteCollectionBegin();
        writer.WritePropName("ClassName");
        writer.WriteString(QString::fromLatin1(sub->List()->ClassName()));
        writeList(writer, *sub->List());
        writer.WriteListEnd();
        writer.WriteListEnd();
    }
    writer.WriteListEnd();
}

void writeList(TWkPropertyWriter& writer, TWkBaseDataItems& list) {
    writeExtensions(writer, list);
    writer.WritePropName("Items");
    writer.WriteCollectionBegin();
    for (int i = 0; i < list.Count(); ++i)
        writeItem(writer, *list.ItemObject(i));
    writer.WriteListEnd();
}

// --- reading

class ItemsReader {
public:
    explicit ItemsReader(QIODevice& stream) : reader(stream) {}

    void readListProperties(TWkBaseDataItems& list, int depth) {
        while (!reader.EndOfList()) {
            const QString name = reader.ReadPropName();
            if (name == QLatin1String("Extensions"))
                readExtensions(list);
            else if (name == QLatin1String("Items"))
                readItems(list, depth);
            else
                noSuchProperty(name);
        }
        reader.ReadListEnd();
    }

private:
    [[noreturn]] static void noSuchProperty(const QString& name) {
        fail(QStringLiteral("Property %1 does not exist").arg(name));
    }

    // The class named by the "ClassName" that must open every element, checked against the
    // registry and the ancestor the element needs.
    QString readClassName(const QString& ancestor) {
        if (reader.EndOfList() || reader.ReadPropName() != QLatin1String("ClassName"))
            fail(QStringLiteral("Missing ClassName property"));
        const QString className = reader.ReadString();
        if (!FindClass(className))
            fail(QStringLiteral("Class %1 not found").arg(className));
        if (!InheritsFrom(className, ancestor))
            fail(QStringLiteral("Invalid class type"));
        return className;
    }

    void readExtensions(TExtensibleInterfacedPersistent& owner) {
        reader.ReadCollectionBegin();
        while (!reader.EndOfList()) {
            const QString className = readClassName(AggregatedBase);
            TAggregatedPersistentEx* extension = nullptr;
            for (int i = 0; i < owner.ExtensionCount() && extension == nullptr; ++i) {
                if (QLatin1String(owner.Extension(i)->ClassName()) == className)
                    extension = owner.Extension(i);
            }
            if (extension == nullptr) {
                const auto maker = extensionMakers().find(className);
                extension = maker != extensionMakers().end() ? maker->second(owner) : nullptr;
            }
            if (extension == nullptr)
                fail(QStringLiteral("Invalid class type"));
            while (!reader.EndOfList())
                readExtensionProperty(*extension, reader.ReadPropName());
            reader.ReadListEnd();
        }
        reader.ReadListEnd();
    }

    void readExtensionProperty(TAggregatedPersistentEx& extension, const QString& name) {
        auto* text = dynamic_cast<TWkDataItemTextImpl*>(&extension);
        auto* blockable = dynamic_cast<TWkDataItemBlockableTextImpl*>(&extension);
        auto* image = dynamic_cast<TWkDataItemImageImpl*>(&extension);
        if (text && name == QLatin1String("Caption"))
            text->TWkDataItemTextImpl::SetCaption(reader.ReadString());
        else if (blockable && name == QLatin1String("ReadOnly"))
            blockable->SetReadOnly(reader.ReadBoolean());
        else if (image && name == QLatin1String("ImageIndex"))
            image->SetImageIndex(reader.ReadInteger());
        else if (image && name == QLatin1String("SelectedIndex"))
            image->SetSelectedIndex(reader.ReadInteger());
        else
            noSuchProperty(name);
    }

    void readItems(TWkBaseDataItems& list, int depth) {
        reader.ReadCollectionBegin();
        while (!reader.EndOfList()) {
            if (++itemsRead > MaxStreamItems)
                fail(QStringLiteral("Too many items in stream"));
            readClassName(ItemBase);
            // Owned here until it is read completely, so a failure frees it.
            auto item = std::make_unique<TWkBaseDataItem>(&list);
            while (!reader.EndOfList())
                readItemProperty(*item, reader.ReadPropName(), depth);
            reader.ReadListEnd();
            list.Append(std::move(item));
        }
        reader.ReadListEnd();
    }

    void readItemProperty(TWkBaseDataItem& item, const QString& name, int depth) {
        if (name == QLatin1String("ID"))
            item.SetID(reader.ReadString());
        else if (name == QLatin1String("Extensions"))
            readExtensions(item);
        else if (name == QLatin1String("SubItems"))
            readSubItems(item, depth + 1);
        else
            noSuchProperty(name);
    }

    void readSubItems(TWkBaseDataItem& item, int depth) {
        if (depth > MaxStreamNesting)
            fail(QStringLiteral("Items nested too deeply"));
        reader.ReadCollectionBegin();
        const QString className = readClassName(ItemsBase);
        if (className != QLatin1String(TWkDataItemsList::RegisteredName))
            fail(QStringLiteral("Invalid class type"));
        auto* existing = item.FindExtension<TWkBaseDataItemSubItems>();
        TWkBaseDataItems* list = existing != nullptr ? existing->List() : nullptr;
        if (list == nullptr || QLatin1String(list->ClassName()) != className)
            list = MakeSubItems(item);
        readListProperties(*list, depth);
        reader.ReadListEnd();
    }

    TWkPropertyReader reader;
    int itemsRead = 0;
};

} // namespace

void WriteDataItems(QIODevice& stream, TWkBaseDataItems& list) {
    TWkPropertyWriter writer(stream);
    writeList(writer, list);
    writer.WriteListEnd();
}

void ReadDataItems(QIODevice& stream, TWkBaseDataItems& list) {
    ItemsReader(stream).readListProperties(list, 0);
}
