#include "components/util/file_names.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(FileNames, LinuxNamesAreRefusedOnlyWhenEmptyOrHoldingANul) {
    const struct {
        QString name;
        bool valid;
    } cases[] = {
        {QString(), false},
        {QStringLiteral("/home/pilot/configs/stick.cfg"), true},
        {QStringLiteral("C:\\Tavro\\stick.cfg"), true},
        {QStringLiteral("a<b>c\"d?e*f|g"), true},
        {QStringLiteral(" "), true},
        {QStringLiteral("stick") + QChar(u'\0') + QStringLiteral(".cfg"), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidFileName(c.name), c.valid) << c.name.toStdString();
}

TEST(FileNames, FindsAnyOfTheCharacters) {
    EXPECT_TRUE(ContainsAnyChar(QStringLiteral("a|b"), QStringLiteral("<>|")));
    EXPECT_FALSE(ContainsAnyChar(QStringLiteral("abc"), QStringLiteral("<>|")));
    EXPECT_FALSE(ContainsAnyChar(QStringLiteral("abc"), QString()));
}

TEST(FileNames, LooksUpTheEntryNameWithoutItsFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath(QStringLiteral("Stick Profile.cfg")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("loaders")));

    EXPECT_EQ(GetLongFileName(file.fileName()), QStringLiteral("Stick Profile.cfg"));
    EXPECT_EQ(GetShortFileName(file.fileName()), QStringLiteral("Stick Profile.cfg"));
    EXPECT_EQ(GetLongFileName(dir.filePath(QStringLiteral("loaders/"))), QStringLiteral("loaders"));
    EXPECT_EQ(GetLongFileName(dir.filePath(QStringLiteral("missing.cfg"))), QString());
    EXPECT_EQ(GetShortFileName(dir.filePath(QStringLiteral("missing.cfg"))), QString());
    EXPECT_EQ(GetLongFileName(QString()), QString());
}
