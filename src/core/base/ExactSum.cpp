#include "core/base/ExactSum.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace kt {
namespace {

__extension__ typedef unsigned __int128 U128;

constexpr int kMinExponent = -1074;  // weight of digit 0's lowest bit
constexpr int kSignificandBits = 53;
constexpr int64_t kDigitBase = int64_t{1} << 32;

int BitLength(U128 v) {
    const uint64_t high = static_cast<uint64_t>(v >> 64);
    if (high != 0) return 128 - std::countl_zero(high);
    return 64 - std::countl_zero(static_cast<uint64_t>(v));
}

}  // namespace

void ExactSum::Accumulate(double x, bool subtract) {
    const uint64_t bits = std::bit_cast<uint64_t>(x);
    const bool negative = (bits >> 63) != 0;
    const int exponent = static_cast<int>((bits >> 52) & 0x7ff);
    uint64_t significand = bits & ((uint64_t{1} << 52) - 1);
    const int64_t count = subtract ? -1 : 1;
    if (exponent == 0x7ff) {
        if (significand != 0) {
            m_nans += count;
        } else {
            (negative ? m_negativeInfinities : m_positiveInfinities) += count;
        }
        return;
    }
    // The lowest bit of the significand sits `position` bits above 2^-1074.
    int position = 0;
    if (exponent == 0) {
        if (significand == 0) return;
    } else {
        significand |= uint64_t{1} << 52;
        position = exponent - 1;
    }
    const size_t k = static_cast<size_t>(position / kDigitBits);
    const U128 shifted = static_cast<U128>(significand) << (position % kDigitBits);
    const bool down = negative != subtract;
    for (size_t i = 0; i < 3; ++i) {
        const int64_t piece = static_cast<int64_t>(static_cast<uint32_t>(shifted >> (kDigitBits * i)));
        m_digits[k + i] += down ? -piece : piece;
    }
    if (++m_additions == kAdditionsBeforeCarry) {
        Carry(m_digits);
        m_additions = 0;
    }
}

void ExactSum::Carry(std::array<int64_t, kDigits>& digits) {
    for (size_t i = 0; i + 1 < digits.size(); ++i) {
        const int64_t carry = digits[i] >> kDigitBits;  // floor division, also below zero
        digits[i] -= carry * kDigitBase;
        digits[i + 1] += carry;
    }
}

double ExactSum::Value() const {
    if (m_nans != 0 || (m_positiveInfinities != 0 && m_negativeInfinities != 0)) return std::numeric_limits<double>::quiet_NaN();
    if (m_positiveInfinities != 0) return std::numeric_limits<double>::infinity();
    if (m_negativeInfinities != 0) return -std::numeric_limits<double>::infinity();

    std::array<int64_t, kDigits> d = m_digits;
    Carry(d);
    // Every digit but the top one now lies in 0..2^32-1, so the top one carries the sign.
    const bool negative = d.back() < 0;
    if (negative) {
        for (int64_t& w : d) w = -w;
        Carry(d);
    }
    const double sign = negative ? -1.0 : 1.0;
    if (d.back() >= kDigitBase) return sign * std::numeric_limits<double>::infinity();
    int h = kDigits - 1;
    while (h >= 0 && d[static_cast<size_t>(h)] == 0) --h;
    if (h < 0) return 0.0;

    // The top three digits (at least 65 bits) decide the rounding; the rest only says whether
    // anything lies below them.
    const int low = std::max(h - 2, 0);
    U128 m = 0;
    for (int i = h; i >= low; --i) m = (m << kDigitBits) | static_cast<U128>(d[static_cast<size_t>(i)]);
    bool sticky = false;
    for (int i = 0; i < low; ++i) sticky = sticky || d[static_cast<size_t>(i)] != 0;
    const int e = kMinExponent + kDigitBits * low;

    const int lsb = std::max(e + BitLength(m) - kSignificandBits, kMinExponent);
    const int shift = lsb - e;
    if (shift <= 0) return sign * std::ldexp(static_cast<double>(static_cast<uint64_t>(m)), e);
    U128 q = m >> shift;
    const U128 rest = m & ((U128{1} << shift) - 1);
    const U128 half = U128{1} << (shift - 1);
    if (rest > half || (rest == half && (sticky || (q & 1) != 0))) ++q;
    return sign * std::ldexp(static_cast<double>(static_cast<uint64_t>(q)), lsb);
}

}  // namespace kt
