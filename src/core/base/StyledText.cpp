#include "core/base/StyledText.h"

namespace kt {
namespace {

void AddSpan(StyledText& t, size_t start, size_t length, const TextSpan& style) {
    if (length == 0) return;
    TextSpan s = style;
    s.start = start;
    s.length = length;
    t.spans.push_back(std::move(s));
}

}  // namespace

size_t SpanBetween(StyledText& t, size_t from, std::string_view startKey, std::string_view endKey, const TextSpan& style) {
    size_t a = t.text.find(startKey, from);
    if (a == std::string::npos) return from;
    a += startKey.size();
    const size_t b = t.text.find(endKey, a);
    if (b == std::string::npos) return from;
    size_t e = b;
    auto plain = [](char c) { return c == ' ' || c == ','; };
    while (a < e && plain(t.text[a])) ++a;
    while (e > a && plain(t.text[e - 1])) --e;
    AddSpan(t, a, e - a, style);
    return b;
}

size_t SpanWords(StyledText& t, size_t from, std::string_view words, const TextSpan& style) {
    const size_t a = t.text.find(words, from);
    if (a == std::string::npos) return from;
    AddSpan(t, a, words.size(), style);
    return a + words.size();
}

}  // namespace kt
