#include "components/edit/combo_edit.h"

#include "components/draw/themed_background.h"
#include "components/edit/edit_button.h"
#include "components/edit/edit_glyphs.h"
#include "platform/ui/image_list.h"

#include <QAction>
#include <QApplication>
#include <QCompleter>
#include <QContextMenuEvent>
#include <QMenu>
#include <QStringListModel>
#include <QStyle>

namespace {

// Room beside a default image for the button's frame.
constexpr int ImageButtonExtra = 6;
constexpr int ButtonTextGap = 2;

} // namespace

TWkCustomComboEdit::TWkCustomComboEdit(QWidget* parent)
    : TWkExCustomMaskEdit(parent), FBtnControl(new QWidget(this)),
      FButton(new TWkEditButton(FBtnControl)) {
    FBtnControl->setCursor(Qt::ArrowCursor);
    FBtnControl->resize(DefaultButtonWidth, 17);
    FButton->setGeometry(0, 0, DefaultButtonWidth, 17);
    FButton->OnClick = TNotifyEvent::FromCallable([this](QObject*) { buttonClicked(); });
    resize(width(), 21);
    applyDisabledColors();
    layoutButton();
}

TWkCustomComboEdit::~TWkCustomComboEdit() {
    ClosePopup(false);
    FButton->OnClick = nullptr;
    DetachAutoComplete();
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

// The button sits inside the style's frame at the right edge; the text stops before it.
void TWkCustomComboEdit::layoutButton() {
    const int frame =
        hasFrame() ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) : 0;
    const int buttonWidth = FBtnControl->width();
    FBtnControl->setGeometry(width() - buttonWidth - frame, frame, buttonWidth,
                             std::max(0, height() - 2 * frame));
    FButton->setGeometry(FBtnControl->rect());
    const int margin = FBtnControl->isHidden() ? 0 : buttonWidth + ButtonTextGap;
    setTextMargins(0, 0, margin, 0);
}

