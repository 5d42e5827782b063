#pragma once
// Every file the program rewrites goes through here: the content is written to a temporary file
// in the same folder, flushed to disk, and renamed over the old file only when all of it was
// written. A failed or interrupted save therefore leaves the previous file as it was.

#include <filesystem>
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

// Encodes `lines` with the text codec (CR LF line ends) and writes them atomically.
bool WriteTextFileAtomic(const std::filesystem::path& path, const std::vector<std::string>& lines, FileError* error = nullptr);

// Reads a whole file. Returns false when it cannot be opened or read.
bool ReadFileBytes(const std::filesystem::path& path, std::string& content, FileError* error = nullptr);

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
