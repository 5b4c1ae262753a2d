#pragma once
// The extension layer under every library control: one template over a Qt widget class that
// turns the widget's change notifications into overridable hooks, adds mouse-enter and
// mouse-leave events, a parent-colour-change event, a per-control hint colour and a mouse-over
// flag. A hook that is not overridden hands the event to the Qt class exactly once.

#include "components/base/ext_hint.h"
#include "components/base/highlight_frame.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QWidget>

template <class Base> class TWkExControl : public Base, public TWkExHintSource {
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

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnParentColorChange;

    void ResolveHintColorOf(THintInfo& info) override { ResolveHintColor(info, this, FHintColor); }

protected:
    // The Qt class's own handling of the event; what every default hook ends with.
    bool SendToInherited(QEvent* event) { return Base::event(event); }

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
    virtual void NotifyControlListChanged(QObject* /*child*/, bool /*inserting*/) {}
    // Fills in the hint; true when the hint was shown here. The default resolves the hint
    // colour and shows the control's tool tip in it.
    virtual bool PrepareHint(THintInfo& info) {
        ResolveHintColorOf(info);
        return ShowHint(info);
    }

    void paintEvent(QPaintEvent* event) override {
        Base::paintEvent(event);
        if (FDotNetHighlighting)
            DrawHighlightFrame(this, this->hasFocus() || FMouseOver);
    }

    bool event(QEvent* event) override {
        const bool result = dispatch(event);
        if (FDotNetHighlighting && refreshesHighlight(event->type()))
            this->update();
        return result;
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
        case QEvent::ToolTip:
            return dispatchHint(event);
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
            return SendToInherited(event);
        }
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
};

// The family's members, one per Qt class the library's controls stand on.
using TWkExGraphicControl = TWkExControl<QWidget>;
using TWkExImage = TWkExControl<QLabel>;
using TWkExCustomComboBox = TWkExControl<QComboBox>;
using TWkExStringGrid = TWkExControl<QTableWidget>;
using TWkExPageControl = TWkExControl<QTabWidget>;
using TWkExCustomMaskEdit = TWkExControl<QLineEdit>;
