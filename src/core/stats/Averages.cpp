#include "core/stats/Averages.h"

#include "core/activities/ActivityTable.h"
#include "core/base/Format.h"
#include "core/journal/KT2Doc.h"
#include "core/stats/Texts.h"

namespace kt {
namespace {

int NormalisePeriod(int period) { return AveragingPeriodFromSelection(period); }

// Full day count of periods 0..7 once S is known. Periods 4 to 6 count the seconds between S and
// R, so a span across the spring clock change is a day short, like every other day count here.
int FullDayCount(int period, Time64 start, Time64 reference) {
    const LocalDate r = ToLocal(reference);
    switch (period) {
        case 0:
            return r.weekday + 1;
        case 1:
            return 7;
        case 2:
            return 14;
        case 3:
            return r.day;
        case 7:
            return 365;
        default:
            return static_cast<int>(DayCount(start, reference));
    }
}

std::string DurationText(const AveragingWindow& w) {
    const auto& t = stats_text::kDurationPeriodTexts[static_cast<size_t>(w.period)];
    const std::string note = w.shortDatabase ? t.note : "";
    switch (w.period) {
        case 3:
            return Format(t.format, FormatTime(w.reference, t.datePattern).c_str()) + note;
        case 4:
        case 5:
            return Format(t.format, FormatTime(w.start, t.datePattern).c_str(), FormatTime(w.reference, t.datePattern).c_str()) + note;
        case 7:
            return Format(t.format, FormatTime(w.start, t.datePattern).c_str(), note.c_str());
        case 9:
            return t.format;
        default:
            return Format(t.format, FormatTime(w.start, t.datePattern).c_str()) + note;
    }
}

}  // namespace

std::vector<std::string> AveragingPeriodCaptions() {
    return std::vector<std::string>(stats_text::kAveragingCaptions.begin(), stats_text::kAveragingCaptions.end());
}

int AveragingPeriodFromSelection(int position) { return position >= 0 && position < kAveragingPeriodCount ? position : 0; }

std::optional<Time64> AverageReferenceDate(const CKT2Doc& doc) {
    if (doc.Records().empty()) return std::nullopt;
    return doc.Records().back().m_time;
}

Time64 AveragingPeriodStart(Time64 reference, int period) {
    const LocalDate r = ToLocal(reference);
    switch (NormalisePeriod(period)) {
        case 0:
            return LocalMidnight(r.year, r.month, r.day - r.weekday);  // weekday 0 = Sunday
        case 1:
            return LocalMidnight(r.year, r.month, r.day - 7);
        case 2:
            return LocalMidnight(r.year, r.month, r.day - 14);
        case 3:
            return LocalMidnight(r.year, r.month, 1);
        case 4:
            // Month 0 normalises to December of the previous year; 31 February to early March.
            return LocalMidnight(r.year, r.month - 1, r.day);
        case 5:
            if (r.month >= 3) return LocalMidnight(r.year, r.month - 2, r.day);
            return LocalMidnight(r.year - 1, r.month + 10, r.day == 31 ? 30 : r.day);
        case 6:
            return LocalMidnight(r.year, 1, 1);
        case 7:
            return LocalMidnight(r.year, r.month, r.day - 365);
        default:
            return MidnightOf(reference);
    }
}

std::optional<AveragingWindow> FindAveragingWindow(const CKT2Doc& doc, int period, std::optional<Time64> reference) {
    const auto& records = doc.Records();
    if (records.empty()) return std::nullopt;
    AveragingWindow w;
    w.period = NormalisePeriod(period);
    w.reference = reference.value_or(records.back().m_time);
    const Time64 first = records.front().m_time;
    if (w.period >= 8) {
        w.periodStart = first;
        w.start = first;
        w.firstCounted = 0;
        w.walkedPastFirst = true;
        w.fullDays = w.period == 8 ? static_cast<int>(DayCount(first, w.reference)) : ExerciseDayCount(doc);
        return w;
    }
    w.periodStart = AveragingPeriodStart(w.reference, w.period);
    w.start = w.periodStart;
    // The walk back from the newest record stops at the first one before S: in date order that
    // is a binary search.
    size_t i = records.size();
    if (doc.IsSorted()) {
        i = doc.FirstFrom(w.periodStart);
    } else {
        while (i > 0 && records[i - 1].m_time >= w.periodStart) --i;
    }
    w.firstCounted = i;
    w.walkedPastFirst = i == 0;
    w.fullDays = FullDayCount(w.period, w.periodStart, w.reference);
    if (w.walkedPastFirst && first > w.periodStart) {
        w.shortDatabase = true;
        w.start = first;
    }
    return w;
}

int ExerciseDayCount(const CKT2Doc& doc) { return doc.Totals().ExerciseDays(doc.Records().size()); }

AverageResult DurationAverage(const CKT2Doc& doc, int period, std::optional<Time64> reference) {
    AverageResult result;
    const auto window = FindAveragingWindow(doc, period, reference);
    if (!window) {
        result.text = stats_text::kNoData;
        return result;
    }
    const auto& records = doc.Records();
    if (window->firstCounted == 0) {
        // Every record: the kept total, exact, so it never depends on the journal's history.
        result.total = doc.Totals().Minutes();
    } else {
        for (size_t i = window->firstCounted; i < records.size(); ++i) result.total += records[i].m_dDuration;
    }
    result.events = static_cast<int>(records.size() - window->firstCounted);
    result.days = window->shortDatabase ? static_cast<int>(DayCount(window->start, window->reference)) : window->fullDays;
    result.text = DurationText(*window);
    if (result.days > 0) {
        result.perDay = result.total / result.days;
    } else {
        result.perDay = 0.0;
        result.days = 0;
        result.events = 0;
        result.text = stats_text::kAverageError;
    }
    return result;
}

AverageResult CalorieAverage(const CKT2Doc& doc, const ActivityTable& table, const std::vector<uint16_t>& selected, int period) {
    AverageResult result;
    const auto window = FindAveragingWindow(doc, period);
    if (!window) return result;
    const auto& records = doc.Records();
    if (window->firstCounted == 0) {
        result.total = doc.Totals().Calories(table, selected, doc.m_bMetric, doc.m_dLastWeight);
    } else {
        for (size_t i = window->firstCounted; i < records.size(); ++i) {
            const CEventRecord& r = records[i];
            // The document's current weight, not the one stored with the record.
            result.total += r.m_dCalories != 0.0 ? r.m_dCalories
                                                 : CalculateCalories(table, selected, doc.m_bMetric, doc.m_dLastWeight, r.m_dDuration,
                                                                     doc.m_dLastWeight, r.m_strType);
        }
    }
    result.events = static_cast<int>(records.size() - window->firstCounted);
    // Unlike the duration average, any walk past the first record measures from that record,
    // also when it lies exactly on the period start.
    if (window->period <= 7 && window->walkedPastFirst) {
        result.days = static_cast<int>(DayCount(records.front().m_time, window->reference));
    } else {
        result.days = window->fullDays;
    }
    result.text = stats_text::kCaloriePeriodTexts[static_cast<size_t>(window->period)];
    result.perDay = result.days > 0 ? result.total / result.days : 0.0;
    return result;
}

}  // namespace kt
