#pragma once
// Every file the program rewrites goes through here: the content is written to a temporary file
// in the same folder, flushed to disk, and renamed over the old file only when all of it was
// written. A failed or interrupted save therefore leaves the previous file as it was.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kt {

struct FileError {
    int code = 0;         // errno of the failing step, 0 when none
    std::string message;  // the system's text for the code
};

// The path of a file in the data folder. An empty folder (the data folder could not be found or
// created) gives an empty path, which no open or write accepts: nothing is then read from or
// written to whatever the current folder happens to be.
std::filesystem::path DataFilePath(const std::filesystem::path& folder, const std::string& name);

// Replaces `path` by `content`. Returns false and fills `error` (when given) on failure; the old
// file is then untouched and no temporary file is left behind.
bool WriteFileAtomic(const std::filesystem::path& path, std::string_view content, FileError* error = nullptr);

// The same for content made while it is written: each call of `next` returns the next bytes, an
// empty piece at the end; a piece stays valid until the next call. A large file then needs no
// buffer of its own size.
using PieceSource = std::function<std::string_view()>;
bool WriteFileAtomic(const std::filesystem::path& path, const PieceSource& next, FileError* error = nullptr);

// Encodes `lines` with the text codec (CR LF line ends) and writes them atomically.
bool WriteTextFileAtomic(const std::filesystem::path& path, const std::vector<std::string>& lines, FileError* error = nullptr);

// Reads a whole file. Returns false when it cannot be opened or read.
bool ReadFileBytes(const std::filesystem::path& path, std::string& content, FileError* error = nullptr);

// Reads a file through one buffer of about `pieceSize` bytes, for files that need not be held
// whole (a journal is parsed line by line). `take` receives the bytes not used yet, whether the
// file ends with them, and the file's size as it was when opened (0 when unknown); it returns
// how many it used, and the rest is handed over again with the next piece. A piece is full
// before it is handed over, except the last one; a piece that `take` cannot use at all grows.
// Returns false, filling `error`, when the file cannot be opened or read.
using PieceReader = std::function<size_t(std::string_view unread, bool last, uint64_t fileSize)>;
bool ReadFilePieces(const std::filesystem::path& path, const PieceReader& take, FileError* error = nullptr, size_t pieceSize = 1 << 20);

// Reads a text file of the data folder and decodes it into UTF-8 lines.
bool ReadTextFile(const std::filesystem::path& path, std::vector<std::string>& lines, FileError* error = nullptr);

// Creates `folder` with every missing parent. A folder that already exists is success; a file of
// that name (anywhere on the path) is an error. False fills `error` (when given).
bool CreateFolder(const std::filesystem::path& folder, FileError* error = nullptr);

// Test seam: when set, WriteFileAtomic fails after writing this many bytes of the temporary file,
// as a full disk or a crash would. -1 (the default) disables it.
void SetAtomicWriteFailureAfterBytesForTesting(long long bytes);
// Test seam: how many replacements WriteFileAtomic has completed in this process.
long long CompletedAtomicWritesForTesting();

}  // namespace kt
