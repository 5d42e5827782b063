#include "core/chart/ChartFill.h"

#include <algorithm>

#include "core/journal/KT2Doc.h"
#include "core/settings/Settings.h"

namespace kt {

ChartData FillChart(const CKT2Doc& doc, Time64 chartStart, bool showWeight, Settings& settings) {
    ChartData data;
    data.weightVisible = showWeight;
    const auto& records = doc.Records();
    size_t i = 0;
    while (i < records.size() && records[i].m_time < chartStart) ++i;

    double dayTotal = 0.0;
    double dayWeight = 0.0;  // the day's last recorded weight; records without one carry 0
    double largest = 0.0;
    for (; i < records.size(); ++i) {
        const CEventRecord& r = records[i];
        if (r.m_dWeight > settings.m_dMaxWeight) {
            settings.m_dMaxWeight = r.m_dWeight;
            settings.m_bSettingsChanged = true;
        }
        if (settings.m_dMinWeight > r.m_dWeight) {
            settings.m_dMinWeight = r.m_dWeight;
            settings.m_bSettingsChanged = true;
        }
        dayTotal += r.m_dDuration;
        if (r.m_dWeight > 0.0) dayWeight = r.m_dWeight;
        const bool closesDay = i + 1 == records.size() || records[i + 1].m_time != r.m_time;
        if (!closesDay) continue;
        const double x = static_cast<double>(OleDayNumber(r.m_time));
        data.exercise.push_back({x, dayTotal});
        if (showWeight && dayWeight > 0.0) data.weight.push_back({x, dayWeight});
        largest = std::max(largest, dayTotal);
        dayTotal = 0.0;
        dayWeight = 0.0;
    }
    data.minutesAxisMax = largest + chart_setup::kMinutesHeadroom;
    return data;
}

AxisRange WeightAxisRange(const Settings& settings) {
    return {settings.m_dMinWeight, settings.m_dMaxWeight + chart_setup::kWeightAxisHeadroom};
}

}  // namespace kt
