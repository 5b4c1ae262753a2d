#include "components/label/custom_label.h"

#include "components/data/data_consumer.h"
#include "components/draw/themed_background.h"
#include "components/label/rotated_text.h"
#include "components/util/shell_open.h"

#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QKeySequence>
#include <QMouseEvent>
#include <QShortcut>
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

// The character after the caption's single "&", or a null character.
QChar AcceleratorChar(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return caption[i + 1];
        ++i;
    }
    return {};
}

} // namespace

TWkCustomLabel::TWkCustomLabel(QWidget* parent)
    : TWkExGraphicControl(parent), FHotTrackOptions(new TWkHotTrackOptions(this)),
      FConsumerSvc(std::make_unique<TWkDataConsumer>(
          this, std::initializer_list<int>{TWkDataConsumer::caOneItem})) {
    FConsumerSvc->OnChanged = [this](TWkDataConsumer&, TWkDataConsumerChangeReason) {
        Resize();
        update();
    };
    resize(65, 17);
    SetTransparent(false);
    CopyFontExcept(FHotTrackFont, Font(), FHotTrackFontOptions);
    FImageChangeLink.OnChange = [this](TImageList&) {
        update();
    };
}

TWkCustomLabel::~TWkCustomLabel() = default;

void TWkCustomLabel::SetCaption(const QString& caption) {
    if (caption == FCaption)
        return;
    FCaption = caption;
    SendTextChanged();
}

void TWkCustomLabel::SetAlignment(TAlignment value) {
    if (value == FAlignment)
        return;
    FAlignment = value;
    update();
}

void TWkCustomLabel::SetAutoSize(bool value) {
    if (value == FAutoSize)
        return;
    FAutoSize = value;
    FNeedsResize = value;
    AdjustBounds();
}

void TWkCustomLabel::SetLayout(TTextLayout value) {
    if (value == FLayout)
        return;
    FLayout = value;
    update();
}

void TWkCustomLabel::SetWordWrap(bool value) {
    if (value == FWordWrap)
        return;
    FWordWrap = value;
    Resize();
    update();
}

void TWkCustomLabel::SetTextEllipsis(TWkTextEllipsis value) {
    if (value == FTextEllipsis)
        return;
    FTextEllipsis = value;
    update();
}

void TWkCustomLabel::SetAngle(int value) {
    value = std::clamp(value, -360, 360);
    if (value < 0)
        value += 360;
    if (value == FAngle)
        return;
    FAngle = value;
    FNeedsResize = FAutoSize;
    AdjustBounds();
    update();
}

void TWkCustomLabel::SetShadowColor(TColor value) {
    if (value == FShadowColor)
        return;
    FShadowColor = value;
    update();
}

void TWkCustomLabel::SetShadowSize(int value) {
    value = std::clamp(value, 0, 255);
    if (value == FShadowSize)
        return;
    FShadowSize = value;
    Resize();
    update();
}

void TWkCustomLabel::SetShadowPos(TShadowPosition value) {
    if (value == FShadowPos)
        return;
    FShadowPos = value;
    update();
}

void TWkCustomLabel::SetFrameColor(TColor value) {
    if (value == FFrameColor)
        return;
    FFrameColor = value;
    update();
}

void TWkCustomLabel::SetRoundedFrame(int value) {
    if (value == FRoundedFrame || value < 0 || value >= height() / 2)
        return;
    FRoundedFrame = value;
    update();
}

void TWkCustomLabel::SetMargin(int value) {
    value = std::max(0, value);
    if (value == FMarginLeft && value == FMarginTop && value == FMarginRight &&
        value == FMarginBottom)
        return;
    FMarginLeft = FMarginTop = FMarginRight = FMarginBottom = value;
    Resize();
    update();
}

void TWkCustomLabel::SetTransparent(bool value) {
    // Under themes the parent's background may show through, so the label is never opaque.
    FOpaque = !value && !ThemesEnabled();
    setAttribute(Qt::WA_OpaquePaintEvent, FOpaque);
    update();
}

