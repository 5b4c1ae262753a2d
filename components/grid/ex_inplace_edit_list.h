#pragma once
// The library grid's in-place editor: remembers the cell it edits, reports leaving it to the
// grid, and takes its pick list, edit button and list closing from the grid.

#include "components/base/ext_inplace_edit_list.h"

class TWkStringGrid;

class TExInplaceEditList : public TWkExInplaceEditList {
public:
    // Belongs to grid, which must outlive it (the grid owns it).
    explicit TExInplaceEditList(TWkStringGrid* grid);

    void UpdateContents() override;
    void CloseUp(bool accept) override;
    // Follows the grid's Alignment.
    void UpdateAlignment();

protected:
    void EditButtonClick() override;
    bool HandleSetFocus(QEvent* event) override;
    bool HandleKillFocus(QEvent* event) override;

private:
    TWkStringGrid* FGrid;
    int FLastCol = 0;
    int FLastRow = 0;
};
