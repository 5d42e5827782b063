#include "core/print/PrintRange.h"

#include <algorithm>

#include "core/journal/KT2Doc.h"

namespace kt {
namespace {

// Days before the first of each month in a year with a 28-day February: the year's start that
// "This Year" reaches is counted without leap days.
constexpr int kDaysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

int DaysBack(PrintRange button, const LocalDate& end) {
    switch (button) {
        case PrintRange::ThisWeek:
            return end.weekday + 2;  // weekday counts Sunday as 0; the rule counts it as 1
        case PrintRange::OneWeek:
            return 7;
        case PrintRange::TwoWeeks:
            return 14;
        case PrintRange::ThisMonth:
            return end.day;
        case PrintRange::OneMonth:
            return 30;
        case PrintRange::TwoMonths:
            return 60;
        case PrintRange::ThisYear:
            return end.day + kDaysBeforeMonth[end.month - 1];
        case PrintRange::PastYear:
            return 365;
        case PrintRange::FromStart:
        case PrintRange::Custom:
            break;
    }
    return 0;
}

}  // namespace

Time64 PrintRangeStart(PrintRange button, Time64 end, Time64 firstRecord, Time64 current) {
    if (button == PrintRange::FromStart) return firstRecord;
    if (button == PrintRange::Custom) return current;
    // Counted in calendar days, not in 86,400-second steps: across a clock change those would land
    // an hour off, on the evening before the wanted day (whose records would then be printed) or
    // after its midnight (whose records would be left out).
    const LocalDate e = ToLocal(end);
    return MakeLocalTime(e.year, e.month, e.day - DaysBack(button, e), e.hour, e.minute, e.second);
}

PrintRangeChoice::PrintRangeChoice(Time64 firstRecord, Time64 lastRecord, bool csv)
    : m_bCsv(csv), m_first(firstRecord), m_start(firstRecord), m_end(lastRecord) {
    Select(PrintRange::ThisWeek);
}

void PrintRangeChoice::Select(PrintRange button) {
    m_selected = button;
    m_start = PrintRangeStart(button, m_end, m_first, m_start);
}

void PrintRangeChoice::PickStart(int year, int month, int day) { m_start = LocalMidnight(year, month, day); }

void PrintRangeChoice::PickEnd(int year, int month, int day) {
    m_end = LocalMidnight(year, month, day);
    m_selected = PrintRange::Custom;
}

std::optional<PrintRangeChoice> InitialPrintRange(const CKT2Doc& doc, bool csv) {
    if (doc.Records().empty()) return std::nullopt;
    // The array is in date order after every capture, but a loaded file keeps its own order: the
    // extremes, not the array's ends, make sure the range covers every record.
    const auto [first, last] = std::minmax_element(doc.Records().begin(), doc.Records().end(),
                                                   [](const CEventRecord& a, const CEventRecord& b) { return a.m_time < b.m_time; });
    return PrintRangeChoice(first->m_time, last->m_time, csv);
}

}  // namespace kt
