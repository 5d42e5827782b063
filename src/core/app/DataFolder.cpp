#include "core/app/DataFolder.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/base/Format.h"

namespace kt {

std::string GetDataFolder(const std::optional<std::string>& documents, Prompter& prompter) {
    if (!documents || documents->empty()) {
        prompter.Message("The user's \"Documents\" folder could not be accessed.");
        return "";
    }
    const std::filesystem::path folder = std::filesystem::path(*documents) / "Quorvane" / "KT";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    // create_directories reports no error for a folder that already exists; a regular file of that
    // name (or anywhere on the path) is an error the user must hear about.
    if (!ec && !std::filesystem::is_directory(folder, ec)) ec = std::make_error_code(std::errc::not_a_directory);
    if (ec) {
        const int code = ec.value();
        prompter.Message(
            Format("An error occurred (Error Code: %x) and the KT data folder could not be created or found:\n\nError Message is: %s",
                   static_cast<unsigned>(code), std::strerror(code)));
        return "";
    }
    return folder.string();
}

}  // namespace kt
