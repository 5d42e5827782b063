#include "core/stats/Summaries.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string_view>
#include <utility>

#include "core/activities/ActivityTable.h"
#include "core/base/Format.h"
#include "core/base/Text.h"
#include "core/base/Units.h"
#include "core/journal/KT2Doc.h"
#include "core/stats/Texts.h"

namespace kt {
namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kDayDefault{0, 0, 208};
constexpr Rgb kDayTitleColour{0, 132, 0};
constexpr Rgb kDayDescription{110, 68, 70};
constexpr Rgb kDayRecordTail{192, 0, 0};
constexpr Rgb kDayTotals{128, 128, 0};
constexpr Rgb kDayStatus{0, 0, 255};

constexpr Rgb kErrorBackground{151, 252, 255};
constexpr Rgb kErrorText{255, 0, 0};
constexpr Rgb kAveragesBackground{249, 186, 170};
constexpr Rgb kAveragesDefault{0, 0, 192};
constexpr Rgb kAveragesStatus{220, 0, 0};
constexpr Rgb kPerDayValue{132, 0, 0};
constexpr Rgb kTotalValue{0, 132, 0};
constexpr Rgb kPeriodWords{0, 0, 255};

// The whole-number part as an int. A hand-edited file can hold any duration; an out-of-range
// value must not turn the conversion into undefined behaviour.
int WholePart(double v) {
    if (!(v == v)) return 0;
    if (v >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    if (v <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

void AddSpan(StyledText& t, size_t start, size_t length, Rgb colour) {
    if (length == 0) return;
    TextSpan s;
    s.start = start;
    s.length = length;
    s.bold = true;
    s.colour = colour;
    t.spans.push_back(s);
}

// Bold span over the rest of the line that starts at `start` (the line break excluded).
void SpanToLineEnd(StyledText& t, size_t start, Rgb colour) {
    size_t end = t.text.find('\n', start);
    if (end == std::string::npos) end = t.text.size();
    AddSpan(t, start, end - start, colour);
}

// Bold in `colour` over what lies between two key texts (see SpanBetween).
size_t EmphasizeBetween(StyledText& t, size_t from, std::string_view startKey, std::string_view endKey, Rgb colour) {
    TextSpan style;
    style.bold = true;
    style.colour = colour;
    return SpanBetween(t, from, startKey, endKey, style);
}

// Record fields go into one pane line; a stray line break inside one would split the line and
// shift every span after it.
std::string OneLine(const std::string& s) { return SanitizeFieldText(s); }

}  // namespace

DaySummaryText DaySummary(const CKT2Doc& doc, const ActivityTable& table, const std::vector<uint16_t>& selected, Time64 date) {
    namespace tx = stats_text;
    DaySummaryText out;
    const LocalDate d = ToLocal(date);
    const Time64 day = LocalMidnight(d.year, d.month, d.day);
    const Time64 nextDay = LocalMidnight(d.year, d.month, d.day + 1);
    const std::string dayText = FormatTime(day, tx::kDayDatePattern);
    out.heading = Format(tx::kDayHeading, dayText.c_str());

    StyledText& p = out.pane;
    p.background = kWhite;
    p.defaultColour = kDayDefault;
    p.defaultBold = false;
    p.alignments.push_back({0, ParagraphAlign::Center});
    SpanToLineEnd(p, p.Append(Format(tx::kDayTitle, dayText.c_str())), kDayTitleColour);

    int n = 0;
    double totalMinutes = 0.0;
    double totalCalories = 0.0;
    // [day, nextDay) is the same test as "midnight of the record's day equals day", without a
    // calendar conversion per record; in date order those records stand together.
    const auto& records = doc.Records();
    const auto [first, last] = doc.IsSorted() ? doc.PositionsBetween(day, nextDay) : std::pair<size_t, size_t>(0, records.size());
    for (size_t i = first; i < last; ++i) {
        const CEventRecord& r = records[i];
        if (r.m_time < day || r.m_time >= nextDay) continue;
        ++n;
        totalMinutes += r.m_dDuration;
        double c = r.m_dCalories;
        if (c == 0.0)
            c = CalculateCalories(table, selected, doc.m_bMetric, doc.m_dLastWeight, r.m_dDuration, r.m_dWeight < 0.0 ? 0.0 : r.m_dWeight,
                                  r.m_strType);
        totalCalories += c;
        const std::string type = OneLine(r.m_strType);
        const std::string desc = OneLine(r.m_strDescription);
        const std::string loc = OneLine(r.m_strLocation);
        const size_t at = p.Append(Format(tx::kDayRecordLine, type.c_str(), desc.c_str(), loc.c_str(), r.m_dDuration, c));
        // Placed by construction ("type: desc (loc) - ..."), so a ": " or " (" inside a type or a
        // description cannot move the emphasis onto the wrong words.
        const size_t descStart = at + type.size() + 2;
        AddSpan(p, descStart, desc.size(), kDayDescription);
        SpanToLineEnd(p, descStart + desc.size() + 2 + loc.size() + 1, kDayRecordTail);
    }

    const int h = WholePart(totalMinutes / 60.0);
    const int m = WholePart(totalMinutes - 60.0 * h);
    const std::string suffix = totalCalories > 0.0 ? Format(tx::kDayCaloriesSuffix, totalCalories) : std::string();
    const size_t summaryAt = p.Append(Format(tx::kDaySummaryLine, n, totalMinutes, h, m, suffix.c_str()));
    SpanToLineEnd(p, p.text.find("Summary:", summaryAt), kDayTotals);

    const double w = doc.m_dLastWeight;
    const std::string weightLine =
        Format(tx::kDayWeightLine, w, UnitName(doc.m_bMetric), OtherUnit(w, doc.m_bMetric), UnitName(!doc.m_bMetric));
    SpanToLineEnd(p, p.Append(weightLine), kDayTotals);

    out.status.text = Format(tx::kDayStatus, n, n == 1 ? tx::kActivity : tx::kActivities, totalMinutes, totalCalories);
    out.status.colour = kDayStatus;
    return out;
}

AveragesSummaryText AveragesSummary(const CKT2Doc& doc, const ActivityTable& table, const std::vector<uint16_t>& selected,
                                    const AverageResult& d, const AverageResult& c) {
    namespace tx = stats_text;
    AveragesSummaryText out;
    StyledText& p = out.pane;
    const auto& records = doc.Records();
    if (records.empty() || d.days <= 0) {
        p.background = kErrorBackground;
        p.defaultColour = kErrorText;
        p.defaultBold = true;
        p.Append(d.text);
        return out;
    }

    const int h = WholePart(d.perDay) / 60;
    const int m = WholePart(d.perDay - 60.0 * h);
    const std::string sentence1 = Format(tx::kAveragesSentence1, d.perDay, d.perDay / 60.0, h, m, d.total / 60.0, d.days, c.perDay, c.total,
                                         c.days, d.events, d.text.c_str());

    const AverageResult all = DurationAverage(doc, 8);
    const AverageResult allCalories = CalorieAverage(doc, table, selected, 8);
    const Time64 first = records.front().m_time;
    const Time64 last = records.back().m_time;
    const YearsDays yd = YearsAndDays(first, last);
    const int n = static_cast<int>(records.size());
    const int p8 = all.days;
    const int e = ExerciseDayCount(doc);

    out.status = StatusLine{Format(tx::kAveragesStatus, n, p8, all.perDay, allCalories.perDay), kAveragesStatus};

    const std::string firstText = FormatTime(first, tx::kAveragesFirstDatePattern);
    const std::string sentence2 = Format(tx::kAveragesSentence2, n, e, p8, firstText.c_str(), yd.years, yd.days, yd.years + yd.days / 365.0,
                                         ExerciseDayPercent(e, first, last), all.perDay, allCalories.perDay);

    p.background = kAveragesBackground;
    p.defaultColour = kAveragesDefault;
    p.defaultBold = false;
    p.Append(sentence1);
    p.Append(sentence2);

    struct Key {
        std::string_view from;
        std::string_view to;
        Rgb colour;
    };
    static constexpr std::array<Key, 9> kSentence1Keys = {{
        {"Average of:", "minutes (", kPerDayValue},
        {"minutes (", "hrs or", kTotalValue},
        {"hrs or", "H:M -", kTotalValue},
        {"H:M -", "Total Hours/", kTotalValue},
        {"Total Hours/", "Days", kTotalValue},
        {"&", "calories (", kPerDayValue},
        {"calories (", "total calories over", kTotalValue},
        {"total calories over", "days and", kTotalValue},
        {"days and", "exercise events)", kTotalValue},
    }};
    static constexpr std::array<Key, 9> kSentence2Keys = {{
        {"There are", "exercise events", kPerDayValue},
        {"a total of", "exercise days", kPerDayValue},
        {"a period of", "days", kPerDayValue},
        {" (", "years", kPerDayValue},
        {"years", "days or", kPerDayValue},
        {"days or", "years", kPerDayValue},
        {"exercised on", "of the days since", kPerDayValue},
        {"you have averaged", "minutes", kPerDayValue},
        {"exercise and", "calories", kPerDayValue},
    }};
    size_t pos = 0;
    for (const Key& k : kSentence1Keys) pos = EmphasizeBetween(p, pos, k.from, k.to, k.colour);
    constexpr std::string_view kPeriodKey = ") per day";
    const size_t periodAt = p.text.find(kPeriodKey, pos);
    if (periodAt != std::string::npos) {
        // The words open the average details, like a link.
        TextSpan link;
        link.bold = true;
        link.underline = true;
        link.colour = kPeriodWords;
        link.link = kAverageDetailsLink;
        pos = SpanWords(p, periodAt + 2, kPeriodKey.substr(2), link);
    }
    for (const Key& k : kSentence2Keys) pos = EmphasizeBetween(p, pos, k.from, k.to, k.colour);
    return out;
}

YearsDays YearsAndDays(Time64 from, Time64 to) {
    int64_t d = DayCount(from, to);
    const int y0 = ToLocal(from).year;
    const int firstYearDays = IsLeapYear(y0) ? 366 : 365;
    if (d < firstYearDays) return {0, static_cast<int>(d)};
    int64_t years = 1;
    d -= firstYearDays;
    // Whole 400-year cycles (146097 days each) first: the leap pattern repeats, so the result is
    // the same, and a corrupt date far in the future cannot keep this loop busy for hours.
    constexpr int64_t kCycleDays = 146097;
    if (d > kCycleDays + 366) {
        const int64_t cycles = (d - 366) / kCycleDays;
        years += 400 * cycles;
        d -= kCycleDays * cycles;
    }
    while (d > 365) {
        ++years;
        d -= IsLeapYear(static_cast<int>(y0 + (years - 1) % 400)) ? 366 : 365;
    }
    constexpr int64_t kMaxInt = std::numeric_limits<int>::max();
    return {static_cast<int>(std::min(years, kMaxInt)), static_cast<int>(d)};
}

double ExerciseDayPercent(int exerciseDays, Time64 first, Time64 last) {
    if (exerciseDays <= 0) return 0.0;
    // Calendar days, both ends included: a clock change cannot lose a day here, and a database
    // with exercise on every day shows exactly 100.
    const int64_t span = OleDayNumber(last) - OleDayNumber(first) + 1;
    if (span <= 0) return 100.0;
    return 100.0 * exerciseDays / static_cast<double>(span);
}

}  // namespace kt
