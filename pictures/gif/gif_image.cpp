#include "pictures/gif/gif_image.h"

#include "pictures/gif/gif_reader.h"
#include "pictures/gif/gif_registration.h"
#include "platform/ui/capped_read.h"
#include "platform/ui/graphic.h"
#include "platform/ui/resource_stream.h"

#include <QBuffer>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QtEndian>
#include <algorithm>
#include <exception>

bool GifTolerantDecode = true;

namespace {

TPixelFormat FormatOfColorCount(int count) {
    return count <= 2 ? pf1bit : count <= 16 ? pf4bit : count > 256 ? pf24bit : pf8bit;
}

// Formats by how many colours they hold. Bitmaps of the device's format are 32-bit here.
int DepthRank(TPixelFormat format) {
    return format == pfDevice ? pf32bit : format;
}

} // namespace

TWkGIFImage::TWkGIFImage() {
    reset();
    SetTransparent(true);
}

TWkGIFImage::~TWkGIFImage() = default;

void TWkGIFImage::reset() {
    FImage = std::make_shared<TGIFData>();
    FItems.clear();
    FCorrupted = false;
    FFrameIndex = -1;
    FBackgroundColor = clNone;
    FRepeatCount = 1;
    FLooping = false;
    FVersion = gvUnknown;
    FScreenWidth = 0;
    FScreenHeight = 0;
}

void TWkGIFImage::Clear() {
    reset();
    Changed();
}

void TWkGIFImage::LoadFromBytes(const QByteArray& bytes, bool decodeFirst) {
    reset();
    std::exception_ptr failure;
    if (!bytes.isEmpty()) {
        try {
            ReadGifStream(*this, {reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                  static_cast<std::size_t>(bytes.size())});
        } catch (...) {
            failure = std::current_exception();
        }
    }
    // Frames read before a failure stay, and the first of them becomes current.
    if (Count() > 0) {
        FFrameIndex = 0;
        if (decodeFirst && !failure) {
            try {
                FItems.front()->Bitmap();
            } catch (...) {
                FItems.erase(FItems.begin());
                FFrameIndex = Count() > 0 ? 0 : -1;
                recomputeScreen();
                failure = std::current_exception();
            }
        }
    }
    SetPaletteModified(true);
    Changed();
    if (failure)
        std::rethrow_exception(failure);
}

void TWkGIFImage::LoadFromStream(QIODevice& stream) {
    const QByteArray bytes = ReadAtMost(stream, MaxGifStreamBytes);
    if (bytes.size() > MaxGifStreamBytes)
        throw EInvalidGraphicOperation(QStringLiteral("Stream read error"));
    LoadFromBytes(bytes);
}

void TWkGIFImage::LoadFromResourceName(const QString& module, const QString& name,
                                       const QString& type) {
    TResourceStream stream(module, name, type);
    LoadFromStream(stream);
}

void TWkGIFImage::LoadFromResourceID(const QString& module, int id, const QString& type) {
    TResourceStream stream(module, id, type);
    LoadFromStream(stream);
}

void TWkGIFImage::readLengthPrefixed(QIODevice& stream, bool decodeFirst) {
    const QByteArray length = stream.read(4);
    if (length.size() != 4)
        throw EInvalidGraphicOperation(QStringLiteral("Stream read error"));
    const quint32 count = qFromLittleEndian<quint32>(length.constData());
    // The length is untrusted: never ask for more than the stream holds.
    const qint64 available = stream.bytesAvailable();
    if (count > MaxGifStreamBytes || (available >= 0 && count > available))
        throw EInvalidGraphicOperation(QStringLiteral("Stream read error"));
    const QByteArray bytes = stream.read(count);
    if (bytes.size() != static_cast<qsizetype>(count))
        throw EInvalidGraphicOperation(QStringLiteral("Stream read error"));
    LoadFromBytes(bytes, decodeFirst);
}

void TWkGIFImage::ReadData(QIODevice& stream) {
    readLengthPrefixed(stream, true);
}

void TWkGIFImage::SaveToStream(QIODevice& stream) const {
    stream.write(SaveToBytes());
}

