// The desktop's list of recently used files, read as untrusted input.

#include "components/edit/recent_files.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QStringList FixtureFiles{"/home/user/new firmware.hex", "/srv/middle.hex", "/tmp/old.hex"};

QByteArray fixture() {
    QFile file(QStringLiteral(TAVRO_RECENT_FIXTURES "/recently-used.xbel"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

TEST(RecentFiles, ListsLocalFilesMostRecentFirstOnce) {
    EXPECT_EQ(ParseRecentlyUsed(fixture()), FixtureFiles)
        << "addresses and names with line breaks are left out";
}

TEST(RecentFiles, AnythingButAWellFormedListYieldsNothing) {
    const QByteArray whole = fixture();
    const struct {
        const char* name;
        QByteArray document;
    } cases[] = {
        {"empty", ""},
        {"cut short", whole.left(whole.size() / 2)},
        {"another root", R"(<other><bookmark href="file:///tmp/a"/></other>)"},
        {"garbage after the list", whole + "<xbel/>"},
        {"unclosed bookmark", R"(<xbel><bookmark href="file:///tmp/a"></xbel>)"},
        {"undeclared entity", R"(<xbel><bookmark href="file:///tmp/&x;"/></xbel>)"},
        {"entities beyond the expansion limit",
         R"(<?xml version="1.0"?><!DOCTYPE xbel [<!ENTITY a "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa">)"
         R"(<!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;">)"
         R"(<!ENTITY c "&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;">)"
         R"(<!ENTITY d "&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;">)"
         R"(]><xbel><bookmark href="file:///tmp/&d;"/></xbel>)"},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(ParseRecentlyUsed(c.document).isEmpty()) << c.name;
    EXPECT_EQ(ParseRecentlyUsed(R"(<xbel><bookmark href="file:///tmp/a"/></xbel>)"),
              QStringList{"/tmp/a"})
        << "the smallest list";
}

TEST(RecentFiles, TooManyEntriesYieldNothing) {
    QByteArray many = "<xbel>";
    for (int i = 0; i < 5000; ++i)
        many += "<bookmark href=\"file:///tmp/f" + QByteArray::number(i) + "\"/>";
    many += "</xbel>";
    EXPECT_TRUE(ParseRecentlyUsed(many).isEmpty());
}

TEST(RecentFiles, TheListLivesInTheDesktopsDataFolder) {
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "/data/home");
    EXPECT_EQ(RecentlyUsedFilePath(), "/data/home/recently-used.xbel");
    qputenv("XDG_DATA_HOME", "relative");
    EXPECT_TRUE(RecentlyUsedFilePath().endsWith("/.local/share/recently-used.xbel"))
        << "a relative folder is not taken";
    qputenv("XDG_DATA_HOME", saved);

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    EXPECT_TRUE(ReadRecentlyUsed(folder.filePath("missing.xbel")).isEmpty());
    EXPECT_TRUE(ReadRecentlyUsed(folder.path()).isEmpty()) << "a folder is no list";
    QFile file(folder.filePath("recently-used.xbel"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(fixture());
    file.close();
    EXPECT_EQ(ReadRecentlyUsed(file.fileName()), FixtureFiles);
}

} // namespace
