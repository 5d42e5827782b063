#include "core/journal/DatabaseCheck.h"

#include <charconv>
#include <cmath>

#include "core/base/Format.h"
#include "core/base/TextCodec.h"

namespace kt {
namespace {

// The fields of a record line: date, type, description, duration, location, calories, weight,
// unit flag, notes. Files of earlier versions end after the weight with the notes (eight fields).
constexpr size_t kFields = 9;
constexpr size_t kOldLayoutFields = 8;
constexpr size_t kDuration = 3;
constexpr size_t kCalories = 5;
constexpr size_t kWeight = 6;
constexpr size_t kUnit = 7;

std::string_view SkipBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    return text;
}

// The reader takes the number a field starts with and ignores the rest; a clean field is the
// number and nothing else.
bool IsWholeNumber(std::string_view field) {
    const std::string_view text = SkipBlanks(field);
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && ec == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

bool IsWholeUnsigned(std::string_view field) {
    const std::string_view text = SkipBlanks(field);
    if (text.empty()) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

void CheckLine(std::string_view line, long long number, std::vector<LineProblem>& problems) {
    std::vector<std::string_view> fields;
    size_t start = 0;
    // The notes are the rest of the line: a tab inside them does not make another field.
    while (fields.size() + 1 < kFields) {
        const size_t tab = line.find('\t', start);
        if (tab == std::string_view::npos) break;
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(line.substr(start));

    if (fields.size() < kOldLayoutFields) {
        problems.push_back(
            {number, LineFault::ShortLine, Format("%d of %d fields", static_cast<int>(fields.size()), static_cast<int>(kFields))});
    }
    if (!IsWholeUnsigned(fields[0]))
        problems.push_back({number, LineFault::UnreadableDate, Format("\"%s\"", DecodeLine(fields[0]).c_str())});
    const std::pair<size_t, const char*> numbers[] = {{kDuration, "duration"}, {kCalories, "calories"}, {kWeight, "weight"}};
    for (const auto& [index, name] : numbers) {
        if (index < fields.size() && !IsWholeNumber(fields[index])) {
            problems.push_back({number, LineFault::UnreadableNumber, Format("%s \"%s\"", name, DecodeLine(fields[index]).c_str())});
        }
    }
    if (fields.size() == kFields && fields[kUnit] != "0" && fields[kUnit] != "1") {
        problems.push_back({number, LineFault::UnknownUnitFlag, Format("\"%s\"", DecodeLine(fields[kUnit]).c_str())});
    }
}

}  // namespace

std::vector<LineProblem> CheckDatabaseContent(std::string_view content) {
    std::vector<LineProblem> problems;
    long long number = 0;
    for (const std::string& line : SplitLines(SkipByteOrderMark(content))) {
        ++number;
        if (line.find('\t') == std::string::npos) {
            // The header holds the time of the save, which nobody reads.
            if (number > 1 && !line.empty()) problems.push_back({number, LineFault::NoTab, ""});
            continue;
        }
        CheckLine(line, number, problems);
    }
    return problems;
}

std::string DescribeLineProblem(const LineProblem& problem) {
    static constexpr const char* kWhat[] = {
        "no tab, the line is not read", "short line", "unreadable date", "unreadable", "unknown unit flag",
    };
    std::string text = Format("line %lld: %s", problem.line, kWhat[static_cast<int>(problem.fault)]);
    if (!problem.detail.empty()) text += (problem.fault == LineFault::UnreadableNumber ? " " : ": ") + problem.detail;
    return text;
}

}  // namespace kt
