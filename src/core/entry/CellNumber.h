#pragma once
// Numbers typed into the grid and the toolbar are read like "%lf": the number the text starts
// with. A typed "inf" or "nan" (or an overflowing exponent) is not a number anybody means, and it
// would end up in the database file and every average, so it counts as no number.

#include <cmath>
#include <optional>
#include <string_view>

#include "core/base/Scan.h"

namespace kt {

// The number `text` starts with, or `fallback` when there is none or it is not finite.
inline double ScanCellNumber(std::string_view text, double fallback) {
    const std::optional<double> value = ScanDouble(text);
    if (!value || !std::isfinite(*value)) return fallback;
    return *value;
}

}  // namespace kt
