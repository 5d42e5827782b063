// The program's speed and memory on journals of 10k, 100k and 1M records, each figure printed
// beside its floor, measured in the same run:
//
//   capture            one row captured through the data entry view (Ctrl+R), the chart, the
//                      averages, the summaries and the window repainted; floor: the same capture
//                      on an empty journal. Once for today and once for a day in the journal's middle.
//   start-up           process start to the main window's first paint; floor: an empty Qt window
//                      (and, for reference, a Qt window showing one line of text).
//   peak memory        the program started on the journal, run until the journal is shown;
//                      floor: a reader that reads the file and splits it into fields.
//   load               the document's load; floor: the same reader.
//   save               the document's save; floor: writing the same bytes (fsync and rename).
//   chart, date, fill  switching the chart to "From the beginning", a change of the toolbar's
//                      date, and the auto-fill after choosing an activity; against one frame (16 ms)
//                      and 1 ms.
//
//   bench_FiguresBench [--sizes 10000,100000,1000000] [--runs N] [--only load,save,startup,memory,window]
//
// The journals come from the sample generator (33 years ending today, as a user who has kept the
// journal for decades). Qt runs on its offscreen platform unless another is chosen. Start-up and
// memory are measured in child processes (this program started again with --child).

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "BenchSupport.h"
#include "core/app/Commands.h"
#include "core/app/Session.h"
#include "core/base/AtomicFile.h"
#include "core/base/Format.h"
#include "core/base/LocalTime.h"
#include "core/entry/EntryGrid.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/FileSettingsStore.h"
#include "sampledata/SampleData.h"
#include "ui/app/KT2App.h"
#include "ui/app/MainFrame.h"
#include "ui/views/DataView.h"
#include "ui/views/EntryGridModel.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kYears = 33;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double MonotonicMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1e6;
}

double Median(std::vector<double> v) {
    if (v.empty()) return 0.0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

std::string SizeName(size_t records) {
    if (records >= 1000000 && records % 1000000 == 0) return std::to_string(records / 1000000) + "M";
    if (records >= 1000 && records % 1000 == 0) return std::to_string(records / 1000) + "k";
    return std::to_string(records);
}

// ---------------------------------------------------------------------------------------------
// Homes: a HOME per journal size with Documents/Quorvane/KT/ExerciseData.edb and a settings file
// that knows the weight, so no start-up asks for one.

struct Home {
    fs::path root;
    fs::path DataFolder() const { return root / "Documents" / "Quorvane" / "KT"; }
    fs::path Database() const { return DataFolder() / "ExerciseData.edb"; }
    fs::path Config() const { return root / ".config"; }
};

class Workspace {
public:
    Workspace() {
        std::string pattern = (fs::temp_directory_path() / "kt-figures-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        m_root = pattern;
    }
    ~Workspace() {
        std::error_code ec;
        fs::remove_all(m_root, ec);
    }
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    const Home& HomeFor(size_t records) {
        auto it = m_homes.find(records);
        if (it != m_homes.end()) return it->second;
        kt::sample::Options options;
        options.records = records;
        options.years = kYears;
        return m_homes.emplace(records, NewHome("home-" + SizeName(records), kt::sample::GenerateRecords(options))).first->second;
    }
    // A home of its own whose data folder holds `records` (none: an empty folder, no journal).
    Home NewHome(const std::string& name, const std::vector<kt::CEventRecord>& records) const {
        Home home{m_root / name};
        fs::create_directories(home.Config() / "Kinetrax");
        fs::create_directories(home.root / ".local" / "share");
        fs::create_directories(home.DataFolder());
        std::string error;
        if (!records.empty() && !kt::sample::WriteDataFolder(home.DataFolder(), records, &error)) throw std::runtime_error(error);
        return home;
    }
    const fs::path& Root() const { return m_root; }

private:
    fs::path m_root;
    std::map<size_t, Home> m_homes;
};

void UseHome(const Home& home) {
    setenv("HOME", home.root.c_str(), 1);
    setenv("XDG_CONFIG_HOME", home.Config().c_str(), 1);
    setenv("XDG_DATA_HOME", (home.root / ".local" / "share").c_str(), 1);
}

// ---------------------------------------------------------------------------------------------
// Floors.

// The least a reader of the file must do: read it into one buffer and cut every line into its
// tab-separated fields.
size_t FloorRead(const fs::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw std::runtime_error("cannot open " + file.string());
    const auto size = static_cast<size_t>(fs::file_size(file));
    std::string buffer(size, '\0');
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, buffer.data() + done, size - done);
        if (n <= 0) break;
        done += static_cast<size_t>(n);
    }
    ::close(fd);
    size_t fields = 0;
    size_t checksum = 0;
    std::string_view rest(buffer.data(), done);
    while (!rest.empty()) {
        const size_t nl = rest.find('\n');
        std::string_view line = rest.substr(0, nl);
        rest = nl == std::string_view::npos ? std::string_view() : rest.substr(nl + 1);
        while (true) {
            const size_t tab = line.find('\t');
            const std::string_view field = line.substr(0, tab);
            checksum += field.size();
            ++fields;
            if (tab == std::string_view::npos) break;
            line.remove_prefix(tab + 1);
        }
    }
    return fields + checksum;
}

