#include "util/errors.h"

#include "platform/win32/last_error.h"

#include <utility>

namespace {

constexpr const char* Win32ErrorFormat = "Win32 error: %s (%u)%s%s";

} // namespace

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

void ECkWin32Error::SetCallerText(const QString& text) {
    SetMessage(QString::asprintf(Win32ErrorFormat, FLastErrorMsg.toUtf8().constData(),
                                 unsigned{FLastError}, "\r\n", text.toUtf8().constData()));
}
