#include "core/settings/RegFile.h"

#include <optional>

#include "core/base/Format.h"
#include "core/base/Text.h"
#include "core/base/TextCodec.h"

namespace kt {
namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";
constexpr std::string_view kCurrentUser = "HKEY_CURRENT_USER";

std::string_view TrimView(std::string_view s) {
    while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
    return s;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads a quoted text starting at s[pos] == '"'. On success `pos` is just past the closing quote.
std::optional<std::string> ReadQuoted(std::string_view s, size_t& pos) {
    if (pos >= s.size() || s[pos] != '"') return std::nullopt;
    std::string out;
    for (size_t i = pos + 1; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"') {
            pos = i + 1;
            return out;
        }
        if (c == '\\' && i + 1 < s.size() && (s[i + 1] == '\\' || s[i + 1] == '"')) {
            out += s[++i];
        } else {
            out += c;
        }
    }
    return std::nullopt;
}

std::optional<std::string> ReadHexBytes(std::string_view s) {
    std::string out;
    s = TrimView(s);
    if (s.empty()) return out;
    size_t pos = 0;
    while (pos <= s.size()) {
        const size_t comma = s.find(',', pos);
        const std::string_view token = TrimView(s.substr(pos, comma == std::string_view::npos ? std::string_view::npos : comma - pos));
        if (token.size() != 2 || HexDigit(token[0]) < 0 || HexDigit(token[1]) < 0) {
            // regedit leaves a comma at the end of a wrapped line; an empty last token is fine.
            if (token.empty() && comma == std::string_view::npos && !out.empty()) break;
            return std::nullopt;
        }
        out += static_cast<char>(HexDigit(token[0]) * 16 + HexDigit(token[1]));
        if (comma == std::string_view::npos) break;
        pos = comma + 1;
    }
    return out;
}

// A registry text ends at its first NUL, whichever form carried it.
std::string_view UpToNul(std::string_view text) { return text.substr(0, text.find('\0')); }

std::optional<StoredValue> ReadValueText(std::string_view v) {
    v = TrimView(v);
    StoredValue value;
    if (!v.empty() && v.front() == '"') {
        size_t pos = 0;
        auto text = ReadQuoted(v, pos);
        if (!text) return std::nullopt;
        value.type = kRegSz;
        value.data = std::string(UpToNul(*text));
        return value;
    }
    if (StartsWithNoCase(v, "dword:")) {
        const std::string_view digits = TrimView(v.substr(6));
        if (digits.empty() || digits.size() > 8) return std::nullopt;
        uint32_t n = 0;
        for (char c : digits) {
            const int d = HexDigit(c);
            if (d < 0) return std::nullopt;
            n = n * 16 + static_cast<uint32_t>(d);
        }
        value.type = kRegDword;
        for (int i = 0; i < 4; ++i) value.data += static_cast<char>((n >> (8 * i)) & 0xFF);
        return value;
    }
    if (StartsWithNoCase(v, "hex:")) {
        auto bytes = ReadHexBytes(v.substr(4));
        if (!bytes) return std::nullopt;
        value.type = kRegBinary;
        value.data = std::move(*bytes);
        return value;
    }
    if (StartsWithNoCase(v, "hex(")) {
        const size_t close = v.find("):");
        if (close == std::string_view::npos || close == 4 || close > 12) return std::nullopt;
        uint32_t type = 0;
        for (char c : v.substr(4, close - 4)) {
            const int d = HexDigit(c);
            if (d < 0) return std::nullopt;
            type = type * 16 + static_cast<uint32_t>(d);
        }
        auto bytes = ReadHexBytes(v.substr(close + 2));
        if (!bytes) return std::nullopt;
        value.type = type;
        value.data = value.IsText() ? Utf16LeToUtf8(*bytes) : std::move(*bytes);
        return value;
    }
    return std::nullopt;  // "-" (a deletion) or something unknown
}

std::string HexList(std::string_view bytes) {
    std::string out;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0) out += ',';
        out += Format("%02x", static_cast<unsigned>(static_cast<unsigned char>(bytes[i])));
    }
    return out;
}

bool NeedsHexForm(std::string_view text) {
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t') || u == 0x7F) return true;
    }
    return false;
}

std::string Quote(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    out += '"';
    return out;
}

std::string ValueText(const StoredValue& v) {
    const std::string_view text = UpToNul(v.data);
    if (v.type == kRegSz && !NeedsHexForm(text)) return Quote(text);
    if (v.IsText()) return Format("hex(%x):", static_cast<unsigned>(v.type)) + HexList(Utf8ToUtf16Le(text) + std::string(2, '\0'));
    if (v.type == kRegBinary) return "hex:" + HexList(v.data);
    if (v.type == kRegDword && v.data.size() == 4) {
        uint32_t n = 0;
        for (int i = 3; i >= 0; --i) n = (n << 8) | static_cast<unsigned char>(v.data[static_cast<size_t>(i)]);
        return Format("dword:%08x", n);
    }
    return Format("hex(%x):", static_cast<unsigned>(v.type)) + HexList(v.data);
}

std::string NormalizePath(std::string_view path) {
    while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
    return std::string(path);
}

}  // namespace

std::string Utf16LeToUtf8(std::string_view bytes) {
    std::string out;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const char32_t unit = static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
        if (unit == 0) break;
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = static_cast<unsigned char>(bytes[i + 2]) | (static_cast<unsigned char>(bytes[i + 3]) << 8);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        AppendUtf8(out, (unit >= 0xD800 && unit <= 0xDFFF) ? char32_t{0xFFFD} : unit);
    }
    return out;
}

