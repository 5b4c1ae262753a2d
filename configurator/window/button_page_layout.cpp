#include "components/grid/string_grid.h"
#include "configurator/model/item_lists.h"
#include "configurator/window/design_items.h"
#include "configurator/window/form_layout.h"
#include "configurator/window/named_control.h"
#include "configurator/window/tab_order.h"
#include "configurator/window/text_fit.h"
#include "configurator/window/widget_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

namespace {

constexpr int GridColumns = 6;
constexpr int GridRowHeight = 24;
// Captions wrap onto two lines of the fixed font.
constexpr int CaptionLines = 2;
constexpr int CaptionRowHeight = 30;
// Each row and column of a grid ends in a one-pixel grid line.
constexpr int GridLine = 1;
// Text keeps this far from a cell's sides.
constexpr int CellInset = 2;
constexpr int GridFrame = 1;
constexpr int GridLeft = 2;
constexpr int GridTop = 4;
// The lowest the button grid may reach on the page.
constexpr int GridsBottom = 456;
constexpr int KbMsVisibleRows = 6;
// The cells' font shrinks by whole pixels, down to the smallest still easily read.
constexpr int MinGridFontPixels = 9;
constexpr int PanelLeft = 520;
constexpr int PanelRight = 1165;
constexpr int CaptionWidth = 118;
constexpr int ControlsLeft = PanelLeft + CaptionWidth + 4;
constexpr int ComboWidth = 46;
constexpr int ControlStep = ComboWidth + 4;
constexpr int EncoderWidth = 42;

// Height of a grid that shows its caption row and whole rows only.
constexpr int GridHeight(int visibleRows) {
    return CaptionRowHeight + GridLine + (GridRowHeight + GridLine) * visibleRows + 2 * GridFrame;
}

// Rows of the panel right of the button grid, below the keyboard and mouse grid.
constexpr int HatsTop = GridTop + GridHeight(KbMsVisibleRows) + 4;
constexpr int MatrixHeadingTop = HatsTop + 70;
constexpr int MatrixTop = MatrixHeadingTop + 20;
constexpr int RegistersTop = MatrixTop + 52;
constexpr int EncodersTop = RegistersTop + 28;
constexpr int AxisButtonsTop = EncodersTop + 28;

// Vertical place of the row of hat 1 or 2.
constexpr int HatRowTop(int hat) {
    return HatsTop + 20 + 24 * (hat - 1);
}

static_assert(std::size(GridEditorNames) == GridColumns);

// Caption cells wrap their text onto the lines of the caption row, centred in its height; the
// other cells keep one line.
void DrawGridCell(TWkStringGrid& grid, int col, int row, TRect rect, TGridDrawState state) {
    TCanvas& canvas = *grid.Canvas();
    canvas.FillRect(rect);
    const QString text = grid.Cells(col, row);
    if (text.isEmpty()) {
        return;
    }
    const TAlignment alignment = grid.GetCellAlignment(col, row, state);
    const unsigned align = alignment == taRightJustify ? DT_RIGHT
                           : alignment == taCenter     ? DT_CENTER
                                                       : DT_LEFT;
    TRect inner{rect.Left + CellInset, rect.Top, rect.Right - CellInset, rect.Bottom};
    if (row >= grid.FixedRows()) {
        canvas.DrawText(text, inner, align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        return;
    }
    const unsigned flags = align | DT_WORDBREAK | DT_NOPREFIX;
    TRect block = inner;
    canvas.DrawText(text, block, flags | DT_CALCRECT);
    inner.Top += std::max(0, (inner.Height() - block.Height()) / 2);
    canvas.DrawText(text, inner, flags);
}

void MakeGrid(QWidget* page, const QString& name, int rows, bool fixedCol, const char* first,
              Place place) {
    auto* grid = new TWkStringGrid(page);
    grid->setObjectName(name);
    grid->setGeometry(place.x, place.y, place.width, place.height);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->SetColCount(GridColumns);
    grid->SetRowCount(rows);
    grid->SetFixedCols(fixedCol ? 1 : 0);
    grid->SetFixedRows(1);
    grid->SetDefaultRowHeight(GridRowHeight);
    TFont fixedFont = grid->Font;
    fixedFont.Name = QStringLiteral("Tahoma");
    fixedFont.Height = -11;
    grid->SetFixedFont(fixedFont);
    grid->SetAlignment(taLeftJustify);
    grid->OnDrawCell = TDrawCellEvent::FromCallable(
        [grid](QObject*, int col, int row, TRect rect, TGridDrawState state) {
            DrawGridCell(*grid, col, row, rect, state);
        });
    const char* headers[] = {first, "Input", "Mode", "Shift", "Timer on", "Timer off"};
    for (int col = 0; col < GridColumns; ++col) {
        grid->SetCells(col, 0, QString::fromLatin1(headers[col]));
    }
    if (fixedCol) {
        for (int row = 1; row < rows; ++row) {
            grid->SetCells(0, row, QStringLiteral("Button %1").arg(row));
        }
    }
}

// The narrowest width at which the caption's words each fit a line and all of them fit the
// caption row.
int CaptionWidthFor(const QFont& font, const QString& caption) {
    const QFontMetrics metrics(font);
    const int lineRoom = CaptionLines * metrics.lineSpacing();
    int width = WidestText(font, caption.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    while (metrics.boundingRect(QRect(0, 0, width, 10 * lineRoom), Qt::TextWordWrap, caption)
               .height() > lineRoom) {
        ++width;
    }
    return width + 2 * CellInset;
}

// Sizes column col of grid to its caption, its cells and, where the column has an editor, every
// item of the editor in the editor's own frame. AutoSizeCol measures each cell on one line, but
// the caption wraps, so it sits out of the measuring and its wrapped width joins the editor's as
// the least width.
void SizeGridColumn(TWkStringGrid& grid, int col, const QComboBox* editor) {
    const QString caption = grid.Cells(col, 0);
    int least = CaptionWidthFor(ToQFont(grid.FixedFont()), caption);
    if (col >= grid.FixedCols()) {
        const QFont font = ToQFont(grid.Font);
        const QStringList items = ComboItems(editor);
        least = std::max(
            {least, WidestText(font, items) + 2 * CellInset, ComboWidthFor(editor, font, items)});
    }
    grid.SetCells(col, 0, QString());
    grid.AutoSizeCol(col, least, 2 * CellInset);
    grid.SetCells(col, 0, caption);
}

// Sizes grid's columns to their texts in a cell font of pixels; returns the grid's width.
int SizeGridColumns(TWkStringGrid& grid, const QList<QComboBox*>& editors, int pixels) {
    grid.Font.Height = -pixels;
    int width = 2 * GridFrame + grid.verticalScrollBar()->sizeHint().width();
    for (int col = 0; col < GridColumns; ++col) {
        SizeGridColumn(grid, col, editors[col]);
        width += grid.ColWidths(col) + GridLine;
    }
    return width;
}

// Room left over goes to the data columns in equal parts.
void SpreadSlack(TWkStringGrid& grid, int slack) {
    for (int col = grid.FixedCols(); col < GridColumns && slack > 0; ++col) {
        const int share = slack / (GridColumns - col);
        grid.SetColWidth(col, grid.ColWidths(col) + share);
        slack -= share;
    }
}

// Gives grid the largest cell font at which its columns fit place's width, and place.
void FitGrid(TWkStringGrid& grid, const QList<QComboBox*>& editors, Place place) {
    int width = 0;
    for (int pixels = std::abs(TFont().Height); pixels >= MinGridFontPixels; --pixels) {
        width = SizeGridColumns(grid, editors, pixels);
        if (width <= place.width) {
            break;
        }
    }
    SpreadSlack(grid, place.width - width);
    grid.setGeometry(place.x, place.y, std::max(width, place.width), place.height);
    grid.SetRowHeight(0, CaptionRowHeight);
}

// The in-place editors: one hidden combo per grid column, shared by both grids.
void BuildEditors(QWidget* page) {
    const QStringList items[] = {KbMsFunctionItems(),         ButtonItems(),
                                 DesignItems::GridModes(),    DesignItems::GridShifts(),
                                 DesignItems::GridOnTimers(), DesignItems::GridOffTimers()};
    for (int col = 0; col < GridColumns; ++col) {
        auto* editor = MakeCombo(page, QString::fromLatin1(GridEditorNames[col]), items[col],
                                 {0, 0, ComboWidth, GridRowHeight});
        editor->hide();
    }
}

// A caption on the left of a row of the panel; a long one wraps onto a second line.
void RowCaption(QWidget* page, const char* name, const char* text, int top) {
    MakeLabel(page, QString::fromLatin1(name), QString::fromLatin1(text),
              {PanelLeft, top - 3, CaptionWidth, 28})
        ->setWordWrap(true);
}

QComboBox* ButtonCombo(QWidget* page, const QString& name, int x, int y) {
    return MakeSharedListCombo(page, name, ButtonItems(), {x, y, ComboWidth, 22});
}

// The hat rows: an on/off box per hat, wide enough for the caption "Hat" with the hat's number,
// then the button of each of its four directions.
void BuildHats(QWidget* page) {
    constexpr int HatCheckWidth = 84;
    constexpr int DirectionsLeft = PanelLeft + HatCheckWidth + 4;
    MakeLabel(page, QStringLiteral("lbl_joybtn_hat"), QStringLiteral("Hats"),
              {PanelLeft, HatsTop, HatCheckWidth, 18});
    const char* directions[][2] = {{"up", "Up"}, {"dw", "Down"}, {"lf", "Left"}, {"rt", "Right"}};
    for (int d = 0; d < 4; ++d) {
        const int x = DirectionsLeft + ControlStep * d;
        MakeLabel(page, QStringLiteral("lbl_hat_1_%1").arg(QLatin1String(directions[d][0])),
                  QString::fromLatin1(directions[d][1]), {x, HatsTop, ControlStep - 1, 18});
        for (int hat = 1; hat <= 2; ++hat) {
            ButtonCombo(page,
                        QStringLiteral("hat_%1_%2").arg(hat).arg(QLatin1String(directions[d][0])),
                        x, HatRowTop(hat));
        }
    }
    for (int hat = 1; hat <= 2; ++hat) {
        MakeCheck(page, NumberName("hat_%1_on", hat), QStringLiteral("Hat %1").arg(hat),
                  {PanelLeft, HatRowTop(hat), HatCheckWidth, 22});
    }
}

void BuildShiftsAndTimers(QWidget* page) {
    constexpr int Left = 830;
    constexpr int FieldsLeft = Left + 64;
    MakeLabel(page, QStringLiteral("lbl_btnpar_sft"), QStringLiteral("Shift"),
              {Left, HatRowTop(1), 60, 22});
    MakeLabel(page, QStringLiteral("lbl_btnpar_tmr"), QStringLiteral("Timer"),
              {Left, HatRowTop(2), 60, 22});
    for (int k = 1; k <= 3; ++k) {
        ButtonCombo(page, NumberName("btn_shift_%1", k), FieldsLeft + ControlStep * (k - 1),
                    HatRowTop(1));
        MakeEdit(page, NumberName("btn_timer_%1", k), QStringLiteral("0"),
                 {FieldsLeft + ControlStep * (k - 1), HatRowTop(2), ComboWidth, 22});
    }
}

// The controller's button inputs: the matrix's row and column pins under their heading, the
// shift registers and the encoders.
void BuildMatrixAndRegisters(QWidget* page) {
    MakeLabel(page, QStringLiteral("lbl_dev_btn"), QStringLiteral("Button matrix"),
              {PanelLeft, MatrixHeadingTop, 300, 18});
    RowCaption(page, "lbl_dev_btn_r", "Rows", MatrixTop);
    RowCaption(page, "lbl_dev_btn_c", "Columns", MatrixTop + 24);
    for (int k = 1; k <= 10; ++k) {
        const int x = ControlsLeft + ControlStep * (k - 1);
        MakeCombo(page, NumberName("hw_br_%1", k), PortItems(), {x, MatrixTop, ComboWidth, 22});
        MakeCombo(page, NumberName("hw_bc_%1", k), PortItems(),
                  {x, MatrixTop + 24, ComboWidth, 22});
    }
    RowCaption(page, "lbl_dev_btn_sr", "Shift registers", RegistersTop);
    for (int k = 1; k <= 2; ++k) {
        const int x = ControlsLeft + 104 * (k - 1);
        MakeCombo(page, NumberName("sr_%1_prt", k, 2), PortItems(),
                  {x, RegistersTop, ComboWidth, 22});
        MakeCombo(page, NumberName("sr_%1_len", k, 2), ShiftRegisterLengthItems(),
                  {x + ControlStep, RegistersTop, ComboWidth, 22});
    }
}

void BuildEncoders(QWidget* page) {
    RowCaption(page, "lbl_dev_enc", "Encoders", EncodersTop);
    for (int k = 1; k <= 6; ++k) {
        const int x = ControlsLeft + (2 * EncoderWidth + 3) * (k - 1);
        MakeSharedListCombo(page, NumberName("enc_%1_l", k, 2), ButtonItems(),
                            {x, EncodersTop, EncoderWidth, 22});
        MakeSharedListCombo(page, NumberName("enc_%1_r", k, 2), ButtonItems(),
                            {x + EncoderWidth + 1, EncodersTop, EncoderWidth, 22});
    }
}

void BuildAxisButtons(QWidget* page) {
    MakeLabel(page, QStringLiteral("lbl_axisbutton"), QStringLiteral("Axis to buttons"),
              {PanelLeft, AxisButtonsTop, CaptionWidth, 18});
    const char* headers[][2] = {{"lbl_axisbutton_b", "Button"},
                                {"lbl_axisbutton_a", "Axis"},
                                {"lbl_axisbutton_l", "From"},
                                {"lbl_axisbutton_h", "To"}};
    for (int h = 0; h < 4; ++h) {
        MakeLabel(page, QString::fromLatin1(headers[h][0]), QString::fromLatin1(headers[h][1]),
                  {ControlsLeft + ControlStep * h, AxisButtonsTop, ControlStep - 1, 18});
    }
    for (int k = 1; k <= 4; ++k) {
        const int x = ControlsLeft + 210 * ((k - 1) / 2);
        const int y = AxisButtonsTop + 20 + 24 * ((k - 1) % 2);
        ButtonCombo(page, NumberName("ab_%1_b", k, 2), x, y);
        MakeCombo(page, NumberName("ab_%1_a", k, 2), RangeAxisItems(),
                  {x + ControlStep, y, ComboWidth, 22});
        MakeEdit(page, NumberName("ab_%1_l", k, 2), QStringLiteral("0"),
                 {x + 2 * ControlStep, y, ComboWidth, 22});
        MakeEdit(page, NumberName("ab_%1_h", k, 2), QStringLiteral("0"),
                 {x + 3 * ControlStep, y, ComboWidth, 22});
    }
}

} // namespace

void FitButtonGrids(QWidget* page) {
    auto* knpGrid = FindNamed<TWkStringGrid>(*page, "KnpGrid");
    auto* kbMsGrid = FindNamed<TWkStringGrid>(*page, "KbMsGrid");
    QList<QComboBox*> editors;
    for (const char* name : GridEditorNames) {
        editors << FindNamed<QComboBox>(*page, name);
    }
    const int knpRows = (GridsBottom - GridTop - GridHeight(0)) / (GridRowHeight + GridLine);
    FitGrid(*knpGrid, editors, {GridLeft, GridTop, PanelLeft - GridLeft - 2, GridHeight(knpRows)});
    FitGrid(*kbMsGrid, editors,
            {PanelLeft, GridTop, PanelRight - PanelLeft, GridHeight(KbMsVisibleRows)});
}

void BuildButtonPage(QWidget* page) {
    TabGroups tabs(page);
    MakeGrid(page, QStringLiteral("KnpGrid"), 65, true, "Button", {GridLeft, GridTop, 0, 0});
    tabs.EndGroup();
    MakeGrid(page, QStringLiteral("KbMsGrid"), 16, false, "Function", {PanelLeft, GridTop, 0, 0});
    tabs.EndGroup();
    BuildHats(page);
    tabs.EndGroup();
    BuildShiftsAndTimers(page);
    tabs.EndGroup();
    BuildMatrixAndRegisters(page);
    tabs.EndGroup();
    BuildEncoders(page);
    tabs.EndGroup();
    BuildAxisButtons(page);
    tabs.EndGroup();
    constexpr int ClearWidth = 117;
    MakeButton(page, QStringLiteral("BTN_ClearButtons"), QStringLiteral("Clear buttons"),
               {PanelRight - ClearWidth, HatRowTop(1), ClearWidth, 26});
    tabs.EndGroup();
    BuildEditors(page);
    tabs.Apply();
}