void TWkGIFImage::WriteData(QIODevice& stream) const {
    const QByteArray bytes = SaveToBytes();
    char length[4];
    qToLittleEndian<quint32>(static_cast<quint32>(bytes.size()), length);
    stream.write(length, 4);
    stream.write(bytes);
}

TWkGIFFrame* TWkGIFImage::currentFrame() const {
    if (FFrameIndex < 0 || FFrameIndex >= Count())
        return nullptr;
    return FItems[FFrameIndex].get();
}

TWkGIFFrame* TWkGIFImage::shownFrame() const {
    if (TWkGIFFrame* frame = currentFrame())
        return frame;
    return FItems.empty() ? nullptr : FItems.front().get();
}

void TWkGIFImage::Draw(TCanvas& canvas, const TRect& rect) {
    if (TWkGIFFrame* frame = currentFrame())
        frame->Draw(canvas, rect, TGraphic::Transparent());
}

void TWkGIFImage::SetFrameIndex(int index) {
    index = std::clamp(index, -1, Count() - 1);
    if (index == FFrameIndex)
        return;
    FFrameIndex = index;
    SetPaletteModified(true);
    Changed();
}

int TWkGIFImage::AddFrame(const TGraphic* graphic) {
    FItems.push_back(std::make_unique<TWkGIFFrame>(this));
    TWkGIFFrame& frame = *FItems.back();
    try {
        frame.assignFrom(graphic);
    } catch (...) {
        FItems.pop_back();
        throw;
    }
    recomputeScreen();
    if (FVersion == gvUnknown)
        FVersion = gv87a;
    if (Count() > 1)
        FVersion = gv89a;
    FFrameIndex = Count() - 1;
    Changed();
    return FFrameIndex;
}

int TWkGIFImage::AddFrame(const QImage& pixels) {
    TBitmap bitmap;
    bitmap.SetImage(pixels);
    return AddFrame(&bitmap);
}

void TWkGIFImage::DeleteFrame(int index) {
    if (index < 0 || index >= Count())
        return;
    FItems.erase(FItems.begin() + index);
    recomputeScreen();
    if (FFrameIndex >= Count())
        FFrameIndex = Count() - 1;
    Changed();
}

void TWkGIFImage::MoveFrame(int current, int index) {
    if (current < 0 || current >= Count() || index < 0 || index >= Count())
        return;
    auto frame = std::move(FItems[current]);
    FItems.erase(FItems.begin() + current);
    FItems.insert(FItems.begin() + index, std::move(frame));
    FFrameIndex = index;
    Changed();
}

void TWkGIFImage::DecodeAllFrames() {
    for (std::size_t i = 0; i < FItems.size(); ++i) {
        try {
            FItems[i]->Bitmap();
        } catch (const EAbort&) {
            FItems.erase(FItems.begin() + static_cast<std::ptrdiff_t>(i), FItems.end());
            FCorrupted = true;
            FFrameIndex = std::min(FFrameIndex, Count() - 1);
            recomputeScreen();
            Changed();
            return;
        }
    }
}

TBitmap& TWkGIFImage::Bitmap() {
    if (FItems.empty()) {
        const TBitmap empty;
        Assign(&empty);
    }
    return shownFrame()->Bitmap();
}

QList<QRgb> TWkGIFImage::Palette() const {
    TWkGIFFrame* frame = shownFrame();
    return frame ? frame->Bitmap().Palette() : QList<QRgb>();
}

TPixelFormat TWkGIFImage::PixelFormat() const {
    if (Empty())
        return pfDevice;
    TPixelFormat deepest = FormatOfColorCount(GlobalColorCount());
    for (const auto& frame : FItems) {
        TPixelFormat format;
        if (!frame->HasData() && frame->HasBitmap())
            format = frame->FBitmap->PixelFormat();
        else if (frame->HasData() && frame->LocalColors())
            format = FormatOfColorCount(frame->FImage->FColorMap.Count);
        else
            continue;
        if (DepthRank(format) > DepthRank(deepest))
            deepest = format;
    }
    return deepest;
}

void TWkGIFImage::SetLooping(bool looping) {
    if (looping == FLooping)
        return;
    FLooping = looping;
    Changed();
}

