#pragma once
// Shared types of the component library: the colour tables read by the colour controls, the
// clipboard commands of the edits and the process-wide thread-naming hook.

#include "platform/ui/color.h"
#include "platform/win32/types.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <initializer_list>

// One named colour: its value, its identifier ("clBlack") and a localised display text.
struct TDefColorItem {
    TColor Value;
    QString Constant;
    QString Description;
};

using TWkStandardColorTable = std::array<TDefColorItem, 20>;
using TWkSystemColorTable = std::array<TDefColorItem, 30>;
using TWkPaletteColorTable = std::array<TDefColorItem, 40>;

// The process-wide tables. Descriptions are empty until WkTypesInitialization binds them and
// again after WkTypesFinalization.
const TWkStandardColorTable& WkStandardColors();
const TWkSystemColorTable& WkSystemColors();
const TWkPaletteColorTable& WkPaletteColors();

// Start-up and shut-down of this unit (counted, see UnitLifetime): the first start-up binds the
// descriptions to their translatable texts, the last shut-down releases them.
void WkTypesInitialization();
void WkTypesFinalization();

// Called with each name and id a library thread gives itself; unset unless a program sets it.
using TWkNameThreadProc = void (*)(const QByteArray& threadName, DWORD threadId);
extern TWkNameThreadProc WkNameThreadHook;

enum TWkClipboardCommand : unsigned { caCopy, caCut, caPaste, caClear, caUndo };

// A set of clipboard commands, one bit per command (caCopy = bit 0 ... caUndo = bit 4).
class TWkClipboardCommands {
public:
    static constexpr unsigned AllBits = 0x1F;

    constexpr TWkClipboardCommands() = default;
    constexpr TWkClipboardCommands(std::initializer_list<TWkClipboardCommand> commands) {
        for (const auto command : commands)
            value |= 1u << command;
    }
    static constexpr TWkClipboardCommands All() { return FromBits(AllBits); }
    static constexpr TWkClipboardCommands FromBits(unsigned bits) {
        TWkClipboardCommands set;
        set.value = bits & AllBits;
        return set;
    }

    constexpr bool Contains(TWkClipboardCommand command) const { return (value >> command) & 1u; }
    constexpr unsigned Bits() const { return value; }
    friend constexpr bool operator==(TWkClipboardCommands, TWkClipboardCommands) = default;

private:
    unsigned value = 0;
};
