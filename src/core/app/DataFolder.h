#pragma once
// Finding or creating the data folder <Documents>/Quorvane/KT. The window and the command-line
// front end find the Documents folder the same way, so both always work on the same journal.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/base/Prompter.h"

namespace kt {

// <documents>/Quorvane/KT, without creating anything.
std::filesystem::path DataFolderPath(const std::filesystem::path& documents);

// `documents` is the user's Documents folder, or nullopt when the platform could not name one.
// Returns the data folder path, or "" after telling the user why it is unavailable.
std::string GetDataFolder(const std::optional<std::string>& documents, Prompter& prompter);

// The Documents folder as the desktop names it: XDG_DOCUMENTS_DIR of "user-dirs.dirs" in
// `xdgConfigHome` ($HOME/.config when empty or relative), where "$HOME" stands for `home` and a
// trailing separator is dropped; else `home`/Documents. The first XDG_DOCUMENTS_DIR line wins; a
// value that is neither absolute nor under $HOME is ignored. nullopt when `home` is empty.
std::optional<std::string> XdgDocumentsFolder(std::string_view home, std::string_view xdgConfigHome);

// XdgDocumentsFolder of this process's $HOME and $XDG_CONFIG_HOME.
std::optional<std::string> DocumentsFolderFromEnvironment();

}  // namespace kt
