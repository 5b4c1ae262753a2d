#pragma once
// An icon or cursor file image (a directory of images). The bytes are kept as loaded and saved
// back unchanged; the first image of the directory is the one drawn and measured.

#include "platform/ui/graphic.h"

#include <QByteArray>
#include <QImage>

// Directories with more images than this are not icons a control shows.
constexpr int MaxIconImages = 256;

// True when data starts with an icon (type 1) or cursor (type 2) directory whose every image
// lies inside data.
bool IsValidIconDirectory(const QByteArray& data);

class TIcon : public TGraphic {
public:
    static constexpr const char* ClassName = "TIcon";

    TIcon();

    TGraphicClass ClassType() const override { return GraphicClassOf<TIcon>(); }

    bool Empty() const override { return data.isEmpty(); }
    int Width() const override { return image.width(); }
    int Height() const override { return image.height(); }
    // An icon's size is that of its image: both raise EInvalidGraphicOperation.
    void SetWidth(int width) override;
    void SetHeight(int height) override;
    // Icons always draw with their mask.
    bool Transparent() const override { return true; }
    void SetTransparent(bool) override {}

    const QImage& Image() const { return image; }

    void Draw(TCanvas& canvas, const TRect& r) override;
    // Reads the rest of the stream; raises EInvalidGraphic "Invalid icon" for a bad directory
    // or an image that does not decode.
    void LoadFromStream(QIODevice& stream) override;
    void SaveToStream(QIODevice& stream) const override;
    void LoadFromClipboardFormat(const QMimeData& data, const QString& format) override;
    void SaveToClipboardFormat(QMimeData& data) const override;
    void Assign(const TGraphic* source) override;

private:
    QByteArray data;
    QImage image;
};
