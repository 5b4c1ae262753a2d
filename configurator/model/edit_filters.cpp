#include "configurator/model/edit_filters.h"

namespace {

constexpr char16_t Backspace = 8;

bool InRange(QChar key, char16_t first, char16_t last) {
    return key.unicode() >= first && key.unicode() <= last;
}

bool AllDigits(const QString& text) {
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (!InRange(c, u'0', u'9'))
            return false;
    return true;
}

// LimitedText, with every text that is no number becoming "0".
QString ClampedText(const QString& text, int max) {
    if (!StrictNumber(text) && !AllDigits(text))
        return QStringLiteral("0");
    return LimitedText(text, max);
}

} // namespace

bool IsDigitKey(QChar key) {
    return key.unicode() == Backspace || InRange(key, u'0', u'9');
}

bool IsHexDigitKey(QChar key) {
    return IsDigitKey(key) || InRange(key, u'A', u'F');
}

bool IsDeviceNameKey(QChar key) {
    switch (key.unicode()) {
    case Backspace:
    case u' ':
    case u'(':
    case u')':
    case u'-':
    case u'[':
    case u']':
    case u'_':
        return true;
    default:
        return InRange(key, u'0', u'9') || InRange(key, u'A', u'Z') || InRange(key, u'a', u'z');
    }
}

void CutIdentity(DeviceIdentity& identity) {
    identity.vendorId.truncate(IdentityIdLength);
    identity.productId.truncate(IdentityIdLength);
    identity.name.truncate(DeviceNameLength);
}

QString ClampedTimerText(const QString& text) {
    return ClampedText(text, ButtonTimerMax);
}

QString ClampedStepText(const QString& text) {
    return ClampedText(text, StepMax);
}

QString LimitedText(const QString& text, int max) {
    const std::optional<int> value = StrictNumber(text);
    if (!value)
        return AllDigits(text) ? QString::number(max) : text;
    if (*value > max)
        return QString::number(max);
    return *value < 0 ? QStringLiteral("0") : text;
}

int LenientNumber(const QString& text) {
    return StrictNumber(text).value_or(0);
}

std::optional<int> StrictNumber(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}
