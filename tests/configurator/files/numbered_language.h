#pragma once
// The language fixture of the file tests: line k reads "L<k>", so every text shows which line it
// came from.

#include "configurator/model/language_lines.h"

#include <QString>
#include <QStringList>

inline QStringList numberedLanguageLines(int count = LanguageLines::LineCount) {
    QStringList lines;
    for (int k = 1; k <= count; ++k)
        lines << QStringLiteral("L%1").arg(k);
    return lines;
}

inline LanguageLines numberedLanguage() {
    return LanguageLines(numberedLanguageLines());
}
