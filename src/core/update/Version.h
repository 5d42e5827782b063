#pragma once
// Version numbers and the version file that the maker's web server holds.
//
// The version file is plain ASCII: normally five lines (build time in seconds since 1970, then
// major, minor, build and revision), each ended by CR LF. Two shorter forms are accepted: four
// lines with the numbers only, or a first line "major.minor.build.revision" followed by one to
// three line ends. Text after the last line end is ignored; a number that does not read is 0.

#include <array>
#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

namespace kt {

// major, minor, build, revision. Parts compare as numbers, major first: 2.10.0.0 > 2.9.9.9.
struct VersionNumber {
    std::array<int, 4> parts{};
    auto operator<=>(const VersionNumber&) const = default;
    bool operator==(const VersionNumber&) const = default;
};

// "major.minor.build.revision" with "%d".
std::string VersionText(const VersionNumber& v);

struct WebVersion {
    VersionNumber version;
    uint32_t created = 0;  // build time of the file's version, seconds since 1970; 0 = not given
    bool operator==(const WebVersion&) const = default;
};

WebVersion ParseVersionFile(std::string_view text);

// The five-line file for `version` built at `buildTime`, with CR LF line ends.
std::string VersionFileContent(uint64_t buildTime, const VersionNumber& version);

}  // namespace kt
