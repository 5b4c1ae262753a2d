#include "platform/ui/icon.h"

#include <QBuffer>
#include <QImage>
#include <QMimeData>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray iconBytes() {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(qRgba(0, 0, 255, 255));
    image.setPixel(0, 0, 0);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "ICO"));
    return bytes;
}

void load(TIcon& icon, QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    icon.LoadFromStream(buffer);
}

QByteArray with32(QByteArray bytes, int offset, quint32 value) {
    qToLittleEndian<quint32>(value, bytes.data() + offset);
    return bytes;
}

} // namespace

TEST(Icon, LoadsMeasuresDrawsAndSavesUnchanged) {
    const QByteArray file = iconBytes();
    TIcon icon;
    EXPECT_TRUE(icon.Empty());
    load(icon, file);
    EXPECT_EQ(icon.Width(), 16);
    EXPECT_EQ(icon.Height(), 16);
    EXPECT_TRUE(icon.Transparent());

    QImage target(16, 16, QImage::Format_RGB32);
    target.fill(Qt::white);
    {
        TCanvas canvas(&target);
        icon.Draw(canvas, Rect(0, 0, 16, 16));
    }
    EXPECT_EQ(target.pixel(0, 0) & RGB_MASK, 0xFFFFFFu); // the mask keeps the background
    EXPECT_EQ(target.pixel(5, 5) & RGB_MASK, 0x0000FFu);

    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    icon.SaveToStream(buffer);
    EXPECT_EQ(out, file);
}

TEST(Icon, CursorDirectoriesLoadAsIcons) {
    QByteArray cursor = iconBytes();
    cursor[2] = 2;
    TIcon icon;
    load(icon, cursor);
    EXPECT_EQ(icon.Width(), 16);
}

TEST(Icon, BadDirectoriesAreRefusedBeforeReading) {
    const QByteArray good = iconBytes();
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"empty", QByteArray()},
        {"directory cut", good.left(10)},
        {"wrong type", QByteArray(good).replace(2, 1, "\x03")},
        {"no images", QByteArray(good).replace(4, 1, QByteArray(1, '\0'))},
        {"image offset past the end", with32(good, 6 + 12, static_cast<quint32>(good.size()))},
        {"image size past the end", with32(good, 6 + 8, 0xFFFFFFF0u)},
        {"image data garbage", good.left(22) + QByteArray(good.size() - 22, '\x55')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TIcon icon;
        EXPECT_THROW(load(icon, c.bytes), EInvalidGraphic);
        EXPECT_TRUE(icon.Empty());
    }
}

TEST(Icon, SizeAndClipboardAreNotAnIconsToChange) {
    TIcon icon;
    load(icon, iconBytes());
    try {
        icon.SetWidth(8);
        FAIL() << "no error";
    } catch (const EInvalidGraphicOperation& e) {
        EXPECT_EQ(e.Message(), "Cannot change the size of an icon");
    }
    QMimeData data;
    EXPECT_THROW(icon.SaveToClipboardFormat(data), EInvalidGraphicOperation);
    TIcon copy;
    copy.Assign(&icon);
    EXPECT_EQ(copy.Width(), 16);
}
