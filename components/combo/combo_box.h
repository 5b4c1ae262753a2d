#pragma once
// The library's combo box base: a read-only mode, a placeholder text for an empty edit, a
// drop-down width, a pixel limit for the edit text, searches over the items and owner drawing
// of the items and the closed face through a delegate.

#include "components/base/ext_control.h"
#include "components/base/method_event.h"
#include "components/combo/combo_box_strings.h"
#include "components/util/max_pixel.h"
#include "platform/ui/geometry.h"

#include <functional>
#include <memory>

class TCanvas;
class QAbstractItemDelegate;
class IWkDataProvider;
class TWkComboBoxProviderLink;
class TWkDataConsumer;

enum class TComboBoxStyle {
    csDropDown,         // editable text
    csDropDownList,     // pick from the list only
    csOwnerDrawFixed,   // a list drawn by DrawItem, every item ItemHeight high
    csOwnerDrawVariable // a list drawn by DrawItem, each item measured by MeasureItemHeight
};

// Owner-draw state bits, valued as on the desktop.
enum TOwnerDrawStateBit : unsigned {
    odSelected = 0x1,
    odGrayed = 0x2,
    odDisabled = 0x4,
    odChecked = 0x8,
    odFocused = 0x10,
    odDefault = 0x20,
    odComboBoxEdit = 0x1000,
};
using TOwnerDrawState = unsigned;

// When item heights are measured (see MeasureStyle).
enum TWkComboBoxMeasureStyle { cmsStandard, cmsAfterCreate, cmsBeforeDraw };

class TWkCustomComboBox : public TWkExCustomComboBox {
    Q_OBJECT
public:
    using TDrawItemEvent = std::function<void(TWkCustomComboBox& sender, TCanvas& canvas, int index,
                                              const TRect& rect, TOwnerDrawState)>;
    using TMeasureItemEvent =
        std::function<void(TWkCustomComboBox& sender, int index, int& height)>;

    static constexpr int DefaultItemHeight = 16;

    // A descendant of another style names it here: a drop-down box made first would build the
    // edit part only to drop it again.
    explicit TWkCustomComboBox(QWidget* parent = nullptr,
                               TComboBoxStyle style = TComboBoxStyle::csDropDown);
    ~TWkCustomComboBox() override;

    TWkComboBoxStrings& Items() { return items_; }
    const TWkComboBoxStrings& Items() const { return items_; }
    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int index) { setCurrentIndex(index); }
    // Throws EListError for an index outside the list (the provider's rows while one is set).
    QString GetItemText(int index) const;

    // A provider supplies the rows instead of Items while it is set; changing Items lets go
    // of it.
    IWkDataProvider* Provider() const;
    void SetProvider(IWkDataProvider* provider);
    TWkDataConsumer& DataConsumer() const;
    TWkComboBoxProviderLink& ProviderLink() const { return *FProviderLink; }

    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle style);

    // The edit text; empty while the placeholder shows.
    QString Text() const;
    void SetText(const QString& text);

    // Keys, clicks and the wheel cannot change the selection or open the list; the edit of an
    // editable box takes no typing.
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool readOnly);

    // Shown in EmptyFontColor in an editable box whose text is empty while it has no focus.
    const QString& EmptyValue() const { return FEmptyValue; }
    void SetEmptyValue(const QString& text);
    TColor EmptyFontColor() const { return FEmptyFontColor; }
    void SetEmptyFontColor(TColor color);
    bool IsEmptyValue() const { return FIsEmptyValue; }

    // Minimum width of the open list; 0 leaves it as wide as the box.
    int DropDownWidth() const { return FDropDownWidth; }
    void SetDropDownWidth(int width);

    int ItemHeight() const { return FLastSetItemHeight; }
    void SetItemHeight(int height);

    // cmsStandard: an owner-draw variable list measures each item through MeasureItemHeight
    // when the list asks for its height. cmsAfterCreate: once the box is first shown, the edit
    // part (index -1) and, with variable heights, every item are measured from ItemHeight and
    // keep that height. cmsBeforeDraw: with variable heights, each item and the edit part are
    // measured again each time they are drawn.
    TWkComboBoxMeasureStyle MeasureStyle() const { return FMeasureStyle; }
    void SetMeasureStyle(TWkComboBoxMeasureStyle style) { FMeasureStyle = style; }
    // The height measured for the edit part, or -1 while the style decides it.
    int EditHeight() const { return FEditHeight; }
    // A measured edit part sets the box's height.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The pixel limit of an editable box's text, applied on every text change.
    TWkMaxPixel& MaxPixel() { return FMaxPixel; }

    // Searches from the first item; results are an index or -1.
    int SearchExactString(const QString& value, bool caseSensitive) const;
    int SearchPrefix(const QString& value, bool caseSensitive) const;
    int SearchSubString(const QString& value, bool caseSensitive) const;
    // Returns how many items were deleted.
    int DeleteExactString(const QString& value, bool all, bool caseSensitive);

    // Raised after the user picks an item (not when code selects one).
    TNotifyEvent OnClick;
    TNotifyEvent OnChange;
    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

    // One item drawn the way the open list and the closed face draw it; index -1 is the face
    // with nothing selected. Public so the delegate and tests can ask for it.
    void DrawRequest(TCanvas& canvas, int index, const TRect& rect, TOwnerDrawState state);
    // Height of the item in the open list.
    int ItemHeightOf(int index);
    // The open list's view, made now if the box has not made it yet, drawing its items the
    // way the box's style asks and at least DropDownWidth wide. Qt's view() gives the same view
    // but may lack both before the list was first needed.
    QAbstractItemView* ItemView();
    void showPopup() override;

