#include "components/base/next_char.h"

#include <QChar>

namespace {

TWkNextCharFunction chosen = nullptr;

} // namespace

const WCHAR* CharNextW(const WCHAR* text) {
    if (*text == 0)
        return text;
    const WCHAR* next = text + 1;
    if (QChar::isHighSurrogate(*text) && QChar::isLowSurrogate(*next))
        ++next;
    for (;;) {
        char32_t code = *next;
        const WCHAR* after = next + 1;
        if (QChar::isHighSurrogate(*next) && QChar::isLowSurrogate(*after)) {
            code = QChar::surrogateToUcs4(*next, *after);
            ++after;
        }
        if (code == 0 || !QChar::isMark(code))
            return next;
        next = after;
    }
}

const WCHAR* NextWideChar(const WCHAR* text) {
    return *text == 0 ? text : text + 1;
}

TWkNextCharFunction NextCharFunctionFor(DWORD platformId) {
    return platformId == VER_PLATFORM_WIN32_NT ? &CharNextW : &NextWideChar;
}

TWkNextCharFunction WkNextChar() {
    return chosen;
}

void ChooseWkNextChar(DWORD platformId) {
    chosen = NextCharFunctionFor(platformId);
}

void ForgetWkNextChar() {
    chosen = nullptr;
}
