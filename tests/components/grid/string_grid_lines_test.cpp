#include "components/grid/string_grid.h"

#include <QImage>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A grid of cols x rows with one fixed column and row, each cell holding "col,row".
struct LabelledGrid {
    LabelledGrid(int cols, int rows) {
        grid.SetColCount(cols);
        grid.SetRowCount(rows);
        for (int col = 0; col < cols; ++col) {
            for (int row = 0; row < rows; ++row)
                grid.SetCells(col, row, QStringLiteral("%1,%2").arg(col).arg(row));
        }
    }
    // Every cell, a row per line with its cells separated by blanks ("-" for an empty cell).
    QString Dump() const {
        QStringList lines;
        for (int row = 0; row < grid.RowCount(); ++row) {
            QStringList cells;
            for (int col = 0; col < grid.ColCount(); ++col) {
                const QString text = grid.Cells(col, row);
                cells << (text.isEmpty() ? QStringLiteral("-") : text);
            }
            lines << cells.join(' ');
        }
        return lines.join('\n');
    }
    TWkStringGrid grid;
};

TEST(StringGridLines, InsertingARowOrColumnClampsItsIndex) {
    const struct {
        bool row;
        int index;
        int placed;
        const char* cells;
    } cases[] = {
        {true, 1, 1, "0,0 1,0\n- -\n0,1 1,1\n0,2 1,2"},
        {true, -5, 0, "- -\n0,0 1,0\n0,1 1,1\n0,2 1,2"},
        {true, 2, 2, "0,0 1,0\n0,1 1,1\n- -\n0,2 1,2"},
        {true, 99, 3, "0,0 1,0\n0,1 1,1\n0,2 1,2\n- -"},
        {false, 1, 1, "0,0 - 1,0\n0,1 - 1,1\n0,2 - 1,2"},
        {false, -1, 0, "- 0,0 1,0\n- 0,1 1,1\n- 0,2 1,2"},
        {false, 7, 2, "0,0 1,0 -\n0,1 1,1 -\n0,2 1,2 -"},
    };
    for (const auto& c : cases) {
        LabelledGrid g(2, 3);
        const TGridStrings inserted = c.row ? g.grid.InsertRow(c.index) : g.grid.InsertCol(c.index);
        EXPECT_EQ(inserted.Index(), c.placed) << c.row << " " << c.index;
        EXPECT_EQ(g.Dump(), QString::fromLatin1(c.cells)) << c.row << " " << c.index;
        EXPECT_EQ(inserted.Count(), c.row ? 2 : 3) << "columns of a row, rows of a column";
    }
}

TEST(StringGridLines, RemovingKeepsOneMoreLineThanTheFixedOnes) {
    const struct {
        const char* what;
        int cols, rows;
        bool row;
        int index;
        const char* cells;
    } cases[] = {
        {"a middle row", 2, 3, true, 1, "0,0 1,0\n0,2 1,2"},
        {"the fixed row", 2, 3, true, 0, "0,1 1,1\n0,2 1,2"},
        {"the last row", 2, 3, true, 2, "0,0 1,0\n0,1 1,1"},
        {"a row outside", 2, 3, true, 3, "0,0 1,0\n0,1 1,1\n0,2 1,2"},
        {"a negative row", 2, 3, true, -1, "0,0 1,0\n0,1 1,1\n0,2 1,2"},
        {"the last data row", 2, 2, true, 1, "0,0 1,0\n- -"},
        {"the fixed one of two rows", 2, 2, true, 0, "0,1 1,1\n- -"},
        {"a column", 3, 2, false, 1, "0,0 2,0\n0,1 2,1"},
        {"a column outside", 3, 2, false, 5, "0,0 1,0 2,0\n0,1 1,1 2,1"},
        {"the last data column", 2, 2, false, 1, "0,0 -\n0,1 -"},
    };
    for (const auto& c : cases) {
        LabelledGrid g(c.cols, c.rows);
        c.row ? g.grid.RemoveRow(c.index) : g.grid.RemoveCol(c.index);
        EXPECT_EQ(g.Dump(), QString::fromLatin1(c.cells)) << c.what;
    }
}

