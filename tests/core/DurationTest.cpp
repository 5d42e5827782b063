#include <gtest/gtest.h>

#include <tuple>

#include "core/entry/Duration.h"

namespace kt {
namespace {

TEST(ParseDuration, ReadsEveryFormAgainstTheHoursThreshold) {
    // {text, "MaxHours", minutes, read as hours}; a value equal to the threshold is minutes.
    const std::tuple<const char*, double, double, bool> cases[] = {
        {"1.5", 10, 90.0, true},     {"45", 10, 45.0, false},        {"1:30", 10, 90.0, true},   {"12:30", 10, 12.5, false},
        {"1:15:30", 10, 75.5, true}, {"10", 10, 10.0, false},        {"10:30", 10, 10.5, false}, {"20:15:30", 10, 1215.5, true},
        {"7", 10, 420.0, true},      {"1:15:30:59", 10, 75.5, true}, {"7", 7, 7.0, false},       {"abc", 10, 0.0, true},
        {"x:30", 10, 30.0, true},    {"1.5h", 10, 90.0, true},       {"inf", 10, 0.0, true},     {"nan:5", 10, 5.0, true}};
    for (const auto& [text, maxHours, minutes, asHours] : cases) {
        const DurationReading r = ParseDuration(text, maxHours);
        EXPECT_DOUBLE_EQ(r.minutes, minutes) << text << " / " << maxHours;
        EXPECT_EQ(r.asHours, asHours) << text << " / " << maxHours;
    }
}

TEST(DurationUnitHint, UsesTheFixedThresholdFiveWhateverTheSetting) {
    const std::pair<const char*, const char*> cases[] = {
        {"7", "Minutes"},    {"5", "Minutes"},     {"4.99", "Hours"}, {"1:30", "Hours"},  {"12:30", "Minutes"},
        {"5:00", "Minutes"}, {"30:10:5", "Hours"}, {"abc", "Hours"},  {" 45", "Minutes"},
    };
    for (const auto& [text, unit] : cases) EXPECT_EQ(DurationUnitHint(text), unit) << text;
}

}  // namespace
}  // namespace kt
