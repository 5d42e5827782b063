#pragma once
// "Now" comes from here so that rules which depend on today can be tested with a fixed date.

#include "core/base/LocalTime.h"

namespace kt {

class Clock {
public:
    virtual ~Clock() = default;
    virtual Time64 Now() const = 0;
};

class SystemClock final : public Clock {
public:
    Time64 Now() const override;
};

// The process-wide clock the program runs on; tests may replace it.
Clock& DefaultClock();
void SetDefaultClockForTesting(Clock* clock);

}  // namespace kt
