#pragma once
// Exceptions of the string builder and the indexed format.

#include "util/errors.h"

class ArgumentException : public ECkError {
public:
    using ECkError::ECkError;
    // "Argument <index> is null"
    static ArgumentException NullArgument(int index);
    // "Argument type of <index> is not supported"
    static ArgumentException TypeNotSupported(int index);
};

class ArgumentNullException : public ArgumentException {
public:
    using ArgumentException::ArgumentException;
    // "Argument <index> is null"
    static ArgumentNullException ForArgument(int index);
    // "Format string is null"
    static ArgumentNullException ForFormat();
};

class ArgumentOutOfRangeException : public ArgumentException {
public:
    // "Argument out of range"
    ArgumentOutOfRangeException();
};

class FormatException : public ECkError {
public:
    // "Format exception"
    FormatException();
};
