#include "util/char_tables.h"

#include <QChar>
#include <array>
#include <memory>

namespace {

constexpr int WideCount = 0x10000;
constexpr int AnsiCount = 0x100;

struct WideTables {
    std::array<WORD, WideCount> types;
    std::array<char16_t, WideCount> lower;
    std::array<char16_t, WideCount> upper;
    std::array<char16_t, WideCount> reflect;
};

struct AnsiTables {
    std::array<WORD, AnsiCount> types;
    std::array<BYTE, AnsiCount> lower;
    std::array<BYTE, AnsiCount> upper;
    std::array<BYTE, AnsiCount> reflect;
};

bool IsHexDigit(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

WORD ClassifyUnit(char16_t unit) {
    const QChar c(unit);
    const QChar::Category category = c.category();
    WORD type = 0;
    if (category == QChar::Letter_Uppercase)
        type |= C1_UPPER;
    if (category == QChar::Letter_Lowercase)
        type |= C1_LOWER;
    if (category == QChar::Number_DecimalDigit)
        type |= C1_DIGIT;
    if (c.isSpace())
        type |= C1_SPACE;
    if (c.isPunct() || c.isSymbol())
        type |= C1_PUNCT;
    if (category == QChar::Other_Control)
        type |= C1_CNTRL;
    if (unit == u'\t' || category == QChar::Separator_Space)
        type |= C1_BLANK;
    if (IsHexDigit(unit))
        type |= C1_XDIGIT;
    if (c.isLetter())
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

// A mapping that leads out of Latin-1 keeps the byte.
BYTE ToAnsi(char16_t mapped, BYTE self) {
    return mapped < AnsiCount ? static_cast<BYTE>(mapped) : self;
}

AnsiTables BuildAnsi() {
    AnsiTables t{};
    for (int i = 0; i < AnsiCount; ++i) {
        const auto byte = static_cast<BYTE>(i);
        t.types[i] = ClassifyUnit(byte);
        t.lower[i] = ToAnsi(LowerUnit(byte), byte);
        t.upper[i] = ToAnsi(UpperUnit(byte), byte);
        t.reflect[i] = Reflect(t.types[i], byte, t.lower[i], t.upper[i]);
    }
    return t;
}

const WideTables& Wide() {
    static const std::unique_ptr<WideTables> tables = BuildWide();
    return *tables;
}

const AnsiTables& Ansi() {
    static const AnsiTables tables = BuildAnsi();
    return tables;
}

} // namespace

void BuildCharTables() {
    Ansi();
    Wide();
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