std::string Utf8ToUtf16Le(std::string_view utf8) {
    std::string out;
    auto unit = [&out](char32_t u) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>((u >> 8) & 0xFF);
    };
    for (char32_t cp : Utf8ToCodePoints(utf8)) {
        if (cp >= 0x10000) {
            cp -= 0x10000;
            unit(0xD800 + (cp >> 10));
            unit(0xDC00 + (cp & 0x3FF));
        } else {
            unit(cp);
        }
    }
    return out;
}

std::string CurrentUserKeyPath(std::string_view relativePath) {
    while (!relativePath.empty() && relativePath.front() == '\\') relativePath.remove_prefix(1);
    const std::string rel = NormalizePath(relativePath);
    return rel.empty() ? std::string(kCurrentUser) : std::string(kCurrentUser) + "\\" + rel;
}

RegFile RegFile::Parse(std::string_view content) {
    std::string converted;
    if (content.size() >= 2 && static_cast<unsigned char>(content[0]) == 0xFF && static_cast<unsigned char>(content[1]) == 0xFE) {
        converted = Utf16LeToUtf8(content.substr(2));
        content = converted;
    } else if (content.substr(0, 3) == "\xEF\xBB\xBF") {
        content.remove_prefix(3);
    }

    std::vector<std::string_view> lines;
    for (size_t pos = 0; pos < content.size();) {
        const size_t nl = content.find('\n', pos);
        const size_t end = nl == std::string_view::npos ? content.size() : nl;
        lines.push_back(content.substr(pos, end - pos));
        pos = end + 1;
    }

    RegFile file;
    std::optional<std::string> current;  // path of the key the value lines belong to
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = TrimView(lines[i]);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const size_t close = line.rfind(']');
            if (close == std::string_view::npos || line.substr(1, 1) == "-") {
                current.reset();  // malformed, or a key deletion: its values are not ours
                continue;
            }
            const std::string path = NormalizePath(line.substr(1, close - 1));
            if (path.empty()) {
                current.reset();
            } else {
                current = file.AddKey(path).path;
            }
            continue;
        }
        if (!current || (line.front() != '"' && line.front() != '@')) continue;

        std::string name;
        size_t pos = 0;
        if (line.front() == '@') {
            pos = 1;
        } else {
            auto quoted = ReadQuoted(line, pos);
            if (!quoted) continue;
            name = std::move(*quoted);
        }
        std::string_view rest = TrimView(line.substr(pos));
        if (rest.empty() || rest.front() != '=') continue;
        rest.remove_prefix(1);

        // Hex data may be wrapped over several lines, each ending in a backslash.
        std::string joined;
        if (StartsWithNoCase(TrimView(rest), "hex")) {
            joined = std::string(rest);
            for (;;) {
                const std::string_view trimmed = TrimView(joined);
                if (trimmed.empty() || trimmed.back() != '\\') break;
                std::string next = i + 1 < lines.size() ? std::string(TrimView(lines[++i])) : std::string();
                joined = std::string(trimmed.substr(0, trimmed.size() - 1)) + next;
            }
            rest = joined;
        }
        if (auto value = ReadValueText(rest)) file.SetValue(*current, name, *value);
    }
    return file;
}

std::string RegFile::Serialize() const {
    std::string out(kHeader);
    out += "\n";
    for (const Key& key : m_keys) {
        out += "\n[" + key.path + "]\n";
        for (const Value& v : key.values) {
            out += v.name.empty() ? std::string("@") : Quote(v.name);
            out += "=" + ValueText(v.value) + "\n";
        }
    }
    return out;
}

RegFile::Key* RegFile::FindKey(std::string_view path) {
    for (Key& key : m_keys) {
        if (EqualNoCase(key.path, path)) return &key;
    }
    return nullptr;
}

const RegFile::Key* RegFile::FindKey(std::string_view path) const { return const_cast<RegFile*>(this)->FindKey(path); }

bool RegFile::HasKey(std::string_view path) const {
    const std::string p = NormalizePath(path);
    for (const Key& key : m_keys) {
        if (EqualNoCase(key.path, p)) return true;
        if (key.path.size() > p.size() && key.path[p.size()] == '\\' && StartsWithNoCase(key.path, p)) return true;
    }
    return false;
}

RegFile::Key& RegFile::AddKey(std::string_view path) {
    const std::string p = NormalizePath(path);
    if (Key* key = FindKey(p)) return *key;
    m_keys.push_back(Key{p, {}});
    return m_keys.back();
}

const RegFile::Value* RegFile::FindValue(std::string_view path, std::string_view name) const {
    const Key* key = FindKey(NormalizePath(path));
    if (key == nullptr) return nullptr;
    for (const Value& v : key->values) {
        if (EqualNoCase(v.name, name)) return &v;
    }
    return nullptr;
}

bool RegFile::SetValue(std::string_view path, std::string_view name, const StoredValue& value) {
    Key* key = FindKey(NormalizePath(path));
    if (key == nullptr) {
        // A parent that exists only through its subkeys is a key all the same.
        if (!HasKey(path)) return false;
        key = &AddKey(path);
    }
    for (Value& v : key->values) {
        if (EqualNoCase(v.name, name)) {
            v.value = value;
            return true;
        }
    }
    key->values.push_back(Value{std::string(name), value});
    return true;
}

}  // namespace kt
