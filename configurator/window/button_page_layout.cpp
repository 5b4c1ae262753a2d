#include "components/grid/string_grid.h"
#include "configurator/model/item_lists.h"
#include "configurator/window/design_items.h"
#include "configurator/window/form_layout.h"
#include "configurator/window/widget_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int GridColWidths[6] = {127, 72, 85, 52, 77, 74};
constexpr int GridRowHeight = 24;
// Each row and column of a grid ends in a one-pixel grid line.
constexpr int GridLine = 1;
constexpr int PanelLeft = 520;
constexpr int CaptionWidth = 118;
constexpr int ControlsLeft = PanelLeft + CaptionWidth + 4;
constexpr int ComboWidth = 46;
constexpr int ControlStep = ComboWidth + 4;
constexpr int EncoderWidth = 42;
// Rows of the panel right of the button grid, below the keyboard and mouse grid.
constexpr int HatsTop = 180;
constexpr int MatrixHeadingTop = HatsTop + 70;
constexpr int MatrixTop = MatrixHeadingTop + 20;
constexpr int RegistersTop = MatrixTop + 52;
constexpr int EncodersTop = RegistersTop + 28;
constexpr int AxisButtonsTop = EncodersTop + 28;

// Vertical place of the row of hat 1 or 2.
constexpr int HatRowTop(int hat) {
    return HatsTop + 20 + 24 * (hat - 1);
}

constexpr int GridFrame = 1;

// Height of a grid that shows its header and whole rows only.
constexpr int GridHeight(int visibleRows) {
    return (GridRowHeight + GridLine) * (visibleRows + 1) + 2 * GridFrame;
}

void MakeGrid(QWidget* page, const QString& name, int rows, bool fixedCol, const char* first,
              Place place) {
    auto* grid = new TWkStringGrid(page);
    grid->setObjectName(name);
    grid->setGeometry(place.x, place.y, place.width, place.height);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->SetColCount(6);
    grid->SetRowCount(rows);
    grid->SetFixedCols(fixedCol ? 1 : 0);
    grid->SetFixedRows(1);
    grid->SetDefaultRowHeight(GridRowHeight);
    for (int col = 0; col < 6; ++col) {
        grid->SetColWidth(col, GridColWidths[col]);
    }
    TFont fixedFont = grid->Font;
    fixedFont.Name = QStringLiteral("Tahoma");
    fixedFont.Height = -11;
    grid->SetFixedFont(fixedFont);
    grid->SetAlignment(taLeftJustify);
    const char* headers[] = {first, "Input", "Mode", "Shift", "Timer on", "Timer off"};
    for (int col = 0; col < 6; ++col) {
        grid->SetCells(col, 0, QString::fromLatin1(headers[col]));
    }
    if (fixedCol) {
        for (int row = 1; row < rows; ++row) {
            grid->SetCells(0, row, QStringLiteral("Button %1").arg(row));
        }
    }
}

// The in-place editors: one hidden combo per grid column, shared by both grids.
void BuildEditors(QWidget* page) {
    const char* editors[] = {"KnpGrid_CB_Type",  "KnpGrid_CB_Number", "KnpGrid_CB_Mode",
                             "KnpGrid_CB_Shift", "KnpGrid_CB_TimOn",  "KnpGrid_CB_TimOf"};
    const QStringList items[] = {KbMsFunctionItems(),         ButtonItems(),
                                 DesignItems::GridModes(),    DesignItems::GridShifts(),
                                 DesignItems::GridOnTimers(), DesignItems::GridOffTimers()};
    for (int col = 0; col < 6; ++col) {
        auto* editor = MakeCombo(page, QString::fromLatin1(editors[col]), items[col],
                                 {0, 0, GridColWidths[col], GridRowHeight});
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
    return MakeCombo(page, name, ButtonItems(), {x, y, ComboWidth, 22});
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
        MakeCombo(page, NumberName("enc_%1_l", k, 2), ButtonItems(),
                  {x, EncodersTop, EncoderWidth, 22});
        MakeCombo(page, NumberName("enc_%1_r", k, 2), ButtonItems(),
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

void BuildButtonPage(QWidget* page) {
    MakeGrid(page, QStringLiteral("KnpGrid"), 65, true, "Button", {4, 4, 510, GridHeight(17)});
    MakeGrid(page, QStringLiteral("KbMsGrid"), 16, false, "Function",
             {PanelLeft, 4, 510, GridHeight(6)});
    BuildHats(page);
    BuildShiftsAndTimers(page);
    BuildMatrixAndRegisters(page);
    BuildEncoders(page);
    BuildAxisButtons(page);
    MakeButton(page, QStringLiteral("BTN_ClearButtons"), QStringLiteral("Clear buttons"),
               {1040, 4, 120, 26});
    BuildEditors(page);
}