// Writing `bytes` as the program's saves do: a temporary file in the same folder, flushed, renamed
// over the old one, the folder flushed.
void FloorWrite(const fs::path& file, std::string_view bytes) {
    const fs::path temp = file.string() + ".floor-tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) throw std::runtime_error("cannot create " + temp.string());
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) throw std::runtime_error("write failed");
        done += static_cast<size_t>(n);
    }
    ::fsync(fd);
    ::close(fd);
    ::rename(temp.c_str(), file.c_str());
    const int dfd = ::open(file.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

// ---------------------------------------------------------------------------------------------
// Child processes.

struct ChildResult {
    bool ok = false;
    double printed = 0.0;  // the first number the child printed
    double second = 0.0;   // the second one
};

// The peak resident memory of this process's own image. (getrusage's maxrss of a child started
// by posix_spawn also counts the parent's peak from before the exec.)
double PeakMiB() {
    FILE* f = std::fopen("/proc/self/status", "r");
    if (!f) return 0.0;
    char line[256];
    double kib = 0.0;
    while (std::fgets(line, sizeof line, f)) {
        if (std::strncmp(line, "VmHWM:", 6) == 0) kib = std::strtod(line + 6, nullptr);
    }
    std::fclose(f);
    return kib / 1024.0;
}

ChildResult RunChild(const std::vector<std::string>& args, const Home* home) {
    int out[2];
    if (pipe(out) != 0) throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);

    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string_view v(*e);
        if (home && (v.starts_with("HOME=") || v.starts_with("XDG_CONFIG_HOME=") || v.starts_with("XDG_DATA_HOME="))) continue;
        env.emplace_back(v);
    }
    if (home) {
        env.push_back("HOME=" + home->root.string());
        env.push_back("XDG_CONFIG_HOME=" + home->Config().string());
        env.push_back("XDG_DATA_HOME=" + (home->root / ".local" / "share").string());
    }
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<std::string> argStore = {"/proc/self/exe"};
    argStore.insert(argStore.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : argStore) argv.push_back(a.data());
    argv.push_back(nullptr);

    const std::string self = fs::read_symlink("/proc/self/exe").string();
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, self.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    ChildResult result;
    if (rc != 0) {
        ::close(out[0]);
        return result;
    }
    std::string text;
    char buffer[256];
    ssize_t n;
    while ((n = ::read(out[0], buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<size_t>(n));
    ::close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    result.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0 && !text.empty();
    char* end = nullptr;
    result.printed = std::strtod(text.c_str(), &end);
    result.second = std::strtod(end, nullptr);
    return result;
}

// Prints the monotonic time once the first paint pass of the first main window is done, then
// ends the process. The pass starts with the paint event of the main window itself, in the
// program and in the empty window alike.
class FirstPaint : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_seen && event->type() == QEvent::Paint) {
            auto* w = qobject_cast<QWidget*>(watched);
            if (w && w->isWindow() && qobject_cast<QMainWindow*>(w)) {
                m_seen = true;
                // The rest of this paint pass runs before the timer fires.
                QTimer::singleShot(0, [] {
                    std::printf("%.3f\n", MonotonicMs());
                    std::fflush(stdout);
                    _exit(0);
                });
            }
        }
        return false;
    }