void TWkCustomComboEdit::NotifyBoundsChanged() {
    layoutButton();
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
    setReadOnly(FReadOnly || !FDirectInput);
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

void TWkCustomComboEdit::SetClipboardCommands(TWkClipboardCommands value) {
    FClipboardCommands = FReadOnly ? ReadOnlyClipboardCommands(value) : value;
}

bool TWkCustomComboEdit::allowed(TWkClipboardCommand command) const {
    return (FClipboardCommands & command) != 0;
}

bool TWkCustomComboEdit::Cut() {
    if (!allowed(caCut) || !FDirectInput || FReadOnly)
        return false;
    cut();
    return true;
}

bool TWkCustomComboEdit::Copy() {
    if (!allowed(caCopy))
        return false;
    copy();
    return true;
}

bool TWkCustomComboEdit::Paste() {
    if (!allowed(caPaste) || !FDirectInput || FReadOnly)
        return false;
    ClearGroup();
    paste();
    return true;
}

bool TWkCustomComboEdit::Clear() {
    if (!allowed(caClear))
        return false;
    setText(QString());
    return true;
}

bool TWkCustomComboEdit::Undo() {
    if (!allowed(caUndo))
        return false;
    undo();
    return true;
}

bool TWkCustomComboEdit::ValidateEdit() {
    if (inputMask().isEmpty() || hasAcceptableInput())
        return true;
    if (FBeepOnError)
        QApplication::beep();
    return false;
}

void TWkCustomComboEdit::focusOutEvent(QFocusEvent* event) {
    TWkExCustomMaskEdit::focusOutEvent(event);
    if (FCheckOnExit)
        ValidateEdit();
}

void TWkCustomComboEdit::SetAutoCompleteItems(const QStringList& items) {
    FAutoCompleteItems = items;
    if (FCompleter) {
        if (auto* model = qobject_cast<QStringListModel*>(FCompleter->model()))
            model->setStringList(items);
    }
}

void TWkCustomComboEdit::SetAutoCompleteOptions(unsigned value) {
    if (value == FAutoCompleteOptions)
        return;
    FAutoCompleteOptions = value;
    if (value == 0) {
        DetachAutoComplete();
        return;
    }
    AttachAutoComplete();
    ApplyAutoCompleteOptions();
}

void TWkCustomComboEdit::AttachAutoComplete() {
    if (FCompleter || FAutoCompleteOptions == 0)
        return;
    QAbstractItemModel* source = MakeAutoCompleteSource();
    if (!source)
        return;
    FCompleter = new QCompleter(this);
    source->setParent(FCompleter);
    FCompleter->setModel(source);
    setCompleter(FCompleter);
}

void TWkCustomComboEdit::DetachAutoComplete() {
    if (!FCompleter)
        return;
    setCompleter(nullptr);
    delete FCompleter.data();
}

QAbstractItemModel* TWkCustomComboEdit::MakeAutoCompleteSource() {
    return new QStringListModel(FAutoCompleteItems);
}

// Suggesting shows the list; appending alone completes in the text.
void TWkCustomComboEdit::ApplyAutoCompleteOptions() {
    if (!FCompleter)
        return;
    const bool suggest = FAutoCompleteOptions & acoAutoSuggest;
    const bool append = FAutoCompleteOptions & acoAutoAppend;
    FCompleter->setCompletionMode(!suggest && append ? QCompleter::InlineCompletion
                                                     : QCompleter::PopupCompletion);
    FCompleter->setFilterMode(FAutoCompleteOptions & acoSearch ? Qt::MatchContains
                                                               : Qt::MatchStartsWith);
}

void TWkCustomComboEdit::DoClick() {
    buttonClicked();
}

void TWkCustomComboEdit::SelectAll() {
    if (FDirectInput)
        selectAll();
}

void TWkCustomComboEdit::buttonClicked() {
    if (FReadOnly && !FAlwaysEnableButton)
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

void TWkCustomComboEdit::ShowPopup(bool readOnlyWhileOpen) {
    if ((FReadOnly && !FAlwaysShowPopup) || FPopupVisible || !FPopup)
        return;
    BeforePopup();
    const QRect edit(mapToGlobal(QPoint(0, 0)), size());
    const QSize popupSize = FPopup->size().isValid() ? FPopup->size() : FPopup->sizeHint();
    FPopup->move(PopupPosition(edit, popupSize, ScreenWorkAreaOf(this), FPopupAlign));
    SetPopupValue(text());
    setFocus();
    FPopup->show();
    FireNotifyEvent(OnPopupShown, this);
    FPopupVisible = true;
    if (readOnlyWhileOpen)
        setReadOnly(true);
}

void TWkCustomComboEdit::ClosePopup(bool accept) {
    if (!FPopupVisible)
        return;
    const std::optional<QString> value = GetPopupValue();
    FPopupVisible = false;
    if (FPopup) {
        FPopup->hide();
        FireNotifyEvent(OnPopupHidden, this);
    }
    if (isEnabled() && window()->isVisible())
        setFocus();
    updateReadOnly();
    update();
    if (accept && value && PopupValueAcceptable(*value) && !FReadOnly) {
        AcceptPopupValue(*value);
        if (hasFocus())
            SelectAll();
    }
}

void TWkCustomComboEdit::AcceptPopupValue(const QString& value) {
    if (value != text()) {
        setText(value);
        setModified(true);
    }
    FireNotifyEvent(OnPopupValueAccepted, this);
}

void TWkCustomComboEdit::Change() {
    if (FPopupVisible)
        FireNotifyEvent(OnPopupChange, this);
}

bool TWkCustomComboEdit::NotifyTextChanged(QEvent* event) {
    const bool result = TWkExCustomMaskEdit::NotifyTextChanged(event);
    Change();
    return result;
}

bool TWkCustomComboEdit::NotifyEnabledChanged(QEvent* event) {
    const bool result = TWkExCustomMaskEdit::NotifyEnabledChanged(event);
    FButton->setEnabled(isEnabled());
    return result;
}

void TWkCustomComboEdit::keyPressEvent(QKeyEvent* event) {
    ClearGroup();
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if ((event->modifiers() & Qt::ControlModifier) && (key == Qt::Key_Tab || enter)) {
        event->ignore();
        return;
    }
    if (FPopupVisible && (enter || key == Qt::Key_Escape)) {
        ClosePopup(key != Qt::Key_Escape);
        event->accept();
        return;
    }
    const QKeyCombination pressed(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(key));
    if (QKeySequence(pressed) == FClickKey && ButtonWidth() > 0) {
        buttonClicked();
        event->accept();
        return;
    }
    const TWkClipboardCommand command = ClipboardCommandOfKey(*event);
    if (command == TWkClipboardCommand{}) {
        TWkExCustomMaskEdit::keyPressEvent(event);
        return;
    }
    carryOut(command);
    event->accept();
}

void TWkCustomComboEdit::carryOut(TWkClipboardCommand command) {
    switch (command) {
    case caCopy:
        Copy();
        break;
    case caCut:
        Cut();
        break;
    case caPaste:
        Paste();
        break;
    case caClear:
        Clear();
        break;
    case caUndo:
        Undo();
        break;
    }
}

// The menu's clipboard entries go through the same gate as the keys.
void TWkCustomComboEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    const std::pair<const char*, TWkClipboardCommand> entries[] = {
        {"edit-cut", caCut},      {"edit-copy", caCopy}, {"edit-paste", caPaste},
        {"edit-delete", caClear}, {"edit-undo", caUndo},
    };
    for (const auto& [name, command] : entries) {
        auto* action = menu->findChild<QAction*>(QString::fromLatin1(name));
        if (!action)
            continue;
        action->disconnect();
        action->setEnabled(action->isEnabled() && allowed(command));
        connect(action, &QAction::triggered, this,
                [this, command = command] { carryOut(command); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