TColor TWkCustomLabel::Color() const {
    return ControlColor(this);
}

void TWkCustomLabel::SetColor(TColor value) {
    QPalette colors = palette();
    colors.setColor(QPalette::Window, ToQColor(value));
    setPalette(colors);
    update();
}

TFont TWkCustomLabel::Font() const {
    const QFont qfont = font();
    TFont result;
    result.Name = qfont.family();
    result.Height = -QFontInfo(qfont).pixelSize();
    result.Color = FFontColor;
    result.Style = (qfont.bold() ? fsBold : 0u) | (qfont.italic() ? fsItalic : 0u) |
                   (qfont.underline() ? fsUnderline : 0u) | (qfont.strikeOut() ? fsStrikeOut : 0u);
    return result;
}

void TWkCustomLabel::SetFont(const TFont& value) {
    const bool colorChanged = value.Color != FFontColor;
    FFontColor = value.Color;
    setFont(ToQFont(value));
    if (colorChanged)
        FontChanged();
}

void TWkCustomLabel::SetShowAccelChar(bool value) {
    if (value == FShowAccelChar)
        return;
    FShowAccelChar = value;
    UpdateAccelerator();
    update();
}

void TWkCustomLabel::SetShowFocus(bool value) {
    if (value == FShowFocus)
        return;
    FShowFocus = value;
    update();
}

void TWkCustomLabel::SetFocusControl(QWidget* control) {
    if (control == FFocusControl)
        return;
    FFocusControl = control;
    UpdateAccelerator();
    if (FShowFocus)
        update();
}

IWkDataProvider* TWkCustomLabel::Provider() const {
    return FConsumerSvc->Provider();
}

void TWkCustomLabel::SetProvider(IWkDataProvider* provider) {
    FConsumerSvc->SetProvider(provider);
}

IWkDataItem* TWkCustomLabel::BoundItem() const {
    if (FConsumerSvc->Provider() == nullptr)
        return nullptr;
    const TWkDataConsumerItemSelect* select = FConsumerSvc->ItemSelect();
    return select != nullptr ? select->ItemIntf() : nullptr;
}

QString TWkCustomLabel::GetLabelCaption() const {
    IWkDataItem* item = BoundItem();
    if (item == nullptr)
        return FCaption;
    EnterScope scope(*FConsumerSvc);
    const auto* text = Supports<IWkDataItemText>(item);
    return text != nullptr ? text->Caption() : QString();
}

void TWkCustomLabel::SetImages(TImageList* images) {
    if (images == FImages)
        return;
    SetProvider(nullptr);
    if (FImages != nullptr)
        FImages->UnRegisterChanges(FImageChangeLink);
    FImages = images;
    if (FImages != nullptr)
        FImages->RegisterChanges(FImageChangeLink);
    if (FAutoSize) {
        FNeedsResize = true;
        AdjustBounds();
    } else {
        update();
    }
}

void TWkCustomLabel::SetImageIndex(int value) {
    if (value == FImageIndex)
        return;
    if (ImageShown())
        SetProvider(nullptr);
    FNeedsResize = true;
    FImageIndex = value;
    AdjustBounds();
    update();
}

void TWkCustomLabel::SetSpacing(int value) {
    if (value == FSpacing)
        return;
    FSpacing = value;
    if (FAutoSize) {
        FNeedsResize = true;
        AdjustBounds();
    } else {
        update();
    }
}

void TWkCustomLabel::SetHotTrackFontOptions(TWkTrackFontOptions options) {
    if (options == FHotTrackFontOptions)
        return;
    FHotTrackFontOptions = options;
    CopyFontExcept(FHotTrackFont, Font(), FHotTrackFontOptions);
}

void TWkCustomLabel::SetHotTrackOptions(const TWkHotTrackOptions& options) {
    FHotTrackOptions->Assign(&options);
}

