// The CSV export and import on journals of 10k, 100k and 1M records: writing the whole journal,
// reading that file into an empty journal (every row new), and reading two weeks of rows into the
// full journal (the duplicate test against a large journal).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <limits>
#include <map>

#include "core/activities/ActivityTable.h"
#include "core/base/Format.h"
#include "core/base/TextCodec.h"
#include "core/journal/CsvExport.h"
#include "core/journal/CsvImport.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/Settings.h"
#include "sampledata/SampleData.h"

namespace {

const kt::CKT2Doc& Journal(size_t count) {
    static std::map<size_t, kt::CKT2Doc> cache;
    auto [it, inserted] = cache.try_emplace(count);
    if (inserted) {
        kt::sample::Options options;
        options.records = count;
        // Within the years a spreadsheet's day numbers cover: at most 60 years, busier days for more records.
        options.years = std::min(static_cast<int>(count / 730) + 1, 60);
        options.lastDay = kt::LocalMidnight(2024, 6, 15);
        it->second.SetRecords(kt::sample::GenerateRecords(options));
        it->second.m_dLastWeight = 80;
    }
    return it->second;
}

constexpr kt::Time64 kEverything = 4102444800;  // 2100-01-01
constexpr kt::Time64 kFirstTime = std::numeric_limits<kt::Time64>::min();

std::string CsvBytes(const kt::CKT2Doc& doc, kt::Time64 from) { return kt::EncodeText(kt::CsvLines(doc, from, kEverything)); }

// The records from `from` on as a spreadsheet saves them: UTF-8, texts quoted, commas kept.
std::string QuotedCsv(const kt::CKT2Doc& doc, kt::Time64 from) {
    const auto quoted = [](std::string text) {
        for (size_t at = text.find('"'); at != std::string::npos; at = text.find('"', at + 2)) text.insert(at, 1, '"');
        return '"' + text + '"';
    };
    std::string out;
    for (const kt::CEventRecord& r : doc.Records()) {
        if (r.m_time < from) continue;
        out += kt::Format("%lld,%s,%s,%.2f,%s,%.1f,%.1f,%d,%s\r\n", static_cast<long long>(kt::OleDayNumber(r.m_time)),
                          quoted(r.m_strType).c_str(), quoted(r.m_strDescription).c_str(), r.m_dDuration, quoted(r.m_strLocation).c_str(),
                          r.m_dCalories, r.m_dWeight, r.m_bMetric, quoted(r.m_strNotes).c_str());
    }
    return out;
}

void BM_CsvExport(benchmark::State& state) {
    const auto count = static_cast<size_t>(state.range(0));
    const kt::CKT2Doc& doc = Journal(count);
    for (auto _ : state) benchmark::DoNotOptimize(CsvBytes(doc, kFirstTime));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * count));
}

void BM_CsvImportIntoEmptyJournal(benchmark::State& state) {
    const auto count = static_cast<size_t>(state.range(0));
    const std::string bytes = CsvBytes(Journal(count), kFirstTime);
    const kt::ActivityTable table;
    const std::vector<uint16_t> selected = kt::DefaultSelectedActivities();
    const kt::CKT2Doc empty;
    size_t added = 0;
    for (auto _ : state) added = kt::PlanCsvImport(bytes, empty, table, selected).records.size();
    if (added == 0) state.SkipWithError("nothing imported");
    state.counters["added"] = static_cast<double>(added);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * count));
}

void BM_CsvImportTwoWeeksIntoFullJournal(benchmark::State& state) {
    const auto count = static_cast<size_t>(state.range(0));
    const kt::CKT2Doc& doc = Journal(count);
    const std::string bytes = QuotedCsv(doc, kt::LocalMidnight(2024, 6, 1));
    const kt::ActivityTable table;
    const std::vector<uint16_t> selected = kt::DefaultSelectedActivities();
    kt::CsvImport import;
    for (auto _ : state) import = kt::PlanCsvImport(bytes, doc, table, selected);
    if (!import.records.empty()) state.SkipWithError("a row of the journal was not recognised");
    state.counters["duplicates"] = import.duplicates;
}

}  // namespace

BENCHMARK(BM_CsvExport)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CsvImportIntoEmptyJournal)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CsvImportTwoWeeksIntoFullJournal)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
