#include "platform/ui/bmp_codec.h"
#include "platform/ui/canvas.h"
#include "platform/ui/graphic_signature.h"
#include "platform/ui/metafile.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

template <class T> void put(QByteArray& bytes, int offset, T value) {
    qToLittleEndian<T>(value, bytes.data() + offset);
}

// An enhanced metafile: its header, with the frame in hundredths of a millimetre, and records
// up to totalBytes.
QByteArray Enhanced(qint32 left, qint32 top, qint32 right, qint32 bottom,
                    quint32 totalBytes = 108) {
    QByteArray bytes(static_cast<qsizetype>(std::max<quint32>(totalBytes, 88)), '\0');
    put<quint32>(bytes, 0, 1);
    put<quint32>(bytes, 4, 88);
    put<qint32>(bytes, 24, left);
    put<qint32>(bytes, 28, top);
    put<qint32>(bytes, 32, right);
    put<qint32>(bytes, 36, bottom);
    put<quint32>(bytes, 40, 0x464D4520);
    put<quint32>(bytes, 44, 0x10000);
    put<quint32>(bytes, 48, totalBytes);
    return bytes;
}

void SetPlaceableChecksum(QByteArray& bytes) {
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= qFromLittleEndian<quint16>(bytes.constData() + 2 * i);
    put<quint16>(bytes, 20, checksum);
}

// A placeable header (box in units of 1/inch) before a Windows metafile of totalWords words.
QByteArray Placeable(qint16 right, qint16 bottom, quint16 inch, quint32 totalWords = 12) {
    QByteArray bytes(22 + 2 * static_cast<qsizetype>(std::max<quint32>(totalWords, 9)), '\0');
    put<quint32>(bytes, 0, 0x9AC6CDD7);
    put<qint16>(bytes, 10, right);
    put<qint16>(bytes, 12, bottom);
    put<quint16>(bytes, 14, inch);
    SetPlaceableChecksum(bytes);
    put<quint16>(bytes, 22, 1);
    put<quint16>(bytes, 24, 9);
    put<quint16>(bytes, 26, 0x300);
    put<quint32>(bytes, 28, totalWords);
    return bytes;
}

template <class T> QByteArray With(QByteArray bytes, int offset, T value) {
    put<T>(bytes, offset, value);
    return bytes;
}

} // namespace

TEST(MetafileHeader, SizesComeFromTheFrameOrThePlaceableBox) {
    const struct {
        const char* name;
        QByteArray head;
        bool enhanced;
        qint64 bytes;
        int width;
        int height;
    } cases[] = {
        // 2540 hundredths of a millimetre are an inch: 96 pixels.
        {"enhanced, one inch by half an inch", Enhanced(0, 0, 2540, 1270), true, 108, 96, 48},
        {"enhanced, frame away from the origin", Enhanced(-1270, 100, 1270, 100), true, 108, 96, 0},
        {"enhanced, only its header", Enhanced(0, 0, 26, 26, 88), true, 88, 1, 1},
        {"placeable, 1440 units an inch", Placeable(1440, 720, 1440), false, 22 + 24, 96, 48},
        {"placeable, 300 units an inch", Placeable(600, 150, 300, 9), false, 22 + 18, 192, 48},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<TMetafileHeader> header = ParseMetafileHeader(c.head);
        ASSERT_TRUE(header.has_value());
        EXPECT_EQ(header->Enhanced, c.enhanced);
        EXPECT_EQ(header->Bytes, c.bytes);
        EXPECT_EQ(header->Width, c.width);
        EXPECT_EQ(header->Height, c.height);
    }
}

