// The database editor on a journal of a million records: showing it (the record list refilled,
// records mode set, the list painted once) and sorting it by a column (a header click: the sort
// and the repaint). Each figure is printed with a floor measured in the same run on the same
// machine, so a slow machine and a slow change can be told apart:
// - showing: the same table view painting a million rows of a model that returns one constant
//   text, i.e. what the list view itself costs;
// - sorting: std::sort of a million precomputed double keys, i.e. what any comparison sort of
//   the journal costs before a single cell text is read.
// The counters are the median of the iterations in milliseconds, the target, and median/floor.
// Runs on Qt's offscreen platform unless another is chosen.

#include <benchmark/benchmark.h>

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QTableView>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <random>
#include <vector>

#include "QtBenchMain.h"
#include "core/app/Session.h"
#include "core/base/Format.h"
#include "core/settings/MemorySettingsStore.h"
#include "sampledata/SampleData.h"
#include "ui/app/EditHistory.h"
#include "ui/views/EventRecordView.h"

namespace {

constexpr int kRecords = 1000000;
constexpr int kRuns = 7;

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// A million rows of one text: the least a table view of the journal can cost.
class ConstantModel : public QAbstractTableModel {
public:
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : kRecords; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 8; }
    QVariant data(const QModelIndex&, int role) const override {
        return role == Qt::DisplayRole ? QVariant(QStringLiteral("Tue January 05, 2016")) : QVariant();
    }
    void Refill() {
        beginResetModel();
        endResetModel();
    }
};

void Paint(QWidget& widget) {
    widget.repaint();
    QApplication::processEvents();
}

struct Editor {
    Editor() : session(std::make_unique<kt::MemorySettingsStore>(), prompter) {
        kt::sample::Options options;
        options.records = kRecords;
        options.years = kRecords / 730 + 1;
        options.lastDay = kt::LocalMidnight(2024, 6, 15);
        session.doc.SetRecords(kt::sample::GenerateRecords(options));
        history = std::make_unique<kt::ui::CEditHistory>(session);
        view = std::make_unique<kt::ui::CEventRecordView>(session, *history);
        view->resize(1200, 400);
        // The first show of the window (fonts, style) is start-up, not showing the editor.
        view->show();
        view->OnInitialUpdate();
        Paint(*view);
    }
    kt::SilentPrompter prompter;
    kt::Session session;
    std::unique_ptr<kt::ui::CEditHistory> history;
    std::unique_ptr<kt::ui::CEventRecordView> view;
};

Editor& TheEditor() {
    static Editor editor;
    return editor;
}

double FloorShowMs() {
    static const double floor = [] {
        // Shown, refilled and painted as the editor is, on a view that was shown once before.
        ConstantModel model;
        QTableView view;
        view.resize(1200, 400);
        view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        view.setModel(&model);
        view.show();
        Paint(view);
        std::vector<double> runs;
        for (int i = 0; i < kRuns; ++i) {
            view.hide();
            QApplication::processEvents();
            const auto start = Clock::now();
            view.show();
            model.Refill();
            Paint(view);
            runs.push_back(Ms(Clock::now() - start));
        }
        return Median(runs);
    }();
    return floor;
}

double FloorSortMs() {
    static const double floor = [] {
        std::mt19937_64 rng(7);
        std::vector<double> keys(kRecords);
        for (double& k : keys) k = static_cast<double>(rng() % 100000) / 7.0;
        std::vector<double> runs;
        for (int i = 0; i < kRuns; ++i) {
            std::vector<double> copy = keys;
            const auto start = Clock::now();
            std::sort(copy.begin(), copy.end());
            runs.push_back(Ms(Clock::now() - start));
            benchmark::DoNotOptimize(copy.data());
        }
        return Median(runs);
    }();
    return floor;
}

void Report(benchmark::State& state, const std::vector<double>& runs, double floor, double target) {
    const double median = Median(runs);
    state.counters["median_ms"] = median;
    state.counters["floor_ms"] = floor;
    state.counters["target_ms"] = target;
    state.counters["x_floor"] = median / floor;
}

// What Ctrl+V does to the editor: the record list refilled in reverse array order, records mode
// (columns, prompt), and the first paint of the visible rows.
void BM_ShowEditor(benchmark::State& state) {
    Editor& e = TheEditor();
    std::vector<double> runs;
    for (auto _ : state) {
        e.view->hide();
        QApplication::processEvents();
        const auto start = Clock::now();
        e.view->show();
        e.view->FillRecordList();
        e.view->SetEditorMode(0);
        Paint(*e.view);
        const double ms = Ms(Clock::now() - start);
        state.SetIterationTime(ms / 1000.0);
        runs.push_back(ms);
    }
    Report(state, runs, FloorShowMs(), 200.0);
}
BENCHMARK(BM_ShowEditor)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(kRuns);

// A click on a header: column `range(0)` sorted (the direction flips each click) and repainted.
void BM_SortByColumn(benchmark::State& state) {
    Editor& e = TheEditor();
    e.view->show();
    e.view->SetEditorMode(0);
    const int column = static_cast<int>(state.range(0));
    std::vector<double> runs;
    for (auto _ : state) {
        const auto start = Clock::now();
        e.view->OnColumnClick(column);
        Paint(*e.view);
        const double ms = Ms(Clock::now() - start);
        state.SetIterationTime(ms / 1000.0);
        runs.push_back(ms);
    }
    Report(state, runs, FloorSortMs(), 1000.0);
}
BENCHMARK(BM_SortByColumn)->Arg(0)->Arg(1)->Arg(3)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(kRuns);

}  // namespace

int main(int argc, char** argv) { return kt::bench::RunQtBenchmarks(argc, argv); }
