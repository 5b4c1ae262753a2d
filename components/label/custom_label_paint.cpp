// How the label measures itself and draws its background, frame, image and caption.

#include "components/data/data_consumer.h"
#include "components/draw/themed_background.h"
#include "components/label/custom_label.h"
#include "components/label/rotated_text.h"
#include "components/util/screen_dc.h"

#include <array>

namespace {

unsigned AlignmentFlag(TAlignment alignment) {
    switch (alignment) {
    case taRightJustify:
        return DT_RIGHT;
    case taCenter:
        return DT_CENTER;
    case taLeftJustify:
        break;
    }
    return DT_LEFT;
}

unsigned EllipsisFlag(TWkTextEllipsis ellipsis) {
    switch (ellipsis) {
    case teWordEllipsis:
        return DT_WORD_ELLIPSIS;
    case tePathEllipsis:
        return DT_PATH_ELLIPSIS;
    case teEndEllipsis:
        return DT_END_ELLIPSIS;
    case teNone:
        break;
    }
    return 0;
}

TPoint ShadowOffset(TShadowPosition position, int size) {
    switch (position) {
    case spLeftTop:
        return {-size, -size};
    case spLeftBottom:
        return {-size, size};
    case spRightTop:
        return {size, -size};
    case spRightBottom:
        break;
    }
    return {size, size};
}

TRect Offset(TRect r, TPoint by) {
    return {r.Left + by.X, r.Top + by.Y, r.Right + by.X, r.Bottom + by.Y};
}

TRect Union(const TRect& a, const TRect& b) {
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

// What is measured for a caption that would measure as nothing: one blank keeps a line's height.
QString MeasuredCaption(const QString& caption, bool showAccelChar) {
    if (caption.isEmpty() || (showAccelChar && caption == QLatin1String("&")))
        return QStringLiteral(" ");
    return caption;
}

} // namespace

void TWkCustomLabel::AdjustBounds() {
    if (!FAutoSize || !FNeedsResize) {
        FNeedsResize = false;
        return;
    }
    FNeedsResize = false;
    const auto screen = CreateScreenCompatibleDC();
    TCanvas& canvas = screen->Canvas();
    TRect r{1, 1, width() - 1, height() - 1};
    if (FAngle != 0) {
        DrawAngleText(canvas, r, MeasuredCaption(GetLabelCaption(), FShowAccelChar),
                      AlignmentFlag(FAlignment) | DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK,
                      FShadowColor, 0, FShadowPos);
    } else {
        r = {r.Left + FMarginLeft, r.Top + FMarginTop, r.Right - FMarginRight,
             r.Bottom - FMarginBottom};
        DoDrawText(canvas, r, (FWordWrap ? DT_WORDBREAK : 0u) | DT_CALCRECT | DT_EXPANDTABS);
        r = {r.Left - FMarginLeft, r.Top - FMarginTop, r.Right + FMarginRight,
             r.Bottom + FMarginBottom};
    }
    r = {r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1};
    if (ImageShown())
        r.Bottom = std::max(r.Bottom, GetImageHeight() + r.Top);
    int left = x();
    const bool rightAligned =
        (FAlignment == taRightJustify) != UseRightToLeftAlignment() && FAlignment != taCenter;
    if (rightAligned && !ImageShown())
        left += width() - r.Right;
    SetBounds(left, y(), r.Right, r.Bottom);
    FNeedsResize = false;
}

void TWkCustomLabel::paintEvent(QPaintEvent* event) {
    TWkExGraphicControl::paintEvent(event);
    TCanvas canvas(this);
    Paint(canvas);
}

void TWkCustomLabel::Paint(TCanvas& canvas) {
    if (!isEnabled())
        FDragging = false;
    const TRect client{0, 0, width(), height()};
    PaintLabelBackground(canvas, client);
    TRect text{client.Left + FMarginLeft + 1, client.Top + FMarginTop + 1,
               client.Right - FMarginRight - 1, client.Bottom - FMarginBottom - 1};
    const unsigned flags = (FWordWrap ? DT_WORDBREAK : 0u) | AlignmentFlag(FAlignment);
    if (FLayout != tlTop) {
        TRect measured = text;
        DoDrawText(canvas, measured, flags | DT_CALCRECT | DT_EXPANDTABS);
        // Measured against the control's full height: the bottom margin and the inner pixel do
        // not count, so a bottom-laid line ends on the control's last row.
        const int spare = height() - measured.Bottom;
        const int shift = FLayout == tlBottom ? spare : spare / 2;
        text = Offset(text, {0, shift});
    }
    DoDrawText(canvas, text, flags | DT_EXPANDTABS);
    if (FShowFocus && FFocused) {
        canvas.Brush = TBrush{Color(), bsSolid};
        canvas.Pen = TPen{Font().Color, psDot, 1};
        canvas.Brush.Style = bsClear;
        canvas.Rectangle(text.Left - 1, text.Top - 1, text.Right + 1, text.Bottom + 1);
    }
}

void TWkCustomLabel::PaintLabelBackground(TCanvas& canvas, const TRect& client) {
    const bool transparent = Transparent();
    if (isEnabled() && FMouseOverLabel && FHotTrack) {
        if (!FHotTrackOptions->Enabled())
            return;
        canvas.Brush = TBrush{FHotTrackOptions->Color(), bsSolid};
        if (!FHotTrackOptions->FrameVisible()) {
            canvas.FillRect(client);
        } else if (FRoundedFrame > 0) {
            DrawCutCornerFrame(canvas, FHotTrackOptions->FrameColor(), !transparent);
        } else {
            canvas.Pen = TPen{FHotTrackOptions->FrameColor(), psSolid, 1};
            canvas.Rectangle(client);
        }
        return;
    }
    canvas.Font = Font();
    canvas.Brush = TBrush{Color(), bsSolid};
    if (!transparent && (FRoundedFrame == 0 || FFrameColor == clNone))
        FillThemedBackground(this, canvas, client, false, Color());
    if (transparent)
        canvas.Brush.Style = bsClear;
    if (FFrameColor == clNone)
        return;
    if (FRoundedFrame > 0) {
        DrawCutCornerFrame(canvas, FFrameColor, !transparent);
    } else {
        canvas.Brush = TBrush{FFrameColor, bsSolid};
        canvas.FrameRect(client);
    }
}

void TWkCustomLabel::DrawCutCornerFrame(TCanvas& canvas, TColor frameColor, bool fill) {
    const int r = FRoundedFrame;
    const int left = 0;
    const int top = 0;
    const int right = width() - 1;
    const int bottom = height() - 1;
    const std::array<TPoint, 9> corners{{{left + r, top},
                                         {right - r, top},
                                         {right, top + r},
                                         {right, bottom - r},
                                         {right - r, bottom},
                                         {left + r, bottom},
                                         {left, bottom - r},
                                         {left, top + r},
                                         {left + r, top}}};
    canvas.Pen = TPen{frameColor, psSolid, 1};
    if (fill)
        canvas.Brush.Style = bsSolid;
    else
        canvas.Brush.Style = bsClear;
    canvas.Polygon(corners);
}

void TWkCustomLabel::DoDrawText(TCanvas& canvas, TRect& rect, unsigned flags) {
    if (Provider() != nullptr)
        DoProviderDraw(canvas, rect, flags);
    else
        DoDrawCaption(canvas, rect, flags);
}

void TWkCustomLabel::DoProviderDraw(TCanvas& canvas, TRect& rect, unsigned flags) {
    IWkDataItem* item = BoundItem();
    auto* self = Supports<IWkDataItemDraw>(item);
    // An item that does not draw itself shows its text as the caption would be.
    if (self == nullptr) {
        DoDrawCaption(canvas, rect, flags);
        return;
    }
    EnterScope scope(*FConsumerSvc);
    canvas.Font = FMouseOverLabel && FHotTrack ? FHotTrackFont : Font();
    canvas.Brush.Style = bsClear;
    if (flags & DT_CALCRECT) {
        const TSize size = self->Measure(canvas);
        rect.Right = rect.Left + size.cx;
        rect.Bottom = rect.Top + size.cy;
        return;
    }
    TProviderDrawStates state = 0;
    if (!isEnabled())
        state |= pdsDisabled;
    if (FMouseOverLabel)
        state |= pdsHot;
    self->Draw(canvas, rect, state);
}

void TWkCustomLabel::DoDrawCaption(TCanvas& canvas, TRect& rect, unsigned flags) {
    const bool measuring = flags & DT_CALCRECT;
    QString text = GetLabelCaption();
    if (measuring)
        text = MeasuredCaption(text, FShowAccelChar);
    if (!FShowAccelChar)
        flags |= DT_NOPREFIX;
    flags |= EllipsisFlag(FTextEllipsis) | ReadingFlags();
    if (FMouseOverLabel && FHotTrack) {
        canvas.Font = FHotTrackFont;
    } else {
        canvas.Font = Font();
        canvas.Font.Color = GetDefaultFontColor();
    }
    TColor shadowColor = FShadowColor;
    int shadowSize = FShadowSize;
    TShadowPosition shadowPos = FShadowPos;
    if (!isEnabled()) {
        canvas.Font.Color = clGrayText;
        shadowColor = clBtnHighlight;
        if (shadowSize == 0) {
            shadowSize = 1;
            shadowPos = spRightBottom;
        }
    }
    if (ImageShown())
        rect.Left += GetImageWidth() + FSpacing;
    if (FAngle != 0) {
        DrawAngleText(canvas, rect, text, flags, ColorToRGB(shadowColor), shadowSize, shadowPos);
    } else {
        const TColor textColor = canvas.Font.Color;
        canvas.Brush.Style = bsClear;
        TRect shadow = Offset(rect, ShadowOffset(shadowPos, shadowSize));
        if (shadowSize > 0) {
            canvas.Font.Color = shadowColor;
            canvas.DrawText(text, shadow, flags);
        }
        canvas.Font.Color = textColor;
        canvas.DrawText(text, rect, flags);
        if (measuring && shadowSize > 0)
            rect = Union(rect, shadow);
    }
    if (ImageShown() && !measuring) {
        int top = FMarginTop;
        if (FLayout == tlBottom)
            top = height() - GetImageHeight() - FMarginBottom;
        else if (FLayout == tlCenter)
            top = (height() - GetImageHeight()) / 2;
        Images()->Draw(canvas, FMarginLeft, std::max(top, FMarginTop), FImageIndex, isEnabled());
    }
}

void TWkCustomLabel::DrawAngleText(TCanvas& canvas, TRect& rect, const QString& caption,
                                   unsigned flags, TColor shadowColor, int shadowSize,
                                   TShadowPosition shadowPos) {
    const bool measuring = flags & DT_CALCRECT;
    const QString text = caption.left(MaxAngleCaption);
    canvas.Font = FMouseOverLabel && FHotTrack ? FHotTrackFont : Font();
    canvas.Brush.Style = bsClear;
    // The caption is laid out upright on lines as long as the box allows along the angle (an
    // AutoSize label takes what it needs), then turned into place.
    const TSize area{width() - FMarginLeft - FMarginRight - 2,
                     height() - FMarginTop - FMarginBottom - 2};
    constexpr int Unlimited = 1 << 20;
    const int lineLength = FAutoSize ? Unlimited : RotatedLineLength(FAngle, area);
    const unsigned kept = DT_NOPREFIX | DT_EXPANDTABS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS |
                          DT_END_ELLIPSIS | DT_RTLREADING;
    const unsigned lineFlags = (flags & kept) | AlignmentFlag(FAlignment) |
                               (FWordWrap ? DT_WORDBREAK : DT_SINGLELINE) | DT_NOCLIP;
    TRect block{0, 0, lineLength, 0};
    canvas.DrawText(text, block, lineFlags | DT_CALCRECT);
    const TSize blockSize{block.Width(), block.Height()};
    const TRotatedPlacement placement =
        PlaceRotatedText(FAngle, blockSize, {width(), height()}, FAlignment, FAutoSize);
    if (measuring) {
        rect.Right = rect.Left + placement.Box.cx + GetImageWidth() + FMarginLeft + FMarginRight;
        rect.Bottom = rect.Top + placement.Box.cy + FMarginTop + FMarginBottom;
        return;
    }
    TPoint origin = placement.Origin;
    if (ImageShown() && FAlignment == taLeftJustify)
        origin.X += GetImageWidth();
    else if (ImageShown() && FAlignment == taCenter)
        origin.X += GetImageWidth() / 2;
    origin.X += FMarginLeft;
    origin.Y += FMarginTop;
    // Each line is aligned within the full line length; the block sits where its widest line
    // starts.
    const int spare = FAutoSize ? 0 : lineLength - blockSize.cx;
    const int lead = FAlignment == taCenter ? spare / 2 : FAlignment == taRightJustify ? spare : 0;
    const TRect lines{-lead, 0, (FAutoSize ? blockSize.cx : lineLength) - lead, blockSize.cy};
    auto write = [&](TPoint at, TColor color) {
        QPainter& painter = canvas.Painter();
        painter.save();
        painter.translate(at.X, at.Y);
        painter.rotate(-FAngle);
        canvas.Font.Color = color;
        TRect drawn = lines;
        canvas.DrawText(text, drawn, lineFlags);
        painter.restore();
    };
    if (shadowSize != 0) {
        const TPoint offset = ShadowOffset(shadowPos, shadowSize);
        write({origin.X + offset.X, origin.Y + offset.Y}, shadowColor);
    }
    TColor textColor = Font().Color;
    if (!isEnabled()) {
        write({origin.X + 1, origin.Y + 1}, clBtnHighlight);
        textColor = clBtnShadow;
    }
    write(origin, textColor);
}
