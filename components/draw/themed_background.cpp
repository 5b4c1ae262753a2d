#include "components/draw/themed_background.h"

#include "platform/ui/image_list.h"

#include <QApplication>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QStyleOptionToolButton>
#include <QWidget>

namespace {

constexpr const char* glassPaintProperty = "tavroPaintsOnGlass";
constexpr const char* doubleBufferedProperty = "tavroDoubleBuffered";
constexpr const char* needsBorderPaintProperty = "tavroNeedsBorderPaint";

bool hasFlag(const QWidget* widget, const char* name) {
    return widget->property(name).toBool();
}

} // namespace

bool ThemesEnabled() {
    return QApplication::style()->name().compare(QLatin1String("windows"), Qt::CaseInsensitive) !=
           0;
}

void SetPaintsOnGlassState(QWidget* control, bool value) {
    control->setProperty(glassPaintProperty, value);
}

void SetDoubleBufferedState(QWidget* control, bool value) {
    control->setProperty(doubleBufferedProperty, value);
}

bool PaintsOnGlass(const QWidget* control) {
    if (!control || !hasFlag(control, glassPaintProperty))
        return false;
    for (const QWidget* p = control->parentWidget(); p; p = p->parentWidget()) {
        if (p->isWindow())
            return true;
        if (hasFlag(p, doubleBufferedProperty))
            return false;
    }
    return true;
}

int DrawThemedText(TCanvas& canvas, const QString& text, TRect& r, bool composited,
                   unsigned format) {
    if (!composited || !ThemesEnabled())
        return canvas.DrawText(text, r, format);
    const TBrush saved = canvas.Brush;
    canvas.Brush.Style = bsClear;
    const int height = canvas.DrawText(text, r, format);
    canvas.Brush = saved;
    return height;
}

void DrawImageListImage(const TImageList& list, int index, TCanvas& canvas, int x, int y,
                        unsigned style, bool composited) {
    if (index < 0 || index >= list.Count())
        return;
    if (style & ILD_MASK) {
        canvas.Painter().drawImage(x, y, list.Mask(index));
        return;
    }
    if (!composited) {
        list.Draw(canvas, x, y, index);
        return;
    }
    // A cell's mask is its alpha: any alpha at all is inside the mask.
    QImage buffer = list.Image(index);
    for (int py = 0; py < buffer.height(); ++py)
        for (int px = 0; px < buffer.width(); ++px) {
            const QRgb p = buffer.pixel(px, py);
            buffer.setPixel(px, py, qAlpha(p) != 0 ? (p | 0xFF000000u) : 0u);
        }
    canvas.Painter().drawImage(x, y, buffer);
}

namespace {

// The style state of a button-like element: states run normal, hot, pressed, disabled from 1
// within each group of four.
QStyle::State buttonState(int state) {
    const int kind = (state - 1) % 4;
    QStyle::State result = QStyle::State_Raised;
    if (kind != 3)
        result |= QStyle::State_Enabled;
    if (kind == 1)
        result |= QStyle::State_MouseOver;
    if (kind == 2)
        result |= QStyle::State_Sunken;
    return result;
}

QRect pushButtonContent(const QStyle* style, const QRect& bounding, int state) {
    QStyleOptionButton option;
    option.rect = bounding;
    option.state = buttonState(state == PBS_DEFAULTED ? PBS_NORMAL : state);
    if (state == PBS_DEFAULTED)
        option.features |=
            QStyleOptionButton::DefaultButton | QStyleOptionButton::AutoDefaultButton;
    return style->subElementRect(QStyle::SE_PushButtonContents, &option);
}

QRect markButtonContent(const QStyle* style, const QRect& bounding, int part, int state) {
    QStyleOptionButton option;
    option.rect = bounding;
    option.state = buttonState(state);
    if (state >= CBS_MIXEDNORMAL)
        option.state |= QStyle::State_NoChange;
    else if (state >= CBS_CHECKEDNORMAL)
        option.state |= QStyle::State_On;
    else
        option.state |= QStyle::State_Off;
    const auto element =
        part == BP_RADIOBUTTON ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents;
    return style->subElementRect(element, &option);
}

QRect groupBoxContent(const QStyle* style, const QRect& bounding, int state) {
    QStyleOptionGroupBox option;
    option.rect = bounding;
    option.state = state == GBS_DISABLED ? QStyle::State_None : QStyle::State_Enabled;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxContents;
    option.lineWidth = 1;
    return style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents);
}

