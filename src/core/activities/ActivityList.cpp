#include "core/activities/ActivityList.h"

#include <string_view>
#include <system_error>

#include "core/activities/Texts.h"
#include "core/base/AtomicFile.h"
#include "core/base/Format.h"
#include "core/base/Scan.h"
#include "core/base/Text.h"
#include "core/base/TextCodec.h"

namespace kt {
namespace {

constexpr const char* kHtmlHead =
    "<html>\n<head>\n<style> .act {color:Red;}\n.met {color:Navy;}\n</style><title>Activity List</title>\n</head><body><table "
    "border=\"1\" cellpadding=\"5\">\n<thead><tr><th>Activity</th><th>Metabolic Equivalent of Task (MET)</th></thead></tr>\n";
constexpr const char* kHtmlTail = "</table>\n</body>\n</html>";

// The HTML file is only ever read by a browser: markup characters become entities, and
// characters beyond one byte become numeric references, which every browser shows correctly
// whatever character set it guesses for the file.
std::string HtmlEscape(const std::string& utf8) {
    std::string out;
    for (char32_t cp : Utf8ToCodePoints(utf8)) {
        switch (cp) {
            case U'&':
                out += "&amp;";
                break;
            case U'<':
                out += "&lt;";
                break;
            case U'>':
                out += "&gt;";
                break;
            default:
                if (cp > 0xFF) {
                    out += Format("&#%u;", static_cast<unsigned>(cp));
                } else {
                    AppendUtf8(out, cp);
                }
        }
    }
    return out;
}

}  // namespace

bool LoadActivityList(ActivityTable& table, const std::filesystem::path& dataFolder, Prompter& prompter) {
    // Without a data folder there is nothing to read or create, and the user has already been
    // told why: the defaults serve without a second message.
    if (dataFolder.empty()) return false;
    const std::filesystem::path path = DataFilePath(dataFolder, kActivityListFileName);
    std::vector<std::string> lines;
    if (!ReadTextFile(path, lines)) {
        std::error_code ec;
        if (std::filesystem::exists(path, ec) || ec) return false;
        if (!WriteTextFileAtomic(path, ActivityListLines(table))) {
            prompter.Message(activities_text::kUnableToSaveActivityList);
            return false;
        }
        return true;
    }

    ParseActivityListLines(table, lines);
    return true;
}

void ParseActivityListLines(ActivityTable& table, const std::vector<std::string>& lines) {
    double met = 0.0;
    for (size_t i = 0; i < lines.size() && i < static_cast<size_t>(kActivityCount); ++i) {
        const std::string& line = lines[i];
        const size_t tab = line.find('\t');
        std::string name;
        if (tab != std::string::npos) {
            name = line.substr(0, tab);
            if (auto value = ScanDouble(std::string_view(line).substr(tab + 1))) met = *value;
        }
        table.SetActivity(static_cast<int>(i), std::move(name), met);
    }
}

std::vector<std::string> ActivityListLines(const ActivityTable& table) {
    std::vector<std::string> lines;
    lines.reserve(kActivityCount);
    // A tab or a line end inside a name would shift every later position when read back.
    for (const Activity& a : table.Entries()) lines.push_back(Format("%s\t%lf", SanitizeFieldText(a.name).c_str(), a.met));
    return lines;
}

bool SaveActivityList(const ActivityTable& table, const std::filesystem::path& dataFolder, Prompter& prompter) {
    if (WriteTextFileAtomic(DataFilePath(dataFolder, kActivityListFileName), ActivityListLines(table))) return true;
    prompter.Message(activities_text::kUnableToSaveActivityList);
    return false;
}

std::string ActivityListHtml(const ActivityTable& table) {
    std::string text = kHtmlHead;
    for (const Activity& a : table.Entries()) {
        text += Format("<tr>\n<td class=\"act\">%s</td><td class=\"met\">%1.3lf</td>\n</tr>\n", HtmlEscape(a.name).c_str(), a.met);
    }
    text += kHtmlTail;

    // One byte per character with CR LF line ends like every text file of the data folder; the
    // last line has no line end.
    std::string bytes;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find('\n', start);
        bytes += EncodeLine(std::string_view(text).substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        bytes += "\r\n";
        start = end + 1;
    }
    return bytes;
}

bool ExportActivityListHtml(const ActivityTable& table, const std::filesystem::path& dataFolder) {
    return WriteFileAtomic(DataFilePath(dataFolder, kActivityListHtmlFileName), ActivityListHtml(table));
}

}  // namespace kt
