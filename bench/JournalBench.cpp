// The database operations on journals of 10k, 100k and 1M records: load, save, sort (reversed and
// already ordered), a duplicate search that finds nothing, so it looks at every record, and the
// archive operations: a trim at the middle, viewing all files and saving while they are shown.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>

#include "BenchSupport.h"
#include "core/base/Clock.h"
#include "core/base/Prompter.h"
#include "core/journal/KT2Doc.h"
#include "sampledata/SampleData.h"

namespace {

class FixedClock : public kt::Clock {
public:
    kt::Time64 Now() const override { return 1718402400; }
};

// One folder for the whole run, removed at exit.
class BenchFolder {
public:
    BenchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kt-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    ~BenchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    std::filesystem::path Sub(size_t records) const {
        auto dir = m_path / std::to_string(records);
        std::filesystem::create_directories(dir);
        return dir;
    }

private:
    std::filesystem::path m_path;
};

BenchFolder& Folder() {
    static BenchFolder folder;
    return folder;
}

// About two records a day, ending on a fixed day, generated once per size.
const std::vector<kt::CEventRecord>& Records(size_t count) {
    static std::map<size_t, std::vector<kt::CEventRecord>> cache;
    auto [it, inserted] = cache.try_emplace(count);
    if (inserted) {
        kt::sample::Options options;
        options.records = count;
        options.years = static_cast<int>(count / 730) + 1;
        options.lastDay = kt::LocalMidnight(2024, 6, 15);
        it->second = kt::sample::GenerateRecords(options);
    }
    return it->second;
}

kt::CKT2Doc DocWith(size_t count) {
    kt::CKT2Doc doc;
    doc.m_strDataFolder = Folder().Sub(count).string();
    doc.SetRecords(Records(count));
    return doc;
}

void BM_Load(benchmark::State& state) {
    const auto count = static_cast<size_t>(state.range(0));
    kt::CKT2Doc doc = DocWith(count);
    kt::bench::BenchPrompter prompter;
    if (!doc.SaveDatabase(prompter, FixedClock())) state.SkipWithError(prompter.last.c_str());
    for (auto _ : state) {
        doc.LoadDatabase();
        benchmark::DoNotOptimize(doc.Records().data());
    }
    if (doc.Records().size() != count) state.SkipWithError("load lost records");
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * count));
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(doc.DatabasePath()));
}

void BM_Save(benchmark::State& state) {
    const auto count = static_cast<size_t>(state.range(0));
    kt::CKT2Doc doc = DocWith(count);
    kt::bench::BenchPrompter prompter;
    for (auto _ : state) {
        if (!doc.SaveDatabase(prompter, FixedClock())) state.SkipWithError(prompter.last.c_str());
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * count));
}

void BM_SortReversed(benchmark::State& state) {
    const auto count = static_cast<size_t>(state.range(0));
    kt::CKT2Doc doc;
    for (auto _ : state) {
        state.PauseTiming();
        doc.SetRecords({Records(count).rbegin(), Records(count).rend()});
        state.ResumeTiming();
        doc.SortByDate();
    }
    if (!std::is_sorted(doc.Records().begin(), doc.Records().end(), [](const auto& a, const auto& b) { return a.m_time < b.m_time; })) {
        state.SkipWithError("not sorted");
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * count));
}

void BM_SortSorted(benchmark::State& state) {
    const auto count = static_cast<size_t>(state.range(0));
    kt::CKT2Doc doc;
    doc.SetRecords(Records(count));
    for (auto _ : state) {
        doc.SortByDate();
        benchmark::DoNotOptimize(doc.Records().data());
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * count));
}

// A captured row checked against the whole journal: a day in the middle, an activity that exists,
// a description that does not.
void BM_FindRecordNoMatch(benchmark::State& state) {
    const auto count = static_cast<size_t>(state.range(0));
    kt::CKT2Doc doc;
    doc.SetRecords(Records(count));
    const kt::CEventRecord& middle = doc.Records()[count / 2];
    for (auto _ : state) {
        const int found = doc.FindRecord(middle.m_time, middle.m_strType, "no such description", middle.m_dDuration, middle.m_strLocation);
        if (found != -1) state.SkipWithError("unexpected match");
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * count));
}

// The journal trimmed at its middle day: half the records go to an archive file.
void BM_TrimAtMiddle(benchmark::State& state) {
    const auto count = static_cast<size_t>(state.range(0));
    kt::CKT2Doc doc = DocWith(count);
    kt::bench::BenchPrompter prompter;
    const kt::Time64 cut = Records(count)[count / 2].m_time;
    for (auto _ : state) {
        state.PauseTiming();
        for (const auto& entry : std::filesystem::directory_iterator(doc.m_strDataFolder)) std::filesystem::remove(entry.path());
        doc.SetRecords(Records(count));
        if (!doc.SaveDatabase(prompter, FixedClock())) state.SkipWithError(prompter.last.c_str());
        state.ResumeTiming();
        if (!doc.TrimAndArchive(cut, prompter, FixedClock())) state.SkipWithError(prompter.last.c_str());
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * count));
}

// An archive with the older half and the active file with the newer half, read as one view.
kt::CKT2Doc TrimmedDoc(size_t count) {
    kt::CKT2Doc doc = DocWith(count);
    kt::bench::BenchPrompter prompter;
    for (const auto& entry : std::filesystem::directory_iterator(doc.m_strDataFolder)) std::filesystem::remove(entry.path());
    if (!doc.SaveDatabase(prompter, FixedClock()) || !doc.TrimAndArchive(Records(count)[count / 2].m_time, prompter, FixedClock())) {
        throw std::runtime_error(prompter.last);
    }
    return doc;
}

void BM_ReadAllDatabases(benchmark::State& state) {
    const auto count = static_cast<size_t>(state.range(0));
    kt::CKT2Doc doc = TrimmedDoc(count);
    kt::bench::BenchPrompter prompter;
    for (auto _ : state) {
        doc.ReadAllDatabases(prompter);
        benchmark::DoNotOptimize(doc.Records().data());
    }
    if (doc.Records().size() != count) state.SkipWithError("view all lost records");
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * count));
}

// A save while all files are shown: the active half is written, the untouched archive is only
// fingerprinted.
void BM_SaveAllData(benchmark::State& state) {
    const auto count = static_cast<size_t>(state.range(0));
    kt::CKT2Doc doc = TrimmedDoc(count);
    kt::bench::BenchPrompter prompter;
    doc.ReadAllDatabases(prompter);
    for (auto _ : state) {
        if (!doc.SaveDatabase(prompter, FixedClock())) state.SkipWithError(prompter.last.c_str());
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * count));
}

}  // namespace

BENCHMARK(BM_TrimAtMiddle)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAllDatabases)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveAllData)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortReversed)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortSorted)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindRecordNoMatch)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
