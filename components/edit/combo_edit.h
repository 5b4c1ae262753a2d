#pragma once
// A single-line edit with a push button inside its right border. The button (or the key
// ClickKey) runs the edit's action: a popup here, a file dialog in the file-name edit. The edit
// also takes an input mask, gates its clipboard commands, clears the other edits of its group
// when typed into, and offers completion through Qt's completer.

#include "components/base/data_connector.h"
#include "components/base/ext_control.h"
#include "components/edit/clipboard_commands.h"
#include "components/edit/popup_placement.h"

#include <QKeySequence>
#include <QPointer>
#include <QStringList>
#include <memory>
#include <optional>

class QAbstractItemModel;
class QAbstractItemView;
class QAction;
class QCompleter;
class TImageList;
class TWkEditButton;
class TWkEditCompleter;
class TWkCustomComboEditActionLink;
class TBitmap;

enum TWkImageKind { ikCustom, ikDefault, ikDropDown, ikEllipsis };

// The completion wanted (valued as the desktop's auto-complete flags).
enum TWkAutoCompleteOption : unsigned {
    acoAutoSuggest = 1,
    acoAutoAppend = 2,
    acoSearch = 4,
    acoFilterPrefixes = 8,
    acoUseTab = 16,
    acoUpDownKeyDropsList = 32,
    acoRTLReading = 64,
};

// Where the button sits in an edit of the given size (the edit's own coordinates): inside the
// 3D or flat frame at the right edge, or flush with the edge without a frame.
QRect ComboButtonRect(QSize edit, int buttonWidth, bool frame, bool flat);
// The least height of an edit whose text is textHeight pixels high.
int MinimumEditHeight(int textHeight, bool frame, bool flat);
// The height AdjustSize gives such an edit.
int AdjustedEditHeight(int textHeight, bool frame);

class TWkCustomComboEdit : public TWkExCustomMaskEdit, private IWkConnectedEdit {
public:
    static constexpr int DefaultButtonWidth = 21;

    explicit TWkCustomComboEdit(QWidget* parent = nullptr);
    ~TWkCustomComboEdit() override;

    TWkEditButton* Button() const { return FButton; }
    // The button's width while shown, else the width kept for when it shows again.
    int ButtonWidth() const;
    // Below 2 hides the button and keeps the current width.
    void SetButtonWidth(int value);
    bool ShowButton() const;
    void SetShowButton(bool value);
    QString ButtonHint() const;
    void SetButtonHint(const QString& value);
    bool ButtonFlat() const;
    void SetButtonFlat(bool value);
    // A one-pixel frame instead of the 3D one; setting it stops following the parent.
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    // Follows the parent's look, which for Qt parents is the 3D one.
    bool ParentFlat() const { return FParentFlat; }
    void SetParentFlat(bool value);
    // Grows the edit to the height of its font with the frame.
    void AdjustSize();

