// The grids' first data cell is current from the start: a double click on it must still open
// its editor, as on any other cell.
#include "components/grid/string_grid.h"
#include "tests/configurator/window/window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QTabWidget>
#include <ostream>

namespace {

struct FirstCellCase {
    const char* grid;
    const char* editor;
};

void PrintTo(const FirstCellCase& c, std::ostream* out) {
    *out << c.grid;
}

class GridFirstCell : public WindowTest, public ::testing::WithParamInterface<FirstCellCase> {};

void SendMouse(TWkStringGrid& grid, QEvent::Type type, QPoint at) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, grid.viewport()->mapToGlobal(at), Qt::LeftButton, held, {});
    QApplication::sendEvent(grid.viewport(), &event);
}

TEST_P(GridFirstCell, ADoubleClickRightAfterStartOpensItsEditor) {
    Open();
    Find<QTabWidget>("WkPageControl")->setCurrentIndex(TMForm::TabKNP);
    form->show();
    QApplication::setActiveWindow(form.get());
    auto* grid = Find<TWkStringGrid>(GetParam().grid);
    ASSERT_EQ(std::pair(grid->Col(), grid->Row()), std::pair(1, 1)) << "current from the start";

    const TRect r = grid->CellRect(1, 1);
    const QPoint at((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                    QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
        SendMouse(*grid, type, at);

    auto* editor = Find<QComboBox>(GetParam().editor);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(editor->hasFocus());
    EXPECT_EQ(editor->geometry(),
              QRect(grid->viewport()->mapTo(editor->parentWidget(), QPoint(r.Left, r.Top)),
                    QSize(r.Width(), r.Height())));
}

INSTANTIATE_TEST_SUITE_P(Grids, GridFirstCell,
                         ::testing::Values(FirstCellCase{"KnpGrid", "KnpGrid_CB_Number"},
                                           FirstCellCase{"KbMsGrid", "KnpGrid_CB_Number"}),
                         [](const auto& info) { return std::string(info.param.grid); });

} // namespace
