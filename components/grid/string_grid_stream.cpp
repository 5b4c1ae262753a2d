// The byte-stream load and save of TWkStringGrid.

#include "components/base/exception.h"
#include "components/grid/grid_io_error.h"
#include "components/grid/string_grid.h"

#include <QFile>
#include <QIODevice>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace {

constexpr char CellEnd = 0;
constexpr char RowEnd = 1;
constexpr qint64 ReadBlockSize = 4096;

// UTF-8 and single-byte texts never hold the bytes 0 and 1 inside a character, so the cell
// markers cannot be confused with text.
void requireByteEncoding(QStringConverter::Encoding encoding) {
    if (encoding != QStringConverter::Utf8 && encoding != QStringConverter::Latin1 &&
        encoding != QStringConverter::System)
        throw EWkException(QStringLiteral("The grid stream holds UTF-8 or 8-bit text only"));
}

} // namespace

void TWkStringGrid::SaveToStream(QIODevice& stream, QStringConverter::Encoding encoding) {
    requireByteEncoding(encoding);
    QStringEncoder encode(encoding);
    const qint64 total = qint64(RowCount()) * ColCount();
    qint64 cell = 0;
    QByteArray bytes;
    for (int row = 0; row < RowCount(); ++row) {
        for (int col = 0; col < ColCount(); ++col) {
            if (OnSaveProgress)
                OnSaveProgress(this, cell, total);
            ++cell;
            const QString text = Cells(col, row);
            if (!text.isEmpty())
                bytes += QByteArray(encode(text));
            bytes += col + 1 < ColCount() ? CellEnd : RowEnd;
        }
    }
    if (stream.write(bytes) != bytes.size())
        throw GridIoError("Writing the grid", stream);
    if (OnSaveProgress)
        OnSaveProgress(this, total, total);
}

void TWkStringGrid::LoadFromStream(QIODevice& stream, QStringConverter::Encoding encoding) {
    requireByteEncoding(encoding);
    const qint64 size = stream.size() - stream.pos();
    int col = 0;
    int row = 1;
    QByteArray cellBytes;
    // Each cell is decoded on its own: a character cut at the end of one cell is malformed
    // there and never joins the bytes of the next one.
    QStringDecoder decode(encoding, QStringConverter::Flag::Stateless);
    const auto storeCell = [&] {
        ++col;
        GrowForLoadedCell(col, row);
        SetCells(col - 1, row - 1, decode(cellBytes));
        cellBytes.clear();
    };
    if (OnLoadProgress)
        OnLoadProgress(this, 0, size);
    qint64 done = 0;
    while (!stream.atEnd()) {
        const QByteArray block = stream.read(ReadBlockSize);
        if (block.isEmpty())
            throw GridIoError("Reading the grid", stream);
        for (const char byte : block) {
            if (byte == CellEnd || byte == RowEnd) {
                storeCell();
                if (byte == RowEnd) {
                    ++row;
                    col = 0;
                }
            } else {
                if (cellBytes.size() >= MaxStreamCellBytes)
                    throw EWkException(QStringLiteral("A grid cell in the stream is too long"));
                cellBytes += byte;
            }
        }
        done += block.size();
        if (OnLoadProgress)
            OnLoadProgress(this, done, size);
    }
    // Text after the last marker is a cell of its own. A row is added only for a cell it holds,
    // so a row end at the end of the stream opens none and no row is ever taken away.
    if (!cellBytes.isEmpty())
        storeCell();
    if (OnLoadProgress)
        OnLoadProgress(this, size, size);
}

void TWkStringGrid::GrowForLoadedCell(int cols, int rows) {
    const int newCols = std::max(cols, ColCount());
    const int newRows = std::max(rows, RowCount());
    if (newCols == ColCount() && newRows == RowCount())
        return;
    if (cols > MaxStreamGridCols || rows > MaxStreamGridRows ||
        qint64(newCols) * newRows > MaxStreamGridCells)
        throw EWkException(QStringLiteral("The grid stream holds too many cells"));
    if (newRows != RowCount())
        SetRowCount(newRows);
    if (newCols != ColCount())
        SetColCount(newCols);
}

void TWkStringGrid::SaveToFile(const QString& fileName, QStringConverter::Encoding encoding) {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw GridIoError("Creating the grid file", file);
    SaveToStream(file, encoding);
}

void TWkStringGrid::LoadFromFile(const QString& fileName, QStringConverter::Encoding encoding) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw GridIoError("Opening the grid file", file);
    LoadFromStream(file, encoding);
}
