#pragma once
// Links a QAction to a combo edit's button: the action's hint becomes ButtonHint, its shortcut
// ClickKey, its image number ImageIndex (its list's images the edit's Images), its help topic
// the edit's HelpContext, and pressing the button runs the action. The caption is
// never linked: the edit's text is its own.

#include "components/buttons/action_link.h"

class TWkCustomComboEdit;

class TWkCustomComboEditActionLink : public TWkActionLink {
public:
    explicit TWkCustomComboEditActionLink(TWkCustomComboEdit* client);

    bool IsCaptionLinked() const { return false; }
    // The edit holds the action's value of each, so it follows the action's changes.
    bool IsHintLinked(const TWkActionValues& action) const;
    bool IsImageIndexLinked(const TWkActionValues& action) const;
    bool IsShortCutLinked(const TWkActionValues& action) const;
    bool IsOnExecuteLinked() const;

    void ActionChange(QAction& action, bool checkDefaults) override;

protected:
    void Follow(const TWkActionValues& was, const TWkActionValues& now) override;

private:
    TWkCustomComboEdit* FClient;
};
