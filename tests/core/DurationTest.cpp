#include <gtest/gtest.h>

#include "core/entry/Duration.h"

namespace kt {
namespace {

TEST(ParseDuration, ReadsEveryFormAgainstTheHoursThreshold) {
    struct Case {
        const char* text;
        double maxHours, minutes;
        bool asHours;
    };
    const Case cases[] = {
        {"1.5", 10, 90.0, true},     {"45", 10, 45.0, false},        {"1:30", 10, 90.0, true},       {"12:30", 10, 12.5, false},
        {"1:15:30", 10, 75.5, true}, {"10", 10, 10.0, false},  // equal: minutes
        {"10:30", 10, 10.5, false},  {"20:15:30", 10, 1215.5, true}, {"1:15:30:59", 10, 75.5, true}, {"7", 10, 420.0, true},
        {"7", 7, 7.0, false},        {"abc", 10, 0.0, true},         {"x:30", 10, 30.0, true},       {"1.5h", 10, 90.0, true},
        {"inf", 10, 0.0, true},      {"nan:5", 10, 5.0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " / " + std::to_string(c.maxHours));
        const DurationReading r = ParseDuration(c.text, c.maxHours);
        EXPECT_DOUBLE_EQ(r.minutes, c.minutes);
        EXPECT_EQ(r.asHours, c.asHours);
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
