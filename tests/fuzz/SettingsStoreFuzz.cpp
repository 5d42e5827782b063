// The settings store file: any content parses, and what it serialises to parses to itself.

#include "core/settings/RegFile.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string first = kt::RegFile::Parse(kt::fuzz::Bytes(data, size)).Serialize();
    const std::string second = kt::RegFile::Parse(first).Serialize();
    kt::fuzz::Expect(second == first, "a written settings file is stable", first, second);
    return 0;
}
