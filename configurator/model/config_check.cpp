#include "configurator/model/config_check.h"

#include "configurator/model/item_lists.h"
#include "configurator/model/report_codec_parts.h"

#include <QSet>
#include <algorithm>
#include <optional>

namespace {

constexpr int DelayMin = 2;
constexpr int SpeedMin = 1;
constexpr int TimingMax = 200;

const QString Space = QStringLiteral(" ");

using Verdict = std::optional<QString>;

Verdict SensorsUnique(const Config& config, const LanguageLines& lines,
                      const QStringList& sourceItems, int& sensorAxes) {
    const QStringList ports = PortItems();
    const QStringList channels = ChannelItems();
    QSet<QString> seen;
    for (int n = 1; n <= JoystickAxisCount; ++n) {
        const AxisRow& row = config.axes[n - 1];
        if (row.source <= SourceVirtual)
            continue;
        const QString key = ItemText(sourceItems, row.source) + QLatin1Char('#') +
                            ItemText(ports, row.port) + QLatin1Char('#') +
                            ItemText(channels, row.channel);
        if (seen.contains(key))
            return lines.line(47) + Space + key + Space + lines.line(48) + Space +
                   QString::number(n);
        seen.insert(key);
        ++sensorAxes;
    }
    return std::nullopt;
}

Verdict UsagesPresent(const Config& config, const LanguageLines& lines) {
    for (int n = 1; n <= JoystickAxisCount; ++n) {
        const AxisRow& row = config.axes[n - 1];
        if (row.source > SourceNone && row.usage == 0)
            return lines.line(49) + Space + QString::number(n);
    }
    return std::nullopt;
}

Verdict UsagesUnique(const Config& config, const LanguageLines& lines) {
    QSet<QString> seen;
    for (int n = 1; n <= JoystickAxisCount; ++n) {
        const AxisRow& row = config.axes[n - 1];
        if (row.source == SourceNone)
            continue;
        const QString usage = ItemText(UsageItems(n), row.usage);
        if (seen.contains(usage))
            return lines.line(50) + Space + usage + Space + lines.line(48) + Space +
                   QString::number(n);
        seen.insert(usage);
    }
    return std::nullopt;
}

Verdict HatDirectionsSet(const Config& config, const LanguageLines& lines) {
    for (int h = 1; h <= HatCount; ++h) {
        const Hat& hat = config.hats[h - 1];
        if (!hat.on)
            continue;
        for (int d = HatUp; d <= HatRight; ++d)
            if (hat.directions[d] == 0)
                return lines.line(52 + d) + QString::number(h);
    }
    return std::nullopt;
}

Verdict HatButtonsUnique(const Config& config, const LanguageLines& lines, int& buttons) {
    const QStringList items = ButtonItems();
    QSet<QString> seen;
    for (int h = 1; h <= HatCount; ++h) {
        for (int d = HatUp; d <= HatRight; ++d) {
            const int button = config.hats[h - 1].directions[d];
            if (button <= 0)
                continue;
            const QString text = ItemText(items, button);
            if (seen.contains(text))
                return lines.line(56) + text + Space + lines.line(57 + d) + QString::number(h);
            seen.insert(text);
            ++buttons;
        }
    }
    return std::nullopt;
}

Verdict VirtualAxesHaveButtons(const Config& config, const LanguageLines& lines) {
    for (int n = 1; n <= JoystickAxisCount; ++n) {
        const AxisRow& row = config.axes[n - 1];
        if (row.source != SourceVirtual)
            continue;
        if (row.buttonUp == 0)
            return lines.line(64) + Space + QString::number(n);
        if (row.buttonDown == 0)
            return lines.line(63) + Space + QString::number(n);
    }
    return std::nullopt;
}

// A character named in a message: printable ones as they are, the others by their code.
QString ShownCharacter(const QString& text, int at) {
    const bool pair =
        at + 1 < text.size() && text[at].isHighSurrogate() && text[at + 1].isLowSurrogate();
    const QString character = text.mid(at, pair ? 2 : 1);
    if (character.size() == 1 && !character[0].isPrint())
        return QStringLiteral("U+%1")
            .arg(character[0].unicode(), 4, 16, QLatin1Char('0'))
            .toUpper();
    return character;
}

// The ids and the name go to the controller as bytes; a text that does not fit is reported
// here rather than guessed at when writing or saving.
Verdict IdentityFits(const Config& config, const LanguageLines& lines) {
    if (const std::optional<EncodeError> error = IdentityEncodeError(config.identity))
        return EncodeErrorMessage(*error, config, lines);
    return std::nullopt;
}

} // namespace

void ClampSlotTimings(Config& config) {
    for (SpecialFunctionSlot& slot : config.specialFunctions) {
        slot.delay = std::clamp(slot.delay.value_or(0), DelayMin, TimingMax);
        slot.speed = std::clamp(slot.speed.value_or(0), SpeedMin, TimingMax);
    }
}

CheckResult CheckConfig(Config& config, const LanguageLines& lines,
                        const QStringList& sourceItems) {
    CheckResult result;
    ClampSlotTimings(config);
    Verdict verdict = SensorsUnique(config, lines, sourceItems, result.sensorAxes);
    if (!verdict)
        verdict = UsagesPresent(config, lines);
    if (!verdict)
        verdict = UsagesUnique(config, lines);
    if (!verdict)
        verdict = HatDirectionsSet(config, lines);
    if (!verdict)
        verdict = HatButtonsUnique(config, lines, result.buttons);
    if (!verdict) {
        result.buttons += int(std::count_if(config.knpTable.begin(), config.knpTable.end(),
                                            [](const KnpRow& row) { return row.number > 0; }));
        verdict = VirtualAxesHaveButtons(config, lines);
    }
    if (!verdict)
        verdict = IdentityFits(config, lines);
    if (verdict) {
        result.message = *verdict;
        return result;
    }
    result.ok = true;
    result.message = lines.line(68) + Space + QString::number(result.sensorAxes) + lines.line(69) +
                     Space + QString::number(result.buttons) + QLatin1Char('.');
    return result;
}

QString EncodeErrorMessage(const EncodeError& error, const Config& config,
                           const LanguageLines& lines) {
    const QString number = QString::number(error.number);
    const auto field = [&](int captionLine, const QString& text) {
        return lines.line(51) + Space + lines.line(captionLine) + QStringLiteral(" [") + text +
               QLatin1Char(']');
    };
    const auto numbered = [&](int ownerLine, int captionLine) {
        return lines.line(51) + Space + lines.line(ownerLine) + Space + number +
               QStringLiteral(", ") + lines.line(captionLine) + QStringLiteral(" []");
    };
    const QString fourHexDigits = QStringLiteral(" (4 \u00D7 0..9, A..F)");
    const DeviceIdentity& identity = config.identity;
    switch (error.field) {
    case EncodeField::Step:
        return numbered(29, 42);
    case EncodeField::Delay:
        return numbered(37, 35);
    case EncodeField::Speed:
        return numbered(37, 36);
    case EncodeField::VendorId:
        return field(15, identity.vendorId) + fourHexDigits;
    case EncodeField::ProductId:
        return field(16, identity.productId) + fourHexDigits;
    case EncodeField::DeviceName: {
        const int at = std::max(FirstNameCharacterBeyondOneByte(identity.name), 0);
        return field(19, identity.name) + QStringLiteral(": ") + ShownCharacter(identity.name, at);
    }
    }
    return {};
}
