#pragma once
// A raster picture over a QImage with the desktop bitmap's pixel formats, transparency rule
// and BMP stream form. Drawing on it goes through a TBitmapCanvas.

#include "platform/ui/graphic.h"

#include <QImage>
#include <QList>
#include <QString>

enum TPixelFormat {
    pfDevice,
    pf1bit,
    pf4bit,
    pf8bit,
    pf15bit,
    pf16bit,
    pf24bit,
    pf32bit,
    pfCustom
};
enum TTransparentMode { tmAuto, tmFixed };
enum TBitmapHandleType { bmDIB, bmDDB };

// A colour value with this flag asks for the nearest palette entry; the bitmap's automatic
// transparent colour carries it.
constexpr TColor PaletteRelativeFlag = 0x02000000;

// The MIME type a bitmap is exchanged under on the clipboard.
inline const QString ClipboardBitmapFormat = QStringLiteral("application/x-qt-image");

class TBitmap : public TGraphic {
public:
    static constexpr const char* ClassName = "TBitmap";

    TBitmap() = default;
    TBitmap(int width, int height);

    TGraphicClass ClassType() const override { return GraphicClassOf<TBitmap>(); }

    bool Empty() const override;
    int Width() const override { return image.width(); }
    int Height() const override { return image.height(); }
    void SetWidth(int width) override { SetSize(width, Height()); }
    void SetHeight(int height) override { SetSize(Width(), height); }
    // Keeps the pixels that still fit; new area is white (black for 1 bit).
    void SetSize(int width, int height);

    TPixelFormat PixelFormat() const { return pixelFormat; }
    // Converts the pixels; 4 bits map to the 16 standard colours, 1 bit to black and white.
    void SetPixelFormat(TPixelFormat format);
    bool Monochrome() const { return pixelFormat == pf1bit; }
    void SetMonochrome(bool value);
    TBitmapHandleType HandleType() const { return pixelFormat == pfDevice ? bmDDB : bmDIB; }
    // A device-dependent bitmap has the screen's format; a DIB keeps 24 bits.
    void SetHandleType(TBitmapHandleType type);
    // False only for a bitmap that never had pixels.
    bool HandleAllocated() const { return !image.isNull(); }

    // The colour table of a 1, 4 or 8 bit bitmap; empty for true colour.
    QList<QRgb> Palette() const { return image.colorTable(); }
    // The colour the bitmap's pixels can hold that is nearest to color: the closest palette
    // entry (the first on a tie) at 1, 4 and 8 bits, the colour as 15 or 16 bits keep it, else
    // the colour itself. System colours resolve first.
    TColor NearestColor(TColor color) const;

    const QImage& Image() const { return image; }
    // Takes the pixels; the format follows the image unless one is given.
    void SetImage(const QImage& pixels);
    void SetImage(const QImage& pixels, TPixelFormat format);

    // clNone outside the bitmap.
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    // tmAuto: the bottom-left pixel with PaletteRelativeFlag (white for 1 bit, clDefault for
    // an empty bitmap); tmFixed: the colour set. Setting a colour makes the mode tmFixed.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color);
    TTransparentMode TransparentMode() const { return transparentMode; }
    void SetTransparentMode(TTransparentMode mode);

    // Stretched into r; with Transparent the transparent colour's pixels are left out.
    void Draw(TCanvas& canvas, const TRect& r) override;
    // A BMP file; raises EInvalidGraphic "Bitmap image is not valid" for anything else.
    void LoadFromStream(QIODevice& stream) override;
    // A BMP file at the bitmap's own depth (device, 15 and 16 bits are written at 24).
    void SaveToStream(QIODevice& stream) const override;
    void LoadFromClipboardFormat(const QMimeData& data, const QString& format) override;
    void SaveToClipboardFormat(QMimeData& data) const override;
    void Assign(const TGraphic* source) override;

private:
    friend class TBitmapCanvas;
    void takeDrawn(const QImage& drawn);

    QImage image;
    TPixelFormat pixelFormat = pfDevice;
    TTransparentMode transparentMode = tmAuto;
    TColor transparentColor = clDefault;
};

namespace bitmap_detail {
// Holds the drawing copy so it exists before the canvas that paints on it.
struct WorkImage {
    QImage work;
};
} // namespace bitmap_detail

// Draws on a bitmap: pixels are drawn in true colour and stored back into the bitmap's own
// format (nearest palette entry) when the canvas is destroyed, which signals the change.
class TBitmapCanvas : private bitmap_detail::WorkImage, public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap& bitmap);
    ~TBitmapCanvas();

private:
    TBitmap& bitmap;
};

// The 16 standard colours 4-bit bitmaps are converted to.
QList<QRgb> StandardColorTable16();
