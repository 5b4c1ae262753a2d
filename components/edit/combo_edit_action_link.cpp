#include "components/edit/combo_edit_action_link.h"

#include "components/edit/combo_edit.h"

#include <QAction>

TWkCustomComboEditActionLink::TWkCustomComboEditActionLink(TWkCustomComboEdit* client)
    : TWkActionLink(client), FClient(client) {}

bool TWkCustomComboEditActionLink::IsHintLinked(const TWkActionValues& action) const {
    return FClient->ButtonHint() == action.hint;
}

bool TWkCustomComboEditActionLink::IsImageIndexLinked(const TWkActionValues& action) const {
    return FClient->ImageIndex() == action.imageIndex;
}

bool TWkCustomComboEditActionLink::IsShortCutLinked(const TWkActionValues& action) const {
    return FClient->ClickKey() == action.shortcut;
}

bool TWkCustomComboEditActionLink::IsOnExecuteLinked() const {
    return FClient->OnButtonClick.SameCode(ExecuteHandler());
}

void TWkCustomComboEditActionLink::ActionChange(QAction& action, bool checkDefaults) {
    const TWkActionValues values = ActionValuesOf(action);
    if (values.images && (!checkDefaults || !FClient->Images()))
        FClient->SetImages(values.images);
    if (!checkDefaults || FClient->isEnabled())
        FClient->setEnabled(values.enabled);
    if (!checkDefaults || FClient->HelpContext() == 0)
        FClient->SetHelpContext(values.helpContext);
    if (!checkDefaults || FClient->ButtonHint().isEmpty())
        FClient->SetButtonHint(values.hint);
    if (!checkDefaults || FClient->ImageIndex() == -1)
        FClient->SetImageIndex(values.imageIndex);
    if (!checkDefaults || FClient->ClickKey().isEmpty())
        FClient->SetClickKey(values.shortcut);
    if (!checkDefaults || FClient->isVisibleTo(FClient->parentWidget()))
        FClient->setVisible(values.visible);
    if (!checkDefaults || !FClient->OnButtonClick)
        FClient->OnButtonClick = ExecuteHandler();
}

void TWkCustomComboEditActionLink::Follow(const TWkActionValues& was, const TWkActionValues& now) {
    if (now.hint != was.hint && IsHintLinked(was))
        FClient->SetButtonHint(now.hint);
    if (now.imageIndex != was.imageIndex && IsImageIndexLinked(was))
        FClient->SetImageIndex(now.imageIndex);
    if (now.shortcut != was.shortcut && IsShortCutLinked(was))
        FClient->SetClickKey(now.shortcut);
    if (now.enabled != was.enabled)
        FClient->setEnabled(now.enabled);
    if (now.visible != was.visible)
        FClient->setVisible(now.visible);
}
