#include "core/settings/SettingsKey.h"

#include <bit>
#include <cerrno>
#include <cstdint>

namespace kt {
namespace {

template <typename T>
std::string LittleEndianBytes(T value) {
    std::string out;
    for (size_t i = 0; i < sizeof(T); ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

template <typename T>
T FromLittleEndian(const std::string& bytes) {
    T value = 0;
    for (size_t i = sizeof(T); i-- > 0;) value = static_cast<T>((value << 8) | static_cast<unsigned char>(bytes[i]));
    return value;
}

}  // namespace

bool CSettingsKey::Open(const std::string& path, bool create) {
    if (path.empty()) {
        m_strPath.clear();
        m_nLastResult = 0;
        return true;
    }
    if (!m_store->OpenKey(path, create)) {
        m_nLastResult = ENOENT;
        return false;
    }
    m_strPath = path;
    m_nLastResult = 0;
    return true;
}

void CSettingsKey::Close() {
    m_strPath.clear();
    m_bLazyWrite = true;
}

int CSettingsKey::ReadInt(const std::string& name, int defaultValue) {
    const auto v = m_store->ReadValue(m_strPath, name);
    m_nLastResult = v ? 0 : ENOENT;
    if (!v || (v->type != kRegBinary && v->type != kRegDword) || v->data.size() != 4) return defaultValue;
    return static_cast<int>(FromLittleEndian<uint32_t>(v->data));
}

double CSettingsKey::ReadDouble(const std::string& name, double defaultValue) {
    const auto v = m_store->ReadValue(m_strPath, name);
    m_nLastResult = v ? 0 : ENOENT;
    if (!v || v->type != kRegBinary || v->data.size() != 8) return defaultValue;
    return std::bit_cast<double>(FromLittleEndian<uint64_t>(v->data));
}

std::string CSettingsKey::ReadString(const std::string& name, const std::string& defaultValue) {
    const auto v = m_store->ReadValue(m_strPath, name);
    m_nLastResult = v ? 0 : ENOENT;
    if (!v || !v->IsText()) return defaultValue;
    return v->data;
}

bool CSettingsKey::Write(const std::string& name, const StoredValue& value) {
    const bool ok = m_store->WriteValue(m_strPath, name, value);
    m_nLastResult = ok ? 0 : EIO;
    return ok;
}

bool CSettingsKey::WriteInt(const std::string& name, int value) {
    return Write(name, StoredValue{kRegBinary, LittleEndianBytes(static_cast<uint32_t>(value))});
}

bool CSettingsKey::WriteDouble(const std::string& name, double value) {
    return Write(name, StoredValue{kRegBinary, LittleEndianBytes(std::bit_cast<uint64_t>(value))});
}

bool CSettingsKey::WriteString(const std::string& name, const std::string& value) { return Write(name, StoredValue{kRegSz, value}); }

}  // namespace kt
