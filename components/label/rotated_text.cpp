#include "components/label/rotated_text.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace {

// Rounds to the nearest integer, halves to even.
int RoundEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

double Radians(int degrees) {
    return degrees * std::numbers::pi / 180.0;
}

// The angle between the text's direction and the nearest vertical, in degrees.
int QuadrantAngle(int angle) {
    if (angle < 90)
        return 90 - angle;
    if (angle < 180)
        return angle - 90;
    if (angle < 270)
        return 270 - angle;
    return angle - 270;
}

} // namespace

TRotatedPlacement PlaceRotatedText(int angle, TSize text, TSize client, TAlignment alignment,
                                   bool autoSize) {
    const double q = Radians(QuadrantAngle(angle));
    const int a = RoundEven(text.cx * std::sin(q));
    const int b = RoundEven(text.cx * std::cos(q));
    const int c = RoundEven(text.cy * std::cos(q));
    const int d = RoundEven(text.cy * std::sin(q));
    const int bw = a + c;
    const int bh = b + d;
    TRotatedPlacement placement{{bw, bh}, {}};
    if (autoSize) {
        if (angle < 90)
            placement.Origin = {0, b};
        else if (angle < 180)
            placement.Origin = {a, bh};
        else if (angle < 270)
            placement.Origin = {bw, d};
        else
            placement.Origin = {c, 0};
        return placement;
    }
    const double hw = client.cx / 2.0;
    const double hh = client.cy / 2.0;
    // Per quadrant: y, then x for left, right and centred alignment.
    double y = 0;
    double across[3] = {};
    if (angle < 90) {
        y = hh + (bh - 2.0 * d) / 2;
        across[taLeftJustify] = 0;
        across[taRightJustify] = 2 * hw - bw;
        across[taCenter] = hw - bw / 2.0;
    } else if (angle < 180) {
        y = hh + bh / 2.0;
        across[taLeftJustify] = a;
        across[taRightJustify] = 2 * hw - c;
        across[taCenter] = hw + (bw - 2.0 * c) / 2;
    } else if (angle < 270) {
        y = hh - (bh - 2.0 * d) / 2;
        across[taLeftJustify] = bw;
        across[taRightJustify] = 2 * hw;
        across[taCenter] = hw + bw / 2.0;
    } else {
        y = hh - bh / 2.0;
        across[taLeftJustify] = c;
        across[taRightJustify] = 2 * hw - a;
        across[taCenter] = hw - (bw - 2.0 * c) / 2;
    }
    placement.Origin = {RoundEven(across[alignment]), RoundEven(y)};
    return placement;
}

int RotatedLineLength(int angle, TSize area) {
    const double horizontal = std::abs(std::cos(Radians(angle)));
    const double vertical = std::abs(std::sin(Radians(angle)));
    constexpr double Unlimited = std::numeric_limits<double>::max();
    // A direction component that is (nearly) zero puts no limit on the line.
    constexpr double Straight = 1e-9;
    const double byWidth = horizontal > Straight ? area.cx / horizontal : Unlimited;
    const double byHeight = vertical > Straight ? area.cy / vertical : Unlimited;
    return std::max(0, static_cast<int>(std::floor(std::min(byWidth, byHeight) + 1e-6)));
}