private:
    bool m_seen = false;
};

// With `text`, the window shows one line of text: the font system a window with any words in it
// must start, which the empty window never does.
int ChildEmptyWindow(int argc, char** argv, bool text) {
    QApplication app(argc, argv);
    FirstPaint watch;
    app.installEventFilter(&watch);
    QMainWindow window;
    window.resize(1280, 900);
    if (text) window.setCentralWidget(new QLabel(QStringLiteral("Minutes of exercise per day")));
    window.show();
    return app.exec();
}

int ChildProgramWindow(int argc, char** argv) {
    kt::ui::CKT2App app(argc, argv);
    FirstPaint watch;
    app.installEventFilter(&watch);
    if (!app.InitInstance()) return 1;
    return app.exec();
}

// Runs the program until its journal is shown, then ends; the parent reads the peak memory.
int ChildProgramLoaded(int argc, char** argv) {
    kt::ui::CKT2App app(argc, argv);
    if (!app.InitInstance()) return 1;
    kt::ui::CMainFrame* frame = app.MainFrame();
    frame->WaitForJournal();
    QApplication::processEvents();
    const size_t shown = frame->DataView() ? 1 : 0;
    std::printf("%zu %.1f\n", shown, PeakMiB());
    return frame->IsJournalReady() ? 0 : 1;
}

int ChildFloorReader(const char* file) {
    // The peak is read after the reading (arguments of one call have no order).
    const size_t read = FloorRead(file) > 0 ? 1 : 0;
    std::printf("%zu %.1f\n", read, PeakMiB());
    return 0;
}

// ---------------------------------------------------------------------------------------------
// In-process measurements on the program's main window.

struct Window {
    std::unique_ptr<kt::Session> session;
    std::unique_ptr<kt::ui::CMainFrame> frame;
    ~Window() {
        frame.reset();
        session.reset();
    }
};

kt::bench::BenchPrompter& Prompter() {
    static kt::bench::BenchPrompter prompter;
    return prompter;
}

void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

std::unique_ptr<Window> OpenWindow(const Home& home) {
    UseHome(home);
    auto w = std::make_unique<Window>();
    w->session = std::make_unique<kt::Session>(std::make_unique<kt::FileSettingsStore>(kt::FileSettingsStore::DefaultPath()), Prompter());
    w->frame = std::make_unique<kt::ui::CMainFrame>(*w->session);
    if (!w->frame->OnCreate()) throw std::runtime_error("the window was not created");
    // An empty journal would ask for the body weight.
    if (w->session->doc.m_dLastWeight == 0.0) {
        w->session->doc.m_dLastWeight = 78.0;
        w->session->doc.m_bMetric = true;
    }
    if (!w->frame->StartDocument()) throw std::runtime_error("the window did not start");
    w->frame->resize(1280, 900);
    w->frame->show();
    w->frame->WaitForJournal();
    Settle();
    return w;
}

// Types one row into the grid model as an ended edit would and presses Ctrl+R; the window's
// repaint is part of the time.
double CaptureOnce(Window& w, int minutes) {
    kt::ui::EntryGridModel* model = w.frame->DataView()->GridModel();
    model->setData(model->index(0, kt::kColType), QStringLiteral("Running, jogging, general"));
    model->setData(model->index(0, kt::kColDescription), QStringLiteral("Easy run"));
    model->setData(model->index(0, kt::kColDuration), QString::number(minutes));
    model->setData(model->index(0, kt::kColLocation), QStringLiteral("Park"));
    Settle();
    const auto start = Clock::now();
    w.session->commands.Dispatch(kt::cmd::kActionButton);
    QApplication::processEvents();
    return Ms(Clock::now() - start);
}

void PickDate(Window& w, kt::Time64 day) {
    const kt::LocalDate d = kt::ToLocal(day);
    w.frame->DataView()->OnDatePicked(d.year, d.month, d.day);
}

