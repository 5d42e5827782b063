#pragma once
// The text form of the settings file: the registry's own export format, so a user can read it
// and a registry tool could import it.
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\Software\Kinetrax]
//   "GraphPeriod"=hex:04,00,00,00
//   "AutoArchive"="0 0"
//
// Integers and reals are REG_BINARY (4 or 8 bytes, little-endian), texts are quoted with `\\`
// and `\"` as the only escapes. A text holding a control character other than TAB (the
// selected-activities text ends in a line feed) cannot be quoted on one line and is written as
// hex(1): its UTF-16LE units and a terminating NUL, which the format defines for the same value.
// The file is UTF-8 with LF line ends; CR LF, a UTF-8 byte-order mark, a UTF-16LE file, "dword:"
// and "hex(N):" values and wrapped hex lines are read too. Lines that cannot be understood are
// skipped; nothing in the file can make the parser fail.

#include <string>
#include <string_view>
#include <vector>

#include "core/settings/SettingsStore.h"

namespace kt {

class RegFile {
public:
    struct Value {
        std::string name;
        StoredValue value;
    };
    struct Key {
        std::string path;  // full path as in the file, e.g. "HKEY_CURRENT_USER\Software\Kinetrax"
        std::vector<Value> values;
    };

    static RegFile Parse(std::string_view content);
    std::string Serialize() const;

    // Whether `path` exists: as a key of its own or as the parent of one (ASCII case ignored).
    bool HasKey(std::string_view path) const;
    // The key, added at the end when missing.
    Key& AddKey(std::string_view path);
    const Value* FindValue(std::string_view path, std::string_view name) const;
    // Sets a value of an existing key (added at the end of the key when new); false when the key
    // does not exist (see HasKey).
    bool SetValue(std::string_view path, std::string_view name, const StoredValue& value);

    const std::vector<Key>& Keys() const { return m_keys; }

private:
    Key* FindKey(std::string_view path);
    const Key* FindKey(std::string_view path) const;

    std::vector<Key> m_keys;
};

// The file path of a key given relative to the current user's branch.
std::string CurrentUserKeyPath(std::string_view relativePath);

// UTF-16LE bytes (up to the first NUL unit) <-> UTF-8. Unpaired surrogates become U+FFFD.
std::string Utf16LeToUtf8(std::string_view bytes);
std::string Utf8ToUtf16Le(std::string_view utf8);

}  // namespace kt
