#pragma once
// The extension layer under every library control: one template over a Qt widget class that
// turns the widget's change notifications into overridable hooks, adds mouse-enter and
// mouse-leave events, a parent-colour-change event, a per-control hint colour, hint window and
// dialog codes, and a mouse-over flag. A hook that is not overridden hands the event to the Qt
// class exactly once.

#include "components/base/ext_codes.h"
#include "components/base/ext_events.h"
#include "components/base/ext_hint.h"
#include "components/base/highlight_frame.h"
#include "platform/ui/canvas.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QTabWidget>
#include <QWidget>
#include <type_traits>

namespace WkExDetail {

inline void SendTextChanged(QWidget* control) {
    QEvent event(WkExEvent::TextChanged());
    QCoreApplication::sendEvent(control, &event);
}

// Turns the text signals of the Qt classes that have one into the layer's text notification.
struct TextSignalLink {
    template <class Control> explicit TextSignalLink(Control* control) {
        if constexpr (std::is_base_of_v<QLineEdit, Control>)
            QObject::connect(control, &QLineEdit::textChanged, control,
                             [control] { SendTextChanged(control); });
        if constexpr (std::is_base_of_v<QComboBox, Control>)
            QObject::connect(control, &QComboBox::currentTextChanged, control,
                             [control] { SendTextChanged(control); });
    }
};

} // namespace WkExDetail

