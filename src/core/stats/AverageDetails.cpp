#include "core/stats/AverageDetails.h"

#include "core/base/Format.h"
#include "core/journal/KT2Doc.h"
#include "core/stats/Texts.h"

namespace kt {
namespace {

namespace tx = stats_text;

constexpr Rgb kDefaultText{0, 0, 128};
constexpr Rgb kValue{220, 0, 0};
constexpr Rgb kPeriod{0, 128, 0};
constexpr Rgb kWords{0, 0, 160};

constexpr std::array<DetailsRowColours, 3> kRowColours = {{
    {{0, 128, 0}, {245, 245, 255}},
    {{0, 0, 255}, {220, 255, 220}},
    {{220, 0, 0}, {220, 255, 220}},
}};

TextSpan Style(Rgb colour, bool italic = false, bool underline = false) {
    TextSpan s;
    s.bold = true;
    s.italic = italic;
    s.underline = underline;
    s.colour = colour;
    return s;
}

}  // namespace

std::optional<AverageDetails> CollectAverageDetails(const CKT2Doc& doc, int period) {
    const auto window = FindAveragingWindow(doc, period);
    if (!window) return std::nullopt;
    AverageDetails details;
    details.period = window->period;
    details.startDate = window->start;
    details.shortDatabase = window->shortDatabase;
    details.first = window->firstCounted;
    details.count = doc.Records().size() - window->firstCounted;
    details.newestFirst = window->period <= 7;
    return details;
}

const std::array<const char*, kDetailsColumnCount>& AverageDetailsHeadings() { return tx::kDetailsHeadings; }

std::array<int, kDetailsColumnCount> AverageDetailsColumnWidths(int w) {
    return {w / 7, 3 * w / 14, 3 * w / 14, w / 14, 5 * w / 28, w / 14, w / 14};
}

std::string AverageDetailsCell(const CEventRecord& r, int column) {
    switch (column) {
        case 0:
            return FormatTime(r.m_time, tx::kDetailsDatePattern);
        case 1:
            return r.m_strType;
        case 2:
            return r.m_strDescription;
        case 3:
            return Format("%3.2lf", r.m_dDuration);
        case 4:
            return r.m_strLocation;
        case 5:
            return Format("%3.1lf", r.m_dCalories);
        case 6:
            return r.m_strNotes;
        default:
            return {};
    }
}

DetailsRowColours AverageDetailsRowColours(size_t row) { return kRowColours[row % 3]; }

StyledText AverageDetailsSummary(const AverageDetails& details, const AverageResult& d, const AverageResult& c) {
    const std::string events = Format(tx::kDetailsEvents, details.EventCount());
    const auto& p = tx::kDetailsPeriodTexts[static_cast<size_t>(AveragingPeriodFromSelection(details.period))];
    const std::string start = FormatTime(details.startDate, tx::kDetailsDatePattern);
    const std::string period =
        *p.note ? Format(p.format, start.c_str(), details.shortDatabase ? p.note : "") : Format(p.format, start.c_str());
    const std::string averages = Format(tx::kDetailsAverages, d.perDay, d.total, d.days, c.perDay, c.total, c.days);

    StyledText t;
    t.defaultColour = kDefaultText;
    t.defaultBold = false;
    t.Append(Format(tx::kDetailsSummary, events.c_str(), period.c_str(), averages.c_str()));

    size_t pos = SpanBetween(t, 0, "Summary:", "exercise events", Style(kValue));
    pos = SpanBetween(t, pos, "activites for", ", resulting in", Style(kPeriod, true));
    SpanWords(t, pos, "average time", Style(kWords));
    pos = SpanBetween(t, pos, "exercising of", "minutes per day", Style(kValue));
    pos = SpanWords(t, pos, "minutes per day", Style(kWords, true, true));
    const size_t calories = SpanWords(t, pos, "average number of calories", Style(kWords));
    SpanBetween(t, calories, "burned per day of", "cal (", Style(kValue));
    return t;
}

}  // namespace kt
