#include "core/base/TypedNumber.h"

#include <cmath>
#include <string>

#include "core/base/Scan.h"

namespace kt {

std::optional<double> ScanTypedNumber(std::string_view text) {
    // The comma counts only where a point could stand: right after the leading digits (or at the
    // start of the number) and before a digit. "1,5" reads 1.5; "1.5,3" and "1,x" read as before.
    std::string copy(text);
    const size_t i = LeadingIntegerLength(copy);
    if (i + 1 < copy.size() && copy[i] == ',' && copy[i + 1] >= '0' && copy[i + 1] <= '9') copy[i] = '.';
    const std::optional<double> value = ScanDouble(copy);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return value;
}

}  // namespace kt
