// The main window's life as a user meets it: the first start, saving, closing with unsaved
// records, the end of the desktop session, and the journal loaded on a worker thread.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QSplitter>
#include <algorithm>
#include <chrono>
#include <functional>
#include <optional>
#include <thread>

#include "core/base/FolderLock.h"
#include "ui/Scenario.h"
#include "ui/base/QtPrompter.h"
#include "ui/widgets/ChartCtrl.h"
#include "ui/widgets/ColoredStatusBarCtrl.h"

namespace kt {
namespace {

const char* kQuestion =
    "New activities have been added to the exercise database, but not saved. Do you wish save the database now before you exit (Y), or "
    "exit without saving (N).";

CEventRecord SwimRecord() {
    return CEventRecord(LocalMidnight(2016, 1, 5), "Swimming butterfly", "50 lengths", 45, "Pool", 598.3, 81.5, 1, "felt good");
}

std::filesystem::path JournalFile(const test::UiHome& home) { return home.DataFolder() / "ExerciseData.edb"; }

struct MainFrame : ::testing::Test, test::Program {};

// Every command of the menus and the toolbar has its handler; only File -> Print stays disabled
// (Ctrl+P prints), and Undo/Redo follow what there is to take back. Ctrl+S writes only a change.
TEST_F(MainFrame, FirstStartEnablesEveryCommandCtrlSSavesOnlyAChangeAndTheSessionEndSavesUnasked) {
    ASSERT_TRUE(Start());
    EXPECT_TRUE(std::filesystem::is_directory(home.DataFolder()) && home.prompter.messages.empty());
    int items = 0;
    for (QAction* menu : frame->menuBar()->actions()) {
        for (QAction* item : menu->menu()->actions()) {
            if (item->isSeparator()) continue;
            ++items;
            const int command = item->data().toInt();
            EXPECT_EQ(item->isEnabled(), command != cmd::kFilePrint && command != cmd::kUndo && command != cmd::kRedo)
                << Text(item->text());
        }
    }
    EXPECT_EQ(items, 32);
    for (const ToolbarButton& b : ToolbarButtons()) EXPECT_TRUE(frame->Action(b.command)->isEnabled()) << b.command;
    for (const Accelerator& a : Accelerators()) EXPECT_TRUE(frame->Action(a.command)->isEnabled()) << a.keys;
    frame->Action(cmd::kViewToolbar)->trigger();
    EXPECT_FALSE(frame->Action(cmd::kViewToolbar)->isChecked() || frame->ToolBar()->isVisible());
    // An open menu shows the status tip of the item under the mouse in pane 0.
    frame->Action(cmd::kSave)->showStatusText(frame.get());
    EXPECT_EQ(Text(frame->StatusBarCtrl()->Prompt()), "Save the exercise database (do not exit the program)");

    test::PressKey(Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(std::filesystem::exists(JournalFile(home)));  // nothing changed, nothing written
    test::CaptureOneRow(Grid(), "Golf, general", "Course", "60");
    EXPECT_TRUE(frame->isWindowModified());
    test::PressKey(Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(frame->isWindowModified() || frame.Doc().IsChanged());
    EXPECT_NE(test::ReadAll(JournalFile(home)).find("\tCourse\t60.00\t"), std::string::npos);
    EXPECT_EQ(Text(frame->StatusBarCtrl()->Prompt()), "Saved 1 record to " + JournalFile(home).string());

    // The desktop session ends or the program is told to stop: a changed journal is saved without
    // a question (nobody is there to answer) and the window goes.
    test::CaptureOneRow(Grid(), "Golf, general", "Range", "30");
    frame->EndSession();
    EXPECT_FALSE(frame->isVisible());
    EXPECT_TRUE(home.prompter.questions.empty());
    EXPECT_NE(test::ReadAll(JournalFile(home)).find("\tRange\t30.00\t"), std::string::npos);
}

// An unreadable journal is reported at the start and never replaced unasked.
TEST(MainFrameStart, UnreadableJournalIsReportedAndKept) {
    test::UiHome home;
    std::filesystem::create_directories(JournalFile(home));  // unreadable, even for root
    auto frame = test::StartMainFrame();
    ASSERT_TRUE(frame);
    ASSERT_EQ(home.prompter.messages.size(), 1u);
    EXPECT_NE(home.prompter.messages[0].find("ExerciseData.edb exists but could not be read."), std::string::npos);
    frame.Doc().AddRecord(SwimRecord());
    home.prompter.answers = {false};  // the replace question: No
    frame->Action(cmd::kSave)->trigger();
    EXPECT_EQ(home.prompter.questions.size(), 1u);
    EXPECT_TRUE(std::filesystem::is_directory(JournalFile(home)));
    EXPECT_TRUE(frame.Doc().IsChanged());
}

// The real question box: Yes saves, No closes without saving, and Escape or the box's own close
// button keep the program open with the records still unsaved. Unchanged, nothing is asked.
TEST(MainFrameClose, UnsavedRecordsAreAskedForAndCancelKeepsTheWindow) {
    const struct {
        const char* name;
        std::function<void(QMessageBox*)> answer;
        bool closes, saved;
    } cases[] = {
        {"yes", [](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); }, true, true},
        {"no", [](QMessageBox* box) { box->button(QMessageBox::No)->click(); }, true, false},
        {"escape", [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); }, false, false},
        {"close box", [](QMessageBox* box) { box->close(); }, false, false},
        {"unchanged", nullptr, true, false},
    };
    for (const auto& c : cases) {
        test::UiHome home;
        ui::QtPrompter boxes;  // the program's own message boxes
        auto frame = test::StartMainFrame("80", &boxes);
        ASSERT_TRUE(frame);
        if (c.answer) frame.Doc().AddRecord(SwimRecord());
        QString asked;
        const QPointer<QTimer> watcher = test::OnNextModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_TRUE(box);
            asked = box->text();
            c.answer ? c.answer(box) : void(box->close());
        });
        EXPECT_EQ(frame->close(), c.closes) << c.name;
        test::CancelModalWatcher(watcher);
        EXPECT_EQ(Text(asked), c.answer ? kQuestion : "") << c.name;
        EXPECT_EQ(std::filesystem::exists(JournalFile(home)), c.saved) << c.name;
        EXPECT_EQ(frame.Doc().IsChanged(), c.answer && !c.saved) << c.name;
    }
}

