#pragma once
// The version check: what the program makes of the server's answer, and the version file that
// the maker's own build writes at exit. The Qt layer fetches the file and shows the dialog; the
// decisions and texts are here.

#include <filesystem>
#include <optional>
#include <string>

#include "core/base/LocalTime.h"
#include "core/base/Prompter.h"
#include "core/update/FileVersionInfo.h"

namespace kt {

// The update dialog's modes.
enum class UpdateMode { Current = 0, Newer = 1, NotUploaded = 2, NoInformation = 3 };

// What the update dialog is opened with.
struct UpdateRequest {
    UpdateMode mode = UpdateMode::Current;
    std::string message;
    std::string productName;
    std::string setupFile;  // "<base>Setup.exe"
    // The user starting the installer (result OK) ends the program; false where the result is
    // ignored (modes 2 and 3).
    bool endOnOk = false;
    bool operator==(const UpdateRequest&) const = default;
};

// Who asks, and which results are shown.
struct CheckRequest {
    bool showCurrent = false;      // the menu command: "you have the current version" is shown
    bool showNotUploaded = false;  // the maker's exit path: "not uploaded yet" is shown
    std::string baseName = "KT";
};

// The name of the version and setup files: `baseName`, or the program file's name without its
// extension when `baseName` is empty.
std::string CheckName(const std::string& baseName, const std::string& ownPath);
std::string SetupFileName(const std::string& baseName);

// What to show for the server's answer. `response` is nullopt when no answer came at all (no
// connection, no HTTP response, time-out): nothing is shown. Empty or longer than 29 bytes: the
// mode 3 report whatever the flags say. A page beginning "<!" (HTML): nothing.
std::optional<UpdateRequest> EvaluateVersionResponse(const std::optional<std::string>& response, const CFileVersionInfo& own,
                                                     const CheckRequest& request);

// The maker's build tree: the program runs from a folder "...Project.../Release/". Returns the
// setup folder "<tree>/<name>Setup" beside "Release", or nullopt elsewhere. The name is
// `baseName`, else the product name, else the program file's name.
struct VersionFileTarget {
    std::filesystem::path setupFolder;
    std::string name;
};
std::optional<VersionFileTarget> VersionFileTargetFor(const std::string& ownPath, const std::string& baseName,
                                                      const std::string& productName);

// Writes "<name>Version.txt" into the setup folder of the maker's build tree with the program
// file's modification time and version. A missing setup folder is created and nothing is
// written this time. Returns the name to run the "not uploaded" check with when the file was
// (or should have been) written; nullopt when no check follows. Failures are told to the user.
std::optional<std::string> WriteVersionFile(const std::string& ownPath, const std::string& baseName, const CFileVersionInfo& own,
                                            Time64 ownModified, Prompter& prompter);

// The modification time of a file, 0 when it cannot be read.
Time64 FileModificationTime(const std::string& path);

}  // namespace kt
