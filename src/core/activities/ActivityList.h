#pragma once
// The activity table's file "ActivityList.txt" in the data folder (310 lines "name<TAB>MET"), its
// HTML export "ActivityList.html" and the reset of the selected activities.

#include <filesystem>

#include "core/activities/ActivityTable.h"
#include "core/base/Prompter.h"

namespace kt {

inline constexpr const char* kActivityListFileName = "ActivityList.txt";
inline constexpr const char* kActivityListHtmlFileName = "ActivityList.html";

// Overwrites `table` from "ActivityList.txt" line by line (position 0 from line 1, ...); positions
// beyond the last line keep their values, lines after the 310th are ignored. A line without a TAB
// gives an empty name; a MET that cannot be read repeats the previous line's (0.0 for line 1).
// When the file does not exist it is created from `table`; when that fails the user is told
// "Unable to save activity list." and false is returned. An empty data folder (none could be found
// or created) reads and creates nothing and returns false without a message. A file that exists but cannot be read is
// neither used nor overwritten (false, no message), so a passing read error never costs the
// user's edited table.
bool LoadActivityList(ActivityTable& table, const std::filesystem::path& dataFolder, Prompter& prompter);

// The reading rules of LoadActivityList for the decoded lines of the file.
void ParseActivityListLines(ActivityTable& table, const std::vector<std::string>& lines);

// Writes all 310 entries to "ActivityList.txt" (atomically). False after telling the user when
// the file could not be written (the caller's changed flag must then stay set).
bool SaveActivityList(const ActivityTable& table, const std::filesystem::path& dataFolder, Prompter& prompter);

// The file content SaveActivityList writes, one entry a line, without line ends.
std::vector<std::string> ActivityListLines(const ActivityTable& table);

// Writes "ActivityList.html", a table of all entries. Fails silently (false) when the file
// cannot be written. Names are HTML-escaped, so a renamed entry cannot inject markup.
bool ExportActivityListHtml(const ActivityTable& table, const std::filesystem::path& dataFolder);

// The exact bytes of the HTML export (one byte per character, CR LF line ends).
std::string ActivityListHtml(const ActivityTable& table);

}  // namespace kt
