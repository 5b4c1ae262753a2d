#include "components/data/data_errors.h"
#include "components/data/data_provider_unit.h"
#include "components/data/items_stream.h"
#include "components/data/property_stream.h"
#include "test_provider.h"

#include <QBuffer>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>

namespace {

// An aspect no stream knows: it is left out when writing.
class UnregisteredAspect : public TAggregatedPersistentEx {
public:
    using TAggregatedPersistentEx::TAggregatedPersistentEx;
    const char* ClassName() const override { return "TUnregisteredAspect"; }

protected:
    void* OwnInterface(const QUuid&) override { return nullptr; }
};

QByteArray written(TWkBaseDataItems& list) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteDataItems(buffer, list);
    return buffer.data();
}

void readInto(const QByteArray& bytes, TWkBaseDataItems& list) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    ReadDataItems(buffer, list);
}

// One line per item, indented by level: id, caption, read-only, image indexes.
QString describe(TWkBaseDataItems& list, int level = 0) {
    QString out;
    for (int i = 0; i < list.Count(); ++i) {
        TWkBaseDataItem* item = list.ItemObject(i);
        out += QString(level * 2, ' ') + item->ID();
        if (auto* text = item->FindExtension<TWkDataItemTextImpl>())
            out += QStringLiteral(" '%1'").arg(text->PlainCaption());
        if (auto* blockable = item->FindExtension<TWkDataItemBlockableTextImpl>())
            out += blockable->ReadOnly() ? QStringLiteral(" ro") : QStringLiteral(" rw");
        if (auto* image = item->FindExtension<TWkDataItemImageImpl>())
            out +=
                QStringLiteral(" img %1/%2").arg(image->ImageIndex()).arg(image->SelectedIndex());
        out += '\n';
        if (auto* sub = item->FindExtension<TWkBaseDataItemSubItems>())
            out += describe(*sub->List(), level + 1);
    }
    return out;
}

QStringList extensionClasses(TExtensibleInterfacedPersistent& object) {
    QStringList names;
    for (int i = 0; i < object.ExtensionCount(); ++i)
        names << QString::fromLatin1(object.Extension(i)->ClassName());
    return names;
}

class ItemsStream : public ::testing::Test {
protected:
    void SetUp() override { WkDataProviderInitialization(); }
    void TearDown() override { WkDataProviderFinalization(); }
};

TEST_F(ItemsStream, ATreeReadsBackAsItWasWritten) {
    TestProvider source;
    source.root.AddExtension<TWkCustomDataItemsImages>();
    source.root.AddExtension<UnregisteredAspect>();
    source.AddItem(QStringLiteral("A"), QStringLiteral("Ünïcode caption"));
    TWkBaseDataItem* b = source.AddItem(QStringLiteral("B"), QString());
    auto* image = b->AddExtension<TWkDataItemImageImpl>();
    image->SetImageIndex(3);
    image->SetSelectedIndex(-7);
    TWkDataItemsList* children = MakeSubItems(*b);
    auto c = std::make_unique<TWkBaseDataItem>(children);
    c->SetID(QStringLiteral("C"));
    auto* blockable = c->AddExtension<TWkDataItemBlockableTextImpl>();
    blockable->SetCaption(QStringLiteral("blocked"));
    blockable->SetReadOnly(true);
    TWkBaseDataItem* cItem = c.get();
    children->Append(std::move(c));
    source.AddItem(QStringLiteral("D"), QStringLiteral("grandchild"), MakeSubItems(*cItem));
    source.AddItem(QStringLiteral("E"), QStringLiteral("second child"), children);

    TestProvider target;
    readInto(written(source.root), target.root);

    EXPECT_EQ(describe(target.root), QStringLiteral("A 'Ünïcode caption'\n"
                                                    "B '' img 3/-7\n"
                                                    "  C 'blocked' ro\n"
                                                    "    D 'grandchild'\n"
                                                    "  E 'second child'\n"));
    EXPECT_EQ(describe(target.root), describe(source.root));
    // The list's stored aspect joined the ones the target list had; the unregistered one stayed
    // behind.
    EXPECT_EQ(extensionClasses(target.root),
              (QStringList{"TWkBaseDataItemsListManagement", "TWkCustomDataItemsTextRenderer",
                           "TWkCustomDataItemsImages"}));
    IWkDataItem* d = target.root.FindItem(QStringLiteral("D"), true);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->OwnerList()->ParentItem()->ID(), QStringLiteral("C"));
    EXPECT_EQ(d->OwnerList()->Provider(), static_cast<IWkDataProvider*>(&target));
}