    QKeySequence ClickKey() const { return FClickKey; }
    void SetClickKey(const QKeySequence& value) { FClickKey = value; }
    // Typing allowed; off makes the text read-only to the keyboard while the button works.
    bool DirectInput() const { return FDirectInput; }
    void SetDirectInput(bool value);
    bool ReadOnly() const { return GetReadOnly(); }
    void SetReadOnly(bool value) override;
    bool AlwaysEnableButton() const { return FAlwaysEnableButton; }
    void SetAlwaysEnableButton(bool value) { FAlwaysEnableButton = value; }
    bool AlwaysShowPopup() const { return FAlwaysShowPopup; }
    void SetAlwaysShowPopup(bool value) { FAlwaysShowPopup = value; }
    TColor DisabledColor() const { return FDisabledColor; }
    virtual void SetDisabledColor(TColor value);
    TColor DisabledTextColor() const { return FDisabledTextColor; }
    virtual void SetDisabledTextColor(TColor value);
    // The help system's topic number of the edit; 0 for none.
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int value) { FHelpContext = value; }
    // Edits of one window sharing a group (not -1) clear each other when one is typed into.
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    TPopupAlign PopupAlign() const { return FPopupAlign; }
    void SetPopupAlign(TPopupAlign value) { FPopupAlign = value; }

    TWkImageKind ImageKind() const { return FImageKind; }
    void SetImageKind(TWkImageKind value);
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* images);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    // A bitmap face; switches to ikCustom.
    void SetGlyph(const TBitmap& glyph);

    TWkClipboardCommands ClipboardCommands() const { return FClipboardCommands; }
    // On a read-only edit anything but nothing becomes copying only.
    void SetClipboardCommands(TWkClipboardCommands value);
    // The clipboard commands as the edit carries them out; true when carried out.
    bool Cut();
    bool Copy();
    bool Paste();
    // Empties the text.
    bool Clear();
    bool Undo();

    // Qt's input-mask syntax; empty for none.
    QString EditMask() const { return inputMask(); }
    void SetEditMask(const QString& mask) { setInputMask(mask); }
    bool BeepOnError() const { return FBeepOnError; }
    void SetBeepOnError(bool value) { FBeepOnError = value; }
    bool CheckOnExit() const { return FCheckOnExit; }
    void SetCheckOnExit(bool value) { FCheckOnExit = value; }
    // True when the text fills the mask (or there is none); else beeps when BeepOnError.
    bool ValidateEdit();
    // A masked edit changed since it took the focus gets back the text it had then; an edit
    // without a mask keeps its text.
    void Reset();

    QStringList AutoCompleteItems() const { return FAutoCompleteItems; }
    void SetAutoCompleteItems(const QStringList& items);
    unsigned AutoCompleteOptions() const { return FAutoCompleteOptions; }
    // None detaches completion.
    void SetAutoCompleteOptions(unsigned value);
    // The completer while completion is on.
    QCompleter* AutoComplete() const;

    // The popup (owned by the caller) that the button opens. While it is open, keys reach its
    // list first; it closes without accepting when the focus or a mouse press goes elsewhere.
    QWidget* Popup() const { return FPopup; }
    void SetPopup(QWidget* popup) { FPopup = popup; }
    bool PopupVisible() const { return FPopupVisible; }
    // Closes an open popup. Accepting takes its value (an exception from that resets the edit
    // and goes on to the caller); otherwise the edit is Reset.
    virtual void ClosePopup(bool accept);
    // ClosePopup once the events now queued are handled.
    virtual void PostClosePopup(bool accept);
    // Another control took the mouse or the window lost the focus: an open popup closes without
    // accepting, unless sender is the edit, its button, or the popup or something inside it.
    void CancelMode(QObject* sender);

    // The field of a data source that the edit shows and edits.
    const std::shared_ptr<IWkDataSource>& DataSource() const;
    void SetDataSource(std::shared_ptr<IWkDataSource> source);
    QString DataField() const;
    void SetDataField(const QString& name);
    TWkCustomComboEditDataConnector& DataConnector();

    // The action whose hint, shortcut (ClickKey), image number and execution the edit follows.
    QAction* Action() const;
    void SetAction(QAction* action);
    TWkCustomComboEditActionLink* ActionLink() const { return FActionLink; }

    // The button's action, as a click runs it.
    void DoClick();
    // Selects everything, only while DirectInput.
    void SelectAll();

    virtual TImageList* DefaultImages() const;
    virtual int DefaultImageIndex() const { return -1; }

    TNotifyEvent OnButtonClick;
    // The text changed while no popup is open.
    TNotifyEvent OnChange;
    TNotifyEvent OnPopupShown;
    TNotifyEvent OnPopupHidden;
    TNotifyEvent OnPopupChange;
    TNotifyEvent OnPopupValueAccepted;
    // The edit was enabled or disabled (by itself or with its parent).
    TNotifyEvent OnEnabledChanged;

