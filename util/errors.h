#pragma once
// Exceptions of the utility library. ECkWin32Error carries the thread's last Win32 error code and
// its system text, taken when the exception is made, so raise it right after the failing call.

#include "platform/win32/types.h"

#include <QByteArray>
#include <QString>
#include <exception>

class ECkError : public std::exception {
public:
    explicit ECkError(QString message);

    const QString& Message() const { return FMessage; }
    const char* what() const noexcept override;

protected:
    void SetMessage(QString message);

private:
    QString FMessage;
    QByteArray FWhat;
};

class ECkInternalError : public ECkError {
public:
    using ECkError::ECkError;
};

class ECkWin32Error : public ECkError {
public:
    // The message reads "Win32 error: <system text> (<code>)" + CR LF + msg.
    explicit ECkWin32Error(const QString& msg);

    // As above, with msg filled by QString::arg from args in order ("%1", "%2" ...). The error
    // code is taken before the arguments are formatted. All placeholders are filled in one pass,
    // so a "%n" inside an argument's text stays as it is.
    template <typename... Args>
    static ECkWin32Error CreateFmt(const QString& msg, const Args&... args) {
        ECkWin32Error error{CapturedError{}};
        if constexpr (sizeof...(Args) == 0)
            error.SetCallerText(msg);
        else
            error.SetCallerText(msg.arg(ArgText(args)...));
        return error;
    }

    DWORD LastError() const { return FLastError; }
    const QString& LastErrorMsg() const { return FLastErrorMsg; }

private:
    struct CapturedError {};
    // The text QString::arg would insert for value.
    template <typename T> static QString ArgText(const T& value) {
        return QStringLiteral("%1").arg(value);
    }
    explicit ECkWin32Error(CapturedError);
    void SetCallerText(const QString& text);

    DWORD FLastError;
    QString FLastErrorMsg;
};

class ECkMutexError : public ECkWin32Error {
public:
    using ECkWin32Error::ECkWin32Error;
};

class ESharedMemError : public ECkError {
public:
    using ECkError::ECkError;
};
