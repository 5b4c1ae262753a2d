#include "components/util/icon_drawing.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QScreen>
#include <QtEndian>
#include <gtest/gtest.h>
#include <vector>

namespace {

void putWord(QByteArray& bytes, quint16 value) {
    const quint16 le = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&le), 2);
}
void putDword(QByteArray& bytes, quint32 value) {
    const quint32 le = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&le), 4);
}

QByteArray infoHeader(int width, int height, int bitCount, int colorsUsed) {
    QByteArray bytes;
    putDword(bytes, 40);
    putDword(bytes, width);
    putDword(bytes, height * 2); // colour and mask halves
    putWord(bytes, 1);
    putWord(bytes, bitCount);
    putDword(bytes, 0);
    putDword(bytes, 0);
    putDword(bytes, 0);
    putDword(bytes, 0);
    putDword(bytes, colorsUsed);
    putDword(bytes, 0);
    return bytes;
}

// Mask rows bottom-up; masked lists the see-through pixels, top-down.
void appendMask(QByteArray& bytes, int width, int height, const std::vector<bool>& masked) {
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(AlignedRowBytes(width), '\0');
        for (int x = 0; x < width; ++x) {
            if (!masked.empty() && masked[y * width + x])
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        bytes += row;
    }
}

// A 24-bit image of top-down pixels.
QByteArray trueColorImage(int width, int height, const std::vector<QRgb>& pixels,
                          const std::vector<bool>& masked = {}) {
    QByteArray bytes = infoHeader(width, height, 24, 0);
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(AlignedRowBytes(width * 24), '\0');
        for (int x = 0; x < width; ++x) {
            const QRgb p = pixels[y * width + x];
            row[x * 3] = char(qBlue(p));
            row[x * 3 + 1] = char(qGreen(p));
            row[x * 3 + 2] = char(qRed(p));
        }
        bytes += row;
    }
    appendMask(bytes, width, height, masked);
    return bytes;
}

// A 4-bit image of one colour: palette entry 1.
QByteArray paletteImage(int width, int height, QRgb color) {
    QByteArray bytes = infoHeader(width, height, 4, 2);
    putDword(bytes, 0);
    putDword(bytes, quint32(qBlue(color) | qGreen(color) << 8 | qRed(color) << 16));
    for (int y = 0; y < height; ++y) {
        QByteArray row(AlignedRowBytes(width * 4), '\0');
        for (int x = 0; x < width; ++x)
            row[x / 2] = char(row[x / 2] | (x % 2 ? 0x01 : 0x10));
        bytes += row;
    }
    appendMask(bytes, width, height, {});
    return bytes;
}

struct Entry {
    int colorCount;
    QByteArray image;
};

QByteArray iconFile(const std::vector<Entry>& entries) {
    QByteArray bytes;
    putWord(bytes, 0);
    putWord(bytes, 1);
    putWord(bytes, quint16(entries.size()));
    quint32 offset = 6 + 16 * quint32(entries.size());
    for (const Entry& entry : entries) {
        bytes.append(char(0)).append(char(0)).append(char(entry.colorCount)).append(char(0));
        putWord(bytes, 1);
        putWord(bytes, 0);
        putDword(bytes, quint32(entry.image.size()));
        putDword(bytes, offset);
        offset += quint32(entry.image.size());
    }
    for (const Entry& entry : entries)
        bytes += entry.image;
    return bytes;
}

constexpr QRgb Background = 0xFF101010;
constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Green = 0xFF00FF00;
constexpr QRgb Blue = 0xFF0000FF;

class IconDrawing : public ::testing::Test {
protected:
    IconDrawing() { surface.fill(Background); }

    bool draw(const QByteArray& icon, int x = 0, int y = 0) {
        TCanvas canvas(&surface);
        return DrawIconAtNaturalSize(canvas, icon, x, y);
    }
    QRgb at(int x, int y) const { return surface.pixel(x, y); }

    QImage surface{16, 16, QImage::Format_ARGB32};
};

} // namespace

TEST_F(IconDrawing, DrawsTheImageAtItsOwnSizeAndPlace) {
    const QByteArray icon = iconFile({{0, trueColorImage(2, 2, {Red, Green, Blue, Red})}});
    ASSERT_TRUE(draw(icon, 3, 5));
    EXPECT_EQ(at(3, 5), Red);
    EXPECT_EQ(at(4, 5), Green);
    EXPECT_EQ(at(3, 6), Blue) << "rows are stored bottom-up";
    EXPECT_EQ(at(4, 6), Red);
    EXPECT_EQ(at(5, 5), Background);
    EXPECT_EQ(at(3, 7), Background);
}

