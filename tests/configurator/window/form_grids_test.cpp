#include "components/grid/string_grid.h"
#include "tests/configurator/window/window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
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
        knp = Find<TWkStringGrid>("KnpGrid");
        kbms = Find<TWkStringGrid>("KbMsGrid");
    }

    static QPoint Centre(TWkStringGrid* grid, int col, int row) {
        const TRect r = grid->CellRect(col, row);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }

    static void Mouse(TWkStringGrid* grid, QEvent::Type type, QPoint at) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, grid->viewport()->mapToGlobal(at), Qt::LeftButton, held, {});
        QApplication::sendEvent(grid->viewport(), &event);
    }

    static void Key(Qt::Key key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(QApplication::focusWidget(), &press);
    }

    // The user clicks a cell and double-clicks it, as the mouse does it.
    QComboBox* OpenEditor(TWkStringGrid* grid, int col, int row, const char* editor) {
        grid->SetTopRow(std::max(row - 3, 1));
        const QPoint at = Centre(grid, col, row);
        Mouse(grid, QEvent::MouseButtonPress, at);
        Mouse(grid, QEvent::MouseButtonRelease, at);
        Mouse(grid, QEvent::MouseButtonDblClick, at);
        Mouse(grid, QEvent::MouseButtonRelease, at);
        return Find<QComboBox>(editor);
    }

    QRect CellOnPage(TWkStringGrid* grid, int col, int row, QWidget* page) {
        const TRect r = grid->CellRect(col, row);
        return {grid->viewport()->mapTo(page, QPoint(r.Left, r.Top)), QSize(r.Width(), r.Height())};
    }

    TWkStringGrid* knp = nullptr;
    TWkStringGrid* kbms = nullptr;
};

TEST_F(GridTest, ClearedGridsShowTheFirstItems) {
    for (int row = 1; row <= 64; ++row) {
        EXPECT_EQ(knp->Cells(1, row), "--");
        EXPECT_EQ(knp->Cells(5, row), "No");
    }
    for (int row = 1; row <= 15; ++row) {
        EXPECT_EQ(kbms->Cells(0, row), "--");
        EXPECT_EQ(kbms->Cells(2, row), "----------");
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
        TWkStringGrid* grid = c.keyboardGrid ? kbms : knp;
        grid->SetCells(c.col, c.row, QString::fromUtf8(c.cellText));
        QComboBox* editor = OpenEditor(grid, c.col, c.row, c.editor);
        EXPECT_EQ(std::pair(grid->Col(), grid->Row()), std::pair(c.col, c.row));
        EXPECT_TRUE(editor->isVisible());
        EXPECT_TRUE(editor->hasFocus());
        EXPECT_EQ(editor->currentIndex(), c.preselected);
        EXPECT_EQ(editor->geometry(), CellOnPage(grid, c.col, c.row, editor->parentWidget()));
        grid->setFocus();
        EXPECT_FALSE(editor->isVisible());
    }
}

TEST_F(GridTest, KeyboardMovesToACellAndChoosesItsItem) {
    QComboBox* editor = OpenEditor(knp, 2, 3, "KnpGrid_CB_Mode");
    Key(Qt::Key_Escape);
    knp->setFocus();
    Key(Qt::Key_Down);
    Key(Qt::Key_Right);
    EXPECT_EQ(std::pair(knp->Col(), knp->Row()), std::pair(3, 4));
    knp->OnEditButtonClick(knp);
    editor = Find<QComboBox>("KnpGrid_CB_Shift");
    ASSERT_TRUE(editor->hasFocus());
    Key(Qt::Key_Down);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(knp->Cells(3, 4), editor->itemText(1));
    EXPECT_EQ(form->CurrentConfig().knpTable[3].shift, 1);
    EXPECT_TRUE(knp->hasFocus());
}

