#pragma once
// A push button without a window of its own: up, pressed and group-held "down" states,
// auto-repeat while held, hot tracking, a drop-down menu, and a glyph whose disabled, inactive
// and pressed looks are derived once and shared (see TWkxButtonGlyph). Painted through the
// current QStyle, or with the classic 3D frame when themes are off.

#include "components/base/ext_control.h"
#include "components/base/hot_track_options.h"
#include "components/base/hot_track_source.h"
#include "components/buttons/button_glyph.h"
#include "components/buttons/button_types.h"
#include "components/draw/font_copy.h"

#include <QFont>

class QMenu;
class QTimer;

// Which edge of a drop-down menu lines up with its anchor point.
enum TPopupAlignment { paLeft, paRight, paCenter };

// The top-left corner, in button coordinates, at which a menu of menuWidth opens.
QPoint DropDownMenuPoint(QSize button, int menuWidth, TWkDropDownMenuPos position,
                         TPopupAlignment alignment);

class TWkCustomSpeedButton : public TWkExGraphicControl, public IWkHotTrack {
public:
    explicit TWkCustomSpeedButton(QWidget* parent = nullptr);
    ~TWkCustomSpeedButton() override;

    // Speed buttons alive in the process.
    static int LiveButtonCount();

    TWkButtonState State() const { return FState; }
    bool Down() const { return FDown; }
    // Needs a group; releasing needs AllowAllUp. Going down releases the group's other buttons.
    void SetDown(bool value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value);
    bool AllowTimer() const { return FAllowTimer; }
    // Off stops and frees the repeat timer.
    void SetAllowTimer(bool value);
    int InitPause() const { return FInitRepeatPause; }
    void SetInitPause(int ms) { FInitRepeatPause = ms; }
    int RepeatInterval() const { return FRepeatPause; }
    void SetRepeatInterval(int ms) { FRepeatPause = ms; }

    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout value);
    int Margin() const { return FMargin; }
    // Values below -1 are ignored.
    void SetMargin(int value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);
    // Where the caption sits across its room, and whether it wraps at word breaks.
    TAlignment Alignment() const { return FGlyph.Alignment(); }
    void SetAlignment(TAlignment value);
    bool WordWrap() const { return FGlyph.WordWrap(); }
    void SetWordWrap(bool value);
    TButtonStyle Style() const { return FStyle; }
    void SetStyle(TButtonStyle value);
    bool GrayedInactive() const { return FInactiveGrayed; }
    void SetGrayedInactive(bool value);
    bool MarkDropDown() const { return FMarkDropDown; }
    void SetMarkDropDown(bool value);
    bool DoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool value) { FDoubleBuffered = value; }
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int value) { FModalResult = value; }

    // The glyph bitmap; its cells (up to five) give the states' looks.
    const TBitmap& Glyph() const { return FGlyph.Glyph(); }
    void SetGlyph(const TBitmap& glyph) { FGlyph.SetGlyph(glyph); }
    int NumGlyphs() const { return FGlyph.NumGlyphs(); }
    void SetNumGlyphs(int value) { FGlyph.SetNumGlyphs(value); }
    bool GrayNewStyle() const { return FGlyph.GrayNewStyle(); }
    void SetGrayNewStyle(bool value) { FGlyph.SetGrayNewStyle(value); }
    TWkxButtonGlyph& ButtonGlyph() { return FGlyph; }

    bool HotTrack() const { return FHotTrack; }
    void SetHotTrack(bool value);
    TWkHotTrackOptions* HotTrackOptions() const { return FHotTrackOptions; }
    TWkTrackFontOptions HotTrackFontOptions() const { return FHotTrackFontOptions; }
    void SetHotTrackFontOptions(TWkTrackFontOptions value);
    const QFont& HotTrackFont() const { return FHotTrackFont; }
    TColor HotTrackFontColor() const { return FHotTrackFontColor; }
    void SetHotTrackFont(const QFont& font, TColor color);
    bool GetHotTrack() const override { return FHotTrack; }
    TFont GetHotTrackFont() const override { return FromQFont(FHotTrackFont, FHotTrackFontColor); }
    TWkTrackFontOptions GetHotTrackFontOptions() const override { return FHotTrackFontOptions; }
    const TWkHotTrackOptions& GetHotTrackOptions() const override { return *FHotTrackOptions; }

    QMenu* DropDownMenu() const { return FDropDownMenu; }
    void SetDropDownMenu(QMenu* menu);
    TWkDropDownMenuPos MenuPosition() const { return FMenuPosition; }
    void SetMenuPosition(TWkDropDownMenuPos value) { FMenuPosition = value; }
    // Qt menus carry no alignment; the button keeps it for its menu.
    TPopupAlignment MenuAlignment() const { return FMenuAlignment; }
    void SetMenuAlignment(TPopupAlignment value) { FMenuAlignment = value; }
    bool MenuTracking() const { return FMenuTracking; }

    // A press from code: shows the pressed look for 20 ms (through the UI host), then clicks.
    void ButtonClick();
    // Opens the drop-down menu (at run time); true when one opened.
    bool CheckBtnMenuDropDown();
    // Sets the dialog's result (when ModalResult is not 0), then fires OnClick; the handler's
    // exceptions reach the caller.
    virtual void Click();
    // Brings the hot state in line with where the mouse is.
    void UpdateTracking();
    // The mouse is over the button (the hot state).
    bool MouseInControl() const { return FMouseInControl; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool NotifyMouseEnter(QEvent* event) override;
    bool NotifyMouseLeave(QEvent* event) override;
    bool NotifyEnabledChanged(QEvent* event) override;
    bool NotifyVisibleChanged(QEvent* event) override;
    bool NotifyFontChanged(QEvent* event) override;
    bool NotifyParentFontChanged(QEvent* event) override;
    bool NotifyColorChanged(QEvent* event) override;
    bool NotifyParentColorChanged(QEvent* event) override;

    // Paints the whole button.
    virtual void Paint(TCanvas& canvas);
    // What the glyph painter draws besides its bitmap (image lists add theirs).
    virtual TButtonContent Content(TWkButtonState state) const;
    // One repeat step while the button is held; an exception stops the timer and propagates.
    void RepeatTimerTick();
    QTimer* RepeatTimer() const { return FRepeatTimer; }
    // The state the button paints in (disabled and inactive looks applied).
    TWkButtonState PaintState() const;
    bool Dragging() const { return FDragging; }
    void SetState(TWkButtonState state);

private:
    void finishPress(const QPoint& at);
    void updateAccelerator();
    void clickFromEvent();
    void setMouseInControl(bool over);
    void broadcastGroup();
    void groupChanged(TWkCustomSpeedButton* sender);
    void followFont();
    void preDeriveGlyph();
    void paintThemedFace(TCanvas& canvas, TRect& content, TPoint& offset, TWkButtonState state);
    void paintClassicFace(TCanvas& canvas, TRect& content, TPoint& offset, TWkButtonState state);
    void paintHotTrackLook(TCanvas& canvas);
    void menuClosed();

    TWkxButtonGlyph FGlyph;
    TWkHotTrackOptions* FHotTrackOptions;
    QFont FHotTrackFont;
    TColor FHotTrackFontColor = clWindowText;
    TWkTrackFontOptions FHotTrackFontOptions = DefaultTrackFontOptions;
    QTimer* FRepeatTimer = nullptr;
    QMenu* FDropDownMenu = nullptr;
    QString FCaption;
    TColor FColor = clBtnFace;
    TWkButtonState FState = rbsUp;
    TButtonLayout FLayout = blGlyphTop;
    TButtonStyle FStyle = bsAutoDetect;
    TWkDropDownMenuPos FMenuPosition = dmpBottom;
    TPopupAlignment FMenuAlignment = paLeft;
    int FSpacing = 1;
    int FMargin = -1;
    int FInitRepeatPause = 500;
    int FRepeatPause = 100;
    int FGroupIndex = 0;
    int FModalResult = 0;
    int FAcceleratorId = 0;
    bool FDown = false;
    // Down when the last single press began.
    bool FDownAtPress = false;
    bool FDragging = false;
    bool FMouseInControl = false;
    bool FMenuTracking = false;
    bool FAllowAllUp = false;
    bool FAllowTimer = false;
    bool FFlat = false;
    bool FTransparent = false;
    bool FMarkDropDown = true;
    bool FDoubleBuffered = true;
    bool FInactiveGrayed = true;
    bool FHotTrack = false;
};
