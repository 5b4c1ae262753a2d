#include "components/data/items_stream.h"

#include "components/data/class_registry.h"
#include "components/data/data_errors.h"
#include "components/data/item_aspects.h"
#include "components/data/list_aspects.h"
#include "components/data/property_stream.h"

namespace {

const QString AggregatedBase = QStringLiteral("TAggregatedPersistentEx");
const QString ItemBase = QStringLiteral("TWkBaseDataItem");
const QString ItemsBase = QStringLiteral("TWkBaseDataItems");

[[noreturn]] void fail(const QString& message) {
    throw EReadError(message);
}

// --- writing

// A collection is written without the path of the property that holds it; the path comes back
// afterwards, also when a write fails.
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

// Writes the property name, then a collection whose elements write is given, with the path
// cleared inside it.
template <typename Elements>
void writeCollection(THackWriter& writer, const char* property, Elements elements) {
    writer.WritePropName(property);
    const PropPathCleared cleared(writer);
    writer.WriteCollectionBegin();
    elements();
    writer.WriteListEnd();
}

void writeElementClass(THackWriter& writer, const char* className) {
    writer.WritePropName("ClassName");
    writer.WriteString(QString::fromLatin1(className));
}

void writeList(THackWriter& writer, TWkBaseDataItems& list);

void writeExtensions(THackWriter& writer, TExtensibleInterfacedPersistent& owner) {
    std::vector<TAggregatedPersistentEx*> stored;
    for (int i = 0; i < owner.ExtensionCount(); ++i) {
        TAggregatedPersistentEx* extension = owner.Extension(i);
        if (FindClass(QString::fromLatin1(extension->ClassName())))
            stored.push_back(extension);
    }
    if (stored.empty())
        return;
    writeCollection(writer, "Extensions", [&] {
        for (TAggregatedPersistentEx* extension : stored) {
            writeElementClass(writer, extension->ClassName());
            extension->WriteProperties(writer);
            writer.WriteListEnd();
        }
    });
}

void writeItem(THackWriter& writer, TWkBaseDataItem& item) {
    writeElementClass(writer, item.ClassName());
    item.WriteProperties(writer);
    writeExtensions(writer, item);
    if (auto* sub = item.FindExtension<TWkBaseDataItemSubItems>(); sub && sub->List()) {
        writeCollection(writer, "SubItems", [&] {
            writeElementClass(writer, sub->List()->ClassName());
            writeList(writer, *sub->List());
            writer.WriteListEnd();
        });
    }
    writer.WriteListEnd();
}

void writeList(THackWriter& writer, TWkBaseDataItems& list) {
    list.WriteProperties(writer);
    writeExtensions(writer, list);
    writeCollection(writer, "Items", [&] {
        for (int i = 0; i < list.Count(); ++i) {
            TWkBaseDataItem* item = list.ItemObject(i);
            if (list.IsStreamableItem(item))
                writeItem(writer, *item);
        }
    });
}

// The object under which stored image-list references are named: the owner of the list's
// provider component, or the component itself when it has no owner.
QObject* referenceRoot(TWkBaseDataItems& list) {
    auto* component = Supports<IWkDataProviderComponent>(list.Provider());
    QObject* provider = component != nullptr ? component->Component() : nullptr;
    return provider != nullptr && provider->parent() != nullptr ? provider->parent() : provider;
}

// --- reading

// An instance of the registered class made for owner, as a T; "Invalid class type" when the
// class makes nothing of that kind for owner.
template <typename T> std::unique_ptr<T> make(const QString& className, TWkStreamable& owner) {
    std::unique_ptr<TWkStreamable> made = MakeClass(className, owner);
    if (dynamic_cast<T*>(made.get()) == nullptr)
        fail(QStringLiteral("Invalid class type"));
    return std::unique_ptr<T>(dynamic_cast<T*>(made.release()));
}

class ItemsReader {
public:
    ItemsReader(QIODevice& stream, QObject* root) : reader(stream) { reader.SetRoot(root); }

    void readListProperties(TWkBaseDataItems& list, int depth) {
        while (!reader.EndOfList()) {
            const QString name = reader.ReadPropName();
            if (name == QLatin1String("Extensions"))
                readExtensions(list);
            else if (name == QLatin1String("Items"))
                readItems(list, depth);
            else
                readProperty(list, name);
        }
        reader.ReadListEnd();
    }

private:
    void readProperty(TWkStreamable& object, const QString& name) {
        if (!object.ReadProperty(reader, name))
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
            if (extension == nullptr)
                extension = owner.AddExtension(make<TAggregatedPersistentEx>(className, owner));
            while (!reader.EndOfList())
                readProperty(*extension, reader.ReadPropName());
            reader.ReadListEnd();
        }
        reader.ReadListEnd();
    }

    void readItems(TWkBaseDataItems& list, int depth) {
        reader.ReadCollectionBegin();
        while (!reader.EndOfList()) {
            if (++itemsRead > MaxStreamItems)
                fail(QStringLiteral("Too many items in stream"));
            // Owned here until it is read completely, so a failure frees it.
            std::unique_ptr<TWkBaseDataItem> item =
                make<TWkBaseDataItem>(readClassName(ItemBase), list);
            while (!reader.EndOfList())
                readItemProperty(*item, reader.ReadPropName(), depth);
            reader.ReadListEnd();
            list.Append(std::move(item));
        }
        reader.ReadListEnd();
    }

    void readItemProperty(TWkBaseDataItem& item, const QString& name, int depth) {
        if (name == QLatin1String("Extensions"))
            readExtensions(item);
        else if (name == QLatin1String("SubItems"))
            readSubItems(item, depth + 1);
        else
            readProperty(item, name);
    }

    void readSubItems(TWkBaseDataItem& item, int depth) {
        if (depth > MaxStreamNesting)
            fail(QStringLiteral("Items nested too deeply"));
        const TWkCountingSuspension suspended(item);
        reader.ReadCollectionBegin();
        const QString className = readClassName(ItemsBase);
        // A sub-list of another class goes (its extension releases it); one of this class is
        // read into.
        auto* existing = item.FindExtension<TWkBaseDataItemSubItems>();
        if (existing != nullptr && existing->List() != nullptr &&
            QLatin1String(existing->List()->ClassName()) != className) {
            item.RemoveExtension(existing);
            existing = nullptr;
        }
        TWkBaseDataItems* list = existing != nullptr ? existing->List() : nullptr;
        // A made sub-list is held by the item's sub-items extension.
        if (list == nullptr)
            list = make<TWkBaseDataItems>(className, item).release();
        readListProperties(*list, depth);
        reader.ReadListEnd();
    }

    TWkPropertyReader reader;
    int itemsRead = 0;
};

} // namespace

void WriteDataItems(QIODevice& stream, TWkBaseDataItems& list) {
    THackWriter writer(stream);
    WriteDataItems(writer, list);
}

void WriteDataItems(THackWriter& writer, TWkBaseDataItems& list) {
    // The writer's own root comes back afterwards, also when a write fails.
    struct RootLent {
        THackWriter& writer;
        QObject* const previous;
        ~RootLent() { writer.SetRoot(previous); }
    } lent{writer, writer.Root()};
    writer.SetRoot(referenceRoot(list));
    writeList(writer, list);
    writer.WriteListEnd();
}

void ReadDataItems(QIODevice& stream, TWkBaseDataItems& list) {
    ItemsReader(stream, referenceRoot(list)).readListProperties(list, 0);
}