TEST(MetafileHeader, ShortAndMalformedHeadersAreRefused) {
    const QByteArray emf = Enhanced(0, 0, 2540, 2540);
    const QByteArray wmf = Placeable(100, 100, 100);
    QByteArray wrongChecksum = wmf;
    wrongChecksum[20] = static_cast<char>(wrongChecksum[20] ^ 1);
    QByteArray noInch = With<quint16>(wmf, 14, 0);
    SetPlaceableChecksum(noInch);
    QByteArray flippedBox = With<qint16>(wmf, 6, 200);
    SetPlaceableChecksum(flippedBox);
    const struct {
        const char* name;
        QByteArray head;
    } cases[] = {
        {"empty", QByteArray()},
        {"three bytes", emf.left(3)},
        {"enhanced cut before its header's end", emf.left(87)},
        {"enhanced without its signature", With<quint32>(emf, 40, 0x464D4521)},
        {"enhanced header shorter than the base header", With<quint32>(emf, 4, 84)},
        {"enhanced total shorter than its header", With<quint32>(emf, 48, 80)},
        {"enhanced frame right of its end", With<qint32>(emf, 24, 3000)},
        {"enhanced frame below its bottom", With<qint32>(emf, 28, 3000)},
        {"enhanced record type 2", With<quint32>(emf, 0, 2)},
        {"enhanced claiming more than a picture may hold",
         With<quint32>(emf, 48, static_cast<quint32>(MaxPictureBytes + 4))},
        {"Windows metafile without a placeable header", wmf.mid(22)},
        {"placeable cut in its Windows header", wmf.left(39)},
        {"placeable with a wrong checksum", wrongChecksum},
        {"placeable with no units an inch", noInch},
        {"placeable box right of its end", flippedBox},
        {"placeable before a Windows header of 8 words", With<quint16>(wmf, 24, 8)},
        {"placeable before a metafile of type 3", With<quint16>(wmf, 22, 3)},
        {"placeable before a metafile shorter than its header", With<quint32>(wmf, 28, 8)},
        {"placeable claiming more than a picture may hold",
         With<quint32>(wmf, 28, static_cast<quint32>(MaxPictureBytes / 2))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(ParseMetafileHeader(c.head).has_value());
    }
}

TEST(Metafile, LoadsItsOwnBytesSavesThemUnchangedAndDrawsNothing) {
    for (const QByteArray& file : {Enhanced(0, 0, 2540, 1270), Placeable(1440, 720, 1440)}) {
        QByteArray stream = file + "after";
        QBuffer input(&stream);
        input.open(QIODevice::ReadOnly);
        EXPECT_EQ(FindGraphicClass(input), GraphicClassOf<TMetafile>());
        TMetafile metafile;
        int changes = 0;
        metafile.OnChange = [&](TGraphic&) {
            ++changes;
        };
        metafile.LoadFromStream(input);
        EXPECT_EQ(input.pos(), file.size());
        EXPECT_EQ(changes, 1);
        EXPECT_FALSE(metafile.Empty());
        EXPECT_EQ(metafile.Width(), 96);
        EXPECT_EQ(metafile.Height(), 48);

        QByteArray saved;
        QBuffer output(&saved);
        output.open(QIODevice::WriteOnly);
        metafile.SaveToStream(output);
        EXPECT_EQ(saved, file);

        QImage pixels(8, 8, QImage::Format_RGB32);
        pixels.fill(Qt::yellow);
        {
            QPainter painter(&pixels);
            TCanvas canvas(painter);
            metafile.Draw(canvas, TRect{0, 0, 8, 8});
        }
        EXPECT_EQ(pixels.pixel(4, 4), QColor(Qt::yellow).rgb());

        TMetafile copy;
        copy.Assign(&metafile);
        EXPECT_EQ(copy.Width(), 96);
        copy.Assign(nullptr);
        EXPECT_TRUE(copy.Empty());
        EXPECT_EQ(copy.Width(), 0);
    }
}

TEST(Metafile, AStreamEndingBeforeItsBytesLeavesTheMetafile) {
    const QByteArray kept = Enhanced(0, 0, 2540, 2540);
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"enhanced cut in its records", Enhanced(0, 0, 254, 254, 200).left(150)},
        {"placeable cut in its records", Placeable(10, 10, 10, 50).left(60)},
        {"no header", QByteArray("\x01\x00\x09\x00", 4)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TMetafile metafile;
        QByteArray first = kept;
        QBuffer firstStream(&first);
        firstStream.open(QIODevice::ReadOnly);
        metafile.LoadFromStream(firstStream);
        QByteArray bytes = c.bytes;
        QBuffer stream(&bytes);
        stream.open(QIODevice::ReadOnly);
        try {
            metafile.LoadFromStream(stream);
            FAIL() << "no error";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.Message(), "Metafile is not valid");
        }
        EXPECT_EQ(metafile.Width(), 96);
    }
}
