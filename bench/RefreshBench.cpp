// What the data entry view recomputes after a capture, on journals of 100k and 1M records: the
// sort check, the chart for the default period and for "From the beginning" (one bar per pixel
// column of an 1,100-pixel axis), both averages for the current period and for every record, and
// both summaries. The first refresh after a load also counts the kept totals once; the runs
// after it measure what every capture costs.

#include <benchmark/benchmark.h>

#include <map>

#include "core/activities/ActivityTable.h"
#include "core/chart/ChartFill.h"
#include "core/chart/GraphPeriod.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/Settings.h"
#include "core/stats/Averages.h"
#include "core/stats/Summaries.h"
#include "sampledata/SampleData.h"

namespace {

constexpr int kDefaultGraphPeriod = 0;
constexpr int kDefaultAveragingPeriod = 1;
constexpr int kPlotPixels = 1100;

struct Journal {
    kt::CKT2Doc doc;
    std::vector<uint16_t> selected = kt::DefaultSelectedActivities();
    kt::Time64 now = 0;
};

// About two records a day, so the long periods see tens of thousands of distinct days.
const Journal& Sample(size_t records) {
    static std::map<size_t, Journal> cache;
    auto [it, inserted] = cache.try_emplace(records);
    if (inserted) {
        kt::sample::Options options;
        options.records = records;
        options.years = static_cast<int>(records / 730) + 1;
        options.lastDay = kt::LocalMidnight(2024, 6, 15);
        it->second.doc.SetRecords(kt::sample::GenerateRecords(options));
        it->second.doc.m_bMetric = true;
        it->second.doc.m_dLastWeight = 78.0;
        it->second.now = kt::MakeLocalTime(2024, 6, 15, 18, 30);
    }
    return it->second;
}

void BM_SortSorted(benchmark::State& state) {
    kt::CKT2Doc doc = Sample(static_cast<size_t>(state.range(0))).doc;
    for (auto _ : state) {
        doc.SortByDate();
        benchmark::DoNotOptimize(doc.Records().data());
    }
}

void BM_FillChart(benchmark::State& state) {
    const Journal& j = Sample(static_cast<size_t>(state.range(0)));
    const int period = static_cast<int>(state.range(1));
    kt::Settings settings;
    for (auto _ : state) {
        const kt::GraphPeriodView view = kt::ComputeGraphPeriod(period, j.now, j.doc);
        benchmark::DoNotOptimize(kt::FillChart(j.doc, view.start, true, settings, {view.axisMin, view.axisMax, kPlotPixels}));
    }
}

void BM_Averages(benchmark::State& state) {
    const Journal& j = Sample(static_cast<size_t>(state.range(0)));
    const int period = static_cast<int>(state.range(1));
    for (auto _ : state) {
        benchmark::DoNotOptimize(kt::DurationAverage(j.doc, period));
        benchmark::DoNotOptimize(kt::CalorieAverage(j.doc, kt::ActivityTable::Defaults(), j.selected, period));
    }
}

void BM_DaySummary(benchmark::State& state) {
    const Journal& j = Sample(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(kt::DaySummary(j.doc, kt::ActivityTable::Defaults(), j.selected, j.doc.Records().back().m_time));
    }
}

void BM_AveragesSummary(benchmark::State& state) {
    const Journal& j = Sample(static_cast<size_t>(state.range(0)));
    const auto& table = kt::ActivityTable::Defaults();
    const kt::AverageResult d = kt::DurationAverage(j.doc, kDefaultAveragingPeriod);
    const kt::AverageResult c = kt::CalorieAverage(j.doc, table, j.selected, kDefaultAveragingPeriod);
    for (auto _ : state) benchmark::DoNotOptimize(kt::AveragesSummary(j.doc, table, j.selected, d, c));
}

// Everything above in one go, as one capture refreshes it.
void BM_FullRefresh(benchmark::State& state) {
    Journal j = Sample(static_cast<size_t>(state.range(0)));
    const auto& table = kt::ActivityTable::Defaults();
    kt::Settings settings;
    for (auto _ : state) {
        j.doc.SortByDate();
        for (int period : {kDefaultGraphPeriod, 8}) {
            const kt::GraphPeriodView view = kt::ComputeGraphPeriod(period, j.now, j.doc);
            benchmark::DoNotOptimize(kt::FillChart(j.doc, view.start, true, settings, {view.axisMin, view.axisMax, kPlotPixels}));
        }
        benchmark::DoNotOptimize(kt::DurationAverage(j.doc, 8));
        benchmark::DoNotOptimize(kt::CalorieAverage(j.doc, table, j.selected, 8));
        const kt::AverageResult d = kt::DurationAverage(j.doc, kDefaultAveragingPeriod);
        const kt::AverageResult c = kt::CalorieAverage(j.doc, table, j.selected, kDefaultAveragingPeriod);
        benchmark::DoNotOptimize(kt::AveragesSummary(j.doc, table, j.selected, d, c));
        benchmark::DoNotOptimize(kt::DaySummary(j.doc, table, j.selected, *kt::AverageReferenceDate(j.doc)));
    }
}

constexpr int64_t kSmall = 100000;
constexpr int64_t kLarge = 1000000;

BENCHMARK(BM_SortSorted)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillChart)
    ->Args({kSmall, kDefaultGraphPeriod})
    ->Args({kLarge, kDefaultGraphPeriod})
    ->Args({kLarge, 8})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Averages)->Args({kLarge, kDefaultAveragingPeriod})->Args({kLarge, 8})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DaySummary)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AveragesSummary)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullRefresh)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMicrosecond);

}  // namespace
