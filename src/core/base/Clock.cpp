#include "core/base/Clock.h"

#include <ctime>

namespace kt {
namespace {
Clock* g_override = nullptr;
}

Time64 SystemClock::Now() const { return static_cast<Time64>(std::time(nullptr)); }

Clock& DefaultClock() {
    static SystemClock system;
    return g_override ? *g_override : system;
}

void SetDefaultClockForTesting(Clock* clock) { g_override = clock; }

}  // namespace kt
