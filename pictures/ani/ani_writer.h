#pragma once
// Writes a TWkAni in the RIFF "ACON" form: the INFO list when there is a title or author, the
// header, rates, sequence and the list of icons.

#include <QByteArray>

class TWkAni;

class TWkAniWriter {
public:
    explicit TWkAniWriter(const TWkAni& ani) : ani(ani) {}
    QByteArray Write();

private:
    // Opens a chunk; returns where its size field lies.
    qsizetype beginChunk(const char* id);
    // Writes the size back and pads an odd body.
    void endChunk(qsizetype sizeField);
    void appendU32(quint32 value);
    void writeInfoText(const char* id, const QString& text);

    const TWkAni& ani;
    QByteArray out;
};