void TWkCustomLabel::AssignHotTrack(TWkCustomLabel& source) {
    SetHotTrack(source.HotTrack());
    SetHotTrackFont(source.HotTrackFont());
    SetHotTrackFontOptions(source.HotTrackFontOptions());
    SetHotTrackOptions(source.HotTrackOptions());
}

void TWkCustomLabel::SetBounds(int left, int top, int width, int height) {
    FNeedsResize = left != x() || top != y() || width != this->width() || height != this->height();
    setGeometry(left, top, width, height);
}

void TWkCustomLabel::Loaded() {
    FConsumerSvc->Loaded();
    FNeedsResize = true;
    AdjustBounds();
}

int TWkCustomLabel::GetImageWidth() const {
    return ImageShown() && Provider() == nullptr ? FImages->Width() : 0;
}

int TWkCustomLabel::GetImageHeight() const {
    return ImageShown() && Provider() == nullptr ? FImages->Height() : 0;
}

void TWkCustomLabel::Resize() {
    FNeedsResize = true;
    AdjustBounds();
}

void TWkCustomLabel::FontChanged() {
    Resize();
    CopyFontExcept(FHotTrackFont, Font(), FHotTrackFontOptions);
    update();
}

void TWkCustomLabel::AdjustBounds() {
    if (!FAutoSize || !FNeedsResize) {
        FNeedsResize = false;
        return;
    }
    FNeedsResize = false;
    QImage screen(1, 1, QImage::Format_ARGB32_Premultiplied);
    TCanvas canvas(&screen);
    TRect r{1, 1, width() - 1, height() - 1};
    if (FAngle != 0) {
        DrawAngleText(canvas, r,
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
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    const bool rightAligned =
        (FAlignment == taRightJustify) != rightToLeft && FAlignment != taCenter;
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
        const int spare = text.Height() - measured.Height();
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
    flags |= EllipsisFlag(FTextEllipsis);
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
        DrawAngleText(canvas, rect, flags, ColorToRGB(shadowColor), shadowSize, shadowPos);
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
        FImages->Draw(canvas, FMarginLeft, std::max(top, FMarginTop), FImageIndex, isEnabled());
    }
}

void TWkCustomLabel::DrawAngleText(TCanvas& canvas, TRect& rect, unsigned flags, TColor shadowColor,
                                   int shadowSize, TShadowPosition shadowPos) {
    const bool measuring = flags & DT_CALCRECT;
    QString text = GetLabelCaption().left(MaxAngleCaption);
    if (measuring)
        text = MeasuredCaption(text, FShowAccelChar);
    canvas.Font = FMouseOverLabel && FHotTrack ? FHotTrackFont : Font();
    canvas.Brush.Style = bsClear;
    // The caption is laid out upright on lines as long as the box allows along the angle (an
    // AutoSize label takes what it needs), then turned into place.
    const TSize area{width() - FMarginLeft - FMarginRight - 2,
                     height() - FMarginTop - FMarginBottom - 2};
    constexpr int Unlimited = 1 << 20;
    const int lineLength = FAutoSize ? Unlimited : RotatedLineLength(FAngle, area);
    const unsigned kept =
        DT_NOPREFIX | DT_EXPANDTABS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS | DT_END_ELLIPSIS;
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

void TWkCustomLabel::mousePressEvent(QMouseEvent* event) {
    TWkExGraphicControl::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && isEnabled())
        FDragging = true;
}

void TWkCustomLabel::mouseReleaseEvent(QMouseEvent* event) {
    TWkExGraphicControl::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const bool pressed = FDragging;
    FDragging = false;
    const bool inside = rect().contains(event->position().toPoint());
    UpdateMouseOver(inside);
    if (pressed && inside)
        Click();
}

void TWkCustomLabel::Click() {
    IWkDataItem* item = BoundItem();
    if (Supports<IWkDataItemAction>(item) != nullptr) {
        EnterScope scope(*FConsumerSvc);
        FConsumerSvc->ItemSelected(item);
        return;
    }
    FireNotifyEvent(OnClick, this);
    if (FAutoOpenURL && !FURL.isEmpty())
        OpenWithShell(FURL);
}

bool TWkCustomLabel::NotifyTextChanged(QEvent* event) {
    const bool result = TWkExGraphicControl::NotifyTextChanged(event);
    SetProvider(nullptr);
    UpdateAccelerator();
    update();
    Resize();
    return result;
}

bool TWkCustomLabel::NotifyFontChanged(QEvent* event) {
    const bool result = TWkExGraphicControl::NotifyFontChanged(event);
    FontChanged();
    return result;
}

bool TWkCustomLabel::NotifyParentFontChanged(QEvent* event) {
    const bool result = TWkExGraphicControl::NotifyParentFontChanged(event);
    FontChanged();
    return result;
}

bool TWkCustomLabel::NotifyFocusChanged(TWkFocusChangedEvent* event) {
    const bool focused = FFocusControl != nullptr && event->Control == FFocusControl;
    if (focused != FFocused) {
        FFocused = focused;
        if (FShowFocus)
            update();
    }
    return TWkExGraphicControl::NotifyFocusChanged(event);
}

bool TWkCustomLabel::NotifyEnabledChanged(QEvent* event) {
    const bool result = TWkExGraphicControl::NotifyEnabledChanged(event);
    UpdateMouseOver(underMouse());
    update();
    return result;
}

bool TWkCustomLabel::NotifyMouseEnter(QEvent* event) {
    if (!isEnabled() || FMouseOverLabel || QApplication::activeWindow() == nullptr)
        return SendToInherited(event);
    UpdateMouseOver(true);
    return TWkExGraphicControl::NotifyMouseEnter(event);
}

bool TWkCustomLabel::NotifyMouseLeave(QEvent* event) {
    if (!isEnabled() || !FMouseOverLabel)
        return SendToInherited(event);
    UpdateMouseOver(false);
    return TWkExGraphicControl::NotifyMouseLeave(event);
}

void TWkCustomLabel::UpdateMouseOver(bool pointerOver) {
    const bool buttonHeld = QGuiApplication::mouseButtons() & Qt::LeftButton;
    const bool over = isEnabled() && !buttonHeld && !FDragging && pointerOver &&
                      QApplication::activeWindow() != nullptr;
    if (over == FMouseOverLabel)
        return;
    FMouseOverLabel = over;
    update();
}

bool TWkCustomLabel::WantsDialogChar(std::uint16_t key, TShiftState shift) {
    const QChar accelerator = AcceleratorChar(FCaption);
    if (!(shift & Qt::AltModifier) || accelerator.isNull() ||
        accelerator.toUpper().unicode() != key)
        return false;
    return FocusAccelerated();
}

bool TWkCustomLabel::FocusAccelerated() {
    if (FFocusControl == nullptr || !isEnabled() || !FShowAccelChar)
        return false;
    if (FFocusControl->isEnabled() && FFocusControl->isVisible() &&
        FFocusControl->focusPolicy() != Qt::NoFocus)
        FFocusControl->setFocus(Qt::ShortcutFocusReason);
    return true;
}

// A graphic label never has the keyboard, so Alt with its accelerator reaches it as a shortcut
// of its window.
void TWkCustomLabel::UpdateAccelerator() {
    delete FAccelerator;
    FAccelerator = nullptr;
    const QChar accelerator = AcceleratorChar(FCaption);
    if (FFocusControl == nullptr || !FShowAccelChar || accelerator.isNull())
        return;
    FAccelerator = new QShortcut(
        QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(accelerator.toUpper().unicode()))),
        this);
    connect(FAccelerator, &QShortcut::activated, this, [this] { FocusAccelerated(); });
}
