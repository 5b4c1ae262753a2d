#pragma once
// The library's page control: a settable border around the pages, hiding of all tabs, an
// optional window-wide Ctrl+Tab, clicks on the tabs of disabled pages ignored, selection by
// right click, a choice of hint source between the control and its pages, and tabs drawn by an
// attached painter.

#include "components/base/ext_control.h"
#include "platform/ui/geometry.h"
#include "platform/ui/image_list.h"

#include <functional>

class TCanvas;
class TWkTabControlPainter;

enum class TWkHintSource {
    hsDefault,
    hsForceMain,
    hsForceChildren,
    hsPreferMain,
    hsPreferChildren
};

class TWkPageControl : public TWkExPageControl {
    Q_OBJECT
public:
    static constexpr int DefaultClientBorderWidth = 4;

    explicit TWkPageControl(QWidget* parent = nullptr);
    ~TWkPageControl() override;

    // Pixels between the pane's edge and the pages; the pages grow as it shrinks.
    int ClientBorderWidth() const { return FClientBorderWidth; }
    void SetClientBorderWidth(int width);

    // Hides the tab row; turning it off shows the tabs again, each page keeping its own
    // visibility. Turning it on also takes the active page out of the Tab order (its TabStop),
    // and it stays out.
    bool HideAllTabs() const { return FHideAllTabs; }
    void SetHideAllTabs(bool hide);

    // Lets go of the native window of the page being left at each allowed page change; Qt makes
    // it again when the page is shown. Pages without a native window of their own (Qt's usual
    // kind, drawn in the window's) have nothing to let go of.
    bool ReduceMemoryUse() const { return FReduceMemoryUse; }
    void SetReduceMemoryUse(bool on) { FReduceMemoryUse = on; }

    // Ctrl+Tab anywhere in the window goes to the next enabled page, Ctrl+Shift+Tab to the
    // previous one. Off, Ctrl+Tab steps only while the focus is inside the control.
    bool HandleGlobalTab() const { return FHandleGlobalTab; }
    void SetHandleGlobalTab(bool on);

    TWkHintSource HintSource() const { return FHintSource; }
    void SetHintSource(TWkHintSource source) { FHintSource = source; }

    bool RightClickSelect() const { return FRightClickSelect; }
    void SetRightClickSelect(bool on) { FRightClickSelect = on; }

    // The images shown on the tabs, each page's by its image index; not owned, and null again
    // once the list is destroyed.
    TImageList* Images() const { return FImageChangeLink.Sender(); }
    void SetImages(TImageList* images);
    // The page's image in Images, -1 (the default) for none.
    int PageImageIndex(int page) const;
    void SetPageImageIndex(int page, int imageIndex);
    // Shows on every tab its page's image.
    void UpdateTabImages();

    TWkTabControlPainter* TabPainter() const { return FTabPainter; }
    void SetTabPainter(TWkTabControlPainter* painter);

    // Asked before every page change the user or Ctrl+Tab makes; clearing allowChange keeps
    // the page.
    std::function<void(TWkPageControl& sender, bool& allowChange)> OnChanging;

    // The page of the tab under point (control coordinates), or -1.
    int IndexOfTabAt(QPoint point) const;
    // The next page from page that has a visible tab, wrapping around; -1 when there is none.
    int FindNextPage(int page, bool goForward) const;
    // Draws the visibleIndex-th visible tab; the painter draws when one is attached.
    void DrawTab(TCanvas& canvas, int visibleIndex, const TRect& rect, bool active);
    void InvalidateTabs();

protected:
    // Whether the active page may be left now (OnChanging); when it may, and ReduceMemoryUse
    // is on, the page's native window goes.
    virtual bool CanChange();

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool PrepareHint(THintInfo& info) override;
    void tabInserted(int index) override;
    void tabRemoved(int index) override;

private:
    void StepPage(bool goForward);
    bool TabBarMousePress(const QMouseEvent& event);
    bool IsGlobalTabKey(QObject* watched, QEvent* event) const;
    void ApplyClientBorder();

    // The pages' area as Qt laid it out, and as this control widened it.
    QRect FLaidOutArea;
    QRect FWidenedArea;

    int FClientBorderWidth = DefaultClientBorderWidth;
    bool FHideAllTabs = false;
    bool FHandleGlobalTab = false;
    bool FReduceMemoryUse = false;
    TWkHintSource FHintSource = TWkHintSource::hsDefault;
    TWkTabControlPainter* FTabPainter = nullptr;
    TChangeLink FImageChangeLink;
    bool FRightClickSelect = false;
};
