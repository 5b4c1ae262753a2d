#include "components/grid/ex_inplace_edit_list.h"
#include "components/grid/string_grid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A 4 x 4 grid with one fixed column and row, 40 x 20 cells, shown and focused.
struct GridFixture {
    GridFixture() {
        grid.SetColCount(4);
        grid.SetRowCount(4);
        grid.SetDefaultColWidth(40);
        grid.SetDefaultRowHeight(20);
        grid.resize(200, 120);
        grid.show();
        QApplication::setActiveWindow(&grid);
        grid.setFocus();
    }
    QPoint centre(int col, int row) const {
        const TRect r = grid.CellRect(col, row);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    void mouse(QEvent::Type type, QPoint at) {
        QMouseEvent event(type, at, grid.viewport()->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, {});
        QApplication::sendEvent(grid.viewport(), &event);
    }
    void click(int col, int row) {
        mouse(QEvent::MouseButtonPress, centre(col, row));
        mouse(QEvent::MouseButtonRelease, centre(col, row));
    }
    void key(Qt::Key k, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, k, {}, text);
        QApplication::sendEvent(QApplication::focusWidget(), &press);
    }
    QRgb pixel(int col, int row) {
        return grid.viewport()->grab().toImage().pixel(centre(col, row));
    }
    TWkStringGrid grid;
};

} // namespace

TEST(StringGrid, ARowLowerThanTheTextIsNeitherFilledNorWritten) {
    GridFixture f;
    f.grid.OnSetCanvasProperties = TSetCanvasPropertiesEvent::FromCallable(
        [&](QObject*, int, int, TRect, TGridDrawState) { f.grid.Canvas()->Brush.Color = clRed; });
    f.grid.SetCells(2, 2, "W");
    EXPECT_EQ(f.pixel(2, 2), QColor(Qt::red).rgb());
    f.grid.SetRowHeight(2, 4);
    EXPECT_EQ(f.pixel(2, 2), QColor(Qt::white).rgb());
}

TEST(StringGrid, TextTakesTheCellsAlignmentAndFixedCellsTheFixedFont) {
    GridFixture f;
    f.grid.SetCells(2, 2, "I");
    f.grid.SetCells(2, 0, "I");
    TFont bigRed = f.grid.Font;
    bigRed.Color = clRed;
    bigRed.Height = -16;
    f.grid.SetFixedFont(bigRed);
    f.grid.OnGetCellAlignment = TGetCellAlignmentEvent::FromCallable(
        [](QObject*, int, int row, TGridDrawState, TAlignment& a) {
            if (row == 2)
                a = taRightJustify;
        });
    const QImage image = f.grid.viewport()->grab().toImage();
    const auto inkColumns = [&](int col, int row) {
        const TRect r = f.grid.CellRect(col, row);
        int first = -1, last = -1;
        for (int x = r.Left; x < r.Right; ++x) {
            for (int y = r.Top; y < r.Bottom; ++y) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() < 128 || (c.red() > 128 && c.green() < 100)) {
                    first = first < 0 ? x - r.Left : first;
                    last = x - r.Left;
                    break;
                }
            }
        }
        return std::pair{first, last};
    };
    const auto [rightFirst, rightLast] = inkColumns(2, 2);
    EXPECT_GT(rightFirst, 20) << "right-aligned text sits at the right edge";
    EXPECT_GE(rightLast, 34);
    bool red = false;
    const TRect header = f.grid.CellRect(2, 0);
    for (int x = header.Left; x < header.Right; ++x)
        for (int y = header.Top; y < header.Bottom; ++y)
            red = red || image.pixelColor(x, y) == QColor(Qt::red);
    EXPECT_TRUE(red) << "the fixed cell is written in the fixed font's colour";
}

TEST(StringGrid, CaptionClickNeedsPressAndReleaseOnTheSameFixedCell) {
    GridFixture f;
    QStringList clicks;
    f.grid.OnCaptionClick = TCaptionClickEvent::FromCallable(
        [&](QObject*, int col, int row) { clicks << QStringLiteral("%1,%2").arg(col).arg(row); });
    f.click(2, 0);
    f.click(0, 3);
    f.mouse(QEvent::MouseButtonPress, f.centre(1, 0));
    f.mouse(QEvent::MouseButtonRelease, f.centre(2, 0));
    f.click(2, 2);
    EXPECT_EQ(clicks, (QStringList{"2,0", "0,3"}));
}

