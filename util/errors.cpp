#include "util/errors.h"

#include "platform/win32/last_error.h"

#include <utility>

ECkError::ECkError(QString message) {
    SetMessage(std::move(message));
}

const char* ECkError::what() const noexcept {
    return FWhat.constData();
}

void ECkError::SetMessage(QString message) {
    FMessage = std::move(message);
    FWhat = FMessage.toUtf8();
}

ECkWin32Error::ECkWin32Error(CapturedError)
    : ECkError(QString()), FLastError(GetLastError()), FLastErrorMsg(SysErrorMessage(FLastError)) {}

ECkWin32Error::ECkWin32Error(const QString& msg) : ECkWin32Error(CapturedError{}) {
    SetCallerText(msg);
}

ECkWin32Error ECkWin32Error::CreateRes(int identifier) {
    ECkWin32Error error{CapturedError{}};
    error.SetCallerText(LoadStr(identifier));
    return error;
}

ECkWin32Error ECkWin32Error::CreateRes(const TResStringRec& record) {
    return CreateRes(record.Identifier);
}

void ECkWin32Error::SetCallerText(const QString& text) {
    SetMessage(TextFormat(LoadResString(CkRes::SWin32Error),
                          {FLastErrorMsg, FLastError, QStringLiteral("\r\n"), text}));
}

void ECkWin32Error::SetFormattedText(const QString& format, std::initializer_list<TCkFmtArg> args) {
    try {
        SetCallerText(TextFormat(format, args));
    } catch (const EConvertError&) {
        SetCallerText(format);
    }
}
