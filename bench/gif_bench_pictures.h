#pragma once
// The GIF pictures the decoding bench measures: the kinds people have, made here with our encoder
// or with giflib's, or every GIF of a folder the user names.

#include <QByteArray>
#include <QString>
#include <vector>

struct TBenchPicture {
    QString Name;
    QByteArray Bytes;
};

// One row of the bench's table: the pictures timed together.
struct TBenchKind {
    QString Name;
    std::vector<TBenchPicture> Pictures;
};

// Icons, small animations, screenshots, dithered photos, interlaced pictures, frames with local
// colour tables, a long animation and a large one.
std::vector<TBenchKind> MakeBenchKinds();

// One kind per GIF file of the folder (by name, not recursive), in name order.
std::vector<TBenchKind> ReadBenchFolder(const QString& folder);
