#pragma once
// The records of a GIF stream as the picture keeps them: colour tables, extension blocks, the
// image-wide data shared between copies and the undecoded data of one frame.

#include "platform/ui/color.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

enum TGIFVersion { gvUnknown, gv87a, gv89a };

enum TDisposalMethod {
    dmUndefined,
    dmLeave,
    dmRestoreBackground,
    dmRestorePrevious,
    dmReserved4,
    dmReserved5,
    dmReserved6,
    dmReserved7
};

// Up to 256 entries of Red, Green, Blue in file order; Count 0 means no table.
struct TGIFColorTable {
    int Count = 0;
    std::array<std::uint8_t, 256 * 3> Colors{};

    TColor ColorAt(int index) const {
        const std::uint8_t* rgb = &Colors[index * 3];
        return rgb[0] + rgb[1] * 256 + rgb[2] * 65536;
    }
    void SetColorAt(int index, TColor color) {
        Colors[index * 3] = static_cast<std::uint8_t>(GetRValue(color));
        Colors[index * 3 + 1] = static_cast<std::uint8_t>(GetGValue(color));
        Colors[index * 3 + 2] = static_cast<std::uint8_t>(GetBValue(color));
    }
    // The first entry of that colour, or -1.
    int IndexOf(TColor color) const {
        for (int i = 0; i < Count; ++i)
            if (ColorAt(i) == color)
                return i;
        return -1;
    }
    // Moves the entry's Blue byte until no other entry has its colour, so that leaving out the
    // entry's colour (a transparent entry) leaves out no other entry's pixels.
    void MakeEntryUnique(int index);
    // Every entry becomes its gray, (R * 77 + G * 150 + B * 29) shr 8 in all three bytes.
    void MakeGray();
};

// The gray of a colour as the grayscale conversion makes it.
TColor GifGrayOf(TColor color);

// The exponent of a table size: 2 -> 1 .. 256 -> 8; 0 for any other count.
int GifColorBits(int count);
// The smallest n >= 1 with 2^n >= count.
int GifBitsForCount(int count);

enum TExtensionType { etGraphic, etPlainText, etApplication, etComment };

struct TGraphicControlExtension {
    std::uint8_t BlockSize = 4;
    std::uint8_t PackedFields = 0; // bit 0 transparent, bits 2-4 disposal
    std::uint16_t DelayTime = 0;   // hundredths of a second
    std::uint8_t TransparentColorIndex = 0;
    std::uint8_t Terminator = 0;
};

struct TPlainTextExtension {
    std::uint8_t BlockSize = 12;
    std::uint16_t Left = 0, Top = 0, Width = 0, Height = 0;
    std::uint8_t CellWidth = 0, CellHeight = 0, FGColorIndex = 0, BGColorIndex = 0;
};

struct TAppExtension {
    std::uint8_t BlockSize = 11;
    std::array<std::uint8_t, 8> AppId{};
    std::array<std::uint8_t, 3> Authentication{};
};

// One extension block with its data sub-blocks, one item each, as raw bytes.
struct TExtension {
    TExtensionType FExtType = etComment;
    TGraphicControlExtension GCE;
    TPlainTextExtension PTE;
    TAppExtension APPE;
    QList<QByteArray> FData;

    // A NETSCAPE2.0 or ANIMEXTS1.0 block whose first sub-block holds a loop count.
    bool IsLoopExtension() const;
    // The loop count of a loop extension, at most 30000.
    int LoopCount() const;
};

constexpr int MaxRepeatCount = 30000;

// What copies of one image share: the global comment and colour table.
struct TGIFData {
    QList<QByteArray> FComment;
    std::uint8_t FAspectRatio = 0;
    std::uint8_t FBitsPerPixel = 0;
    std::uint8_t FColorResBits = 0;
    TGIFColorTable FColorMap;
};

// What copies of one frame share: its data as stored in the file and its colours.
struct TGIFItem {
    // The LZW minimum code size byte and the data sub-blocks with their terminator.
    std::vector<std::uint8_t> FImageData;
    int Width = 0;
    int Height = 0;
    std::uint8_t FPackedFields = 0;
    std::uint8_t FBitsPerPixel = 0;
    TGIFColorTable FColorMap;
};

// Frames are decoded into memory, up to one byte per pixel; a file asking for more, in one frame
// or in all its frames together, is refused while it is read, before any frame is decoded.
constexpr int MaxGifFrameSide = 16384;
constexpr std::int64_t MaxGifFramePixels = 64 * 1024 * 1024;
constexpr std::int64_t MaxGifPicturePixels = 128 * 1024 * 1024;
// A GIF stream longer than this is refused before it is read whole.
constexpr qint64 MaxGifStreamBytes = 256 * 1024 * 1024;
// "No GIF Data to write": a picture or frame with nothing to encode.
QString GifNoDataText();

// Raises EInvalidGraphicOperation for a frame past those bounds.
void CheckGifFrameSize(int width, int height);
// Raises EInvalidGraphicOperation when frames of that many pixels together pass the bound.
void CheckGifPictureSize(std::int64_t pixels);
