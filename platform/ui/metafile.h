#pragma once
// A Windows metafile (an enhanced one, or the older kind behind its placeable header). Nothing
// here plays the drawing records back: the bytes are kept as loaded and saved unchanged, the
// size comes from the header, and drawing leaves the canvas as it is.

#include "platform/ui/graphic.h"

#include <QByteArray>
#include <optional>

// The leading bytes ParseMetafileHeader needs at most.
constexpr int MetafileHeaderBytes = 88;

struct TMetafileHeader {
    bool Enhanced = false;
    qint64 Bytes = 0; // the whole metafile, header included
    int Width = 0;    // pixels at the screen's resolution
    int Height = 0;
};

// The header at the start of head, or nothing when it is cut short, malformed, or claims more
// than MaxPictureBytes.
std::optional<TMetafileHeader> ParseMetafileHeader(const QByteArray& head);

class TMetafile : public TGraphic {
public:
    static constexpr const char* ClassName = "TMetafile";

    TGraphicClass ClassType() const override { return GraphicClassOf<TMetafile>(); }

    bool Empty() const override { return data.isEmpty(); }
    int Width() const override { return header.Width; }
    int Height() const override { return header.Height; }
    // A metafile's size is its header's; setting it does nothing.
    void SetWidth(int) override {}
    void SetHeight(int) override {}

    void Draw(TCanvas&, const TRect&) override {}
    // Reads as many bytes as the header counts; raises EInvalidGraphic "Metafile is not valid"
    // for a bad header or a stream that ends before them.
    void LoadFromStream(QIODevice& stream) override;
    void SaveToStream(QIODevice& stream) const override;
    void Assign(const TGraphic* source) override;

private:
    QByteArray data;
    TMetafileHeader header;
};
