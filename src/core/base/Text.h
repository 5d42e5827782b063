#pragma once
// Small rules about text that every subsystem shares, each kept in one place.

#include <string>
#include <string_view>

namespace kt {

// The white space of scanf and of Trim: blank, tab, CR, LF, vertical tab and form feed.
bool IsSpace(char c);

// ASCII letters compared without regard to case, as the registry compares its names; every other
// byte must be equal.
bool EqualNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
// The same folding as an order: negative, zero or positive as `a` sorts before, with or after `b`;
// other bytes compare by their unsigned value, a prefix before the longer text.
int CompareNoCase(std::string_view a, std::string_view b);

// Replaces every tab, CR, LF and NUL by one blank: a text must never shift the fields of a line
// (one record per line, one field per tab), nor end early for a writer of C strings.
std::string SanitizeFieldText(std::string text);

}  // namespace kt
