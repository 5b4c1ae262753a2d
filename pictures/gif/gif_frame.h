#pragma once
// One frame of a GIF picture: its undecoded data (shared between copies of the frame), its
// extension blocks, placement and timing, and the bitmap decoded from the data on first use.

#include "pictures/gif/gif_types.h"
#include "platform/ui/geometry.h"

#include <QImage>
#include <QPoint>
#include <memory>

class TCanvas;
class TWkGIFImage;

class TWkGIFFrame {
public:
    explicit TWkGIFFrame(TWkGIFImage* owner);

    // The decoded picture: 1 bit per pixel for two-colour frames, else 8-bit indexed. Decoded
    // on first use; raises EInvalidGraphicOperation when the data cannot be decoded.
    const QImage& Bitmap();
    void SetBitmap(const QImage& bitmap);
    bool HasBitmap() const { return !FBitmap.isNull(); }
    bool HasData() const { return FImage && !FImage->FImageData.empty(); }

    int Width() const;
    int Height() const;
    int ColorCount() const;
    // The data of the frame's last comment extension (made when asked for).
    QList<QByteArray>& Comment();

    QPoint Origin() const { return FTopLeft; }
    void SetOrigin(QPoint origin);
    std::uint32_t AnimateInterval() const { return FAnimateInterval; }
    void SetAnimateInterval(std::uint32_t milliseconds);
    TDisposalMethod DisposalMethod() const { return FDisposal; }
    void SetDisposalMethod(TDisposalMethod method);
    TColor TransparentColor() const { return FTransparentColor; }
    void SetTransparentColor(TColor color);
    bool Interlaced() const { return FInterlaced; }
    bool Corrupted() const { return FCorrupted; }
    bool LocalColors() const { return FLocalColors; }
    bool Grayscale() const { return FGrayscale; }

    const std::shared_ptr<TGIFItem>& Item() const { return FImage; }
    std::vector<TExtension>& Extensions() { return FExtensions; }

    // Stretches the frame into the rectangle, leaving out the transparent colour when asked.
    void Draw(TCanvas& canvas, const TRect& rect, bool transparent);
    // Shares the other frame's data and copies its settings.
    void Assign(const TWkGIFFrame& source);
    // Back to an empty frame with no data and no bitmap.
    void Reset();

private:
    friend class TGifStreamReader;
    friend class TGifStreamWriter;
    friend class TWkGIFImage;

    void decodeBitmap();
    void encodeBitmap();
    void rebuildControlExtension();
    void changed();

    TWkGIFImage* FOwner;
    QImage FBitmap;
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
