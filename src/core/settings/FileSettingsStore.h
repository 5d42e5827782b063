#pragma once
// The settings store of this platform: one per-user file in the registry's export text format
// (see RegFile.h), by default $XDG_CONFIG_HOME/Kinetrax/Kinetrax.reg. Outside a batch every call
// reads the file afresh and every change rewrites it atomically; inside a batch the file is read
// once and written once at CommitBatch. Either way a failed write leaves the previous file whole.

#include <filesystem>
#include <optional>

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
    void BeginBatch() override;
    bool CommitBatch() override;

    const std::filesystem::path& FilePath() const { return m_file; }

private:
    // False when the file exists but cannot be read: it must then not be overwritten either.
    // A missing file gives an empty document.
    bool Load(RegFile& doc) const;
    bool LoadFile(RegFile& doc) const;
    bool Store(const RegFile& doc) const;
    bool WriteFile(const RegFile& doc) const;

    std::filesystem::path m_file;
    // Inside a batch: the file's content as read once (empty when it could not be read), and
    // whether a value changed since.
    int m_batchDepth = 0;
    mutable std::optional<RegFile> m_batch;
    mutable bool m_batchLoaded = false;
    mutable bool m_batchReadable = false;
    mutable bool m_batchDirty = false;
};

}  // namespace kt
