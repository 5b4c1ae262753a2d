#include "components/label/custom_label.h"

#include "components/data/data_consumer.h"
#include "components/draw/component_references.h"
#include "components/draw/themed_background.h"
#include "components/util/key_state.h"

#include <QApplication>
#include <QFontInfo>
#include <QKeySequence>
#include <QShortcut>

namespace {

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
    : TWkExGraphicControl(parent), TWkDraggable(this),
      FHotTrackOptions(new TWkHotTrackOptions(this)),
      FConsumerSvc(std::make_unique<TWkDataConsumer>(
          this, std::initializer_list<int>{TWkDataConsumer::caOneItem})) {
    FConsumerSvc->OnChanged = [this](TWkDataConsumer&, TWkDataConsumerChangeReason) {
        Resize();
        update();
    };
    resize(65, 17);
    setMouseTracking(true);
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
    Resize();
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
    Resize();
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
    return ItemCaption(item);
}

void TWkCustomLabel::SetImages(TImageList* images) {
    if (images == Images())
        return;
    SetProvider(nullptr);
    TImageList* reference = nullptr;
    ReplaceImageListReference(this, images, reference, FImageChangeLink);
    if (FAutoSize)
        Resize();
    else
        update();
}

void TWkCustomLabel::SetImageIndex(int value) {
    if (value == FImageIndex)
        return;
    if (ImageShown())
        SetProvider(nullptr);
    FImageIndex = value;
    Resize();
    update();
}

void TWkCustomLabel::SetSpacing(int value) {
    if (value == FSpacing)
        return;
    FSpacing = value;
    if (FAutoSize)
        Resize();
    else
        update();
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

void TWkCustomLabel::AssignHotTrack(const IWkHotTrack& source) {
    SetHotTrack(source.GetHotTrack());
    SetHotTrackFont(source.GetHotTrackFont());
    SetHotTrackFontOptions(source.GetHotTrackFontOptions());
    SetHotTrackOptions(source.GetHotTrackOptions());
}

void TWkCustomLabel::SetBounds(int left, int top, int width, int height) {
    FNeedsResize = left != x() || top != y() || width != this->width() || height != this->height();
    setGeometry(left, top, width, height);
}

void TWkCustomLabel::Loaded() {
    FConsumerSvc->Loaded();
    Resize();
}

int TWkCustomLabel::GetImageWidth() const {
    return ImageShown() && Provider() == nullptr ? Images()->Width() : 0;
}

int TWkCustomLabel::GetImageHeight() const {
    return ImageShown() && Provider() == nullptr ? Images()->Height() : 0;
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
    const bool buttonHeld = IsKeyDown(VK_LBUTTON);
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
