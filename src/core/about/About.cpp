#include "core/about/About.h"

#include <system_error>

#include "core/about/Texts.h"
#include "core/base/Format.h"

namespace kt {
namespace {

namespace tx = about_text;

TextSpan Line(size_t start, size_t length, const char* face, double points, bool underline, Rgb colour) {
    TextSpan s;
    s.start = start;
    s.length = length;
    s.bold = true;
    s.underline = underline;
    s.colour = colour;
    s.face = face;
    s.pointSize = points;
    return s;
}

bool IsFile(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

}  // namespace

std::string AboutVersionText(const CFileVersionInfo& info) { return VersionText(info.FileVersion()); }

StyledText AboutHeading(const std::string& productName, const std::string& versionText, Time64 buildTime) {
    StyledText t;
    t.Append(Format(tx::kHeading, productName.c_str(), versionText.c_str(), FormatTime(buildTime, tx::kBuildDate).c_str()));
    t.background = {240, 240, 255};
    const size_t first = t.text.find('\n');
    const size_t second = first == std::string::npos ? std::string::npos : t.text.find('\n', first + 1);
    if (second == std::string::npos) return t;
    // Each line ends with its own line break, so a line's format reaches to the next line.
    t.spans.push_back(Line(0, first + 1, "Arial", 16, true, {226, 130, 18}));
    t.spans.push_back(Line(first + 1, second - first, "Arial", 12.5, false, {242, 94, 43}));
    t.spans.push_back(Line(second + 1, t.text.size() - second - 1, "Times New Roman", 8.75, false, {0, 0, 192}));
    return t;
}

ReaderStyle ReaderStyleFor(ReaderDocument document) {
    if (document == ReaderDocument::Licence) return {tx::kLicenceFile, tx::kLicenceTitle, {225, 255, 225}};
    return {tx::kReadMeFile, tx::kReadMeTitle, {168, 210, 255}};
}

std::filesystem::path InstalledDocumentsFolder(const std::filesystem::path& programFolder) {
    return programFolder.parent_path() / "share" / "kinetrax";
}

std::filesystem::path ReaderDocumentPath(ReaderDocument document, const std::filesystem::path& currentFolder,
                                         const std::filesystem::path& programFolder) {
    const char* name = ReaderStyleFor(document).fileName;
    const std::filesystem::path installed = programFolder.empty() ? std::filesystem::path() : InstalledDocumentsFolder(programFolder);
    for (const std::filesystem::path& folder : {currentFolder, programFolder, installed}) {
        if (!folder.empty() && IsFile(folder / name)) return folder / name;
    }
    return {};
}

std::filesystem::path VersionHistoryPath(const std::filesystem::path& programFolder) {
    for (const std::filesystem::path& folder : {programFolder, InstalledDocumentsFolder(programFolder)}) {
        if (IsFile(folder / tx::kHistoryFile)) return folder / tx::kHistoryFile;
    }
    return programFolder.parent_path() / "hlp" / tx::kHistoryFile;
}

}  // namespace kt
