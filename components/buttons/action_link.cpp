#include "components/buttons/action_link.h"

#include "components/buttons/action_list.h"

#include <QAction>
#include <QEvent>

namespace {

int numberProperty(const QAction& action, const char* name, int unset) {
    bool ok = false;
    const int value = action.property(name).toInt(&ok);
    return ok ? value : unset;
}

} // namespace

TWkActionValues ActionValuesOf(const QAction& action) {
    TWkActionValues values;
    values.text = action.text();
    values.hint = action.toolTip();
    values.shortcut = action.shortcut();
    values.enabled = action.isEnabled();
    values.visible = action.isVisible();
    values.checked = action.isChecked();
    values.imageIndex = numberProperty(action, "imageIndex", -1);
    values.groupIndex = numberProperty(action, "groupIndex", 0);
    values.helpContext = numberProperty(action, "helpContext", 0);
    if (const auto* list = dynamic_cast<const TActionList*>(action.parent()))
        values.images = list->Images();
    return values;
}

TWkActionLink::TWkActionLink(QObject* client)
    : QObject(client), FExecute(TNotifyEvent::FromCallable([this](QObject*) { Execute(); })) {}

TWkActionLink::~TWkActionLink() {
    if (FAction)
        FAction->removeEventFilter(this);
}

void TWkActionLink::SetAction(QAction* action) {
    if (action == FAction)
        return;
    if (FAction) {
        FAction->removeEventFilter(this);
        disconnect(FAction, nullptr, this, nullptr);
    }
    FAction = action;
    if (!action)
        return;
    FLast = ActionValuesOf(*action);
    connect(action, &QAction::changed, this, &TWkActionLink::actionChanged);
    // Dynamic properties announce their changes by an event, not by changed().
    action->installEventFilter(this);
    ActionChange(*action, false);
}

void TWkActionLink::Execute() {
    if (FAction)
        FAction->trigger();
}

bool TWkActionLink::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FAction && event->type() == QEvent::DynamicPropertyChange)
        actionChanged();
    return QObject::eventFilter(watched, event);
}

void TWkActionLink::actionChanged() {
    if (!FAction)
        return;
    const TWkActionValues was = FLast;
    FLast = ActionValuesOf(*FAction);
    Follow(was, FLast);
}
