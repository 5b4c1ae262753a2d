#include "configurator/loader/loader_script.h"
#include "tests/configurator/files/qt_print.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const LoaderValues Values{"atmega32u4", "/fw/joy.hex", "/dev/ttyACM0",
                          "/opt/tavro/Plexivane_arduino/"};

TEST(LoaderScript, ReplacesEveryPlaceholderIgnoringCase) {
    const struct {
        const char* name;
        const char* line;
        const char* expected;
    } cases[] = {
        {"all four", "avrdude -p $CHIP$ -P $PORT$ -U flash:w:$FILE$:i -C $PATH$avrdude.conf",
         "avrdude -p atmega32u4 -P /dev/ttyACM0 -U flash:w:/fw/joy.hex:i -C "
         "/opt/tavro/Plexivane_arduino/avrdude.conf"},
        {"lower case", "dfu-programmer $chip$ flash $File$",
         "dfu-programmer atmega32u4 flash /fw/joy.hex"},
        {"twice", "$CHIP$ $CHIP$", "atmega32u4 atmega32u4"},
        {"inside double quotes", "-C \"$PATH$avrdude.conf\"",
         "-C \"\"/opt/tavro/Plexivane_arduino/\"avrdude.conf\""},
        {"inside single quotes", "'$CHIP$'", "''atmega32u4''"},
        {"no placeholder", "echo done; exit 0", "echo done; exit 0"},
        {"unknown and broken placeholders", "$CHIPS $PORT $X$ $", "$CHIPS $PORT $X$ $"},
        {"adjacent", "$PORT$$FILE$", "/dev/ttyACM0/fw/joy.hex"},
        {"empty line", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(substituteLoaderLine(c.line, Values), QString::fromUtf8(c.expected)) << c.name;
}

TEST(LoaderScript, TextBroughtInByAValueIsNotSubstitutedAgain) {
    LoaderValues values = Values;
    values.file = "fw$PORT$.hex";
    EXPECT_EQ(substituteLoaderLine("x $FILE$", values), "x fw\\$PORT\\$.hex");
}

TEST(LoaderScript, WritesEveryValueAsOneShellWord) {
    const struct {
        const char* value;
        const char* word;
    } cases[] = {
        {"plain/file-1.2_x:y,z+=@%", "plain/file-1.2_x:y,z+=@%"},
        {"", "''"},
        {"my firmware.hex", "my\\ firmware.hex"},
        {"it's.hex", "it\\'s.hex"},
        {"$(reboot);`id`|x&y", "\\$\\(reboot\\)\\;\\`id\\`\\|x\\&y"},
        {"\"double\" \\ *?[a]~#!", "\\\"double\\\"\\ \\\\\\ \\*\\?\\[a\\]\\~\\#\\!"},
        {"прошивка.hex", "прошивка.hex"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shellWord(QString::fromUtf8(c.value)), QString::fromUtf8(c.word)) << c.value;
}

// The arguments /bin/sh passes to printf for one substituted line, one per line in brackets.
QString RunInShell(const QString& line, const QString& folder) {
    QProcess shell;
    shell.setWorkingDirectory(folder);
    shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), line});
    if (!shell.waitForFinished(10000))
        return QStringLiteral("<shell did not end>");
    return QString::fromUtf8(shell.readAllStandardOutput() + shell.readAllStandardError());
}

TEST(LoaderScript, PlaceholderReachesTheProgramAsExactlyItsValueBareOrQuoted) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // A blank, both quotes, a dollar sign, backquotes, a backslash and would-be commands.
    const QString hostile =
        QStringLiteral("my fw's \"v2\" $HOME `touch pwned` $(touch pwned) \\x ; touch pwned.hex");
    const LoaderValues values{"atmega32u4", hostile, "/dev/ttyACM0", hostile + "/"};
    const struct {
        const char* name;
        const char* form; // the program's arguments in the template
        QStringList arguments;
    } cases[] = {
        {"bare", "$FILE$", {hostile}},
        {"double quotes", "\"$FILE$\"", {hostile}},
        {"double quotes with text after", "\"$PATH$avrdude.conf\"", {hostile + "/avrdude.conf"}},
        {"double quotes with text around", "\"<$FILE$> end\"", {"<" + hostile + "> end"}},
        {"single quotes", "'$FILE$'", {hostile}},
        {"single quotes with text around", "'<$FILE$>'", {"<" + hostile + ">"}},
        {"glued into a word", "flash:w:$FILE$:i", {"flash:w:" + hostile + ":i"}},
        {"quoted inside a word", "flash:w:\"$FILE$\":i", {"flash:w:" + hostile + ":i"}},
        {"twice", "\"$FILE$\" $FILE$", {hostile, hostile}},
        {"command substitution, quoted", "\"$(printf %s \"$FILE$\")\"", {hostile}},
        {"command substitution, bare inside", "\"$(printf %s $FILE$)\"", {hostile}},
        {"backquotes", "\"`printf %s $FILE$`\"", {hostile}},
        {"backquotes, quoted inside", "\"`printf %s \"$FILE$\"`\"", {hostile}},
        {"parameter default, quoted", "\"${TAVRO_UNSET:-$FILE$}\"", {hostile}},
    };
    for (const auto& c : cases) {
        const QString line = "printf '[%s]\\n' " + QString::fromLatin1(c.form);
        QString expected;
        for (const QString& argument : c.arguments)
            expected += "[" + argument + "]\n";
        EXPECT_EQ(RunInShell(substituteLoaderLine(line, values), folder.path()), expected)
            << c.name << ": " << substituteLoaderLine(line, values).toStdString();
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList()) << "nothing ran";
}

TEST(LoaderScript, OnlyTheFirstTwoTemplateLinesMakeTheScript) {
    const struct {
        const char* name;
        QStringList templateLines;
        QStringList script;
    } cases[] = {
        {"longer template",
         {"a $CHIP$", "b $PORT$", "c $FILE$", "d"},
         {"a atmega32u4", "b /dev/ttyACM0"}},
        {"one line", {"a $CHIP$"}, {"a atmega32u4", ""}},
        {"empty template", {}, {"", ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(loaderScriptLines(c.templateLines, Values), c.script) << c.name;
}

TEST(LoaderScript, NamesTheFirstValueHoldingALineBreak) {
    const struct {
        const char* name;
        LoaderValues values;
        std::optional<QString> refused;
    } cases[] = {
        {"clean", Values, std::nullopt},
        {"file", {"c", "a\nb", "p\r", "x"}, QString("firmware file")},
        {"port", {"c", "f", "p\r", "x"}, QString("port")},
        {"chip", {"c\r\n", "f", "p", "x"}, QString("chip")},
        {"path", {"c", "f", "p", "x\n"}, QString("loader folder")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(valueWithLineBreak(c.values), c.refused) << c.name;
}

} // namespace