TEST(StringGridLines, MovesTakeTheirTextsAndSizesAndRefuseIndexesOutside) {
    LabelledGrid g(3, 4);
    g.grid.SetRowHeight(1, 30);
    g.grid.SetColWidth(2, 50);
    g.grid.MoveRow(1, 3);
    g.grid.MoveColumn(2, 0);
    EXPECT_EQ(g.Dump(), QStringLiteral("2,0 0,0 1,0\n2,2 0,2 1,2\n2,3 0,3 1,3\n2,1 0,1 1,1"));
    EXPECT_EQ(g.grid.RowHeights(3), 30);
    EXPECT_EQ(g.grid.ColWidths(0), 50);
    for (const auto& [from, to] : {std::pair(-1, 0), std::pair(0, 4), std::pair(4, 0)}) {
        EXPECT_THROW(g.grid.MoveRow(from, to), EInvalidGridOperation) << from << " " << to;
        EXPECT_THROW(g.grid.MoveColumn(from, to - 1), EInvalidGridOperation) << from;
    }
}

TEST(StringGridLines, ClearEmptiesEveryCellAndKeepsTheSize) {
    LabelledGrid g(3, 4);
    g.grid.Clear();
    EXPECT_EQ(g.Dump(), QStringLiteral("- - -\n- - -\n- - -\n- - -"));
    EXPECT_EQ(std::pair(g.grid.ColCount(), g.grid.RowCount()), std::pair(3, 4));
}

// The sizes of every column and row, "w0 w1 ... | h0 h1 ...".
QString Sizes(const TWkStringGrid& grid) {
    QStringList widths, heights;
    for (int col = 0; col < grid.ColCount(); ++col)
        widths << QString::number(grid.ColWidths(col));
    for (int row = 0; row < grid.RowCount(); ++row)
        heights << QString::number(grid.RowHeights(row));
    return widths.join(' ') + QStringLiteral(" | ") + heights.join(' ');
}

TEST(StringGridLines, HidingAndShowingSetTheSizes) {
    const struct {
        const char* what;
        std::function<void(TWkStringGrid&)> act;
        const char* sizes;
    } cases[] = {
        {"hide row", [](TWkStringGrid& g) { g.HideRow(2); }, "40 40 40 | 20 20 -1 20"},
        {"hide column", [](TWkStringGrid& g) { g.HideCol(0); }, "-1 40 40 | 20 20 20 20"},
        {"show row with a height",
         [](TWkStringGrid& g) {
             g.HideRow(2);
             g.ShowRow(2, 30);
         },
         "40 40 40 | 20 20 30 20"},
        {"show row by default",
         [](TWkStringGrid& g) {
             g.HideRow(2);
             g.ShowRow(2, 0);
         },
         "40 40 40 | 20 20 20 20"},
        {"show a visible column", [](TWkStringGrid& g) { g.ShowCol(1, 55); },
         "40 55 40 | 20 20 20 20"},
        {"show column by default",
         [](TWkStringGrid& g) {
             g.HideCol(1);
             g.ShowCol(1, -3);
         },
         "40 40 40 | 20 20 20 20"},
        {"hide cell", [](TWkStringGrid& g) { g.HideCell(1, 3); }, "40 -1 40 | 20 20 20 -1"},
        {"show cell",
         [](TWkStringGrid& g) {
             g.HideCell(1, 3);
             g.ShowCell(1, 3, 50, 25);
         },
         "40 50 40 | 20 20 20 25"},
        {"show cell by default",
         [](TWkStringGrid& g) {
             g.HideCell(1, 3);
             g.ShowCell(1, 3);
         },
         "40 40 40 | 20 20 20 20"},
        {"show cell keeps visible sizes",
         [](TWkStringGrid& g) {
             g.SetColWidth(2, 33);
             g.HideRow(1);
             g.ShowCell(2, 1, 50, 25);
         },
         "40 40 33 | 20 25 20 20"},
        {"hide all with fewer columns", [](TWkStringGrid& g) { g.HideAll(); },
         "-1 -1 -1 | 20 20 20 20"},
        {"hide all with fewer rows",
         [](TWkStringGrid& g) {
             g.SetRowCount(3);
             g.HideAll();
         },
         "40 40 40 | -1 -1 -1"},
        {"show all",
         [](TWkStringGrid& g) {
             g.HideCol(0);
             g.HideCol(2);
             g.HideRow(1);
             g.SetColWidth(1, 33);
             g.ShowAll(25, -1);
         },
         "25 33 25 | 20 20 20 20"},
        {"show all by default",
         [](TWkStringGrid& g) {
             g.HideAll();
             g.ShowAll();
         },
         "40 40 40 | 20 20 20 20"},
    };
    for (const auto& c : cases) {
        TWkStringGrid grid;
        grid.SetColCount(3);
        grid.SetRowCount(4);
        grid.SetDefaultColWidth(40);
        grid.SetDefaultRowHeight(20);
        c.act(grid);
        EXPECT_EQ(Sizes(grid), QString::fromLatin1(c.sizes)) << c.what;
    }
}

