#include "configurator/files/language_file.h"
#include "configurator/files/text_file.h"
#include "tests/configurator/files/numbered_language.h"
#include "tests/configurator/files/qt_print.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(LanguageFile, ListsLngFilesWithEveryExtensionRemoved) {
    QTemporaryDir dir;
    for (const char* name : {"Russian.lng", "English.LNG", "Old.lng.lng", "notes.txt", "lng"})
        writeBytes(dir.filePath(name), "x\n");
    ASSERT_TRUE(QDir(dir.path()).mkdir("Folder.lng"));
    EXPECT_EQ(listLanguageNames(dir.path()), QStringList({"English", "Old", "Russian"}));
}

TEST(LanguageFile, FindsTheFileOfANameIgnoringCase) {
    QTemporaryDir dir;
    writeBytes(dir.filePath("English.LNG"), "x\n");
    writeBytes(dir.filePath("Russian.lng"), "x\n");
    const struct {
        const char* language;
        const char* file; // nullptr: none
    } cases[] = {{"English", "English.LNG"},
                 {"russian", "Russian.lng"},
                 {"Russian", "Russian.lng"},
                 {"German", nullptr},
                 {"", nullptr}};
    for (const auto& c : cases) {
        const auto found = findLanguageFile(dir.path(), c.language);
        if (!c.file)
            EXPECT_FALSE(found) << c.language;
        else
            EXPECT_EQ(found.value_or(""), dir.filePath(c.file)) << c.language;
    }
}

TEST(LanguageFile, ReadsAtMost151LinesAndMissingLinesAreEmpty) {
    QTemporaryDir dir;
    const struct {
        const char* name;
        int lines;
    } cases[] = {{"short", 100}, {"exact", 151}, {"long", 170}};
    for (const auto& c : cases) {
        const QString path = dir.filePath(QStringLiteral("%1.lng").arg(c.name));
        QString error;
        ASSERT_TRUE(writeTextLines(path, numberedLanguageLines(c.lines), &error));
        const auto lines = readLanguageFile(path, &error);
        ASSERT_TRUE(lines) << c.name;
        EXPECT_LE(lines->lines().size(), LanguageLines::LineCount) << c.name;
        for (int k = 1; k <= LanguageLines::LineCount; ++k) {
            const QString expected = k <= c.lines ? QStringLiteral("L%1").arg(k) : QString();
            EXPECT_EQ(lines->line(k), expected) << c.name << " line " << k;
        }
    }
}

TEST(LanguageFile, ReadsWindows1251FilesWithWindowsLineEnds) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Russian.lng");
    writeBytes(path, "\xCE\xF1\xFC\r\n\xCA\xED\xEE\xEF\xEA\xE0\r\n");
    QString error;
    const auto lines = readLanguageFile(path, &error);
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->line(1), QStringLiteral(u"Ось"));
    EXPECT_EQ(lines->line(2), QStringLiteral(u"Кнопка"));
    EXPECT_EQ(lines->line(3), QString());
}

} // namespace
