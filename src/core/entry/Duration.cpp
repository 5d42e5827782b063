#include "core/entry/Duration.h"

#include "core/base/TypedNumber.h"
#include "core/entry/Texts.h"

namespace kt {
namespace {

constexpr double kHintThreshold = 5.0;

}  // namespace

DurationReading ParseDuration(std::string_view text, double maxHours) {
    const size_t first = text.find(':');
    if (first == std::string_view::npos) {
        const double v = ScanTypedNumberOr(text, 0.0);
        if (v < maxHours) return {60.0 * v, true};
        return {v, false};
    }
    const double a = ScanTypedNumberOr(text.substr(0, first), 0.0);
    const std::string_view rest = text.substr(first + 1);
    const size_t second = rest.find(':');
    if (second == std::string_view::npos) {
        const double b = ScanTypedNumberOr(rest, 0.0);
        if (a < maxHours) return {60.0 * a + b, true};
        return {a + b / 60.0, false};
    }
    // "%lf" stops at a colon, so reading b and c from where they start is enough.
    const double b = ScanTypedNumberOr(rest.substr(0, second), 0.0);
    const double c = ScanTypedNumberOr(rest.substr(second + 1), 0.0);
    return {60.0 * a + b + c / 60.0, true};
}

std::string DurationUnitHint(std::string_view text) {
    const size_t first = text.find(':');
    double v = 0.0;
    if (first == std::string_view::npos) {
        v = ScanTypedNumberOr(text, 0.0);
    } else {
        if (text.find(':', first + 1) != std::string_view::npos) return entry_text::kHours;
        v = ScanTypedNumberOr(text.substr(0, first), 0.0);
    }
    return v >= kHintThreshold ? entry_text::kMinutes : entry_text::kHours;
}

}  // namespace kt
