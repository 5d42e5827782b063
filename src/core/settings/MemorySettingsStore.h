#pragma once
// A settings store held in memory, for tests: the same key and value rules as the file store,
// with switches that make creating keys or writing values fail.

#include "core/settings/RegFile.h"
#include "core/settings/SettingsStore.h"

namespace kt {

class MemorySettingsStore final : public SettingsStore {
public:
    bool OpenKey(const std::string& path, bool create) override;
    std::optional<StoredValue> ReadValue(const std::string& path, const std::string& name) override;
    bool WriteValue(const std::string& path, const std::string& name, const StoredValue& value) override;

    RegFile& Content() { return m_content; }
    const RegFile& Content() const { return m_content; }

    bool failCreate = false;  // OpenKey with create fails for a missing key
    bool failWrites = false;  // WriteValue fails
    int writeCount = 0;       // successful WriteValue calls

private:
    RegFile m_content;
};

}  // namespace kt
