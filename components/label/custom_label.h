#pragma once
// The library's label: a caption drawn at any angle, with a shadow, a plain or cut-corner frame,
// an image from an image list, a hot-track look while the mouse is over it and a link opened on
// click. Turned captions honour WordWrap: a caption longer than the box wraps into further lines
// stacked across the text's direction (side by side when vertical), so it stays inside the box.

#include "components/base/control_drag.h"
#include "components/base/control_events.h"
#include "components/base/ext_control.h"
#include "components/base/hot_track_options.h"
#include "components/base/hot_track_source.h"
#include "components/base/method_event.h"
#include "components/base/text_alignment.h"
#include "components/draw/font_copy.h"
#include "platform/ui/image_list.h"
#include "platform/ui/screen_cursors.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <memory>

class IWkDataItem;
class IWkDataProvider;
class QShortcut;
class TWkDataConsumer;

enum TShadowPosition { spLeftTop, spLeftBottom, spRightBottom, spRightTop };

enum TWkTextEllipsis { teNone, teWordEllipsis, tePathEllipsis, teEndEllipsis };

class TWkCustomLabel : public TWkExGraphicControl, public IWkHotTrack, public TWkDraggable {
    Q_OBJECT
    // The caption by name, so that code setting captions by control name reaches it.
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

public:
    // Turned captions are cut to this many characters.
    static constexpr int MaxAngleCaption = 4096;

    explicit TWkCustomLabel(QWidget* parent = nullptr);
    ~TWkCustomLabel() override;

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& caption);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    TWkTextEllipsis TextEllipsis() const { return FTextEllipsis; }
    void SetTextEllipsis(TWkTextEllipsis value);
    // Degrees counter-clockwise, -360..360; a negative angle is kept as angle + 360.
    int Angle() const { return FAngle; }
    void SetAngle(int value);

    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value);
    int ShadowSize() const { return FShadowSize; }
    void SetShadowSize(int value);
    TShadowPosition ShadowPos() const { return FShadowPos; }
    void SetShadowPos(TShadowPosition value);

    TColor FrameColor() const { return FFrameColor; }
    void SetFrameColor(TColor value);
    // Corner cut of the frame; values outside 0 .. height / 2 - 1 are ignored.
    int RoundedFrame() const { return FRoundedFrame; }
    void SetRoundedFrame(int value);
    // Sets all four margins; a negative value becomes 0. Reads the left margin.
    int Margin() const { return FMarginLeft; }
    void SetMargin(int value);
    // A transparent label paints no background of its own.
    bool Transparent() const { return !FOpaque; }
    void SetTransparent(bool value);
    TColor Color() const;
    void SetColor(TColor value);
    // The widget's font with the label's text colour.
    TFont Font() const;
    void SetFont(const TFont& font);

    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool value);
    bool ShowFocus() const { return FShowFocus; }
    void SetShowFocus(bool value);
    // The control that Alt with the caption's accelerator focuses; cleared when it is destroyed.
    QWidget* FocusControl() const { return FFocusControl; }
    void SetFocusControl(QWidget* control);

    // Null again once the list is destroyed.
    TImageList* Images() const { return FImageChangeLink.Sender(); }
    void SetImages(TImageList* images);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    // Pixels between the image and the caption.
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);

    bool HotTrack() const { return FHotTrack; }
    void SetHotTrack(bool value) { FHotTrack = value; }
    const TFont& HotTrackFont() const { return FHotTrackFont; }
    void SetHotTrackFont(const TFont& font) { FHotTrackFont = font; }
    TWkTrackFontOptions HotTrackFontOptions() const { return FHotTrackFontOptions; }
    void SetHotTrackFontOptions(TWkTrackFontOptions options);
    TWkHotTrackOptions& HotTrackOptions() { return *FHotTrackOptions; }
    void SetHotTrackOptions(const TWkHotTrackOptions& options);
    // Copies HotTrack, HotTrackFont, HotTrackFontOptions and HotTrackOptions from any object
    // that offers hot-track settings (another label, a speed button).
    void AssignHotTrack(const IWkHotTrack& source);
    bool GetHotTrack() const override { return FHotTrack; }
    TFont GetHotTrackFont() const override { return FHotTrackFont; }
    TWkTrackFontOptions GetHotTrackFontOptions() const override { return FHotTrackFontOptions; }
    const TWkHotTrackOptions& GetHotTrackOptions() const override { return *FHotTrackOptions; }

    // With ParentBiDiMode (the default) the label reads right to left when its parent lays out
    // right to left; setting BiDiMode turns ParentBiDiMode off.
    TBiDiMode BiDiMode() const;
    void SetBiDiMode(TBiDiMode value);
    bool ParentBiDiMode() const { return FParentBiDiMode; }
    void SetParentBiDiMode(bool value);
    bool UseRightToLeftReading() const { return BiDiMode() != bdLeftToRight; }
    bool UseRightToLeftAlignment() const { return BiDiMode() == bdRightToLeft; }

    // Shown at the pointer on a right click (or the menu key) unless OnContextPopup handled it.
    QMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(QMenu* menu) { FPopupMenu = menu; }
    // The action whose text, enabled and visible state, and tool tip the label shows; a click
    // triggers it unless OnClick is set. Cleared when the action is destroyed.
    QAction* Action() const { return FAction; }
    void SetAction(QAction* action);

    bool AutoOpenURL() const { return FAutoOpenURL; }
    void SetAutoOpenURL(bool value) { FAutoOpenURL = value; }
    // Opened with the desktop's handler (through the UI host) after OnClick.
    QString URL() const { return FURL; }
    void SetURL(const QString& url) { FURL = url; }

    // The provider whose selected item the label shows instead of its caption; none by default.
    // A new caption, image list or shown image unbinds it.
    IWkDataProvider* Provider() const;
    void SetProvider(IWkDataProvider* provider);
    // The consumer through which the label reads the provider; its item selection picks the
    // item shown.
    TWkDataConsumer& DataConsumer() { return *FConsumerSvc; }

    // True while the pointer is over the enabled label in an active window, no button held.
    bool MouseOver() const { return FMouseOverLabel; }

    // Moves and sizes the label; a change lets AdjustBounds measure again.
    void SetBounds(int left, int top, int width, int height);
    // After the label's properties were set in one go: sizes it when AutoSize.
    virtual void Loaded();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TContextPopupEvent OnContextPopup;
    TStartDragEvent OnStartDrag;
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;
    TEndDragEvent OnEndDrag;

    bool DragOver(QObject* source, int x, int y, TDragState state) override;
    void DragDrop(QObject* source, int x, int y) override;

