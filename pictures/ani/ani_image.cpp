#include "pictures/ani/ani_image.h"

#include "components/draw/bitmap_stream.h"
#include "components/util/icon_drawing.h"
#include "pictures/ani/ani_reader.h"
#include "pictures/ani/ani_writer.h"
#include "platform/ui/capped_read.h"

#include <QBuffer>
#include <QPainter>
#include <algorithm>
#include <limits>

int AniRateInterval(std::uint32_t jiffies) {
    const std::uint64_t ms = std::uint64_t{jiffies} * 100 / 6;
    if (ms == 0)
        return DefaultAniInterval;
    return static_cast<int>(std::min<std::uint64_t>(ms, std::numeric_limits<int>::max()));
}

TWkAni::TWkAni() {
    FTimer.setInterval(DefaultAniInterval);
    FTimer.callOnTimeout([this] { TimerTick(); });
}

TWkAni::~TWkAni() = default;

void TWkAni::reset() {
    FIcons.clear();
    FHeader = TWkAniHeader{};
    FRates.clear();
    FSequence.clear();
    FFrameCount = 0;
    FTitle.clear();
    FAuthor.clear();
    FOriginalColors = 0;
    FIndex = -1;
}

void TWkAni::Clear() {
    reset();
    Changed();
}

void TWkAni::LoadFromStream(QIODevice& stream) {
    const QByteArray bytes = ReadAtMost(stream, MaxAniStreamBytes);
    if (bytes.size() > MaxAniStreamBytes)
        throw EInvalidGraphic(QStringLiteral("Stream read error"));
    if (bytes.isEmpty())
        return;
    try {
        TWkAniReader(*this, bytes).Read();
    } catch (...) {
        reset();
        Changed();
        throw;
    }
    if (FFrameCount > 0)
        FIndex = 0;
    Changed();
}

QByteArray TWkAni::SaveToBytes() const {
    if (FIcons.empty())
        throw EInvalidGraphicOperation(QStringLiteral("Invalid image"));
    return TWkAniWriter(*this).Write();
}

void TWkAni::SaveToStream(QIODevice& stream) const {
    const QByteArray bytes = SaveToBytes();
    if (stream.write(bytes) != bytes.size())
        throw EInvalidGraphic(QStringLiteral("Stream write error"));
}

void TWkAni::LoadFromClipboardFormat(const QMimeData&, const QString&) {
    throw EInvalidGraphicOperation(QStringLiteral("Clipboard does not support Icons"));
}

void TWkAni::SaveToClipboardFormat(QMimeData&) const {
    throw EInvalidGraphicOperation(QStringLiteral("Clipboard does not support Icons"));
}

TWkAniStep TWkAni::Step(int index) const {
    if (index < 0 || index >= FFrameCount)
        return {};
    TWkAniStep step;
    const auto i = static_cast<std::size_t>(index);
    std::size_t icon = i;
    if (!FSequence.empty())
        icon = i < FSequence.size() ? FSequence[i] : FIcons.size();
    if (icon < FIcons.size()) {
        const TWkIconFrame& frame = *FIcons[icon];
        step.Icon = frame.Icon();
        step.IsIcon = frame.IsIcon();
        step.HotSpot = frame.HotSpot();
    }
    step.Rate = !FRates.empty() && i < FRates.size() ? FRates[i] : FHeader.dwJIFRate;
    return step;
}

void TWkAni::SetIndex(int value) {
    if (value < 0 || value >= FFrameCount || value == FIndex)
        return;
    FIndex = value;
    Changed();
}

int TWkAni::Width() const {
    const TIcon* icon = Step(FIndex).Icon;
    return icon ? icon->Width() : 0;
}

int TWkAni::Height() const {
    const TIcon* icon = Step(FIndex).Icon;
    return icon ? icon->Height() : 0;
}

void TWkAni::SetWidth(int) {
    throw EInvalidGraphicOperation(QStringLiteral("Cannot change the size of an icon"));
}

void TWkAni::SetHeight(int) {
    throw EInvalidGraphicOperation(QStringLiteral("Cannot change the size of an icon"));
}

void TWkAni::Draw(TCanvas& canvas, const TRect& r) {
    if (FIcons.empty())
        return;
    const TIcon* icon = Step(FIndex).Icon;
    if (icon && !icon->Empty())
        DrawIconAtNaturalSize(canvas, *icon, r.Left, r.Top);
}