// A form that holds a provider and image lists, as a stored form does.
struct ImagesForm {
    explicit ImagesForm(const QStringList& names) {
        provider.setParent(&form);
        for (const QString& name : names)
            (new TCustomImageList(&form))->setObjectName(name);
    }
    TCustomImageList* List(const QString& name) const {
        return form.findChild<TCustomImageList*>(name);
    }
    TWkCustomDataItemsImages& Images() {
        auto* images = provider.root.FindExtension<TWkCustomDataItemsImages>();
        return images != nullptr ? *images
                                 : *provider.root.AddExtension<TWkCustomDataItemsImages>();
    }

    QObject form;
    TestProvider provider;
};

TEST_F(ItemsStream, ImageListReferencesAreStoredByNameAndFoundUnderTheOwner) {
    ImagesForm source({"Normal", "Grey", "Hot"});
    source.Images().SetImages(source.List("Normal"));
    source.Images().SetDisabledImages(source.List("Grey"));
    source.Images().SetHotImages(source.List("Hot"));
    const QByteArray bytes = written(source.provider.root);

    ImagesForm target({"Hot", "Normal", "Grey"});
    readInto(bytes, target.provider.root);
    TWkCustomDataItemsImages& read = target.Images();
    EXPECT_EQ(read.Images(), target.List("Normal"));
    EXPECT_EQ(read.DisabledImages(), target.List("Grey"));
    EXPECT_EQ(read.HotImages(), target.List("Hot"));

    ImagesForm partial({"Grey"});
    readInto(bytes, partial.provider.root);
    EXPECT_EQ(partial.Images().Images(), nullptr) << "a name the owner lacks stays empty";
    EXPECT_EQ(partial.Images().DisabledImages(), partial.List("Grey"));
    EXPECT_EQ(partial.Images().HotImages(), nullptr);
}

TEST_F(ItemsStream, OnlyImageListsFoundAgainByNameAreStored) {
    ImagesForm source({"Normal"});
    TCustomImageList unnamed(&source.form);
    TCustomImageList elsewhere;
    elsewhere.setObjectName(QStringLiteral("Normal"));
    const struct {
        const char* what;
        TCustomImageList* images;
        bool stored;
    } cases[] = {
        {"named under the owner", source.List("Normal"), true},
        {"without a name", &unnamed, false},
        {"under another owner", &elsewhere, false},
        {"none", nullptr, false},
    };
    for (const auto& c : cases) {
        source.Images().SetImages(c.images);
        EXPECT_EQ(written(source.provider.root).contains("\x06Images"), c.stored) << c.what;
        ImagesForm target({"Normal"});
        readInto(written(source.provider.root), target.provider.root);
        EXPECT_EQ(target.Images().Images(), c.stored ? target.List("Normal") : nullptr) << c.what;
    }
}

TEST_F(ItemsStream, ExtensionsAreWrittenOnlyWhenOneIsRegistered) {
    TWkDataItemsList list(nullptr);
    list.AddExtension<UnregisteredAspect>();
    QBuffer expected;
    expected.open(QIODevice::WriteOnly);
    TWkPropertyWriter writer(expected);
    writer.WritePropName("Items");
    writer.WriteCollectionBegin();
    writer.WriteListEnd();
    writer.WriteListEnd();
    EXPECT_EQ(written(list), expected.data());
}