template <class Base> class TWkExControl : public Base, public TWkExHintSource {
    static constexpr bool IsScrollArea = std::is_base_of_v<QAbstractScrollArea, Base>;

public:
    using Base::Base;

    TColor HintColor() const { return FHintColor; }
    void SetHintColor(TColor color) { FHintColor = color; }
    bool MouseOver() const { return FMouseOver; }
    // A two-pixel frame that lights up while the control has the focus or the mouse.
    bool DotNetHighlighting() const { return FDotNetHighlighting; }
    void SetDotNetHighlighting(bool on) {
        FDotNetHighlighting = on;
        this->update();
    }

    // Shows this control's hints instead of the application's tool tip; null for the latter.
    THintWindowClass HintWindowClass() const { return FHintWindowClass; }
    void SetHintWindowClass(THintWindowClass windowClass) { FHintWindowClass = windowClass; }

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnParentColorChange;

    void ResolveHintColorOf(THintInfo& info) override { ResolveHintColor(info, this, FHintColor); }

    // The keys the control keeps for itself (DLGC_ flags): the Qt class's own answer, unless
    // AdjustDialogCodes cleared the native marker, then the codes it left.
    unsigned DialogCode() const {
        const unsigned native = NativeDlgc(*this);
        TDialogCodes codes = DlgcToDialogCodes(native) | TDialogCode::Native;
        AdjustDialogCodes(codes);
        return codes.testFlag(TDialogCode::Native) ? native : DialogCodesToDlgc(codes);
    }

    // The library's own way to add and remove a child control: the control hears of the change
    // before it happens (NotifyControlListChanging) and after (NotifyControlListChanged). Removing
    // hands the child back without a parent; the caller owns it then.
    void InsertControl(QWidget* child) {
        NotifyControlListChanging(child, true);
        child->setParent(this);
    }
    void RemoveControl(QWidget* child) {
        NotifyControlListChanging(child, false);
        child->setParent(nullptr);
    }

protected:
    // The Qt class's own handling of the event; what every default hook ends with.
    bool SendToInherited(QEvent* event) { return Base::event(event); }

    // Tells the control that its text changed (Qt's line edits and combo boxes do this on their
    // own); it reaches NotifyTextChanged.
    void SendTextChanged() { WkExDetail::SendTextChanged(this); }

    // A key that reached the control (its own, or one its focused child left), offered before the
    // Qt class sees it: true takes the key. key is the desktop's 16-bit key (DialogCharKey). The
    // Qt class takes no such keys, so the default leaves the key to it.
    virtual bool WantsDialogChar(std::uint16_t /*key*/, TShiftState /*shift*/) { return false; }
    // Whether a mouse press or double click at (x, y) is for this control; when not, the press
    // goes on to the parent. By default every press that reaches the control is for it.
    virtual bool HitTestAt(int /*x*/, int /*y*/) { return true; }
    virtual bool NotifyTextChanged(QEvent* event) { return SendToInherited(event); }
    // The focus moved to event->Control inside the control's window.
    virtual bool NotifyFocusChanged(TWkFocusChangedEvent* event) { return SendToInherited(event); }
    // The control was shown or hidden on the screen (with its parent or by itself).
    virtual bool NotifyShowingChanged(QEvent* event) { return SendToInherited(event); }
    // The control's own hint changed; its children then hear NotifyParentShowHintChanged.
    virtual bool NotifyShowHintChanged(QEvent* event) { return SendToInherited(event); }
    virtual bool NotifyParentShowHintChanged(QEvent* event) { return SendToInherited(event); }
    // Changes the dialog codes (see DialogCode); clear TDialogCode::Native to make them count.
    virtual void AdjustDialogCodes(TDialogCodes& /*codes*/) const {}
    // Paints the control's background before the Qt class paints; true when it did. An override
    // is called on every paint; the default is called once and marks the control as one that
    // leaves its background to the Qt class.
    virtual bool PaintBackground(TCanvas& /*canvas*/) {
        FDefaultBackground = true;
        return false;
    }
    // Answers the library's interface query; no control of this program implements it.
    virtual bool ImplementsQueriedInterface() const { return false; }

    virtual bool NotifyMouseEnter(QEvent* event) {
        FMouseOver = true;
        FireNotifyEvent(OnMouseEnter, this);
        return SendToInherited(event);
    }
    virtual bool NotifyMouseLeave(QEvent* event) {
        FMouseOver = false;
        const bool result = SendToInherited(event);
        FireNotifyEvent(OnMouseLeave, this);
        return result;
    }
    virtual bool NotifyParentColorChanged(QEvent* event) {
        const bool result = SendToInherited(event);
        FireNotifyEvent(OnParentColorChange, this);
        return result;
    }
    virtual bool NotifyColorChanged(QEvent* event) { return SendToInherited(event); }
    virtual bool NotifyFontChanged(QEvent* event) { return SendToInherited(event); }
    virtual bool NotifyParentFontChanged(QEvent* event) { return SendToInherited(event); }
    virtual bool NotifyEnabledChanged(QEvent* event) { return SendToInherited(event); }
    virtual bool NotifyVisibleChanged(QEvent* event) { return SendToInherited(event); }
    virtual bool NotifyCursorChanged(QEvent* event) { return SendToInherited(event); }
    virtual bool HandleSetFocus(QEvent* event) { return SendToInherited(event); }
    virtual bool HandleKillFocus(QEvent* event) { return SendToInherited(event); }
    // After a move or resize has been handled by the Qt class.
    virtual void NotifyBoundsChanged() {}
    // Before a child is inserted or removed by InsertControl or RemoveControl.
    virtual void NotifyControlListChanging(QObject* /*child*/, bool /*inserting*/) {}
    // After a child was added or removed (by any path).
    virtual void NotifyControlListChanged(QObject* /*child*/, bool /*inserting*/) {}
    // Fills in the hint; true when the hint was shown here. The default resolves the hint
    // colour and shows the control's tool tip in it.
    virtual bool PrepareHint(THintInfo& info) {
        ResolveHintColorOf(info);
        if (FHintWindowClass)
            info.HintWindowClass = FHintWindowClass;
        return ShowHint(info);
    }

    // A scroll area paints its cells on its viewport; everything else on itself.
    QWidget* PaintSurface() {
        if constexpr (IsScrollArea)
            return this->viewport();
        else
            return this;
    }

    void paintEvent(QPaintEvent* event) override {
        if (!FDefaultBackground) {
            TCanvas canvas(PaintSurface());
            PaintBackground(canvas);
        }
        Base::paintEvent(event);
        if constexpr (!IsScrollArea) {
            if (FDotNetHighlighting)
                DrawHighlightFrame(this, this->hasFocus() || FMouseOver);
        }
    }

    bool event(QEvent* event) override {
        // A handler reached from the event may free the control.
        const QPointer<QObject> alive(this);
        const bool result = dispatch(event);
        if (alive.isNull())
            return result;
        if constexpr (IsScrollArea) {
            // A scroll area paints its frame in its own paint event, the cells in the viewport's.
            if (FDotNetHighlighting && event->type() == QEvent::Paint)
                DrawHighlightFrame(this, this->hasFocus() || FMouseOver);
        }
        if (FDotNetHighlighting && refreshesHighlight(event->type()))
            this->update();
        return result;
    }

    bool focusNextPrevChild(bool next) override {
        const unsigned native = NativeDlgc(*this);
        const unsigned dlgc = DialogCode();
        if (dlgc == native)
            return Base::focusNextPrevChild(next);
        // Tab stays with the control, which then gets it as a key press.
        if (dlgc & (DLGC_WANTTAB | DLGC_WANTALLKEYS))
            return false;
        return this->QWidget::focusNextPrevChild(next);
    }

private:
    static bool refreshesHighlight(QEvent::Type type) {
        return type == QEvent::FocusIn || type == QEvent::FocusOut || type == QEvent::Enter ||
               type == QEvent::Leave;
    }

    bool dispatch(QEvent* event) {
        switch (event->type()) {
        case QEvent::Enter:
            return NotifyMouseEnter(event);
        case QEvent::Leave:
            return NotifyMouseLeave(event);
        case QEvent::PaletteChange:
            // A palette of its own means the control's colour changed, else its parent's.
            return this->testAttribute(Qt::WA_SetPalette) ? NotifyColorChanged(event)
                                                          : NotifyParentColorChanged(event);
        case QEvent::FontChange:
            return this->testAttribute(Qt::WA_SetFont) ? NotifyFontChanged(event)
                                                       : NotifyParentFontChanged(event);
        case QEvent::EnabledChange:
            return NotifyEnabledChanged(event);
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            return NotifyVisibleChanged(event);
        case QEvent::CursorChange:
            return NotifyCursorChanged(event);
        case QEvent::FocusIn:
            return HandleSetFocus(event);
        case QEvent::FocusOut:
            return HandleKillFocus(event);
        case QEvent::Show:
        case QEvent::Hide:
            return NotifyShowingChanged(event);
        case QEvent::ToolTip:
            return dispatchHint(event);
        case QEvent::ToolTipChange:
            return dispatchShowHintChange(event);
        case QEvent::KeyPress:
            return dispatchKey(static_cast<QKeyEvent*>(event));
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return dispatchMousePress(static_cast<QMouseEvent*>(event));
        case QEvent::Move:
        case QEvent::Resize: {
            const bool result = SendToInherited(event);
            NotifyBoundsChanged();
            return result;
        }
        case QEvent::ChildAdded:
        case QEvent::ChildRemoved: {
            const bool result = SendToInherited(event);
            NotifyControlListChanged(static_cast<QChildEvent*>(event)->child(),
                                     event->type() == QEvent::ChildAdded);
            return result;
        }
        default:
            return dispatchLayerEvent(event);
        }
    }

    bool dispatchLayerEvent(QEvent* event) {
        const QEvent::Type type = event->type();
        if (type == WkExEvent::TextChanged())
            return NotifyTextChanged(event);
        if (type == WkExEvent::ParentShowHintChanged())
            return NotifyParentShowHintChanged(event);
        if (type == WkExEvent::FocusChanged())
            return NotifyFocusChanged(static_cast<TWkFocusChangedEvent*>(event));
        if (type == WkExEvent::InterfaceQuery()) {
            static_cast<TWkInterfaceQueryEvent*>(event)->Implemented = ImplementsQueriedInterface();
            return true;
        }
        return SendToInherited(event);
    }

    bool dispatchKey(QKeyEvent* event) {
        const std::uint16_t key = DialogCharKey(*event);
        if (key != 0 && WantsDialogChar(key, event->modifiers())) {
            event->accept();
            return true;
        }
        const bool result = SendToInherited(event);
        // A control that keeps Tab keeps it even when its Qt class has no use for it, so that the
        // window does not move the focus instead.
        if (keepsTab(*event)) {
            event->accept();
            return true;
        }
        return result;
    }

    bool keepsTab(const QKeyEvent& event) const {
        const bool tab = event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab;
        const bool plain = !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        return tab && plain && (DialogCode() & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) != 0;
    }

    bool dispatchMousePress(QMouseEvent* event) {
        const QPoint at = event->position().toPoint();
        if (!HitTestAt(at.x(), at.y())) {
            event->ignore();
            return false;
        }
        return SendToInherited(event);
    }

    bool dispatchShowHintChange(QEvent* event) {
        const bool result = NotifyShowHintChanged(event);
        const auto children = this->template findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* child : children) {
            QEvent parentChange(WkExEvent::ParentShowHintChanged());
            QCoreApplication::sendEvent(child, &parentChange);
        }
        return result;
    }

    bool dispatchHint(QEvent* event) {
        THintInfo info = ApplicationHintInfo(this, event);
        if (PrepareHint(info))
            return true;
        return SendToInherited(event);
    }

    TColor FHintColor = clDefault;
    bool FMouseOver = false;
    bool FDotNetHighlighting = false;
    bool FDefaultBackground = false;
    THintWindowClass FHintWindowClass = nullptr;
    TWkExFocusListener FFocusListener{this};
    WkExDetail::TextSignalLink FTextLink{this};
};

// The family's members, one per Qt class the library's controls stand on.
using TWkExGraphicControl = TWkExControl<QWidget>;
using TWkExImage = TWkExControl<QLabel>;
using TWkExCustomComboBox = TWkExControl<QComboBox>;
using TWkExPageControl = TWkExControl<QTabWidget>;
using TWkExCustomMaskEdit = TWkExControl<QLineEdit>;
