#include "components/base/exception.h"
#include "components/grid/string_grid.h"

#include <QBuffer>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

struct Grid {
    Grid(int cols, int rows) {
        grid.SetColCount(cols);
        grid.SetRowCount(rows);
    }
    void load(const QByteArray& bytes,
              QStringConverter::Encoding encoding = QStringConverter::Utf8) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        grid.LoadFromStream(buffer, encoding);
    }
    QByteArray save(QStringConverter::Encoding encoding = QStringConverter::Utf8) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        grid.SaveToStream(buffer, encoding);
        return buffer.data();
    }
    TWkStringGrid grid;
};

} // namespace

TEST(StringGridStream, CellsSaveWithTheirMarkersAndLoadBack) {
    Grid source(2, 2);
    source.grid.SetCells(0, 0, "a");
    source.grid.SetCells(0, 1, "b");
    source.grid.SetCells(1, 1, "c");
    const QByteArray bytes = source.save(QStringConverter::Latin1);
    EXPECT_EQ(bytes, QByteArray("a\x00\x01"
                                "b\x00"
                                "c\x01",
                                7));

    Grid target(2, 2);
    target.load(bytes, QStringConverter::Latin1);
    EXPECT_EQ(target.grid.RowCount(), 2);
    EXPECT_EQ(target.grid.ColCount(), 2);
    const QStringList cells = {target.grid.Cells(0, 0), target.grid.Cells(1, 0),
                               target.grid.Cells(0, 1), target.grid.Cells(1, 1)};
    EXPECT_EQ(cells, (QStringList{"a", "", "b", "c"}));
}

TEST(StringGridStream, LoadingGrowsButNeverShrinksTheGrid) {
    const struct {
        const char* name;
        int rowsBefore;
        QByteArray bytes;
        int rows, cols;
        int pendingCol; // where the last text landed in row rows - 1 (or -1)
        const char* pendingText;
    } cases[] = {
        {"empty stream loses nothing", 5, QByteArray(), 5, 2, -1, ""},
        {"a short stream keeps the rows it did not add", 5, QByteArray("x\x01", 2), 5, 2, -1, ""},
        {"rows and columns grow for the cells", 2,
         QByteArray("1\x00"
                    "2\x00"
                    "3\x01"
                    "4\x01",
                    8),
         2, 3, -1, ""},
        {"text after the last marker is kept", 2,
         QByteArray("a\x01"
                    "b\x01"
                    "c\x00"
                    "d",
                    7),
         3, 2, 1, "d"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Grid g(2, c.rowsBefore);
        g.load(c.bytes);
        EXPECT_EQ(g.grid.RowCount(), c.rows);
        EXPECT_EQ(g.grid.ColCount(), c.cols);
        if (c.pendingCol >= 0) {
            EXPECT_EQ(g.grid.Cells(c.pendingCol, c.rows - 1), c.pendingText);
        }
    }
}

TEST(StringGridStream, Utf8TextsRoundTripAndWideEncodingsAreRefused) {
    Grid g(2, 2);
    g.grid.SetCells(1, 1, QStringLiteral("Кнопка"));
    const QByteArray bytes = g.save();
    Grid back(2, 2);
    back.load(bytes);
    EXPECT_EQ(back.grid.Cells(1, 1), QStringLiteral("Кнопка"));
    EXPECT_THROW(g.save(QStringConverter::Utf16LE), EWkException);
    EXPECT_THROW(back.load(bytes, QStringConverter::Utf16), EWkException);
    EXPECT_EQ(back.grid.Cells(1, 1), QStringLiteral("Кнопка"));
}

TEST(StringGridStream, EachCellIsDecodedOnItsOwn) {
    const QString bad(QChar::ReplacementCharacter);
    const struct {
        const char* name;
        QByteArray bytes;
        QString first;  // cell (0, 0)
        QString second; // cell (1, 0), or (0, 1) after a row end
        bool secondInNextRow;
    } cases[] = {
        {"a character cut by a cell end stays malformed in both cells",
         QByteArray("\xD0\x00\x9A\x01", 4), bad, bad, false},
        {"a three-byte character cut after two bytes", QByteArray("\xE2\x82\x00\xAC\x01", 5), bad,
         bad, false},
        {"whole characters on both sides of a cell end", QByteArray("\xD0\x9A\x00\xD0\x9A\x01", 6),
         QStringLiteral("К"), QStringLiteral("К"), false},
        {"a lone continuation byte before good text",
         QByteArray("\x9A"
                    "a\x00"
                    "b\x01",
                    5),
         bad + u'a', QStringLiteral("b"), false},
        {"a character cut by a row end", QByteArray("x\xD0\x01\x9A\x01", 5),
         QStringLiteral("x") + bad, bad, true},
    };
    // How many replacement characters a cut sequence gives is the decoder's choice.
    const auto collapsed = [&bad](QString text) {
        return text.replace(QRegularExpression(bad + u'+'), bad);
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Grid g(2, 2);
        g.load(c.bytes);
        EXPECT_EQ(collapsed(g.grid.Cells(0, 0)), c.first);
        EXPECT_EQ(collapsed(c.secondInNextRow ? g.grid.Cells(0, 1) : g.grid.Cells(1, 0)), c.second);
    }
}

TEST(StringGridStream, ProgressRunsFromZeroToTheTotal) {
    Grid g(2, 2);
    QList<QPair<qint64, qint64>> saved, loaded;
    g.grid.OnSaveProgress = TProgress::FromCallable([&](QObject*, qint64 done, qint64 total) {
        saved.append({done, total});
    });
    g.grid.OnLoadProgress = TProgress::FromCallable([&](QObject*, qint64 done, qint64 total) {
        loaded.append({done, total});
    });
    const QByteArray bytes = g.save();
    EXPECT_EQ(saved, (QList<QPair<qint64, qint64>>{{0, 4}, {1, 4}, {2, 4}, {3, 4}, {4, 4}}));
    g.load(QByteArray(5000, 'x') + bytes);
    EXPECT_EQ(loaded,
              (QList<QPair<qint64, qint64>>{{0, 5004}, {4096, 5004}, {5004, 5004}, {5004, 5004}}));
}

TEST(StringGridStream, OversizedStreamsStopWithAnErrorAndKeepWhatWasRead) {
    Grid rows(2, 2);
    EXPECT_THROW(rows.load(QByteArray(MaxStreamGridRows + 1, '\x01')), EWkException);
    EXPECT_EQ(rows.grid.RowCount(), MaxStreamGridRows);
    Grid cell(2, 2);
    EXPECT_THROW(cell.load("ok\x01" + QByteArray(MaxStreamCellBytes + 1, 'x')), EWkException);
    EXPECT_EQ(cell.grid.Cells(0, 0), "ok");
    // Within the row and column limits, but too many cells in all.
    Grid wide(2, 2);
    const QByteArray row = QByteArray(MaxStreamGridCols - 1, '\x00') + '\x01';
    EXPECT_THROW(wide.load(row.repeated(int(MaxStreamGridCells / MaxStreamGridCols) + 1)),
                 EWkException);
    EXPECT_EQ(wide.grid.ColCount(), MaxStreamGridCols);
    EXPECT_LE(qint64(wide.grid.RowCount()) * wide.grid.ColCount(), MaxStreamGridCells);
}
