#include "pictures/gif/gif_lzw.h"

#include "platform/ui/graphic.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

namespace {

constexpr int MaxCodeBits = 12;
constexpr int MaxCodes = 1 << MaxCodeBits;
constexpr int MinCodeSize = 2;
constexpr int MaxCodeSize = 9;
// The encoder stops assigning codes here and clears, so a code never needs 13 bits.
constexpr int LastEncoderCode = 4094;
constexpr int HashSize = 17777;
// Bytes a reader may touch past the data: a code is read with one 32-bit load.
constexpr std::size_t ReadSlack = 4;

QString CodeSizeText() {
    return QStringLiteral("GIF code size not in range 2 to 9");
}

QString CorruptText() {
    return QStringLiteral("GIF encoded data is corrupt");
}

// Tells the progress handler about each new percentage only.
class TProgressReport {
public:
    explicit TProgressReport(const TGifProgress& handler) : FHandler(handler) {
        if (FHandler)
            FHandler(TProgressStage::psStarting, 0, QString());
    }
    void Running(std::size_t done, std::size_t total) {
        if (!FHandler || total == 0)
            return;
        const int percent = static_cast<int>(done * 100 / total);
        if (percent != FLast) {
            FLast = percent;
            FHandler(TProgressStage::psRunning, percent, QString());
        }
    }
    void Ending(const QString& message) {
        if (FHandler)
            FHandler(TProgressStage::psEnding, message.isEmpty() ? 100 : FLast, message);
    }

private:
    const TGifProgress& FHandler;
    int FLast = -1;
};

// The sub-blocks after the code size byte, joined, with zero slack after the end. Stops at the
// terminator or at the end of the data, whichever comes first.
std::vector<std::uint8_t> JoinSubBlocks(std::span<const std::uint8_t> data) {
    std::vector<std::uint8_t> joined;
    joined.reserve(data.size() + ReadSlack);
    std::size_t pos = 1;
    while (pos < data.size()) {
        const std::size_t length = data[pos++];
        if (length == 0)
            break;
        const std::size_t take = std::min(length, data.size() - pos);
        joined.insert(joined.end(), data.begin() + pos, data.begin() + pos + take);
        pos += take;
    }
    return joined;
}

void PackRow(const std::uint8_t* line, std::uint8_t* row, int width, int bits) {
    if (bits == 4) {
        for (int x = 0; x < width; ++x)
            row[x / 2] |= static_cast<std::uint8_t>((line[x] & 0x0F) << (x % 2 == 0 ? 4 : 0));
    } else {
        for (int x = 0; x < width; ++x)
            row[x / 8] |= static_cast<std::uint8_t>((line[x] & 1) << (7 - x % 8));
    }
}

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

// Collects decoded pixels into rows in the right order; pixels past the last row are dropped.
class TRowSink {
public:
    explicit TRowSink(const TGifRows& rows, bool interlaced)
        : FRows(rows), FInterlaced(interlaced), FLine(rows.Bits == 8 ? 0 : rows.Width) {
        FCurrent = lineFor(0);
    }

    bool Done() const { return FRow >= FRows.Height; }
    int RowsWritten() const { return FRowsWritten; }

    // Room for a string of `length` pixels inside the current row, or null when it crosses rows.
    std::uint8_t* Reserve(int length) {
        return FX + length <= FRows.Width ? FCurrent + FX : nullptr;
    }
    void Commit(int length) {
        FX += length;
        if (FX == FRows.Width)
            nextRow();
    }
    void PutAcrossRows(const std::uint8_t* pixels, int length) {
        for (int i = 0; i < length && !Done(); ++i) {
            FCurrent[FX++] = pixels[i];
            if (FX == FRows.Width)
                nextRow();
        }
    }

private:
    std::uint8_t* lineFor(int y) { return FRows.Bits == 8 ? FRows.Row(y) : FLine.data(); }

    void nextRow() {
        if (FRows.Bits != 8)
            PackRow(FLine.data(), FRows.Row(FRow), FRows.Width, FRows.Bits);
        ++FRowsWritten;
        FX = 0;
        FRow = FInterlaced ? NextInterlacedRow(FRow, FRows.Height, FPass) : FRow + 1;
        if (!Done())
            FCurrent = lineFor(FRow);
    }

    const TGifRows& FRows;
    bool FInterlaced;
    std::vector<std::uint8_t> FLine;
    std::uint8_t* FCurrent = nullptr;
    int FRow = 0;
    int FPass = 0;
    int FX = 0;
    int FRowsWritten = 0;
};

struct TDecoderTables {
    std::array<std::uint16_t, MaxCodes> Prefix{};
    std::array<std::uint16_t, MaxCodes> Length{};
    std::array<std::uint8_t, MaxCodes> Suffix{};
    std::array<std::uint8_t, MaxCodes> First{};
    std::array<std::uint8_t, MaxCodes + 1> Stack{};
};

class TGifDecoder {
public:
    TGifDecoder(std::span<const std::uint8_t> data, const TGifRows& rows, bool interlaced,
                int pixelBits, bool tolerant, const TGifProgress& progress)
        : FData(data), FSink(rows, interlaced), FRows(rows), FTolerant(tolerant),
          FProgress(progress), FTables(std::make_unique<TDecoderTables>()) {
        FPixelMask = (1 << std::clamp(pixelBits, 1, 8)) - 1;
    }

