#pragma once
// All access to the settings store goes through CSettingsKey: one key path at a time, and every
// read or write is a single store operation, so nothing stays open between calls.
//
// Values have three kinds. Integers are 4 bytes and reals 8 bytes (IEEE double), both
// little-endian REG_BINARY (a 4-byte REG_DWORD also reads as an integer); texts are REG_SZ or
// REG_EXPAND_SZ. A value that is missing, of another kind or of another size reads as the
// caller's default. Texts have no length limit: a long selected-activities list is stored whole.

#include <string>

#include "core/settings/SettingsStore.h"

namespace kt {

class CSettingsKey {
public:
    explicit CSettingsKey(SettingsStore& store) : m_store(&store) {}

    // Makes `path` the current key when it exists (with `create`, after creating it). On failure
    // the current path stays as it was. An empty path empties the current path and succeeds.
    bool Open(const std::string& path, bool create);
    // Forgets the current path and restores the lazy-write flag.
    void Close();

    int ReadInt(const std::string& name, int defaultValue);
    double ReadDouble(const std::string& name, double defaultValue);
    std::string ReadString(const std::string& name, const std::string& defaultValue);

    bool WriteInt(const std::string& name, int value);
    bool WriteDouble(const std::string& name, double value);
    bool WriteString(const std::string& name, const std::string& value);

    const std::string& Path() const { return m_strPath; }

    // Result of the last operation: 0 for success, an errno-style code otherwise (ENOENT for a
    // missing key or value, EIO for a store that could not be read or written).
    int m_nLastResult = 0;
    // The store writes each value through at once, so there is nothing to flush; the flag is
    // kept for callers that set it.
    bool m_bLazyWrite = true;

private:
    bool Write(const std::string& name, const StoredValue& value);

    SettingsStore* m_store;
    std::string m_strPath;
};

}  // namespace kt
