#include "core/journal/JournalLoad.h"

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <utility>

#include "core/base/Format.h"
#include "core/journal/Texts.h"

namespace kt {

LoadedJournal ReadJournal(const std::string& dataFolder, bool metric, double lastWeight, LoadProgress* progress) {
    LoadedJournal loaded;
    loaded.metric = metric;
    loaded.lastWeight = lastWeight;
    // Without a data folder the bare file name would be looked up in whatever the current folder
    // happens to be; there is simply no database then.
    if (dataFolder.empty()) return loaded;
    std::filesystem::path path = DataFilePath(dataFolder, journal::kDatabaseFileName);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec) && !ec) path = DataFilePath(dataFolder, journal::kOlderDatabaseFileName);
    FileError error;
    const long long lines =
        AppendRecordsFile(path, loaded.records, loaded.metric, loaded.lastWeight, loaded.sorted, &error, nullptr, progress);
    loaded.stopped = progress && progress->stop.load();
    // ENOTDIR: a part of the folder path is a file, so there is no database file either.
    if (lines >= 0 || error.code == ENOENT || error.code == ENOTDIR) return loaded;
    // The file is there but its records are not: starting empty is all that can be done, but the
    // user must know, and a save must not silently put the few new records in its place.
    loaded.unreadableFile = path;
    loaded.problems.push_back(
        Format(journal::kUnreadableFormat, path.string().c_str(), static_cast<unsigned>(error.code), error.message.c_str()));
    return loaded;
}

JournalLoader::JournalLoader(std::string dataFolder, bool metric, double lastWeight, std::function<void()> finished)
    : m_thread([this, folder = std::move(dataFolder), metric, lastWeight, finished = std::move(finished)] {
          m_result = ReadJournal(folder, metric, lastWeight, &m_progress);
          m_done.store(true, std::memory_order_release);
          if (finished) finished();
      }) {}

JournalLoader::~JournalLoader() {
    m_progress.stop.store(true);
    if (m_thread.joinable()) m_thread.join();
}

std::optional<int> JournalLoader::Percent() const {
    const uint64_t size = m_progress.fileSize.load(std::memory_order_relaxed);
    if (size == 0) return std::nullopt;
    const uint64_t read = std::min(m_progress.bytesRead.load(std::memory_order_relaxed), size);
    return static_cast<int>(read * 100 / size);
}

LoadedJournal JournalLoader::Take() {
    if (m_thread.joinable()) m_thread.join();
    return std::move(m_result);
}

}  // namespace kt
