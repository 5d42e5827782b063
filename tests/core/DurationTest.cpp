#include <gtest/gtest.h>

#include "core/entry/CellNumber.h"
#include "core/entry/Duration.h"

namespace kt {
namespace {

struct DurationCase {
    const char* text;
    double maxHours;
    double minutes;
    bool asHours;
};

TEST(ParseDuration, ReadsEveryFormAgainstTheHoursThreshold) {
    const DurationCase cases[] = {
        {"1.5", 10, 90.0, true},         // hours below the threshold
        {"45", 10, 45.0, false},         // minutes above it
        {"10", 10, 10.0, false},         // equal to the threshold counts as minutes
        {"9.99", 10, 599.4, true},       // just below it is still hours
        {"1:30", 10, 90.0, true},        // hours and minutes
        {"12:30", 10, 12.5, false},      // minutes and seconds
        {"10:30", 10, 10.5, false},      // threshold applies to the part before the colon
        {"1:15:30", 10, 75.5, true},     // hours, minutes, seconds whatever the threshold
        {"20:15:30", 10, 1215.5, true},  // three parts are always hours first
        {"1:15:30:59", 10, 75.5, true},  // a fourth part is ignored
        {"7", 10, 420.0, true},          // the capture reads 7 as hours with MaxHours 10
        {"7", 7, 7.0, false},            // and as minutes with the default MaxHours 7
        {"abc", 10, 0.0, true},          // no number: 0, which is below the threshold
        {"", 10, 0.0, true},             //
        {"x:30", 10, 30.0, true},        // a part without a number counts as 0
        {"2:abc", 10, 120.0, true},      //
        {"1.5h", 10, 90.0, true},        // reading stops at the first character that does not fit
        {"inf", 10, 0.0, true},          // not a number a user means: 0
        {"nan:5", 10, 5.0, true},        //
        {"30", 0, 30.0, false},          // threshold 0: everything non-negative is minutes
    };
    for (const DurationCase& c : cases) {
        SCOPED_TRACE(std::string("text \"") + c.text + "\" MaxHours " + std::to_string(c.maxHours));
        const DurationReading r = ParseDuration(c.text, c.maxHours);
        EXPECT_DOUBLE_EQ(r.minutes, c.minutes);
        EXPECT_EQ(r.asHours, c.asHours);
    }
}

TEST(DurationUnitHint, UsesTheFixedThresholdFiveWhateverTheSetting) {
    const std::pair<const char*, const char*> cases[] = {
        {"7", "Minutes"},      // shows minutes although a capture with MaxHours 10 reads hours
        {"5", "Minutes"},      // equal to the threshold
        {"4.99", "Hours"},     //
        {"1:30", "Hours"},     //
        {"12:30", "Minutes"},  //
        {"5:00", "Minutes"},   //
        {"30:10:5", "Hours"},  // a second colon always means hours
        {"abc", "Hours"},      // no number reads as 0
        {"", "Hours"},         //
        {" 45", "Minutes"},    // leading blanks are skipped like "%lf" does
    };
    for (const auto& [text, unit] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(DurationUnitHint(text), unit);
    }
}

TEST(ScanCellNumber, FallsBackForMissingOrNonFiniteNumbers) {
    EXPECT_DOUBLE_EQ(ScanCellNumber("250", 0.0), 250.0);
    EXPECT_DOUBLE_EQ(ScanCellNumber(" 12.5kcal", 0.0), 12.5);
    EXPECT_DOUBLE_EQ(ScanCellNumber("-3", 0.0), -3.0);
    EXPECT_DOUBLE_EQ(ScanCellNumber(" ", 0.0), 0.0);
    EXPECT_DOUBLE_EQ(ScanCellNumber("abc", -1.0), -1.0);
    EXPECT_DOUBLE_EQ(ScanCellNumber("1e999", 0.0), 0.0);
    EXPECT_DOUBLE_EQ(ScanCellNumber("-infinity", 0.0), 0.0);
    EXPECT_DOUBLE_EQ(ScanCellNumber("NaN", 0.0), 0.0);
}

}  // namespace
}  // namespace kt
