#include "pictures/ani/ani_reader.h"

#include "components/util/icon_drawing.h"
#include "pictures/ani/ani_image.h"

#include <QBuffer>
#include <QtEndian>
#include <algorithm>

namespace {

constexpr std::uint64_t chunkHeaderSize = 8;
constexpr std::uint64_t aniHeaderSize = 36;
constexpr std::uint64_t listTypeSize = 4;
constexpr std::uint64_t maxInfoText = 511;
constexpr int iconDirectorySize = 6;
constexpr int iconEntrySize = 16;
constexpr quint16 iconType = 1;
constexpr quint16 cursorType = 2;
constexpr quint32 bitmapInfoHeaderSize = 40;
// Marks a sequence entry whose icon was removed: it names no icon any more.
constexpr std::uint32_t noIcon = 0xFFFFFFFF;

[[noreturn]] void streamReadError() {
    throw EInvalidGraphic(QStringLiteral("Stream read error"));
}

} // namespace

std::uint32_t TWkAniReader::u32(std::uint64_t at) const {
    return qFromLittleEndian<quint32>(data.constData() + at);
}

bool TWkAniReader::readHeader(TChunkHeader& header) {
    if (left() < chunkHeaderSize)
        return false;
    header.Id = data.mid(static_cast<qsizetype>(pos), 4);
    header.Size = u32(pos + 4);
    pos += chunkHeaderSize;
    return true;
}

bool TWkAniReader::skip(std::uint64_t bytes) {
    if (bytes > left())
        return false;
    pos += bytes;
    return true;
}

void TWkAniReader::Read() {
    TChunkHeader riff;
    if (!readHeader(riff) || riff.Id != "RIFF" || left() < 4 ||
        data.mid(static_cast<qsizetype>(pos), 4) != "ACON")
        streamReadError();
    pos += 4;
    ani.reset();
    TChunkHeader header;
    while (readHeader(header)) {
        bool goOn = true;
        if (header.Id == "anih") {
            goOn = readAnih(header);
        } else if (header.Id == "rate") {
            goOn = readTable(header, ani.FRates);
        } else if (header.Id == "seq ") {
            goOn = readTable(header, ani.FSequence);
            ani.FFrameCount = static_cast<int>(ani.FSequence.size());
            sequenceRead = true;
        } else if (header.Id == "LIST") {
            goOn = readList(header);
        } else {
            goOn = skip(header.Padded());
        }
        if (!goOn)
            break;
    }
    removeFramesWithoutIcon();
    if (!sequenceRead)
        ani.FFrameCount = ani.IconCount();
    ani.FHeader.dwFrames = static_cast<std::uint32_t>(ani.IconCount());
    if (ani.FIcons.empty())
        streamReadError();
}

bool TWkAniReader::readAnih(const TChunkHeader& header) {
    if (header.Size < aniHeaderSize || left() < aniHeaderSize)
        return false;
    TWkAniHeader& h = ani.FHeader;
    std::uint32_t* fields[] = {&h.dwSizeof,   &h.dwFrames, &h.dwSteps,   &h.dwCX,   &h.dwCY,
                               &h.dwBitCount, &h.dwPlanes, &h.dwJIFRate, &h.dwFlags};
    for (std::size_t i = 0; i < std::size(fields); ++i)
        *fields[i] = u32(pos + 4 * i);
    if ((h.dwFlags & 1) == 0 || h.dwFrames == 0)
        streamReadError();
    pos += std::min(header.Padded(), left());
    return true;
}

bool TWkAniReader::readTable(const TChunkHeader& header, std::vector<std::uint32_t>& table) {
    // Only as many entries as the bytes left can hold: a header cannot ask for more.
    const std::uint64_t held = std::min(header.Size, left());
    table.assign(static_cast<std::size_t>(held / 4), 0);
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = u32(pos + 4 * i);
    if (header.Size > left())
        return false;
    pos += std::min(header.Padded(), left());
    return true;
}

bool TWkAniReader::readList(const TChunkHeader& header) {
    // A list too short to name its type is passed over like any unknown chunk.
    if (header.Size < listTypeSize || left() < listTypeSize)
        return skip(header.Padded());
    const QByteArray type = data.mid(static_cast<qsizetype>(pos), 4);
    pos += listTypeSize;
    const std::int64_t remaining = static_cast<std::int64_t>(header.Padded() - listTypeSize);
    if (type == "fram") {
        readFrameList(remaining);
    } else if (type == "INFO") {
        readInfoList(remaining);
    } else {
        return skip(static_cast<std::uint64_t>(remaining));
    }
    return true;
}

