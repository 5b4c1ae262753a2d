#pragma once
// Links a QAction to an image speed button: besides caption, hint, enabled and visible, the
// action's checked state drives Down (on a grouped button that allows all up), its group and
// image numbers drive GroupIndex and ImageIndex, its list's images become the button's, and a
// click runs the action.

#include "components/buttons/action_link.h"

class TWkImageSpeedButton;

class TWkImageSpeedButtonActionLink : public TWkActionLink {
public:
    explicit TWkImageSpeedButtonActionLink(TWkImageSpeedButton* client);

    // The button holds the action's old value of each, so it follows the action's changes.
    bool IsCaptionLinked(const TWkActionValues& action) const;
    bool IsHintLinked(const TWkActionValues& action) const;
    bool IsCheckedLinked(const TWkActionValues& action) const;
    bool IsGroupIndexLinked(const TWkActionValues& action) const;
    bool IsImageIndexLinked(const TWkActionValues& action) const;
    bool IsOnExecuteLinked() const;

    void ActionChange(QAction& action, bool checkDefaults) override;

protected:
    void Follow(const TWkActionValues& was, const TWkActionValues& now) override;

private:
    TWkImageSpeedButton* FClient;
};
