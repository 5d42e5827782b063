#include "core/base/Format.h"

#include <locale.h>

#include <clocale>
#include <cstdarg>
#include <cstdio>

namespace kt {

namespace {

// Formats with the C locale for this thread, whatever the process locale says: a file written
// while the user's locale uses a decimal comma must still hold "1.5".
class CLocaleScope {
public:
    CLocaleScope() : m_old(uselocale(kt::CLocaleHandle())) {}
    ~CLocaleScope() { uselocale(m_old); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t m_old;
};

}  // namespace

std::string Format(const char* fmt, ...) {
    const CLocaleScope cLocale;
    va_list args;
    va_start(args, fmt);
    va_list copy;
    va_copy(copy, args);
    char small[256];
    const int needed = std::vsnprintf(small, sizeof small, fmt, args);
    va_end(args);
    std::string out;
    if (needed < 0) {
        va_end(copy);
        return out;
    }
    if (static_cast<size_t>(needed) < sizeof small) {
        out.assign(small, static_cast<size_t>(needed));
    } else {
        out.resize(static_cast<size_t>(needed) + 1);
        std::vsnprintf(out.data(), out.size(), fmt, copy);
        out.resize(static_cast<size_t>(needed));
    }
    va_end(copy);
    return out;
}

locale_t CLocaleHandle() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

void ForceCLocale() {
    std::setlocale(LC_NUMERIC, "C");
    std::setlocale(LC_TIME, "C");
}

}  // namespace kt