// A tool button's label lies inside its frame, whatever the state.
QRect toolButtonContent(const QStyle* style, const QRect& bounding, int state) {
    QStyleOptionToolButton option;
    option.rect = bounding;
    option.state = QStyle::State_AutoRaise | buttonState(state > TS_DISABLED ? TS_NORMAL : state);
    if (state == TS_CHECKED || state == TS_HOTCHECKED)
        option.state |= QStyle::State_On;
    if (state == TS_HOTCHECKED)
        option.state |= QStyle::State_MouseOver;
    option.subControls = QStyle::SC_ToolButton;
    const QRect button =
        style->subControlRect(QStyle::CC_ToolButton, &option, QStyle::SC_ToolButton);
    const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option);
    return button.adjusted(frame, frame, -frame, -frame);
}

} // namespace

bool ThemedContentRect(const QStyle* style, const TThemedElementDetails& details,
                       const TRect& bounding, TRect& content) {
    const QRect r = ToQRect(bounding);
    QRect result = r;
    if (details.Element == TThemedClass::Button) {
        if (details.Part == BP_PUSHBUTTON)
            result = pushButtonContent(style, r, details.State);
        else if (details.Part == BP_RADIOBUTTON || details.Part == BP_CHECKBOX)
            result = markButtonContent(style, r, details.Part, details.State);
        else if (details.Part == BP_GROUPBOX)
            result = groupBoxContent(style, r, details.State);
    } else if (details.Element == TThemedClass::ToolBar && details.Part == TP_BUTTON) {
        result = toolButtonContent(style, r, details.State);
    }
    content = FromQRect(result);
    return true;
}

bool ThemedContentRect(const QStyle* style, const TRect& bounding, TRect& content) {
    return ThemedContentRect(style, {TThemedClass::Button, BP_PUSHBUTTON, PBS_NORMAL}, bounding,
                             content);
}

TColor ControlColor(const QWidget* control) {
    return FromQColor(control->palette().color(control->backgroundRole()));
}

bool HasParentBackground(const QWidget* control) {
    return !control->autoFillBackground();
}

void SetParentBackground(QWidget* control, bool value) {
    control->setAutoFillBackground(!value);
}

bool NeedsBorderPaint(const QWidget* control) {
    return hasFlag(control, needsBorderPaintProperty);
}

void SetNeedsBorderPaint(QWidget* control, bool value) {
    control->setProperty(needsBorderPaintProperty, value);
}

void FillThemedBackground(QWidget* control, TCanvas& canvas, const TRect& r,
                          bool mustDrawParentBackground, TColor color) {
    const QWidget* parent = control ? control->parentWidget() : nullptr;
    const bool plain =
        !ThemesEnabled() || !parent ||
        (color != ControlColor(parent) && ColorToRGB(color) != ColorToRGB(ControlColor(parent))) ||
        (mustDrawParentBackground && !HasParentBackground(control));
    if (!plain) {
        EraseParentBackground(control, canvas, control->pos(), r);
        return;
    }
    const TBrush saved = canvas.Brush;
    canvas.Brush = TBrush{color, bsSolid};
    canvas.FillRect(r);
    canvas.Brush = saved;
}

void FillThemedBackground(QWidget* control, TCanvas& canvas, const TRect& r,
                          bool mustDrawParentBackground) {
    FillThemedBackground(control, canvas, r, mustDrawParentBackground, canvas.Brush.Color);
}

void EraseParentBackground(QWidget* control, TCanvas& canvas, QPoint offset,
                           std::optional<TRect> clip) {
    QWidget* parent = control ? control->parentWidget() : nullptr;
    if (!parent)
        return;
    QPainter& painter = canvas.Painter();
    painter.save();
    if (clip)
        painter.setClipRect(ToQRect(*clip), Qt::IntersectClip);
    // The part of the parent under the control lands at the control's own origin.
    const QRect source(offset, control->size());
    parent->render(&painter, QPoint(0, 0), QRegion(source), QWidget::DrawWindowBackground);
    painter.restore();
}

void EraseParentBackground(QWidget* control, TCanvas& canvas) {
    EraseParentBackground(control, canvas, control ? control->pos() : QPoint());
}
