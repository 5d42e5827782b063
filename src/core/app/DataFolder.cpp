#include "core/app/DataFolder.h"

#include <filesystem>

#include "core/base/AtomicFile.h"
#include "core/base/Format.h"

namespace kt {

std::string GetDataFolder(const std::optional<std::string>& documents, Prompter& prompter) {
    if (!documents || documents->empty()) {
        prompter.Message("The user's \"Documents\" folder could not be accessed.");
        return "";
    }
    const std::filesystem::path folder = std::filesystem::path(*documents) / "Quorvane" / "KT";
    FileError error;
    if (!CreateFolder(folder, &error)) {
        prompter.Message(
            Format("An error occurred (Error Code: %x) and the KT data folder could not be created or found:\n\nError Message is: %s",
                   static_cast<unsigned>(error.code), error.message.c_str()));
        return "";
    }
    return folder.string();
}

}  // namespace kt
