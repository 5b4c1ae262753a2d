#pragma once
// How the file-name edits read, check and quote the names they show.

#include <QString>

// name itself when a file of that name exists; with a trailing "/" when a folder does; else,
// when addQuotes, its first token of a command line (a leading quoted stretch without its
// quotes, else up to the first blank); else name itself.
QString ResolveFileName(const QString& name, bool addQuotes);

// name in double quotes when it holds a blank and does not start with one; else name itself.
QString QuoteFileName(const QString& name);

// The name QuoteFileName was given: a name enclosed in double quotes loses them.
QString UnquoteFileName(const QString& text);

// The folder part of name up to and with its last "/"; empty when it has none.
QString FileDirectoryPart(const QString& name);
// What follows the last "/".
QString FileNamePart(const QString& name);
