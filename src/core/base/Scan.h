#pragma once
// Readers with the semantics of the C library's scanf conversions that the file formats rely on:
// leading white space is skipped, reading stops at the first character that does not fit, and
// nothing read means "no value". They never consult the user's locale (std::from_chars).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kt {

// "%d": optional sign and decimal digits. Out-of-range values saturate like strtol would clamp.
std::optional<int> ScanInt(std::string_view text);
// "%d %d ...": up to `count` numbers, each read where the one before stopped; reading ends at the
// first that cannot be read ("3 15" gives {3, 15}, "12" gives {12}, "x 5" gives {}).
std::vector<int> ScanInts(std::string_view text, size_t count);
// "%lf": decimal or exponent form, "inf"/"nan" included, as strtod accepts them.
std::optional<double> ScanDouble(std::string_view text);
// "%I64u": unsigned decimal; a leading '-' negates modulo 2^64 as scanf does.
std::optional<uint64_t> ScanU64(std::string_view text);

// How much of `text` the integer at its start takes: the leading white space, one sign and the
// decimal digits (as much as "%d" consumes; the sign and the space count even without digits).
size_t LeadingIntegerLength(std::string_view text);

// Convenience forms: the value, or `fallback` when nothing could be read.
int ScanIntOr(std::string_view text, int fallback);
double ScanDoubleOr(std::string_view text, double fallback);
uint64_t ScanU64Or(std::string_view text, uint64_t fallback);

// Removes leading and trailing white space (blank, tab, CR, LF, VT, FF), as the editors' Trim.
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);

}  // namespace kt
