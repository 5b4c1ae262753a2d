#include "configurator/files/text_file.h"
#include "tests/configurator/files/qt_print.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct DecodeCase {
    const char* name;
    QByteArray bytes;
    QString expected;
};

TEST(TextFile, DecodesUtf8AndFallsBackToWindows1251) {
    const DecodeCase cases[] = {
        {"ascii", QByteArray("Axis 1"), QStringLiteral("Axis 1")},
        {"utf8 cyrillic", QByteArray("\xD0\x9E\xD1\x81\xD1\x8C"), QStringLiteral(u"Ось")},
        {"utf8 bom skipped", QByteArray("\xEF\xBB\xBFOK"), QStringLiteral("OK")},
        {"several utf8 boms skipped", QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF\xEF\xBB\xBFOK"),
         QStringLiteral("OK")},
        {"boms before cp1251", QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF\xCE\xF1\xFC"),
         QStringLiteral(u"Ось")},
        {"bom inside kept", QByteArray("O\xEF\xBB\xBFK"), QStringLiteral(u"O\uFEFFK")},
        {"cp1251 cyrillic", QByteArray("\xCE\xF1\xFC"), QStringLiteral(u"Ось")},
        {"cp1251 yo and number sign", QByteArray("\xA8\xB8\xB9"), QStringLiteral(u"Ёё№")},
        {"cp1251 quotes and dash", QByteArray("\xAB\x97\xBB"), QStringLiteral(u"«—»")},
        {"utf8 cut at the end", QByteArray("\xD0\x9E\xD1"), QStringLiteral(u"РћС")},
        {"unassigned cp1251 code", QByteArray("\x98\xFF"), QStringLiteral(u"\uFFFDя")},
    };
    for (const DecodeCase& c : cases)
        EXPECT_EQ(decodeText8(c.bytes), c.expected) << c.name;
}

struct SplitCase {
    const char* name;
    QString text;
    QStringList lines;
};

TEST(TextFile, SplitsLinesAtEveryLineEnd) {
    const SplitCase cases[] = {
        {"empty", QString(), {}},
        {"unix", QStringLiteral("a\nb\n"), {"a", "b"}},
        {"windows", QStringLiteral("a\r\nb\r\n"), {"a", "b"}},
        {"old mac", QStringLiteral("a\rb"), {"a", "b"}},
        {"last line without end", QStringLiteral("a\nb"), {"a", "b"}},
        {"empty lines kept", QStringLiteral("\n\r\nc\n"), {"", "", "c"}},
    };
    for (const SplitCase& c : cases)
        EXPECT_EQ(splitTextLines(c.text), c.lines) << c.name;
}

TEST(TextFile, WritesUtf8LinesAndReadsThemBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath("lines.txt");
    QString error;
    ASSERT_TRUE(writeTextLines(path, {QStringLiteral(u"Ось"), QString(), "x"}, &error))
        << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("\xD0\x9E\xD1\x81\xD1\x8C\n\nx\n"));
    const auto lines = readTextLines(path, 100, &error);
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, QStringList({QStringLiteral(u"Ось"), QString(), "x"}));
}

TEST(TextFile, RefusesMissingAndOversizedFiles) {
    QTemporaryDir dir;
    const QString path = dir.filePath("big.txt");
    QString error;
    EXPECT_FALSE(readTextLines(path, 100, &error));
    EXPECT_TRUE(error.contains(path)) << error.toStdString();

    ASSERT_TRUE(writeTextLines(path, {QString(200, 'a')}, &error));
    error.clear();
    EXPECT_FALSE(readTextLines(path, 100, &error));
    EXPECT_TRUE(error.contains("100 bytes")) << error.toStdString();
    EXPECT_TRUE(readTextLines(path, 201, &error));
}

TEST(TextFile, ReadsAFileLargerThanOneReadPieceWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath("long.txt");
    const QStringList written{QString(100000, 'a'), QString(100000, 'b')};
    QString error;
    ASSERT_TRUE(writeTextLines(path, written, &error));
    const auto lines = readTextLines(path, 1 << 20, &error);
    ASSERT_TRUE(lines) << error.toStdString();
    EXPECT_EQ(*lines, written);
    EXPECT_FALSE(readTextLines(path, 200000, &error)) << "two lines and their ends pass the cap";
}

// The settings are written at every start with what was read: a file that already holds the
// lines is not written again, any other is.
TEST(TextFile, AFileThatHoldsTheLinesAlreadyIsLeftAsItIs) {
    const struct {
        const char* name;
        QByteArray held;
        bool rewritten;
    } cases[] = {
        {"the same lines", "English\nNoDebug\n", false},
        {"another line", "Russian\nNoDebug\n", true},
        {"the lines and more", "English\nNoDebug\n\n", true},
        {"the lines without the last end", "English\nNoDebug", true},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath("Brantuse.ini");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.held);
        file.flush();
        const QDateTime old = QDateTime::currentDateTime().addDays(-3);
        ASSERT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
        file.close();
        QString error;
        ASSERT_TRUE(writeTextLines(path, {"English", "NoDebug"}, &error)) << c.name;
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), QByteArray("English\nNoDebug\n")) << c.name;
        EXPECT_EQ(QFileInfo(path).lastModified() != old, c.rewritten) << c.name;
    }
}

TEST(TextFile, FailedWriteKeepsTheOldFile) {
    QTemporaryDir dir;
    QString error;
    // A folder in place of the file makes the write fail.
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken"));
    EXPECT_FALSE(writeTextLines(dir.filePath("taken"), {"x"}, &error));
    EXPECT_TRUE(error.contains("taken")) << error.toStdString();
    EXPECT_TRUE(QFileInfo(dir.filePath("taken")).isDir());
}

} // namespace
