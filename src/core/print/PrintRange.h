#pragma once
// The date range of a printout or CSV export, as the print-range dialog chooses it: the end stays
// where the caller or the end picker put it, and each range button sets the start from the end.

#include <optional>

#include "core/base/LocalTime.h"

namespace kt {

class CKT2Doc;

// The range buttons, in the dialog's order.
enum class PrintRange { ThisWeek, OneWeek, TwoWeeks, ThisMonth, OneMonth, TwoMonths, ThisYear, PastYear, FromStart, Custom };
inline constexpr int kPrintRangeCount = 10;

// The start that `button` gives for the end `end`: a whole number of calendar days before end's
// date, at end's time of day. FromStart gives `firstRecord`, Custom leaves `current`.
Time64 PrintRangeStart(PrintRange button, Time64 end, Time64 firstRecord, Time64 current);

// The dialog's state: the range, the selected button and the CSV box.
class PrintRangeChoice {
public:
    // Start and end at the first and last record's date; "This Week" is selected and sets the start.
    PrintRangeChoice(Time64 firstRecord, Time64 lastRecord, bool csv);

    void Select(PrintRange button);
    // A date picked in the start picker: the start becomes that day's midnight.
    void PickStart(int year, int month, int day);
    // A date picked in the end picker: the end becomes that day's midnight and "Custom Period" is
    // selected; the start stays.
    void PickEnd(int year, int month, int day);

    Time64 Start() const { return m_start; }
    Time64 End() const { return m_end; }
    PrintRange Selected() const { return m_selected; }
    bool m_bCsv = false;  // "Save to CSV (Excel) file"

private:
    Time64 m_first;
    Time64 m_start;
    Time64 m_end;
    PrintRange m_selected = PrintRange::ThisWeek;
};

// The dialog's initial state for the document: from the earliest to the latest record date.
// Nothing for an empty database, which has no range to offer.
std::optional<PrintRangeChoice> InitialPrintRange(const CKT2Doc& doc, bool csv);

}  // namespace kt
