#include "components/edit/combo_edit.h"

#include "components/draw/themed_background.h"
#include "components/edit/combo_edit_action_link.h"
#include "components/edit/edit_button.h"
#include "components/edit/edit_glyphs.h"
#include "platform/ui/image_list.h"

#include <QStyle>

namespace {

// Room beside a default image for the button's frame.
constexpr int ImageButtonExtra = 6;

} // namespace

TWkCustomComboEdit::TWkCustomComboEdit(QWidget* parent)
    : TWkExCustomMaskEdit(parent), FBtnControl(new QWidget(this)),
      FButton(new TWkEditButton(FBtnControl)) {
    FBtnControl->setCursor(Qt::ArrowCursor);
    FBtnControl->resize(DefaultButtonWidth, 17);
    FButton->setGeometry(0, 0, DefaultButtonWidth, 17);
    FButton->OnClick = TNotifyEvent::FromCallable([this](QObject*) { buttonClicked(); });
    setAcceptDrops(true);
    resize(width(), 21);
    applyDisabledColors();
    layoutButton();
}

TWkCustomComboEdit::~TWkCustomComboEdit() {
    ClosePopup(false);
    FButton->OnClick = nullptr;
    DetachAutoComplete();
    // The connector may still write to the edit while it lets go of its source.
    FDataConnector.reset();
}

int TWkCustomComboEdit::ButtonWidth() const {
    return FBtnControl->isHidden() ? FSavedButtonWidth : FBtnControl->width();
}

void TWkCustomComboEdit::SetButtonWidth(int value) {
    if (FBtnControl->isHidden()) {
        FSavedButtonWidth = value;
        return;
    }
    if (value == FBtnControl->width())
        return;
    if (value < 2) {
        FSavedButtonWidth = FBtnControl->width();
        FBtnControl->hide();
    } else if (value < width() || !parentWidget()) {
        FBtnControl->resize(value, FBtnControl->height());
    }
    layoutButton();
    updateFace();
    UpdateEditRect();
}

bool TWkCustomComboEdit::ShowButton() const {
    return !FBtnControl->isHidden();
}

void TWkCustomComboEdit::SetShowButton(bool value) {
    if (!value) {
        SetButtonWidth(0);
        return;
    }
    if (!FBtnControl->isHidden())
        return;
    FBtnControl->show();
    FBtnControl->resize(std::max(2, FSavedButtonWidth), FBtnControl->height());
    layoutButton();
    updateFace();
    UpdateEditRect();
}

QString TWkCustomComboEdit::ButtonHint() const {
    return FButton->toolTip();
}

void TWkCustomComboEdit::SetButtonHint(const QString& value) {
    FButton->setToolTip(value);
}

bool TWkCustomComboEdit::ButtonFlat() const {
    return FButton->Flat();
}

void TWkCustomComboEdit::SetButtonFlat(bool value) {
    FButton->SetFlat(value);
    if (FImageKind == ikDropDown)
        updateFace();
}

void TWkCustomComboEdit::SetFlat(bool value) {
    FParentFlat = false;
    if (value == FFlat)
        return;
    FFlat = value;
    layoutButton();
    UpdateEditRect();
    update();
}

void TWkCustomComboEdit::SetParentFlat(bool value) {
    if (!value) {
        FParentFlat = false;
        return;
    }
    SetFlat(false);
    FParentFlat = true;
}

void TWkCustomComboEdit::layoutButton() {
    FButtonFramed = hasFrame();
    FBtnControl->setGeometry(
        ComboButtonRect(size(), FBtnControl->width(), hasFrame(), FFlat && hasFrame()));
    FButton->setGeometry(FBtnControl->rect());
}

void TWkCustomComboEdit::NotifyBoundsChanged() {
    layoutButton();
    UpdateEditRect();
}

void TWkCustomComboEdit::SetDirectInput(bool value) {
    FDirectInput = value;
    updateReadOnly();
}

void TWkCustomComboEdit::SetReadOnly(bool value) {
    FReadOnly = value;
    updateReadOnly();
}

void TWkCustomComboEdit::updateReadOnly() {
    setReadOnly(ReadOnly() || !FDirectInput);
}

void TWkCustomComboEdit::SetDisabledColor(TColor value) {
    FDisabledColor = value;
    applyDisabledColors();
}

void TWkCustomComboEdit::SetDisabledTextColor(TColor value) {
    FDisabledTextColor = value;
    applyDisabledColors();
}

void TWkCustomComboEdit::applyDisabledColors() {
    QPalette colours = palette();
    colours.setColor(QPalette::Disabled, QPalette::Base, ToQColor(ColorToRGB(FDisabledColor)));
    colours.setColor(QPalette::Disabled, QPalette::Text, ToQColor(ColorToRGB(FDisabledTextColor)));
    setPalette(colours);
}

void TWkCustomComboEdit::SetGroupIndex(int value) {
    FGroupIndex = value;
    ClearGroup();
}

void TWkCustomComboEdit::ClearGroup() {
    if (FGroupIndex == -1)
        return;
    const auto edits = window()->findChildren<TWkCustomComboEdit*>();
    for (TWkCustomComboEdit* edit : edits) {
        if (edit != this && edit->FGroupIndex == FGroupIndex && edit->objectName() != objectName())
            edit->clear();
    }
}

void TWkCustomComboEdit::SetImageKind(TWkImageKind value) {
    if (value == FImageKind)
        return;
    FImageKind = value;
    updateFace();
}

void TWkCustomComboEdit::SetImages(TImageList* images) {
    FImages = images;
    updateFace();
}

void TWkCustomComboEdit::SetImageIndex(int value) {
    FImageIndex = value;
    updateFace();
}

