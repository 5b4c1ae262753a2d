#include "components/base/ext_codes.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

TEST(ExtCodes, ShiftStateBecomesKeyDataFlagsAndBack) {
    const struct {
        const char* name;
        TShiftState shift;
        std::uint32_t flags;
    } cases[] = {
        {"none", {}, 0},
        {"shift", Qt::ShiftModifier, 0x08000000},
        {"ctrl", Qt::ControlModifier, 0x10000000},
        {"alt", Qt::AltModifier, 0x20000000},
        {"all three", Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, 0x38000000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShiftStateToKeyFlags(c.shift), c.flags) << c.name;
        EXPECT_EQ(KeyFlagsToShiftState(c.flags | 0x001c0001), c.shift) << c.name;
    }
    EXPECT_EQ(ShiftStateToKeyFlags(Qt::MetaModifier | Qt::KeypadModifier), 0u);
}

TEST(ExtCodes, DialogCodesMapBitByBitAndDropTheNativeMarker) {
    const struct {
        TDialogCode code;
        unsigned dlgc;
    } cases[] = {
        {TDialogCode::WantAllKeys, 0x4}, {TDialogCode::WantArrows, 0x1},
        {TDialogCode::WantChars, 0x80},  {TDialogCode::Button, 0x2000},
        {TDialogCode::HasSetSel, 0x8},   {TDialogCode::WantTab, 0x2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DlgcToDialogCodes(c.dlgc), TDialogCodes(c.code)) << c.dlgc;
        EXPECT_EQ(DialogCodesToDlgc(c.code | TDialogCode::Native), c.dlgc) << c.dlgc;
    }
    // Flags without a code (DLGC_DEFPUSHBUTTON, DLGC_STATIC) are not kept.
    EXPECT_EQ(DlgcToDialogCodes(0x10 | 0x100), TDialogCodes());
    EXPECT_EQ(DialogCodesToDlgc(DlgcToDialogCodes(0x208f)), 0x208fu);
}

TEST(ExtCodes, KeysBecomeTheDesktopsDialogCharacters) {
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::uint16_t expected;
    } cases[] = {
        {Qt::Key_Tab, Qt::ControlModifier, 9},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 9},
        {Qt::Key_Return, {}, 13},
        {Qt::Key_Escape, {}, 27},
        {Qt::Key_A, Qt::AltModifier, 'A'},
        {Qt::Key_5, {}, '5'},
        {Qt::Key_F4, {}, 0},
        {Qt::Key_Left, {}, 0},
    };
    for (const auto& c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers);
        EXPECT_EQ(DialogCharKey(event), c.expected) << c.key;
    }
}
