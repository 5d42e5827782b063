#include "core/base/TextCodec.h"

#include <cstdint>
#include <cstring>

namespace kt {
namespace {

constexpr char kEscape = '\x1B';
constexpr size_t kEscapeDigits = 6;

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool IsValidCodePoint(char32_t cp) { return cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF); }

}  // namespace

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::u32string Utf8ToCodePoints(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        const auto b0 = static_cast<unsigned char>(s[i]);
        size_t len = 0;
        char32_t cp = 0;
        if (b0 < 0x80) {
            len = 1;
            cp = b0;
        } else if (b0 >= 0xC2 && b0 <= 0xDF) {
            len = 2;
            cp = b0 & 0x1F;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            len = 3;
            cp = b0 & 0x0F;
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            len = 4;
            cp = b0 & 0x07;
        }
        bool ok = len > 0 && i + len <= s.size();
        for (size_t k = 1; ok && k < len; ++k) {
            const auto b = static_cast<unsigned char>(s[i + k]);
            if ((b & 0xC0) != 0x80) ok = false;
            cp = (cp << 6) | (b & 0x3F);
        }
        // Reject overlong forms and surrogates so that every accepted sequence is canonical.
        if (ok && ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) || (cp >= 0xD800 && cp <= 0xDFFF))) ok = false;
        if (!ok) {
            out += static_cast<char32_t>(b0);
            ++i;
        } else {
            out += cp;
            i += len;
        }
    }
    return out;
}

std::string CodePointsToUtf8(std::u32string_view cps) {
    std::string out;
    out.reserve(cps.size());
    for (char32_t cp : cps) AppendUtf8(out, cp);
    return out;
}

bool NeedsCoding(std::string_view text) {
    // Eight bytes at a time, as every line of a file passes here: a byte of 0x80 or more has its
    // top bit set, and an ESC becomes a zero byte after the exclusive or, which the zero-byte test
    // finds (its false alarms only ever sit above a true zero byte).
    constexpr uint64_t kOnes = 0x0101010101010101ULL;
    constexpr uint64_t kTops = 0x8080808080808080ULL;
    constexpr uint64_t kEscapes = kOnes * static_cast<unsigned char>(kEscape);
    const char* p = text.data();
    size_t n = text.size();
    for (; n >= sizeof(uint64_t); p += sizeof(uint64_t), n -= sizeof(uint64_t)) {
        uint64_t word = 0;
        std::memcpy(&word, p, sizeof word);
        const uint64_t escapes = word ^ kEscapes;
        if (((word | ((escapes - kOnes) & ~escapes)) & kTops) != 0) return true;
    }
    for (; n > 0; --n, ++p) {
        if (static_cast<unsigned char>(*p) >= 0x80 || *p == kEscape) return true;
    }
    return false;
}

std::string EncodeLine(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    if (!NeedsCoding(utf8)) return std::string(utf8);
    static const char* hex = "0123456789ABCDEF";
    for (char32_t cp : Utf8ToCodePoints(utf8)) {
        if (cp <= 0xFF && cp != static_cast<char32_t>(kEscape)) {
            out += static_cast<char>(static_cast<unsigned char>(cp));
        } else {
            out += kEscape;
            for (int shift = 20; shift >= 0; shift -= 4) out += hex[(cp >> shift) & 0xF];
        }
    }
    return out;
}

std::string DecodeLine(std::string_view bytes) {
    std::string out;
    DecodeLineInto(bytes, out);
    return out;
}

void DecodeLineInto(std::string_view bytes, std::string& out) {
    out.clear();
    if (!NeedsCoding(bytes)) {
        out.assign(bytes);
        return;
    }
    out.reserve(bytes.size() + bytes.size() / 2);
    for (size_t i = 0; i < bytes.size(); ++i) {
        // Runs of plain bytes go over as they are.
        size_t plain = i;
        while (plain < bytes.size() && static_cast<unsigned char>(bytes[plain]) < 0x80 && bytes[plain] != kEscape) ++plain;
        out.append(bytes.data() + i, plain - i);
        i = plain;
        if (i == bytes.size()) break;
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (bytes[i] == kEscape && i + kEscapeDigits < bytes.size()) {
            char32_t cp = 0;
            bool ok = true;
            for (size_t k = 1; k <= kEscapeDigits; ++k) {
                const int v = HexValue(bytes[i + k]);
                if (v < 0) {
                    ok = false;
                    break;
                }
                cp = (cp << 4) | static_cast<char32_t>(v);
            }
            if (ok && IsValidCodePoint(cp)) {
                AppendUtf8(out, cp);
                i += kEscapeDigits;
                continue;
            }
        }
        AppendUtf8(out, b);
    }
}

std::vector<std::string> SplitLines(std::string_view content) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < content.size()) {
        size_t nl = content.find('\n', start);
        if (nl == std::string_view::npos) {
            lines.emplace_back(content.substr(start));
            break;
        }
        size_t end = nl;
        if (end > start && content[end - 1] == '\r') --end;
        lines.emplace_back(content.substr(start, end - start));
        start = nl + 1;
    }
    return lines;
}

std::string_view SkipByteOrderMark(std::string_view content) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    return content.substr(0, kBom.size()) == kBom ? content.substr(kBom.size()) : content;
}

std::vector<std::string> DecodeText(std::string_view content) {
    std::vector<std::string> lines = SplitLines(SkipByteOrderMark(content));
    for (auto& line : lines) line = DecodeLine(line);
    return lines;
}

std::string EncodeText(const std::vector<std::string>& lines) {
    std::string out;
    size_t total = 0;
    for (const auto& l : lines) total += l.size() + 2;
    out.reserve(total);
    for (const auto& l : lines) {
        out += EncodeLine(l);
        out += "\r\n";
    }
    // A file that starts with the characters of a byte-order mark would lose them when read;
    // the first one goes out escaped instead.
    if (SkipByteOrderMark(out).size() != out.size())
        out.replace(0, 1,
                    "\x1B"
                    "0000EF");
    return out;
}

}  // namespace kt
