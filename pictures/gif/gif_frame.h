#pragma once
// One frame of a GIF picture: its undecoded data (shared between copies of the frame), its
// extension blocks, placement and timing, and the bitmap decoded from the data on first use.
// A bitmap changed after that (drawn on, assigned, loaded) is what the frame shows and saves:
// the frame lets go of its stored data and is encoded again when the picture is written.

#include "pictures/gif/gif_types.h"
#include "platform/ui/geometry.h"

#include <QPoint>
#include <cstddef>
#include <memory>

class QImage;
class TBitmap;
class TCanvas;
class TGraphic;
class TWkGIFImage;

class TWkGIFFrame {
public:
    static constexpr const char* ClassName = "TWkGIFFrame";

    explicit TWkGIFFrame(TWkGIFImage* owner);
    ~TWkGIFFrame();
    TWkGIFFrame(const TWkGIFFrame&) = delete;
    TWkGIFFrame& operator=(const TWkGIFFrame&) = delete;

    // The picture, made on first use: decoded from the data (1 bit per pixel for two-colour
    // frames, else 4 or 8 bits with the frame's colours) when it is missing or empty. Raises
    // EInvalidGraphicOperation when the data cannot be decoded.
    TBitmap& Bitmap();
    // True when the frame holds a bitmap with pixels (decoded or given).
    bool HasBitmap() const;
    bool HasData() const { return FImage && !FImage->FImageData.empty(); }

    // 0 when the frame has neither bitmap nor data, else the picture's size.
    int Width() const;
    int Height() const;
    // The frame's table count, else the entries of its bitmap's palette, else 0.
    int ColorCount() const;
    // The data of the frame's last comment extension (made when asked for).
    QList<QByteArray>& Comment();

    QPoint Origin() const { return FTopLeft; }
    // Moves the frame; the owner's screen grows to hold it.
    void SetOrigin(QPoint origin);
    std::uint32_t AnimateInterval() const { return FAnimateInterval; }
    // These three store the value, raise the owner to 89a for a value other than 0, dmUndefined
    // or clNone, and tell the owner of the change.
    void SetAnimateInterval(std::uint32_t milliseconds);
    void SetDisposalMethod(TDisposalMethod method);
    void SetTransparentColor(TColor color);
    TDisposalMethod DisposalMethod() const { return FDisposal; }
    TColor TransparentColor() const { return FTransparentColor; }
    bool Interlaced() const { return FInterlaced; }
    bool Corrupted() const { return FCorrupted; }
    bool LocalColors() const { return FLocalColors; }
    bool Grayscale() const { return FGrayscale; }

    const std::shared_ptr<TGIFItem>& Item() const { return FImage; }
    std::vector<TExtension>& Extensions() { return FExtensions; }

    // Stretches the frame into the rectangle, leaving out the transparent colour when asked.
    void Draw(TCanvas& canvas, const TRect& rect, bool transparent);

    // Each assign ends with the owner's screen fitted to its frames and the owner told.
    // nullptr: back to an empty frame with no data and no bitmap.
    void Assign(std::nullptr_t);
    // Shares the other frame's data and copies its settings, comment and bitmap.
    void Assign(const TWkGIFFrame* source);
    // A GIF picture gives its current frame (frame 0 without one; nothing when it has none).
    // Any other graphic becomes the bitmap; one the bitmap cannot take is drawn on fuchsia at
    // its size. A transparent graphic leaves out its transparent colour (a bitmap's own, else
    // the fuchsia).
    void Assign(const TGraphic* source);
    void AssignTo(TWkGIFFrame& dest) const;
    // A GIF picture is assigned this frame; any other graphic the bitmap, and a bitmap also
    // the transparent colour (the nearest it holds) with Transparent on.
    void AssignTo(TGraphic& dest) const;

private:
    friend class TGifStreamReader;
    friend class TGifStreamWriter;
    friend class TWkGIFImage;

    void decodeBitmap();
    // Puts pixels in the bitmap that match the stored data, which stay.
    void takeDecoded(const QImage& pixels);
    // Empties the bitmap without letting go of the stored data.
    void clearBitmap();
    void decodeAgain();
    // New stored data from the bitmap, reduced to 8 bits first when it has more colours. The
    // frame is left as it was when encoding fails or is aborted.
    void encodeBitmap();
    void rebuildControlExtension();
    void reset();
    // The assigns without the screen fitting and the owner's notice.
    void assignFrom(const TGraphic* source);
    void assignFrame(const TWkGIFFrame& source);
    void assignGraphic(const TGraphic& source);
    TBitmap& ownBitmap();
    void bitmapChanged();
    void settingChanged();

    TWkGIFImage* FOwner;
    std::unique_ptr<TBitmap> FBitmap;
    // Set while the frame itself fills its bitmap from its data.
    bool FFillingBitmap = false;
    std::shared_ptr<TGIFItem> FImage;
    std::vector<TExtension> FExtensions;
    QPoint FTopLeft;
    bool FInterlaced = false;
    bool FCorrupted = false;
    bool FGrayscale = false;
    TColor FTransparentColor = clNone;
    // 32 bits, so a long delay survives a save (the file's field counts hundredths up to 65535).
    std::uint32_t FAnimateInterval = 0;
    TDisposalMethod FDisposal = dmUndefined;
    bool FLocalColors = false;
};
