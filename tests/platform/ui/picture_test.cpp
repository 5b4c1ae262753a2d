#include "platform/ui/graphic_signature.h"
#include "platform/ui/jpeg_image.h"
#include "platform/ui/metafile.h"
#include "platform/ui/picture.h"

#include <QBuffer>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

// A format the way a picture unit adds one: its own class, extension and clipboard format.
class TTestGraphic : public TGraphic {
public:
    static constexpr const char* ClassName = "TTestGraphic";
    TGraphicClass ClassType() const override { return GraphicClassOf<TTestGraphic>(); }
    bool Empty() const override { return bytes.isEmpty(); }
    int Width() const override { return static_cast<int>(bytes.size()); }
    int Height() const override { return 1; }
    void SetWidth(int) override {}
    void SetHeight(int) override {}
    void Draw(TCanvas&, const TRect&) override {}
    void LoadFromStream(QIODevice& stream) override {
        bytes = stream.readAll();
        Changed();
    }
    void SaveToStream(QIODevice& stream) const override { stream.write(bytes); }
    void LoadFromClipboardFormat(const QMimeData& data, const QString& format) override {
        bytes = data.data(format);
    }
    void ReadData(QIODevice& stream) override { bytes = stream.read(stream.read(1).toInt()); }
    void WriteData(QIODevice& stream) const override {
        stream.write(QByteArray::number(bytes.size()));
        stream.write(bytes);
    }
    void Assign(const TGraphic* source) override {
        if (auto* other = dynamic_cast<const TTestGraphic*>(source))
            bytes = other->bytes;
        else
            TGraphic::Assign(source);
    }
    QByteArray bytes;
};

const QString testMime = QStringLiteral("application/x-tavro-test-graphic");

class PictureTest : public testing::Test {
protected:
    void SetUp() override {
        TPicture::RegisterFileFormat("tst", "Test Graphic", GraphicClassOf<TTestGraphic>());
        TPicture::RegisterClipboardFormat(testMime, GraphicClassOf<TTestGraphic>());
    }
    void TearDown() override { TPicture::UnregisterGraphicClass(GraphicClassOf<TTestGraphic>()); }

    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir dir;
};

QByteArray bmpBytes() {
    TBitmap bitmap(3, 2);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bitmap.SaveToStream(buffer);
    return bytes;
}

QByteArray jpegBytes() {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return bytes;
}

// The JPEG of jpegBytes with its frame header claiming width x height.
QByteArray jpegClaiming(quint16 width, quint16 height) {
    QByteArray bytes = jpegBytes();
    const qsizetype frame = bytes.indexOf("\xFF\xC0");
    qToBigEndian<quint16>(height, bytes.data() + frame + 5);
    qToBigEndian<quint16>(width, bytes.data() + frame + 7);
    return bytes;
}

} // namespace

TEST(JpegImage, SizesBeyondABitmapsAreRefusedBeforeDecoding) {
    const struct {
        const char* name;
        quint16 width, height;
        bool loads;
    } cases[] = {
        {"as encoded", 8, 8, true},
        {"more rows than the data hold", 1024, 768, true},
        {"8000 x 8000", 8000, 8000, false},
        {"just over the pixel cap", 32767, 1025, false},
        {"a side over the cap", 32768, 8, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray bytes = jpegClaiming(c.width, c.height);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        TJPEGImage jpeg;
        try {
            jpeg.LoadFromStream(buffer);
            EXPECT_TRUE(c.loads);
            EXPECT_EQ(jpeg.Width(), c.width);
            EXPECT_EQ(jpeg.Height(), c.height);
        } catch (const EInvalidGraphic& e) {
            EXPECT_FALSE(c.loads);
            EXPECT_EQ(e.Message(), "JPEG error");
            EXPECT_TRUE(jpeg.Empty());
        }
    }
}

TEST_F(PictureTest, RegistryKnowsBuiltInAndRegisteredFormats) {
    EXPECT_EQ(TPicture::GraphicClassOfExtension("BMP"), GraphicClassOf<TBitmap>());
    EXPECT_EQ(TPicture::GraphicClassOfExtension(".ico"), GraphicClassOf<TIcon>());
    EXPECT_EQ(TPicture::GraphicClassOfExtension("jpeg"), GraphicClassOf<TJPEGImage>());
    EXPECT_EQ(TPicture::GraphicClassOfExtension("tst"), GraphicClassOf<TTestGraphic>());
    EXPECT_EQ(TPicture::GraphicClassOfClipboardFormat(ClipboardBitmapFormat),
              GraphicClassOf<TBitmap>());
    EXPECT_TRUE(TPicture::SupportsClipboardFormat(testMime));
    EXPECT_EQ(TPicture::GraphicClassByName("TTestGraphic"), GraphicClassOf<TTestGraphic>());

    const auto formats = TPicture::FileFormats();
    const auto test = std::find_if(formats.begin(), formats.end(),
                                   [](const TFileFormat& f) { return f.Extension == "tst"; });
    ASSERT_NE(test, formats.end());
    EXPECT_EQ(test->Description, "Test Graphic");

    TPicture::UnregisterGraphicClass(GraphicClassOf<TTestGraphic>());
    EXPECT_EQ(TPicture::GraphicClassOfExtension("tst"), nullptr);
    EXPECT_FALSE(TPicture::SupportsClipboardFormat(testMime));
    EXPECT_EQ(TPicture::GraphicClassByName("TTestGraphic"), nullptr);
}

TEST_F(PictureTest, LoadsFilesByExtensionElseBySignature) {
    const struct {
        const char* name;
        const char* file;
        QByteArray bytes;
        TGraphicClass expected;
    } cases[] = {
        {"registered extension wins over content", "a.tst", bmpBytes(),
         GraphicClassOf<TTestGraphic>()},
        {"bitmap by extension", "b.BMP", bmpBytes(), GraphicClassOf<TBitmap>()},
        {"bitmap by signature", "c.dat", bmpBytes(), GraphicClassOf<TBitmap>()},
        {"jpeg by signature", "d", jpegBytes(), GraphicClassOf<TJPEGImage>()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TPicture picture;
        picture.LoadFromFile(write(c.file, c.bytes));
        ASSERT_NE(picture.Graphic(), nullptr);
        EXPECT_EQ(picture.Graphic()->ClassType(), c.expected);
    }
}

TEST_F(PictureTest, FailedLoadKeepsThePicture) {
    TPicture picture;
    picture.Bitmap().SetSize(5, 6);
    try {
        picture.LoadFromFile(write("x.xyz", "no picture here"));
        FAIL() << "no error";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), "Unknown picture file extension (.xyz)");
    }
    EXPECT_THROW(picture.LoadFromFile(write("broken.bmp", "BM broken")), EInvalidGraphic);
    EXPECT_THROW(picture.LoadFromFile(dir.filePath("missing.bmp")), EInvalidGraphic);
    ASSERT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Width(), 5);
}