TEST_F(GridTest, FixedCellsAreNeverSelected) {
    OpenEditor(knp, 2, 5, "KnpGrid_CB_Mode");
    knp->setFocus();
    const QPoint header = Centre(knp, 3, 0);
    Mouse(knp, QEvent::MouseButtonPress, header);
    Mouse(knp, QEvent::MouseButtonRelease, header);
    Key(Qt::Key_Home);
    EXPECT_EQ(std::pair(knp->Col(), knp->Row()), std::pair(1, 5));
    EXPECT_EQ(form->State().GridEdit.knp.col, 1);
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
        EXPECT_EQ(kbms->Cells(4, 3), "Timer 3");
        EXPECT_EQ(form->State().KbMsTable[2].timOn, 3);
        EXPECT_EQ(form->CurrentConfig().kbMsTable[2].timOn, 3);
    }
}

// Each editor's named Change and Exit handlers close it and store its choice, and the grids'
// edit buttons open the editor of the remembered cell.
TEST_F(GridTest, NamedEditorHandlersCloseTheirEditorAndStoreTheChoice) {
    using Handler = void (TMForm::*)();
    struct Case {
        const char* editor;
        int col;
        Handler change;
        Handler exit;
    };
    const Case cases[] = {
        {"KnpGrid_CB_Type", 0, &TMForm::KnpGrid_CB_TypeChange, &TMForm::KnpGrid_CB_TypeExit},
        {"KnpGrid_CB_Number", 1, &TMForm::KnpGrid_CB_NumberChange, &TMForm::KnpGrid_CB_NumberExit},
        {"KnpGrid_CB_Mode", 2, &TMForm::KnpGrid_CB_ModeChange, &TMForm::KnpGrid_CB_ModeExit},
        {"KnpGrid_CB_Shift", 3, &TMForm::KnpGrid_CB_ShiftChange, &TMForm::KnpGrid_CB_ShiftExit},
        {"KnpGrid_CB_TimOn", 4, &TMForm::KnpGrid_CB_TimOnChange, &TMForm::KnpGrid_CB_TimOnExit},
        {"KnpGrid_CB_TimOf", 5, &TMForm::KnpGrid_CB_TimOfChange, &TMForm::KnpGrid_CB_TimOfExit},
    };
    for (const Case& c : cases) {
        for (const Handler handler : {c.change, c.exit}) {
            SCOPED_TRACE(std::string(c.editor) + (handler == c.change ? " change" : " exit"));
            form->BTN_ClearButtonsClick();
            form->KbMsGridSelectCell(c.col, 2);
            form->KbMsGridEditButtonClick();
            auto* editor = Find<QComboBox>(c.editor);
            ASSERT_TRUE(editor->isVisible());
            editor->setCurrentIndex(1);
            (form.get()->*handler)();
            EXPECT_FALSE(editor->isVisible());
            EXPECT_EQ(kbms->Cells(c.col, 2), editor->itemText(1));
        }
    }
    form->KnpGridSelectCell(2, 4);
    form->KnpGridEditButtonClick();
    EXPECT_TRUE(Find<QComboBox>("KnpGrid_CB_Mode")->isVisible());
}

TEST_F(GridTest, LogicalButtonReachesTheConfiguration) {
    QComboBox* editor = OpenEditor(knp, 1, 40, "KnpGrid_CB_Number");
    editor->setCurrentIndex(12);
    emit editor->activated(12);
    EXPECT_EQ(knp->Cells(1, 40), "12");
    EXPECT_EQ(form->CurrentConfig().knpTable[39].number, 12);
    EXPECT_EQ(form->CurrentConfig().kbMsTable[39 % 15].number, 0) << "the other grid untouched";

    Find<QPushButton>("BTN_ClearButtons")->click();
    EXPECT_EQ(form->State().KnpTable[39].number, 0);
    EXPECT_EQ(knp->Cells(1, 40), "--");
}

TEST_F(GridTest, DoubleClickWithoutASelectedCellOpensNothing) {
    const QPoint corner = Centre(knp, 0, 0);
    Mouse(knp, QEvent::MouseButtonDblClick, corner);
    for (const char* name : {"KnpGrid_CB_Type", "KnpGrid_CB_Number", "KnpGrid_CB_Mode"}) {
        EXPECT_FALSE(Find<QComboBox>(name)->isVisible()) << name;
    }
}

} // namespace
