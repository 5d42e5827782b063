#include "core/base/FolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <utility>

#include "core/base/AtomicFile.h"

namespace kt {
namespace {

bool IsOurTempName(const std::string& name) {
    constexpr std::string_view kMark = ".kt-tmp-";
    constexpr size_t kSuffix = 10;
    if (name.size() < kMark.size() + kSuffix + 1) return false;
    const size_t mark = name.size() - kSuffix - kMark.size();
    if (name.compare(mark, kMark.size(), kMark) != 0) return false;
    for (size_t i = name.size() - kSuffix; i < name.size(); ++i) {
        const char c = name[i];
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'))) return false;
    }
    return true;
}

}  // namespace

FolderLock::~FolderLock() { Release(); }

FolderLock::FolderLock(FolderLock&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_owner(std::move(other.m_owner)), m_error(other.m_error) {}

FolderLock& FolderLock::operator=(FolderLock&& other) noexcept {
    if (this != &other) {
        Release();
        m_fd = std::exchange(other.m_fd, -1);
        m_owner = std::move(other.m_owner);
        m_error = other.m_error;
    }
    return *this;
}

FolderLock::Result FolderLock::Acquire(const std::filesystem::path& folder, const std::string& who) {
    Release();
    m_owner.clear();
    m_error = 0;
    const std::filesystem::path path = DataFilePath(folder, kLockFileName);
    const int fd = path.empty() ? -1 : ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        m_error = path.empty() ? ENOENT : errno;
        return Result::Failed;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int e = errno;
        if (e == EWOULDBLOCK) {
            char buffer[256];
            const ssize_t n = ::pread(fd, buffer, sizeof buffer, 0);
            if (n > 0) m_owner.assign(buffer, static_cast<size_t>(n));
            while (!m_owner.empty() && (m_owner.back() == '\n' || m_owner.back() == '\0')) m_owner.pop_back();
        }
        ::close(fd);
        m_error = e;
        return e == EWOULDBLOCK ? Result::HeldByOther : Result::Failed;
    }
    // The owner's name helps the message a second start shows; failing to write it is harmless.
    if (::ftruncate(fd, 0) == 0) {
        const std::string text = who + "\n";
        if (::pwrite(fd, text.data(), text.size(), 0) < 0) {
        }
    }
    m_fd = fd;
    return Result::Acquired;
}

void FolderLock::Release() {
    if (m_fd < 0) return;
    ::flock(m_fd, LOCK_UN);
    ::close(m_fd);
    m_fd = -1;
}

std::vector<std::string> RemoveStaleTempFiles(const std::filesystem::path& folder) {
    std::vector<std::string> removed;
    if (folder.empty()) return removed;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!IsOurTempName(name) || !it->is_regular_file(ec)) continue;
        if (std::filesystem::remove(it->path(), ec)) removed.push_back(name);
    }
    return removed;
}

}  // namespace kt
