#include "configurator/window/string_grid.h"
#include "tests/configurator/window/window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

class GridTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Open();
        Find<QTabWidget>("WkPageControl")->setCurrentIndex(TMForm::TabKNP);
        form->show();
        QApplication::setActiveWindow(form.get());
        knp = Find<StringGrid>("KnpGrid");
        kbms = Find<StringGrid>("KbMsGrid");
    }

    // The user selects a cell and double-clicks it.
    QComboBox* OpenEditor(StringGrid* grid, int col, int row, const char* editor) {
        grid->setCurrentCell(row - 1, col - (grid->HasFixedCol() ? 1 : 0));
        emit grid->cellDoubleClicked(row - 1, col);
        return Find<QComboBox>(editor);
    }

    StringGrid* knp = nullptr;
    StringGrid* kbms = nullptr;
};

TEST_F(GridTest, ClearedGridsShowTheFirstItems) {
    for (int row = 1; row <= 64; ++row) {
        EXPECT_EQ(knp->Cell(1, row), "--");
        EXPECT_EQ(knp->Cell(5, row), "No");
    }
    for (int row = 1; row <= 15; ++row) {
        EXPECT_EQ(kbms->Cell(0, row), "--");
        EXPECT_EQ(kbms->Cell(2, row), "----------");
    }
}

struct EditorCase {
    const char* name;
    bool keyboardGrid;
    int col;
    int row;
    const char* editor;
    const char* cellText; // shown before the editor opens
    int preselected;
};

const EditorCase EditorCases[] = {
    {"shift of a keyboard row", true, 3, 2, "KnpGrid_CB_Shift", "Shift 2", 2},
    {"function by its name", true, 0, 15, "KnpGrid_CB_Type", "KEYB_VOLUME_DOWN", 129},
    {"off timer of two items", false, 5, 64, "KnpGrid_CB_TimOf", "Yes", 1},
    {"input number", false, 1, 7, "KnpGrid_CB_Number", "42", 42},
};

TEST_F(GridTest, EditorOpensOverTheCellWithItsTextSelected) {
    for (const EditorCase& c : EditorCases) {
        SCOPED_TRACE(c.name);
        StringGrid* grid = c.keyboardGrid ? kbms : knp;
        grid->SetCell(c.col, c.row, QString::fromUtf8(c.cellText));
        QComboBox* editor = OpenEditor(grid, c.col, c.row, c.editor);
        EXPECT_TRUE(editor->isVisible());
        EXPECT_TRUE(editor->hasFocus());
        EXPECT_EQ(editor->currentIndex(), c.preselected);
        EXPECT_EQ(editor->geometry(), grid->CellRect(c.col, c.row, editor->parentWidget()));
        grid->setFocus();
        EXPECT_FALSE(editor->isVisible());
    }
}

enum class Close { ByChoice, ByLeaving };

TEST_F(GridTest, ChoosingOrLeavingStoresTheSameValue) {
    for (Close close : {Close::ByChoice, Close::ByLeaving}) {
        SCOPED_TRACE(close == Close::ByChoice ? "change" : "exit");
        form->BTN_ClearButtonsClick();
        QComboBox* editor = OpenEditor(kbms, 4, 3, "KnpGrid_CB_TimOn");
        editor->setCurrentIndex(3);
        if (close == Close::ByChoice) {
            emit editor->activated(3);
        } else {
            Find<QLineEdit>("dev_name")->setFocus();
        }
        EXPECT_FALSE(editor->isVisible());
        EXPECT_EQ(kbms->Cell(4, 3), "Timer 3");
        EXPECT_EQ(form->State().KbMsTable[2].timOn, 3);
        EXPECT_EQ(form->CurrentConfig().kbMsTable[2].timOn, 3);
    }
}

TEST_F(GridTest, LogicalButtonReachesTheConfiguration) {
    QComboBox* editor = OpenEditor(knp, 1, 40, "KnpGrid_CB_Number");
    editor->setCurrentIndex(12);
    emit editor->activated(12);
    EXPECT_EQ(knp->Cell(1, 40), "12");
    EXPECT_EQ(form->CurrentConfig().knpTable[39].number, 12);
    EXPECT_EQ(form->CurrentConfig().kbMsTable[39 % 15].number, 0) << "the other grid untouched";

    Find<QPushButton>("BTN_ClearButtons")->click();
    EXPECT_EQ(form->State().KnpTable[39].number, 0);
    EXPECT_EQ(knp->Cell(1, 40), "--");
}

TEST_F(GridTest, DoubleClickWithoutASelectedCellOpensNothing) {
    emit knp->cellDoubleClicked(0, 0);
    for (const char* name : {"KnpGrid_CB_Type", "KnpGrid_CB_Number", "KnpGrid_CB_Mode"}) {
        EXPECT_FALSE(Find<QComboBox>(name)->isVisible()) << name;
    }
}

} // namespace
