// The string grid's byte-stream load (UTF-8 and 8-bit) and its CSV load on the input as a
// file's bytes. A grid loaded from a stream must save and load back to the same cells. The
// first byte chooses the CSV separator (a few common ones, else the byte itself), the second
// the quote character (likewise, its low seven bits) and whether quotes are stripped (its high
// bit); the CSV load reads the whole input.
#include "components/base/exception.h"
#include "components/grid/string_grid.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "string_grid_fuzz";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

// Making a grid widget costs far more than a load, so a few grids serve every input, each put
// back to a new grid's size and emptied first.
TWkStringGrid& freshGrid(int which) {
    application();
    static TWkStringGrid grids[3];
    static const int cols = grids[0].ColCount();
    static const int rows = grids[0].RowCount();
    TWkStringGrid& grid = grids[which];
    grid.SetColCount(cols);
    grid.SetRowCount(rows);
    grid.Clear();
    return grid;
}

void loadStream(TWkStringGrid& grid, const QByteArray& bytes, QStringConverter::Encoding encoding) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    grid.LoadFromStream(buffer, encoding);
}

void requireSameCells(const TWkStringGrid& a, const TWkStringGrid& b) {
    if (a.RowCount() != b.RowCount() || a.ColCount() != b.ColCount())
        std::abort();
    for (int row = 0; row < a.RowCount(); ++row) {
        for (int col = 0; col < a.ColCount(); ++col) {
            if (a.Cells(col, row) != b.Cells(col, row))
                std::abort();
        }
    }
}

void streamRoundTrip(const QByteArray& bytes, QStringConverter::Encoding encoding) {
    TWkStringGrid& loaded = freshGrid(0);
    try {
        loadStream(loaded, bytes, encoding);
    } catch (const EWkException&) {
        return;
    }
    QBuffer saved;
    saved.open(QIODevice::WriteOnly);
    loaded.SaveToStream(saved, encoding);
    TWkStringGrid& back = freshGrid(1);
    loadStream(back, saved.data(), encoding);
    requireSameCells(loaded, back);
}

QChar pick(std::uint8_t byte, const char* choices) {
    const std::size_t count = std::strlen(choices);
    return byte < count ? QChar(QLatin1Char(choices[byte])) : QChar(QLatin1Char(char(byte)));
}

void loadCsv(const QByteArray& bytes) {
    static QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("input.csv"));
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
    file.close();
    const auto option = [&bytes](int index) {
        return index < bytes.size() ? std::uint8_t(bytes[index]) : std::uint8_t(0);
    };
    TWkStringGrid& grid = freshGrid(2);
    try {
        grid.LoadFromCSV(fileName, pick(option(0), ",;\t|"), pick(option(1) & 0x7F, "\"'"),
                         option(1) & 0x80);
    } catch (const EWkException&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    application();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    streamRoundTrip(bytes, QStringConverter::Utf8);
    streamRoundTrip(bytes, QStringConverter::Latin1);
    loadCsv(bytes);
    // No event loop runs here: what the grids posted would pile up from input to input.
    QCoreApplication::sendPostedEvents();
    return 0;
}
