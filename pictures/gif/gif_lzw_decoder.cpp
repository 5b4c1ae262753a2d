#include "pictures/gif/gif_lzw.h"
#include "pictures/gif/gif_lzw_progress.h"
#include "platform/ui/graphic.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

// Each table entry knows its string's length and, mostly, a place in the picture where the
// string was already written whole. A code's string is then one or two 16-byte copies from
// there, straight into the row, with no walk along the prefixes. Strings that have no such copy
// yet, or that run into the row's last bytes, are written in place by walking the table back
// from the last pixel. A string that runs past the end of its row is written in the same walk:
// its head goes to the row's end, its tail to an overflow that opens the rows after it.
//
// A picture whose rows follow each other in memory, or a small one decoded into a scratch copy
// and handed out row by row at the end, is one long row: no string is cut by a row's end, which
// in narrow frames would be most of them.

namespace {

constexpr int MaxCodeBits = 12;
constexpr unsigned MaxCodes = 1u << MaxCodeBits;
constexpr int MinCodeSize = 2;
constexpr int MaxCodeSize = 9;
constexpr unsigned MaxRoots = 1u << MaxCodeSize;
// Strings are copied in pieces of this size: a copy writes up to this far past a string's end,
// inside its row, and reads up to this far past its source.
constexpr unsigned CopyChunk = 16;
// One sub-block and the at most two bytes left of the one before, plus the bytes of one code
// read as a single 32-bit word.
constexpr std::size_t CodeBufferSize = 260;
// Frames up to this many pixels whose rows do not follow each other are decoded through a
// scratch copy; larger ones row by row, so that decoding never needs twice a large frame.
constexpr std::int64_t ScratchPixels = 512 * 512;

// Reads codes, least significant bit first, from the data sub-blocks after the code size byte.
class TCodeBitReader {
public:
    // The buffer's read position and how many of its bits hold data.
    struct TBits {
        std::uint32_t Position = 0;
        std::uint32_t Valid = 0;
    };

    // The progress follows the data taken in, which grows by one sub-block at a time.
    TCodeBitReader(std::span<const std::uint8_t> frameData, TGifProgressReport& progress)
        : FData(frameData), FProgress(progress) {}

    // The next code of `width` bits; false when the data end first (at the zero terminator or
    // the end of the data).
    bool ReadCodeBits(TBits& bits, unsigned width, unsigned& code) {
        if (bits.Position + width > bits.Valid) [[unlikely]] {
            bits = fill(bits, width);
            if (bits.Position + width > bits.Valid)
                return false;
        }
        std::uint32_t word;
        std::memcpy(&word, FBuffer.data() + bits.Position / 8, sizeof word);
        code = (word >> (bits.Position % 8)) & ((1u << width) - 1);
        bits.Position += width;
        return true;
    }

private:
    TBits fill(TBits bits, unsigned width) {
        while (bits.Position + width > bits.Valid && FNext < FData.size()) {
            // Fewer than 12 bits are unread, so at most two bytes are kept.
            const std::uint32_t first = bits.Position / 8;
            std::memmove(FBuffer.data(), FBuffer.data() + first, 3);
            bits.Position %= 8;
            bits.Valid -= first * 8;
            const std::size_t length = FData[FNext++];
            if (length == 0) {
                FNext = FData.size();
                break;
            }
            const std::size_t take = std::min(length, FData.size() - FNext);
            std::memcpy(FBuffer.data() + bits.Valid / 8, FData.data() + FNext, take);
            FNext += take;
            bits.Valid += static_cast<std::uint32_t>(take * 8);
            FProgress.Running(FNext, FData.size());
        }
        return bits;
    }

