#include "core/base/AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

#include "core/base/TextCodec.h"

namespace kt {
namespace {

long long g_failAfterBytes = -1;

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

}  // namespace

std::filesystem::path DataFilePath(const std::filesystem::path& folder, const std::string& name) {
    if (folder.empty()) return {};
    return folder / name;
}

void SetAtomicWriteFailureAfterBytesForTesting(long long bytes) { g_failAfterBytes = bytes; }

bool WriteFileAtomic(const std::filesystem::path& path, std::string_view content, FileError* error) {
    if (path.empty() || !path.has_filename()) {
        SetError(error, ENOENT);
        return false;
    }
    const std::filesystem::path temp = path.parent_path() / (path.filename().string() + TempSuffix());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        SetError(error, errno);
        return false;
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
    if (!failure && ::rename(temp.c_str(), path.c_str()) != 0) failure = errno;
    if (failure) {
        ::unlink(temp.c_str());
        SetError(error, failure);
        return false;
    }
    // Make the rename itself durable; a failure here does not undo a complete write.
    const std::filesystem::path dir = path.parent_path().empty() ? std::filesystem::path(".") : path.parent_path();
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
