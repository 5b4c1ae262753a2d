#pragma once
// Splitting a command line into its program and its parameters.

#include <QString>

struct SplitCommand {
    QString program;
    QString parameters;
};

// The program is the first token: a leading quoted stretch without its quotes (up to the end
// when unclosed), else everything up to the first blank or control character, where a quoted
// stretch, quotes kept, does not end the token. The parameters are the rest after the blanks
// and control characters that follow. An empty line gives two empty texts.
SplitCommand SplitCommandLine(const QString& commandLine);
