#include "components/combo/combo_box.h"

#include "components/base/ext_hint.h"
#include "components/base/highlight_frame.h"
#include "components/combo/combo_box_provider.h"
#include "components/combo/combo_item_delegate.h"
#include "platform/ui/canvas.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStylePainter>
#include <algorithm>

namespace {

// Keys that change the selection or open the list of a closed box, and typed characters.
bool ChangesTheSelection(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_F4:
    case Qt::Key_Backspace:
        return true;
    default:
        return !event.text().isEmpty() && event.text().front().isPrint();
    }
}

} // namespace

TWkCustomComboBox::TWkCustomComboBox(QWidget* parent, TComboBoxStyle style)
    : TWkExCustomComboBox(parent), FProviderLink(std::make_unique<TWkComboBoxProviderLink>(*this)) {
    FOwnerDrawDelegate = new TWkComboItemDelegate(*this);
    FMaxPixel.OnChanged = [this] {
        FitText();
    };
    items_.OnChanging = [this] {
        SetProvider(nullptr);
    };
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (ProviderIsActive()) {
            FProviderLink->Selected(index);
            return;
        }
        Click();
        Change();
    });
    SetStyle(style);
}

TWkCustomComboBox::~TWkCustomComboBox() = default;

// A provider's items are always drawn by the box.
bool TWkCustomComboBox::IsOwnerDrawn() const {
    return FStyle == TComboBoxStyle::csOwnerDrawFixed ||
           FStyle == TComboBoxStyle::csOwnerDrawVariable || ProviderIsActive();
}

QString TWkCustomComboBox::GetItemText(int index) const {
    return ProviderIsActive() ? FProviderLink->ItemText(index) : items_.Get(index);
}

IWkDataProvider* TWkCustomComboBox::Provider() const {
    return FProviderLink->Provider();
}

void TWkCustomComboBox::SetProvider(IWkDataProvider* provider) {
    FProviderLink->SetProvider(provider);
}

TWkDataConsumer& TWkCustomComboBox::DataConsumer() const {
    return FProviderLink->Consumer();
}

bool TWkCustomComboBox::ProviderIsActive() const {
    return FProviderLink != nullptr && FProviderLink->IsActive();
}

void TWkCustomComboBox::SetStyle(TComboBoxStyle style) {
    FStyle = style;
    const bool editable = style == TComboBoxStyle::csDropDown;
    if (editable != isEditable()) {
        setEditable(editable);
        if (editable)
            connect(lineEdit(), &QLineEdit::textChanged, this, [this] { FitText(); });
    }
    ApplyToList();
    ApplyReadOnly();
    update();
}

bool TWkCustomComboBox::ListMade() const {
    // Qt also makes the list by itself, for instance when a box becomes editable.
    const QObjectList& parts = children();
    return FListAsked || std::any_of(parts.begin(), parts.end(), [](const QObject* part) {
               return part->inherits("QComboBoxPrivateContainer");
           });
}

void TWkCustomComboBox::ApplyToList() {
    if (!ListMade())
        return;
    view()->setMinimumWidth(std::max(0, FDropDownWidth));
    if (IsOwnerDrawn()) {
        if (FPlainDelegate == nullptr)
            FPlainDelegate = itemDelegate();
        setItemDelegate(FOwnerDrawDelegate);
    } else if (FPlainDelegate != nullptr) {
        setItemDelegate(FPlainDelegate);
    }
}

QAbstractItemView* TWkCustomComboBox::ItemView() {
    QAbstractItemView* list = view();
    FListAsked = true;
    ApplyToList();
    return list;
}

void TWkCustomComboBox::showPopup() {
    ItemView();
    TWkExCustomComboBox::showPopup();
}

QString TWkCustomComboBox::Text() const {
    return FIsEmptyValue ? QString() : currentText();
}

void TWkCustomComboBox::SetText(const QString& text) {
    if (!isEditable()) {
        setCurrentIndex(findText(text, Qt::MatchFixedString));
        return;
    }
    ShowEmptyValueOff();
    setEditText(text);
    if (!hasFocus())
        ShowEmptyValueOn();
}

void TWkCustomComboBox::SetReadOnly(bool readOnly) {
    FReadOnly = readOnly;
    ApplyReadOnly();
}

void TWkCustomComboBox::ApplyReadOnly() {
    if (lineEdit())
        lineEdit()->setReadOnly(FReadOnly);
}

void TWkCustomComboBox::SetEmptyValue(const QString& text) {
    ShowEmptyValueOff();
    FEmptyValue = text;
    if (!hasFocus())
        ShowEmptyValueOn();
}

void TWkCustomComboBox::SetEmptyFontColor(TColor color) {
    FEmptyFontColor = color;
    if (FIsEmptyValue && lineEdit()) {
        QPalette palette = lineEdit()->palette();
        palette.setColor(QPalette::Text, ToQColor(color));
        lineEdit()->setPalette(palette);
    }
}

void TWkCustomComboBox::ShowEmptyValueOn() {
    if (FEmptyValue.isEmpty() || !lineEdit() || !currentText().isEmpty())
        return;
    FOldFontColor = lineEdit()->palette().color(QPalette::Text);
    FIsEmptyValue = true;
    setEditText(FEmptyValue);
    SetEmptyFontColor(FEmptyFontColor);
}

