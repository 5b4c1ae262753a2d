#include "configurator/window/string_grid.h"

#include <QHeaderView>
#include <QLabel>

StringGrid::StringGrid(int colCount, int rowCount, bool fixedCol, QWidget* parent)
    : QTableWidget(rowCount - 1, fixedCol ? colCount - 1 : colCount, parent), colCount_(colCount),
      rowCount_(rowCount), fixedCol_(fixedCol) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setVisible(fixedCol);
    setCornerButtonEnabled(false);
    for (int row = 0; row < rowCount - 1; ++row) {
        setVerticalHeaderItem(row, new QTableWidgetItem);
        for (int col = 0; col < columnCount(); ++col) {
            setItem(row, col, new QTableWidgetItem);
        }
    }
    for (int col = 0; col < columnCount(); ++col) {
        setHorizontalHeaderItem(col, new QTableWidgetItem);
    }
    if (fixedCol) {
        corner_ = new QLabel(this);
        corner_->setAlignment(Qt::AlignCenter);
    }
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int col) {
        if (row >= 0 && col >= 0) {
            emit CellSelected(col + (fixedCol_ ? 1 : 0), row + 1);
        }
    });
    connect(this, &QTableWidget::cellDoubleClicked, this, [this] { emit CellDoubleClicked(); });
}

QTableWidgetItem* StringGrid::DataItem(int col, int row) const {
    const int tableCol = col - (fixedCol_ ? 1 : 0);
    return item(row - 1, tableCol);
}

QString StringGrid::Cell(int col, int row) const {
    if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_) {
        return {};
    }
    if (row == 0) {
        if (fixedCol_ && col == 0) {
            return corner_->text();
        }
        return horizontalHeaderItem(col - (fixedCol_ ? 1 : 0))->text();
    }
    if (fixedCol_ && col == 0) {
        return verticalHeaderItem(row - 1)->text();
    }
    return DataItem(col, row)->text();
}

void StringGrid::SetCell(int col, int row, const QString& text) {
    if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_) {
        return;
    }
    if (row == 0) {
        if (fixedCol_ && col == 0) {
            corner_->setText(text);
        } else {
            horizontalHeaderItem(col - (fixedCol_ ? 1 : 0))->setText(text);
        }
    } else if (fixedCol_ && col == 0) {
        verticalHeaderItem(row - 1)->setText(text);
    } else {
        DataItem(col, row)->setText(text);
    }
}

void StringGrid::SetColWidth(int col, int width) {
    if (fixedCol_ && col == 0) {
        verticalHeader()->setFixedWidth(width);
        PlaceCorner();
    } else {
        setColumnWidth(col - (fixedCol_ ? 1 : 0), width);
    }
}

void StringGrid::SetDefaultRowHeight(int height) {
    verticalHeader()->setDefaultSectionSize(height);
    verticalHeader()->setMinimumSectionSize(height);
    horizontalHeader()->setFixedHeight(height);
    PlaceCorner();
}

void StringGrid::PlaceCorner() {
    if (corner_ != nullptr) {
        corner_->setGeometry(frameWidth(), frameWidth(), verticalHeader()->width(),
                             horizontalHeader()->height());
    }
}

QRect StringGrid::CellRect(int col, int row, const QWidget* widget) const {
    const QTableWidgetItem* cell =
        row >= 1 && row < rowCount_ && col >= (fixedCol_ ? 1 : 0) && col < colCount_
            ? DataItem(col, row)
            : nullptr;
    if (cell == nullptr) {
        return {};
    }
    const QRect rect = visualItemRect(cell);
    return QRect(viewport()->mapTo(widget, rect.topLeft()), rect.size());
}
