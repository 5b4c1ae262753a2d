#include "components/base/library_units.h"
#include "components/base/next_char.h"
#include "components/base/types.h"
#include "components/data/class_registry.h"
#include "components/draw/screen_cursors.h"
#include "components/draw/utils_unit.h"
#include "components/util/clipboard_formats.h"
#include "components/util/rich_edit_unit.h"
#include "configurator/library_startup.h"
#include "pictures/gif/gif_image.h"
#include "platform/ui/graphic_signature.h"
#include "platform/ui/screen_cursors.h"
#include "util/unit_version_registry.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

TGraphicClass ClassOfStreamStartingWith(QByteArray bytes) {
    QBuffer stream(&bytes);
    stream.open(QIODevice::ReadOnly);
    return FindGraphicClass(stream);
}

// One test for the whole run: the libraries start and shut down once per process.
TEST(LibraryStartup, StartsTheLibrariesAndShutsThemDownInReverse) {
    ASSERT_TRUE(WkStandardColors().front().Description.isEmpty());
    ASSERT_FALSE(FindClass(QStringLiteral("TWkDataConsumer")).has_value());
    ASSERT_EQ(ScreenCursor(crWkDrag).shape(), Qt::ArrowCursor);
    ASSERT_EQ(RichEditClipboardFormats().RichText, 0u);
    ASSERT_EQ(WkNextChar(), nullptr);
    {
        const LibraryStartup libraries;
        EXPECT_EQ(WkStandardColors().front().Description, QStringLiteral("Black"));
        EXPECT_EQ(WkStandardColors().back().Description, QStringLiteral("Medium gray"));
        EXPECT_EQ(WkSystemColors().back().Description, QStringLiteral("Menu Highlight"));
        EXPECT_EQ(WkPaletteColors()[7].Description, QStringLiteral("Gray 80%"));

        TUnitVersioning* registry = UnitVersionRegistry();
        ASSERT_NE(registry, nullptr);
        const TUnitVersion* unit =
            registry->FindUnit(QStringLiteral("string_builder.cpp"), QStringLiteral("util"));
        ASSERT_NE(unit, nullptr);
        EXPECT_EQ(unit->RCSfile(), QStringLiteral("string_builder.cpp"));
        EXPECT_EQ(unit->LogPath(), QStringLiteral("util"));
        EXPECT_EQ(RegisteredClassNames().size(), 18u) << "the data provider and picture classes";
        EXPECT_EQ(ScreenCursor(crWkDrag).shape(), ScreenCursor(crDrag).shape());
        EXPECT_EQ(ScreenCursor(crWkMultiDrag3).shape(), ScreenCursor(crMultiDrag).shape());
        EXPECT_EQ(WkUtilsCounter(), -1);
        EXPECT_EQ(ClassOfStreamStartingWith("GIF89a"), GraphicClassOf<TWkGIFImage>());

        const TRichEditClipboardFormats& formats = RichEditClipboardFormats();
        EXPECT_EQ(ClipboardFormatName(formats.EmbeddedObject), QStringLiteral("Embedded Object"));
        EXPECT_EQ(ClipboardFormatName(formats.LinkSource), QStringLiteral("Link Source"));
        EXPECT_EQ(ClipboardFormatMimeType(formats.RichText), QStringLiteral("text/rtf"));
        EXPECT_EQ(ClipboardFormatName(formats.RichTextWithoutObjects),
                  QStringLiteral("Rich Text Format Without Objects"));
        EXPECT_EQ(RichEditModule(), nullptr) << "no rich-edit library on this system";
        for (const TWkLibraryUnit unit : WkLibraryUnitOrder)
            EXPECT_EQ(WkUnitCounter(unit), -1);
        EXPECT_EQ(WkNextChar(), &CharNextW);
    }
    for (const TWkLibraryUnit unit : WkLibraryUnitOrder)
        EXPECT_EQ(WkUnitCounter(unit), 0);
    EXPECT_EQ(WkNextChar(), nullptr);
    EXPECT_EQ(WkUtilsCounter(), 0);
    EXPECT_EQ(ClassOfStreamStartingWith("GIF89a"), nullptr) << "the signature list is freed";
    EXPECT_TRUE(RegisteredClassNames().empty());
    EXPECT_TRUE(WkStandardColors().front().Description.isEmpty());
    EXPECT_TRUE(WkSystemColors().back().Description.isEmpty());
    EXPECT_EQ(UnitVersionRegistry(), nullptr);
}

} // namespace