TEST_F(ItemsStream, CollectionsAreWrittenWithoutTheHoldingPropertysPath) {
    TestProvider source;
    TWkBaseDataItem* parent = source.AddItem(QStringLiteral("P"), QStringLiteral("parent"));
    source.AddItem(QStringLiteral("K"), QStringLiteral("kid"), MakeSubItems(*parent));
    source.AddItem(QStringLiteral("Q"), QStringLiteral("next"));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    THackWriter writer(buffer);
    writer.SetPropPath(QStringLiteral("Provider."));
    QObject form;
    writer.SetRoot(&form);
    WriteDataItems(writer, source.root);
    EXPECT_EQ(writer.GetPropPath(), "Provider.") << "given back afterwards";
    EXPECT_EQ(writer.Root(), &form) << "the writer's root too";

    // Only the names of the list's own properties carry the path.
    QBuffer expected;
    expected.open(QIODevice::WriteOnly);
    TWkPropertyWriter w(expected);
    const auto element = [&](const char* className) {
        w.WritePropName("ClassName");
        w.WriteString(QString::fromLatin1(className));
    };
    const auto item = [&](const char* id, const char* caption) {
        element("TWkBaseDataItem");
        w.WritePropName("ID");
        w.WriteString(QString::fromLatin1(id));
        w.WritePropName("Extensions");
        w.WriteCollectionBegin();
        element("TWkDataItemTextImpl");
        w.WritePropName("Caption");
        w.WriteString(QString::fromLatin1(caption));
        w.WriteListEnd();
        w.WriteListEnd();
    };
    w.WritePropName("Provider.Extensions");
    w.WriteCollectionBegin();
    element("TWkBaseDataItemsListManagement");
    w.WriteListEnd();
    element("TWkCustomDataItemsTextRenderer");
    w.WriteListEnd();
    w.WriteListEnd();
    w.WritePropName("Provider.Items");
    w.WriteCollectionBegin();
    item("P", "parent");
    w.WritePropName("SubItems");
    w.WriteCollectionBegin();
    element("TWkDataItemsList");
    w.WritePropName("Items");
    w.WriteCollectionBegin();
    item("K", "kid");
    w.WriteListEnd();
    w.WriteListEnd();
    w.WriteListEnd();
    w.WriteListEnd();
    w.WriteListEnd();
    item("Q", "next");
    w.WriteListEnd();
    w.WriteListEnd();
    w.WriteListEnd();
    EXPECT_EQ(buffer.data(), expected.data());
}

TEST_F(ItemsStream, EveryCutOfAGoodStreamFailsCleanly) {
    TestProvider source;
    TWkBaseDataItem* parent = source.AddItem(QStringLiteral("P"), QStringLiteral("parent"));
    source.AddItem(QStringLiteral("K"), QStringLiteral("kid"), MakeSubItems(*parent));
    const QByteArray bytes = written(source.root);
    for (qsizetype size = 0; size < bytes.size(); ++size) {
        TWkDataItemsList list(nullptr);
        EXPECT_THROW(readInto(bytes.left(size), list), EReadError) << "cut at " << size;
    }
}

// Builds a stream with the writer, which does not check structure.
QByteArray stream(const std::function<void(TWkPropertyWriter&)>& build) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TWkPropertyWriter writer(buffer);
    build(writer);
    return buffer.data();
}

// "Items" holding one element whose body is given, then the ends of the list and the stream.
QByteArray oneItem(const std::function<void(TWkPropertyWriter&)>& body) {
    return stream([&](TWkPropertyWriter& w) {
        w.WritePropName("Items");
        w.WriteCollectionBegin();
        body(w);
        w.WriteListEnd();
        w.WriteListEnd();
        w.WriteListEnd();
    });
}

void className(TWkPropertyWriter& w, const char* name) {
    w.WritePropName("ClassName");
    w.WriteString(QString::fromLatin1(name));
}

// Sub-items nested depth levels under one root item.
void nested(TWkPropertyWriter& w, int depth) {
    className(w, "TWkBaseDataItem");
    if (depth == 0)
        return;
    w.WritePropName("SubItems");
    w.WriteCollectionBegin();
    className(w, "TWkDataItemsList");
    w.WritePropName("Items");
    w.WriteCollectionBegin();
    nested(w, depth - 1);
    w.WriteListEnd();
    w.WriteListEnd();
    w.WriteListEnd();
    w.WriteListEnd();
}

struct BadStream {
    const char* name;
    QByteArray bytes;
    QString message;
};