void TWkCustomComboBox::ShowEmptyValueOff() {
    if (FEmptyValue.isEmpty() || !FIsEmptyValue || !lineEdit())
        return;
    FIsEmptyValue = false;
    setEditText(QString());
    QPalette palette = lineEdit()->palette();
    palette.setColor(QPalette::Text, FOldFontColor);
    lineEdit()->setPalette(palette);
}

void TWkCustomComboBox::SetDropDownWidth(int width) {
    FDropDownWidth = width;
    ApplyToList();
}

void TWkCustomComboBox::SetItemHeight(int height) {
    FLastSetItemHeight = height;
    if (ListMade())
        view()->doItemsLayout();
}

int TWkCustomComboBox::SearchExactString(const QString& value, bool caseSensitive) const {
    return TWkItemsSearchs::SearchExactString(items_, value, caseSensitive, -1);
}

int TWkCustomComboBox::SearchPrefix(const QString& value, bool caseSensitive) const {
    return TWkItemsSearchs::SearchPrefix(items_, value, caseSensitive, -1);
}

int TWkCustomComboBox::SearchSubString(const QString& value, bool caseSensitive) const {
    return TWkItemsSearchs::SearchSubString(items_, value, caseSensitive, -1);
}

int TWkCustomComboBox::DeleteExactString(const QString& value, bool all, bool caseSensitive) {
    return TWkItemsSearchs::DeleteExactString(items_, value, all, caseSensitive);
}

void TWkCustomComboBox::DrawRequest(TCanvas& canvas, int index, const TRect& rect,
                                    TOwnerDrawState state) {
    canvas.Brush.Color = FromQColor(palette().color(QPalette::Base));
    canvas.Brush.Style = bsSolid;
    canvas.Font = FromQFont(font(), FromQColor(palette().color(QPalette::Text)));
    if (index >= 0 && (state & odSelected)) {
        canvas.Brush.Color = SelectedColor();
        canvas.Font.Color = SelectedTextColor();
    }
    if (index >= 0)
        DrawItem(canvas, index, rect, state);
    else
        canvas.FillRect(rect);
}

void TWkCustomComboBox::DrawItem(TCanvas& canvas, int index, TRect rect, TOwnerDrawState state) {
    MeasureBeforeDraw(index, state);
    if (OnDrawItem && IsOwnerDrawn()) {
        OnDrawItem(*this, canvas, index, rect, state);
        return;
    }
    if (ProviderIsActive()) {
        FProviderLink->DrawItem(canvas, index, rect, state);
        return;
    }
    canvas.FillRect(rect);
    if (index >= 0 && index < items_.Count())
        canvas.TextOut(rect.Left + 2, rect.Top, GetItemText(index));
}

void TWkCustomComboBox::Click() {
    FireNotifyEvent(OnClick, this);
}

void TWkCustomComboBox::Change() {
    FireNotifyEvent(OnChange, this);
}

// Cutting the text changes it again, which comes back here with a text that fits.
void TWkCustomComboBox::FitText() {
    if (!lineEdit())
        return;
    QString text = lineEdit()->text();
    FMaxPixel.Test(text, font());
    if (text == lineEdit()->text())
        return;
    lineEdit()->setText(text);
    lineEdit()->setCursorPosition(int(text.size()));
}

bool TWkCustomComboBox::HandleSetFocus(QEvent* event) {
    const bool result = SendToInherited(event);
    ShowEmptyValueOff();
    return result;
}

bool TWkCustomComboBox::HandleKillFocus(QEvent* event) {
    const bool result = SendToInherited(event);
    ShowEmptyValueOn();
    return result;
}

void TWkCustomComboBox::paintEvent(QPaintEvent* event) {
    if (!IsOwnerDrawn()) {
        TWkExCustomComboBox::paintEvent(event);
        return;
    }
    PaintOwnerDrawnFace();
    if (DotNetHighlighting())
        DrawHighlightFrame(this, hasFocus() || MouseOver());
}

// The frame and arrow come from the style; the field inside is drawn like an item.
void TWkCustomComboBox::PaintOwnerDrawnFace() {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    TOwnerDrawState state = odComboBoxEdit;
    if (hasFocus())
        state |= odSelected | odFocused;
    if (!isEnabled())
        state |= odDisabled;
    TCanvas canvas(painter);
    DrawRequest(canvas, currentIndex(), FromQRect(field), state);
}

void TWkCustomComboBox::keyPressEvent(QKeyEvent* event) {
    if (FReadOnly && ChangesTheSelection(*event)) {
        event->accept();
        return;
    }
    TWkExCustomComboBox::keyPressEvent(event);
}

void TWkCustomComboBox::mousePressEvent(QMouseEvent* event) {
    if (FReadOnly && event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    TWkExCustomComboBox::mousePressEvent(event);
}

void TWkCustomComboBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (FReadOnly) {
        event->accept();
        return;
    }
    TWkExCustomComboBox::mouseDoubleClickEvent(event);
}

#if QT_CONFIG(wheelevent)
void TWkCustomComboBox::wheelEvent(QWheelEvent* event) {
    if (FReadOnly) {
        event->accept();
        return;
    }
    TWkExCustomComboBox::wheelEvent(event);
}
#endif
