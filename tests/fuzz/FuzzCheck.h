#pragma once
// Shared by the fuzz targets: the input as text, and a check that stops the run with a message
// when a property of the parsers does not hold (a crash is only the most obvious failure).

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace kt::fuzz {

inline std::string_view Bytes(const uint8_t* data, size_t size) { return {reinterpret_cast<const char*>(data), size}; }

[[noreturn]] inline void Fail(const char* what, const std::string& a, const std::string& b) {
    std::fprintf(stderr, "property broken: %s\n--- first\n%s\n--- second\n%s\n", what, a.c_str(), b.c_str());
    std::abort();
}

inline void Expect(bool ok, const char* what, const std::string& a = {}, const std::string& b = {}) {
    if (!ok) Fail(what, a, b);
}

}  // namespace kt::fuzz
