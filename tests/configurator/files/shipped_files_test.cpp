#include "configurator/files/language_captions.h"
#include "configurator/files/language_file.h"
#include "configurator/files/settings_file.h"
#include "tests/configurator/files/qt_print.h"

#include <QFile>
#include <QStringDecoder>
#include <gtest/gtest.h>

namespace {

const QString ProgramFolder = QStringLiteral(TAVRO_PROGRAM_DIR);

TEST(ShippedFiles, LanguageFilesAreCompleteUtf8Texts) {
    for (const char* language : {"English", "Russian"}) {
        QFile file(ProgramFolder + "/" + language + ".lng");
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << language;
        const QByteArray bytes = file.readAll();
        QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
        const QString text = utf8.decode(bytes);
        EXPECT_FALSE(utf8.hasError()) << language;
        EXPECT_TRUE(text.endsWith('\n')) << language;
        const QStringList lines = text.chopped(1).split('\n');
        ASSERT_EQ(lines.size(), LanguageLines::LineCount) << language;
        for (int k = 1; k <= LanguageLines::LineCount; ++k) {
            const QString& line = lines[k - 1];
            EXPECT_FALSE(line.trimmed().isEmpty()) << language << " line " << k;
            EXPECT_EQ(line, line.trimmed()) << language << " line " << k;
            EXPECT_FALSE(line.contains('\r')) << language << " line " << k;
        }
    }
}

TEST(ShippedFiles, RussianTranslatesEveryCaption) {
    QString error;
    const auto english = readLanguageFile(ProgramFolder + "/English.lng", &error);
    const auto russian = readLanguageFile(ProgramFolder + "/Russian.lng", &error);
    ASSERT_TRUE(english && russian);
    const auto englishCaptions = languageCaptions(*english);
    const auto russianCaptions = languageCaptions(*russian);
    ASSERT_EQ(englishCaptions.size(), russianCaptions.size());
    for (qsizetype i = 0; i < englishCaptions.size(); ++i)
        EXPECT_NE(englishCaptions[i].text, russianCaptions[i].text)
            << englishCaptions[i].objectName.toStdString();
}

TEST(ShippedFiles, FirstStartChoosesEnglish) {
    // The program folder's copy changes once the program has run, so check the default itself.
    QString error;
    const auto settings = readSettingsFile(QStringLiteral(TAVRO_DEFAULT_SETTINGS), &error);
    ASSERT_TRUE(settings) << error.toStdString();
    EXPECT_EQ(settings->language, "English");
    EXPECT_FALSE(settings->debugView());
    EXPECT_TRUE(QFile::exists(settingsFilePath(ProgramFolder)));
    EXPECT_TRUE(listLanguageNames(ProgramFolder).contains("English"));
    EXPECT_TRUE(listLanguageNames(ProgramFolder).contains("Russian"));
    EXPECT_TRUE(findLanguageFile(ProgramFolder, settings->language));
}

} // namespace
