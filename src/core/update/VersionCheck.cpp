#include "core/update/VersionCheck.h"

#include <sys/stat.h>

#include <cstring>
#include <system_error>

#include "core/base/AtomicFile.h"
#include "core/base/Format.h"
#include "core/update/Texts.h"

namespace kt {
namespace {

namespace tx = update_text;

// The longest answer that can still be a version file: five lines of a ten-digit time and four
// numbers with CR LF ends.
constexpr size_t kMaxVersionFileBytes = 29;

std::string CreatedDate(uint32_t created) { return FormatTime(static_cast<Time64>(created), tx::kCreatedDate); }

std::string ErrorText(const std::error_code& ec) {
    std::string text = ec.message();
    if (text.empty()) return tx::kUnknownError;
    const size_t cr = text.find('\r');
    return cr == std::string::npos ? text : text.substr(0, cr);
}

}  // namespace

std::string CheckName(const std::string& baseName, const std::string& ownPath) {
    if (!baseName.empty()) return baseName;
    return std::filesystem::path(ownPath).stem().string();
}

std::string SetupFileName(const std::string& baseName) { return baseName + "Setup.exe"; }

std::optional<UpdateRequest> EvaluateVersionResponse(const std::optional<std::string>& response, const CFileVersionInfo& own,
                                                     const CheckRequest& request) {
    if (!response) return std::nullopt;
    const std::string& product = own.GetProductName();
    const VersionNumber local = own.FileVersion();
    const auto& l = local.parts;
    UpdateRequest out;
    out.productName = product;
    out.setupFile = SetupFileName(request.baseName);
    if (response->empty() || response->size() > kMaxVersionFileBytes) {
        out.mode = UpdateMode::NoInformation;
        out.message = Format(tx::kNoVersionInformation, request.baseName.c_str(), product.c_str(), l[0], l[1], l[2], l[3]);
        return out;
    }
    if (response->rfind("<!", 0) == 0) return std::nullopt;

    const WebVersion web = ParseVersionFile(*response);
    const auto& w = web.version.parts;
    if (web.version > local) {
        const std::string created = web.created ? Format(tx::kNewerCreated, CreatedDate(web.created).c_str()) : "";
        out.mode = UpdateMode::Newer;
        out.message = Format(tx::kNewerVersion, product.c_str(), product.c_str(), l[0], l[1], l[2], l[3], w[0], w[1], w[2], w[3],
                             created.c_str(), product.c_str());
        out.endOnOk = true;
        return out;
    }
    if (request.showCurrent) {
        const std::string created = web.created ? Format(tx::kCurrentCreated, CreatedDate(web.created).c_str()) : "";
        out.mode = UpdateMode::Current;
        out.message = Format(tx::kCurrentVersion, product.c_str(), own.GetFileDescription().c_str(), l[0], l[1], l[2], l[3], w[0], w[1],
                             w[2], w[3], created.c_str());
        out.endOnOk = true;
        return out;
    }
    if (local > web.version && request.showNotUploaded) {
        out.mode = UpdateMode::NotUploaded;
        out.message = Format(tx::kNotUploaded, product.c_str(), l[0], l[1], l[2], l[3], w[0], w[1], w[2], w[3]);
        return out;
    }
    return std::nullopt;
}

std::optional<VersionFileTarget> VersionFileTargetFor(const std::string& ownPath, const std::string& baseName,
                                                      const std::string& productName) {
    const std::filesystem::path own(ownPath);
    const std::string dir = own.parent_path().string() + "/";
    const size_t project = dir.find("Project");
    if (project == std::string::npos) return std::nullopt;
    const size_t release = dir.find("/Release", project);
    if (release == std::string::npos) return std::nullopt;
    VersionFileTarget target;
    target.name = !baseName.empty() ? baseName : !productName.empty() ? productName : own.stem().string();
    target.setupFolder = std::filesystem::path(dir.substr(0, release + 1) + target.name + "Setup");
    return target;
}

std::optional<std::string> WriteVersionFile(const std::string& ownPath, const std::string& baseName, const CFileVersionInfo& own,
                                            Time64 ownModified, Prompter& prompter) {
    if (ownPath.empty()) prompter.Message(tx::kErrorReadingFileName);
    const std::optional<VersionFileTarget> target = VersionFileTargetFor(ownPath, baseName, own.GetProductName());
    if (!target) return std::nullopt;
    std::error_code ec;
    if (!std::filesystem::is_directory(target->setupFolder, ec)) {
        // The first exit of a new build tree only makes the folder; the file comes with the next.
        if (!std::filesystem::create_directories(target->setupFolder, ec) || ec) {
            if (!ec) ec = std::make_error_code(std::errc::file_exists);
            prompter.Message(Format(tx::kSetupFolderFailed, target->setupFolder.string().c_str(), ErrorText(ec).c_str()));
        }
        return std::nullopt;
    }
    const std::filesystem::path file = target->setupFolder / (target->name + "Version.txt");
    FileError error;
    const uint64_t time = ownModified > 0 ? static_cast<uint64_t>(ownModified) : 0;
    if (!WriteFileAtomic(file, VersionFileContent(time, own.FileVersion()), &error)) {
        prompter.Message(Format(tx::kVersionFileFailed, file.string().c_str(), error.message.c_str()));
    }
    return target->name;
}

Time64 FileModificationTime(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0) return 0;
    return static_cast<Time64>(st.st_mtime);
}

}  // namespace kt
