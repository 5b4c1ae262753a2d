// Painting of the speed button: the themed or classic face, the hot-track look, then the
// glyph and caption.

#include "components/buttons/button_face.h"
#include "components/buttons/speed_button.h"
#include "components/draw/parent_background.h"
#include "components/draw/themed_background.h"
#include "components/draw/transparent_bitmap.h"

#include <QPainter>
#include <QStyleOptionButton>

void TWkCustomSpeedButton::paintEvent(QPaintEvent*) {
    if (!FDoubleBuffered || PaintsOnGlass(this)) {
        TCanvas canvas(this);
        Paint(canvas);
        return;
    }
    QImage buffer(size() * devicePixelRatio(), QImage::Format_ARGB32_Premultiplied);
    buffer.setDevicePixelRatio(devicePixelRatio());
    buffer.fill(Qt::transparent);
    {
        TCanvas canvas(&buffer);
        Paint(canvas);
    }
    QPainter(this).drawImage(QPoint(0, 0), buffer);
}

void TWkCustomSpeedButton::Paint(TCanvas& canvas) {
    const TWkButtonState state = PaintState();
    canvas.Font = FromQFont(font(), FromQColor(palette().color(QPalette::ButtonText)));
    TRect content{0, 0, width(), height()};
    TPoint offset;
    if (ThemesEnabled())
        paintThemedFace(canvas, content, offset, state);
    else
        paintClassicFace(canvas, content, offset, state);
    paintHotTrackLook(canvas);
    FGlyph.DrawEx(canvas, content, offset, Content(state));
}

void TWkCustomSpeedButton::paintThemedFace(TCanvas& canvas, TRect& content, TPoint& offset,
                                           TWkButtonState state) {
    if (PaintsOnGlass(this)) {
        canvas.Painter().fillRect(rect(), Qt::black);
    } else if (FTransparent) {
        CopyParentBackground(this, canvas);
    } else {
        EraseParentBackground(this, canvas);
    }
    const bool pressed = state == rbsDown || state == rbsExclusive;
    QStyleOptionButton option;
    option.initFrom(this);
    option.rect = rect();
    option.state &= ~(QStyle::State_MouseOver | QStyle::State_Sunken | QStyle::State_On);
    if (state == rbsDisabled)
        option.state &= ~QStyle::State_Enabled;
    else if (pressed)
        option.state |=
            QStyle::State_Sunken | (state == rbsExclusive ? QStyle::State_On : QStyle::State_None);
    else if (FMouseInControl || FDragging)
        option.state |= QStyle::State_MouseOver;
    if (FFlat) {
        option.state |= QStyle::State_AutoRaise;
        if (pressed || (option.state & QStyle::State_MouseOver))
            style()->drawPrimitive(QStyle::PE_PanelButtonTool, &option, &canvas.Painter(), this);
    } else {
        style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &canvas.Painter(), this);
    }
    ThemedContentRect(style(), TRect{0, 0, width(), height()}, content);
    if (pressed)
        offset = FFlat ? TPoint{1, 0} : TPoint{1, 1};
}

void TWkCustomSpeedButton::paintClassicFace(TCanvas& canvas, TRect& content, TPoint& offset,
                                            TWkButtonState state) {
    const bool pressed = state == rbsDown || state == rbsExclusive;
    const bool inactiveFlat = FFlat && state == rbsInactive;
    if (!FTransparent) {
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = FFlat && parentWidget()
                                 ? FromQColor(parentWidget()->palette().color(QPalette::Window))
                                 : FColor;
        canvas.FillRect(content);
    }
    if (inactiveFlat) {
        content = {content.Left + 2, content.Top + 2, content.Right - 2, content.Bottom - 2};
    } else {
        DrawClassicFrame(canvas, content, pressed, FStyle, FFlat, FColor);
        if (state == rbsExclusive && !FTransparent) {
            const auto checker = MakeCheckerBrushBitmap(FColor, clBtnHighlight);
            canvas.Painter().fillRect(ToQRect(content), QBrush(checker->Image()));
        }
    }
    if (pressed)
        offset = {1, 1};
}

void TWkCustomSpeedButton::paintHotTrackLook(TCanvas& canvas) {
    if (!FHotTrack || !((FHotTrackOptions->Enabled() && FDown) || FMouseInControl))
        return;
    canvas.Font = FromQFont(FHotTrackFont, FHotTrackFontColor);
    if (!FHotTrackOptions->Enabled())
        return;
    QBrush fill(ToQColor(ColorToRGB(FHotTrackOptions->Color())));
    if (FDown)
        fill = QBrush(MakeCheckerBrushBitmap(FHotTrackOptions->Color(), clWindow)->Image());
    QPainter& painter = canvas.Painter();
    if (FHotTrackOptions->FrameVisible()) {
        painter.fillRect(rect(), fill);
        painter.setPen(ToQColor(ColorToRGB(FHotTrackOptions->FrameColor())));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    } else {
        const int dy = FFlat ? 1 : 2;
        painter.fillRect(rect().adjusted(1, dy, -1, -dy), fill);
    }
}