TEST_F(IconDrawing, MaskedPixelsLetTheBackgroundThrough) {
    const QByteArray icon = iconFile({{0, trueColorImage(2, 1, {Red, Green}, {true, false})}});
    ASSERT_TRUE(draw(icon));
    EXPECT_EQ(at(0, 0), Background);
    EXPECT_EQ(at(1, 0), Green);
}

TEST_F(IconDrawing, TakesTheImageMatchingTheDisplayElseTheFirst) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const int displayColors = screen->depth() <= 8 ? 1 << screen->depth() : 0;
    const int otherColors = displayColors == 16 ? 2 : 16;

    ASSERT_TRUE(
        draw(iconFile({{otherColors, paletteImage(2, 2, Red)},
                       {displayColors, trueColorImage(2, 2, {Green, Green, Green, Green})}})));
    EXPECT_EQ(at(0, 0), Green);

    ASSERT_TRUE(draw(iconFile(
        {{otherColors, paletteImage(3, 3, Blue)}, {otherColors, trueColorImage(1, 1, {Green})}})));
    EXPECT_EQ(at(2, 2), Blue) << "no image matches: the first one is drawn";
}

TEST_F(IconDrawing, ADamagedIconDrawsNothing) {
    const QByteArray good = iconFile({{0, trueColorImage(2, 2, {Red, Red, Red, Red})}});
    auto withDword = [&](int offset, quint32 value) {
        QByteArray bytes = good;
        const quint32 le = qToLittleEndian(value);
        bytes.replace(offset, 4, reinterpret_cast<const char*>(&le), 4);
        return bytes;
    };
    constexpr int EntrySize = 6 + 8;
    constexpr int EntryOffset = 6 + 12;
    constexpr int Info = 6 + 16;
    const struct {
        const char* what;
        QByteArray icon;
    } cases[] = {
        {"too short for a header", good.left(5)},
        {"no images", QByteArray::fromHex("000001000000")},
        {"directory past the end", good.left(6 + 10)},
        {"image past the end", good.left(good.size() - 1)},
        {"image offset past the end", withDword(EntryOffset, 0xFFFFFFF0u)},
        {"image size wraps", withDword(EntrySize, 0xFFFFFFFFu)},
        {"header size past the image", withDword(Info, 4000)},
        {"header too small", withDword(Info, 12)},
        {"negative width", withDword(Info + 4, 0xFFFFFFFEu)},
        {"huge height", withDword(Info + 8, 0x7FFFFFFEu)},
        {"unknown bit count", withDword(Info + 12, 1 | 7u << 16)},
        {"compressed", withDword(Info + 16, 1)},
        {"palette larger than the bit count", withDword(Info + 32, 3)},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(draw(c.icon)) << c.what;
        EXPECT_EQ(at(0, 0), Background) << c.what;
    }
    EXPECT_TRUE(draw(good)) << "the unchanged icon is readable";
}

TEST_F(IconDrawing, DrawsAnIconPictureThroughItsStream) {
    QByteArray bytes = iconFile({{0, trueColorImage(1, 1, {Blue})}});
    QBuffer stream(&bytes);
    stream.open(QIODevice::ReadOnly);
    TIcon icon;
    icon.LoadFromStream(stream);
    TCanvas canvas(&surface);
    ASSERT_TRUE(DrawIconAtNaturalSize(canvas, icon, 2, 2));
    EXPECT_EQ(at(2, 2), Blue);
    EXPECT_EQ(at(3, 2), Background);
    EXPECT_FALSE(DrawIconAtNaturalSize(canvas, TIcon(), 0, 0));
}

TEST(IconRows, PadRowsTo32BitsAndCountPaletteEntries) {
    const struct {
        int bits;
        int rowBytes;
    } rows[] = {{0, 0}, {1, 4}, {32, 4}, {33, 8}, {24 * 3, 12}};
    for (const auto& r : rows)
        EXPECT_EQ(AlignedRowBytes(r.bits), r.rowBytes) << r.bits;
    const struct {
        int bits;
        int entries;
    } palettes[] = {{1, 2}, {4, 16}, {8, 256}, {2, 0}, {16, 0}, {24, 0}, {32, 0}};
    for (const auto& p : palettes)
        EXPECT_EQ(PaletteEntryCount(p.bits), p.entries) << p.bits;
}
