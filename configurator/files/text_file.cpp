#include "configurator/files/text_file.h"

#include "platform/ui/capped_read.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <array>

namespace {

// Code points of Windows-1251 bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order.
constexpr std::array<char16_t, 64> Windows1251Upper = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

constexpr QByteArrayView Utf8ByteOrderMark("\xEF\xBB\xBF");

QString fileError(const QString& operation, const QString& path, const QString& reason) {
    return QStringLiteral("%1 '%2' failed: %3").arg(operation, path, reason);
}

// Whether the plain file at path holds bytes and nothing else. Writing what a file already holds
// would only wait for the disk: the settings are written at every start with what was read.
bool holdsExactly(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() != bytes.size())
        return false;
    return file.read(bytes.size() + 1) == bytes;
}

} // namespace

QString decodeWindows1251(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            text += QChar(byte);
        else if (byte < 0xC0)
            text += QChar(Windows1251Upper[byte - 0x80]);
        else
            text += QChar(char16_t(0x0410 + (byte - 0xC0)));
    }
    return text;
}

QString decodeText8(const QByteArray& bytes) {
    // Every leading mark goes: a file saved again and again by editors that each add one would
    // otherwise start its first value with the marks after the first, and that value would lose
    // them on the next save and load.
    QByteArrayView text8(bytes);
    while (text8.startsWith(Utf8ByteOrderMark))
        text8 = text8.sliced(Utf8ByteOrderMark.size());
    // Stateless: a sequence cut off at the end is an error, not a pending state.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(text8);
    if (!utf8.hasError())
        return text;
    return decodeWindows1251(text8.toByteArray());
}

QStringList splitTextLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            continue;
        lines << text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < size && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines << text.mid(start);
    return lines;
}

std::optional<QStringList> readTextLines(const QString& path, qint64 maxBytes, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = fileError(QStringLiteral("Opening"), path, file.errorString());
        return std::nullopt;
    }
    if (file.size() > maxBytes) {
        *error = fileError(QStringLiteral("Reading"), path,
                           QStringLiteral("the file is larger than %1 bytes").arg(maxBytes));
        return std::nullopt;
    }
    const QByteArray bytes = ReadAtMost(file, maxBytes);
    if (file.error() != QFileDevice::NoError) {
        *error = fileError(QStringLiteral("Reading"), path, file.errorString());
        return std::nullopt;
    }
    if (bytes.size() > maxBytes) {
        *error = fileError(QStringLiteral("Reading"), path,
                           QStringLiteral("the file is larger than %1 bytes").arg(maxBytes));
        return std::nullopt;
    }
    return splitTextLines(decodeText8(bytes));
}

bool writeTextLines(const QString& path, const QStringList& lines, QString* error) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += '\n';
    }
    if (holdsExactly(path, bytes))
        return true;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = fileError(QStringLiteral("Writing"), path, file.errorString());
        return false;
    }
    return true;
}
