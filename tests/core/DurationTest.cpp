#include <gtest/gtest.h>

#include <tuple>

#include "core/base/TypedNumber.h"
#include "core/entry/Duration.h"

namespace kt {
namespace {

TEST(ParseDuration, ReadsEveryFormAgainstTheHoursThreshold) {
    // {text, "MaxHours", minutes, read as hours}; a value equal to the threshold is minutes. A
    // decimal comma is read as typed in many countries.
    const std::tuple<const char*, double, double, bool> cases[] = {
        {"1.5", 10, 90.0, true},     {"45", 10, 45.0, false},   {"1:30", 10, 90.0, true},       {"12:30", 10, 12.5, false},
        {"1:15:30", 10, 75.5, true}, {"10", 10, 10.0, false},   {"10:30", 10, 10.5, false},     {"20:15:30", 10, 1215.5, true},
        {"7", 10, 420.0, true},      {"7", 7, 7.0, false},      {"1:15:30:59", 10, 75.5, true}, {"abc", 10, 0.0, true},
        {"x:30", 10, 30.0, true},    {"1.5h", 10, 90.0, true},  {"inf", 10, 0.0, true},         {"nan:5", 10, 5.0, true},
        {"1,5", 10, 90.0, true},     {"12,5", 10, 12.5, false}, {"1:2,5", 10, 62.5, true},      {"0:45:1,5", 10, 45.025, true}};
    for (const auto& [text, maxHours, minutes, asHours] : cases) {
        const DurationReading r = ParseDuration(text, maxHours);
        EXPECT_DOUBLE_EQ(r.minutes, minutes) << text << " / " << maxHours;
        EXPECT_EQ(r.asHours, asHours) << text << " / " << maxHours;
    }
}

TEST(DurationUnitHint, UsesTheFixedThresholdFiveWhateverTheSetting) {
    const std::pair<const char*, const char*> cases[] = {
        {"7", "Minutes"},     {"5", "Minutes"}, {"4.99", "Hours"},  {"1:30", "Hours"}, {"12:30", "Minutes"}, {"5:00", "Minutes"},
        {"30:10:5", "Hours"}, {"abc", "Hours"}, {" 45", "Minutes"}, {"4,99", "Hours"}, {"5,0", "Minutes"},
    };
    for (const auto& [text, unit] : cases) EXPECT_EQ(DurationUnitHint(text), unit) << text;
}

TEST(ScanTypedNumber, TakesADecimalCommaWhereAPointCouldStandAndNothingThatIsNotFinite) {
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"1,5", 1.5},          {"1.5", 1.5},        {" -2,25kg", -2.25},   {"+,5", 0.5},
        {",5", 0.5},           {"1,5,3", 1.5},      {"1.5,3", 1.5},        {"1,x", 1.0},
        {"1,", 1.0},           {"12,", 12.0},       {"1e3", 1000.0},       {"1,5e2", 150.0},
        {"abc", std::nullopt}, {",", std::nullopt}, {"inf", std::nullopt}, {"1e999", std::nullopt},
        {"", std::nullopt},    {"\t7,25", 7.25},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(ScanTypedNumber(text), value) << text;
    EXPECT_EQ(ScanTypedNumberOr("x", 4.0), 4.0);
}

}  // namespace
}  // namespace kt
