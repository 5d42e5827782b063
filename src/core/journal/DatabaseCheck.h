#pragma once
// A check of a database file's lines against what the writer produces. The reader never refuses a
// line: a missing field reads as empty, an unreadable number as 0, a line without a tab is passed
// over. That keeps a damaged journal usable but hides the damage; this check names it, line by
// line, so the user can repair the file before the next save writes the guesses back.

#include <string>
#include <string_view>
#include <vector>

namespace kt {

enum class LineFault {
    NoTab,             // a line after the first holds text but no tab: the reader passes over it
    ShortLine,         // fewer than the eight fields of the oldest layout
    UnreadableDate,    // the first field is not a decimal number of seconds
    UnreadableNumber,  // duration, calories or weight is not a number (reads as 0)
    UnknownUnitFlag,   // the ninth field is neither "0" nor "1"
};

struct LineProblem {
    long long line = 0;  // from 1, as an editor counts
    LineFault fault = LineFault::NoTab;
    std::string detail;  // the field's name and its text, or the number of fields found
    friend bool operator==(const LineProblem&, const LineProblem&) = default;
};

// Every problem of a database file's bytes (a leading UTF-8 byte-order mark skipped, LF or CR LF
// line ends), in line order. The first line is the header when it holds no tab; empty lines are
// harmless. A clean file gives no problem.
std::vector<LineProblem> CheckDatabaseContent(std::string_view content);

// "line 17: short line: 5 of 9 fields" and the like, one line of text without a line end.
std::string DescribeLineProblem(const LineProblem& problem);

}  // namespace kt