TEST(StringGrid, MouseAndKeysMoveTheCurrentCellWhereSelectCellAllows) {
    GridFixture f;
    f.grid.OnSelectCell = TSelectCellEvent::FromCallable(
        [](QObject*, int col, int, bool& canSelect) { canSelect = col != 3; });
    f.click(2, 3);
    EXPECT_EQ(std::pair(f.grid.Col(), f.grid.Row()), std::pair(2, 3));
    f.key(Qt::Key_Right);
    EXPECT_EQ(f.grid.Col(), 2) << "column 3 refused";
    f.key(Qt::Key_Up);
    f.key(Qt::Key_Left);
    EXPECT_EQ(std::pair(f.grid.Col(), f.grid.Row()), std::pair(1, 2));
    f.key(Qt::Key_Left);
    EXPECT_EQ(f.grid.Col(), 1) << "fixed column never current";
}

TEST(StringGrid, EveryClickOnACellThatMayBeCurrentAsksSelectCell) {
    GridFixture f;
    QStringList asked;
    f.grid.OnSelectCell = TSelectCellEvent::FromCallable([&](QObject*, int col, int row, bool&) {
        asked << QStringLiteral("%1,%2").arg(col).arg(row);
    });
    const struct {
        int col, row;
        const char* expected; // the cell asked about, or empty
    } clicks[] = {
        {1, 1, "1,1"}, // current from the start
        {2, 3, "2,3"}, {2, 3, "2,3"}, {0, 2, ""}, {2, 0, ""}, {3, 1, "3,1"},
    };
    for (const auto& c : clicks) {
        asked.clear();
        f.click(c.col, c.row);
        EXPECT_EQ(asked.join(' '), QString::fromLatin1(c.expected)) << c.col << "," << c.row;
    }
    EXPECT_EQ(std::pair(f.grid.Col(), f.grid.Row()), std::pair(3, 1));
}

TEST(StringGrid, AClickOnTheCurrentCellOpensTheEditorOnlyWhereSelectCellAllows) {
    for (const bool allowed : {false, true}) {
        GridFixture f;
        f.grid.SetOptions(goEditing);
        f.grid.OnSelectCell = TSelectCellEvent::FromCallable(
            [&](QObject*, int, int, bool& canSelect) { canSelect = allowed; });
        f.click(1, 1);
        EXPECT_EQ(f.grid.EditorMode(), allowed) << allowed;
    }
}

