#include "platform/ui/bitmap.h"
#include "platform/ui/bmp_codec.h"

#include <QBuffer>
#include <QImage>
#include <QMimeData>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray saved(const TGraphic& graphic) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    graphic.SaveToStream(buffer);
    return bytes;
}

void load(TGraphic& graphic, QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    graphic.LoadFromStream(buffer);
}

// Four columns red, green, blue, white over three rows: one distinct colour per column.
QImage stripes() {
    QImage image(4, 3, QImage::Format_RGB32);
    const QRgb colors[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            image.setPixel(x, y, colors[x]);
    return image;
}

quint16 bitCountOf(const QByteArray& bmp) {
    return static_cast<quint16>(static_cast<uchar>(bmp[28]) | static_cast<uchar>(bmp[29]) << 8);
}

} // namespace

TEST(Bitmap, SavesAtItsOwnDepthAndQtReadsItBack) {
    const struct {
        const char* name;
        TPixelFormat format;
        int bitCount;
    } cases[] = {
        {"1 bit", pf1bit, 1},     {"4 bits", pf4bit, 4},    {"8 bits", pf8bit, 8},
        {"24 bits", pf24bit, 24}, {"device", pfDevice, 24}, {"32 bits", pf32bit, 32},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TBitmap bitmap;
        bitmap.SetImage(stripes());
        bitmap.SetPixelFormat(c.format);
        const QByteArray bmp = saved(bitmap);
        ASSERT_GE(bmp.size(), 54);
        EXPECT_EQ(bitCountOf(bmp), c.bitCount);
        const QImage read = QImage::fromData(bmp, "BMP");
        ASSERT_FALSE(read.isNull());
        EXPECT_EQ(read.size(), QSize(4, 3));
        if (c.format == pf1bit) {
            EXPECT_EQ(read.pixel(0, 0) & RGB_MASK, 0x000000u); // red is nearer black
            EXPECT_EQ(read.pixel(3, 2) & RGB_MASK, 0xFFFFFFu);
            continue;
        }
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(read.pixel(x, 0) & RGB_MASK, stripes().pixel(x, 0) & RGB_MASK) << x;
            EXPECT_EQ(read.pixel(x, 2) & RGB_MASK, stripes().pixel(x, 2) & RGB_MASK) << x;
        }
    }
}

TEST(Bitmap, LoadKeepsTheFileDepthAndPalette) {
    QImage indexed(5, 2, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(10, 20, 30), qRgb(200, 100, 50), qRgb(1, 2, 3)});
    indexed.fill(0);
    indexed.setPixel(4, 1, 1);
    TBitmap bitmap;
    load(bitmap, EncodeBmp(indexed, 4));
    EXPECT_EQ(bitmap.PixelFormat(), pf4bit);
    EXPECT_EQ(bitmap.Pixel(4, 1), RGB(200, 100, 50));
    EXPECT_EQ(bitmap.Pixel(0, 0), RGB(10, 20, 30));
    // Saved again at its own depth, byte for byte the file it came from.
    EXPECT_EQ(saved(bitmap), EncodeBmp(indexed, 4));
}

// The BMP of an indexed image with `extra` more colour table entries than its depth holds, all
// counted in its header.
QByteArray WithSurplusColours(const QImage& indexed, int bitCount, int extra) {
    QByteArray bmp = EncodeBmp(indexed, bitCount);
    const int tableEnd = 54 + (4 << bitCount);
    bmp.insert(tableEnd, QByteArray(4 * extra, '\x7F'));
    qToLittleEndian<quint32>(bmp.size(), bmp.data() + 2);
    qToLittleEndian<quint32>(tableEnd + 4 * extra, bmp.data() + 10);
    qToLittleEndian<quint32>((1 << bitCount) + extra, bmp.data() + 46);
    return bmp;
}

TEST(Bitmap, SurplusPaletteEntriesAreDroppedSoTheBitmapSavesAtItsDepth) {
    QImage indexed(5, 2, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(10, 20, 30), qRgb(200, 100, 50)});
    indexed.fill(0);
    indexed.setPixel(4, 1, 1);
    for (const int bitCount : {1, 4}) {
        SCOPED_TRACE(bitCount);
        const QImage source =
            bitCount == 1 ? indexed.convertToFormat(QImage::Format_Mono, indexed.colorTable())
                          : indexed;
        TBitmap bitmap;
        load(bitmap, WithSurplusColours(source, bitCount, 9));
        EXPECT_EQ(bitmap.Palette().size(), 1 << bitCount);
        EXPECT_EQ(bitmap.Pixel(4, 1), RGB(200, 100, 50));
        TBitmap again;
        load(again, saved(bitmap));
        EXPECT_EQ(again.PixelFormat(), bitmap.PixelFormat());
        EXPECT_EQ(again.Pixel(4, 1), RGB(200, 100, 50));
        EXPECT_EQ(again.Pixel(0, 0), RGB(10, 20, 30));
    }
}

