#include <gtest/gtest.h>

#include "core/entry/FormLayout.h"

namespace kt {
namespace {

TEST(FormLayout, ControlsFollowTheFormSizeWithIntegerDivisions) {
    FormSizes s;
    s.width = 1001;
    s.height = 801;
    s.gridHeight = 170;
    s.gridFrame = 1;
    s.detailsWidth = 90;
    s.exitWidth = 181;
    s.actionWidth = 200;
    s.buttonHeight = 36;
    const FormLayout l = LayoutForm(s);
    EXPECT_EQ(l.grid, (Rect{20, 80, 951, 170}));
    EXPECT_EQ(l.columnWidth, 118);  // (951 - 2) / 8
    EXPECT_EQ(l.chart, (Rect{20, 250, 961, 261}));
    EXPECT_EQ(l.actionButton, (Rect{400, 38, 200, 36}));
    EXPECT_EQ(l.exitButton, (Rect{790, 38, 181, 36}));
    EXPECT_EQ(l.daySummary, (Rect{20, 561, 460, 230}));
    EXPECT_EQ(l.averagesSummary, (Rect{520, 561, 460, 230}));
    EXPECT_EQ(l.averagingHeading, (Rect{520, 521, 201, 30}));  // (1001 - 250 - 20) - 520 - 10
    EXPECT_EQ(l.averagingCombo, (Rect{731, 521, 140, 30}));
    EXPECT_EQ(l.detailsButton, (Rect{891, 521, 90, 30}));
}

}  // namespace
}  // namespace kt
