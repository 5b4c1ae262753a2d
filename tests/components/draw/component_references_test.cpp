#include "components/draw/component_references.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(ReplaceComponentReference, ChangesOnlyWithAnOwnerAndAnotherComponent) {
    QObject owner;
    auto first = std::make_unique<QObject>();
    QObject second;
    QPointer<QObject> reference;

    EXPECT_FALSE(ReplaceComponentReference<QObject>(nullptr, first.get(), reference));
    EXPECT_EQ(reference, nullptr);
    EXPECT_TRUE(ReplaceComponentReference<QObject>(&owner, first.get(), reference));
    EXPECT_EQ(reference, first.get());
    EXPECT_FALSE(ReplaceComponentReference<QObject>(&owner, first.get(), reference));
    EXPECT_TRUE(ReplaceComponentReference<QObject>(&owner, &second, reference));
    EXPECT_EQ(reference, &second);

    // The old component's end no longer touches the reference; the new one's clears it.
    first.reset();
    EXPECT_EQ(reference, &second);
    ASSERT_TRUE(ReplaceComponentReference<QObject>(&owner, nullptr, reference));
    auto third = std::make_unique<QObject>();
    ReplaceComponentReference<QObject>(&owner, third.get(), reference);
    third.reset();
    EXPECT_EQ(reference, nullptr);
}

struct ImageListFixture : ::testing::Test {
    QObject owner;
    TImageList* reference = nullptr;
    TChangeLink link;
    int changes = 0;

    ImageListFixture() {
        link.OnChange = [this](TImageList&) {
            ++changes;
        };
    }
};

TEST_F(ImageListFixture, MovesTheChangeLinkToTheNewList) {
    TImageList first, second;
    ASSERT_TRUE(ReplaceImageListReference(&owner, &first, reference, link));
    EXPECT_EQ(reference, &first);
    EXPECT_EQ(link.Sender(), &first);
    EXPECT_FALSE(ReplaceImageListReference(&owner, &first, reference, link));

    ASSERT_TRUE(ReplaceImageListReference(&owner, &second, reference, link));
    EXPECT_EQ(link.Sender(), &second);
    first.Clear();
    EXPECT_EQ(changes, 0) << "the old list no longer reaches the owner";
    second.AddImage(QImage(16, 16, QImage::Format_ARGB32));
    EXPECT_EQ(changes, 1);

    ASSERT_TRUE(ReplaceImageListReference(&owner, nullptr, reference, link));
    EXPECT_EQ(reference, nullptr);
    EXPECT_EQ(link.Sender(), nullptr);
}

TEST_F(ImageListFixture, NothingWithoutAnOwner) {
    TImageList list;
    EXPECT_FALSE(ReplaceImageListReference(nullptr, &list, reference, link));
    EXPECT_EQ(reference, nullptr);
    EXPECT_EQ(link.Sender(), nullptr);
}

TEST_F(ImageListFixture, ADestroyedListCountsAsNoneAndIsNotTouched) {
    auto list = std::make_unique<TImageList>();
    ReplaceImageListReference(&owner, list.get(), reference, link);
    list.reset();

    EXPECT_FALSE(ReplaceImageListReference(&owner, nullptr, reference, link));
    EXPECT_EQ(reference, nullptr);

    TImageList next;
    ReplaceImageListReference(&owner, &next, reference, link);
    list = std::make_unique<TImageList>();
    ReplaceImageListReference(&owner, list.get(), reference, link);
    EXPECT_EQ(link.Sender(), list.get());
}

} // namespace
