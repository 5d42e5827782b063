#pragma once
// Finding or creating the data folder <Documents>/Quorvane/KT.

#include <optional>
#include <string>

#include "core/base/Prompter.h"

namespace kt {

// `documents` is the user's Documents folder, or nullopt when the platform could not name one.
// Returns the data folder path, or "" after telling the user why it is unavailable.
std::string GetDataFolder(const std::optional<std::string>& documents, Prompter& prompter);

}  // namespace kt