std::vector<double> Captures(Window& w, int runs, std::optional<kt::Time64> day, int& minutes) {
    if (day) PickDate(w, *day);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) times.push_back(CaptureOnce(w, ++minutes));
    if (day) PickDate(w, kt::MidnightOf(w.session->clock.Now()));
    return times;
}

// ---------------------------------------------------------------------------------------------
// Output.

struct Row {
    std::string figure;
    std::string size;
    std::string value;
    std::string floor;
    std::string ratio;
    std::string target;
};

std::vector<Row>& Rows() {
    static std::vector<Row> rows;
    return rows;
}

std::string Fmt(double v, const char* unit) { return kt::Format("%.2f %s", v, unit); }

void AddRatio(const std::string& figure, size_t records, double value, double floor, const char* unit, const std::string& target) {
    Rows().push_back({figure, SizeName(records), Fmt(value, unit), Fmt(floor, unit), kt::Format("%.2fx", value / floor), target});
    std::fprintf(stderr, "  %s %s: %s (floor %s)\n", figure.c_str(), SizeName(records).c_str(), Fmt(value, unit).c_str(),
                 Fmt(floor, unit).c_str());
}

void AddAbsolute(const std::string& figure, size_t records, double value, double limit, const char* unit, const std::string& target) {
    Rows().push_back({figure, SizeName(records), Fmt(value, unit), Fmt(limit, unit), kt::Format("%.2fx", value / limit), target});
    std::fprintf(stderr, "  %s %s: %s\n", figure.c_str(), SizeName(records).c_str(), Fmt(value, unit).c_str());
}

void PrintTable() {
    std::printf("| figure | size | measured | floor | ratio | target |\n|---|---|---|---|---|---|\n");
    for (const Row& r : Rows())
        std::printf("| %s | %s | %s | %s | %s | %s |\n", r.figure.c_str(), r.size.c_str(), r.value.c_str(), r.floor.c_str(),
                    r.ratio.c_str(), r.target.c_str());
}

// ---------------------------------------------------------------------------------------------

struct Options {
    std::vector<size_t> sizes = {10000, 100000, 1000000};
    int runs = 9;
    std::string only;  // the groups to measure, comma-separated; all when empty
    bool Wants(const char* group) const {
        return only.empty() || ("," + only + ",").find("," + std::string(group) + ",") != std::string::npos;
    }
};

void MeasureLoadAndSave(Workspace& ws, const Options& o) {
    for (size_t records : o.sizes) {
        if (!o.Wants("load")) break;
        const Home& home = ws.HomeFor(records);
        kt::CKT2Doc doc;
        doc.m_strDataFolder = home.DataFolder().string();
        std::vector<double> load, floor;
        for (int i = 0; i < o.runs; ++i) {
            auto start = Clock::now();
            doc.LoadDatabase();
            load.push_back(Ms(Clock::now() - start));
            start = Clock::now();
            volatile size_t sink = FloorRead(home.Database());
            (void)sink;
            floor.push_back(Ms(Clock::now() - start));
        }
        if (doc.Records().size() != records) throw std::runtime_error("the load lost records");
        AddRatio("load", records, Median(load), Median(floor), "ms", "<= 1.5x");
    }
    // Saving the largest journal; the floor writes the very bytes of the saved file.
    if (!o.Wants("save")) return;
    const size_t records = o.sizes.back();
    const Home& home = ws.HomeFor(records);
    kt::CKT2Doc doc;
    doc.m_strDataFolder = home.DataFolder().string();
    doc.LoadDatabase();
    std::vector<double> save, floor;
    const int runs = std::max(3, o.runs / 2);
    for (int i = 0; i < runs; ++i) {
        auto start = Clock::now();
        if (!doc.SaveDatabase(Prompter())) throw std::runtime_error(Prompter().last);
        save.push_back(Ms(Clock::now() - start));
        std::string bytes;
        kt::ReadFileBytes(home.Database(), bytes);
        start = Clock::now();
        FloorWrite(home.Database(), bytes);
        floor.push_back(Ms(Clock::now() - start));
    }
    AddRatio("save", records, Median(save), Median(floor), "ms", "<= 1.5x");
}

