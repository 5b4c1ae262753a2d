#include "pictures/gif/gif_image.h"

#include "components/util/icon_drawing.h"
#include "pictures/ani/ani_image.h"
#include "pictures/gif/gif_reader.h"
#include "pictures/gif/gif_registration.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/graphic.h"

#include <QBuffer>
#include <QMimeData>
#include <QPainter>
#include <QtEndian>
#include <algorithm>

bool GifTolerantDecode = true;

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
    if (bytes.isEmpty())
        return;
    // Frames read before a failure stay, and the first of them becomes current.
    struct TSelectFirst {
        TWkGIFImage& image;
        ~TSelectFirst() {
            if (image.Count() > 0)
                image.FFrameIndex = 0;
        }
    } select{*this};
    // Whatever was read, the owner hears of the change.
    struct TSignal {
        TWkGIFImage& image;
        ~TSignal() {
            image.SetPaletteModified(true);
            image.Changed();
        }
    } signal{*this};
    ReadGifStream(*this, {reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                          static_cast<std::size_t>(bytes.size())});
    if (Count() > 0 && decodeFirst) {
        try {
            FItems.front()->Bitmap();
        } catch (...) {
            FItems.erase(FItems.begin());
            if (Count() == 0)
                FFrameIndex = -1;
            throw;
        }
    }
}

void TWkGIFImage::LoadFromStream(QIODevice& stream) {
    LoadFromBytes(stream.readAll());
}

