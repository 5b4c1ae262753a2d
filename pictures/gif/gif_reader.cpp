#include "pictures/gif/gif_reader.h"

#include "pictures/gif/gif_image.h"
#include "platform/ui/graphic.h"

#include <cstring>

namespace {

[[noreturn]] void Fail(const QString& message) {
    throw EInvalidGraphicOperation(message);
}

[[noreturn]] void ReadError() {
    Fail(QStringLiteral("Stream read error"));
}

} // namespace

class TGifStreamReader {
public:
    TGifStreamReader(TWkGIFImage& image, std::span<const std::uint8_t> bytes)
        : FImage(image), FBytes(bytes) {}

    void Read() {
        readHeader();
        readScreen();
        int c = nextBlockChar();
        std::vector<TExtension> pending;
        while (c != 0 && c != ';') {
            while (c == '!') {
                readExtension(pending);
                c = atEnd() ? ';' : nextBlockChar();
            }
            if (c == ',') {
                readFrame(pending);
                c = atEnd() ? ';' : nextBlockChar();
                if (c != '!' && c != ',' && c != ';')
                    c = 0;
            } else if (FImage.FImage->FComment.isEmpty() && !pending.empty()) {
                takeGlobalComment(pending);
            } else if (c != 0 && c != ';') {
                ReadError();
            }
        }
    }

private:
    bool atEnd() const { return FPos >= FBytes.size(); }

    const std::uint8_t* take(std::size_t count) {
        if (count > FBytes.size() - FPos)
            ReadError();
        const std::uint8_t* at = FBytes.data() + FPos;
        FPos += count;
        return at;
    }
    std::uint8_t byte() { return *take(1); }
    static std::uint16_t word(const std::uint8_t* at) {
        return static_cast<std::uint16_t>(at[0] | at[1] << 8);
    }

    int nextBlockChar() {
        while (!atEnd() && FBytes[FPos] == 0)
            ++FPos;
        return atEnd() ? 0 : FBytes[FPos++];
    }

    void readHeader() {
        const std::uint8_t* header = take(6);
        if (std::memcmp(header, "GIF", 3) != 0)
            Fail(QStringLiteral("Unknown GIF version"));
        if (std::memcmp(header + 3, "87a", 3) == 0)
            FImage.FVersion = gv87a;
        else if (std::memcmp(header + 3, "89a", 3) == 0)
            FImage.FVersion = gv89a;
        else
            Fail(QStringLiteral("Unknown GIF version"));
    }

    void readScreen() {
        const std::uint8_t* screen = take(7);
        FImage.FScreenWidth = word(screen);
        FImage.FScreenHeight = word(screen + 2);
        const int packed = screen[4];
        TGIFData& data = *FImage.FImage;
        data.FBitsPerPixel = static_cast<std::uint8_t>((packed & 7) + 1);
        data.FColorResBits = static_cast<std::uint8_t>(((packed >> 4) & 7) + 1);
        data.FAspectRatio = screen[6];
        if (packed & 0x80) {
            readTable(data.FColorMap, data.FBitsPerPixel);
            if (screen[5] < data.FColorMap.Count)
                FImage.FBackgroundColor = data.FColorMap.ColorAt(screen[5]);
        }
    }

    void readTable(TGIFColorTable& table, int bits) {
        table.Count = 1 << bits;
        std::memcpy(table.Colors.data(), take(table.Count * 3), table.Count * 3);
    }

    QList<QByteArray> readSubBlocks() {
        QList<QByteArray> blocks;
        while (!atEnd()) {
            const std::size_t length = byte();
            if (length == 0)
                break;
            blocks.append(QByteArray(reinterpret_cast<const char*>(take(length)),
                                     static_cast<qsizetype>(length)));
        }
        return blocks;
    }

    void readExtension(std::vector<TExtension>& pending) {
        TExtension extension;
        const int label = byte();
        switch (label) {
        case 0xF9: {
            const std::uint8_t* gce = take(6);
            extension.FExtType = etGraphic;
            extension.GCE = {gce[0], gce[1], word(gce + 2), gce[4], gce[5]};
            pending.push_back(extension);
            return;
        }
        case 0xFE:
            extension.FExtType = etComment;
            extension.FData = readSubBlocks();
            pending.push_back(extension);
            return;
        case 0x01:
            take(13);
            readSubBlocks();
            pending.clear();
            return;
        case 0xFF: {
            const std::uint8_t* app = take(12);
            extension.FExtType = etApplication;
            extension.APPE.BlockSize = app[0];
            std::memcpy(extension.APPE.AppId.data(), app + 1, 8);
            std::memcpy(extension.APPE.Authentication.data(), app + 9, 3);
            extension.FData = readSubBlocks();
            if (extension.IsLoopExtension()) {
                FImage.FLooping = true;
                FImage.FRepeatCount = extension.LoopCount();
            }
            return;
        }
        default:
            Fail(QStringLiteral("Unrecognized extension block: %1")
                     .arg(label, 2, 16, QLatin1Char('0')));
        }
    }

