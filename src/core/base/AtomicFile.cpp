#include "core/base/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

#include "core/base/TextCodec.h"

namespace kt {
namespace {

long long g_failAfterBytes = -1;
long long g_completedWrites = 0;

void SetError(FileError* error, int code) {
    if (!error) return;
    error->code = code;
    error->message = std::strerror(code);
}

std::string TempSuffix() {
    static std::mt19937_64 rng{std::random_device{}()};
    static const char* digits = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string s = ".kt-tmp-";
    for (int i = 0; i < 10; ++i) s += digits[rng() % 36];
    return s;
}

// The file a save really replaces: a symbolic link (a journal kept in a synced folder, say) is
// followed to its target, so the link stays a link and the target receives the new content.
// Relative targets are taken from the link's own folder; a loop gives up after a few rounds.
std::filesystem::path ResolveLinks(std::filesystem::path path) {
    for (int depth = 0; depth < 40; ++depth) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(path, ec)) return path;
        const std::filesystem::path target = std::filesystem::read_symlink(path, ec);
        if (ec) return path;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

}  // namespace

std::filesystem::path DataFilePath(const std::filesystem::path& folder, const std::string& name) {
    if (folder.empty()) return {};
    return folder / name;
}

void SetAtomicWriteFailureAfterBytesForTesting(long long bytes) { g_failAfterBytes = bytes; }
long long CompletedAtomicWritesForTesting() { return g_completedWrites; }

bool WriteFileAtomic(const std::filesystem::path& path, std::string_view content, FileError* error) {
    if (path.empty() || !path.has_filename()) {
        SetError(error, ENOENT);
        return false;
    }
    const std::filesystem::path target = ResolveLinks(path);
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    // A file the user made read-only is not ours to replace, even where the folder would allow
    // the rename (and for root, who may write anything).
    if (replacing && S_ISREG(old.st_mode) && (old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        SetError(error, EACCES);
        return false;
    }
    const std::filesystem::path temp = target.parent_path() / (target.filename().string() + TempSuffix());
    // A new file gets what the user's umask allows; a replaced one keeps its mode and, where the
    // process may, its owner and group, so a journal kept private stays private.
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        SetError(error, errno);
        return false;
    }
    if (replacing) {
        if (::fchown(fd, old.st_uid, old.st_gid) != 0 && ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
            // Not permitted to give the file away: it stays ours, which is who writes it anyway.
        }
        ::fchmod(fd, old.st_mode & 07777);
    }
    size_t limit = content.size();
    bool simulatedFailure = false;
    if (g_failAfterBytes >= 0 && static_cast<unsigned long long>(g_failAfterBytes) < content.size()) {
        limit = static_cast<size_t>(g_failAfterBytes);
        simulatedFailure = true;
    }
    size_t written = 0;
    int failure = 0;
    while (written < limit) {
        const ssize_t n = ::write(fd, content.data() + written, limit - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            failure = errno;
            break;
        }
        written += static_cast<size_t>(n);
    }
    if (!failure && simulatedFailure) failure = ENOSPC;
    if (!failure && ::fsync(fd) != 0) failure = errno;
    if (::close(fd) != 0 && !failure) failure = errno;
    if (!failure && ::rename(temp.c_str(), target.c_str()) != 0) failure = errno;
    if (failure) {
        ::unlink(temp.c_str());
        SetError(error, failure);
        return false;
    }
    ++g_completedWrites;
    // Make the rename itself durable; a failure here does not undo a complete write.
    const std::filesystem::path dir = target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path();
    const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return true;
}

bool WriteTextFileAtomic(const std::filesystem::path& path, const std::vector<std::string>& lines, FileError* error) {
    return WriteFileAtomic(path, EncodeText(lines), error);
}

bool CreateFolder(const std::filesystem::path& folder, FileError* error) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    // create_directories reports no error for a folder that already exists; a regular file of that
    // name (or anywhere on the path) is an error the user must hear about.
    if (!ec && !std::filesystem::is_directory(folder, ec)) ec = std::make_error_code(std::errc::not_a_directory);
    if (ec) SetError(error, ec.value());
    return !ec;
}

bool ReadFileBytes(const std::filesystem::path& path, std::string& content, FileError* error) {
    content.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        SetError(error, errno);
        return false;
    }
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int e = errno;
            ::close(fd);
            SetError(error, e);
            return false;
        }
        if (n == 0) break;
        content.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return true;
}

bool ReadTextFile(const std::filesystem::path& path, std::vector<std::string>& lines, FileError* error) {
    std::string content;
    if (!ReadFileBytes(path, content, error)) {
        lines.clear();
        return false;
    }
    lines = DecodeText(content);
    return true;
}

}  // namespace kt