void TWkAniReader::readFrameList(std::int64_t remaining) {
    TChunkHeader header;
    while (remaining > 7 && readHeader(header)) {
        remaining -= chunkHeaderSize;
        if (header.Id == "icon") {
            if (header.Size > left())
                return;
            const QByteArray body =
                data.mid(static_cast<qsizetype>(pos), static_cast<qsizetype>(header.Size));
            ani.FIcons.push_back(loadIcon(body));
        }
        pos += std::min(header.Padded(), left());
        remaining -= static_cast<std::int64_t>(header.Padded());
    }
}

void TWkAniReader::readInfoList(std::int64_t remaining) {
    TChunkHeader header;
    while (remaining > 7 && readHeader(header)) {
        remaining -= chunkHeaderSize;
        if (header.Size > static_cast<std::uint64_t>(std::max<std::int64_t>(remaining, 0)) ||
            header.Size > left())
            return;
        if (header.Id == "INAM")
            ani.FTitle = infoText(header.Size);
        else if (header.Id == "IART")
            ani.FAuthor = infoText(header.Size);
        pos += std::min(header.Padded(), left());
        remaining -= static_cast<std::int64_t>(header.Padded());
    }
}

QString TWkAniReader::infoText(std::uint64_t size) const {
    QByteArray text =
        data.mid(static_cast<qsizetype>(pos), static_cast<qsizetype>(std::min(size, maxInfoText)));
    const qsizetype end = text.indexOf('\0');
    if (end >= 0)
        text.truncate(end);
    return QString::fromLocal8Bit(text);
}

std::unique_ptr<TWkIconFrame> TWkAniReader::loadIcon(const QByteArray& body) {
    auto frame = std::make_unique<TWkIconFrame>(ani.FHeader.dwJIFRate);
    if (!IsValidIconDirectory(body))
        return frame;
    QByteArray copy = body;
    const quint16 type = qFromLittleEndian<quint16>(copy.constData() + 2);
    const bool isIcon = type == iconType;
    if (type == cursorType)
        qToLittleEndian<quint16>(iconType, copy.data() + 2);
    const int count = qFromLittleEndian<quint16>(copy.constData() + 4);
    QPoint hotSpot;
    for (int i = 0; i < count; ++i) {
        const char* entry = copy.constData() + iconDirectorySize + i * iconEntrySize;
        hotSpot =
            QPoint(qFromLittleEndian<quint16>(entry + 4), qFromLittleEndian<quint16>(entry + 6));
        const quint32 offset = qFromLittleEndian<quint32>(entry + 12);
        // IsValidIconDirectory checked that the image lies inside the copy.
        if (copy.size() - offset >= bitmapInfoHeaderSize &&
            qFromLittleEndian<quint32>(copy.constData() + offset) == bitmapInfoHeaderSize) {
            const int bitCount = qFromLittleEndian<quint16>(copy.constData() + offset + 14);
            ani.FOriginalColors = std::max(ani.FOriginalColors, PaletteEntryCount(bitCount));
        }
    }
    auto icon = std::make_unique<TIcon>();
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    try {
        icon->LoadFromStream(buffer);
    } catch (const EInvalidGraphic&) {
        return frame;
    }
    if (isIcon)
        hotSpot = QPoint(icon->Width() / 2, icon->Height() / 2);
    frame->SetIcon(std::move(icon));
    frame->SetIsIcon(isIcon);
    frame->SetHotSpot(hotSpot);
    return frame;
}

void TWkAniReader::removeFramesWithoutIcon() {
    auto& icons = ani.FIcons;
    // New index of each old icon, so the sequence keeps naming the same pictures.
    std::vector<std::uint32_t> moved(icons.size(), noIcon);
    std::uint32_t kept = 0;
    for (std::size_t i = 0; i < icons.size(); ++i)
        if (icons[i]->Icon())
            moved[i] = kept++;
    for (std::uint32_t& entry : ani.FSequence)
        entry = entry < moved.size() ? moved[entry] : noIcon;
    icons.erase(std::remove_if(icons.begin(), icons.end(),
                               [](const auto& frame) { return frame->Icon() == nullptr; }),
                icons.end());
}