protected:
    // Draws the caption, its shadow and image in rect; with DT_CALCRECT only measures, setting
    // rect's right and bottom.
    virtual void DoDrawCaption(TCanvas& canvas, TRect& rect, unsigned flags);
    virtual void DoProviderDraw(TCanvas& canvas, TRect& rect, unsigned flags);
    virtual void DoDrawText(TCanvas& canvas, TRect& rect, unsigned flags);
    // Sizes an AutoSize label to its caption when something changed since the last time.
    virtual void AdjustBounds();
    virtual TColor GetDefaultFontColor() const { return Font().Color; }
    // The bound item's text when there is one, else the caption.
    virtual QString GetLabelCaption() const;
    virtual int GetImageWidth() const;
    virtual int GetImageHeight() const;
    // A bound item's action when it has one; else OnClick (or the action when OnClick is not
    // set), then the URL when AutoOpenURL.
    virtual void Click();
    virtual void DblClick();
    // The left button on an enabled label marks it pressed; then OnMouseDown.
    virtual void MouseDown(TMouseButton button, TMouseShiftState shift, int x, int y);
    virtual void MouseMove(TMouseShiftState shift, int x, int y);
    // OnMouseUp; the left button ends the press and brings the mouse-over state up to date.
    virtual void MouseUp(TMouseButton button, TMouseShiftState shift, int x, int y);
    void DoStartDrag(QObject*& dragObject) override;
    void DoEndDrag(QObject* target, int x, int y) override;

    void Paint(TCanvas& canvas);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool NotifyTextChanged(QEvent* event) override;
    bool NotifyFontChanged(QEvent* event) override;
    bool NotifyParentFontChanged(QEvent* event) override;
    bool NotifyFocusChanged(TWkFocusChangedEvent* event) override;
    bool NotifyEnabledChanged(QEvent* event) override;
    bool NotifyMouseEnter(QEvent* event) override;
    bool NotifyMouseLeave(QEvent* event) override;
    bool WantsDialogChar(std::uint16_t key, TShiftState shift) override;

private:
    bool ImageShown() const { return Images() != nullptr && FImageIndex >= 0; }
    // The selected item of a bound provider, or null.
    IWkDataItem* BoundItem() const;
    void PaintLabelBackground(TCanvas& canvas, const TRect& client);
    void DrawCutCornerFrame(TCanvas& canvas, TColor frameColor, bool fill);
    // Draws caption turned by Angle; with DT_CALCRECT only measures, as DoDrawCaption does.
    void DrawAngleText(TCanvas& canvas, TRect& rect, const QString& caption, unsigned flags,
                       TColor shadowColor, int shadowSize, TShadowPosition shadowPos);
    void FontChanged();
    void Resize();
    void UpdateMouseOver(bool pointerOver);
    bool FocusAccelerated();
    void UpdateAccelerator();
    void ActionChanged();
    unsigned ReadingFlags() const;

    QString FCaption;
    QPointer<QWidget> FFocusControl;
    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = true;
    TTextLayout FLayout = tlTop;
    TColor FShadowColor = clBtnHighlight;
    int FShadowSize = 0;
    TShadowPosition FShadowPos = spRightBottom;
    bool FWordWrap = false;
    bool FShowAccelChar = true;
    bool FShowFocus = false;
    bool FFocused = false;
    bool FDragging = false;
    bool FMouseOverLabel = false;
    // Set by a single left press; a double click or a drag takes the click away.
    bool FClicked = false;
    int FImageIndex = -1;
    // The image list is read through its link, which the list clears when it is destroyed.
    TChangeLink FImageChangeLink;
    bool FHotTrack = false;
    TFont FHotTrackFont;
    TWkTrackFontOptions FHotTrackFontOptions = DefaultTrackFontOptions;
    TWkHotTrackOptions* FHotTrackOptions;
    bool FAutoOpenURL = true;
    QString FURL;
    int FAngle = 0;
    int FSpacing = 4;
    bool FNeedsResize = false;
    TWkTextEllipsis FTextEllipsis = teNone;
    TColor FFrameColor = clNone;
    int FRoundedFrame = 0;
    int FMarginLeft = 0;
    int FMarginTop = 0;
    int FMarginRight = 0;
    int FMarginBottom = 0;
    bool FOpaque = true;
    TColor FFontColor = clWindowText;
    QShortcut* FAccelerator = nullptr;
    TBiDiMode FBiDiMode = bdLeftToRight;
    bool FParentBiDiMode = true;
    QPointer<QMenu> FPopupMenu;
    QPointer<QAction> FAction;
    std::unique_ptr<TWkDataConsumer> FConsumerSvc;
};