void TWkGIFImage::ReadData(QIODevice& stream) {
    const QByteArray length = stream.read(4);
    if (length.size() != 4)
        throw EInvalidGraphicOperation(QStringLiteral("Stream read error"));
    const quint32 count = qFromLittleEndian<quint32>(length.constData());
    // The length is untrusted: never ask for more than the stream holds.
    const qint64 available = stream.bytesAvailable();
    if (available >= 0 && count > available)
        throw EInvalidGraphicOperation(QStringLiteral("Stream read error"));
    const QByteArray bytes = stream.read(count);
    if (bytes.size() != static_cast<qsizetype>(count))
        throw EInvalidGraphicOperation(QStringLiteral("Stream read error"));
    LoadFromBytes(bytes);
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

void TWkGIFImage::Draw(TCanvas& canvas, const TRect& rect) {
    if (TWkGIFFrame* frame = currentFrame())
        frame->Draw(canvas, rect, TGraphic::Transparent());
}

void TWkGIFImage::SetFrameIndex(int index) {
    FFrameIndex = std::clamp(index, -1, Count() - 1);
}

int TWkGIFImage::AddFrame(const QImage& bitmap) {
    auto frame = std::make_unique<TWkGIFFrame>(this);
    frame->SetBitmap(bitmap);
    FItems.push_back(std::move(frame));
    widenScreen(*FItems.back());
    if (FVersion == gvUnknown)
        FVersion = gv87a;
    if (Count() > 1)
        FVersion = gv89a;
    FFrameIndex = Count() - 1;
    return FFrameIndex;
}

void TWkGIFImage::DeleteFrame(int index) {
    if (index < 0 || index >= Count())
        return;
    FItems.erase(FItems.begin() + index);
    recomputeScreen();
    if (FFrameIndex >= Count())
        FFrameIndex = Count() - 1;
}

void TWkGIFImage::MoveFrame(int current, int index) {
    if (current < 0 || current >= Count() || index < 0 || index >= Count())
        return;
    auto frame = std::move(FItems[current]);
    FItems.erase(FItems.begin() + current);
    FItems.insert(FItems.begin() + index, std::move(frame));
    FFrameIndex = index;
}

void TWkGIFImage::DecodeAllFrames() {
    for (auto& frame : FItems)
        frame->Bitmap();
}

void TWkGIFImage::SetRepeatCount(int count) {
    FRepeatCount = std::clamp(count, 0, MaxRepeatCount);
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

void TWkGIFImage::SetComment(const QList<QByteArray>& comment) {
    if (FImage.use_count() > 1)
        FImage = std::make_shared<TGIFData>(*FImage);
    FImage->FComment = comment;
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
    if (FItems.empty())
        return true;
    const TWkGIFFrame& frame = *FItems[std::max(FFrameIndex, 0)];
    return !frame.HasBitmap() && !frame.HasData();
}

int TWkGIFImage::Width() const {
    const TWkGIFFrame* frame = currentFrame();
    return Empty() || !frame ? 0 : frame->Width();
}

int TWkGIFImage::Height() const {
    const TWkGIFFrame* frame = currentFrame();
    return Empty() || !frame ? 0 : frame->Height();
}

void TWkGIFImage::SetWidth(int) {
    throw EInvalidGraphicOperation(QStringLiteral("Cannot change the Size of a GIF image"));
}

void TWkGIFImage::SetHeight(int) {
    throw EInvalidGraphicOperation(QStringLiteral("Cannot change the Size of a GIF image"));
}

void TWkGIFImage::Assign(const TGraphic* source) {
    if (source == this)
        return;
    if (source == nullptr) {
        Clear();
    } else if (const auto* gif = dynamic_cast<const TWkGIFImage*>(source)) {
        assignImage(*gif);
        Changed();
    } else if (const auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
        reset();
        AddFrame(bitmap->Image());
        Changed();
    } else if (const auto* ani = dynamic_cast<const TWkAni*>(source)) {
        assignAni(*ani);
        Changed();
    } else {
        TGraphic::Assign(source);
    }
}

void TWkGIFImage::AssignTo(TGraphic& dest) const {
    auto* bitmap = dynamic_cast<TBitmap*>(&dest);
    if (!bitmap) {
        TGraphic::AssignTo(dest);
        return;
    }
    TWkGIFFrame* frame = currentFrame();
    if (frame == nullptr && !FItems.empty())
        frame = FItems.front().get();
    if (frame == nullptr) {
        bitmap->Assign(nullptr);
        return;
    }
    bitmap->SetImage(frame->Bitmap());
    if (frame->TransparentColor() != clNone) {
        bitmap->SetTransparentColor(frame->TransparentColor());
        bitmap->SetTransparent(true);
    }
}

void TWkGIFImage::assignImage(const TWkGIFImage& source) {
    reset();
    FImage = source.FImage;
    FVersion = source.FVersion;
    FBackgroundColor = source.FBackgroundColor;
    FRepeatCount = source.FRepeatCount;
    FLooping = source.FLooping;
    FCorrupted = source.FCorrupted;
    for (const auto& frame : source.FItems) {
        FItems.push_back(std::make_unique<TWkGIFFrame>(this));
        FItems.back()->Assign(*frame);
        FItems.back()->FLocalColors = frame->FLocalColors;
    }
    FScreenWidth = source.FScreenWidth;
    FScreenHeight = source.FScreenHeight;
    FFrameIndex = source.FFrameIndex;
}

void TWkGIFImage::assignAni(const TWkAni& source) {
    reset();
    FBackgroundColor = clWindow;
    for (int i = 0; i < source.FrameCount(); ++i) {
        // Each step shows the icon its sequence names, on fuchsia that stays transparent.
        const TWkAniStep step = source.Step(i);
        QImage picture;
        if (step.Icon && !step.Icon->Empty()) {
            picture = QImage(step.Icon->Width(), step.Icon->Height(), QImage::Format_RGB32);
            picture.fill(ToQColor(clFuchsia));
            QPainter painter(&picture);
            TCanvas canvas(painter);
            DrawIconAtNaturalSize(canvas, *step.Icon, 0, 0);
        }
        AddFrame(picture);
        TWkGIFFrame& frame = *FItems.back();
        if (!picture.isNull())
            frame.SetTransparentColor(clFuchsia);
        frame.SetAnimateInterval(static_cast<std::uint32_t>(AniRateInterval(step.Rate)));
    }
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
    reset();
    ReadData(buffer);
}

void TWkGIFImage::SaveToClipboardFormat(QMimeData& data) const {
    if (FItems.empty())
        return;
    TBitmap bitmap;
    bitmap.SetImage(FItems.front()->Bitmap());
    bitmap.SaveToClipboardFormat(data);
    const bool allStored = std::all_of(FItems.begin(), FItems.end(),
                                       [](const auto& frame) { return frame->HasData(); });
    if (!allStored)
        return;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteData(buffer);
    data.setData(WkGifClipboardFormat, buffer.data());
}
