// Drives the real program unattended for the crash trials (scripts/kill-trials). It starts the
// program as a user would, checks the saved journal and that every capture an earlier run reported
// is there exactly once, then captures rows one at a time through the entry grid, printing
// "captured <description>" the moment each capture has returned, and saves now and then. The
// trials kill it at random moments; the next run is the check.
//
//   kt-capture-driver LOG COUNT SEED
//
// LOG holds the output of earlier runs. Exit status: 0 after COUNT captures and a quiet wait of
// up to 30 s (the trials normally kill it before), 1 when start-up failed, 3 when a reported capture
// is missing or doubled, 4 when the saved journal is torn. Lines on stderr: "offered N" when the
// start offered N unsaved changes back, "message ..." for every message.

#include <QAction>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>

#include "core/app/Commands.h"
#include "core/app/Session.h"
#include "ui/app/KT2App.h"
#include "ui/app/MainFrame.h"
#include "ui/views/DataView.h"
#include "ui/views/EntryGridModel.h"

namespace {

class AnsweringPrompter final : public kt::Prompter {
public:
    void Message(const std::string& text) override { std::fprintf(stderr, "message %s\n", text.c_str()); }
    bool AskYesNo(const std::string& text) override {
        int n = 0;
        if (std::sscanf(text.c_str(), "Kinetrax was not closed properly the last time: %d", &n) == 1)
            std::fprintf(stderr, "offered %d\n", n);
        return true;
    }
    bool AskYesNoDefaultNo(const std::string& text) override {
        std::fprintf(stderr, "declined %s\n", text.c_str());
        return false;
    }
    kt::Answer AskYesNoCancel(const std::string&) override { return kt::Answer::Cancel; }
};

// A journal file is whole when it ends with a line break and every record line has all nine fields.
int TornLine(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return 0;
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (text.empty()) return 0;
    if (text.size() < 2 || text.compare(text.size() - 2, 2, "\r\n") != 0) return -1;
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        if (number == 1) continue;  // the header: the save's time
        size_t tabs = 0;
        for (char c : line) tabs += c == '\t';
        if (tabs != 8 || line.empty() || line.back() != '\r') return number;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: kt-capture-driver LOG COUNT SEED\n");
        return 2;
    }
    const std::string logFile = argv[1];
    const int count = std::atoi(argv[2]);
    const unsigned seed = static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10));

    const char* home = std::getenv("HOME");
    const std::filesystem::path journal = std::filesystem::path(home ? home : ".") / "Documents" / "Quorvane" / "KT" / "ExerciseData.edb";
    if (const int torn = TornLine(journal)) {
        std::fprintf(stderr, "torn %s at line %d\n", journal.c_str(), torn);
        return 4;
    }

    AnsweringPrompter prompter;
    kt::ui::CKT2App app(argc, argv, &prompter);
    if (!app.InitInstance() || !app.MainFrame()->WaitForJournal()) return 1;
    kt::CKT2Doc& doc = app.SessionState()->doc;
    kt::ui::CMainFrame* frame = app.MainFrame();
    // A stop that came in the same pass of events as the end of the start-up closed the window and
    // ended the wait's loop; the main loop would never be told. The stop itself is done.
    if (!frame->isVisible()) return 0;

    std::map<std::string, int> seen;
    for (const kt::CEventRecord& record : doc.Records()) ++seen[record.m_strDescription];
    std::ifstream log(logFile);
    std::string line;
    int problems = 0;
    while (std::getline(log, line)) {
        if (line.rfind("captured ", 0) != 0) continue;
        const std::string description = line.substr(9);
        if (seen[description] != 1) {
            std::fprintf(stderr, "%s %s\n", seen[description] ? "doubled" : "missing", description.c_str());
            ++problems;
        }
    }
    for (const auto& [description, n] : seen) {
        if (n > 1 && description.rfind('r', 0) == 0) {
            std::fprintf(stderr, "doubled %s\n", description.c_str());
            ++problems;
        }
    }
    if (problems) return 3;

    kt::ui::CDataView* view = frame->DataView();
    kt::ui::EntryGridModel* grid = view->GridModel();
    std::mt19937 rng(seed);
    int done = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        // A window that was closed (the program was told to stop) takes no more typing.
        if (!frame->isVisible()) return;
        if (done == count) {
            tick.stop();
            QTimer::singleShot(30000, &app, [] { std::_Exit(0); });
            return;
        }
        // Formatted in one go: GCC 12 at -O3 sees an overlapping copy in the chain of string
        // additions and fails the release build (-Werror=restrict).
        char name[40];
        std::snprintf(name, sizeof name, "r%u-%d", seed, done);
        const std::string description = name;
        const size_t before = doc.Records().size();
        grid->setData(grid->index(0, 0), QStringLiteral("Golf, general"));
        grid->setData(grid->index(0, 1), QString::fromStdString(description));
        grid->setData(grid->index(0, 2), QStringLiteral("30"));
        view->OnActionButton();
        if (doc.Records().size() != before + 1) {
            std::fprintf(stderr, "capture of %s did not add a record\n", description.c_str());
            std::_Exit(5);
        }
        std::printf("captured %s\n", description.c_str());
        std::fflush(stdout);
        ++done;
        if (rng() % 4 == 0) frame->Action(kt::cmd::kSave)->trigger();
    });
    // A person types between captures: the kills land between captures and inside them alike.
    tick.start(static_cast<int>(rng() % 40));
    return app.exec();
}
