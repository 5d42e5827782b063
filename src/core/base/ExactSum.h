#pragma once
// A sum of doubles held exactly, so that a total kept up to date by adding and removing values
// (the journal's minutes when a record comes and goes) is always the same number as the total
// counted again from scratch, whatever the order of the values and the history of the changes.
// Adding values one after another in doubles cannot promise that: every addition rounds, so the
// result depends on the order, and a value added and taken away again can leave a trace.
//
// Representation: the exact sum as a fixed-point number in 32-bit digits from 2^-1074 (the
// smallest double) to beyond 2^1024, each digit held in a signed 64-bit word so that a run of
// additions needs no carry until the words could overflow. Infinities and NaNs are counted
// apart. Value() rounds the exact sum once, to the nearest double (ties to even).

#include <array>
#include <cstdint>

namespace kt {

class ExactSum {
public:
    void Add(double x) { Accumulate(x, false); }
    void Subtract(double x) { Accumulate(x, true); }
    // The double nearest to the exact sum; NaN when a NaN was added, or infinities of both signs;
    // an infinity when one was added or the exact sum lies beyond the largest double.
    double Value() const;

private:
    static constexpr int kDigitBits = 32;
    // 2098 bits hold every double's significand; two digits more take the carries of a sum.
    static constexpr int kDigits = 68;
    // Each addition changes a word by less than 2^32 either way: this many keep it far from 2^63.
    static constexpr uint32_t kAdditionsBeforeCarry = 1u << 30;

    void Accumulate(double x, bool subtract);
    // Carries every word into the next, leaving digits 0..2^32-1 and the sign in the top word.
    static void Carry(std::array<int64_t, kDigits>& digits);

    std::array<int64_t, kDigits> m_digits{};
    uint32_t m_additions = 0;
    int64_t m_positiveInfinities = 0;
    int64_t m_negativeInfinities = 0;
    int64_t m_nans = 0;
};

}  // namespace kt
