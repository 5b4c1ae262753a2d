#pragma once
// Key and dialog-code conversions of the extension layer: the shift state as the desktop's
// key-data flags, and the dialog codes by which a control tells the window which keys it keeps
// for itself (tab, arrows, characters) instead of leaving them to focus navigation.

#include <QFlags>
#include <Qt>
#include <cstdint>

class QKeyEvent;
class QWidget;

// Shift state of a key or mouse event: Shift, Alt and Ctrl (Qt's Shift, Alt and Control
// modifiers).
using TShiftState = Qt::KeyboardModifiers;

// Key-data flags as the desktop's key messages carry them.
constexpr std::uint32_t KeyDataShift = 0x08000000;
constexpr std::uint32_t KeyDataCtrl = 0x10000000;
constexpr std::uint32_t KeyDataAlt = 0x20000000;

std::uint32_t ShiftStateToKeyFlags(TShiftState shift);
TShiftState KeyFlagsToShiftState(std::uint32_t keyData);

// The desktop's 16-bit key of a key event: Tab (also Shift+Tab) is 9, Return 13, Escape 27,
// letters their capital; 0 for a key without one (function and cursor keys).
std::uint16_t DialogCharKey(const QKeyEvent& event);

// Dialog-code flags as the desktop's dialog manager knows them.
constexpr unsigned DLGC_WANTARROWS = 0x1;
constexpr unsigned DLGC_WANTTAB = 0x2;
constexpr unsigned DLGC_WANTALLKEYS = 0x4;
constexpr unsigned DLGC_HASSETSEL = 0x8;
constexpr unsigned DLGC_WANTCHARS = 0x80;
constexpr unsigned DLGC_BUTTON = 0x2000;

enum class TDialogCode : unsigned {
    WantAllKeys = 0x01,
    WantArrows = 0x02,
    WantChars = 0x04,
    Button = 0x08,
    HasSetSel = 0x10,
    WantTab = 0x20,
    // Marks the codes as the Qt class's own answer; a hook that clears it replaces the answer.
    Native = 0x40,
};
Q_DECLARE_FLAGS(TDialogCodes, TDialogCode)
Q_DECLARE_OPERATORS_FOR_FLAGS(TDialogCodes)

TDialogCodes DlgcToDialogCodes(unsigned dlgc);
// The native marker has no flag of its own and is dropped.
unsigned DialogCodesToDlgc(TDialogCodes codes);

// What a Qt widget does with keys on its own: nothing without focus, a button is a button, an
// item view with tab navigation keeps Tab, an edit takes a text selection, everything else that
// takes the focus wants arrows and characters.
unsigned NativeDlgc(const QWidget& widget);