TEST(Bitmap, MalformedStreamsRaiseAndLeaveTheBitmap) {
    QByteArray good = EncodeBmp(QImage(stripes()).convertToFormat(QImage::Format_RGB32), 24);
    QByteArray hugeWidth = good;
    hugeWidth[18] = '\xFF';
    hugeWidth[19] = '\xFF';
    hugeWidth[20] = '\xFF';
    hugeWidth[21] = '\x7F';
    QByteArray zeroHeight = good;
    zeroHeight[22] = zeroHeight[23] = zeroHeight[24] = zeroHeight[25] = 0;
    // 24 bits, 2304 x 10497 pixels claimed, 22 bytes of them present.
    const QByteArray claimsMillions = QByteArray::fromBase64(
        "Qk36AAAABQAAADYAAAAoAAAAAAkAAAEpAAABABgAAAAAAMQAAAAAAAAAAWJtcAAAAAAACQAAAAAA/wAA/wCqVQCq"
        "VQCqVQCqAAD/AA==");
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"empty", QByteArray()},
        {"not BM", QByteArray("XX") + good.mid(2)},
        {"header cut", good.left(20)},
        {"huge width", hugeWidth},
        {"zero height", zeroHeight},
        {"last row cut", good.left(good.size() - 12)},
        {"last byte cut", good.chopped(1)},
        {"a small part of the pixels claimed", claimsMillions},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TBitmap bitmap(2, 2);
        try {
            load(bitmap, c.bytes);
            ADD_FAILURE() << "no error";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.Message(), "Bitmap image is not valid");
        }
        EXPECT_EQ(bitmap.Width(), 2);
    }
}

// A 16-bit BMP (five bits a channel) of width x height, black but for the bottom-left pixel.
QByteArray Bmp16(int width, int height, quint16 bottomLeft) {
    const int stride = (width * 2 + 3) / 4 * 4;
    QByteArray bmp(54 + qsizetype{stride} * height, '\0');
    bmp[0] = 'B';
    bmp[1] = 'M';
    qToLittleEndian<quint32>(bmp.size(), bmp.data() + 2);
    qToLittleEndian<quint32>(54, bmp.data() + 10);
    qToLittleEndian<quint32>(40, bmp.data() + 14);
    qToLittleEndian<qint32>(width, bmp.data() + 18);
    qToLittleEndian<qint32>(height, bmp.data() + 22);
    qToLittleEndian<quint16>(1, bmp.data() + 26);
    qToLittleEndian<quint16>(16, bmp.data() + 28);
    qToLittleEndian<quint16>(bottomLeft, bmp.data() + 54);
    return bmp;
}

TEST(Bitmap, WhatALoadedBitmapSavesLoadsAgain) {
    // 16-bit rows are saved at 24 bits: half as large again, here past 64 MiB.
    constexpr int width = 4096;
    constexpr int height = 5462;
    TBitmap bitmap;
    load(bitmap, Bmp16(width, height, 0x7C00));
    ASSERT_EQ(bitmap.PixelFormat(), pf16bit);
    const QByteArray bmp = saved(bitmap);
    ASSERT_GT(bmp.size(), 64 * 1024 * 1024);
    TBitmap again;
    load(again, bmp);
    EXPECT_EQ(again.Width(), width);
    EXPECT_EQ(again.Height(), height);
    EXPECT_EQ(again.Pixel(0, height - 1), RGB(255, 0, 0));
    EXPECT_EQ(again.Pixel(1, height - 1), RGB(0, 0, 0));
}