TEST(StringGrid, AfterClearSelectionKeysAndTheMouseStartFromTheFirstCells) {
    const struct {
        const char* what;
        std::function<void(GridFixture&)> act;
        int col, row;
    } cases[] = {
        {"down", [](GridFixture& f) { f.key(Qt::Key_Down); }, 1, 1},
        {"up", [](GridFixture& f) { f.key(Qt::Key_Up); }, 1, 1},
        {"right", [](GridFixture& f) { f.key(Qt::Key_Right); }, 1, 1},
        {"left", [](GridFixture& f) { f.key(Qt::Key_Left); }, 1, 1},
        {"home", [](GridFixture& f) { f.key(Qt::Key_Home); }, 1, 1},
        {"end", [](GridFixture& f) { f.key(Qt::Key_End); }, 3, 1},
        {"ctrl end",
         [](GridFixture& f) {
             QKeyEvent press(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
             QApplication::sendEvent(&f.grid, &press);
         },
         1, 3},
        {"a click", [](GridFixture& f) { f.click(2, 3); }, 2, 3},
        {"a click on a fixed cell", [](GridFixture& f) { f.click(0, 2); }, -1, -1},
        {"F2", [](GridFixture& f) { f.key(Qt::Key_F2); }, -1, -1},
        {"typing", [](GridFixture& f) { f.key(Qt::Key_A, "a"); }, -1, -1},
    };
    for (const auto& c : cases) {
        GridFixture f;
        f.grid.SetOptions(goEditing);
        f.grid.SetCells(2, 2, "kept");
        f.grid.ClearSelection();
        ASSERT_EQ(f.grid.Selection(), (TGridRect{-1, -1, -1, -1})) << c.what;
        c.act(f);
        EXPECT_EQ(std::pair(f.grid.Col(), f.grid.Row()), std::pair(c.col, c.row)) << c.what;
        EXPECT_FALSE(f.grid.EditorMode()) << c.what << ": no editor without a current cell";
        const TGridRect one{c.col, c.row, c.col, c.row};
        EXPECT_EQ(f.grid.Selection(), one) << c.what;
        EXPECT_EQ(f.grid.Cells(2, 2), QStringLiteral("kept")) << c.what;
    }
}

TEST(StringGrid, ScrollingKeepsTheCurrentRowInViewAndTellsTheListener) {
    GridFixture f;
    f.grid.SetRowCount(40);
    int scrolls = 0;
    f.grid.OnVerticalScroll = TNotifyEvent::FromCallable([&](QObject*) { ++scrolls; });
    f.key(Qt::Key_End);
    f.grid.SetRow(39);
    EXPECT_GT(f.grid.TopRow(), 1);
    EXPECT_FALSE(f.grid.CellRect(1, 39).IsEmpty());
    EXPECT_TRUE(f.grid.CellRect(1, 1).IsEmpty());
    EXPECT_FALSE(f.grid.CellRect(1, 0).IsEmpty()) << "the fixed row stays";
    EXPECT_GE(scrolls, 1);
}

TEST(StringGrid, TypingEditsTheCellAndEscapeKeepsTheOldText) {
    GridFixture f;
    f.grid.SetOptions(goEditing);
    f.grid.SetCells(1, 1, "old");
    QStringList exits;
    f.grid.OnExitCell =
        TExitCellEvent::FromCallable([&](QObject*, int col, int row, const QString& text) {
            exits << QStringLiteral("%1,%2 %3").arg(col).arg(row).arg(text);
        });
    f.key(Qt::Key_N, "n");
    ASSERT_TRUE(f.grid.EditorMode());
    f.key(Qt::Key_E, "e");
    f.key(Qt::Key_W, "w");
    f.key(Qt::Key_Return);
    EXPECT_FALSE(f.grid.EditorMode());
    EXPECT_EQ(f.grid.Cells(1, 1), "new");
    EXPECT_EQ(exits, QStringList{"1,1 new"});

    f.click(1, 1); // a click on the current cell opens the editor
    ASSERT_TRUE(f.grid.EditorMode());
    f.key(Qt::Key_X, "x");
    f.key(Qt::Key_Escape);
    EXPECT_EQ(f.grid.Cells(1, 1), "new");
}

TEST(StringGrid, EditStylePickListAndButtonComeFromTheGridsEvents) {
    GridFixture f;
    f.grid.SetOptions(goEditing);
    f.grid.OnGetEditStyle = TWkOnGetEditStyleEvent::FromCallable(
        [](QObject*, int col, int, QStringList& list, TEditStyle& style) {
            style = col == 1 ? esPickList : esEllipsis;
            list = {"red", "green"};
        });
    int buttons = 0, closes = 0;
    f.grid.OnEditButtonClick = TNotifyEvent::FromCallable([&](QObject*) { ++buttons; });
    f.grid.OnListBoxCloseUp = TNotifyEvent::FromCallable([&](QObject*) { ++closes; });
    bool allow = false;
    f.grid.OnShowEditor = TShowEditorEvent::FromCallable(
        [&](QObject*, int, int, bool& allowEdit) { allowEdit = allow; });
    f.key(Qt::Key_F2);
    EXPECT_FALSE(f.grid.EditorMode()) << "refused by OnShowEditor";
    allow = true;
    f.key(Qt::Key_F2);
    auto* editor = static_cast<TExInplaceEditList*>(f.grid.InplaceEditor());
    ASSERT_TRUE(editor && f.grid.EditorMode());
    EXPECT_EQ(editor->EditStyle(), esPickList);
    EXPECT_EQ(editor->PickList(), (QStringList{"red", "green"}));
    editor->DropDown();
    editor->CloseUp(true);
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(editor->text(), "red");
    f.key(Qt::Key_Return);
    f.key(Qt::Key_Right);
    f.key(Qt::Key_F2);
    EXPECT_EQ(editor->EditStyle(), esEllipsis);
    QKeyEvent ctrlEnter(QEvent::KeyPress, Qt::Key_Return, Qt::ControlModifier);
    QApplication::sendEvent(editor, &ctrlEnter);
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(f.grid.Cells(1, 1), "red");
}
