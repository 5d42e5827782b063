#pragma once
// The texts of the version check and the update dialog, in one place.

namespace kt::update_text {

inline constexpr const char* kErrorReadingFileName = "Error reading file name";
inline constexpr const char* kNoVersionInformation =
    "Unable to obtain version information from the Quorvane website for: %s\nUsing: %s %d.%d.%d.%d";
inline constexpr const char* kNewerVersion =
    "There is a newer version of %s available. You are using %s Version %d.%d.%d.%d and Version %d.%d.%d.%d is available%s. "
    "\r\n\r\nYou may update %s now, download the newer version, go to the Quorvane website or continue without updating.";
inline constexpr const char* kNewerCreated = ", created on %s";
inline constexpr const char* kCurrentVersion =
    "You are using %s (%s), Version %d.%d.%d.%d.\r\n\r\nVersion %d.%d.%d.%d %sis identified as the most current on the Quorvane website.";
inline constexpr const char* kCurrentCreated = ", created on %s, ";
inline constexpr const char* kNotUploaded =
    "This newer version of %s (Version %d.%d.%d.%d) has not been uploaded to the Quorvane website. The version on the website is "
    "%d.%d.%d.%d";
inline constexpr const char* kCreatedDate = "%B %d, %Y";
// Our own: the check from the menu says why no answer came instead of doing nothing.
inline constexpr const char* kNoConnection = "The Quorvane website could not be reached (%s):\n%s";

inline constexpr const char* kSetupFolderFailed = "Unable to create setup folder for %s due to %s";
inline constexpr const char* kUnknownError = "Unknown Error";
inline constexpr const char* kVersionFileFailed = "Unable to write the version file,\n %s\nError Message: %s";

inline constexpr const char* kDialogTitle = "Update Options";
inline constexpr const char* kUpdateNow = "Update %s Now";
inline constexpr const char* kDownloadOnly = "Download Only";
inline constexpr const char* kViewWebsite = "View Quorvane Website";
inline constexpr const char* kContinue = "Continue - no action (Esc)";
inline constexpr const char* kClose = "Close (Esc)";
inline constexpr const char* kInstall = "Install";
inline constexpr const char* kOpenFolder = "Open Folder";
inline constexpr const char* kUpdateLater = "Update Later (Esc)";
inline constexpr const char* kDownloading = "Downloading";
inline constexpr const char* kPercent = "%d%%";
inline constexpr const char* kDownloaded =
    "%s has been downloaded to: %s\r\nYou may install the update now, open the folder containing the update now, or update later.";

inline constexpr const char* kNoDownloadsFolder = "The user's \"Downloads\" folder could not be accessed.";
inline constexpr const char* kDownloadFolderFailed =
    "An error occurred (Error Code: %x) and the Quorvane temp data folder could not be created or found:\n\nError Message is: %s";
inline constexpr const char* kSetupUnavailable = "Unable to open the file %s on the Quorvane website. Please contact Quorvane at ";
inline constexpr const char* kSetupUnavailableUrl = " and provide the URL being used: %s";
inline constexpr const char* kTargetFailed = "Unable to open temporary file: %s";
// Our own: a download that ended short of (or beyond) its announced length is never installed.
inline constexpr const char* kIncomplete = "The download of %s was incomplete (%lld of %lld bytes). Please try again.";

}  // namespace kt::update_text
