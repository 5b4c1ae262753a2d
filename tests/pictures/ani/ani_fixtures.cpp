#include "ani_fixtures.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>

QByteArray Fixture(const char* name) {
    QFile file(QStringLiteral(TAVRO_PICTURE_FIXTURES "/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

QByteArray U32s(std::initializer_list<quint32> values) {
    QByteArray bytes;
    for (quint32 value : values) {
        char le[4];
        qToLittleEndian<quint32>(value, le);
        bytes.append(le, 4);
    }
    return bytes;
}

QByteArray ChunkHeader(const char* id, quint32 size) {
    return QByteArray(id, 4) + U32s({size});
}

QByteArray Chunk(const char* id, const QByteArray& body) {
    QByteArray chunk = ChunkHeader(id, static_cast<quint32>(body.size())) + body;
    if (body.size() % 2)
        chunk.append('\0');
    return chunk;
}

QByteArray Anih(quint32 frames, quint32 jifRate) {
    return Chunk("anih", U32s({36, frames, frames, 0, 0, 0, 0, jifRate, 1}));
}

QByteArray Riff(const QByteArray& chunks) {
    return Chunk("RIFF", "ACON" + chunks);
}

QByteArray FrameList(std::initializer_list<QByteArray> icons) {
    QByteArray body = "fram";
    for (const QByteArray& icon : icons)
        body += Chunk("icon", icon);
    return Chunk("LIST", body);
}

QByteArray RedCursor() {
    return Fixture("red.cur");
}

QByteArray RedCursor(quint16 hotX, quint16 hotY) {
    QByteArray cursor = Fixture("red.cur");
    // Type 2, and the first entry's planes and bit count words hold the hot spot.
    qToLittleEndian<quint16>(2, cursor.data() + 2);
    qToLittleEndian<quint16>(hotX, cursor.data() + 10);
    qToLittleEndian<quint16>(hotY, cursor.data() + 12);
    return cursor;
}

void Load(TWkAni& ani, const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    ani.LoadFromStream(buffer);
}
