#include "gif_test_pictures.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <gtest/gtest.h>

QByteArray Fixture(const char* name) {
    QFile file(QStringLiteral(TAVRO_PICTURE_FIXTURES "/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray bytes;
    for (int v : values)
        bytes.append(static_cast<char>(v));
    return bytes;
}

QByteArray SmallGif(const QByteArray& blocks, const char* version) {
    QByteArray gif = QByteArray("GIF") + version;
    gif += Bytes({2, 0, 1, 0, 0x80, 0, 0, 255, 255, 255, 0, 0, 0});
    gif += blocks;
    gif += Bytes({',', 0, 0, 0, 0, 2, 0, 1, 0, 0, 2, 2, 0x4C, 0x01, 0, ';'});
    return gif;
}

QImage AsRgb(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage Filled(int width, int height, QRgb color) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

QList<QImage> QtFrames(const QByteArray& gif) {
    QBuffer buffer;
    buffer.setData(gif);
    QImageReader reader(&buffer, "gif");
    QList<QImage> frames;
    for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read())
        frames.append(frame);
    return frames;
}

ChangeCounter::ChangeCounter(TGraphic& graphic) {
    graphic.OnChange = [this](TGraphic&) {
        ++count;
    };
}
