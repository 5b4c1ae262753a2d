#pragma once
// The screen's cursor table: cursor numbers mapped to cursors. The built-in numbers are
// negative and stand for Qt's cursor shapes; programs add their own at positive numbers.

#include <QCursor>

enum TCursor : int {
    crDefault = 0,
    crArrow = -2,
    crCross = -3,
    crIBeam = -4,
    crSizeNESW = -6,
    crSizeNS = -7,
    crSizeNWSE = -8,
    crSizeWE = -9,
    crUpArrow = -10,
    crHourGlass = -11,
    crDrag = -12,
    crNoDrop = -13,
    crHSplit = -14,
    crVSplit = -15,
    crMultiDrag = -16,
    crNo = -18,
    crAppStart = -19,
    crHelp = -20,
    crHandPoint = -21,
    crSizeAll = -22,
};

// The cursor set at number, else the built-in one, else the arrow.
QCursor ScreenCursor(int number);
void SetScreenCursor(int number, const QCursor& cursor);
