#include "components/buttons/image_speed_button_action_link.h"

#include "components/buttons/image_speed_button.h"

#include <QAction>

TWkImageSpeedButtonActionLink::TWkImageSpeedButtonActionLink(TWkImageSpeedButton* client)
    : TWkActionLink(client), FClient(client) {}

bool TWkImageSpeedButtonActionLink::IsCaptionLinked(const TWkActionValues& action) const {
    return FClient->Caption() == action.text;
}

bool TWkImageSpeedButtonActionLink::IsHintLinked(const TWkActionValues& action) const {
    return FClient->toolTip() == action.hint;
}

bool TWkImageSpeedButtonActionLink::IsCheckedLinked(const TWkActionValues& action) const {
    return FClient->GroupIndex() != 0 && FClient->AllowAllUp() && FClient->Down() == action.checked;
}

bool TWkImageSpeedButtonActionLink::IsGroupIndexLinked(const TWkActionValues& action) const {
    return FClient->GroupIndex() == action.groupIndex;
}

bool TWkImageSpeedButtonActionLink::IsImageIndexLinked(const TWkActionValues& action) const {
    return FClient->ImageIndex() == action.imageIndex;
}

bool TWkImageSpeedButtonActionLink::IsOnExecuteLinked() const {
    return FClient->OnClick.SameCode(ExecuteHandler());
}

void TWkImageSpeedButtonActionLink::ActionChange(QAction& action, bool checkDefaults) {
    const TWkActionValues values = ActionValuesOf(action);
    if (!checkDefaults || FClient->Caption().isEmpty())
        FClient->SetCaption(values.text);
    if (!checkDefaults || FClient->isEnabled())
        FClient->setEnabled(values.enabled);
    if (!checkDefaults || FClient->toolTip().isEmpty())
        FClient->setToolTip(values.hint);
    if (!checkDefaults || FClient->isVisibleTo(FClient->parentWidget()))
        FClient->setVisible(values.visible);
    if (!checkDefaults || !FClient->OnClick)
        FClient->OnClick = ExecuteHandler();
    if (!checkDefaults || FClient->GroupIndex() == 0)
        FClient->SetGroupIndex(values.groupIndex);
    if (!checkDefaults || !FClient->Down())
        FClient->SetDown(values.checked);
    if (values.images && (!checkDefaults || !FClient->Images()))
        FClient->SetImages(values.images);
    if (!checkDefaults || FClient->ImageIndex() == -1)
        FClient->SetImageIndex(values.imageIndex);
}

void TWkImageSpeedButtonActionLink::Follow(const TWkActionValues& was, const TWkActionValues& now) {
    if (now.text != was.text && IsCaptionLinked(was))
        FClient->SetCaption(now.text);
    if (now.hint != was.hint && IsHintLinked(was))
        FClient->setToolTip(now.hint);
    if (now.enabled != was.enabled)
        FClient->setEnabled(now.enabled);
    if (now.visible != was.visible)
        FClient->setVisible(now.visible);
    if (now.groupIndex != was.groupIndex && IsGroupIndexLinked(was))
        FClient->SetGroupIndex(now.groupIndex);
    if (now.checked != was.checked && IsCheckedLinked(was))
        FClient->SetDown(now.checked);
    if (now.imageIndex != was.imageIndex && IsImageIndexLinked(was))
        FClient->SetImageIndex(now.imageIndex);
}
