#include "components/edit/file_name_rules.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(FileNameRules, ResolveKeepsExistingEntriesAndCutsOthersToTheFirstToken) {
    QTemporaryDir dir;
    const QString file = dir.filePath("my fw.hex");
    QFile(file).open(QIODevice::WriteOnly);
    const struct {
        QString name;
        bool addQuotes;
        QString resolved;
    } cases[] = {
        {file, true, file},
        {dir.path(), true, dir.path() + "/"},
        {"/no/such file.hex", true, "/no/such"},
        {"\"/no/such file.hex\" -v", true, "/no/such file.hex"},
        {"/no/such file.hex", false, "/no/such file.hex"},
        {"-", true, "-"},
        {"", true, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResolveFileName(c.name, c.addQuotes), c.resolved) << c.name.toStdString();
}

TEST(FileNameRules, QuotesOnlyNamesWithBlanksAndUnquotingUndoesIt) {
    const struct {
        QString name;
        QString quoted;
    } cases[] = {
        {"/fw/joy.hex", "/fw/joy.hex"},
        {"/fw/my joy.hex", "\"/fw/my joy.hex\""},
        {"\"/fw/my joy.hex\"", "\"/fw/my joy.hex\""},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QuoteFileName(c.name), c.quoted) << c.name.toStdString();
        EXPECT_EQ(UnquoteFileName(QuoteFileName(c.name)), UnquoteFileName(c.name));
    }
    EXPECT_EQ(UnquoteFileName("\"/fw/my joy.hex\""), "/fw/my joy.hex");
    EXPECT_EQ(UnquoteFileName("\""), "\"");
    EXPECT_EQ(UnquoteFileName("\"a\" \"b\"").size(), 5); // inner quotes are part of the name
}

TEST(FileNameRules, SplitsFolderAndName) {
    EXPECT_EQ(FileDirectoryPart("/fw/joy.hex"), "/fw/");
    EXPECT_EQ(FileNamePart("/fw/joy.hex"), "joy.hex");
    EXPECT_EQ(FileDirectoryPart("-"), "");
    EXPECT_EQ(FileNamePart("-"), "-");
    EXPECT_EQ(FileNamePart("/fw/"), "");
}

} // namespace
