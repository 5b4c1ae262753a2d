#pragma once
// The per-row controls of the window reached by row, slot or point number. Arrays are indexed
// from 1 as the window's scheme numbers its controls; slot 0 stays empty.

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class QWidget;

constexpr int AxisRows = 10;
constexpr int StatisticsAxes = 8;
constexpr int CurveSlots = 6;
constexpr int CurvePoints = 9;

template <typename Control, int Count> using ControlArray = std::array<Control*, Count + 1>;

struct ControlArrays {
    ControlArray<QComboBox, AxisRows> OsiSrc{}, OsiSrcPort{}, OsiSrcChnl{}, OsiName{}, OsiFilter{};
    ControlArray<QSpinBox, AxisRows> OsiDzl{}, OsiDzc{}, OsiDzh{}, OsiDzd{};
    ControlArray<QComboBox, AxisRows> OsiAcal{};
    ControlArray<QLineEdit, AxisRows> OsiAcalMin{}, OsiAcalCen{}, OsiAcalMax{};
    ControlArray<QCheckBox, AxisRows> OsiInvert{};
    ControlArray<QLineEdit, AxisRows> OsiMsStep{};
    ControlArray<QComboBox, AxisRows> OsiMsBtnD{}, OsiMsBtn{}, OsiMsBtnU{};
    ControlArray<QComboBox, AxisRows> OsiSpecfunc{}, OsiPrcsn{};
    ControlArray<QLineEdit, AxisRows> OsiValue{}, OsiAxisValue{};
    ControlArray<QLineEdit, AxisRows> StatRaw{}, StatMin{}, StatMax{}, StatStp{}, StatFps{};
    ControlArray<QComboBox, CurveSlots> ZmKnp{};
    ControlArray<QLineEdit, CurveSlots> ZmDel{}, ZmSpd{};
    ControlArray<QCheckBox, CurveSlots> CurveSym{};
    // Point p of curve s sits in slot CurvePointSlot(s, p).
    ControlArray<QSpinBox, CurveSlots * CurvePoints> CurvePoint{};
};

constexpr int CurvePointSlot(int slot, int point) {
    return CurvePoints * (slot - 1) + point;
}

// Fills every array from the controls under root, found by their names. Throws
// std::runtime_error naming the first control that is missing or of another kind.
ControlArrays AssignObjects(const QWidget& root);
