#include "pictures/gif/gif_lzw.h"
#include "pictures/gif/gif_lzw_progress.h"

#include <algorithm>
#include <array>

namespace {

constexpr int MaxCodes = 1 << 12;
// The encoder stops assigning codes here and clears, so a code never needs 13 bits.
constexpr int LastEncoderCode = 4094;
constexpr int HashSize = 17777;

int PixelAt(const std::uint8_t* row, int x, int bits) {
    switch (bits) {
    case 1:
        return (row[x / 8] >> (7 - x % 8)) & 1;
    case 4:
        return (row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0x0F;
    default:
        return row[x];
    }
}

// Packs codes least significant bit first into 255-byte sub-blocks.
class TCodeBitWriter {
public:
    explicit TCodeBitWriter(std::vector<std::uint8_t>& out) : FOut(out) {}

    void WriteCodeBits(int code, int width) {
        FBits |= static_cast<std::uint64_t>(code) << FCount;
        FCount += width;
        while (FCount >= 8) {
            FBlock[FBlockLength++] = static_cast<std::uint8_t>(FBits);
            FBits >>= 8;
            FCount -= 8;
            if (FBlockLength == FBlock.size())
                writeBlock();
        }
    }

    void Flush() {
        if (FCount > 0) {
            FBlock[FBlockLength++] = static_cast<std::uint8_t>(FBits);
            FBits = 0;
            FCount = 0;
        }
        if (FBlockLength > 0)
            writeBlock();
        FOut.push_back(0);
    }

private:
    void writeBlock() {
        FOut.push_back(static_cast<std::uint8_t>(FBlockLength));
        FOut.insert(FOut.end(), FBlock.begin(), FBlock.begin() + FBlockLength);
        FBlockLength = 0;
    }

    std::vector<std::uint8_t>& FOut;
    std::array<std::uint8_t, 255> FBlock{};
    std::size_t FBlockLength = 0;
    std::uint64_t FBits = 0;
    int FCount = 0;
};

int LzwHashStart(int pixel) {
    return (pixel + 3) * 301;
}

class TGifEncoder {
public:
    TGifEncoder(const TGifConstRows& rows, std::vector<std::uint8_t>& out)
        : FRows(rows), FWriter(out) {
        FStartWidth = rows.Bits + 1 == 2 ? 3 : rows.Bits + 1;
        FClear = 1 << (FStartWidth - 1);
        FEnd = FClear + 1;
        out.push_back(static_cast<std::uint8_t>(FStartWidth - 1));
        FHash.resize(HashSize);
        FNodePrefix.resize(MaxCodes);
        FNodeSuffix.resize(MaxCodes);
        restart();
        FWriter.WriteCodeBits(FClear, FWidth);
    }

    void AddRow(const std::uint8_t* row) {
        for (int x = 0; x < FRows.Width; ++x)
            addPixel(PixelAt(row, x, FRows.Bits));
    }

    void Finish() {
        if (FHasPrefix)
            FWriter.WriteCodeBits(FPrefix, FWidth);
        FWriter.WriteCodeBits(FEnd, FWidth);
        FWriter.Flush();
    }

private:
    void restart() {
        FWidth = FStartWidth;
        FCapacity = 1 << FWidth;
        FLastCode = FEnd;
        std::fill(FHash.begin(), FHash.end(), 0);
    }

    void addPixel(int pixel) {
        if (!FHasPrefix) {
            FHasPrefix = true;
            FPrefix = pixel;
            FHashValue = LzwHashStart(pixel);
            FLength = 1;
            return;
        }
        ++FLength;
        FHashValue = static_cast<int>((static_cast<std::int64_t>(pixel) + FLength + 4) *
                                      FHashValue % HashSize);
        int slot = FHashValue;
        while (FHash[slot] != 0) {
            const int node = FHash[slot];
            if (FNodePrefix[node] == FPrefix && FNodeSuffix[node] == pixel) {
                FPrefix = node;
                return;
            }
            slot = slot + 1 == HashSize ? 0 : slot + 1;
        }
        FWriter.WriteCodeBits(FPrefix, FWidth);
        const int code = ++FLastCode;
        FHash[slot] = static_cast<std::uint16_t>(code);
        FNodePrefix[code] = static_cast<std::uint16_t>(FPrefix);
        FNodeSuffix[code] = static_cast<std::uint8_t>(pixel);
        FPrefix = pixel;
        FHashValue = LzwHashStart(pixel);
        FLength = 1;
        if (code >= FCapacity) {
            FCapacity <<= 1;
            ++FWidth;
        }
        if (code >= LastEncoderCode) {
            FWriter.WriteCodeBits(FPrefix, FWidth);
            FWriter.WriteCodeBits(FClear, FWidth);
            restart();
            FHasPrefix = false;
        }
    }

    const TGifConstRows& FRows;
    TCodeBitWriter FWriter;
    std::vector<std::uint16_t> FHash;
    std::vector<std::uint16_t> FNodePrefix;
    std::vector<std::uint8_t> FNodeSuffix;
    int FStartWidth = 0;
    int FWidth = 0;
    int FCapacity = 0;
    int FClear = 0;
    int FEnd = 0;
    int FLastCode = 0;
    int FPrefix = 0;
    int FHashValue = 0;
    std::uint16_t FLength = 0;
    bool FHasPrefix = false;
};

} // namespace

void EncodeGifLzw(const TGifConstRows& rows, bool interlaced, std::vector<std::uint8_t>& out,
                  const TGifProgress& progress) {
    TGifProgressReport report(progress);
    TGifEncoder encoder(rows, out);
    int row = 0;
    int pass = 0;
    for (int done = 0; done < rows.Height && row < rows.Height; ++done) {
        encoder.AddRow(rows.Row(row));
        row = interlaced ? NextInterlacedRow(row, rows.Height, pass) : row + 1;
        report.Running(static_cast<std::size_t>(done) + 1, static_cast<std::size_t>(rows.Height));
    }
    encoder.Finish();
    report.Ending(QString());
}
