#include <gtest/gtest.h>

#include <limits>

#include "core/activities/ActivityTable.h"
#include "core/base/Format.h"
#include "core/settings/Settings.h"

namespace kt {
namespace {

// Every name and MET of the defaults is compared with the golden activity list file.
TEST(ActivityTableTest, DefaultsAndPositionsOfTheTable) {
    ActivityTable table;
    ASSERT_EQ(table.Entries().size(), 310u);
    // Every named entry has a positive MET and no stray blanks; the last five are placeholders.
    for (int i = 0; i < 310; ++i) {
        const Activity& a = table.At(i);
        if (i >= 305) {
            EXPECT_TRUE(a.name == "User Defined" && a.met == 0.0) << i;
        } else {
            EXPECT_TRUE(a.met > 0.0 && !a.name.empty() && a.name.front() != ' ' && a.name.back() != ' ') << i << " " << a.name;
        }
    }
    EXPECT_TRUE(table.Find(-1) == nullptr && table.Find(310) == nullptr && table.Find(309) == &table.At(309));
    EXPECT_TRUE(table.SetActivity(305, "Rowing machine", 7.0));
    EXPECT_EQ(Format("%s=%g %s", table.At(305).name.c_str(), table.At(305).met, table.At(306).name.c_str()),
              "Rowing machine=7 User Defined");
    EXPECT_FALSE(table.SetActivity(310, "x", 1.0) || table.SetActivity(-1, "x", 1.0));
    // A changed table leaves the shared defaults alone.
    EXPECT_EQ(ActivityTable::Defaults().At(305).name, "User Defined");
}

TEST(ActivityTableTest, CalculateCalories) {
    ActivityTable table;
    table.SetActivity(175, "Racquetball, competitive", 10.0);
    table.SetActivity(176, "Racquetball, competitive", 2.0);
    table.SetActivity(305, "Rowing machine", 7.0);
    const std::vector<uint16_t> defaults = DefaultSelectedActivities();
    const uint16_t huge = std::numeric_limits<uint16_t>::max();
    struct Case {
        bool metric;
        double lastWeight;
        std::vector<uint16_t> selected;
        double minutes, weight;
        const char* name;
        double calories;
    };
    const Case cases[] = {
        // Pounds are converted: 45 minutes at 176 lbs is 80 kg x 0.75 h x 10.9865.
        {false, 0, defaults, 45, 176, "Swimming butterfly", 659.19},
        {true, 0, defaults, 60, 70, "Running, 8km/h - 7.5 min/km (5 m/h - 12 min/mile)", 7.9916 * 70},
        {true, 0, defaults, 60, 70, "Cycling, 12-13.9mph, moderate", 559.426},
        {true, 0, defaults, 60, 70, "swimming butterfly", 0},  // names match exactly, case included
        {true, 0, defaults, 60, 70, "Archery", 0},             // in the table but not selected
        // No weight given: the document's last weight, if there is one; a typed weight wins.
        {false, 176, {248}, 45, 0, "Swimming butterfly", 659.19},
        {false, 0, {248}, 45, 0, "Swimming butterfly", 0},
        {false, 500, {248}, 45, 176, "Swimming butterfly", 659.19},
        // The first selected entry of a duplicate name wins; a renamed entry has its new name only.
        {true, 0, {176, 175}, 60, 50, "Racquetball, competitive", 100},
        {true, 0, {175, 176}, 60, 50, "Racquetball, competitive", 500},
        {true, 0, {305}, 30, 80, "Rowing machine", 280},
        {true, 0, {305}, 30, 80, "User Defined", 0},
        // Positions outside the table are skipped.
        {true, 0, {310, huge}, 60, 70, "Archery", 0},
        {true, 0, {310, huge, 4}, 60, 70, "Archery", 3.4972 * 70},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(CalculateCalories(table, c.selected, c.metric, c.lastWeight, c.minutes, c.weight, c.name), c.calories, 1e-9)
            << c.name << " " << c.weight;
    }
}

}  // namespace
}  // namespace kt
