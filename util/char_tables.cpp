#include "util/char_tables.h"

#include "util/code_page.h"
#include "util/errors.h"

#include <QChar>
#include <array>
#include <future>
#include <memory>
#include <unordered_map>

namespace {

constexpr int WideCount = 0x10000;
constexpr int AnsiCount = 0x100;
constexpr char16_t Undefined = u'\uFFFD';

struct WideTables {
    std::array<WORD, WideCount> types;
    std::array<char16_t, WideCount> lower;
    std::array<char16_t, WideCount> upper;
    std::array<char16_t, WideCount> reflect;
};

bool IsHexDigit(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

bool InCategories(QChar::Category category, QChar::Category first, QChar::Category last) {
    return category >= first && category <= last;
}

// Every class follows from the unit's one category lookup (as QChar's own tests do), which
// keeps the start-up walk over all 65,536 units short.
WORD ClassifyUnit(char16_t unit) {
    const QChar::Category category = QChar(unit).category();
    WORD type = 0;
    if (category == QChar::Letter_Uppercase)
        type |= C1_UPPER;
    if (category == QChar::Letter_Lowercase)
        type |= C1_LOWER;
    if (category == QChar::Number_DecimalDigit)
        type |= C1_DIGIT;
    if ((unit >= u'\t' && unit <= u'\r') || unit == u'\u0085' ||
        InCategories(category, QChar::Separator_Space, QChar::Separator_Paragraph))
        type |= C1_SPACE;
    if (InCategories(category, QChar::Punctuation_Connector, QChar::Symbol_Other))
        type |= C1_PUNCT;
    if (category == QChar::Other_Control)
        type |= C1_CNTRL;
    if (unit == u'\t' || category == QChar::Separator_Space)
        type |= C1_BLANK;
    if (IsHexDigit(unit))
        type |= C1_XDIGIT;
    if (InCategories(category, QChar::Letter_Uppercase, QChar::Letter_Other))
        type |= C1_ALPHA;
    if (category != QChar::Other_NotAssigned)
        type |= C1_DEFINED;
    return type;
}

// Case mappings that leave a single code unit; others keep the character unchanged.
char16_t LowerUnit(char16_t unit) {
    return QChar(unit).toLower().unicode();
}

char16_t UpperUnit(char16_t unit) {
    return QChar(unit).toUpper().unicode();
}

template <typename Unit> Unit Reflect(WORD type, Unit self, Unit lower, Unit upper) {
    if (type & C1_UPPER)
        return lower;
    if (type & C1_LOWER)
        return upper;
    return self;
}

std::unique_ptr<WideTables> BuildWide() {
    auto t = std::make_unique<WideTables>();
    for (int i = 0; i < WideCount; ++i) {
        const auto unit = static_cast<char16_t>(i);
        t->types[i] = ClassifyUnit(unit);
        t->lower[i] = LowerUnit(unit);
        t->upper[i] = UpperUnit(unit);
        t->reflect[i] = Reflect(t->types[i], unit, t->lower[i], t->upper[i]);
    }
    return t;
}

} // namespace

AnsiCharTables BuildAnsiCharTables(UINT codePage) {
    std::array<char16_t, AnsiCount> characters{};
    if (!SingleByteCharacters(codePage, characters)) {
        for (int i = 0; i < AnsiCount; ++i)
            characters[std::size_t(i)] = char16_t(i);
    }
    // Case maps that lead to a character the code page lacks keep the byte.
    std::unordered_map<char16_t, BYTE> bytes;
    for (int i = AnsiCount - 1; i >= 0; --i)
        bytes[characters[std::size_t(i)]] = BYTE(i);
    const auto toByte = [&bytes](char16_t mapped, BYTE self) {
        const auto found = bytes.find(mapped);
        return found == bytes.end() ? self : found->second;
    };
    AnsiCharTables t{};
    for (int i = 0; i < AnsiCount; ++i) {
        const auto byte = static_cast<BYTE>(i);
        const char16_t unit = characters[std::size_t(i)];
        if (unit == Undefined) {
            t.lower[i] = t.upper[i] = t.reflect[i] = byte;
            continue;
        }
        t.types[i] = ClassifyUnit(unit);
        t.lower[i] = toByte(LowerUnit(unit), byte);
        t.upper[i] = toByte(UpperUnit(unit), byte);
        t.reflect[i] = Reflect(t.types[i], byte, t.lower[i], t.upper[i]);
    }
    return t;
}

char AnsiReplacementChar(UINT codePage) {
    CPINFO info{};
    if (!GetCPInfo(codePage, &info))
        throw ECkInternalError(LoadResString(CkRes::SNoReplacementChar));
    return char(info.DefaultChar[0]);
}

namespace {

// The wide tables take a walk over all 65,536 code units, a few milliseconds: the start-up sets
// it going beside the rest of its work, and the first look-up waits for it.
const std::shared_future<std::unique_ptr<WideTables>>& WideBuild() {
    static const std::shared_future<std::unique_ptr<WideTables>> build =
        std::async(std::launch::async, BuildWide).share();
    return build;
}

const WideTables& Wide() {
    static const WideTables* const tables = WideBuild().get().get();
    return *tables;
}

const AnsiCharTables& Ansi() {
    static const AnsiCharTables tables = BuildAnsiCharTables(CP_ACP);
    return tables;
}

} // namespace

void BuildCharTables() {
    Ansi();
    WideBuild();
}

WORD AnsiCharType(BYTE c) {
    return Ansi().types[c];
}

BYTE AnsiLowerCase(BYTE c) {
    return Ansi().lower[c];
}

BYTE AnsiUpperCase(BYTE c) {
    return Ansi().upper[c];
}

BYTE AnsiReflectCase(BYTE c) {
    return Ansi().reflect[c];
}

WORD WideCharType(char16_t c) {
    return Wide().types[c];
}

char16_t WideLowerCase(char16_t c) {
    return Wide().lower[c];
}

char16_t WideUpperCase(char16_t c) {
    return Wide().upper[c];
}

char16_t WideReflectCase(char16_t c) {
    return Wide().reflect[c];
}
