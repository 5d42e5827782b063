#include "core/settings/MemorySettingsStore.h"

namespace kt {

bool MemorySettingsStore::OpenKey(const std::string& path, bool create) {
    const std::string full = CurrentUserKeyPath(path);
    if (m_content.HasKey(full)) return true;
    if (!create || failCreate) return false;
    m_content.AddKey(full);
    return true;
}

std::optional<StoredValue> MemorySettingsStore::ReadValue(const std::string& path, const std::string& name) {
    const RegFile::Value* v = m_content.FindValue(CurrentUserKeyPath(path), name);
    if (v == nullptr) return std::nullopt;
    return v->value;
}

bool MemorySettingsStore::WriteValue(const std::string& path, const std::string& name, const StoredValue& value) {
    if (failWrites) return false;
    if (!m_content.SetValue(CurrentUserKeyPath(path), name, value)) return false;
    ++writeCount;
    return true;
}

}  // namespace kt
