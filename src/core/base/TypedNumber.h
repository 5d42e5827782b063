#pragma once
// Numbers the user types (durations, calories and MET values in the grid, weights in the toolbar
// and the weight dialog) are read like "%lf": the number the text starts with. Unlike the files,
// which always hold a decimal point, a typed number may use a decimal comma as well ("1,5" is one
// and a half, as a German user writes it). A typed "inf" or "nan" (or an overflowing exponent) is
// not a number anybody means, and it would end up in the database file and every average, so it
// counts as no number.

#include <optional>
#include <string_view>

namespace kt {

// The number `text` starts with, or nullopt when there is none or it is not finite. A comma
// stands for the decimal point when the number has none of its own and a digit follows it.
std::optional<double> ScanTypedNumber(std::string_view text);

// The same, with `fallback` when there is no number.
inline double ScanTypedNumberOr(std::string_view text, double fallback) { return ScanTypedNumber(text).value_or(fallback); }

}  // namespace kt