    void takeGlobalComment(std::vector<TExtension>& pending) {
        QList<QByteArray>& comment = FImage.FImage->FComment;
        for (const TExtension& extension : pending) {
            if (extension.FExtType != etComment)
                continue;
            if (!comment.isEmpty())
                comment.append(QByteArrayLiteral("\r\n\r\n"));
            comment.append(extension.FData);
        }
        pending.clear();
    }

    void readFrame(std::vector<TExtension>& pending) {
        auto frame = std::make_unique<TWkGIFFrame>(&FImage);
        TGIFItem& item = *frame->FImage;
        const TGIFColorTable& global = FImage.FImage->FColorMap;
        if (global.Count > 0) {
            item.FBitsPerPixel = static_cast<std::uint8_t>(GifColorBits(global.Count));
            if (item.FBitsPerPixel == 0)
                Fail(QStringLiteral("Wrong number of colors; must be a power of 2"));
        }
        frame->FExtensions = std::move(pending);
        pending.clear();

        const std::uint8_t* descriptor = take(9);
        const int packed = descriptor[8];
        frame->FInterlaced = packed & 0x40;
        frame->FLocalColors = packed & 0x80;
        if (frame->FLocalColors) {
            item.FBitsPerPixel = static_cast<std::uint8_t>((packed & 7) + 1);
            readTable(item.FColorMap, item.FBitsPerPixel);
        }
        readFrameData(*frame);

        int width = word(descriptor + 4);
        int height = word(descriptor + 6);
        if (width == 0)
            width = FImage.FScreenWidth;
        if (height == 0)
            height = FImage.FScreenHeight;
        CheckGifFrameSize(width, height);
        FPixels += std::int64_t{width} * height;
        CheckGifPictureSize(FPixels);
        frame->FTopLeft = QPoint(word(descriptor), word(descriptor + 2));
        item.Width = width;
        item.Height = height;
        item.FPackedFields = static_cast<std::uint8_t>(packed);
        if (!frame->FLocalColors)
            item.FColorMap = global;
        applyControlExtensions(*frame);
        FImage.widenScreen(*frame);
        FImage.FItems.push_back(std::move(frame));
    }

    // Copies the code size byte and the sub-blocks as they stand; a sub-block cut by the end of
    // the data is left out and the frame is corrupt.
    void readFrameData(TWkGIFFrame& frame) {
        std::vector<std::uint8_t>& data = frame.FImage->FImageData;
        const std::size_t start = FPos;
        take(1);
        while (!atEnd()) {
            const std::size_t length = FBytes[FPos];
            if (length == 0) {
                ++FPos;
                break;
            }
            if (length + 1 > FBytes.size() - FPos) {
                frame.FCorrupted = true;
                break;
            }
            FPos += length + 1;
        }
        data.assign(FBytes.begin() + start, FBytes.begin() + FPos);
        if (frame.FCorrupted) {
            FPos = FBytes.size();
            if (!GifTolerantDecode)
                ReadError();
        }
    }

    void applyControlExtensions(TWkGIFFrame& frame) {
        TGIFColorTable& table = frame.FImage->FColorMap;
        for (const TExtension& extension : frame.FExtensions) {
            if (extension.FExtType != etGraphic)
                continue;
            const TGraphicControlExtension& gce = extension.GCE;
            if (gce.PackedFields & 1) {
                if (gce.TransparentColorIndex < table.Count) {
                    table.MakeEntryUnique(gce.TransparentColorIndex);
                    frame.FTransparentColor = table.ColorAt(gce.TransparentColorIndex);
                }
            } else {
                frame.FTransparentColor = clNone;
            }
            frame.FAnimateInterval =
                std::max<std::uint32_t>(gce.DelayTime * 10u, frame.FAnimateInterval);
            frame.FDisposal = static_cast<TDisposalMethod>((gce.PackedFields >> 2) & 7);
        }
    }

    TWkGIFImage& FImage;
    std::span<const std::uint8_t> FBytes;
    std::size_t FPos = 0;
    // Of all frames read so far: what decoding them all will allocate.
    std::int64_t FPixels = 0;
};

void ReadGifStream(TWkGIFImage& image, std::span<const std::uint8_t> bytes) {
    TGifStreamReader(image, bytes).Read();
}
