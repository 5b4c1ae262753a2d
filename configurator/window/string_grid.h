#pragma once
// A text grid addressed as (column, row) with fixed leading columns and rows, standing in for the
// library's string grid until that control exists. The fixed row is the header, a fixed column
// the row labels; both stay in view while the data cells scroll.

#include <QTableWidget>

class QLabel;

class StringGrid final : public QTableWidget {
    Q_OBJECT
public:
    StringGrid(int colCount, int rowCount, bool fixedCol, QWidget* parent);

    int ColCount() const { return colCount_; }
    int RowCount() const { return rowCount_; }
    bool HasFixedCol() const { return fixedCol_; }

    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);
    void SetColWidth(int col, int width);
    void SetDefaultRowHeight(int height);
    // The cell's rectangle in the coordinates of widget; empty for a fixed cell.
    QRect CellRect(int col, int row, const QWidget* widget) const;

signals:
    // The user selected a data cell.
    void CellSelected(int col, int row);
    void CellDoubleClicked();

private:
    QTableWidgetItem* DataItem(int col, int row) const;
    void PlaceCorner();

    int colCount_;
    int rowCount_;
    bool fixedCol_;
    QLabel* corner_ = nullptr;
};
