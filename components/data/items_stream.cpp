#include "components/data/items_stream.h"

#include "components/data/class_registry.h"
#include "components/data/data_errors.h"
#include "components/data/item_aspects.h"
#include "components/data/list_aspects.h"
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

void writeList(THackWriter& writer, TWkBaseDataItems& list, QObject* root);

// The object under which stored image-list references are named: the owner of the list's
// provider component, or the component itself when it has no owner.
QObject* referenceRoot(TWkBaseDataItems& list) {
    auto* component = Supports<IWkDataProviderComponent>(list.Provider());
    QObject* provider = component != nullptr ? component->Component() : nullptr;
    return provider != nullptr && provider->parent() != nullptr ? provider->parent() : provider;
}

// The reference's name, or empty for a list that cannot be found again under root.
QString referenceName(QObject* root, TCustomImageList* images) {
    if (root == nullptr || images == nullptr || images->objectName().isEmpty())
        return {};
    const QString name = images->objectName();
    return root->findChild<TCustomImageList*>(name) == images ? name : QString();
}

void writeReference(THackWriter& writer, QObject* root, const char* property,
                    TCustomImageList* images) {
    const QString name = referenceName(root, images);
    if (name.isEmpty())
        return;
    writer.WritePropName(property);
    writer.WriteString(name);
}

void writeExtensionProperties(THackWriter& writer, TAggregatedPersistentEx& extension,
                              QObject* root) {
    if (auto* text = dynamic_cast<TWkDataItemTextImpl*>(&extension)) {
        // The plain caption: texts kept per context belong to the running provider's contexts.
        writer.WritePropName("Caption");
        writer.WriteString(text->PlainCaption());
    }
    if (auto* blockable = dynamic_cast<TWkDataItemBlockableTextImpl*>(&extension)) {
        writer.WritePropName("ReadOnly");
        writer.WriteBoolean(blockable->ReadOnly());
    }
    if (auto* image = dynamic_cast<TWkDataItemImageImpl*>(&extension)) {
        writer.WritePropName("ImageAlignment");
        writer.WriteInteger(image->ImageAlignment());
        writer.WritePropName("ImageIndex");
        writer.WriteInteger(image->ImageIndex());
        writer.WritePropName("SelectedIndex");
        writer.WriteInteger(image->SelectedIndex());
    }
    if (auto* images = dynamic_cast<TWkCustomDataItemsImages*>(&extension)) {
        writeReference(writer, root, "DisabledImages", images->DisabledImages());
        writeReference(writer, root, "HotImages", images->HotImages());
        writeReference(writer, root, "Images", images->Images());
    }
}

void writeExtensions(THackWriter& writer, TExtensibleInterfacedPersistent& owner, QObject* root) {
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
        writeExtensionProperties(writer, *extension, root);
        writer.WriteListEnd();
    }
    writer.WriteListEnd();
}

// The sub-item element is written without the path of the property holding the tree; the
// path comes back afterwards, also when a write fails.
class PropPathCleared {
public:
    explicit PropPathCleared(THackWriter& writer) : writer(writer), path(writer.GetPropPath()) {
        writer.SetPropPath(QString());
    }
    ~PropPathCleared() { writer.SetPropPath(path); }
    PropPathCleared(const PropPathCleared&) = delete;
    PropPathCleared& operator=(const PropPathCleared&) = delete;

private:
    THackWriter& writer;
    const QString path;
};

void writeItem(THackWriter& writer, TWkBaseDataItem& item, QObject* root) {
    writer.WritePropName("ClassName");
    writer.WriteString(ItemBase);
    writer.WritePropName("ID");
    writer.WriteString(item.ID());
    writeExtensions(writer, item, root);
    if (auto* sub = item.FindExtension<TWkBaseDataItemSubItems>(); sub && sub->List()) {
        writer.WritePropName("SubItems");
        writer.WriteCollectionBegin();
        {
            const PropPathCleared cleared(writer);
            writer.WritePropName("ClassName");
            writer.WriteString(QString::fromLatin1(sub->List()->ClassName()));
            writeList(writer, *sub->List(), root);
            writer.WriteListEnd();
        }
        writer.WriteListEnd();
    }
    writer.WriteListEnd();
}

