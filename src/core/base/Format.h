#pragma once
// printf-style formatting into std::string. The format attribute lets the compiler check every
// format string against its arguments, so a "%d" handed a double fails the build instead of
// writing garbage into a data file. Numbers always use "." as the decimal point: Format runs in
// the C locale whatever the process locale is.

#include <locale.h>

#include <cstddef>
#include <string>

namespace kt {

[[gnu::format(printf, 1, 2)]] std::string Format(const char* fmt, ...);

// Appends `value` as Format("%.*f", decimals, value) writes it, without a format to interpret
// or a locale to switch: a save writes three such numbers for every record.
void AppendFixed(std::string& out, double value, int decimals);
// The same written at `out`, which has room for kFixedRoom characters (the largest double has 309
// digits before the point); returns the end. `decimals` from 0 to kMaxFixedDecimals.
inline constexpr int kMaxFixedDecimals = 9;
inline constexpr size_t kFixedRoom = 336;
char* FormatFixed(char* out, double value, int decimals);

// Forces LC_NUMERIC and LC_TIME to "C". The Qt application object sets the user's locale at
// start-up; files and texts must not follow it (a German locale would write "1,5").
void ForceCLocale();

// The C locale as a handle for the *_l functions and uselocale; made once, never freed.
locale_t CLocaleHandle();

}  // namespace kt