// The journal's file is a pipe: the load waits until the test writes the file's bytes, as on a
// slow disk, so a test sees the window while the journal loads. The file waits at `aside` (on the
// same disk, so that putting it back keeps it the very file it was).
struct SlowJournal {
    SlowJournal(const std::filesystem::path& folder, std::filesystem::path aside) : file(folder / "ExerciseData.edb"), aside(aside) {
        std::filesystem::rename(file, aside);
        EXPECT_EQ(::mkfifo(file.c_str(), 0600), 0);
    }
    // Lets the load waiting on the pipe read the file and end.
    void Feed() const {
        const std::string bytes = test::ReadAll(aside);
        const int fd = ::open(file.c_str(), O_WRONLY | O_CLOEXEC);
        ASSERT_GE(fd, 0);
        EXPECT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
        ::close(fd);
    }
    // Nothing replaced the pipe (a save would have put a file in its place).
    bool Untouched() const { return std::filesystem::is_fifo(file); }
    void Restore() const {
        std::filesystem::remove(file);
        std::filesystem::rename(aside, file);
    }
    std::filesystem::path file, aside;
};

// Counts the paint events of a window and its children.
struct PaintCounter : QObject {
    explicit PaintCounter(QWidget* window) : window(window) { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        count += event->type() == QEvent::Paint && widget && widget->window() == window;
        return false;
    }
    QWidget* window;
    int count = 0;
};

