#pragma once
// What the configuration's edits accept while the user types, and the texts they are forced to
// after a change. Key predicates answer whether a typed character is kept (Backspace, 8, always
// is); the clamps return the text the edit shows instead.

#include "configurator/model/config.h"

#include <QChar>
#include <QString>
#include <optional>

constexpr int IdentityIdLength = 4;
constexpr int DeviceNameLength = 15;
constexpr int RangeBoundMax = 255; // ab_0K_l, ab_0K_h: one byte each in the image

// DigitControl: "0".."9".
bool IsDigitKey(QChar key);
// HexDigitControl: "0".."9", upper-case "A".."F".
bool IsHexDigitKey(QChar key);
// dev_nameKeyPress: space, "(", ")", "-", "0".."9", "A".."Z", "[", "]", "_", "a".."z".
bool IsDeviceNameKey(QChar key);

// dev_vidChange: vendor and product id cut to 4 characters, the name to 15.
void CutIdentity(DeviceIdentity& identity);

// btn_timer_1Change: an empty or non-numeric text becomes "0", above 254 (also too long a
// number) becomes "254".
QString ClampedTimerText(const QString& text);

// osi_1_cal_01_editChange for a virtual-axis step: an empty or non-numeric text becomes "0",
// above 100 becomes "100".
QString ClampedStepText(const QString& text);

// The calibration edits and the range bounds (max CalibrationMax, RangeBoundMax): a number above
// max, also too long a number, becomes max and a negative one "0", so the edit shows what the
// image holds; any other text, an empty one included, stays as typed.
QString LimitedText(const QString& text, int max);

// The lenient number of an edit: its decimal value, 0 when the text is not a number.
int LenientNumber(const QString& text);

// The strict number of an edit: its decimal value, empty when the text is not a number.
std::optional<int> StrictNumber(const QString& text);
