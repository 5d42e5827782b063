#include "core/settings/FileSettingsStore.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>
#include <utility>

#include "core/base/AtomicFile.h"

namespace kt {

FileSettingsStore::FileSettingsStore(std::filesystem::path file) : m_file(std::move(file)) {}

std::filesystem::path FileSettingsStore::DefaultPath() {
    std::filesystem::path config;
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/') {
        config = xdg;
    } else {
        const char* home = std::getenv("HOME");
        std::filesystem::path homeDir;
        if (home != nullptr && home[0] != '\0') {
            homeDir = home;
        } else if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr) {
            homeDir = pw->pw_dir;
        }
        config = homeDir / ".config";
    }
    return config / "Kinetrax" / "Kinetrax.reg";
}

bool FileSettingsStore::Load(RegFile& doc) const {
    if (m_batchDepth > 0) {
        if (!m_batchLoaded) {
            m_batchLoaded = true;
            RegFile fresh;
            m_batchReadable = LoadFile(fresh);
            if (m_batchReadable) m_batch = std::move(fresh);
        }
        if (!m_batchReadable) return false;
        doc = *m_batch;
        return true;
    }
    return LoadFile(doc);
}

bool FileSettingsStore::LoadFile(RegFile& doc) const {
    std::string content;
    FileError error;
    if (!ReadFileBytes(m_file, content, &error)) {
        // Missing, or a folder of the path is a file: nothing stored yet.
        if (error.code == ENOENT || error.code == ENOTDIR) {
            doc = RegFile{};
            return true;
        }
        return false;
    }
    doc = RegFile::Parse(content);
    return true;
}

bool FileSettingsStore::Store(const RegFile& doc) const {
    if (m_batchDepth > 0 && m_batchReadable) {
        m_batch = doc;
        m_batchDirty = true;
        return true;
    }
    return WriteFile(doc);
}

bool FileSettingsStore::WriteFile(const RegFile& doc) const {
    std::error_code ec;
    if (m_file.has_parent_path()) std::filesystem::create_directories(m_file.parent_path(), ec);
    return WriteFileAtomic(m_file, doc.Serialize());
}

bool FileSettingsStore::OpenKey(const std::string& path, bool create) {
    RegFile doc;
    if (!Load(doc)) return false;
    const std::string full = CurrentUserKeyPath(path);
    if (doc.HasKey(full)) return true;
    if (!create) return false;
    doc.AddKey(full);
    // Written through even inside a batch: whether the store can be written at all decides
    // where the settings go.
    if (!WriteFile(doc)) return false;
    if (m_batchDepth > 0 && m_batchReadable) m_batch = doc;
    return true;
}

void FileSettingsStore::BeginBatch() {
    if (m_batchDepth++ > 0) return;
    m_batch.reset();
    m_batchLoaded = false;
    m_batchReadable = false;
    m_batchDirty = false;
}

bool FileSettingsStore::CommitBatch() {
    if (m_batchDepth == 0 || --m_batchDepth > 0) return true;
    const bool ok = !m_batchDirty || WriteFile(*m_batch);
    m_batch.reset();
    m_batchLoaded = false;
    m_batchDirty = false;
    return ok;
}

std::optional<StoredValue> FileSettingsStore::ReadValue(const std::string& path, const std::string& name) {
    RegFile doc;
    if (!Load(doc)) return std::nullopt;
    const RegFile::Value* v = doc.FindValue(CurrentUserKeyPath(path), name);
    if (v == nullptr) return std::nullopt;
    return v->value;
}

bool FileSettingsStore::WriteValue(const std::string& path, const std::string& name, const StoredValue& value) {
    RegFile doc;
    if (!Load(doc)) return false;
    const std::string full = CurrentUserKeyPath(path);
    // Rewriting an unchanged value would only cost a synced write at every exit.
    if (const RegFile::Value* old = doc.FindValue(full, name); old != nullptr && old->value == value) return true;
    if (!doc.SetValue(full, name, value)) return false;
    return Store(doc);
}

}  // namespace kt
