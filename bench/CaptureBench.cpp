// The figures a large journal must meet, each as a ratio against its floor, in one run. The
// program runs as the application starts it (session, main window, document read from its file,
// shown on Qt's offscreen platform unless another is chosen) on sample journals of 10k, 100k and
// 1M records, and each action goes through the data entry view with every observer refreshing
// and the window painted:
//
//   capture one row          Read Data Grid on today's date     floor: the same on an empty journal
//   capture in the past      the same, 30 days back             floor: the same on an empty journal
//   chart from the beginning switching the graph period to it   floor: one frame, 16 ms
//   date box change          picking another day                floor: 1 ms
//   auto-fill lookup         an activity chosen in the grid     floor: 1 ms
//
// Usage: bench_CaptureBench [records...]   (default 10000 100000 1000000)
// Times are medians of several runs, in processor time of the window's thread; run it from a
// release build with TZ set, e.g.
//   TZ=Europe/Berlin build/release/bench/bench_CaptureBench

#include <stdlib.h>
#include <time.h>

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "core/app/Session.h"
#include "core/base/Clock.h"
#include "core/base/Format.h"
#include "core/base/Prompter.h"
#include "core/entry/EntryGrid.h"
#include "core/settings/FileSettingsStore.h"
#include "sampledata/SampleData.h"
#include "ui/app/MainFrame.h"
#include "ui/views/DataView.h"
#include "ui/views/EntryGridModel.h"

