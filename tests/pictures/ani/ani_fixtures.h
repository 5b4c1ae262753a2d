#pragma once
// Fixture files of the animated-cursor tests and small RIFF builders for the cases the fixture
// script does not cover.

#include "pictures/ani/ani_image.h"

#include <QByteArray>
#include <initializer_list>

QByteArray Fixture(const char* name);
// A RIFF chunk with its size and pad byte.
QByteArray Chunk(const char* id, const QByteArray& body);
// A chunk header whose size field is given, without a body.
QByteArray ChunkHeader(const char* id, quint32 size);
QByteArray U32s(std::initializer_list<quint32> values);
// "anih" for `frames` icon resources with the default rate `jifRate`.
QByteArray Anih(quint32 frames, quint32 jifRate);
// "RIFF" "ACON" around the chunks.
QByteArray Riff(const QByteArray& chunks);
// A "LIST" "fram" of one "icon" chunk per body.
QByteArray FrameList(std::initializer_list<QByteArray> icons);
// The fixtures' 16 x 16 red 1-bit icon, or a cursor of it with the given hot spot.
QByteArray RedCursor();
QByteArray RedCursor(quint16 hotX, quint16 hotY);

void Load(TWkAni& ani, const QByteArray& bytes);