    bool Run() {
        if (FData.empty()) {
            fail(CorruptText());
            FProgress.Ending(QString());
            return FCorrupt;
        }
        int codeSize = FData[0];
        if (codeSize < MinCodeSize || codeSize > MaxCodeSize) {
            fail(CodeSizeText());
            codeSize = std::clamp(codeSize, MinCodeSize, MaxCodeSize);
        }
        if (FRows.Width > 0 && FRows.Height > 0) {
            FBytes = JoinSubBlocks(FData);
            FTotalBits = FBytes.size() * 8;
            FBytes.resize(FBytes.size() + ReadSlack);
            decode(codeSize);
        }
        FProgress.Ending(QString());
        return FCorrupt;
    }

private:
    void fail(const QString& message) {
        if (!FTolerant) {
            FProgress.Ending(message);
            throw EInvalidGraphicOperation(message);
        }
        FCorrupt = true;
    }

    void decode(int codeSize) {
        TDecoderTables& t = *FTables;
        const int clear = 1 << codeSize;
        const int end = clear + 1;
        for (int code = 0; code < clear; ++code) {
            t.Suffix[code] = static_cast<std::uint8_t>(code & FPixelMask);
            t.First[code] = t.Suffix[code];
            t.Length[code] = 1;
        }
        const bool badCodeSize = FCorrupt;
        int width = codeSize + 1;
        int capacity = 1 << width;
        int free = clear + 2;
        bool full = false;
        bool afterClear = true;
        int old = 0;
        int rowsReported = 0;
        while (!FSink.Done()) {
            if (FBitPos + width > FTotalBits) {
                fail(CorruptText());
                return;
            }
            const int code = readCode(width);
            if (code == end)
                return;
            if (code == clear) {
                width = codeSize + 1;
                capacity = 1 << width;
                free = clear + 2;
                full = false;
                afterClear = true;
                continue;
            }
            if (afterClear) {
                if (code > end) {
                    fail(CorruptText());
                    return;
                }
                output(code);
                old = code;
                afterClear = false;
                continue;
            }
            if (badCodeSize)
                return;
            if (code > free || (code == free && full)) {
                fail(CorruptText());
                return;
            }
            if (!full) {
                t.Prefix[free] = static_cast<std::uint16_t>(old);
                t.First[free] = t.First[old];
                t.Length[free] = static_cast<std::uint16_t>(t.Length[old] + 1);
                // For a code not yet in the table (the "KwKwK" case) the new entry is that code.
                t.Suffix[free] = code == free ? t.First[old] : t.First[code];
                if (++free == capacity) {
                    if (width < MaxCodeBits) {
                        ++width;
                        capacity <<= 1;
                    } else {
                        full = true;
                    }
                }
            }
            output(code);
            old = code;
            if (FSink.RowsWritten() != rowsReported) {
                rowsReported = FSink.RowsWritten();
                FProgress.Running(FBitPos / 8, FTotalBits / 8);
            }
        }
    }

    int readCode(int width) {
        std::uint32_t word;
        std::memcpy(&word, FBytes.data() + FBitPos / 8, sizeof word);
        const int code = static_cast<int>((word >> (FBitPos % 8)) & ((1u << width) - 1));
        FBitPos += width;
        return code;
    }

    // Writes the code's string; the table holds it back to front, from the last pixel.
    void output(int code) {
        TDecoderTables& t = *FTables;
        const int length = t.Length[code];
        std::uint8_t* dest = FSink.Reserve(length);
        std::uint8_t* out = dest ? dest : t.Stack.data();
        int walk = code;
        for (int i = length - 1; i >= 0; --i) {
            out[i] = t.Suffix[walk];
            walk = t.Prefix[walk];
        }
        if (dest)
            FSink.Commit(length);
        else
            FSink.PutAcrossRows(t.Stack.data(), length);
    }

    std::span<const std::uint8_t> FData;
    TRowSink FSink;
    const TGifRows& FRows;
    bool FTolerant;
    TProgressReport FProgress;
    std::unique_ptr<TDecoderTables> FTables;
    std::vector<std::uint8_t> FBytes;
    std::size_t FTotalBits = 0;
    std::size_t FBitPos = 0;
    int FPixelMask = 0xFF;
    bool FCorrupt = false;
};

// Packs codes least significant bit first into 255-byte sub-blocks.
class TBitWriter {
public:
    explicit TBitWriter(std::vector<std::uint8_t>& out) : FOut(out) {}

    void Put(int code, int width) {
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
        FWriter.Put(FClear, FWidth);
    }

    void AddRow(const std::uint8_t* row) {
        for (int x = 0; x < FRows.Width; ++x)
            addPixel(PixelAt(row, x, FRows.Bits));
    }

    void Finish() {
        if (FHasPrefix)
            FWriter.Put(FPrefix, FWidth);
        FWriter.Put(FEnd, FWidth);
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
        FWriter.Put(FPrefix, FWidth);
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
            FWriter.Put(FPrefix, FWidth);
            FWriter.Put(FClear, FWidth);
            restart();
            FHasPrefix = false;
        }
    }

    const TGifConstRows& FRows;
    TBitWriter FWriter;
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

int NextInterlacedRow(int row, int height, int& pass) {
    static constexpr int Starts[] = {0, 4, 2, 1};
    static constexpr int Steps[] = {8, 8, 4, 2};
    row += Steps[pass];
    while (row >= height && pass < 3) {
        ++pass;
        row = Starts[pass];
    }
    return row;
}

bool DecodeGifLzw(std::span<const std::uint8_t> frameData, const TGifRows& rows, bool interlaced,
                  int pixelBits, bool tolerant, const TGifProgress& progress) {
    return TGifDecoder(frameData, rows, interlaced, pixelBits, tolerant, progress).Run();
}

void EncodeGifLzw(const TGifConstRows& rows, bool interlaced, std::vector<std::uint8_t>& out,
                  const TGifProgress& progress) {
    TProgressReport report(progress);
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
