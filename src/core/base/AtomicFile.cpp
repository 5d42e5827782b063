#include "core/base/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <memory>
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

int OpenForReading(const std::filesystem::path& path, FileError* error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) SetError(error, errno);
    return fd;
}

// The size of an open regular file; 0 for anything else (a pipe, a device), which is then read
// to its end all the same.
uint64_t SizeOf(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) ? static_cast<uint64_t>(info.st_size) : 0;
}

// One read, retried when a signal interrupts it. On an error the file is closed and `error`
// filled; at the end of the file (0) it is closed too.
ssize_t ReadSome(int fd, char* into, size_t room, FileError* error) {
    for (;;) {
        const ssize_t n = ::read(fd, into, room);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) SetError(error, errno);
        if (n <= 0) ::close(fd);
        return n;
    }
}

}  // namespace

std::filesystem::path DataFilePath(const std::filesystem::path& folder, const std::string& name) {
    if (folder.empty()) return {};
    return folder / name;
}

void SetAtomicWriteFailureAfterBytesForTesting(long long bytes) { g_failAfterBytes = bytes; }
long long CompletedAtomicWritesForTesting() { return g_completedWrites; }

bool WriteFileAtomic(const std::filesystem::path& path, const PieceSource& next, FileError* error) {
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
    int failure = 0;
    long long total = 0;                     // bytes written so far, for the test seam
    [[maybe_unused]] long long started = 0;  // bytes the disk was told to write
    for (std::string_view piece = next(); !piece.empty() && !failure; piece = next()) {
        size_t limit = piece.size();
        if (g_failAfterBytes >= 0 && static_cast<unsigned long long>(g_failAfterBytes - total) < piece.size()) {
            limit = static_cast<size_t>(g_failAfterBytes - total);
        }
        size_t written = 0;
        while (written < limit) {
            const ssize_t n = ::write(fd, piece.data() + written, limit - written);
            if (n < 0) {
                if (errno == EINTR) continue;
                failure = errno;
                break;
            }
            written += static_cast<size_t>(n);
        }
        total += static_cast<long long>(written);
        if (!failure && limit < piece.size()) failure = ENOSPC;  // the simulated full disk
#if defined(__linux__)
        // The disk starts on what is written while the next pieces are made, so the flush at the
        // end waits for the last few megabytes only. A failure here is no failure: fsync decides.
        constexpr long long kStartWriteback = 8 << 20;
        if (!failure && total - started >= kStartWriteback) {
            ::sync_file_range(fd, started, total - started, SYNC_FILE_RANGE_WRITE);
            started = total;
        }
#endif
    }
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

bool WriteFileAtomic(const std::filesystem::path& path, std::string_view content, FileError* error) {
    bool given = false;
    return WriteFileAtomic(
        path,
        [&]() {
            const std::string_view piece = given ? std::string_view() : content;
            given = true;
            return piece;
        },
        error);
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
    const int fd = OpenForReading(path, error);
    if (fd < 0) return false;
    // One allocation of the size the file has, and a byte more, so that the read finding the end
    // needs no room of its own; a file that grows meanwhile is still read to its end.
    content.resize(static_cast<size_t>(SizeOf(fd)) + 1);
    size_t filled = 0;
    for (;;) {
        if (filled == content.size()) content.resize(content.size() * 2);
        const ssize_t n = ReadSome(fd, content.data() + filled, content.size() - filled, error);
        if (n <= 0) {
            content.resize(n == 0 ? filled : 0);
            return n == 0;
        }
        filled += static_cast<size_t>(n);
    }
}

bool ReadFilePieces(const std::filesystem::path& path, const PieceReader& take, FileError* error, size_t pieceSize) {
    const int fd = OpenForReading(path, error);
    if (fd < 0) return false;
    const uint64_t size = SizeOf(fd);
    // Room for the whole file and one byte more, so that a file read in one piece ends with the
    // read that finds nothing more, without a second buffer; at most a piece, at least a page.
    // The room is not cleared first: only the bytes read are looked at.
    constexpr size_t kMinimum = 4096;
    size_t capacity = std::max(kMinimum, static_cast<size_t>(std::min<uint64_t>(size + 1, std::max(pieceSize, kMinimum))));
    auto buffer = std::make_unique_for_overwrite<char[]>(capacity);
    size_t filled = 0;
    for (;;) {
        if (filled == capacity) {
            // A line longer than a piece.
            auto larger = std::make_unique_for_overwrite<char[]>(2 * capacity);
            std::memcpy(larger.get(), buffer.get(), filled);
            buffer = std::move(larger);
            capacity *= 2;
        }
        const ssize_t n = ReadSome(fd, buffer.get() + filled, capacity - filled, error);
        if (n < 0) return false;
        filled += static_cast<size_t>(n);
        const bool last = n == 0;
        // A file read in one piece is handed over once, with its end.
        if (!last && filled < capacity) continue;
        const size_t used = std::min(take(std::string_view(buffer.get(), filled), last, size), filled);
        if (last) return true;  // the file is closed by the read that found its end
        std::memmove(buffer.get(), buffer.get() + used, filled - used);
        filled -= used;
    }
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
