// The settings file and language file readers on the input as a file's bytes: decoding (UTF-8 or
// Windows-1251), line splitting and the two records built from the lines, as both readers run
// them after reading the file. The file read itself is left out: it allocates the readers' whole
// size cap (up to 1 MiB) on every read, which under the sanitizers would bring a run down to
// tens of inputs a second.
#include "configurator/files/settings_file.h"
#include "configurator/files/text_file.h"
#include "configurator/model/language_lines.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList lines = splitTextLines(decodeText8(bytes));
    const SettingsRecord settings = SettingsRecord::fromLines(lines);
    settings.filterVid();
    settings.filterPid();
    settings.debugView();
    settings.toLines();
    const LanguageLines language(lines.mid(0, LanguageLines::LineCount));
    for (int line = 0; line <= LanguageLines::LineCount + 1; ++line)
        language.line(line);
    return 0;
}
