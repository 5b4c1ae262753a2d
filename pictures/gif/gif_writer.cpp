#include "pictures/gif/gif_image.h"
#include "platform/ui/graphic.h"

#include <algorithm>

namespace {

// Screen and frame positions are 16-bit fields.
constexpr int MaxGifCoordinate = 0xFFFF;

class TByteWriter {
public:
    void Bytes(const void* data, std::size_t count) {
        FOut.append(static_cast<const char*>(data), static_cast<qsizetype>(count));
    }
    void Byte(int value) { FOut.append(static_cast<char>(value)); }
    void Word(int value) {
        Byte(value & 0xFF);
        Byte((value >> 8) & 0xFF);
    }
    // A table is written with a power-of-2 number of entries, padded with black.
    void Table(const TGIFColorTable& table) {
        const int count = 1 << GifBitsForCount(table.Count);
        Bytes(table.Colors.data(), static_cast<std::size_t>(table.Count) * 3);
        FOut.append(static_cast<qsizetype>(count - table.Count) * 3, '\0');
    }
    // Each item in sub-blocks of at most 255 bytes (a longer item is split, not cut), then the
    // terminator.
    void SubBlocks(const QList<QByteArray>& items) {
        for (const QByteArray& item : items) {
            for (qsizetype pos = 0; pos < item.size(); pos += 255) {
                const qsizetype length = std::min<qsizetype>(255, item.size() - pos);
                Byte(static_cast<int>(length));
                Bytes(item.constData() + pos, static_cast<std::size_t>(length));
            }
        }
        Byte(0);
    }
    const QByteArray& Out() const { return FOut; }

private:
    QByteArray FOut;
};

} // namespace

class TGifStreamWriter {
public:
    explicit TGifStreamWriter(TWkGIFImage& image) : FImage(image) {}

    QByteArray Write() {
        if (FImage.FItems.empty())
            throw EInvalidGraphicOperation(GifNoDataText());
        FImage.EncodeAllFrames();
        const TGIFData& data = *FImage.FImage;
        if (!data.FComment.isEmpty())
            FImage.FVersion = gv89a;
        static const char* const versions[] = {"\0\0\0", "87a", "89a"};
        FOut.Bytes("GIF", 3);
        FOut.Bytes(versions[FImage.FVersion], 3);
        writeScreen(data);
        if (FImage.FLooping && FImage.Count() > 1)
            writeLoop();
        for (const auto& frame : FImage.FItems)
            writeFrame(*frame);
        if (!data.FComment.isEmpty()) {
            FOut.Byte('!');
            FOut.Byte(0xFE);
            FOut.SubBlocks(data.FComment);
        }
        FOut.Byte(';');
        return FOut.Out();
    }

private:
    void writeScreen(const TGIFData& data) {
        FImage.recomputeScreen();
        checkPlacement();
        FOut.Word(FImage.FScreenWidth);
        FOut.Word(FImage.FScreenHeight);
        const TGIFColorTable& table = data.FColorMap;
        if (table.Count > 0) {
            const int tableBits = GifBitsForCount(table.Count);
            const int bits = std::clamp<int>(data.FBitsPerPixel, 1, 8);
            FOut.Byte(0x80 | (tableBits - 1) << 4 | (bits - 1));
            const int background =
                FImage.FBackgroundColor == clNone ? -1 : table.IndexOf(FImage.FBackgroundColor);
            FOut.Byte(std::max(background, 0));
            FOut.Byte(data.FAspectRatio);
            FOut.Table(table);
        } else {
            FOut.Byte(0);
            FOut.Byte(0);
            FOut.Byte(data.FAspectRatio);
        }
    }

    // A frame the 16-bit fields cannot place would be written somewhere else.
    void checkPlacement() const {
        for (const auto& frame : FImage.FItems) {
            const QPoint origin = frame->Origin();
            if (origin.x() < 0 || origin.y() < 0 ||
                origin.x() + frame->FImage->Width > MaxGifCoordinate ||
                origin.y() + frame->FImage->Height > MaxGifCoordinate)
                throw EInvalidGraphicOperation(QStringLiteral("GIF image encoding error"));
        }
    }

    void writeLoop() {
        FOut.Byte('!');
        FOut.Byte(0xFF);
        FOut.Byte(11);
        FOut.Bytes("NETSCAPE2.0", 11);
        FOut.Byte(3);
        FOut.Byte(1);
        FOut.Word(FImage.FRepeatCount);
        FOut.Byte(0);
    }

    void writeExtension(const TExtension& extension) {
        FOut.Byte('!');
        switch (extension.FExtType) {
        case etGraphic: {
            const TGraphicControlExtension& gce = extension.GCE;
            FOut.Byte(0xF9);
            FOut.Byte(gce.BlockSize);
            FOut.Byte(gce.PackedFields);
            FOut.Word(gce.DelayTime);
            FOut.Byte(gce.TransparentColorIndex);
            FOut.Byte(gce.Terminator);
            return;
        }
        case etPlainText: {
            const TPlainTextExtension& pte = extension.PTE;
            FOut.Byte(0x01);
            FOut.Byte(pte.BlockSize);
            FOut.Word(pte.Left);
            FOut.Word(pte.Top);
            FOut.Word(pte.Width);
            FOut.Word(pte.Height);
            FOut.Byte(pte.CellWidth);
            FOut.Byte(pte.CellHeight);
            FOut.Byte(pte.FGColorIndex);
            FOut.Byte(pte.BGColorIndex);
            break;
        }
        case etApplication:
            FOut.Byte(0xFF);
            FOut.Byte(extension.APPE.BlockSize);
            FOut.Bytes(extension.APPE.AppId.data(), 8);
            FOut.Bytes(extension.APPE.Authentication.data(), 3);
            break;
        case etComment:
            FOut.Byte(0xFE);
            break;
        }
        FOut.SubBlocks(extension.FData);
    }

    void writeFrame(const TWkGIFFrame& frame) {
        for (const TExtension& extension : frame.FExtensions)
            writeExtension(extension);
        const TGIFItem& item = *frame.FImage;
        FOut.Byte(',');
        FOut.Word(frame.FTopLeft.x());
        FOut.Word(frame.FTopLeft.y());
        FOut.Word(item.Width);
        FOut.Word(item.Height);
        int packed = frame.FInterlaced ? 0x40 : 0;
        if (frame.FLocalColors)
            packed |= 0x80 | (GifBitsForCount(item.FColorMap.Count) - 1);
        FOut.Byte(packed);
        if (frame.FLocalColors)
            FOut.Table(item.FColorMap);
        FOut.Bytes(item.FImageData.data(), item.FImageData.size());
    }

    TWkGIFImage& FImage;
    TByteWriter FOut;
};

QByteArray TWkGIFImage::SaveToBytes() const {
    // Encoding stores each frame's data in the image, which is what later saves reuse.
    return TGifStreamWriter(const_cast<TWkGIFImage&>(*this)).Write();
}