TEST(GraphicSignatures, MatchWholeSignaturesAndRestoreThePosition) {
    QByteArray jfif = jpegBytes();
    const struct {
        const char* name;
        QByteArray bytes;
        TGraphicClass expected;
    } cases[] = {
        {"bitmap", "BMxxxx", GraphicClassOf<TBitmap>()},
        {"icon", QByteArray("\x00\x00\x01\x00\x01\x00", 6), GraphicClassOf<TIcon>()},
        {"placeable metafile", QByteArray("\xD7\xCD\xC6\x9A", 4), GraphicClassOf<TMetafile>()},
        {"enhanced metafile", QByteArray("\x01\x00\x00\x00", 4), GraphicClassOf<TMetafile>()},
        {"JFIF at 6", jfif, GraphicClassOf<TJPEGImage>()},
        {"Exif at 6",
         QByteArray("\xFF\xD8\xFF\xE1\x00\x10"
                    "Exif\x00\x00",
                    12),
         GraphicClassOf<TJPEGImage>()},
        {"signature cut by the end", "\xFF\xD8\xFF\xE0\x00\x10JF", nullptr},
        {"nothing known", "hello world", nullptr},
        {"empty", QByteArray(), nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray bytes = "skip" + c.bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        buffer.seek(4);
        EXPECT_EQ(FindGraphicClass(buffer), c.expected);
        EXPECT_EQ(buffer.pos(), 4);
    }
}

TEST_F(PictureTest, FormStreamNamesTheClass) {
    TPicture source;
    auto test = std::make_unique<TTestGraphic>();
    test->bytes = "abc";
    source.SetGraphic(test.get());
    QByteArray stream;
    QBuffer out(&stream);
    out.open(QIODevice::WriteOnly);
    source.WriteData(out);
    EXPECT_EQ(stream, QByteArray("\x0C"
                                 "TTestGraphic3abc"));

    TPicture read;
    QBuffer in(&stream);
    in.open(QIODevice::ReadOnly);
    read.ReadData(in);
    auto* loaded = dynamic_cast<TTestGraphic*>(read.Graphic());
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->bytes, "abc");

    QByteArray unknown("\x05TNope");
    QBuffer bad(&unknown);
    bad.open(QIODevice::ReadOnly);
    EXPECT_THROW(read.ReadData(bad), EInvalidGraphic);
    QByteArray cut("\x09TBit");
    QBuffer shortName(&cut);
    shortName.open(QIODevice::ReadOnly);
    EXPECT_THROW(read.ReadData(shortName), EInvalidGraphic);
    EXPECT_NE(dynamic_cast<TTestGraphic*>(read.Graphic()), nullptr);
}

TEST_F(PictureTest, ClipboardPicksTheRegisteredClass) {
    QMimeData data;
    data.setData(testMime, "xyz");
    TPicture picture;
    picture.LoadFromClipboardFormat(data, testMime);
    auto* loaded = dynamic_cast<TTestGraphic*>(picture.Graphic());
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->bytes, "xyz");
    EXPECT_THROW(picture.LoadFromClipboardFormat(data, "text/plain"), EInvalidGraphic);
}

TEST(Picture, ForwardsChangesOfTheGraphicItHolds) {
    TPicture picture;
    int changes = 0;
    picture.OnChange = [&](TPicture&) {
        ++changes;
    };
    TBitmap& bitmap = picture.Bitmap();
    EXPECT_EQ(changes, 1);
    bitmap.SetSize(4, 4);
    EXPECT_EQ(changes, 2);
    picture.SetGraphic(nullptr);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(picture.Width(), 0);
}
