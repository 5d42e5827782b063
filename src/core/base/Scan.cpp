#include "core/base/Scan.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "core/base/Text.h"

namespace kt {
namespace {

std::string_view SkipSpace(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && IsSpace(s[i])) ++i;
    return s.substr(i);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The one sign scanf takes before a number: removes it from `s` and says whether it was a minus.
bool HasSign(std::string_view s) { return !s.empty() && (s[0] == '+' || s[0] == '-'); }

bool ReadSign(std::string_view& s) {
    if (!HasSign(s)) return false;
    const bool negative = s[0] == '-';
    s.remove_prefix(1);
    return negative;
}

}  // namespace

namespace {

// "%d" at the start of `text`; `end` receives where reading stopped.
std::optional<int> ReadInt(std::string_view text, size_t& end) {
    std::string_view s = SkipSpace(text);
    const bool negative = ReadSign(s);
    if (s.empty() || !IsDigit(s[0])) return std::nullopt;
    long long value = 0;
    size_t i = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i) {
        if (value < 10'000'000'000LL) value = value * 10 + (s[i] - '0');
    }
    end = static_cast<size_t>(s.data() - text.data()) + i;
    if (negative) value = -value;
    if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

}  // namespace

std::optional<int> ScanInt(std::string_view text) {
    size_t end = 0;
    return ReadInt(text, end);
}

std::vector<int> ScanInts(std::string_view text, size_t count) {
    std::vector<int> values;
    while (values.size() < count) {
        size_t end = 0;
        const auto value = ReadInt(text, end);
        if (!value) break;
        values.push_back(*value);
        text.remove_prefix(end);
    }
    return values;
}

std::optional<double> ScanDouble(std::string_view text) {
    if (double plain = 0; ScanPlainDecimal(text, plain)) return plain;
    std::string_view body = SkipSpace(text);
    const bool negative = ReadSign(body);
    // scanf takes one sign; from_chars would take a second '-' itself and read "--5" as 5.
    if (HasSign(body)) return std::nullopt;
    if (StartsWithNoCase(body, "inf")) {
        return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    }
    if (StartsWithNoCase(body, "nan")) return std::numeric_limits<double>::quiet_NaN();
    if (double plain = 0; ScanPlainDecimal(body, plain)) return negative ? -plain : plain;
    // from_chars does not take a leading '+', and it would accept "1e" as 1 only partially; the
    // longest valid prefix is what scanf reads, which from_chars also returns.
    double value = 0.0;
    const char* begin = body.data();
    const char* end = body.data() + body.size();
    auto [ptr, ec] = std::from_chars(begin, end, value, std::chars_format::general);
    if (ptr == begin) return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        // strtod reads an overflowing number as infinity and an underflowing one as zero.
        const std::string_view matched(begin, static_cast<size_t>(ptr - begin));
        const size_t e = matched.find_first_of("eE");
        const bool tiny = e != std::string_view::npos && e + 1 < matched.size() && matched[e + 1] == '-';
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

std::optional<uint64_t> ScanU64(std::string_view text) {
    if (uint64_t plain = 0; ScanPlainUnsigned(text, plain)) return plain;
    std::string_view s = SkipSpace(text);
    const bool negative = ReadSign(s);
    if (s.empty() || !IsDigit(s[0])) return std::nullopt;
    uint64_t value = 0;
    bool overflow = false;
    for (size_t i = 0; i < s.size() && IsDigit(s[i]); ++i) {
        const uint64_t digit = static_cast<uint64_t>(s[i] - '0');
        if (value > (std::numeric_limits<uint64_t>::max() - digit) / 10) overflow = true;
        if (!overflow) value = value * 10 + digit;
    }
    if (overflow) return std::numeric_limits<uint64_t>::max();
    return negative ? static_cast<uint64_t>(0) - value : value;
}

size_t LeadingIntegerLength(std::string_view text) {
    std::string_view s = SkipSpace(text);
    ReadSign(s);
    size_t i = 0;
    while (i < s.size() && IsDigit(s[i])) ++i;
    return text.size() - s.size() + i;
}

int ScanIntOr(std::string_view text, int fallback) { return ScanInt(text).value_or(fallback); }
double ScanDoubleOr(std::string_view text, double fallback) { return ScanDouble(text).value_or(fallback); }
uint64_t ScanU64Or(std::string_view text, uint64_t fallback) { return ScanU64(text).value_or(fallback); }

std::string TrimLeft(std::string_view text) {
    size_t b = 0;
    while (b < text.size() && IsSpace(text[b])) ++b;
    return std::string(text.substr(b));
}

std::string TrimRight(std::string_view text) {
    size_t e = text.size();
    while (e > 0 && IsSpace(text[e - 1])) --e;
    return std::string(text.substr(0, e));
}

std::string Trim(std::string_view text) { return TrimLeft(TrimRight(text)); }

}  // namespace kt