TEST(Bitmap, TransparentColorFollowsTheBottomLeftPixelUntilFixed) {
    TBitmap empty;
    EXPECT_EQ(empty.TransparentColor(), clDefault);

    TBitmap bitmap;
    bitmap.SetImage(stripes());
    EXPECT_EQ(bitmap.TransparentColor(), clRed | PaletteRelativeFlag);
    bitmap.SetTransparentColor(clBlue);
    EXPECT_EQ(bitmap.TransparentMode(), tmFixed);
    EXPECT_EQ(bitmap.TransparentColor(), clBlue);
    bitmap.SetTransparentMode(tmAuto);
    EXPECT_EQ(bitmap.TransparentColor(), clRed | PaletteRelativeFlag);
    bitmap.SetMonochrome(true);
    EXPECT_EQ(bitmap.TransparentColor(), clWhite);
}

TEST(Bitmap, TransparentDrawLeavesOutTheTransparentColour) {
    TBitmap bitmap;
    bitmap.SetImage(stripes());
    bitmap.SetTransparentColor(clLime);
    bitmap.SetTransparent(true);
    QImage target(8, 3, QImage::Format_RGB32);
    target.fill(Qt::black);
    {
        TCanvas canvas(&target);
        bitmap.Draw(canvas, Rect(0, 0, 8, 3)); // stretched twice as wide
    }
    EXPECT_EQ(target.pixel(0, 1) & RGB_MASK, 0xFF0000u);
    EXPECT_EQ(target.pixel(2, 1) & RGB_MASK, 0x000000u); // green left out
    EXPECT_EQ(target.pixel(3, 1) & RGB_MASK, 0x000000u);
    EXPECT_EQ(target.pixel(4, 1) & RGB_MASK, 0x0000FFu);
}

TEST(Bitmap, CanvasDrawingStaysInThePaletteAndSignalsChange) {
    TBitmap bitmap(4, 4);
    bitmap.SetPixelFormat(pf4bit);
    int changes = 0;
    bitmap.OnChange = [&](TGraphic&) {
        ++changes;
    };
    {
        TBitmapCanvas canvas(bitmap);
        canvas.Brush.Color = RGB(250, 5, 5); // nearest standard colour: red
        canvas.FillRect(Rect(0, 0, 2, 4));
    }
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(bitmap.PixelFormat(), pf4bit);
    EXPECT_EQ(bitmap.Palette().size(), 16);
    EXPECT_EQ(bitmap.Pixel(1, 3), clRed);
    EXPECT_EQ(bitmap.Pixel(2, 3), clWhite);
}

TEST(Bitmap, AssignCopiesAndRefusesUnknownGraphics) {
    TBitmap source;
    source.SetImage(stripes());
    source.SetPixelFormat(pf8bit);
    source.SetTransparentColor(clBlue);
    TBitmap copy;
    copy.Assign(&source);
    EXPECT_EQ(copy.PixelFormat(), pf8bit);
    EXPECT_EQ(copy.TransparentColor(), clBlue);
    EXPECT_EQ(copy.Pixel(1, 1), clLime);
    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
}

TEST(Bitmap, ClipboardRoundTrip) {
    TBitmap source;
    source.SetImage(stripes());
    QMimeData data;
    source.SaveToClipboardFormat(data);
    TBitmap read;
    read.LoadFromClipboardFormat(data, ClipboardBitmapFormat);
    EXPECT_EQ(read.Pixel(2, 0), clBlue);
    EXPECT_THROW(read.LoadFromClipboardFormat(data, "text/plain"), EInvalidGraphicOperation);
}

TEST(Bitmap, NearestColourIsWhatThePixelsCanHold) {
    QImage indexed(2, 1, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(0, 0, 0), qRgb(250, 0, 250), qRgb(254, 0, 254), qRgb(255, 0, 255)});
    indexed.fill(0);
    const struct {
        const char* name;
        QImage image;
        TPixelFormat format;
        TColor asked;
        TColor nearest;
    } cases[] = {
        {"exact entry", indexed, pf8bit, clFuchsia, clFuchsia},
        {"closest entry", indexed, pf8bit, 0xF000F0, 0xFA00FA},
        {"first of two equally near", indexed, pf8bit, 0xFC00FC, 0xFA00FA},
        {"system colour resolved", indexed, pf8bit, clBtnText, clBlack},
        {"true colour keeps it", stripes(), pf24bit, 0x123456, 0x123456},
        {"palette flag dropped", stripes(), pfDevice, 0x02123456, 0x123456},
        {"16 bits drop low bits", stripes(), pf16bit, 0x070707, 0x000400},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TBitmap bitmap;
        bitmap.SetImage(c.image, c.format);
        EXPECT_EQ(bitmap.NearestColor(c.asked), c.nearest);
    }
}
