#include "core/update/Version.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "core/base/Format.h"
#include "core/base/Scan.h"

namespace kt {
namespace {

// Reads one "%d" at the front of `text` and drops what it consumed. False (nothing consumed that
// matters) when no number is there, which ends a scanf-style read.
bool ReadInt(std::string_view& text, int& out) {
    const std::optional<int> value = ScanInt(text);
    if (!value) return false;
    text.remove_prefix(LeadingIntegerLength(text));
    out = *value;
    return true;
}

// "%d.%d.%d.%d": each number after the first needs its dot right after the previous number;
// reading stops at the first mismatch and keeps what was read before it.
VersionNumber ReadDotted(std::string_view line) {
    VersionNumber v;
    for (size_t part = 0; part < v.parts.size(); ++part) {
        if (part > 0) {
            if (line.empty() || line.front() != '.') break;
            line.remove_prefix(1);
        }
        if (!ReadInt(line, v.parts[part])) break;
    }
    return v;
}

int ReadOne(std::string_view line) { return ScanIntOr(line, 0); }

}  // namespace

std::string VersionText(const VersionNumber& v) { return Format("%d.%d.%d.%d", v.parts[0], v.parts[1], v.parts[2], v.parts[3]); }

WebVersion ParseVersionFile(std::string_view text) {
    std::vector<std::string_view> lines;
    for (size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n')) {
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    WebVersion web;
    if (lines.empty()) return web;
    if (lines.size() <= 3) {
        web.version = ReadDotted(lines[0]);
    } else if (lines.size() == 4) {
        for (size_t i = 0; i < 4; ++i) web.version.parts[i] = ReadOne(lines[i]);
    } else {
        // "%u" into 32 bits: a number too large for it reads as the largest one.
        const uint64_t created = ScanU64Or(lines[0], 0);
        web.created = static_cast<uint32_t>(std::min<uint64_t>(created, std::numeric_limits<uint32_t>::max()));
        for (size_t i = 0; i < 4; ++i) web.version.parts[i] = ReadOne(lines[i + 1]);
    }
    return web;
}

std::string VersionFileContent(uint64_t buildTime, const VersionNumber& v) {
    return Format("%llu\r\n%d\r\n%d\r\n%d\r\n%d\r\n", static_cast<unsigned long long>(buildTime), v.parts[0], v.parts[1], v.parts[2],
                  v.parts[3]);
}

}  // namespace kt
