#include "components/util/command_line.h"

namespace {

bool isBlank(QChar c) {
    return c.unicode() <= 32;
}

// The position after the token that starts at 0, and the token.
qsizetype readProgram(const QString& line, QString& program) {
    const qsizetype size = line.size();
    if (line.front() == u'"') {
        qsizetype close = line.indexOf(u'"', 1);
        if (close < 0)
            close = size;
        program = line.mid(1, close - 1);
        return std::min(close + 1, size);
    }
    qsizetype pos = 0;
    while (pos < size && !isBlank(line[pos])) {
        if (line[pos] == u'"') {
            const qsizetype close = line.indexOf(u'"', pos + 1);
            pos = close < 0 ? size : close + 1;
        } else {
            ++pos;
        }
    }
    program = line.left(pos);
    return pos;
}

} // namespace

SplitCommand SplitCommandLine(const QString& commandLine) {
    SplitCommand result;
    if (commandLine.isEmpty())
        return result;
    qsizetype pos = readProgram(commandLine, result.program);
    // Only codes 1..32 are skipped: a NUL stays part of the parameters.
    while (pos < commandLine.size() && commandLine[pos].unicode() >= 1 &&
           commandLine[pos].unicode() <= 32)
        ++pos;
    result.parameters = commandLine.mid(pos);
    return result;
}
