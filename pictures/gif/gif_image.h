#pragma once
// A GIF picture as a list of frames, read from and written to the GIF stream format. Frames
// keep their data as read and decode their bitmaps when first drawn or asked for.

#include "pictures/gif/gif_frame.h"
#include "pictures/gif/gif_lzw.h"
#include "platform/ui/graphic.h"

#include <QByteArray>
#include <QIODevice>
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
    // EInvalidGraphicOperation with the reason; frames read before a failure stay.
    void LoadFromBytes(const QByteArray& bytes, bool decodeFirst = true);
    // Reads from the device's position to its end.
    void LoadFromStream(QIODevice& stream) override;
    // Writes the GIF stream, encoding frames that hold only a bitmap first; raises
    // EInvalidGraphicOperation and writes nothing on failure.
    QByteArray SaveToBytes() const;
    void SaveToStream(QIODevice& stream) const override;
    // The form-streaming shapes: a 32-bit length, then the GIF stream.
    void ReadData(QIODevice& stream) override;
    void WriteData(QIODevice& stream) const override;

    // The "WkGIF Image" format when the data hold it, else a bitmap of the given format.
    void LoadFromClipboardFormat(const QMimeData& data, const QString& format) override;
    // Frame 0 as a bitmap and, when every frame has stored data, the whole picture.
    void SaveToClipboardFormat(QMimeData& data) const override;

    void Clear();
    void Draw(TCanvas& canvas, const TRect& rect) override;

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
    // cursor gives one frame per step.
    void Assign(const TGraphic* source) override;
    // To a bitmap: the current frame's picture, with its transparent colour.
    void AssignTo(TGraphic& dest) const override;

    TGifProgress OnProgress;

private:
    friend class TGifStreamReader;
    friend class TGifStreamWriter;
    friend class TWkGIFFrame;

    TWkGIFFrame* currentFrame() const;
    void widenScreen(const TWkGIFFrame& frame);
    void recomputeScreen();
    void reset();
    void assignImage(const TWkGIFImage& source);
    void assignAni(const TWkAni& source);

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
};