protected:
    // The connector the edit binds its text with; made on first use.
    virtual std::unique_ptr<TWkCustomComboEditDataConnector> NewDataConnector();
    // Sets the text rectangle (after enforcing the least height), then LayoutChanged.
    virtual void BorderLayoutChanged();
    virtual void LayoutChanged() {}
    // Widens the margins the text keeps free: the button's width and 2 on the right.
    virtual void AddButtonMargin(int& left, int& right) const;
    virtual void UpdateEditRect();
    virtual void HidePopupWindow();
    virtual void ShowPopupWindow(QPoint origin);
    // The inner list of the popup that keys go to first; null for none.
    virtual QAbstractItemView* PopupList() const;
    virtual void NotifyChange();
    virtual void PopupTextChanged();
    // Fires OnButtonClick, then closes an open popup (accepting) or opens one.
    virtual void ButtonPressed();
    virtual void BeforePopup() {}
    // Opens the popup below or above the edit on its screen; readOnlyWhileOpen locks the text.
    virtual void ShowPopup(bool readOnlyWhileOpen);
    // The popup's value; nothing for a popup that holds none (any plain widget).
    virtual std::optional<QString> GetPopupValue() const { return std::nullopt; }
    virtual void SetPopupValue(const QString& /*value*/) {}
    virtual bool PopupValueAcceptable(const QString& /*value*/) const { return true; }
    virtual void AcceptPopupValue(const QString& value);
    // The list completion draws from; the generic edit completes from AutoCompleteItems.
    virtual QAbstractItemModel* MakeAutoCompleteSource();
    virtual void ApplyAutoCompleteOptions();
    virtual void AttachAutoComplete();
    virtual void DetachAutoComplete();
    virtual bool GetReadOnly() const { return FReadOnly; }
    // The text changed (by typing or code).
    virtual void Change();
    // The focus came from or went to another control of the window (not another window or a
    // menu). Leaving writes the text to a bound field.
    virtual void DoEnter() {}
    virtual void DoExit();
    // Makes the button's face again from ImageKind (after DefaultImageIndex can answer).
    void UpdateButtonFace() { updateFace(); }
    // Palette and style changes remake the face, so a default image follows the theme.
    bool NotifyColorChanged(QEvent* event) override;
    bool NotifyParentColorChanged(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void ClearGroup();

    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void NotifyBoundsChanged() override;
    bool NotifyTextChanged(QEvent* event) override;
    bool NotifyEnabledChanged(QEvent* event) override;
    // Tab stays with the edit while a popup is open.
    void AdjustDialogCodes(TDialogCodes& codes) const override;

private:
    QString Text() const override { return text(); }
    void SetText(const QString& value) override { setText(value); }
    bool forwardToPopupList(QKeyEvent* event);
    bool insidePopup(const QObject* object) const;
    void showGatedContextMenu(QContextMenuEvent* event);
    bool dropsCompletionList(const QKeyEvent& event);
    void appendCompletion(const QKeyEvent& event, const QString& before);
    bool pasteAllowed() const;
    bool markWithoutCopy(const QKeyEvent& event);
    void searchTyped(const QString& typed);
    void buttonClicked();
    void layoutButton();
    void updateFace();
    void updateReadOnly();
    void applyDisabledColors();
    bool allowed(TWkClipboardCommand command) const;
    // Runs the edit's own Cut, Copy, Paste, Clear or Undo, each behind its gate.
    void carryOut(TWkClipboardCommand command);

    QWidget* FBtnControl;
    TWkEditButton* FButton;
    // The line edit deletes a completer it parents when another replaces it.
    QPointer<TWkEditCompleter> FCompleter;
    std::unique_ptr<TWkCustomComboEditDataConnector> FDataConnector;
    TWkCustomComboEditActionLink* FActionLink = nullptr;
    QPointer<QWidget> FPopup;
    TImageList* FImages = nullptr;
    QStringList FAutoCompleteItems;
    // The text when the edit took the focus, for Reset.
    QString FOldValue;
    QKeySequence FClickKey{Qt::AltModifier | Qt::Key_Down};
    TWkClipboardCommands FClipboardCommands = AllClipboardCommands;
    unsigned FAutoCompleteOptions = 0;
    TColor FDisabledColor = clWindow;
    TColor FDisabledTextColor = clGrayText;
    TWkImageKind FImageKind = ikCustom;
    TPopupAlign FPopupAlign = epaRight;
    int FSavedButtonWidth = 0;
    int FImageIndex = -1;
    int FNumGlyphs = 1;
    int FGroupIndex = -1;
    int FHelpContext = 0;
    bool FDirectInput = true;
    bool FReadOnly = false;
    bool FAlwaysEnableButton = false;
    bool FAlwaysShowPopup = false;
    bool FBeepOnError = true;
    bool FCheckOnExit = true;
    bool FPopupVisible = false;
    bool FFlat = false;
    // The frame the button was placed in.
    bool FButtonFramed = true;
    bool FParentFlat = true;
};