void TWkGIFImage::SetRepeatCount(int count) {
    FRepeatCount = std::clamp(count, 0, MaxRepeatCount);
}

void TWkGIFImage::SetBackgroundColor(TColor color) {
    if (color == FBackgroundColor)
        return;
    FBackgroundColor = color;
    Changed();
}

bool TWkGIFImage::Corrupted() const {
    return FCorrupted || std::any_of(FItems.begin(), FItems.end(),
                                     [](const auto& frame) { return frame->Corrupted(); });
}

int TWkGIFImage::ScreenWidth() const {
    return Empty() ? 0 : FScreenWidth;
}

int TWkGIFImage::ScreenHeight() const {
    return Empty() ? 0 : FScreenHeight;
}

TGIFData& TWkGIFImage::ownData() {
    if (FImage.use_count() > 1)
        FImage = std::make_shared<TGIFData>(*FImage);
    return *FImage;
}

void TWkGIFImage::SetComment(const QList<QByteArray>& comment) {
    ownData().FComment = comment;
}

TColor TWkGIFImage::TransparentColor() const {
    const TWkGIFFrame* frame = currentFrame();
    return frame ? frame->TransparentColor() : clNone;
}

bool TWkGIFImage::Transparent() const {
    return TGraphic::Transparent() &&
           std::any_of(FItems.begin(), FItems.end(),
                       [](const auto& frame) { return frame->TransparentColor() != clNone; });
}

bool TWkGIFImage::Empty() const {
    const TWkGIFFrame* frame = shownFrame();
    return !frame || (!frame->HasBitmap() && !frame->HasData());
}

int TWkGIFImage::Width() const {
    // A frame with neither bitmap nor data is 0 wide.
    const TWkGIFFrame* frame = currentFrame();
    return frame ? frame->Width() : 0;
}

int TWkGIFImage::Height() const {
    const TWkGIFFrame* frame = currentFrame();
    return frame ? frame->Height() : 0;
}

void TWkGIFImage::SetWidth(int) {
    throw EInvalidGraphicOperation(QStringLiteral("Cannot change the Size of a GIF image"));
}

void TWkGIFImage::SetHeight(int) {
    throw EInvalidGraphicOperation(QStringLiteral("Cannot change the Size of a GIF image"));
}

void TWkGIFImage::widenScreen(const TWkGIFFrame& frame) {
    FScreenWidth = std::max(FScreenWidth, frame.Origin().x() + frame.Width());
    FScreenHeight = std::max(FScreenHeight, frame.Origin().y() + frame.Height());
}

void TWkGIFImage::recomputeScreen() {
    FScreenWidth = 0;
    FScreenHeight = 0;
    for (const auto& frame : FItems)
        widenScreen(*frame);
}

void TWkGIFImage::LoadFromClipboardFormat(const QMimeData& data, const QString& format) {
    if (!data.hasFormat(WkGifClipboardFormat)) {
        TBitmap bitmap;
        bitmap.LoadFromClipboardFormat(data, format);
        Assign(&bitmap);
        return;
    }
    QBuffer buffer;
    buffer.setData(data.data(WkGifClipboardFormat));
    buffer.open(QIODevice::ReadOnly);
    readLengthPrefixed(buffer, false);
    if (Count() == 0 || !data.hasImage())
        return;
    // The bitmap put beside the picture is frame 0 already decoded; one of another size is
    // not, and frame 0 decodes from its data instead.
    TWkGIFFrame& first = *FItems.front();
    TBitmap shown;
    shown.LoadFromClipboardFormat(data, ClipboardBitmapFormat);
    if (shown.Width() != first.FImage->Width || shown.Height() != first.FImage->Height)
        return;
    const QScopedValueRollback filling(first.FFillingBitmap, true);
    first.ownBitmap().Assign(&shown);
}

void TWkGIFImage::SaveToClipboardFormat(QMimeData& data) const {
    if (FItems.empty())
        return;
    FItems.front()->Bitmap().SaveToClipboardFormat(data);
    const bool allStored = std::all_of(FItems.begin(), FItems.end(),
                                       [](const auto& frame) { return frame->HasData(); });
    if (!allStored)
        return;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteData(buffer);
    data.setData(WkGifClipboardFormat, buffer.data());
}