TEST(MainFrameLoad, TheWindowPaintsAtOnceAndTakesNoInputUntilTheJournalIsLoaded) {
    test::UiHome home;
    test::WriteDatabase(home.DataFolder(), {SwimRecord()});
    SlowJournal journal(home.DataFolder(), home.home() / "journal");
    auto frame = test::OpenMainFrame();
    ASSERT_TRUE(frame);
    PaintCounter paints(frame.get());
    ASSERT_TRUE(test::ShowActive(frame.get()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return paints.count > 0; }));
    EXPECT_FALSE(frame->IsJournalReady());
    QProgressBar* progress = frame->StatusBarCtrl()->ProgressBar();
    EXPECT_TRUE(progress->isVisible());
    EXPECT_EQ(Text(progress->format()), "Loading the exercise database...");  // a pipe has no size to count per cent of

    // What needs the journal is visibly off; typing and its keys change nothing.
    const std::vector<std::pair<int, bool>> enabledWhileLoading = {
        {cmd::kSave, false}, {cmd::kActionButton, false}, {cmd::kPreferences, false}, {cmd::kShowHideEditor, false},
        {cmd::kUndo, false}, {cmd::kAbout, true},         {cmd::kExit, true},
    };
    for (const auto& [command, enabled] : enabledWhileLoading) EXPECT_EQ(frame->Action(command)->isEnabled(), enabled) << command;
    const QImage offButton = frame->DataView()->ActionButton()->grab().toImage();
    ui::CGridCtrl* grid = frame->DataView()->GridCtrl();
    test::TypeIntoCell(grid, 1, 1, QStringLiteral("Laps"));
    test::PressKey(Qt::Key_V, Qt::ControlModifier);  // would show the editor
    test::PressKey(Qt::Key_R, Qt::ControlModifier);  // would capture
    EXPECT_EQ(test::Cell(grid, 1, 1), QString());
    EXPECT_FALSE(frame->m_bEditorShown);
    EXPECT_TRUE(home.prompter.messages.empty() && frame.Doc().Records().empty());

    journal.Feed();
    ASSERT_TRUE(test::WaitForJournal(frame));
    ASSERT_EQ(frame.Doc().Records().size(), 1u);
    EXPECT_FALSE(progress->isVisible());
    EXPECT_EQ(frame->StatusBarCtrl()->Prompt(), QStringLiteral("Ready"));
    for (const auto& [command, enabled] : enabledWhileLoading)
        EXPECT_EQ(frame->Action(command)->isEnabled(), command != cmd::kUndo) << command;
    EXPECT_NE(frame->DataView()->ActionButton()->grab().toImage(), offButton);  // its caption no longer faded
    test::TypeIntoCell(grid, 1, 1, QStringLiteral("Laps"));
    EXPECT_EQ(test::Cell(grid, 1, 1), QStringLiteral("Laps"));
    EXPECT_FALSE(test::InitialWeightWasAsked());
}

// A journal read before the window could paint waits for that paint: the window comes first,
// with the chart hidden rather than empty. A window whose paint never comes (minimized, on a
// hidden desktop) gets its journal all the same.
TEST(MainFrameLoad, AJournalReadAtOnceIsShownAfterTheWindowsFirstPaint) {
    test::UiHome home;
    test::WriteDatabase(home.DataFolder(), {SwimRecord()});
    for (const bool paints : {true, false}) {
        auto frame = test::OpenMainFrame();
        ASSERT_TRUE(frame);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));  // the read is over, its news queued
        struct FirstPaint : QObject {
            FirstPaint(ui::CMainFrame* frame, bool swallow) : frame(frame), swallow(swallow) { frame->installEventFilter(this); }
            bool eventFilter(QObject* watched, QEvent* event) override {
                if (event->type() != QEvent::Paint || watched != frame) return false;
                if (!readyAndChart) readyAndChart = {frame->IsJournalReady(), frame->DataView()->Chart()->isVisible()};
                return swallow;
            }
            ui::CMainFrame* frame;
            bool swallow;
            std::optional<std::pair<bool, bool>> readyAndChart;
        } watch(frame.get(), !paints);
        frame->show();
        ASSERT_TRUE(test::WaitForJournal(frame)) << paints;
        EXPECT_EQ(watch.readyAndChart, std::optional(std::pair(false, false))) << paints;
        EXPECT_EQ(frame.Doc().Records().size(), 1u);
        EXPECT_TRUE(frame->DataView()->Chart()->isVisible());
        frame->removeEventFilter(&watch);
    }
}

