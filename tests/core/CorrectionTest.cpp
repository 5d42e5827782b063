#include <gtest/gtest.h>

#include "core/activities/ActivityTable.h"
#include "core/entry/Correction.h"
#include "core/entry/Duration.h"

namespace kt {
namespace {

TEST(Correction, ShortDurationsAreLoadedSoThatTheCaptureReadsThemAsMinutes) {
    for (double minutes : {5.0, 5.5, 0.25, 59.99, 90.0, 419.0}) {
        const std::string text = CorrectionDurationText(minutes, 7.0);
        EXPECT_NEAR(ParseDuration(text, 7.0).minutes, minutes, 0.01) << text;
    }
    EXPECT_EQ(CorrectionDurationText(5.0, 7.0), "0:05:00");
    EXPECT_EQ(CorrectionDurationText(45.0, 7.0), "45.000");
    EXPECT_EQ(CorrectionDurationText(7.0, 7.0), "7.000");  // a value equal to the threshold reads as minutes
}

// Writing the loaded activity back is the activity edit of the capture, tested with it.
TEST(Correction, ActivityIsLoadedWithItsNameMetAndIndex) {
    const ActivityTable table;
    EntryGrid grid;
    EntryState state;
    EXPECT_FALSE(LoadActivityForEdit(grid, state, table, 310));
    EXPECT_FALSE(state.replace);
    ASSERT_TRUE(LoadActivityForEdit(grid, state, table, 305));
    EXPECT_TRUE(state.replace);
    EXPECT_EQ(grid.Text(1, 0) + "|" + grid.Text(1, 1) + "|" + grid.Text(1, 2), "User Defined|0.0000|305");
}

}  // namespace
}  // namespace kt
