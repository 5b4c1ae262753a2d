#include "pictures/ani/ani_writer.h"

#include "pictures/ani/ani_image.h"

#include <QBuffer>
#include <QtEndian>

qsizetype TWkAniWriter::beginChunk(const char* id) {
    out.append(id, 4);
    const qsizetype sizeField = out.size();
    appendU32(0);
    return sizeField;
}

void TWkAniWriter::endChunk(qsizetype sizeField) {
    const qsizetype size = out.size() - sizeField - 4;
    qToLittleEndian<quint32>(static_cast<quint32>(size), out.data() + sizeField);
    if (size % 2)
        out.append('\0');
}

void TWkAniWriter::appendU32(quint32 value) {
    char bytes[4];
    qToLittleEndian<quint32>(value, bytes);
    out.append(bytes, 4);
}

void TWkAniWriter::writeInfoText(const char* id, const QString& text) {
    const qsizetype chunk = beginChunk(id);
    out.append(text.toLocal8Bit());
    out.append('\0');
    endChunk(chunk);
}

QByteArray TWkAniWriter::Write() {
    const qsizetype riff = beginChunk("RIFF");
    out.append("ACON", 4);
    if (!ani.FTitle.isEmpty() || !ani.FAuthor.isEmpty()) {
        const qsizetype list = beginChunk("LIST");
        out.append("INFO", 4);
        if (!ani.FTitle.isEmpty())
            writeInfoText("INAM", ani.FTitle);
        if (!ani.FAuthor.isEmpty())
            writeInfoText("IART", ani.FAuthor);
        endChunk(list);
    }
    TWkAniHeader header = ani.FHeader;
    header.dwFrames = static_cast<quint32>(ani.IconCount());
    const qsizetype anih = beginChunk("anih");
    for (quint32 field :
         {header.dwSizeof, header.dwFrames, header.dwSteps, header.dwCX, header.dwCY,
          header.dwBitCount, header.dwPlanes, header.dwJIFRate, header.dwFlags})
        appendU32(field);
    endChunk(anih);
    if (!ani.FRates.empty()) {
        const qsizetype rate = beginChunk("rate");
        for (quint32 value : ani.FRates)
            appendU32(value);
        endChunk(rate);
    }
    if (!ani.FSequence.empty()) {
        const qsizetype seq = beginChunk("seq ");
        for (quint32 value : ani.FSequence)
            appendU32(value);
        endChunk(seq);
    }
    const qsizetype fram = beginChunk("LIST");
    out.append("fram", 4);
    for (const auto& frame : ani.FIcons) {
        const qsizetype icon = beginChunk("icon");
        if (const TIcon* picture = frame->Icon()) {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            picture->SaveToStream(buffer);
            out.append(buffer.data());
        }
        endChunk(icon);
    }
    endChunk(fram);
    endChunk(riff);
    return out;
}