void MeasureStartup(Workspace& ws, const Options& o) {
    for (size_t records : o.sizes) {
        const Home& home = ws.HomeFor(records);
        std::vector<double> program, empty, text;
        for (int i = 0; i < o.runs; ++i) {
            for (auto [mode, times] : {std::pair{"window", &program}, {"empty-window", &empty}, {"text-window", &text}}) {
                const double start = MonotonicMs();
                const ChildResult r = RunChild({"--child", mode}, &home);
                if (r.ok) times->push_back(r.printed - start);
            }
        }
        if (program.empty() || empty.empty() || text.empty()) throw std::runtime_error("a start-up child failed");
        AddRatio("start-up to the first painted window", records, Median(program), Median(empty), "ms", "<= 1.5x");
        // Not a target: how much of the gap any window with text pays.
        AddRatio("start-up, against a window with one line of text", records, Median(program), Median(text), "ms", "(reference)");
    }
}

void MeasureMemory(Workspace& ws, const Options& o) {
    const size_t records = o.sizes.back();
    const Home& home = ws.HomeFor(records);
    std::vector<double> program, floor;
    for (int i = 0; i < 3; ++i) {
        ChildResult r = RunChild({"--child", "loaded"}, &home);
        if (!r.ok) throw std::runtime_error("the program child failed");
        program.push_back(r.second);
        r = RunChild({"--child", "floor-reader", home.Database().string()}, &home);
        if (!r.ok) throw std::runtime_error("the reader child failed");
        floor.push_back(r.second);
    }
    AddRatio("peak memory (max RSS)", records, Median(program), Median(floor), "MiB", "<= 150 MiB");
}

void MeasureWindow(Workspace& ws, const Options& o) {
    const size_t records = o.sizes.back();
    const Home empty = ws.NewHome("home-empty", {});
    const Home& full = ws.HomeFor(records);
    std::unique_ptr<Window> big = OpenWindow(full);
    std::unique_ptr<Window> none = OpenWindow(empty);

    const std::vector<kt::CEventRecord>& all = big->session->doc.Records();
    const kt::Time64 middle = all[all.size() / 2].m_time;
    // A journal of decades in one file of this size holds some eighty events a day, and every
    // capture shows its day's summary: a third window holds only the two days captured on, to
    // tell the journal's size from the day's.
    const kt::Time64 today = kt::MidnightOf(big->session->clock.Now());
    std::vector<kt::CEventRecord> twoDays;
    for (const kt::CEventRecord& r : all)
        if (kt::MidnightOf(r.m_time) == today || kt::MidnightOf(r.m_time) == kt::MidnightOf(middle)) twoDays.push_back(r);
    std::unique_ptr<Window> same = OpenWindow(ws.NewHome("home-days", twoDays));

    int minutes = 10;
    std::vector<double> bigToday, noneToday, sameToday, bigPast, nonePast, samePast;
    for (int round = 0; round < o.runs; ++round) {
        for (double t : Captures(*big, 1, std::nullopt, minutes)) bigToday.push_back(t);
        for (double t : Captures(*none, 1, std::nullopt, minutes)) noneToday.push_back(t);
        for (double t : Captures(*same, 1, std::nullopt, minutes)) sameToday.push_back(t);
        for (double t : Captures(*big, 1, middle, minutes)) bigPast.push_back(t);
        for (double t : Captures(*none, 1, middle, minutes)) nonePast.push_back(t);
        for (double t : Captures(*same, 1, middle, minutes)) samePast.push_back(t);
    }
    AddRatio("capture one row (today)", records, Median(bigToday), Median(noneToday), "ms", "<= 2x");
    AddRatio("capture one row dated in the past", records, Median(bigPast), Median(nonePast), "ms", "<= 2x");
    AddRatio("capture today, against a journal of only the same days", records, Median(bigToday), Median(sameToday), "ms", "(reference)");
    AddRatio("capture in the past, against a journal of only the same days", records, Median(bigPast), Median(samePast), "ms",
             "(reference)");

    kt::ui::CDataView* view = big->frame->DataView();
    std::vector<double> chart, date, fill;
    const QString absent = QStringLiteral("Bicycling, mountain, uphill, vigorous");
    for (int round = 0; round < o.runs; ++round) {
        view->OnGraphPeriodChosen(0);
        Settle();
        auto start = Clock::now();
        view->OnGraphPeriodChosen(8);
        QApplication::processEvents();
        chart.push_back(Ms(Clock::now() - start));

        const kt::Time64 day = big->session->doc.Records()[(static_cast<size_t>(round) * 7919) % records].m_time;
        Settle();
        start = Clock::now();
        PickDate(*big, day);
        date.push_back(Ms(Clock::now() - start));

        kt::ui::EntryGridModel* model = view->GridModel();
        big->session->settings.m_bAutoFill = true;
        Settle();
        start = Clock::now();
        model->setData(model->index(1, kt::kColType), round % 2 ? absent : QStringLiteral("Swimming laps, freestyle, slow"));
        fill.push_back(Ms(Clock::now() - start));
        view->ClearDataEntryGrid();
    }
    view->OnGraphPeriodChosen(0);
    // The day shown decides much of a date change's cost: the same day, on the journal that
    // holds only the days captured on.
    std::vector<double> bigDay, sameDay;
    for (int round = 0; round < o.runs; ++round) {
        for (auto [w, times] : {std::pair{big.get(), &bigDay}, std::pair{same.get(), &sameDay}}) {
            PickDate(*w, today);
            Settle();
            const auto start = Clock::now();
            PickDate(*w, middle);
            times->push_back(Ms(Clock::now() - start));
        }
    }
    AddAbsolute("chart: switch to \"From the beginning\"", records, Median(chart), 16.0, "ms", "< 16 ms");
    AddAbsolute("date box change", records, Median(date), 1.0, "ms", "< 1 ms");
    AddRatio("date box change to one day, against a journal of only the same days", records, Median(bigDay), Median(sameDay), "ms",
             "(reference)");
    AddAbsolute("auto-fill lookup", records, Median(fill), 1.0, "ms", "< 1 ms");
}

