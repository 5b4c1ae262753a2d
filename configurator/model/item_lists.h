#pragma once
// Item lists of the configuration's combo boxes and grid editors. A Config field holds an index
// into one of these lists; the counts bound every index the codec reads or writes. Lists whose
// items come from the language file take the lines in; a missing line gives an empty item.

#include "configurator/model/language_lines.h"

#include <QStringList>

constexpr int SourceItemCount = 12;
constexpr int PortItemCount = 49;
constexpr int ChannelItemCount = 9;
constexpr int UsageItemCount = 14;
constexpr int MouseUsageItemCount = 3;
constexpr int FilterItemCount = 14;
constexpr int AutoCalibrationItemCount = 5;
constexpr int PrecisionItemCount = 7;
constexpr int SpecialFunctionItemCount = 7;
constexpr int ButtonItemCount = 97;
constexpr int RangeAxisItemCount = 9;
constexpr int ShiftRegisterLengthItemCount = 5;
constexpr int PollIntervalItemCount = 5;
constexpr int BoardItemCount = 4;
constexpr int CurveAxisItemCount = 17;
constexpr int KbMsFunctionItemCount = 130;
constexpr int GridNumberItemCount = 97;
constexpr int GridModeItemCount = 5;
constexpr int GridShiftItemCount = 4;
constexpr int GridTimOnItemCount = 4;
constexpr int GridTimOfItemCount = 2;

// osi_N_src once a language is applied: "--", line 45, line 44, then the nine sensor chips.
QStringList SourceItems(const LanguageLines& lines);
// osi_N_src before any language file is applied: the same items, with the names of items 1
// and 2 as the English language file gives them, so a stored index means the same source.
QStringList DesignSourceItems();
// osi_N_src_port, led_port, matrix and shift-register pins: "--", "A0".."F7".
QStringList PortItems();
// osi_N_src_chnl: "--", "1".."8".
QStringList ChannelItems();
// osi_N_name of row (1..10): "--", "X".."Elevator"; rows 9 and 10: "--", "Mouse X", "Mouse Y".
QStringList UsageItems(int row);
// osi_N_filter: "---", "x2".."x14".
QStringList FilterItems();
// osi_N_acal: "---", lines 86..89.
QStringList AutoCalibrationItems(const LanguageLines& lines);
// osi_N_prcsn: "8".."14".
QStringList PrecisionItems();
// osi_N_specfunc: "---", "1".."6".
QStringList SpecialFunctionItems();
// Physical button combos (virtual-axis buttons, hats, shifts, encoders, slots, ranges):
// "--", "01".."96".
QStringList ButtonItems();
// ab_0K_a: "--", "1".."8".
QStringList RangeAxisItems();
// sr_0K_len: "--", "01".."04".
QStringList ShiftRegisterLengthItems();
// dev_poll: "-", "1", "2", "4", "8".
QStringList PollIntervalItems();
// joy_hardware: "--" and the three boards.
QStringList BoardItems();
// CurveVisualAxis: "--", "1".."16".
QStringList CurveAxisItems();

// Grid editors. KnpGrid_CB_Type: "--", "MOUSE_1".."MOUSE_3", then the 126 keyboard keys whose
// index is their usage in the USB HID keyboard usage table (4 = a .. 129 = Volume Down).
QStringList KbMsFunctionItems();
// KnpGrid_CB_Number: "----------", "1".."96".
QStringList GridNumberItems();
// KnpGrid_CB_Mode: "----------", line 137, 137 + " " + 138, 137 + " " + 139, line 140.
QStringList GridModeItems(const LanguageLines& lines);
// KnpGrid_CB_Shift: "----------", line 132 + " 1" .. " 3".
QStringList GridShiftItems(const LanguageLines& lines);
// KnpGrid_CB_TimOn: "----------", line 133 + " 1" .. " 3".
QStringList GridTimOnItems(const LanguageLines& lines);
// KnpGrid_CB_TimOf: line 143, line 142 (no blank item).
QStringList GridTimOfItems(const LanguageLines& lines);

// The item at index of items, or an empty text when index lies outside the list.
QString ItemText(const QStringList& items, int index);
