#pragma once
// Files the program gives up are moved to the desktop's trash, never deleted, so the user can
// take them back. Core asks through this interface; the Qt layer moves the file, tests record it.

#include <filesystem>

#include "core/base/AtomicFile.h"

namespace kt {

class Trash {
public:
    virtual ~Trash() = default;
    // Moves one file to the trash. Returns false and fills `error` when the file is still where
    // it was (or could not be put anywhere the user can find it).
    virtual bool MoveToTrash(const std::filesystem::path& file, FileError& error) = 0;
};

}  // namespace kt