Options ParseOptions(int argc, char** argv) {
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        if (arg == "--sizes") {
            o.sizes.clear();
            std::string list = argv[i + 1];
            size_t pos = 0;
            while (pos < list.size()) {
                const size_t comma = list.find(',', pos);
                o.sizes.push_back(std::stoul(list.substr(pos, comma - pos)));
                pos = comma == std::string::npos ? list.size() : comma + 1;
            }
        } else if (arg == "--only") {
            o.only = argv[i + 1];
        } else if (arg == "--runs") {
            o.runs = std::max(1, std::atoi(argv[i + 1]));
        }
    }
    std::sort(o.sizes.begin(), o.sizes.end());
    return o;
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0) {
        const std::string mode = argv[2];
        if (mode == "window") return ChildProgramWindow(argc, argv);
        if (mode == "empty-window") return ChildEmptyWindow(argc, argv, false);
        if (mode == "text-window") return ChildEmptyWindow(argc, argv, true);
        if (mode == "loaded") return ChildProgramLoaded(argc, argv);
        if (mode == "floor-reader" && argc >= 4) return ChildFloorReader(argv[3]);
        return 2;
    }
    const Options options = ParseOptions(argc, argv);
    try {
        Workspace ws;
        for (size_t records : options.sizes) {
            std::fprintf(stderr, "writing the %s journal\n", SizeName(records).c_str());
            ws.HomeFor(records);
        }
        if (options.Wants("load") || options.Wants("save")) {
            std::fprintf(stderr, "load and save\n");
            MeasureLoadAndSave(ws, options);
        }
        if (options.Wants("startup")) {
            std::fprintf(stderr, "start-up\n");
            MeasureStartup(ws, options);
        }
        if (options.Wants("memory")) {
            std::fprintf(stderr, "peak memory\n");
            MeasureMemory(ws, options);
        }
        if (options.Wants("window")) {
            QApplication app(argc, argv);
            kt::ForceCLocale();
            std::fprintf(stderr, "capture, chart, date and auto-fill\n");
            MeasureWindow(ws, options);
        }
        PrintTable();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_Figures: %s\n", e.what());
        return 1;
    }
    return 0;
}
