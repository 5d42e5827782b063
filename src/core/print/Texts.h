#pragma once
// Every text and fixed value of the printed record list and of the print-range dialog.

#include <array>

#include "core/base/StyledColor.h"

namespace kt::print_text {

inline constexpr const char* kDialogTitle = "Print Exercise Records";
inline constexpr const char* kRangeGroup = "Select the date range to print";
// The range buttons, in the order of PrintRange.
inline constexpr std::array<const char*, 10> kRangeCaptions = {
    "This Week",  "One Week",  "Two Weeks",          "This Month",     "One Month",
    "Two Months", "This Year", "Over the past Year", "From the Start", "Custom Period",
};
inline constexpr const char* kStartLabel = "Starting Date";
inline constexpr const char* kEndLabel = "End Date:";
inline constexpr const char* kCsvBox = "Save to CSV (Excel) file";
inline constexpr const char* kPrintToPdf = "Print to PDF...";
inline constexpr Rgb kDialogBackground{241, 219, 117};

// Shown instead of the dialog: a range needs a first and a last record.
inline constexpr const char* kEmptyDatabase =
    "The exercise database holds no records yet, so there is nothing to print or to save as a CSV file.";

inline constexpr const char* kPdfFilter = "PDF files (*.pdf);;All Files (*.*)";
inline constexpr const char* kPdfExtension = "pdf";
inline constexpr const char* kPrintFailed = "The printer could not be started. Nothing was printed.";
// %s: the file's path.
inline constexpr const char* kPdfFailedFormat = "The file %s could not be created.";

// The printout: its title (both dates formatted with kTitleDatePattern), the table's header row
// and the date pattern of the rows.
inline constexpr const char* kTitleFormat = "Exercise Activity information from %s to %s";
inline constexpr const char* kTitleDatePattern = "%a. %b %d, %Y";
inline constexpr std::array<const char*, 5> kHeaderCells = {"Date", "Type", "Description", "Time (min)", "Notes"};
inline constexpr const char* kRowDatePattern = "%a %b %d, %Y";
inline constexpr const char* kDurationFormat = "%3.2lf";
// The date cell of a row whose record has the date of the row above.
inline constexpr const char* kRepeatedDate = " ";

}  // namespace kt::print_text
