#pragma once
// The settings store of this platform: one per-user file in the registry's export text format
// (see RegFile.h), by default $XDG_CONFIG_HOME/Kinetrax/Kinetrax.reg. Every call reads the file
// afresh and every change rewrites it atomically, so no handle or cached state outlives a call
// and a failed write leaves the previous file whole.

#include <filesystem>

#include "core/settings/RegFile.h"
#include "core/settings/SettingsStore.h"

namespace kt {

class FileSettingsStore final : public SettingsStore {
public:
    explicit FileSettingsStore(std::filesystem::path file);

    // $XDG_CONFIG_HOME/Kinetrax/Kinetrax.reg; $XDG_CONFIG_HOME defaults to $HOME/.config (a
    // relative $XDG_CONFIG_HOME is ignored, as the base-directory rules ask).
    static std::filesystem::path DefaultPath();

    bool OpenKey(const std::string& path, bool create) override;
    std::optional<StoredValue> ReadValue(const std::string& path, const std::string& name) override;
    bool WriteValue(const std::string& path, const std::string& name, const StoredValue& value) override;

    const std::filesystem::path& FilePath() const { return m_file; }

private:
    // False when the file exists but cannot be read: it must then not be overwritten either.
    // A missing file gives an empty document.
    bool Load(RegFile& doc) const;
    bool Store(const RegFile& doc) const;

    std::filesystem::path m_file;
};

}  // namespace kt
