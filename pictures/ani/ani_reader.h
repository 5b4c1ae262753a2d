#pragma once
// Reads the RIFF "ACON" form of an animated cursor into a TWkAni. Every size read from the
// stream is checked against the bytes that remain before it is used.

#include "platform/ui/bmp_codec.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

class TWkAni;
class TWkIconFrame;

// Animated cursors are small; a longer stream is refused rather than copied.
constexpr qint64 MaxAniStreamBytes = MaxPictureBytes;

class TWkAniReader {
public:
    TWkAniReader(TWkAni& ani, const QByteArray& bytes) : ani(ani), data(bytes) {}
    // Raises EInvalidGraphic "Stream read error" for a malformed stream.
    void Read();

private:
    struct TChunkHeader {
        QByteArray Id;
        std::uint64_t Size = 0;
        std::uint64_t Padded() const { return (Size + 1) & ~std::uint64_t{1}; }
    };

    std::uint64_t left() const { return static_cast<std::uint64_t>(data.size()) - pos; }
    bool readHeader(TChunkHeader& header);
    std::uint32_t u32(std::uint64_t at) const;
    bool skip(std::uint64_t bytes);
    // False ends the chunk loop.
    bool readAnih(const TChunkHeader& header);
    bool readTable(const TChunkHeader& header, std::vector<std::uint32_t>& table);
    bool readList(const TChunkHeader& header);
    void readFrameList(std::int64_t remaining);
    void readInfoList(std::int64_t remaining);
    QString infoText(std::uint64_t size) const;
    // nullptr when the icon image cannot be loaded.
    std::unique_ptr<TWkIconFrame> loadIcon(const QByteArray& body);
    void removeFramesWithoutIcon();

    TWkAni& ani;
    const QByteArray& data;
    std::uint64_t pos = 0;
    bool sequenceRead = false;
};
