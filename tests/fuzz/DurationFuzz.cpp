// The Duration cell: any text gives a reading, under any threshold, and the typing hint is one
// of its two words.

#include <cstring>

#include "core/entry/Duration.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    double maxHours = 7.0;
    if (size >= sizeof maxHours) {
        std::memcpy(&maxHours, data, sizeof maxHours);
        data += sizeof maxHours;
        size -= sizeof maxHours;
    }
    const std::string_view text = kt::fuzz::Bytes(data, size);
    const kt::DurationReading reading = kt::ParseDuration(text, maxHours);
    (void)reading;
    const std::string hint = kt::DurationUnitHint(text);
    kt::fuzz::Expect(hint == "Minutes" || hint == "Hours", "the hint is a unit", hint);
    return 0;
}
