#pragma once
// The rules of the update dialog: its captions and which buttons show, the emphasis of its
// messages, the download folder and the progress of a download.

#include <cstdint>
#include <optional>
#include <string>

#include "core/base/Prompter.h"
#include "core/base/StyledText.h"
#include "core/update/VersionCheck.h"

namespace kt {

struct UpdateButtons {
    std::string updateNow;     // "Update <product> Now", then "Install"
    std::string downloadOnly;  // "Download Only", then "Open Folder"
    std::string website;
    std::string cancel;
    bool actionsVisible = true;  // update, download, web site and the progress bar
    bool operator==(const UpdateButtons&) const = default;
};

// The captions for `mode` before and after "Download Only" has fetched the setup program.
UpdateButtons UpdateDialogButtons(UpdateMode mode, const std::string& productName, bool downloaded);

// The message as the dialog shows it: centred, 8.75 pt (12 pt in mode 2) dark blue, with the
// product names, description, versions and dates picked out, and in mode 1 the four choices.
StyledText UpdateMessageText(UpdateMode mode, const std::string& message);

// The message after "Download Only": where the file went and what the user may do now.
StyledText DownloadedMessageText(const std::string& setupFile, const std::string& folder);

// The folder <Downloads>/Quorvane, created when missing. `downloads` is the user's Downloads
// folder, nullopt when the platform names none. "" after telling the user why.
std::string GetDownloadFolder(const std::optional<std::string>& downloads, Prompter& prompter);

// Whole per cent of `received` out of `length`; nullopt when the server announced no length
// (then no share can be given, and nothing divides by zero).
std::optional<int> DownloadPercent(int64_t received, int64_t length);

// True when a finished download may be offered for installing: it ended without a transfer
// error, holds something, and, when the server announced a length, exactly that many bytes.
bool DownloadIsComplete(int64_t received, int64_t announced, bool transferError);

// "Unable to open the file <setup> on the Quorvane website. Please contact ..."
std::string SetupUnavailableMessage(const std::string& setupFile, const std::string& supportAddress, const std::string& url);

}  // namespace kt
