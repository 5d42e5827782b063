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

// Shortcuts for the numbers of a journal file, inline because a load reads four of them per record.
// Each reads what the general reader reads, or returns false and leaves the text to it.
//
// "45.00", "312.5": digits, a point and digits at the very start, read as a whole number divided
// by a power of ten. Both are exact doubles while the number has at most 15 digits, and one IEEE
// division of exact values is correctly rounded, as ScanDouble's result is. An exponent, more
// digits, a sign, a blank or a point without a digit before it: false.
inline bool ScanPlainDecimal(std::string_view s, double& value) {
    static constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    constexpr size_t kMaxDigits = 15;
    const auto digit = [&s](size_t i) { return i < s.size() && s[i] >= '0' && s[i] <= '9'; };
    uint64_t whole = 0;
    size_t i = 0;
    for (; digit(i); ++i) whole = whole * 10 + static_cast<uint64_t>(s[i] - '0');
    const size_t digits = i;
    if (digits == 0 || digits > kMaxDigits) return false;
    size_t fraction = 0;
    if (i < s.size() && s[i] == '.') {
        for (++i; digit(i); ++i, ++fraction) whole = whole * 10 + static_cast<uint64_t>(s[i] - '0');
        if (digits + fraction > kMaxDigits) return false;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) return false;
    value = static_cast<double>(whole) / kPowers[fraction];
    return true;
}
// "%I64u" of up to 19 digits at the very start, which cannot overflow.
inline bool ScanPlainUnsigned(std::string_view s, uint64_t& value) {
    constexpr size_t kMaxDigits = 19;
    uint64_t v = 0;
    size_t i = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        if (i == kMaxDigits) return false;
        v = v * 10 + static_cast<uint64_t>(s[i] - '0');
    }
    if (i == 0) return false;
    value = v;
    return true;
}

// Removes leading and trailing white space (blank, tab, CR, LF, VT, FF), as the editors' Trim.
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);

}  // namespace kt