protected:
    virtual void ShowEmptyValueOff();
    virtual void ShowEmptyValueOn();
    virtual void MeasureItemHeight(int index, int& height);
    // The list's own request for an item's height: MeasureItemHeight with cmsStandard only.
    virtual void MeasureItem(int index, int& height);
    // Gives the edit part (index -1) or an item of a variable list the height it keeps.
    void SetItemHeightOf(int index, int height);
    virtual void DrawItem(TCanvas& canvas, int index, TRect rect, TOwnerDrawState state);
    // Brush and text colours of a selected item.
    virtual TColor SelectedColor() const { return clHighlight; }
    virtual TColor SelectedTextColor() const { return clHighlightText; }
    virtual void Click();
    virtual void Change();

    bool IsOwnerDrawn() const;
    // Whether Qt has made the open list yet: making it costs more than the box itself, so the
    // box gives it its delegate only once it exists.
    bool ListMade() const;

    bool HandleSetFocus(QEvent* event) override;
    bool HandleKillFocus(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
#if QT_CONFIG(wheelevent)
    void wheelEvent(QWheelEvent* event) override;
#endif

private:
    friend class TWkComboBoxProviderLink;

    bool ProviderIsActive() const;
    // A provider came or went: the box is owner drawn while one is set.
    void ProviderActivityChanged() {
        SetStyle(FStyle);
    }
    void FitText();
    void ApplyReadOnly();
    void PaintOwnerDrawnFace();
    void MeasureAfterCreate();
    void MeasureBeforeDraw(int index, TOwnerDrawState state);
    QSize WithEditHeight(QSize hint) const;
    // Gives a list already made the delegate of the style and the drop-down width.
    void ApplyToList();

    TWkComboBoxStrings items_{*this};
    TWkMaxPixel FMaxPixel{this};
    TComboBoxStyle FStyle = TComboBoxStyle::csDropDown;
    bool FReadOnly = false;
    int FLastSetItemHeight = DefaultItemHeight;
    QString FEmptyValue;
    bool FIsEmptyValue = false;
    TColor FEmptyFontColor = clGrayText;
    QColor FOldFontColor;
    int FDropDownWidth = 0;
    TWkComboBoxMeasureStyle FMeasureStyle = cmsStandard;
    int FEditHeight = -1;
    bool FMeasuredAfterCreate = false;
    // ItemView has made the list.
    bool FListAsked = false;
    // Qt's own delegate, kept while the owner-drawn one is set.
    QAbstractItemDelegate* FPlainDelegate = nullptr;
    QAbstractItemDelegate* FOwnerDrawDelegate = nullptr;
    std::unique_ptr<TWkComboBoxProviderLink> FProviderLink;
};
