#include "core/app/DataFolder.h"

#include <cstdlib>
#include <filesystem>

#include "core/base/AtomicFile.h"
#include "core/base/Format.h"
#include "core/base/TextCodec.h"

namespace kt {

std::filesystem::path DataFolderPath(const std::filesystem::path& documents) { return documents / "Quorvane" / "KT"; }

std::string GetDataFolder(const std::optional<std::string>& documents, Prompter& prompter) {
    if (!documents || documents->empty()) {
        prompter.Message("The user's \"Documents\" folder could not be accessed.");
        return "";
    }
    const std::filesystem::path folder = DataFolderPath(*documents);
    FileError error;
    if (!CreateFolder(folder, &error)) {
        prompter.Message(
            Format("An error occurred (Error Code: %x) and the KT data folder could not be created or found:\n\nError Message is: %s",
                   static_cast<unsigned>(error.code), error.message.c_str()));
        return "";
    }
    return folder.string();
}

std::optional<std::string> XdgDocumentsFolder(std::string_view home, std::string_view xdgConfigHome) {
    if (home.empty()) return std::nullopt;
    const std::string homeText(home);
    // A relative $XDG_CONFIG_HOME is invalid by the base-directory rules and is ignored.
    const std::filesystem::path config = !xdgConfigHome.empty() && xdgConfigHome.front() == '/'
                                             ? std::filesystem::path(xdgConfigHome)
                                             : std::filesystem::path(homeText) / ".config";
    std::string content;
    if (ReadFileBytes(config / "user-dirs.dirs", content)) {
        constexpr std::string_view key = "XDG_DOCUMENTS_DIR=";
        for (const std::string& line : SplitLines(content)) {
            if (line.compare(0, key.size(), key) != 0) continue;
            std::string_view value = std::string_view(line).substr(key.size());
            if (value.size() > 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
            std::string folder;
            if (value.substr(0, 5) == "$HOME") {
                folder = homeText + std::string(value.substr(5));
            } else if (!value.empty() && value.front() == '/') {
                folder = std::string(value);
            } else {
                break;
            }
            while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
            return folder;
        }
    }
    return (std::filesystem::path(homeText) / "Documents").string();
}

std::optional<std::string> DocumentsFolderFromEnvironment() {
    const char* home = std::getenv("HOME");
    const char* config = std::getenv("XDG_CONFIG_HOME");
    return XdgDocumentsFolder(home ? home : "", config ? config : "");
}

}  // namespace kt
