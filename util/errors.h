#pragma once
// Exceptions of the utility library. ECkWin32Error carries the thread's last Win32 error code and
// its system text, taken when the exception is made, so raise it right after the failing call.

#include "platform/win32/types.h"
#include "util/resource_strings.h"
#include "util/text_format.h"

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

// A format or an argument that TextFormat cannot show: "Format '<format>' invalid or
// incompatible with argument", or "No argument for format '<format>'".
class EConvertError : public ECkError {
public:
    using ECkError::ECkError;
};

class ECkWin32Error : public ECkError {
public:
    // The message reads "Win32 error: <system text> (<code>)" + CR LF + msg.
    explicit ECkWin32Error(const QString& msg);

    // As above, with msg filled from args by TextFormat ("%s", "%d", "%u", "%x" ...). The error
    // code is taken before the arguments are formatted. A format that does not fit its
    // arguments leaves msg as it stands, so that the system error is still reported.
    template <typename... Args>
    static ECkWin32Error CreateFmt(const QString& msg, const Args&... args) {
        ECkWin32Error error{CapturedError{}};
        error.SetFormattedText(msg, {TCkFmtArg(args)...});
        return error;
    }
    // As above, with the string-table text of that number, or of that record, as msg.
    static ECkWin32Error CreateRes(int identifier);
    static ECkWin32Error CreateRes(const TResStringRec& record);

    DWORD LastError() const { return FLastError; }
    const QString& LastErrorMsg() const { return FLastErrorMsg; }

private:
    struct CapturedError {};
    explicit ECkWin32Error(CapturedError);
    void SetCallerText(const QString& text);
    void SetFormattedText(const QString& format, std::initializer_list<TCkFmtArg> args);

    DWORD FLastError;
    QString FLastErrorMsg;
};

class ECkMutexError : public ECkWin32Error {
public:
    using ECkWin32Error::ECkWin32Error;
    explicit ECkMutexError(const ECkWin32Error& error) : ECkWin32Error(error) {}
};

class ESharedMemError : public ECkError {
public:
    using ECkError::ECkError;
};
