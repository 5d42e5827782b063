#pragma once
// Reading the Duration cell of the entry grid. Users type hours ("1.5"), minutes ("45"),
// hours and minutes ("1:30"), minutes and seconds ("12:30") or hours, minutes and seconds
// ("1:15:30"); a threshold in hours tells the short forms apart.

#include <string>
#include <string_view>

namespace kt {

struct DurationReading {
    double minutes = 0.0;  // the duration in minutes
    bool asHours = false;  // the leading number was taken as hours
};

// `maxHours` is the "MaxHours" setting at the moment of the call: a leading number below it is
// hours, one equal to or above it is minutes. Every part is read like "%lf"; a part that does not
// start with a number, and one that reads as infinity or NaN, counts as 0. With three or more
// parts the third is read up to the next colon, so anything after a third colon is ignored.
DurationReading ParseDuration(std::string_view text, double maxHours);

// The unit shown while typing ("Minutes" or "Hours"). It always uses the threshold 5, not the
// setting, so the hint can differ from what a capture later reads.
std::string DurationUnitHint(std::string_view text);

}  // namespace kt
