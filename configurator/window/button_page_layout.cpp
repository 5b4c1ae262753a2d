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
constexpr int EncoderWidth = 42;

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

void BuildHats(QWidget* page) {
    MakeLabel(page, QStringLiteral("lbl_joybtn_hat"), QStringLiteral("Hats"),
              {PanelLeft, 190, 60, 18});
    const char* directions[][2] = {{"up", "Up"}, {"dw", "Down"}, {"lf", "Left"}, {"rt", "Right"}};
    for (int d = 0; d < 4; ++d) {
        const int x = PanelLeft + 70 + 50 * d;
        MakeLabel(page, QStringLiteral("lbl_hat_1_%1").arg(QLatin1String(directions[d][0])),
                  QString::fromLatin1(directions[d][1]), {x, 190, ComboWidth, 18});
        for (int hat = 1; hat <= 2; ++hat) {
            ButtonCombo(page,
                        QStringLiteral("hat_%1_%2").arg(hat).arg(QLatin1String(directions[d][0])),
                        x, 186 + 24 * hat);
        }
    }
    for (int hat = 1; hat <= 2; ++hat) {
        MakeCheck(page, NumberName("hat_%1_on", hat), QStringLiteral("Hat %1").arg(hat),
                  {PanelLeft, 186 + 24 * hat, 66, 22});
    }
}

void BuildShiftsAndTimers(QWidget* page) {
    MakeLabel(page, QStringLiteral("lbl_btnpar_sft"), QStringLiteral("Shift"), {800, 210, 60, 22});
    MakeLabel(page, QStringLiteral("lbl_btnpar_tmr"), QStringLiteral("Timer"), {800, 234, 60, 22});
    for (int k = 1; k <= 3; ++k) {
        ButtonCombo(page, NumberName("btn_shift_%1", k), 864 + 50 * (k - 1), 210);
        MakeEdit(page, NumberName("btn_timer_%1", k), QStringLiteral("0"),
                 {864 + 50 * (k - 1), 234, ComboWidth, 22});
    }
}

void BuildMatrixAndRegisters(QWidget* page) {
    RowCaption(page, "lbl_dev_btn_r", "Rows", 266);
    RowCaption(page, "lbl_dev_btn_c", "Columns", 290);
    for (int k = 1; k <= 10; ++k) {
        const int x = ControlsLeft + 50 * (k - 1);
        MakeCombo(page, NumberName("hw_br_%1", k), PortItems(), {x, 266, ComboWidth, 22});
        MakeCombo(page, NumberName("hw_bc_%1", k), PortItems(), {x, 290, ComboWidth, 22});
    }
    RowCaption(page, "lbl_dev_btn_sr", "Shift registers", 318);
    for (int k = 1; k <= 2; ++k) {
        const int x = ControlsLeft + 104 * (k - 1);
        MakeCombo(page, NumberName("sr_%1_prt", k, 2), PortItems(), {x, 318, ComboWidth, 22});
        MakeCombo(page, NumberName("sr_%1_len", k, 2), ShiftRegisterLengthItems(),
                  {x + 50, 318, ComboWidth, 22});
    }
}

void BuildEncoders(QWidget* page) {
    RowCaption(page, "lbl_dev_enc", "Encoders", 346);
    for (int k = 1; k <= 6; ++k) {
        const int x = ControlsLeft + (2 * EncoderWidth + 3) * (k - 1);
        MakeCombo(page, NumberName("enc_%1_l", k, 2), ButtonItems(), {x, 346, EncoderWidth, 22});
        MakeCombo(page, NumberName("enc_%1_r", k, 2), ButtonItems(),
                  {x + EncoderWidth + 1, 346, EncoderWidth, 22});
    }
}

void BuildAxisButtons(QWidget* page) {
    MakeLabel(page, QStringLiteral("lbl_axisbutton"), QStringLiteral("Axis to buttons"),
              {PanelLeft, 374, CaptionWidth, 18});
    const char* headers[][2] = {{"lbl_axisbutton_b", "Button"},
                                {"lbl_axisbutton_a", "Axis"},
                                {"lbl_axisbutton_l", "From"},
                                {"lbl_axisbutton_h", "To"}};
    for (int h = 0; h < 4; ++h) {
        MakeLabel(page, QString::fromLatin1(headers[h][0]), QString::fromLatin1(headers[h][1]),
                  {ControlsLeft + 50 * h, 374, ComboWidth, 18});
    }
    for (int k = 1; k <= 4; ++k) {
        const int x = ControlsLeft + 210 * ((k - 1) / 2);
        const int y = 394 + 24 * ((k - 1) % 2);
        ButtonCombo(page, NumberName("ab_%1_b", k, 2), x, y);
        MakeCombo(page, NumberName("ab_%1_a", k, 2), RangeAxisItems(), {x + 50, y, ComboWidth, 22});
        MakeEdit(page, NumberName("ab_%1_l", k, 2), QStringLiteral("0"),
                 {x + 100, y, ComboWidth, 22});
        MakeEdit(page, NumberName("ab_%1_h", k, 2), QStringLiteral("0"),
                 {x + 150, y, ComboWidth, 22});
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
