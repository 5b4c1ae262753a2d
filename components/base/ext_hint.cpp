#include "components/base/ext_hint.h"

#include "platform/ui/ui_host.h"

#include <QHelpEvent>
#include <QPalette>
#include <QToolTip>
#include <QWidget>
#include <exception>

namespace {

TColor applicationHintColor() {
    return FromQColor(QToolTip::palette().color(QPalette::ToolTipBase));
}

} // namespace

void FireNotifyEvent(const TNotifyEvent& event, QObject* sender) {
    if (!event)
        return;
    try {
        event(sender);
    } catch (const std::exception& e) {
        uiHost().reportException(QString::fromUtf8(e.what()));
    }
}

void ResolveHintColor(THintInfo& info, QWidget* control, TColor hintColor) {
    if (hintColor == clNone) {
        info.HintColor = applicationHintColor();
        return;
    }
    if (hintColor != clDefault) {
        info.HintColor = hintColor;
        return;
    }
    QWidget* parent = control ? control->parentWidget() : nullptr;
    if (auto* source = dynamic_cast<TWkExHintSource*>(parent)) {
        THintInfo copy = info;
        source->ResolveHintColorOf(copy);
        info.HintColor = copy.HintColor;
    }
}

THintInfo ApplicationHintInfo(QWidget* control, QEvent* toolTipEvent) {
    THintInfo info;
    info.Control = control;
    info.HintText = control->toolTip();
    info.HintColor = applicationHintColor();
    if (toolTipEvent && toolTipEvent->type() == QEvent::ToolTip)
        info.GlobalPos = static_cast<QHelpEvent*>(toolTipEvent)->globalPos();
    return info;
}

bool ShowHint(const THintInfo& info) {
    if (info.HintText.isEmpty())
        return false;
    if (info.HintWindowClass) {
        info.HintWindowClass(info);
        return true;
    }
    // The tip window takes the application's tool-tip palette when it appears.
    const QPalette saved = QToolTip::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::ToolTipBase, ToQColor(info.HintColor));
    QToolTip::setPalette(palette);
    QToolTip::showText(info.GlobalPos, info.HintText, info.Control, info.CursorRect);
    QToolTip::setPalette(saved);
    return true;
}
