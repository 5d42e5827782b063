#pragma once
// The About box's heading, the paths of the documents it opens, and their titles and colours.

#include <filesystem>
#include <string>

#include "core/base/LocalTime.h"
#include "core/base/StyledText.h"
#include "core/update/FileVersionInfo.h"

namespace kt {

// "Version" line of the About box: the four numbers of the file version.
std::string AboutVersionText(const CFileVersionInfo& info);

// Product name, "Version x.y.z.w" and the build date ("%B %d, %Y" of `buildTime`) on three lines:
// the first in large orange Arial underlined, the version line smaller in red-orange, the date
// small in blue Times New Roman; all bold, on a pale lavender background.
StyledText AboutHeading(const std::string& productName, const std::string& versionText, Time64 buildTime);

enum class ReaderDocument { Licence, ReadMe };

struct ReaderStyle {
    const char* fileName;
    const char* title;
    Rgb background;
};
ReaderStyle ReaderStyleFor(ReaderDocument document);

// Where a document shown by the reader is read from: the current folder when it holds the file
// (a copy there wins), else the program's own folder, where the build and the installation put
// it. An empty path when neither has it.
std::filesystem::path ReaderDocumentPath(ReaderDocument document, const std::filesystem::path& currentFolder,
                                         const std::filesystem::path& programFolder);

// The version history page: in the program's folder, else in "hlp" under that folder's parent.
// The second path is given even when it does not exist (the page then shows nothing).
std::filesystem::path VersionHistoryPath(const std::filesystem::path& programFolder);

}  // namespace kt
