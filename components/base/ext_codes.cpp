#include "components/base/ext_codes.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<TDialogCode, unsigned>, 6> CodeFlags{{
    {TDialogCode::WantAllKeys, DLGC_WANTALLKEYS},
    {TDialogCode::WantArrows, DLGC_WANTARROWS},
    {TDialogCode::WantChars, DLGC_WANTCHARS},
    {TDialogCode::Button, DLGC_BUTTON},
    {TDialogCode::HasSetSel, DLGC_HASSETSEL},
    {TDialogCode::WantTab, DLGC_WANTTAB},
}};

constexpr std::array<std::pair<Qt::KeyboardModifier, std::uint32_t>, 3> ShiftFlags{{
    {Qt::ShiftModifier, KeyDataShift},
    {Qt::AltModifier, KeyDataAlt},
    {Qt::ControlModifier, KeyDataCtrl},
}};

} // namespace

std::uint32_t ShiftStateToKeyFlags(TShiftState shift) {
    std::uint32_t flags = 0;
    for (const auto& [modifier, flag] : ShiftFlags) {
        if (shift.testFlag(modifier))
            flags |= flag;
    }
    return flags;
}

TShiftState KeyFlagsToShiftState(std::uint32_t keyData) {
    TShiftState shift;
    for (const auto& [modifier, flag] : ShiftFlags) {
        if (keyData & flag)
            shift |= modifier;
    }
    return shift;
}

std::uint16_t DialogCharKey(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Backspace:
        return 8;
    default:
        // Qt's printable keys below 0x100 are their Latin-1 codes, letters in capitals.
        return event.key() >= Qt::Key_Space && event.key() <= 0xff
                   ? static_cast<std::uint16_t>(event.key())
                   : 0;
    }
}

TDialogCodes DlgcToDialogCodes(unsigned dlgc) {
    TDialogCodes codes;
    for (const auto& [code, flag] : CodeFlags) {
        if (dlgc & flag)
            codes |= code;
    }
    return codes;
}

unsigned DialogCodesToDlgc(TDialogCodes codes) {
    unsigned dlgc = 0;
    for (const auto& [code, flag] : CodeFlags) {
        if (codes.testFlag(code))
            dlgc |= flag;
    }
    return dlgc;
}

unsigned NativeDlgc(const QWidget& widget) {
    if (widget.focusPolicy() == Qt::NoFocus)
        return 0;
    if (qobject_cast<const QAbstractButton*>(&widget))
        return DLGC_BUTTON;
    unsigned dlgc = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (qobject_cast<const QLineEdit*>(&widget))
        dlgc |= DLGC_HASSETSEL;
    if (const auto* view = qobject_cast<const QAbstractItemView*>(&widget);
        view && view->tabKeyNavigation())
        dlgc |= DLGC_WANTTAB;
    return dlgc;
}