TEST(StringGridLines, ACellIsHiddenWhenItsColumnOrRowIs) {
    TWkStringGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.HideCell(1, 2);
    const struct {
        int col, row;
        bool hidden;
    } cases[] = {
        {1, 2, true},   {1, 0, true},  {0, 2, true},  {0, 0, false}, {2, 1, false},
        {-1, 0, false}, {0, 9, false}, {-1, 2, true}, {1, 99, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(grid.IsHidden(c.col, c.row), c.hidden) << c.col << "," << c.row;
    grid.ShowAll();
    EXPECT_FALSE(grid.IsHidden(1, 2));
}

// The width text takes in font.
int WidthIn(const TFont& font, const QString& text) {
    QImage surface(1, 1, QImage::Format_ARGB32);
    TCanvas canvas(&surface);
    canvas.Font = font;
    return canvas.TextWidth(text);
}

TEST(StringGridLines, AutoSizeTakesTheWidestTextAndTheMinimum) {
    TWkStringGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.SetDefaultColWidth(30);
    TFont wide = grid.Font;
    wide.Height = -30;
    grid.SetFixedFont(wide);
    const QString header = QStringLiteral("Header");
    const QString longest = QStringLiteral("A much longer text");
    grid.SetCells(1, 0, header);
    grid.SetCells(1, 1, longest);
    grid.SetCells(1, 2, QStringLiteral("short"));
    grid.SetCells(2, 1, QStringLiteral("i"));
    grid.SetCells(0, 1, QStringLiteral("fixed column"));
    // The header of the fixed row is measured in the fixed font.
    const int textWidth = std::max(WidthIn(wide, header), WidthIn(grid.Font, longest));
    ASSERT_GT(textWidth, 30);
    const int fixedColumn = WidthIn(wide, QStringLiteral("fixed column"));

    const struct {
        const char* what;
        int col, minWidth, padding;
        int widths[3];
    } cases[] = {
        {"text and padding", 1, 0, 4, {30, textWidth + 4, 30}},
        {"the minimum", 1, textWidth + 50, 4, {30, textWidth + 50, 30}},
        {"the default as minimum", 2, -1, 2, {30, 30, 30}},
        {"a minimum under the text", 2, 1, 0, {30, 30, WidthIn(grid.Font, "i")}},
        {"every column", -1, -1, 0, {fixedColumn, textWidth, 30}},
        {"every column past the end",
         3,
         0,
         1,
         {fixedColumn + 1, textWidth + 1, WidthIn(grid.Font, "i") + 1}},
    };
    for (const auto& c : cases) {
        for (int col = 0; col < 3; ++col)
            grid.SetColWidth(col, 30);
        grid.AutoSizeCol(c.col, c.minWidth, c.padding);
        for (int col = 0; col < 3; ++col)
            EXPECT_EQ(grid.ColWidths(col), c.widths[col]) << c.what << ", column " << col;
    }
}

} // namespace
