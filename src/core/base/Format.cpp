#include "core/base/Format.h"

#include <locale.h>

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <iterator>

namespace kt {

namespace {

// Formats with the C locale for this thread, whatever the process locale says: a file written
// while the user's locale uses a decimal comma must still hold "1.5".
class CLocaleScope {
public:
    CLocaleScope() : m_old(uselocale(kt::CLocaleHandle())) {}
    ~CLocaleScope() { uselocale(m_old); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t m_old;
};

}  // namespace

std::string Format(const char* fmt, ...) {
    const CLocaleScope cLocale;
    va_list args;
    va_start(args, fmt);
    va_list copy;
    va_copy(copy, args);
    char small[256];
    const int needed = std::vsnprintf(small, sizeof small, fmt, args);
    va_end(args);
    std::string out;
    if (needed < 0) {
        va_end(copy);
        return out;
    }
    if (static_cast<size_t>(needed) < sizeof small) {
        out.assign(small, static_cast<size_t>(needed));
    } else {
        out.resize(static_cast<size_t>(needed) + 1);
        std::vsnprintf(out.data(), out.size(), fmt, copy);
        out.resize(static_cast<size_t>(needed));
    }
    va_end(copy);
    return out;
}

namespace {

// The numbers of a journal (minutes, kilocalories, weights) with up to nine decimals, by integer
// arithmetic. printf rounds the exact binary value half to even. The product with the power of
// ten is rounded once (p); adding and taking away 2^52 rounds p half to even. Only where p lies
// exactly halfway does the rounding of the product matter: its exact rest, recovered with a fused
// multiply-add, then says which way the true value lies. Returns nullptr for values this does not
// cover (2^52 and above, infinities, NaN).
char* FormatFixedQuickly(char* out, double value, int decimals) {
    static constexpr double kScales[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    constexpr double kTwo52 = 4503599627370496.0;
    const double scale = kScales[decimals];
    const double magnitude = std::fabs(value);
    const double p = magnitude * scale;
    if (!(p < kTwo52)) return nullptr;
    double n = (p + kTwo52) - kTwo52;
    const double t = p - n;  // exact: both are multiples of p's last place
    if (t == 0.5 || t == -0.5) {
        const double rest = std::fma(magnitude, scale, -p);
        if (t == 0.5 && rest > 0) n += 1;
        if (t == -0.5 && rest < 0) n -= 1;
    }
    // Written from the end: the decimals, the point, then the whole part (at least its 0).
    auto rest = static_cast<uint64_t>(n);
    // The decimals of a journal's numbers divide by a constant, which costs a multiply.
    const uint64_t whole = decimals == 1 ? rest / 10 : decimals == 2 ? rest / 100 : rest / static_cast<uint64_t>(scale);
    int wholeDigits = 1;
    for (uint64_t w = whole; w >= 10; w /= 10) ++wholeDigits;
    if (std::signbit(value)) *out++ = '-';  // printf keeps the sign of what rounds to zero, too
    char* const end = out + wholeDigits + (decimals > 0 ? decimals + 1 : 0);
    char* at = end;
    for (int i = 0; i < decimals; ++i, rest /= 10) *--at = static_cast<char>('0' + rest % 10);
    if (decimals > 0) *--at = '.';
    do {
        *--at = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    return end;
}

}  // namespace

char* FormatFixed(char* out, double value, int decimals) {
    if (char* end = FormatFixedQuickly(out, value, decimals)) return end;
    // to_chars writes the exact binary value rounded half to even, digit for digit what printf
    // writes; infinities and NaN keep printf's own spelling.
    if (std::isfinite(value)) return std::to_chars(out, out + kFixedRoom, value, std::chars_format::fixed, decimals).ptr;
    const std::string printed = Format("%.*f", decimals, value);
    return std::copy(printed.begin(), printed.end(), out);
}

void AppendFixed(std::string& out, double value, int decimals) {
    if (decimals < 0 || decimals > kMaxFixedDecimals) {
        out += Format("%.*f", decimals, value);
        return;
    }
    char text[kFixedRoom];
    out.append(text, FormatFixed(text, value, decimals));
}

locale_t CLocaleHandle() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

void ForceCLocale() {
    std::setlocale(LC_NUMERIC, "C");
    std::setlocale(LC_TIME, "C");
}

}  // namespace kt
