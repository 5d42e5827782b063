#include "core/chart/GraphPeriod.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/base/Format.h"
#include "core/chart/Texts.h"
#include "core/journal/KT2Doc.h"

namespace kt {
namespace {

Time64 AddDays(Time64 t, int days) {
    const LocalDate d = ToLocal(t);
    return MakeLocalTime(d.year, d.month, d.day + days, d.hour, d.minute, d.second);
}

// Length of the two months that end with the current one: January and August follow a 31-day
// month, February and March include February.
int TwoMonthLength(int year, int month) {
    if (month == 1 || month == 8) return 62;
    if (month == 2 || month == 3) return IsLeapYear(year) ? 60 : 59;
    return 61;
}

std::string Title(const char* format, Time64 a, Time64 b) {
    return Format(format, FormatTime(a, chart_text::kTitleDatePattern).c_str(), FormatTime(b, chart_text::kTitleDatePattern).c_str());
}

}  // namespace

int MonthLength(int year, int month) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYear(year)) return 29;
    return kDays[static_cast<size_t>(std::clamp(month, 1, 12) - 1)];
}

std::vector<std::string> GraphPeriodCaptions() {
    return std::vector<std::string>(chart_text::kGraphPeriodCaptions.begin(), chart_text::kGraphPeriodCaptions.end());
}

GraphPeriodView ComputeGraphPeriod(int period, Time64 now, const CKT2Doc& doc) {
    namespace tx = chart_text;
    GraphPeriodView v;
    v.period = period;
    const LocalDate n = ToLocal(now);
    const int dow = n.weekday + 1;
    const int monthLength = MonthLength(n.year, n.month);
    switch (period) {
        case 0:
        case 1:
            v.start = AddDays(now, -dow);
            v.end = AddDays(v.start, 7);
            v.tickPattern = tx::kTicksWeekday;
            v.title = Title(tx::kTitleOneWeek, v.start, v.end);
            break;
        case 2:
            v.start = AddDays(now, -(dow + 7));
            v.end = AddDays(v.start, 14);
            v.tickPattern = tx::kTicksWeekday;
            v.title = Title(tx::kTitleTwoWeeks, v.start, v.end);
            break;
        case 3:
            v.start = AddDays(now, -n.day);
            v.end = AddDays(v.start, monthLength + 1);
            v.tickPattern = tx::kTicksDay;
            v.title = Title(tx::kTitleOneMonth, v.start, v.end);
            break;
        case 5: {
            const int l2 = TwoMonthLength(n.year, n.month);
            v.start = AddDays(now, -l2);
            v.end = AddDays(v.start, l2 + 1);
            v.tickPattern = tx::kTicksDay;
            v.title = Title(tx::kTitleTwoMonths, v.start, v.end);
            break;
        }
        case 6: {
            v.start = LocalMidnight(n.year, 1, 1);
            const int64_t days = DayCount(v.start, now);
            v.end = AddDays(v.start, static_cast<int>(days + 1));
            v.title = Title(tx::kTitleThisYear, v.start, v.end);
            break;
        }
        case 7:
            v.start = AddDays(now, -365);
            v.end = AddDays(v.start, 365);
            v.title = Title(tx::kTitlePreviousYear, v.start, v.end);
            break;
        case 8: {
            Time64 earliest = now;
            if (doc.IsSorted()) {
                if (!doc.Records().empty()) earliest = std::min(earliest, doc.Records().front().m_time);
            } else {
                for (const CEventRecord& r : doc.Records()) earliest = std::min(earliest, r.m_time);
            }
            v.start = MidnightOf(earliest);
            v.end = now;
            v.title = Title(tx::kTitleFromStart, v.start, now);
            break;
        }
        default:  // 4 and every index outside 0..8
            v.start = AddDays(now, -monthLength);
            v.end = AddDays(v.start, monthLength + 1);
            v.tickPattern = tx::kTicksDay;
            v.title = Title(tx::kTitleOneMonth, v.start, v.end);
            break;
    }
    v.axisMin = static_cast<double>(OleDayNumber(v.start));
    v.axisMax = static_cast<double>(OleDayNumber(v.end));
    v.tickStepDays = TickStepDays(v.axisMin, v.axisMax);
    return v;
}

int TickStepDays(double axisMin, double axisMax) {
    const double range = axisMax - axisMin;
    if (!(range > 31.0)) return 1;  // also NaN
    constexpr int kMaxTicks = 13;
    for (int step : {7, 14, 30, 61, 91, 182, 365}) {
        if (range / step <= kMaxTicks) return step;
    }
    const double years = std::ceil(range / 365.0 / kMaxTicks);
    if (years >= 1e6) return 365 * 1000000;
    return 365 * static_cast<int>(years);
}

std::optional<Time64> DayFromAxisValue(double x) {
    constexpr double kLastOleDay = 2958465.0;  // 9999-12-31
    if (!std::isfinite(x) || x < 0.0 || x >= kLastOleDay + 1.0) return std::nullopt;
    return MidnightOfOleDay(static_cast<int64_t>(std::floor(x)));
}

std::optional<Time64> DayAtAxisPoint(double x) { return DayFromAxisValue(x + kHalfDay); }

std::string TickLabelPattern(int tickStepDays, const std::string& pattern) {
    if (tickStepDays >= 182) return "%b %Y";
    if (tickStepDays > 1 || pattern.empty()) return "%b %d";
    return pattern;
}

std::string TickLabel(double x, int tickStepDays, const std::string& pattern) {
    const std::optional<Time64> day = DayAtAxisPoint(x);
    return day ? FormatTime(*day, TickLabelPattern(tickStepDays, pattern).c_str()) : std::string();
}

}  // namespace kt
