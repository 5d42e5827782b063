// Opening the average details on a journal of a million records, for the longest period (every
// record): collecting, building the dialog with its averages sentence and list, and painting it
// once. Runs on Qt's offscreen platform unless another is chosen.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableView>
#include <cstdlib>

#include "QtBenchMain.h"
#include "core/activities/ActivityTable.h"
#include "core/base/Format.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/Settings.h"
#include "sampledata/SampleData.h"
#include "ui/stats/AvgDetailsDlg.h"

namespace {

const kt::CKT2Doc& Journal(size_t records) {
    static kt::CKT2Doc doc;
    if (doc.Records().size() != records) {
        kt::sample::Options options;
        options.records = records;
        options.years = static_cast<int>(records / 730) + 1;
        options.lastDay = kt::LocalMidnight(2024, 6, 15);
        doc.SetRecords(kt::sample::GenerateRecords(options));
        doc.m_bMetric = true;
        doc.m_dLastWeight = 78.0;
    }
    return doc;
}

void BM_OpenAverageDetails(benchmark::State& state) {
    const kt::CKT2Doc& doc = Journal(static_cast<size_t>(state.range(0)));
    const int period = static_cast<int>(state.range(1));
    const std::vector<uint16_t> selected = kt::DefaultSelectedActivities();
    for (auto _ : state) {
        const auto details = kt::CollectAverageDetails(doc, period);
        kt::ui::CAvgDetailsDlg dlg(doc, kt::ActivityTable::Defaults(), selected, *details);
        dlg.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dlg.List()->model()->rowCount());
    }
}
BENCHMARK(BM_OpenAverageDetails)->Args({1000000, 8})->Args({1000000, 1})->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) { return kt::bench::RunQtBenchmarks(argc, argv); }