    std::span<const std::uint8_t> FData;
    TGifProgressReport& FProgress;
    std::size_t FNext = 1;
    std::array<std::uint8_t, CodeBufferSize> FBuffer{};
};

struct TEntry {
    // Where the whole string stands in the picture (or, for a root, in the root table), with
    // CopyChunk readable bytes after it; null when it stands nowhere yet.
    const std::uint8_t* Source;
    std::uint16_t Prefix;
    std::uint16_t Length;
    std::uint8_t Suffix;
    std::uint8_t First;
};

// The tables stand on the stack and only the roots are set: every other entry is written by the
// frame before it is read (a code above the next free one is refused), so what a frame pays
// for them grows with its data, and nothing is allocated.
struct TDecoderTables {
    std::array<TEntry, MaxCodes> Entries;
    // Each root's pixel, followed by room for a chunk read.
    std::array<std::uint8_t, MaxRoots + CopyChunk> Roots{};
    // The tail of a string that ran past the end of its row, waiting for the next rows.
    std::array<std::uint8_t, MaxCodes> Overflow;
};

// Copies at least `length` bytes in whole chunks. The bytes of the string never lie in the
// part of the destination written before they are read: a source stands before the write
// position or in another row.
inline void CopyChunks(std::uint8_t* to, const std::uint8_t* from, unsigned length) {
    unsigned done = 0;
    do {
        std::uint8_t chunk[CopyChunk];
        std::memcpy(chunk, from + done, CopyChunk);
        std::memcpy(to + done, chunk, CopyChunk);
        done += CopyChunk;
    } while (done < length);
}

// Writes the entry's string from the pixel at `from` on, taken from where it stands in the
// picture. The last pixel is always the suffix: the string of a code made by that very code
// ends in the pixel being written.
inline void CopyString(const TEntry& entry, std::uint8_t* to, unsigned length, unsigned from = 0) {
    std::memcpy(to, entry.Source + from, length - 1 - from);
    to[length - 1 - from] = entry.Suffix;
}

// Writes the code's string from its last pixel back along the prefixes.
void WalkString(const TEntry* table, unsigned code, std::uint8_t* to) {
    for (unsigned i = table[code].Length; i-- > 0;) {
        to[i] = table[code].Suffix;
        code = table[code].Prefix;
    }
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

// The part of the current row still to be written; Out is null once the picture is complete.
struct TLine {
    std::uint8_t* Out = nullptr;
    std::uint8_t* End = nullptr;
};

class TGifDecoder {
public:
    TGifDecoder(std::span<const std::uint8_t> data, const TGifRows& rows, bool interlaced,
                int pixelBits, bool tolerant, const TGifProgress& progress,
                TGifDecodeScratch* scratch)
        : FData(data), FProgress(progress), FReader(data, FProgress), FRows(rows),
          FInterlaced(interlaced), FTolerant(tolerant), FScratch(scratch ? *scratch : FOwnScratch) {
        FPixelMask = (1u << std::clamp(pixelBits, 1, 8)) - 1;
    }

    bool Run() {
        if (FData.empty()) {
            fail(GifCorruptText());
            FProgress.Ending(QString());
            return FCorrupt;
        }
        int codeSize = FData[0];
        if (codeSize < MinCodeSize || codeSize > MaxCodeSize) {
            fail(GifCodeSizeText());
            codeSize = std::clamp(codeSize, MinCodeSize, MaxCodeSize);
        }
        if (FRows.Width > 0 && FRows.Height > 0) {
            prepareRows();
            TDecoderTables tables;
            FTables = &tables;
            FOverflow = tables.Overflow.data();
            decode(static_cast<unsigned>(codeSize));
            if (FThroughScratch)
                handOutRows();
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

    // The whole picture as one row: in place when 8-bit rows follow each other in decoding
    // order, else in a scratch copy for a small frame. Otherwise 8-bit rows are written in
    // place and keep the copies that entries point to, and packed rows are put together in one
    // line, which no entry may point into since each row reuses it.
    void prepareRows() {
        const std::int64_t pixels = std::int64_t{FRows.Width} * FRows.Height;
        if (FRows.Bits == 8 && !FInterlaced && FRows.Stride == FRows.Width) {
            FLinear = FRows.Row(0);
        } else if (pixels <= ScratchPixels) {
            if (FScratch.size() < static_cast<std::size_t>(pixels))
                FScratch.resize(static_cast<std::size_t>(pixels));
            FLinear = FScratch.data();
            FThroughScratch = true;
        } else if (FRows.Bits != 8) {
            FLine.resize(static_cast<std::size_t>(FRows.Width));
            return;
        }
        if (FLinear) {
            FSourceLimit = reinterpret_cast<std::uintptr_t>(FLinear + pixels);
            return;
        }
        const std::uint8_t* highest = std::max(FRows.Row(0), FRows.Row(FRows.Height - 1));
        FSourceLimit = reinterpret_cast<std::uintptr_t>(highest) + FRows.Width;
    }

    // The scratch copy's rows, in decoding order, to their places.
    void handOutRows() {
        const std::uint8_t* from = FScratch.data();
        int pass = 0;
        for (int row = 0; row < FRows.Height; from += FRows.Width) {
            if (FRows.Bits == 8)
                std::memcpy(FRows.Row(row), from, static_cast<std::size_t>(FRows.Width));
            else
                PackRow(from, FRows.Row(row), FRows.Width, FRows.Bits);
            row = FInterlaced ? NextInterlacedRow(row, FRows.Height, pass) : row + 1;
        }
    }

    TLine lineOf(int row) {
        if (FLinear)
            return {FLinear, FLinear + std::ptrdiff_t{FRows.Width} * FRows.Height};
        std::uint8_t* start = FLine.empty() ? FRows.Row(row) : FLine.data();
        return {start, start + FRows.Width};
    }

    // The next row, opened with what overflowed from the rows before it.
    TLine nextRow() {
        if (FLinear)
            return {};
        for (;;) {
            if (!FLine.empty())
                PackRow(FLine.data(), FRows.Row(FRow), FRows.Width, FRows.Bits);
            FRow = FInterlaced ? NextInterlacedRow(FRow, FRows.Height, FPass) : FRow + 1;
            if (FRow >= FRows.Height)
                return {};
            TLine line = lineOf(FRow);
            const unsigned take = std::min(FOverflowLength, static_cast<unsigned>(FRows.Width));
            std::memcpy(line.Out, FOverflow, take);
            FOverflow += take;
            FOverflowLength -= take;
            line.Out += take;
            if (line.Out != line.End)
                return line;
        }
    }

    // Decoding ends before the picture is complete: the rest of the row loses what chunk
    // copies wrote ahead, and a packed row keeps its decoded part.
    void stop(TLine line, bool corrupt) {
        if (line.Out) {
            std::fill(line.Out, line.End, std::uint8_t{0});
            if (!FLine.empty())
                PackRow(FLine.data(), FRows.Row(FRow), FRows.Width, FRows.Bits);
        }
        if (corrupt)
            fail(GifCorruptText());
    }

    // A string that does not fit a chunk copy. Returns the line after it, with Out null when
    // the picture is complete; `end` is where the string ends, or null when it crossed rows.
    TLine writeSlowly(unsigned code, TLine line, std::uint8_t*& end) {
        TDecoderTables& t = *FTables;
        TEntry* const table = t.Entries.data();
        TEntry& entry = table[code];
        const unsigned length = entry.Length;
        const unsigned room = static_cast<unsigned>(line.End - line.Out);
        if (length <= room) {
            if (entry.Source) {
                CopyString(entry, line.Out, length);
            } else {
                WalkString(table, code, line.Out);
                if (sourceFits(line.Out, length))
                    entry.Source = line.Out;
            }
            line.Out += length;
            end = line.Out;
            return line.Out == line.End ? nextRow() : line;
        }
        if (entry.Source) {
            // The head is the string's first `room` pixels, short of its suffix.
            std::memcpy(line.Out, entry.Source, room);
            CopyString(entry, t.Overflow.data(), length, room);
        } else {
            // The first `room` pixels of the string are the whole string of the entry the walk
            // reaches after the tail.
            for (unsigned i = length; i-- > room;) {
                t.Overflow[i - room] = table[code].Suffix;
                code = table[code].Prefix;
            }
            WalkString(table, code, line.Out);
        }
        FOverflow = t.Overflow.data();
        FOverflowLength = length - room;
        end = nullptr;
        return nextRow();
    }

    bool sourceFits(const std::uint8_t* start, unsigned length) const {
        return reinterpret_cast<std::uintptr_t>(start) + length + CopyChunk <= FSourceLimit;
    }

    void decode(unsigned codeSize) {
        TEntry* const table = FTables->Entries.data();
        const unsigned clear = 1u << codeSize;
        const unsigned end = clear + 1;
        for (unsigned code = 0; code < clear; ++code) {
            std::uint8_t& root = FTables->Roots[code];
            root = static_cast<std::uint8_t>(code & FPixelMask);
            table[code] = {&root, 0, 1, root, root};
        }
        // A code size out of range: only the code right after each clear counts.
        const bool firstCodesOnly = FCorrupt;
        const std::uintptr_t sourceLimit = FSourceLimit;
        TCodeBitReader::TBits bits;
        TLine line = lineOf(0);
        for (;;) {
            unsigned width = codeSize + 1;
            unsigned capacity = 1u << width;
            unsigned free = clear + 2;
            unsigned code;
            do {
                if (!FReader.ReadCodeBits(bits, width, code))
                    return stop(line, true);
            } while (code == clear);
            if (code >= end)
                return stop(line, code > end);
            *line.Out = table[code].Suffix;
            std::uint8_t* oldStart = line.Out;
            std::uint8_t* oldEnd = ++line.Out;
            if (line.Out == line.End && !(line = nextRow()).Out)
                return;
            unsigned old = code;
            if (firstCodesOnly) {
                if (!FReader.ReadCodeBits(bits, width, code))
                    return stop(line, true);
                if (code != clear)
                    return stop(line, code != end);
                continue;
            }
            for (;;) {
                if (!FReader.ReadCodeBits(bits, width, code))
                    return stop(line, true);
                if (code - clear < 2) [[unlikely]] {
                    if (code == end)
                        return stop(line, false);
                    break;
                }
                // A code equal to the free code is the entry made right here.
                if (code > free) [[unlikely]]
                    return stop(line, true);
                if (free < MaxCodes) {
                    const TEntry& prefix = table[old];
                    TEntry& added = table[free];
                    added.Prefix = static_cast<std::uint16_t>(old);
                    added.Length = static_cast<std::uint16_t>(prefix.Length + 1);
                    added.First = prefix.First;
                    added.Suffix = table[code].First;
                    // The old string stands just before the one written now, whose first pixel
                    // completes the new string.
                    added.Source =
                        oldEnd == line.Out && reinterpret_cast<std::uintptr_t>(oldStart) +
                                                      added.Length + CopyChunk <=
                                                  sourceLimit
                            ? oldStart
                            : nullptr;
                    if (++free == capacity && width < MaxCodeBits) {
                        ++width;
                        capacity <<= 1;
                    }
                }
                const TEntry& entry = table[code];
                oldStart = line.Out;
                if (entry.Source && entry.Length + CopyChunk <= line.End - line.Out) [[likely]] {
                    CopyChunks(line.Out, entry.Source, entry.Length);
                    // The copy of a string made by this very code ends in the pixel it is
                    // writing; the last pixel is always the suffix.
                    line.Out[entry.Length - 1] = entry.Suffix;
                    line.Out += entry.Length;
                    oldEnd = line.Out;
                } else if (!(line = writeSlowly(code, line, oldEnd)).Out) {
                    return;
                }
                old = code;
            }
        }
    }

    std::span<const std::uint8_t> FData;
    TGifProgressReport FProgress;
    TCodeBitReader FReader;
    const TGifRows& FRows;
    bool FInterlaced;
    bool FTolerant;
    // The current frame's, while it decodes.
    TDecoderTables* FTables = nullptr;
    std::vector<std::uint8_t> FLine;
    // The picture as one row, and the scratch copy it may stand in (the caller's, else ours).
    std::uint8_t* FLinear = nullptr;
    TGifDecodeScratch FOwnScratch;
    TGifDecodeScratch& FScratch;
    bool FThroughScratch = false;
    const std::uint8_t* FOverflow = nullptr;
    unsigned FOverflowLength = 0;
    // One past the highest byte of the rows an entry may copy from; 0 for packed rows.
    std::uintptr_t FSourceLimit = 0;
    unsigned FPixelMask = 0xFF;
    int FRow = 0;
    int FPass = 0;
    bool FCorrupt = false;
};

} // namespace

bool DecodeGifLzw(std::span<const std::uint8_t> frameData, const TGifRows& rows, bool interlaced,
                  int pixelBits, bool tolerant, const TGifProgress& progress,
                  TGifDecodeScratch* scratch) {
    return TGifDecoder(frameData, rows, interlaced, pixelBits, tolerant, progress, scratch).Run();
}
