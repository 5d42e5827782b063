#pragma once
// The per-user settings store: named values under keys such as "Software\Kinetrax" of the
// current user, each value keeping its registry type. CSettingsKey is the only user; the program
// runs on FileSettingsStore, tests may use MemorySettingsStore.

#include <cstdint>
#include <optional>
#include <string>

namespace kt {

// Registry value types the program knows; other type numbers are kept as they are.
enum : uint32_t {
    kRegSz = 1,        // text
    kRegExpandSz = 2,  // text
    kRegBinary = 3,    // bytes: integers (4) and reals (8), little-endian
    kRegDword = 4,     // 4 bytes, little-endian
};

struct StoredValue {
    uint32_t type = kRegBinary;
    // kRegSz and kRegExpandSz: the text as UTF-8, without a terminating NUL. Any other type:
    // the raw bytes.
    std::string data;

    bool IsText() const { return type == kRegSz || type == kRegExpandSz; }
    bool operator==(const StoredValue&) const = default;
};

// Key paths are relative to the current user's branch, parts separated by '\'. Key and value
// names compare without regard to ASCII case, as the registry's do.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // True when the key exists; with `create` a missing key (and its parents) is created first.
    // False when the key is missing (and not created) or the store cannot be read or written.
    virtual bool OpenKey(const std::string& path, bool create) = 0;
    // The value, or nullopt when the key or the value is missing or the store cannot be read.
    virtual std::optional<StoredValue> ReadValue(const std::string& path, const std::string& name) = 0;
    // Sets one value of an existing key, keeping every other value. False when the key does not
    // exist or the store cannot be written (the stored value is then unchanged).
    virtual bool WriteValue(const std::string& path, const std::string& name, const StoredValue& value) = 0;

    // Groups the calls up to CommitBatch into one unit: a store kept in a file reads it once and
    // rewrites it once, so a save of every setting cannot leave half of them behind. Between the
    // two, WriteValue succeeds in memory and CommitBatch reports whether the unit reached the
    // store (false: the stored values stay as they were before BeginBatch). Creating a key is
    // written through at once, so OpenKey with `create` still tells whether the store is writable.
    virtual void BeginBatch() {}
    virtual bool CommitBatch() { return true; }
};

// Begins a batch for one scope; a batch not committed is committed when the scope ends.
class SettingsBatch {
public:
    explicit SettingsBatch(SettingsStore& store) : m_store(store) { m_store.BeginBatch(); }
    ~SettingsBatch() {
        if (!m_done) m_store.CommitBatch();
    }
    SettingsBatch(const SettingsBatch&) = delete;
    SettingsBatch& operator=(const SettingsBatch&) = delete;
    bool Commit() {
        m_done = true;
        return m_store.CommitBatch();
    }

private:
    SettingsStore& m_store;
    bool m_done = false;
};

}  // namespace kt