namespace {

class FixedClock : public kt::Clock {
public:
    explicit FixedClock(kt::Time64 now) : m_now(now) {}
    kt::Time64 Now() const override { return m_now; }

private:
    kt::Time64 m_now;
};

// A Thursday: the newest records are from today, and a capture adds no weekly note.
const kt::Time64 kLastDay = kt::LocalMidnight(2024, 6, 13);
constexpr int kPastDays = 30;
constexpr int kRuns = 21;
constexpr double kFrameMs = 16.0;
constexpr double kLookupMs = 1.0;
// The sample's most frequent activity.
constexpr const char* kActivity = "Running, 8km/h - 7.5 min/km (5 m/h - 12 min/mile)";
// An activity no record holds: the lookup has nothing to find, the worst case of a walk.
constexpr const char* kAbsentActivity = "Archery";

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

// Processor time of this thread, where the window does all its work: what other programs take
// from a shared machine does not count (on an idle machine it is the time the user waits).
double ThreadMilliseconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

double Milliseconds(const std::function<void()>& action) {
    const double start = ThreadMilliseconds();
    action();
    return ThreadMilliseconds() - start;
}

void Settle() { QApplication::processEvents(); }

// One program over one journal, in a HOME of its own.
class Program {
public:
    explicit Program(size_t records) {
        std::string pattern = (std::filesystem::temp_directory_path() / "kt-capture-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        m_home = pattern;
        std::filesystem::create_directories(m_home / ".config");
        setenv("HOME", m_home.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (m_home / ".config").c_str(), 1);
        setenv("XDG_DATA_HOME", (m_home / ".local" / "share").c_str(), 1);

        kt::sample::Options options;
        options.records = records;
        // About two records a day, as the other benchmarks: a day's summary is as long as on a
        // small journal, and the chart from the beginning has the most days.
        options.years = static_cast<int>(records / 730) + 1;
        options.lastDay = kLastDay;
        if (!kt::sample::WriteDataFolder(m_home / "Documents" / "Quorvane" / "KT", kt::sample::GenerateRecords(options))) std::abort();

        m_session = std::make_unique<kt::Session>(std::make_unique<kt::FileSettingsStore>(kt::FileSettingsStore::DefaultPath()), m_prompter,
                                                  m_clock);
        m_frame = std::make_unique<kt::ui::CMainFrame>(*m_session);
        if (!m_frame->OnCreate()) std::abort();
        // An empty journal knows no weight; the start-up must not stop to ask for one.
        m_session->doc.m_bMetric = true;
        if (m_session->doc.m_dLastWeight == 0.0) m_session->doc.m_dLastWeight = 78.0;
        if (!m_frame->StartDocument() || !m_frame->WaitForJournal()) std::abort();
        m_frame->resize(1280, 800);
        m_frame->show();
        Settle();
    }
    ~Program() {
        m_frame.reset();
        m_session.reset();
        std::error_code ec;
        std::filesystem::remove_all(m_home, ec);
    }

    kt::ui::CDataView* View() const { return m_frame->DataView(); }
    kt::CKT2Doc& Doc() const { return m_session->doc; }
    kt::Settings& Settings() const { return m_session->settings; }

    void PickDay(kt::Time64 day) {
        const kt::LocalDate d = kt::ToLocal(day);
        View()->OnDatePicked(d.year, d.month, d.day);
    }
    void TypeCell(int row, int column, const std::string& text) {
        kt::ui::EntryGridModel* model = View()->GridModel();
        model->setData(model->index(row - kt::kFirstEntryRow, column), QString::fromStdString(text), Qt::EditRole);
    }

    // Captures one row on `day` (timed, painted), then deletes its record again (not timed), so
    // every run sees the same journal.
    double CaptureOn(kt::Time64 day, int run) {
        PickDay(day);
        Settle();
        const std::string description = kt::Format("Bench row %d", run);
        TypeCell(1, kt::kColType, kActivity);
        TypeCell(1, kt::kColDescription, description);
        TypeCell(1, kt::kColDuration, "45");
        const double ms = Milliseconds([this] {
            View()->OnActionButton();
            Settle();
        });
        const int position = Doc().FindRecord(day, kActivity, description, 45.0, "");
        if (position < 0) std::abort();
        Doc().DeleteRecord(static_cast<size_t>(position));
        Settle();
        return ms;
    }

private:
    std::filesystem::path m_home;
    kt::bench::BenchPrompter m_prompter;
    FixedClock m_clock{kLastDay + 18 * 3600 + 30 * 60};
    std::unique_ptr<kt::Session> m_session;
    std::unique_ptr<kt::ui::CMainFrame> m_frame;
};

struct Figures {
    double capture = 0;
    double capturePast = 0;
    double chartFromStart = 0;
    double dateBox = 0;
    double autoFill = 0;
};

const kt::Time64 kPastDay = kt::LocalMidnight(2024, 6, 13 - kPastDays);

// The captures run in turns on the journal and on the empty one, so that whatever else the
// machine does weighs on both alike.
void MeasureCaptures(Program& program, Program& empty, Figures& figures, Figures& floors) {
    std::vector<double> today, past, emptyToday, emptyPast;
    for (int run = 0; run < kRuns; ++run) {
        today.push_back(program.CaptureOn(kLastDay, run));
        emptyToday.push_back(empty.CaptureOn(kLastDay, run));
        past.push_back(program.CaptureOn(kPastDay, run));
        emptyPast.push_back(empty.CaptureOn(kPastDay, run));
    }
    figures.capture = Median(today);
    figures.capturePast = Median(past);
    floors.capture = Median(emptyToday);
    floors.capturePast = Median(emptyPast);
}

void MeasureViews(Program& program, Figures& figures) {
    std::vector<double> chart, dateBox, autoFill;
    for (int run = 0; run < kRuns; ++run) {
        program.View()->OnGraphPeriodChosen(0);
        Settle();
        chart.push_back(Milliseconds([&program] {
            program.View()->OnGraphPeriodChosen(8);
            Settle();
        }));
    }
    program.View()->OnGraphPeriodChosen(0);
    Settle();
    for (int run = 0; run < kRuns; ++run) {
        const kt::Time64 day = kt::LocalMidnight(2024, 5, 1 + run);
        dateBox.push_back(Milliseconds([&program, day] { program.PickDay(day); }));
    }
    program.Settings().m_bAutoFill = true;
    for (int run = 0; run < kRuns; ++run) {
        // Another activity first, so each choice is an edit of the cell.
        program.TypeCell(1, kt::kColType, kActivity);
        autoFill.push_back(Milliseconds([&program] { program.TypeCell(1, kt::kColType, kAbsentActivity); }));
    }
    program.Settings().m_bAutoFill = false;
    figures.chartFromStart = Median(chart);
    figures.dateBox = Median(dateBox);
    figures.autoFill = Median(autoFill);
}

void PrintRow(const char* figure, size_t records, double ms, double floor, const char* floorName, double target) {
    const double ratio = ms / floor;
    std::printf("%-26s %8zu %9.3f %9.3f  %-14s %7.2fx  %5.2fx  %s\n", figure, records, ms, floor, floorName, ratio, target,
                ratio <= target ? "met" : "NOT MET");
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::vector<size_t> sizes;
    for (int i = 1; i < argc; ++i) sizes.push_back(static_cast<size_t>(std::strtoull(argv[i], nullptr, 10)));
    if (sizes.empty()) sizes = {10000, 100000, 1000000};
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    kt::ForceCLocale();

    Program empty(0);
    std::printf("%-26s %8s %9s %9s  %-14s %8s  %6s\n", "figure", "records", "ms", "floor ms", "floor", "ratio", "target");
    for (size_t records : sizes) {
        Program program(records);
        Figures f, floors;
        MeasureCaptures(program, empty, f, floors);
        MeasureViews(program, f);
        PrintRow("capture one row", records, f.capture, floors.capture, "empty journal", 2.0);
        PrintRow("capture in the past", records, f.capturePast, floors.capturePast, "empty journal", 2.0);
        PrintRow("chart from the beginning", records, f.chartFromStart, kFrameMs, "one frame", 1.0);
        PrintRow("date box change", records, f.dateBox, kLookupMs, "1 ms", 1.0);
        PrintRow("auto-fill lookup", records, f.autoFill, kLookupMs, "1 ms", 1.0);
        std::fflush(stdout);
    }
    return 0;
}
