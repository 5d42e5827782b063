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

// Where an installed program finds its documents: share/kinetrax beside its bin folder
// (/usr/bin/kinetrax reads /usr/share/kinetrax).
std::filesystem::path InstalledDocumentsFolder(const std::filesystem::path& programFolder);

// Where a document shown by the reader is read from: the current folder when it holds the file
// (a copy there wins), else the program's own folder, where the build puts it, else the installed
// documents folder. An empty path when none has it.
std::filesystem::path ReaderDocumentPath(ReaderDocument document, const std::filesystem::path& currentFolder,
                                         const std::filesystem::path& programFolder);

// The version history page: in the program's folder, else in the installed documents folder, else
// in "hlp" under the program folder's parent. The last path is given even when it does not exist
// (the page then shows nothing).
std::filesystem::path VersionHistoryPath(const std::filesystem::path& programFolder);

}  // namespace kt
