#include "pictures/gif/gif_image.h"
#include "pictures/gif/gif_registration.h"
#include "platform/ui/graphic_signature.h"
#include "platform/ui/picture.h"

#include <QBuffer>
#include <QFile>
#include <QMimeData>
#include <gtest/gtest.h>

namespace {

QString Fixture(const char* name) {
    return QStringLiteral(TAVRO_PICTURE_FIXTURES "/") + name;
}

class GifRegistrationTest : public testing::Test {
protected:
    void SetUp() override { WkGIFInitialization(); }
    void TearDown() override { WkGIFFinalization(); }
};

TEST_F(GifRegistrationTest, TheFrameworkKnowsGifByExtensionSignatureAndClipboard) {
    const TGraphicClass gif = GraphicClassOf<TWkGIFImage>();
    EXPECT_EQ(TPicture::GraphicClassOfExtension("GIF"), gif);
    bool described = false;
    for (const TFileFormat& format : TPicture::FileFormats())
        described |= format.Extension == "gif" && format.Description == "CompuServe GIF Image";
    EXPECT_TRUE(described);
    EXPECT_EQ(TPicture::GraphicClassOfClipboardFormat(WkGifClipboardFormat), gif);
    EXPECT_EQ(TPicture::GraphicClassByName("TWkGIFImage"), gif);

    QFile file(Fixture("two_colors.gif"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    file.seek(0);
    EXPECT_EQ(FindGraphicClass(file), gif);
    EXPECT_EQ(file.pos(), 0);
}

TEST_F(GifRegistrationTest, APictureLoadsGifFilesAndFormStreams) {
    TPicture picture;
    picture.LoadFromFile(Fixture("frames_loop3.gif"));
    auto* gif = dynamic_cast<TWkGIFImage*>(picture.Graphic());
    ASSERT_NE(gif, nullptr);
    EXPECT_EQ(gif->Count(), 3);

    QBuffer form;
    form.open(QIODevice::ReadWrite);
    picture.WriteData(form);
    form.seek(0);
    TPicture copy;
    copy.ReadData(form);
    auto* read = dynamic_cast<TWkGIFImage*>(copy.Graphic());
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Count(), 3);
    EXPECT_EQ(read->Width(), 20);
}

TEST_F(GifRegistrationTest, TheClipboardCarriesTheWholePicture) {
    TWkGIFImage image;
    image.LoadFromFile(Fixture("frames_loop3.gif"));
    QMimeData data;
    image.SaveToClipboardFormat(data);
    EXPECT_TRUE(data.hasFormat(WkGifClipboardFormat));
    TWkGIFImage pasted;
    pasted.LoadFromClipboardFormat(data, WkGifClipboardFormat);
    EXPECT_EQ(pasted.Count(), 3);
    EXPECT_EQ(pasted.FrameIndex(), 0);
}

TEST_F(GifRegistrationTest, ShutDownForgetsTheFormat) {
    WkGIFFinalization();
    EXPECT_EQ(TPicture::GraphicClassOfExtension("gif"), nullptr);
    WkGIFInitialization();
    EXPECT_NE(TPicture::GraphicClassOfExtension("gif"), nullptr);
}

} // namespace
