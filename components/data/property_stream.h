#pragma once
// The value encoding of stored item trees: named properties with typed values, collections of
// elements, and end-of-list markers. Every value starts with one type byte; a property name is
// one length byte and that many ASCII bytes; integers are 32-bit little-endian; texts are a
// 32-bit little-endian byte count and that many UTF-8 bytes. A collection is its type byte,
// then elements (each: properties, then the end marker), then the end marker. An element never
// is empty, so an end marker where an element would start ends the collection.

#include <QIODevice>
#include <QObject>
#include <QString>
#include <cstdint>

enum class TWkValueType : std::uint8_t {
    EndOfList = 0,
    Integer = 1,
    Text = 2,
    False = 3,
    True = 4,
    Collection = 5,
};

// Texts longer than this are refused when reading: captions and identifiers are short, and a
// damaged length must not make the reader allocate without bound.
constexpr std::uint32_t MaxStreamTextBytes = 1u << 20;

// Raises EWkException "Stream write error" with the device's text when a write fails.
class TWkPropertyWriter {
public:
    explicit TWkPropertyWriter(QIODevice& stream) : stream(stream) {}

    // The object under which stored references to other objects are named; may be null.
    QObject* Root() const { return FRoot; }
    void SetRoot(QObject* root) { FRoot = root; }

    void WritePropName(const char* name);
    void WriteInteger(std::int32_t value);
    void WriteString(const QString& value);
    void WriteBoolean(bool value);
    void WriteCollectionBegin();
    void WriteListEnd();

protected:
    // Put before every property name: the path of the property whose object is being written
    // ("Provider." ...); empty at the top level.
    QByteArray PropPathField;

private:
    void writeType(TWkValueType type);
    void write(const char* bytes, qint64 size);

    QIODevice& stream;
    QObject* FRoot = nullptr;
};

// The writer with its property path open to the item streaming, which writes each sub-item
// collection without the path of the property that holds the tree.
class THackWriter : public TWkPropertyWriter {
public:
    using TWkPropertyWriter::TWkPropertyWriter;

    QString GetPropPath() const { return QString::fromLatin1(PropPathField); }
    void SetPropPath(const QString& path) { PropPathField = path.toLatin1(); }
};

// Every read checks that the bytes are there and that the value has the type asked for; a
// failure raises EReadError ("Unexpected end of stream", "Invalid property value", ...).
class TWkPropertyReader {
public:
    explicit TWkPropertyReader(QIODevice& stream) : stream(stream) {}

    // The object under which stored references are looked up by name; may be null.
    QObject* Root() const { return FRoot; }
    void SetRoot(QObject* root) { FRoot = root; }

    // True when the next byte is the end marker (not consumed).
    bool EndOfList();
    // Consumes the end marker; raises "Expected end of list" for anything else.
    void ReadListEnd();
    QString ReadPropName();
    std::int32_t ReadInteger();
    QString ReadString();
    bool ReadBoolean();
    // Raises EReadError "Expected collection" for any other value.
    void ReadCollectionBegin();

private:
    TWkValueType readType();
    QByteArray read(qint64 size);

    QIODevice& stream;
    QObject* FRoot = nullptr;
};
