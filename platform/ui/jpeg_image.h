#pragma once
// A JPEG picture: the file bytes as loaded (saved back unchanged) and their decoded pixels.

#include "platform/ui/graphic.h"

#include <QByteArray>
#include <QImage>

class TJPEGImage : public TGraphic {
public:
    static constexpr const char* ClassName = "TJPEGImage";

    TGraphicClass ClassType() const override { return GraphicClassOf<TJPEGImage>(); }

    bool Empty() const override { return image.isNull(); }
    int Width() const override { return image.width(); }
    int Height() const override { return image.height(); }
    // A JPEG's size follows its data; setting it does nothing.
    void SetWidth(int) override {}
    void SetHeight(int) override {}

    const QImage& Image() const { return image; }

    void Draw(TCanvas& canvas, const TRect& r) override;
    // Reads the rest of the stream; raises EInvalidGraphic "JPEG error" for data that do not
    // decode.
    void LoadFromStream(QIODevice& stream) override;
    // The loaded bytes, or the pixels encoded afresh after a bitmap was assigned.
    void SaveToStream(QIODevice& stream) const override;
    // Takes another JPEG or a bitmap's pixels.
    void Assign(const TGraphic* source) override;
    // Gives a bitmap the decoded pixels at 24 bits.
    void AssignTo(TGraphic& dest) const override;

private:
    QByteArray data;
    QImage image;
};
