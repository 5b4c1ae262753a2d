#pragma once
// A GIF picture as a list of frames, read from and written to the GIF stream format. Frames
// keep their data as read and decode their bitmaps when first drawn or asked for.

#include "pictures/gif/gif_frame.h"
#include "pictures/gif/gif_lzw.h"

#include <QByteArray>
#include <QIODevice>
#include <memory>
#include <span>
#include <vector>

// With this set (the program's only setting), corrupt frame data mark the frame Corrupted
// instead of raising.
extern bool GifTolerantDecode;

class TWkGIFImage {
public:
    TWkGIFImage();
    ~TWkGIFImage();
    TWkGIFImage(const TWkGIFImage&) = delete;
    TWkGIFImage& operator=(const TWkGIFImage&) = delete;

    // Reads a whole GIF stream; frame 0 is decoded when `decodeFirst`. Raises
    // EInvalidGraphicOperation with the reason; frames read before a failure stay.
    void LoadFromBytes(std::span<const std::uint8_t> bytes, bool decodeFirst = true);
    // Reads from the device's position to its end.
    void LoadFromStream(QIODevice& stream);
    // Writes the GIF stream; raises EInvalidGraphicOperation and writes nothing on failure.
    QByteArray SaveToBytes();
    void SaveToStream(QIODevice& stream);
    // The form-streaming shapes: a 32-bit length, then the GIF stream.
    void ReadData(QIODevice& stream);
    void WriteData(QIODevice& stream);

    void Clear();
    void Draw(TCanvas& canvas, const TRect& rect);

    int Count() const { return static_cast<int>(FItems.size()); }
    TWkGIFFrame& Frame(int index) { return *FItems.at(index); }
    int FrameIndex() const { return FFrameIndex; }
    void SetFrameIndex(int index);
    int AddFrame(const QImage& bitmap);
    void DeleteFrame(int index);
    void MoveFrame(int current, int index);
    // Decodes every frame; a frame that fails is removed with all after it, and the image is
    // marked corrupt.
    void DecodeAllFrames();
    void EncodeAllFrames();

    TGIFVersion Version() const { return FVersion; }
    bool Looping() const { return FLooping; }
    void SetLooping(bool looping) { FLooping = looping; }
    int RepeatCount() const { return FRepeatCount; }
    void SetRepeatCount(int count);
    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor color) { FBackgroundColor = color; }
    bool Corrupted() const;
    int ScreenWidth() const;
    int ScreenHeight() const;
    int GlobalColorCount() const { return FImage->FColorMap.Count; }
    const QList<QByteArray>& Comment() const { return FImage->FComment; }
    // Replaces the global comment; an image sharing its data with a copy makes its own first.
    void SetComment(const QList<QByteArray>& comment);
    TColor TransparentColor() const;
    bool Transparent() const;
    void SetTransparent(bool transparent) { FTransparent = transparent; }
    bool Empty() const;
    int Width() const;
    int Height() const;
    // True only for an image sharing this one's data.
    bool Equals(const TWkGIFImage& other) const { return FImage == other.FImage; }
    void Assign(const TWkGIFImage& source);

    TGifProgress OnProgress;

private:
    friend class TGifStreamReader;
    friend class TGifStreamWriter;
    friend class TWkGIFFrame;

    TWkGIFFrame* currentFrame() const;
    void widenScreen(const TWkGIFFrame& frame);
    void recomputeScreen();
    void reset();

    std::shared_ptr<TGIFData> FImage;
    TGIFVersion FVersion = gvUnknown;
    std::vector<std::unique_ptr<TWkGIFFrame>> FItems;
    int FFrameIndex = -1;
    int FScreenWidth = 0;
    int FScreenHeight = 0;
    TColor FBackgroundColor = clNone;
    bool FLooping = false;
    bool FCorrupted = false;
    int FRepeatCount = 1;
    bool FTransparent = true;
};
