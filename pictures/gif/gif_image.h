#pragma once
// A GIF picture as a list of frames, read from and written to the GIF stream format. Frames
// keep their data as read and decode their bitmaps when first drawn or asked for.

#include "pictures/gif/gif_frame.h"
#include "pictures/gif/gif_lzw.h"
#include "pictures/gif/gif_palette.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/graphic.h"

#include <QByteArray>
#include <QIODevice>
#include <cstddef>
#include <memory>
#include <vector>

// With this set (the program's only setting), corrupt frame data mark the frame Corrupted
// instead of raising.
extern bool GifTolerantDecode;

class TWkAni;

class TWkGIFImage : public TGraphic {
public:
    static constexpr const char* ClassName = "TWkGIFImage";

    TWkGIFImage();
    ~TWkGIFImage() override;

    TGraphicClass ClassType() const override { return GraphicClassOf<TWkGIFImage>(); }

    // Reads a whole GIF stream; frame 0 is decoded when `decodeFirst`. Raises
    // EInvalidGraphicOperation with the reason; frames read before a failure stay. The change
    // is announced once the first frame is current, also after a failure.
    void LoadFromBytes(const QByteArray& bytes, bool decodeFirst = true);
    // Reads from the device's position to its end.
    void LoadFromStream(QIODevice& stream) override;
    // The same from a module's resource (platform/ui/resource_stream.h); a missing one raises
    // EResNotFound.
    void LoadFromResourceName(const QString& module, const QString& name, const QString& type);
    void LoadFromResourceID(const QString& module, int id, const QString& type);
    // Writes the GIF stream, encoding frames that hold only a bitmap first; raises
    // EInvalidGraphicOperation and writes nothing on failure.
    QByteArray SaveToBytes() const;
    void SaveToStream(QIODevice& stream) const override;
    // The form-streaming shapes: a 32-bit length, then the GIF stream.
    void ReadData(QIODevice& stream) override;
    void WriteData(QIODevice& stream) const override;

    // The "WkGIF Image" format when the data hold it (frame 0 then shows the clipboard's bitmap
    // of its size, if there is one), else a bitmap of the given format.
    void LoadFromClipboardFormat(const QMimeData& data, const QString& format) override;
    // Frame 0 as a bitmap and, when every frame has stored data, the whole picture.
    void SaveToClipboardFormat(QMimeData& data) const override;

    void Clear();
    void Draw(TCanvas& canvas, const TRect& rect) override;

    int Count() const { return static_cast<int>(FItems.size()); }
    TWkGIFFrame& Frame(int index) { return *FItems.at(index); }
    int FrameIndex() const { return FFrameIndex; }
    // Clamped to -1 .. Count - 1; a change marks the palette modified and is announced.
    void SetFrameIndex(int index);
    // A new frame assigned from the graphic (an empty one for nullptr), made current; returns
    // its index. The version becomes 87a if unknown, 89a once there are two frames.
    int AddFrame(const TGraphic* graphic);
    int AddFrame(const QImage& pixels);
    void DeleteFrame(int index);
    void MoveFrame(int current, int index);
    // Decodes every frame in order. An abort (EAbort from the progress handler) removes the
    // frame it stopped and all after it and marks the image corrupt; other errors pass on.
    void DecodeAllFrames();
    // Encodes every frame without stored data and rebuilds every frame's control extension.
    void EncodeAllFrames();
    // Turns every frame and the background gray; frames holding only a bitmap are encoded at
    // once when `forceEncoding`. Raises "No GIF Data to write" without frames.
    void Grayscale(bool forceEncoding);

    // The current frame's bitmap (frame 0 when there is no current one); without frames an
    // empty bitmap is assigned first, which makes one frame.
    TBitmap& Bitmap();
    // The shown frame's bitmap palette; empty without frames.
    QList<QRgb> Palette() const;
    // pfDevice when empty; else the deepest of the global table's format, the bitmaps of
    // frames without stored data and the local tables.
    TPixelFormat PixelFormat() const;

    TGIFVersion Version() const { return FVersion; }
    bool Looping() const { return FLooping; }
    void SetLooping(bool looping);
    int RepeatCount() const { return FRepeatCount; }
    void SetRepeatCount(int count);
    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor color);
    bool Corrupted() const;
    int ScreenWidth() const;
    int ScreenHeight() const;
    int GlobalColorCount() const { return FImage->FColorMap.Count; }
    const QList<QByteArray>& Comment() const { return FImage->FComment; }
    // Replaces the global comment; an image sharing its data with a copy makes its own first.
    void SetComment(const QList<QByteArray>& comment);
    TColor TransparentColor() const;
    // True when the framework flag is set and some frame has a transparent colour.
    bool Transparent() const override;
    bool Empty() const override;
    int Width() const override;
    int Height() const override;
    // Raise "Cannot change the Size of a GIF image".
    void SetWidth(int width) override;
    void SetHeight(int height) override;
    // True only for an image sharing this one's data.
    bool Equals(const TWkGIFImage& other) const { return FImage == other.FImage; }
    // nullptr empties; another GIF shares its data; a bitmap becomes the one frame; an animated
    // cursor gives one frame per step; other graphics are asked to assign themselves.
    void Assign(const TGraphic* source) override;
    // A new picture of one frame copied from `frame`, with its owner's global colours.
    void Assign(const TWkGIFFrame* frame);
    void Assign(std::nullptr_t) { Assign(static_cast<const TGraphic*>(nullptr)); }
    // To a GIF: that one's Assign. To any other graphic: nothing when empty, else the current
    // frame (frame 0's bitmap when there is no current one).
    void AssignTo(TGraphic& dest) const override;

    TGifProgress OnProgress;

private:
    friend class TGifStreamReader;
    friend class TGifStreamWriter;
    friend class TWkGIFFrame;

    TWkGIFFrame* currentFrame() const;
    // The current frame, else frame 0, else nullptr.
    TWkGIFFrame* shownFrame() const;
    void widenScreen(const TWkGIFFrame& frame);
    void recomputeScreen();
    void reset();
    // The global data, copied first when another picture shares them.
    TGIFData& ownData();
    void readLengthPrefixed(QIODevice& stream, bool decodeFirst);
    void assignImage(const TWkGIFImage& source);
    void assignAni(const TWkAni& source);
    void grayFrame(TWkGIFFrame& frame, bool forceEncoding);

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
    TGifPalettes FPalettes;
    TGifDecodeScratch FDecodeScratch;
};