// A run killed after two captures leaves them to be offered back at the next start, once its
// journal is loaded: Yes applies them (unsaved, so the user still decides), No keeps them aside
// in a dated file. A window closed or ended while the journal loads saves nothing, installs
// nothing and leaves the offer for the start after; closing without saving drops the offer.
TEST(MainFrameLoad, CapturesOfAKilledRunAreOfferedBackAtTheNextStartOnceTheJournalIsLoaded) {
    struct OfferWatch : test::RecordingPrompter {
        bool AskYesNo(const std::string& text) override {
            recordsAtOffer = doc ? doc->Records().size() : 0;
            return RecordingPrompter::AskYesNo(text);
        }
        const CKT2Doc* doc = nullptr;
        size_t recordsAtOffer = 0;
    };
    for (const bool yes : {true, false}) {
        test::UiHome home;
        test::WriteDatabase(home.DataFolder(), {SwimRecord()});
        {
            auto frame = test::StartMainFrame();
            ASSERT_TRUE(frame && test::ShowActive(frame.get()));
            test::CaptureOneRow(frame->DataView()->GridCtrl(), "Golf, general", "Range", "30");
            test::CaptureOneRow(frame->DataView()->GridCtrl(), "Golf, general", "Back nine", "60");
            ASSERT_EQ(frame.Doc().Records().size(), 3u);
        }  // gone without its close sequence, as after kill -9
        if (yes) {
            SlowJournal journal(home.DataFolder(), home.home() / "journal");
            const std::filesystem::path recoveryFile = home.DataFolder() / "ExerciseData.recovery";
            const std::string recovery = test::ReadAll(recoveryFile);
            for (const bool endSession : {false, true}) {
                auto frame = test::OpenMainFrame();
                ASSERT_TRUE(frame && test::ShowActive(frame.get()));
                endSession ? frame->EndSession() : void(frame->close());
                journal.Feed();
                QTest::qWait(200);  // the finished load's notice arrives
                EXPECT_FALSE(frame->IsJournalReady());
                EXPECT_TRUE(frame.Doc().Records().empty() && home.prompter.questions.empty());
                EXPECT_TRUE(journal.Untouched());
                EXPECT_EQ(test::ReadAll(recoveryFile), recovery) << endSession;
            }
            journal.Restore();
        }
        OfferWatch watch;
        watch.answers = {yes};
        auto frame = test::OpenMainFrame(&watch);
        ASSERT_TRUE(frame);
        watch.doc = &frame.Doc();
        EXPECT_TRUE(watch.questions.empty());
        ASSERT_TRUE(test::WaitForJournal(frame));
        ASSERT_EQ(watch.questions.size(), 1u);
        EXPECT_EQ(watch.questions[0].rfind("Kinetrax was not closed properly the last time: 2 changes", 0), 0u) << watch.questions[0];
        EXPECT_EQ(watch.recordsAtOffer, 1u);  // the journal was there when it was asked
        ASSERT_EQ(frame.Doc().Records().size(), yes ? 3u : 1u);
        EXPECT_EQ(frame.Doc().IsChanged(), yes);
        size_t aside = 0;
        for (const auto& e : std::filesystem::directory_iterator(home.DataFolder()))
            aside += e.path().filename().string().rfind("ExerciseData.recovery-", 0) == 0;
        EXPECT_EQ(aside, yes ? 0u : 1u);
        if (!yes) continue;
        watch.answers = {false};  // close without saving
        frame->close();
        frame = {};
        auto again = test::StartMainFrame();
        ASSERT_TRUE(again);
        EXPECT_TRUE(home.prompter.questions.empty());
        EXPECT_EQ(again.Doc().Records().size(), 1u);
    }
}

// Every file and folder below `root` with its size and modification time.
std::vector<std::string> ListTree(const std::filesystem::path& root) {
    std::vector<std::string> out;
    for (const auto& e : std::filesystem::recursive_directory_iterator(root)) {
        std::string line = e.path().string();
        if (e.is_regular_file())
            line += " " + std::to_string(e.file_size()) + " " + std::to_string(e.last_write_time().time_since_epoch().count());
        out.push_back(line);
    }
    std::sort(out.begin(), out.end());
    return out;
}

// A second start on a journal another program holds reads and writes nothing.
TEST(MainFrameStart, ASecondStartOnAHeldJournalTouchesNoFile) {
    test::UiHome home;
    std::filesystem::create_directories(home.DataFolder());
    FolderLock other;
    ASSERT_EQ(other.Acquire(home.DataFolder(), "kinetrax 4242"), FolderLock::Result::Acquired);
    const auto before = ListTree(home.home());
    EXPECT_FALSE(test::StartMainFrame());
    EXPECT_EQ(ListTree(home.home()), before);
    EXPECT_TRUE(home.prompter.messages.empty());  // the application says it, after asking the window
    other.Release();
    EXPECT_TRUE(test::StartMainFrame());
}

}  // namespace
}  // namespace kt