void writeList(THackWriter& writer, TWkBaseDataItems& list, QObject* root) {
    writeExtensions(writer, list, root);
    writer.WritePropName("Items");
    writer.WriteCollectionBegin();
    for (int i = 0; i < list.Count(); ++i) {
        TWkBaseDataItem* item = list.ItemObject(i);
        if (list.IsStreamableItem(item))
            writeItem(writer, *item, root);
    }
    writer.WriteListEnd();
}

// --- reading

// The list classes a stream can make as sub-item lists.
using MakeList = TWkBaseDataItems* (*)(TWkBaseDataItem& parent);
const std::map<QString, MakeList>& listMakers() {
    static const std::map<QString, MakeList> makers = {
        {TWkDataItemsList::RegisteredName,
         [](TWkBaseDataItem& parent) -> TWkBaseDataItems* {
             return MakeSubItems(parent);
         }},
    };
    return makers;
}

class ItemsReader {
public:
    ItemsReader(QIODevice& stream, QObject* root) : reader(stream), root(root) {}

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
        const TWkCountingSuspension suspended(owner);
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
        auto* images = dynamic_cast<TWkCustomDataItemsImages*>(&extension);
        if (text && name == QLatin1String("Caption"))
            text->SetPlainCaption(reader.ReadString());
        else if (blockable && name == QLatin1String("ReadOnly"))
            blockable->SetReadOnly(reader.ReadBoolean());
        else if (image && name == QLatin1String("ImageAlignment"))
            image->SetImageAlignment(readAlignment());
        else if (image && name == QLatin1String("ImageIndex"))
            image->SetImageIndex(reader.ReadInteger());
        else if (image && name == QLatin1String("SelectedIndex"))
            image->SetSelectedIndex(reader.ReadInteger());
        else if (images && name == QLatin1String("DisabledImages"))
            images->SetDisabledImages(readReference());
        else if (images && name == QLatin1String("HotImages"))
            images->SetHotImages(readReference());
        else if (images && name == QLatin1String("Images"))
            images->SetImages(readReference());
        else
            noSuchProperty(name);
    }

    TAlignment readAlignment() {
        const std::int32_t value = reader.ReadInteger();
        if (value < taLeftJustify || value > taCenter)
            fail(QStringLiteral("Invalid property value"));
        return TAlignment(value);
    }

    // A name that the owner does not hold leaves the reference empty.
    TCustomImageList* readReference() {
        const QString name = reader.ReadString();
        if (root == nullptr || name.isEmpty())
            return nullptr;
        return root->findChild<TCustomImageList*>(name);
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
        const TWkCountingSuspension suspended(item);
        reader.ReadCollectionBegin();
        const QString className = readClassName(ItemsBase);
        const auto maker = listMakers().find(className);
        if (maker == listMakers().end())
            fail(QStringLiteral("Invalid class type"));
        // A sub-list of another class goes (its extension releases it); one of this class is
        // read into.
        auto* existing = item.FindExtension<TWkBaseDataItemSubItems>();
        if (existing != nullptr && existing->List() != nullptr &&
            QLatin1String(existing->List()->ClassName()) != className) {
            item.RemoveExtension(existing);
            existing = nullptr;
        }
        TWkBaseDataItems* list = existing != nullptr ? existing->List() : nullptr;
        if (list == nullptr)
            list = maker->second(item);
        readListProperties(*list, depth);
        reader.ReadListEnd();
    }

    TWkPropertyReader reader;
    QObject* root;
    int itemsRead = 0;
};

} // namespace

void WriteDataItems(QIODevice& stream, TWkBaseDataItems& list) {
    THackWriter writer(stream);
    WriteDataItems(writer, list);
}

void WriteDataItems(THackWriter& writer, TWkBaseDataItems& list) {
    writeList(writer, list, referenceRoot(list));
    writer.WriteListEnd();
}

void ReadDataItems(QIODevice& stream, TWkBaseDataItems& list) {
    ItemsReader(stream, referenceRoot(list)).readListProperties(list, 0);
}
