#include "ani_fixtures.h"
#include "components/data/class_registry.h"
#include "pictures/ani/ani_image.h"
#include "pictures/ani/ani_registration.h"
#include "pictures/gif/gif_image.h"
#include "pictures/picture_formats.h"
#include "platform/ui/picture.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

bool Described(const char* extension, const char* description) {
    for (const TFileFormat& format : TPicture::FileFormats())
        if (format.Extension == extension && format.Description == description)
            return true;
    return false;
}

TEST(PictureFormatsTest, StartUpMakesBothFormatsKnown) {
    {
        PictureFormats formats;
        EXPECT_TRUE(Described("gif", "CompuServe GIF Image"));
        EXPECT_TRUE(Described("ani", "ANI Image"));
        EXPECT_EQ(TPicture::GraphicClassOfExtension("ANI"), GraphicClassOf<TWkAni>());
        EXPECT_EQ(TPicture::GraphicClassByName("TWkAni"), GraphicClassOf<TWkAni>());
        EXPECT_EQ(TPicture::GraphicClassByName("TWkGIFImage"), GraphicClassOf<TWkGIFImage>());
    }
    EXPECT_EQ(TPicture::GraphicClassOfExtension("ani"), nullptr);
    EXPECT_EQ(TPicture::GraphicClassOfExtension("gif"), nullptr);
}

TEST(PictureFormatsTest, StreamedClassesAreRegisteredInTheControlsGroup) {
    PictureFormats formats;
    const struct {
        const char* name;
        const char* ancestor;
    } cases[] = {
        {"TWkAni", "TGraphic"},
        {"TWkGIFImage", "TGraphic"},
        {"TWkGIFFrame", "TPersistent"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(InheritsFrom(c.name, c.ancestor));
        EXPECT_EQ(ClassGroupOf(c.name), QStringLiteral("TControl"));
    }
}

TEST(PictureFormatsTest, OnlyTheLastShutDownForgetsTheFormat) {
    WkAniInitialization();
    WkAniInitialization();
    WkAniFinalization();
    EXPECT_NE(TPicture::GraphicClassOfExtension("ani"), nullptr);
    WkAniFinalization();
    EXPECT_EQ(TPicture::GraphicClassOfExtension("ani"), nullptr);
}

TEST(PictureFormatsTest, PicturesLoadAnimatedCursorsByExtensionAndFormStream) {
    PictureFormats formats;
    TPicture picture;
    picture.LoadFromFile(QStringLiteral(TAVRO_PICTURE_FIXTURES "/sequenced.ani"));
    auto* ani = dynamic_cast<TWkAni*>(picture.Graphic());
    ASSERT_NE(ani, nullptr);
    EXPECT_EQ(ani->FrameCount(), 4);

    QBuffer form;
    form.open(QIODevice::ReadWrite);
    picture.WriteData(form);
    form.seek(0);
    TPicture copy;
    copy.ReadData(form);
    auto* read = dynamic_cast<TWkAni*>(copy.Graphic());
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->FrameCount(), 4);
    EXPECT_EQ(read->Title(), "Lamp");
}

} // namespace
