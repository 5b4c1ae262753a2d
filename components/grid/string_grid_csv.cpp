// The CSV load and save of TWkStringGrid.

#include "components/grid/grid_io_error.h"
#include "components/grid/string_grid.h"
#include "platform/ui/capped_read.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace {

bool isLineBreak(QChar c) {
    return c == u'\n' || c == u'\r';
}

// Reads records of fields from a CSV text. A quoted stretch opens with the quote character at
// the start of a field and closes at a single one; inside it, separators and line breaks belong
// to the field and a doubled quote character stands for one.
class TCsvReader {
public:
    TCsvReader(QChar separator, QChar quote, bool stripQuotes)
        : FSeparator(separator), FQuote(quote), FStripQuotes(stripQuotes) {}

    // The records of text; raises EWkException past the stream limits.
    QList<QStringList> Read(QStringView text);
    // The most fields a record read so far holds.
    int Widest() const { return FWidest; }

private:
    void EndField();
    void EndRecord();

    QChar FSeparator;
    QChar FQuote;
    bool FStripQuotes;
    QList<QStringList> FRecords;
    QStringList FFields;
    QString FRaw;      // the field as written
    QString FUnquoted; // the field without its quoting
    bool FQuotedField = false;
    bool FInQuotes = false;
    int FWidest = 0;
};

QList<QStringList> TCsvReader::Read(QStringView text) {
    bool pending = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        pending = true;
        if (FInQuotes) {
            FRaw += c;
            if (c != FQuote) {
                FUnquoted += c;
            } else if (i + 1 < text.size() && text[i + 1] == FQuote) {
                FRaw += text[++i];
                FUnquoted += c;
            } else {
                FInQuotes = false;
            }
        } else if (c == FSeparator) {
            EndField();
        } else if (isLineBreak(c)) {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            EndRecord();
            pending = false;
        } else {
            if (c == FQuote && FRaw.isEmpty()) {
                FQuotedField = true;
                FInQuotes = true;
            } else {
                FUnquoted += c;
            }
            FRaw += c;
        }
    }
    if (pending)
        EndRecord();
    return FRecords;
}

void TCsvReader::EndField() {
    if (FFields.size() >= MaxStreamGridCols)
        throw EWkException(QStringLiteral("The CSV file holds too many cells"));
    FFields << (FStripQuotes && FQuotedField ? FUnquoted : FRaw);
    FRaw.clear();
    FUnquoted.clear();
    FQuotedField = false;
}

void TCsvReader::EndRecord() {
    EndField();
    FWidest = std::max(FWidest, int(FFields.size()));
    if (FRecords.size() >= MaxStreamGridRows ||
        qint64(FRecords.size() + 1) * FWidest > MaxStreamGridCells)
        throw EWkException(QStringLiteral("The CSV file holds too many cells"));
    FRecords << FFields;
    FFields.clear();
}

QString csvField(const QString& cell, QChar separator, QChar quote) {
    const bool needsQuotes = cell.contains(separator) || cell.contains(quote) ||
                             std::any_of(cell.begin(), cell.end(), isLineBreak);
    if (!needsQuotes)
        return cell;
    QString doubled = cell;
    doubled.replace(quote, QString(2, quote));
    return quote + doubled + quote;
}

} // namespace

void TWkStringGrid::SaveToCSV(const QString& fileName, QChar separator, QChar quoteChar) {
    QString text;
    for (int row = 0; row < RowCount(); ++row) {
        if (OnSaveProgress)
            OnSaveProgress(this, row, RowCount());
        QStringList fields;
        for (int col = 0; col < ColCount(); ++col)
            fields << csvField(Cells(col, row), separator, quoteChar);
        text += fields.join(separator) + u'\n';
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw GridIoError("Creating the CSV file", file);
    const QByteArray bytes = QStringEncoder(QStringConverter::Utf8).encode(text);
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw GridIoError("Writing the CSV file", file);
    if (OnSaveProgress)
        OnSaveProgress(this, RowCount(), RowCount());
}

void TWkStringGrid::LoadFromCSV(const QString& fileName, QChar separator, QChar quoteChar,
                                bool stripQuotes) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw GridIoError("Opening the CSV file", file);
    if (file.size() > MaxCsvFileBytes)
        throw EWkException(QStringLiteral("The CSV file is too large"));
    const QByteArray bytes = ReadAtMost(file, MaxCsvFileBytes);
    if (bytes.size() > MaxCsvFileBytes)
        throw EWkException(QStringLiteral("The CSV file is too large"));
    if (bytes.size() < file.size())
        throw GridIoError("Reading the CSV file", file);
    const auto encoding = QStringConverter::encodingForData(bytes).value_or(QStringConverter::Utf8);
    const QString text = QStringDecoder(encoding, QStringConverter::Flag::Stateless)(bytes);
    TCsvReader reader(separator, quoteChar, stripQuotes);
    const QList<QStringList> records = reader.Read(text);

    const qsizetype count = records.size();
    if (OnLoadProgress)
        OnLoadProgress(this, 0, count);
    SetRowCount(int(count));
    SetColCount(std::max(FixedCols() + 1, reader.Widest()));
    Clear();
    for (qsizetype row = 0; row < count; ++row) {
        if (row > 0 && OnLoadProgress)
            OnLoadProgress(this, row, count);
        Rows(int(row)).Assign(records[row]);
    }
    if (OnLoadProgress)
        OnLoadProgress(this, count, count);
}