QByteArray withRaw(const QByteArray& prefix, const QByteArray& raw) {
    return prefix + raw;
}

std::vector<BadStream> badStreams() {
    const QByteArray itemsName = stream([](TWkPropertyWriter& w) { w.WritePropName("Items"); });
    const QByteArray itemBegin = stream([](TWkPropertyWriter& w) {
        w.WritePropName("Items");
        w.WriteCollectionBegin();
        className(w, "TWkBaseDataItem");
        w.WritePropName("ID");
    });
    return {
        {"Empty", {}, "Unexpected end of stream"},
        {"ItemsNotACollection", stream([](TWkPropertyWriter& w) {
             w.WritePropName("Items");
             w.WriteInteger(1);
         }),
         "Expected collection"},
        {"UnknownListProperty", stream([](TWkPropertyWriter& w) {
             w.WritePropName("Colour");
             w.WriteInteger(1);
         }),
         "Property Colour does not exist"},
        {"ElementWithoutClassName", oneItem([](TWkPropertyWriter& w) {
             w.WritePropName("ID");
             w.WriteString("x");
         }),
         "Missing ClassName property"},
        {"UnregisteredClass", oneItem([](TWkPropertyWriter& w) { className(w, "TNoSuchItem"); }),
         "Class TNoSuchItem not found"},
        {"AspectAsItem", oneItem([](TWkPropertyWriter& w) { className(w, "TWkDataItemTextImpl"); }),
         "Invalid class type"},
        {"ListAspectOnItem", oneItem([](TWkPropertyWriter& w) {
             className(w, "TWkBaseDataItem");
             w.WritePropName("Extensions");
             w.WriteCollectionBegin();
             className(w, "TWkCustomDataItemsTextRenderer");
             w.WriteListEnd();
             w.WriteListEnd();
         }),
         "Invalid class type"},
        {"ItemAsSubItemList", oneItem([](TWkPropertyWriter& w) {
             className(w, "TWkBaseDataItem");
             w.WritePropName("SubItems");
             w.WriteCollectionBegin();
             className(w, "TWkBaseDataItem");
         }),
         "Invalid class type"},
        {"WrongValueType", oneItem([](TWkPropertyWriter& w) {
             className(w, "TWkBaseDataItem");
             w.WritePropName("ID");
             w.WriteInteger(5);
         }),
         "Invalid property value"},
        {"HugeTextLength", withRaw(itemBegin, QByteArray("\x02\xFF\xFF\xFF\xFF", 5)),
         "Text too long in stream"},
        {"TextLongerThanStream",
         withRaw(itemBegin, QByteArray("\x02\x10\x00\x00\x00"
                                       "ab",
                                       7)),
         "Unexpected end of stream"},
        {"BadUtf8", withRaw(itemBegin, QByteArray("\x02\x02\x00\x00\x00\xC3(", 7)),
         "Invalid property value"},
        {"UnknownValueType", withRaw(itemsName, QByteArray("\x7F", 1)), "Expected collection"},
        {"BinaryPropertyName", QByteArray("\x03I\x01m", 4), "Invalid property name"},
        {"TooDeep", oneItem([](TWkPropertyWriter& w) { nested(w, MaxStreamNesting + 1); }),
         "Items nested too deeply"},
    };
}

class BadItemsStream : public ItemsStream, public ::testing::WithParamInterface<BadStream> {};

