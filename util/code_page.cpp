#include "util/code_page.h"

#include "platform/win32/last_error.h"
#include "util/locale_utils.h"

#include <QByteArray>
#include <cerrno>
#include <iconv.h>
#include <string>

namespace {

constexpr UINT Utf8CodePage = 65001;

bool IsMultiByte(UINT codePage) {
    switch (codePage) {
    case Utf8CodePage:
    case 932:   // Shift JIS
    case 936:   // GBK
    case 949:   // Unified Hangul
    case 950:   // Big5
    case 20932: // EUC-JP
    case 51949: // EUC-KR
    case 54936: // GB18030
        return true;
    default:
        return false;
    }
}

// The converter's name for a code page.
std::string CodesetName(UINT codePage) {
    switch (codePage) {
    case Utf8CodePage:
        return "UTF-8";
    case 20127:
        return "ASCII";
    case 20866:
        return "KOI8-R";
    case 21866:
        return "KOI8-U";
    case 20932:
        return "EUC-JP";
    case 51949:
        return "EUC-KR";
    case 54936:
        return "GB18030";
    default:
        if (codePage > 28590 && codePage <= 28606)
            return "ISO-8859-" + std::to_string(codePage - 28590);
        return "CP" + std::to_string(codePage);
    }
}

class Converter {
public:
    explicit Converter(UINT codePage)
        : FHandle(iconv_open("UTF-16LE", CodesetName(codePage).c_str())) {}
    ~Converter() {
        if (Valid())
            iconv_close(FHandle);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Valid() const { return FHandle != reinterpret_cast<iconv_t>(-1); }
    // The one UTF-16 unit of byte, or U+FFFD.
    char16_t Decode(BYTE byte) {
        iconv(FHandle, nullptr, nullptr, nullptr, nullptr);
        char in = char(byte);
        char16_t out[2] = {};
        char* inPointer = &in;
        char* outPointer = reinterpret_cast<char*>(out);
        std::size_t inLeft = 1;
        std::size_t outLeft = sizeof out;
        if (iconv(FHandle, &inPointer, &inLeft, &outPointer, &outLeft) == std::size_t(-1) ||
            outLeft != sizeof out - sizeof(char16_t))
            return u'\uFFFD';
        return out[0];
    }

private:
    iconv_t FHandle;
};

UINT Resolved(UINT codePage) {
    return codePage == CP_ACP ? LocaleCodePage() : codePage;
}

} // namespace

BOOL GetCPInfo(UINT codePage, CPINFO* info) {
    codePage = Resolved(codePage);
    if (!info || !Converter(codePage).Valid()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *info = CPINFO{};
    info->DefaultChar[0] = '?';
    if (codePage == Utf8CodePage) {
        info->MaxCharSize = 4;
    } else if (IsMultiByte(codePage)) {
        info->MaxCharSize = 2;
        info->LeadByte[0] = 0x81;
        info->LeadByte[1] = 0xFE;
    } else {
        info->MaxCharSize = 1;
    }
    return TRUE;
}

bool SingleByteCharacters(UINT codePage, std::array<char16_t, 256>& characters) {
    codePage = Resolved(codePage);
    if (IsMultiByte(codePage))
        return false;
    Converter converter(codePage);
    if (!converter.Valid())
        return false;
    for (int byte = 0; byte < 256; ++byte)
        characters[std::size_t(byte)] = converter.Decode(BYTE(byte));
    return true;
}
