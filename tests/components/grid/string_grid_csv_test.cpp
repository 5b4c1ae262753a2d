// The grid's CSV save and load: quoting, splitting, sizing, progress and errors.

#include "components/base/exception.h"
#include "components/grid/string_grid.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class StringGridCsv : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QString Write(const QByteArray& bytes) {
        const QString path = Path("in.csv");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }
    QByteArray Read(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }
    // Every row of the grid, its cells joined by "|".
    static QStringList Rows(TWkStringGrid& grid) {
        QStringList rows;
        for (int row = 0; row < grid.RowCount(); ++row)
            rows << grid.Rows(row).Texts().join(u'|');
        return rows;
    }
    static void Fill(TWkStringGrid& grid, const QList<QStringList>& rows) {
        grid.SetRowCount(int(rows.size()));
        grid.SetColCount(int(rows[0].size()));
        for (int row = 0; row < rows.size(); ++row)
            grid.Rows(row).Assign(rows[row]);
    }

    QTemporaryDir dir;
};

TEST_F(StringGridCsv, AwkwardCellsAreQuotedAndComeBackUnchanged) {
    const struct {
        const char* name;
        QChar separator, quote;
        QByteArray file;
    } cases[] = {
        {"comma and double quote", u',', u'"',
         "a,\"b,c\",\"say \"\"hi\"\"\"\n\"two\nlines\",,\xD0\x9A\n"},
        {"semicolon and single quote", u';', u'\'', "a;b,c;say \"hi\"\n'two\nlines';;\xD0\x9A\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TWkStringGrid source;
        Fill(source, {{"a", "b,c", "say \"hi\""}, {"two\nlines", "", QStringLiteral("К")}});
        source.SaveToCSV(Path("out.csv"), c.separator, c.quote);
        EXPECT_EQ(Read(Path("out.csv")), c.file);

        TWkStringGrid target;
        target.LoadFromCSV(Path("out.csv"), c.separator, c.quote, true);
        EXPECT_EQ(Rows(target), Rows(source));
    }
}

TEST_F(StringGridCsv, RecordsSplitAtSeparatorsOutsideQuotes) {
    const struct {
        const char* name;
        QByteArray file;
        bool stripQuotes;
        QStringList rows;
    } cases[] = {
        {"line ends of every kind", "a,b\r\nc\rd\n", true, {"a|b", "c|", "d|"}},
        {"a last line without an end", "a,b\nc", true, {"a|b", "c|"}},
        {"empty fields", "a,\n,b", true, {"a|", "|b"}},
        {"a quoted separator, stripped", "\"x,y\",z", true, {"x,y|z", "|"}},
        {"a quoted separator, kept", "\"x,y\",z", false, {"\"x,y\"|z", "|"}},
        {"doubled quotes, stripped", "\"a\"\"b\"", true, {"a\"b|", "|"}},
        {"doubled quotes, kept", "\"a\"\"b\"", false, {"\"a\"\"b\"|", "|"}},
        {"text after the closing quote", "\"ab\"c,d", true, {"abc|d", "|"}},
        {"a quote inside a field is text", "ab\"c,d\ne", true, {"ab\"c|d", "e|"}},
        {"an unclosed quote runs to the end", "\"open,\nx", true, {"open,\nx|", "|"}},
        {"a byte-order mark is not text",
         "\xEF\xBB\xBF"
         "a,b",
         true,
         {"a|b", "|"}},
        {"a UTF-16 file by its byte-order mark",
         QByteArray("\xFF\xFE"
                    "a\0,\0b\0",
                    8),
         true,
         {"a|b", "|"}},
        {"a malformed byte stays in its field",
         "\xFF,b",
         true,
         {QString(QChar::ReplacementCharacter) + "|b", "|"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TWkStringGrid grid;
        grid.SetColCount(2);
        grid.SetRowCount(2);
        grid.LoadFromCSV(Write(c.file), u',', u'"', c.stripQuotes);
        EXPECT_EQ(Rows(grid), c.rows);
    }
}

TEST_F(StringGridCsv, TheGridTakesTheFileSizeAndNothingOfItsOldCells) {
    TWkStringGrid grid;
    grid.SetColCount(5);
    grid.SetRowCount(6);
    grid.SetFixedCols(2);
    for (int row = 0; row < 6; ++row)
        grid.Rows(row).Assign({"old", "old", "old", "old", "old"});
    grid.LoadFromCSV(Write("a\nb,c\n"), u',', u'"', true);
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.ColCount(), 3) << "fixed columns + 1, more than the widest line";
    EXPECT_EQ(Rows(grid), (QStringList{"a||", "b|c|"}));

    grid.LoadFromCSV(Write("1,2,3,4,5,6\n"), u',', u'"', true);
    EXPECT_EQ(grid.ColCount(), 6);
    EXPECT_EQ(grid.RowCount(), 2) << "never fewer rows than the fixed ones + 1";

    grid.LoadFromCSV(Write(""), u',', u'"', true);
    EXPECT_EQ(Rows(grid), (QStringList{"||", "||"}));
}

TEST_F(StringGridCsv, ProgressRunsFromZeroToTheTotal) {
    TWkStringGrid grid;
    QList<QPair<qint64, qint64>> saved, loaded;
    grid.OnSaveProgress = TProgress::FromCallable([&](QObject*, qint64 done, qint64 total) {
        saved.append({done, total});
    });
    grid.OnLoadProgress = TProgress::FromCallable([&](QObject*, qint64 done, qint64 total) {
        loaded.append({done, total});
    });
    grid.SetRowCount(3);
    grid.SaveToCSV(Path("out.csv"));
    EXPECT_EQ(saved, (QList<QPair<qint64, qint64>>{{0, 3}, {1, 3}, {2, 3}, {3, 3}}));
    grid.LoadFromCSV(Write("a\nb\n"));
    EXPECT_EQ(loaded, (QList<QPair<qint64, qint64>>{{0, 2}, {1, 2}, {2, 2}}));
}

TEST_F(StringGridCsv, AFileThatCannotBeUsedLeavesTheGridAsItWas) {
    const QByteArray tooWide = QByteArray(MaxStreamGridCols, ',') + '\n';
    const QByteArray tooManyCells = (QByteArray(MaxStreamGridCols - 1, ',') + '\n')
                                        .repeated(int(MaxStreamGridCells / MaxStreamGridCols) + 1);
    const struct {
        const char* name;
        QByteArray file; // empty: no file at all
    } cases[] = {
        {"no file", {}},
        {"more columns than the limit", tooWide},
        {"more rows than the limit", QByteArray(MaxStreamGridRows + 1, '\n')},
        {"more cells than the limit", tooManyCells},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TWkStringGrid grid;
        grid.SetCells(1, 1, "kept");
        const QString path = c.file.isEmpty() ? Path("missing.csv") : Write(c.file);
        EXPECT_THROW(grid.LoadFromCSV(path), EWkException);
        EXPECT_EQ(grid.RowCount(), 5);
        EXPECT_EQ(grid.Cells(1, 1), "kept");
    }

    QFile huge(Path("huge.csv"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(MaxCsvFileBytes + 1));
    huge.close();
    TWkStringGrid grid;
    EXPECT_THROW(grid.LoadFromCSV(Path("huge.csv")), EWkException);
}

TEST_F(StringGridCsv, AFailedSaveRaises) {
    TWkStringGrid grid;
    EXPECT_THROW(grid.SaveToCSV(Path("no/such/folder/out.csv")), EWkException);
    EXPECT_THROW(grid.SaveToCSV(dir.path()), EWkException) << "a folder is no file";
    EXPECT_TRUE(QFileInfo(dir.path()).isDir());
}

} // namespace