TEST_P(BadItemsStream, IsRefusedWithAReadError) {
    TWkDataItemsList list(nullptr);
    try {
        readInto(GetParam().bytes, list);
        FAIL() << "read without error";
    } catch (const EReadError& error) {
        EXPECT_EQ(error.Message(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, BadItemsStream, ::testing::ValuesIn(badStreams()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ItemsStream, NestingUpToTheLimitIsRead) {
    TWkDataItemsList list(nullptr);
    readInto(oneItem([](TWkPropertyWriter& w) { nested(w, MaxStreamNesting); }), list);
    int depth = 0;
    for (TWkBaseDataItems* level = &list; level->Count() > 0; ++depth) {
        auto* sub = level->ItemObject(0)->FindExtension<TWkBaseDataItemSubItems>();
        if (sub == nullptr)
            break;
        level = sub->List();
    }
    EXPECT_EQ(depth, MaxStreamNesting);
}

TEST_F(ItemsStream, AFailedReadKeepsTheItemsBeforeItAndFreesTheHalfReadOne) {
    const QByteArray bytes = stream([](TWkPropertyWriter& w) {
        w.WritePropName("Items");
        w.WriteCollectionBegin();
        className(w, "TWkBaseDataItem");
        w.WritePropName("ID");
        w.WriteString("good");
        w.WriteListEnd();
        className(w, "TWkBaseDataItem");
        w.WritePropName("ID");
        w.WriteString("half");
        w.WritePropName("Colour");
    });
    TWkDataItemsList list(nullptr);
    EXPECT_THROW(readInto(bytes, list), EReadError);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.ItemObject(0)->ID(), QStringLiteral("good"));
}

TEST_F(ItemsStream, TheItemCountIsCapped) {
    const QByteArray bytes = stream([](TWkPropertyWriter& w) {
        w.WritePropName("Items");
        w.WriteCollectionBegin();
        for (int i = 0; i <= MaxStreamItems; ++i) {
            className(w, "TWkBaseDataItem");
            w.WriteListEnd();
        }
        w.WriteListEnd();
        w.WriteListEnd();
    });
    TWkDataItemsList list(nullptr);
    try {
        readInto(bytes, list);
        FAIL() << "read without error";
    } catch (const EReadError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Too many items in stream"));
    }
    EXPECT_EQ(list.Count(), MaxStreamItems);
}

} // namespace

namespace {

// An item aspect registered after start-up, with properties of its own.
class RatingAspect : public TWkDataItemAggregatedObject {
public:
    using TWkDataItemAggregatedObject::TWkDataItemAggregatedObject;
    const char* ClassName() const override { return "TRatingAspect"; }
    void WriteProperties(THackWriter& writer) override {
        writer.WritePropName("Stars");
        writer.WriteInteger(stars);
        writer.WritePropName("Note");
        writer.WriteString(note);
    }
    bool ReadProperty(TWkPropertyReader& reader, const QString& name) override {
        if (name == QLatin1String("Stars"))
            stars = reader.ReadInteger();
        else if (name == QLatin1String("Note"))
            note = reader.ReadString();
        else
            return false;
        return true;
    }
    int stars = 0;
    QString note;

protected:
    void* OwnInterface(const QUuid&) override { return nullptr; }
};

// A list aspect registered after start-up.
class OrderAspect : public TWkDataItemsAggregatedObject {
public:
    using TWkDataItemsAggregatedObject::TWkDataItemsAggregatedObject;
    const char* ClassName() const override { return "TOrderAspect"; }
    void WriteProperties(THackWriter& writer) override {
        writer.WritePropName("Descending");
        writer.WriteBoolean(descending);
    }
    bool ReadProperty(TWkPropertyReader& reader, const QString& name) override {
        if (name != QLatin1String("Descending"))
            return false;
        descending = reader.ReadBoolean();
        return true;
    }
    bool descending = false;

protected:
    void* OwnInterface(const QUuid&) override { return nullptr; }
};

// An item class registered after start-up, with a property of its own beside "ID".
class TaggedItem : public TWkBaseDataItem {
public:
    using TWkBaseDataItem::TWkBaseDataItem;
    const char* ClassName() const override { return "TTaggedItem"; }
    void WriteProperties(THackWriter& writer) override {
        TWkBaseDataItem::WriteProperties(writer);
        writer.WritePropName("Tag");
        writer.WriteInteger(tag);
    }
    bool ReadProperty(TWkPropertyReader& reader, const QString& name) override {
        if (name != QLatin1String("Tag"))
            return TWkBaseDataItem::ReadProperty(reader, name);
        tag = reader.ReadInteger();
        return true;
    }
    int tag = 0;
};

const QString aggregated = QStringLiteral("TAggregatedPersistentEx");
const QString aggregatedBase = QStringLiteral("TAggregatedPersistent");

std::vector<TWkRegisteredClass> laterClasses() {
    return {
        {"TRatingAspect",
         {"TWkDataItemAggregatedObject", aggregated, aggregatedBase},
         ExtensionMaker<RatingAspect, TWkBaseDataItem>()},
        {"TOrderAspect",
         {"TWkDataItemsAggregatedObject", aggregated, aggregatedBase},
         ExtensionMaker<OrderAspect, TWkBaseDataItems>()},
        {"TTaggedItem",
         {"TWkBaseDataItem", "TExtensibleInterfacedPersistent"},
         ItemMaker<TaggedItem>()},
    };
}

// A provider holding a tagged item with a rating under a plain parent, and an ordered root.
struct LaterTree {
    LaterTree() {
        source.root.AddExtension<OrderAspect>()->descending = true;
        TWkBaseDataItem* parent = source.AddItem(QStringLiteral("P"), QStringLiteral("parent"));
        TWkDataItemsList* children = MakeSubItems(*parent);
        auto tagged = std::make_unique<TaggedItem>(children);
        tagged->SetID(QStringLiteral("T"));
        tagged->tag = 42;
        auto* rating = tagged->AddExtension<RatingAspect>();
        rating->stars = 4;
        rating->note = QStringLiteral("steady");
        children->Append(std::move(tagged));
    }
    TestProvider source;
};

} // namespace

TEST_F(ItemsStream, ClassesRegisteredLaterStreamTheirOwnProperties) {
    RegisterClasses(laterClasses());
    LaterTree tree;
    const QByteArray bytes = written(tree.source.root);
    for (const char* stored : {"\x03Tag", "\x05Stars", "\x04Note",
                               "\x0A"
                               "Descending"})
        EXPECT_TRUE(bytes.contains(stored)) << stored;

    TestProvider target;
    readInto(bytes, target.root);
    auto* order = target.root.FindExtension<OrderAspect>();
    ASSERT_NE(order, nullptr);
    EXPECT_TRUE(order->descending);
    auto* tagged = dynamic_cast<TaggedItem*>(target.root.FindItem(QStringLiteral("T"), true));
    ASSERT_NE(tagged, nullptr);
    EXPECT_EQ(tagged->tag, 42);
    EXPECT_EQ(tagged->Items()->Parent()->ID(), QStringLiteral("P"));
    auto* rating = tagged->FindExtension<RatingAspect>();
    ASSERT_NE(rating, nullptr);
    EXPECT_EQ(rating->stars, 4);
    EXPECT_EQ(rating->note, QStringLiteral("steady"));
    EXPECT_EQ(written(target.root), bytes);

    std::vector<QString> names;
    for (const TWkRegisteredClass& c : laterClasses())
        names.push_back(c.name);
    UnregisterClasses(names);
}

TEST_F(ItemsStream, AClassTheRegistryCannotMakeIsRefused) {
    RegisterClasses(laterClasses());
    LaterTree tree;
    const QByteArray bytes = written(tree.source.root);
    std::vector<QString> names;
    for (const TWkRegisteredClass& c : laterClasses())
        names.push_back(c.name);
    UnregisterClasses(names);

    const struct {
        const char* what;
        std::vector<TWkRegisteredClass> registered;
        QString message;
    } cases[] = {
        {"unregistered", {}, QStringLiteral("Class TOrderAspect not found")},
        {"without maker",
         {{"TOrderAspect", {"TWkDataItemsAggregatedObject", aggregated, aggregatedBase}}},
         QStringLiteral("Invalid class type")},
        {"made for items only",
         {{"TOrderAspect",
           {"TWkDataItemsAggregatedObject", aggregated, aggregatedBase},
           ExtensionMaker<OrderAspect, TWkBaseDataItem>()}},
         QStringLiteral("Invalid class type")},
    };
    for (const auto& c : cases) {
        RegisterClasses(c.registered);
        TestProvider target;
        try {
            readInto(bytes, target.root);
            ADD_FAILURE() << c.what << ": read without error";
        } catch (const EReadError& error) {
            EXPECT_EQ(error.Message(), c.message) << c.what;
        }
        UnregisterClasses({"TOrderAspect"});
    }
}
