#include "components/data/property_stream.h"

#include "components/data/data_errors.h"

#include <QStringDecoder>
#include <QtEndian>

namespace {

[[noreturn]] void fail(const char* message) {
    throw EReadError(QString::fromLatin1(message));
}

} // namespace

void TWkPropertyWriter::write(const char* bytes, qint64 size) {
    if (stream.write(bytes, size) != size)
        throw EWkException(QStringLiteral("Stream write error: %1").arg(stream.errorString()));
}

void TWkPropertyWriter::writeType(TWkValueType type) {
    const char byte = char(type);
    write(&byte, 1);
}

void TWkPropertyWriter::WritePropName(const char* name) {
    const QByteArray bytes = PropPathField + name;
    Q_ASSERT(!bytes.isEmpty() && bytes.size() <= 255);
    const char length = char(bytes.size());
    write(&length, 1);
    write(bytes.constData(), bytes.size());
}

void TWkPropertyWriter::WriteInteger(std::int32_t value) {
    writeType(TWkValueType::Integer);
    const std::int32_t little = qToLittleEndian(value);
    write(reinterpret_cast<const char*>(&little), sizeof little);
}

void TWkPropertyWriter::WriteString(const QString& value) {
    const QByteArray bytes = value.toUtf8();
    if (bytes.size() > qsizetype(MaxStreamTextBytes))
        throw EWkException(QStringLiteral("Stream write error: text too long"));
    writeType(TWkValueType::Text);
    const std::uint32_t little = qToLittleEndian(std::uint32_t(bytes.size()));
    write(reinterpret_cast<const char*>(&little), sizeof little);
    write(bytes.constData(), bytes.size());
}

void TWkPropertyWriter::WriteBoolean(bool value) {
    writeType(value ? TWkValueType::True : TWkValueType::False);
}

void TWkPropertyWriter::WriteCollectionBegin() {
    writeType(TWkValueType::Collection);
}

void TWkPropertyWriter::WriteListEnd() {
    writeType(TWkValueType::EndOfList);
}

QByteArray TWkPropertyReader::read(qint64 size) {
    const QByteArray bytes = stream.read(size);
    if (bytes.size() != size)
        fail("Unexpected end of stream");
    return bytes;
}

TWkValueType TWkPropertyReader::readType() {
    return TWkValueType(std::uint8_t(read(1)[0]));
}

bool TWkPropertyReader::EndOfList() {
    const QByteArray next = stream.peek(1);
    if (next.isEmpty())
        fail("Unexpected end of stream");
    return next[0] == char(TWkValueType::EndOfList);
}

void TWkPropertyReader::ReadListEnd() {
    if (readType() != TWkValueType::EndOfList)
        fail("Expected end of list");
}

QString TWkPropertyReader::ReadPropName() {
    const auto length = std::uint8_t(read(1)[0]);
    if (length == 0)
        fail("Invalid property name");
    const QByteArray name = read(length);
    for (const char c : name) {
        if (!(QChar::isLetterOrNumber(uchar(c)) && uchar(c) < 0x80) && c != '_')
            fail("Invalid property name");
    }
    return QString::fromLatin1(name);
}

std::int32_t TWkPropertyReader::ReadInteger() {
    if (readType() != TWkValueType::Integer)
        fail("Invalid property value");
    return qFromLittleEndian<std::int32_t>(read(sizeof(std::int32_t)).constData());
}

QString TWkPropertyReader::ReadString() {
    if (readType() != TWkValueType::Text)
        fail("Invalid property value");
    const auto size = qFromLittleEndian<std::uint32_t>(read(sizeof(std::uint32_t)).constData());
    if (size > MaxStreamTextBytes)
        fail("Text too long in stream");
    const QByteArray bytes = read(qint64(size));
    QStringDecoder decode(QStringConverter::Utf8);
    const QString text = decode(bytes);
    if (decode.hasError())
        fail("Invalid property value");
    return text;
}

bool TWkPropertyReader::ReadBoolean() {
    switch (readType()) {
    case TWkValueType::False:
        return false;
    case TWkValueType::True:
        return true;
    default:
        fail("Invalid property value");
    }
}

void TWkPropertyReader::ReadCollectionBegin() {
    if (readType() != TWkValueType::Collection)
        fail("Expected collection");
}
