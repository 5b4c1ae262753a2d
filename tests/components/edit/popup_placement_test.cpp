#include "components/edit/popup_placement.h"

#include <gtest/gtest.h>

namespace {

TEST(PopupPlacement, OpensBelowOrAboveAndStaysInTheWorkArea) {
    const QRect work(1920, 0, 1280, 1000); // a second screen right of the first
    const struct {
        const char* name;
        QRect edit;
        QSize popup;
        TPopupAlign align;
        QPoint at;
    } cases[] = {
        {"right-aligned below", {2400, 100, 200, 21}, {300, 150}, epaRight, {2300, 121}},
        {"left-aligned below", {2400, 100, 200, 21}, {300, 150}, epaLeft, {2400, 121}},
        {"above near the bottom", {2400, 900, 200, 21}, {300, 150}, epaRight, {2300, 750}},
        {"right-aligned would leave the area",
         {1930, 100, 100, 21},
         {300, 150},
         epaRight,
         {1930, 121}},
        {"left-aligned shifted back from the right edge",
         {3100, 100, 100, 21},
         {300, 150},
         epaLeft,
         {2900, 121}},
        {"wider than the area sticks to its left",
         {2000, 100, 100, 21},
         {1500, 150},
         epaLeft,
         {1920, 121}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PopupPosition(c.edit, c.popup, work, c.align), c.at) << c.name;
}

} // namespace
