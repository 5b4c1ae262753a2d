#pragma once
// The variable-width LZW coder of GIF frame data. Frame data is what a GIF file holds after an
// image descriptor: the minimum code size byte, data sub-blocks and a zero terminator. Pixels
// are rows of 1, 4 or 8 bits per pixel, packed most significant first.

#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

// Where the rows of a picture lie: row y starts at First + y * Stride (a negative stride walks
// a bottom-up bitmap).
template <class Byte> struct TGifRowsOf {
    Byte* First = nullptr;
    std::ptrdiff_t Stride = 0;
    int Width = 0;
    int Height = 0;
    int Bits = 8;

    Byte* Row(int y) const { return First + y * Stride; }
};
using TGifRows = TGifRowsOf<std::uint8_t>;
using TGifConstRows = TGifRowsOf<const std::uint8_t>;

enum class TProgressStage { psStarting, psRunning, psEnding };
// Called at the start, with each new percentage, and at the end (with the error text when the
// coder raises).
using TGifProgress = std::function<void(TProgressStage, int percent, const QString& message)>;

// The row after `row` in interlaced order (pass 0 every 8th from 0, pass 1 every 8th from 4,
// pass 2 every 4th from 2, pass 3 every 2nd from 1); `pass` carries the state. May return a row
// at or beyond the height, which callers never write.
int NextInterlacedRow(int row, int height, int& pass);

// Memory a caller that decodes many frames lends the decoder for the small ones, so that they do
// not each allocate and free their own (which makes the allocator hand memory back to the system
// and fault it in again, frame after frame).
using TGifDecodeScratch = std::vector<std::uint8_t>;

// Decodes frame data into the rows, which the caller has cleared. Pixels are masked to
// `pixelBits`. Returns true when the data are corrupt (cut short, a code naming no entry, a code
// size out of range): decoding stops there and undecoded pixels stay 0. With `tolerant` off a
// corruption raises EInvalidGraphicOperation instead.
bool DecodeGifLzw(std::span<const std::uint8_t> frameData, const TGifRows& rows, bool interlaced,
                  int pixelBits, bool tolerant, const TGifProgress& progress = {},
                  TGifDecodeScratch* scratch = nullptr);

// Encodes the rows into frame data appended to `out`.
void EncodeGifLzw(const TGifConstRows& rows, bool interlaced, std::vector<std::uint8_t>& out,
                  const TGifProgress& progress = {});
