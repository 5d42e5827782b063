#include "core/chart/ChartFill.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/chart/GraphPeriod.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/Settings.h"

namespace kt {
namespace {

// Collects the day bars, one per day or one per pixel column.
class Bars {
public:
    Bars(ChartData& data, const ChartColumns& columns) : m_data(data) {
        const double days = columns.axisMax - columns.axisMin + 1.0;
        if (columns.pixels > 0 && days > columns.pixels) {
            m_merging = true;
            m_left = columns.axisMin - chart_setup::kDateAxisMargin;
            m_daysPerColumn = days / columns.pixels;
        }
        data.merged = m_merging;
    }

    // Days come in date order; `weight` is 0 when the day has none to show.
    void AddDay(double x, double minutes, double weight) {
        if (!m_merging) {
            m_data.exercise.push_back({x, minutes});
            if (weight > 0.0) m_data.weight.push_back({x, weight});
            return;
        }
        const int64_t column = static_cast<int64_t>(std::floor((x - m_left) / m_daysPerColumn));
        if (!m_open || column != m_column) {
            Close();
            m_open = true;
            m_column = column;
            m_tallest = {x, minutes};
            m_heaviest = weight;
            return;
        }
        if (minutes > m_tallest.y) m_tallest = {x, minutes};
        if (weight > m_heaviest) m_heaviest = weight;
    }

    void Close() {
        if (!m_open) return;
        m_data.exercise.push_back(m_tallest);
        if (m_heaviest > 0.0) m_data.weight.push_back({m_tallest.x, m_heaviest});
        m_open = false;
    }

private:
    ChartData& m_data;
    bool m_merging = false;
    double m_left = 0.0;
    double m_daysPerColumn = 1.0;
    bool m_open = false;
    int64_t m_column = 0;
    ChartPoint m_tallest;
    double m_heaviest = 0.0;
};

void Widen(Settings& settings, double lightest, double heaviest) {
    if (heaviest > settings.m_dMaxWeight) {
        settings.m_dMaxWeight = heaviest;
        settings.m_bSettingsChanged = true;
    }
    if (settings.m_dMinWeight > lightest) {
        settings.m_dMinWeight = lightest;
        settings.m_bSettingsChanged = true;
    }
}

}  // namespace

ChartData FillChart(const CKT2Doc& doc, Time64 chartStart, bool showWeight, Settings& settings, const ChartColumns& columns) {
    ChartData data;
    data.weightVisible = showWeight;
    Bars bars(data, columns);
    double largest = 0.0;
    const auto addDay = [&](int64_t oleDay, double minutes, double weight) {
        bars.AddDay(static_cast<double>(oleDay), minutes, showWeight ? weight : 0.0);
        largest = std::max(largest, minutes);
    };

    if (const std::vector<DayTotal>* days = doc.IsSorted() ? doc.Totals().Days() : nullptr) {
        auto it = std::lower_bound(days->begin(), days->end(), chartStart, [](const DayTotal& d, Time64 t) { return d.day < t; });
        for (; it != days->end(); ++it) {
            Widen(settings, it->minWeight, it->maxWeight);
            addDay(it->oleDay, it->minutes, it->weight);
        }
    } else {
        const auto& records = doc.Records();
        size_t i = 0;
        while (i < records.size() && records[i].m_time < chartStart) ++i;
        double dayTotal = 0.0;
        double dayWeight = 0.0;  // the day's last recorded weight; records without one carry 0
        for (; i < records.size(); ++i) {
            const CEventRecord& r = records[i];
            Widen(settings, r.m_dWeight, r.m_dWeight);
            dayTotal += r.m_dDuration;
            if (r.m_dWeight > 0.0) dayWeight = r.m_dWeight;
            const bool closesDay = i + 1 == records.size() || records[i + 1].m_time != r.m_time;
            if (!closesDay) continue;
            addDay(OleDayNumber(r.m_time), dayTotal, dayWeight);
            dayTotal = 0.0;
            dayWeight = 0.0;
        }
    }
    bars.Close();
    data.minutesAxisMax = largest + chart_setup::kMinutesHeadroom;
    return data;
}

std::optional<Time64> DayForClick(const ChartData& data, double x, double barHalfWidth) {
    if (data.merged) {
        // Merged bars stand a pixel apart and overlap; what shows at the pointer is the top of the
        // tallest one that reaches it.
        const auto& bars = data.exercise;
        auto it = std::lower_bound(bars.begin(), bars.end(), x - barHalfWidth, [](const ChartPoint& p, double v) { return p.x < v; });
        const ChartPoint* shown = nullptr;
        for (; it != bars.end() && it->x <= x + barHalfWidth; ++it) {
            if (!shown || it->y > shown->y || (it->y == shown->y && std::fabs(it->x - x) < std::fabs(shown->x - x))) shown = &*it;
        }
        if (shown) return DayFromAxisValue(shown->x);
    }
    return DayAtAxisPoint(x);
}

AxisRange WeightAxisRange(const Settings& settings) {
    return {settings.m_dMinWeight, settings.m_dMaxWeight + chart_setup::kWeightAxisHeadroom};
}

}  // namespace kt
