#include <gtest/gtest.h>

#include <limits>

#include "core/activities/ActivityTable.h"
#include "core/journal/KT2Doc.h"

namespace kt {
namespace {

TEST(ActivityTableTest, Defaults_HoldAll310EntriesInPositionOrder) {
    const ActivityTable table;
    ASSERT_EQ(table.Entries().size(), 310u);

    EXPECT_EQ(table.At(0).name, "Aerobics, general");
    EXPECT_DOUBLE_EQ(table.At(0).met, 6.4919);
    EXPECT_EQ(table.At(45).name, "Coaching: football,basketball,soccer");
    EXPECT_DOUBLE_EQ(table.At(45).met, 3.9928);
    EXPECT_EQ(table.At(37).name, "Children's games, hopscotch...");
    EXPECT_EQ(table.At(248).name, "Swimming butterfly");
    EXPECT_DOUBLE_EQ(table.At(248).met, 10.9865);
    EXPECT_EQ(table.At(304).name, "Wrestling");

    // The two names that end in U+2026 (UTF-8 E2 80 A6), not in three full stops.
    EXPECT_EQ(table.At(23).name, "Calisthenics, light, push-ups, sit-ups\xE2\x80\xA6");
    EXPECT_DOUBLE_EQ(table.At(23).met, 3.4972);
    EXPECT_EQ(table.At(24).name, "Calisthenics, fast, push-ups, sit-ups\xE2\x80\xA6");
    EXPECT_DOUBLE_EQ(table.At(24).met, 7.9918);

    EXPECT_EQ(table.At(175).name, "Racquetball, competitive");
    EXPECT_EQ(table.At(176).name, "Racquetball, competitive");
    for (int i = 305; i <= 309; ++i) {
        EXPECT_EQ(table.At(i).name, "User Defined") << i;
        EXPECT_EQ(table.At(i).met, 0.0) << i;
    }

    // Checksum over every MET value of the default table (computed from the published table).
    double sum = 0.0;
    for (const Activity& a : table.Entries()) sum += a.met;
    EXPECT_NEAR(sum, 1920.3326, 1e-9);

    // Every named entry has a positive MET value and no stray blanks from extraction.
    for (int i = 0; i < 305; ++i) {
        EXPECT_GT(table.At(i).met, 0.0) << i;
        EXPECT_FALSE(table.At(i).name.empty()) << i;
        EXPECT_NE(table.At(i).name.front(), ' ') << i;
        EXPECT_NE(table.At(i).name.back(), ' ') << i;
    }
}

TEST(ActivityTableTest, FindAndSetActivity_AcceptOnlyPositionsOfTheTable) {
    ActivityTable table;
    EXPECT_EQ(table.Find(-1), nullptr);
    EXPECT_EQ(table.Find(310), nullptr);
    ASSERT_NE(table.Find(309), nullptr);
    EXPECT_EQ(table.Find(309), &table.At(309));

    EXPECT_TRUE(table.SetActivity(305, "Rowing machine", 7.0));
    EXPECT_EQ(table.At(305).name, "Rowing machine");
    EXPECT_DOUBLE_EQ(table.At(305).met, 7.0);
    EXPECT_EQ(table.At(306).name, "User Defined");

    EXPECT_FALSE(table.SetActivity(310, "x", 1.0));
    EXPECT_FALSE(table.SetActivity(-1, "x", 1.0));
    // A changed table leaves the shared defaults alone.
    EXPECT_EQ(ActivityTable::Defaults().At(305).name, "User Defined");
}

TEST(ActivityTableTest, DefaultSelection_NamesTheFourteenDefaultActivities) {
    const std::vector<uint16_t> expected{0, 51, 60, 86, 97, 106, 109, 127, 132, 152, 191, 248, 281, 299};
    EXPECT_EQ(DefaultSelectedActivities(), expected);
    const ActivityTable& t = ActivityTable::Defaults();
    EXPECT_EQ(t.At(51).name, "Cross country snow skiing, slow");
    EXPECT_EQ(t.At(191).name, "Running, 8km/h - 7.5 min/km (5 m/h - 12 min/mile)");
    EXPECT_EQ(t.At(281).name, "Walking 4.8 k/h - 12:30 min/km (3.0 m/h), moderate");
    EXPECT_EQ(t.At(299).name, "Weeding, cultivating garden");
}

TEST(ActivityTableTest, CalculateCalories_Examples) {
    ActivityTable table;
    CKT2Doc doc;
    const std::vector<uint16_t> selected = DefaultSelectedActivities();

    // 45 minutes of swimming butterfly at 176 lbs: 80 kg x 0.75 h x 10.9865.
    doc.m_bMetric = false;
    EXPECT_NEAR(CalculateCalories(table, selected, doc, 45, 176, "Swimming butterfly"), 659.19, 1e-9);

    // Kilograms are used as they are: 60 minutes of MET 7.9918 at 70 kg.
    doc.m_bMetric = true;
    EXPECT_NEAR(CalculateCalories(table, selected, doc, 60, 70, "Running, 8km/h - 7.5 min/km (5 m/h - 12 min/mile)"), 7.9916 * 70, 1e-9);
    EXPECT_NEAR(CalculateCalories(table, selected, doc, 60, 70, "Cycling, 12-13.9mph, moderate"), 559.426, 1e-9);

    // Names match exactly, case included.
    EXPECT_EQ(CalculateCalories(table, selected, doc, 60, 70, "swimming butterfly"), 0.0);
    // In the table but not selected: nothing burned.
    EXPECT_EQ(CalculateCalories(table, selected, doc, 60, 70, "Archery"), 0.0);
}

TEST(ActivityTableTest, CalculateCalories_ZeroWeightUsesTheDocumentsLastWeight) {
    ActivityTable table;
    CKT2Doc doc;
    doc.m_bMetric = false;
    doc.m_dLastWeight = 176.0;
    const std::vector<uint16_t> selected{248};
    EXPECT_NEAR(CalculateCalories(table, selected, doc, 45, 0.0, "Swimming butterfly"), 659.19, 1e-9);
    doc.m_dLastWeight = 0.0;
    EXPECT_EQ(CalculateCalories(table, selected, doc, 45, 0.0, "Swimming butterfly"), 0.0);
    // A typed weight wins over the last weight.
    doc.m_dLastWeight = 500.0;
    EXPECT_NEAR(CalculateCalories(table, selected, doc, 45, 176.0, "Swimming butterfly"), 659.19, 1e-9);
}

TEST(ActivityTableTest, CalculateCalories_FirstSelectedEntryOfADuplicateNameWins) {
    ActivityTable table;
    CKT2Doc doc;
    doc.m_bMetric = true;
    table.SetActivity(175, "Racquetball, competitive", 10.0);
    table.SetActivity(176, "Racquetball, competitive", 2.0);
    EXPECT_DOUBLE_EQ(CalculateCalories(table, {176, 175}, doc, 60, 50, "Racquetball, competitive"), 100.0);
    EXPECT_DOUBLE_EQ(CalculateCalories(table, {175, 176}, doc, 60, 50, "Racquetball, competitive"), 500.0);
    // A renamed entry is found under its new name only.
    table.SetActivity(305, "Rowing machine", 7.0);
    EXPECT_DOUBLE_EQ(CalculateCalories(table, {305}, doc, 30, 80, "Rowing machine"), 280.0);
    EXPECT_EQ(CalculateCalories(table, {305}, doc, 30, 80, "User Defined"), 0.0);
}

TEST(ActivityTableTest, CalculateCalories_PositionsOutsideTheTableAreSkipped) {
    ActivityTable table;
    CKT2Doc doc;
    doc.m_bMetric = true;
    const uint16_t huge = std::numeric_limits<uint16_t>::max();
    EXPECT_EQ(CalculateCalories(table, {310, huge}, doc, 60, 70, "Archery"), 0.0);
    EXPECT_DOUBLE_EQ(CalculateCalories(table, {310, huge, 4}, doc, 60, 70, "Archery"), 3.4972 * 70);
}

}  // namespace
}  // namespace kt