void TWkCustomComboEdit::SetNumGlyphs(int value) {
    FNumGlyphs = std::clamp(value, 1, TWkxButtonGlyph::MaxNumGlyphs);
    updateFace();
}

void TWkCustomComboEdit::SetGlyph(const TBitmap& glyph) {
    FImageKind = ikCustom;
    FButton->SetGlyph(glyph);
    updateFace();
}

TImageList* TWkCustomComboEdit::DefaultImages() const {
    return &DefaultEditImages();
}

void TWkCustomComboEdit::updateFace() {
    FButton->SetDrawThemedDropDownBtn(false);
    switch (FImageKind) {
    case ikCustom:
        FButton->SetImages(FImages);
        FButton->SetImageIndex(FImageIndex);
        FButton->SetNumGlyphs(FNumGlyphs);
        return;
    case ikDefault: {
        TImageList* images = DefaultImages();
        const int index = DefaultImageIndex();
        FButton->SetGlyph(TBitmap());
        FButton->SetImages(images);
        FButton->SetImageIndex(index);
        if (images && index >= 0)
            SetButtonWidth(std::max(images->Width() + ImageButtonExtra, ButtonWidth()));
        return;
    }
    case ikDropDown:
        FButton->SetImages(nullptr);
        FButton->SetImageIndex(-1);
        SetButtonWidth(style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this));
        if (ThemesEnabled() && !FButton->Flat()) {
            FButton->SetGlyph(TBitmap());
            FButton->SetDrawThemedDropDownBtn(true);
        } else {
            FButton->SetGlyph(*MakeDropDownGlyph());
        }
        return;
    case ikEllipsis:
        FButton->SetImages(nullptr);
        FButton->SetImageIndex(-1);
        FButton->SetGlyph(*MakeEllipsisGlyph(ButtonWidth()));
        FButton->SetNumGlyphs(1);
        return;
    }
}

void TWkCustomComboEdit::DoClick() {
    buttonClicked();
}

void TWkCustomComboEdit::SelectAll() {
    if (FDirectInput)
        selectAll();
}

void TWkCustomComboEdit::buttonClicked() {
    if (ReadOnly() && !FAlwaysEnableButton)
        return;
    ButtonPressed();
}

void TWkCustomComboEdit::ButtonPressed() {
    FireNotifyEvent(OnButtonClick, this);
    if (FPopupVisible)
        ClosePopup(true);
    else
        ShowPopup(true);
}

void TWkCustomComboEdit::Change() {
    DataConnector().Modify();
    if (FPopupVisible)
        PopupTextChanged();
    else
        NotifyChange();
}

void TWkCustomComboEdit::NotifyChange() {
    FireNotifyEvent(OnChange, this);
}

void TWkCustomComboEdit::PopupTextChanged() {
    FireNotifyEvent(OnPopupChange, this);
}

std::unique_ptr<TWkCustomComboEditDataConnector> TWkCustomComboEdit::NewDataConnector() {
    IWkConnectedEdit& edit = *this;
    return std::make_unique<TWkCustomComboEditDataConnector>(edit);
}

TWkCustomComboEditDataConnector& TWkCustomComboEdit::DataConnector() {
    if (!FDataConnector)
        FDataConnector = NewDataConnector();
    return *FDataConnector;
}

const std::shared_ptr<IWkDataSource>& TWkCustomComboEdit::DataSource() const {
    static const std::shared_ptr<IWkDataSource> none;
    return FDataConnector ? FDataConnector->DataSource() : none;
}

void TWkCustomComboEdit::SetDataSource(std::shared_ptr<IWkDataSource> source) {
    DataConnector().SetDataSource(std::move(source));
}

QString TWkCustomComboEdit::DataField() const {
    return FDataConnector ? FDataConnector->DataField() : QString();
}

void TWkCustomComboEdit::SetDataField(const QString& name) {
    DataConnector().SetDataField(name);
}

QAction* TWkCustomComboEdit::Action() const {
    return FActionLink ? FActionLink->Action() : nullptr;
}

void TWkCustomComboEdit::SetAction(QAction* action) {
    if (!FActionLink && !action)
        return;
    if (!FActionLink)
        FActionLink = new TWkCustomComboEditActionLink(this);
    FActionLink->SetAction(action);
}

bool TWkCustomComboEdit::NotifyColorChanged(QEvent* event) {
    const bool result = TWkExCustomMaskEdit::NotifyColorChanged(event);
    updateFace();
    return result;
}

bool TWkCustomComboEdit::NotifyParentColorChanged(QEvent* event) {
    const bool result = TWkExCustomMaskEdit::NotifyParentColorChanged(event);
    updateFace();
    return result;
}

void TWkCustomComboEdit::changeEvent(QEvent* event) {
    TWkExCustomMaskEdit::changeEvent(event);
    if (event->type() == QEvent::StyleChange) {
        layoutButton();
        updateFace();
        UpdateEditRect();
    }
}

bool TWkCustomComboEdit::NotifyTextChanged(QEvent* event) {
    const bool result = TWkExCustomMaskEdit::NotifyTextChanged(event);
    Change();
    return result;
}

bool TWkCustomComboEdit::NotifyEnabledChanged(QEvent* event) {
    const bool result = TWkExCustomMaskEdit::NotifyEnabledChanged(event);
    FButton->setEnabled(isEnabled());
    FireNotifyEvent(OnEnabledChanged, this);
    return result;
}

void TWkCustomComboEdit::AdjustDialogCodes(TDialogCodes& codes) const {
    if (!FPopupVisible)
        return;
    codes |= TDialogCode::WantTab;
    codes &= ~TDialogCodes(TDialogCode::Native);
}