void TWkAni::SetAnimated(bool value) {
    if (value)
        FTimer.start();
    else
        FTimer.stop();
}

void TWkAni::TimerTick() {
    FTimer.stop();
    if (FFrameCount == 0)
        return;
    SetIndex((FIndex + 1) % FFrameCount);
    if (FIndex < 0)
        return;
    FTimer.setInterval(AniRateInterval(Step(FIndex).Rate));
    FTimer.start();
}

void TWkAni::Assign(const TGraphic* source) {
    if (source == this)
        return;
    if (source == nullptr) {
        const bool hadIcons = !FIcons.empty();
        reset();
        if (hadIcons)
            Changed();
        return;
    }
    const auto* other = dynamic_cast<const TWkAni*>(source);
    if (!other) {
        TGraphic::Assign(source);
        return;
    }
    try {
        reset();
        FHeader = other->FHeader;
        FTitle = other->FTitle;
        FAuthor = other->FAuthor;
        FOriginalColors = other->FOriginalColors;
        FFrameCount = other->FFrameCount;
        FRates = other->FRates;
        FSequence = other->FSequence;
        for (const auto& frame : other->FIcons) {
            FIcons.push_back(std::make_unique<TWkIconFrame>(frame->Rate()));
            FIcons.back()->Assign(*frame);
        }
        FIndex = other->FIndex;
        SetAnimated(other->Animated());
    } catch (...) {
        reset();
        throw;
    }
    Changed();
}

void TWkAni::AssignTo(TGraphic& dest) const {
    if (auto* icon = dynamic_cast<TIcon*>(&dest)) {
        icon->Assign(FFrameCount > 0 ? Step(FIndex).Icon : nullptr);
        return;
    }
    if (auto* bitmap = dynamic_cast<TBitmap*>(&dest)) {
        if (FFrameCount == 0)
            bitmap->Assign(nullptr);
        else
            // A bitmap's canvas brush is white until someone paints with another.
            AssignToBitmap(*bitmap, clWhite, true, false);
        return;
    }
    TGraphic::AssignTo(dest);
}

void TWkAni::AssignToBitmap(TBitmap& bitmap, TColor backColor, bool decreaseColors,
                            bool vertical) const {
    paintCells(bitmap, backColor, decreaseColors, vertical, FFrameCount);
}

void TWkAni::AssignIconsToBitmap(TBitmap& bitmap, TColor backColor, bool decreaseColors,
                                 bool vertical) const {
    paintCells(bitmap, backColor, decreaseColors, vertical, IconCount());
}

void TWkAni::paintCells(TBitmap& bitmap, TColor backColor, bool decreaseColors, bool vertical,
                        int cells) const {
    TBitmap result;
    const TIcon* first = FIcons.empty() ? nullptr : FIcons.front()->Icon();
    if (first && cells > 0) {
        const std::int64_t cellWidth = std::max(first->Width(), 1);
        const std::int64_t cellHeight = std::max(first->Height(), 1);
        const std::int64_t width = vertical ? cellWidth : cellWidth * cells;
        const std::int64_t height = vertical ? cellHeight * cells : cellHeight;
        if (width > MaxAniBitmapSide || height > MaxAniBitmapSide ||
            width * height > MaxAniBitmapPixels)
            throw EInvalidGraphicOperation(
                QStringLiteral("Too many animation steps for one bitmap"));
        QImage strip(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
        strip.fill(ToQColor(backColor));
        {
            QPainter painter(&strip);
            TCanvas canvas(painter);
            for (int cell = 0; cell < cells; ++cell) {
                // Past the last step the step selected before stays current.
                const int step =
                    cell < FFrameCount ? cell : (FFrameCount > 0 ? FFrameCount - 1 : FIndex);
                const TIcon* icon = Step(step).Icon;
                if (!icon || icon->Empty())
                    continue;
                const int x = vertical ? 0 : static_cast<int>(cellWidth * cell);
                const int y = vertical ? static_cast<int>(cellHeight * cell) : 0;
                DrawIconAtNaturalSize(canvas, *icon, x, y);
            }
        }
        result.SetImage(strip, pf24bit);
        if (decreaseColors) {
            auto stream = BitmapToMemoryStreamForColorCount(result, std::max(FOriginalColors, 16));
            result.LoadFromStream(*stream);
        }
    }
    bitmap.Assign(&result);
}
