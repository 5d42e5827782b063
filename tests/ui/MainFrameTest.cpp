#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <functional>
#include <optional>
#include <thread>

#include "core/app/Commands.h"
#include "core/base/FolderLock.h"
#include "core/base/LocalTime.h"
#include "ui/app/MainFrame.h"
#include "ui/base/QtPrompter.h"
#include "ui/support/UiTestSupport.h"
#include "ui/views/DataView.h"
#include "ui/views/EventRecordView.h"
#include "ui/widgets/ChartCtrl.h"
#include "ui/widgets/ColoredStatusBarCtrl.h"
#include "ui/widgets/GridCtrl.h"
#include "ui/widgets/OwnerDrawButton.h"

namespace kt {
namespace {

const char* kQuestion =
    "New activities have been added to the exercise database, but not saved. Do you wish save the database now before you exit (Y), or "
    "exit "
    "without saving (N).";

CEventRecord SwimRecord() {
    return CEventRecord(LocalMidnight(2016, 1, 5), "Swimming butterfly", "50 lengths", 45, "Pool", 598.3, 81.5, 1, "felt good");
}

TEST(MainFrame, FirstStartCreatesTheDataFolderAndShowsBothPanesAndEveryMenu) {
    test::UiHome home;
    auto frame = test::StartMainFrame();
    ASSERT_TRUE(frame);
    EXPECT_TRUE(std::filesystem::is_directory(home.DataFolder()));
    EXPECT_EQ(frame.DataFolder(), home.DataFolder().string());
    EXPECT_TRUE(home.prompter.messages.empty());

    // Upper pane the editor (hidden), lower pane the data entry view.
    ASSERT_EQ(frame->Splitter()->count(), 2);
    EXPECT_EQ(frame->Splitter()->widget(0), frame->EditorView());
    EXPECT_EQ(frame->Splitter()->widget(1), frame->DataView());
    EXPECT_EQ(frame->Splitter()->sizes().at(0), 0);
    EXPECT_FALSE(frame->m_bEditorShown);

    // The menus of the table in their order; our own Edit menu (undo, redo) stands between them.
    QList<QAction*> menus = frame->menuBar()->actions();
    menus.removeIf([](QAction* menu) { return menu->menu()->objectName() == QStringLiteral("editMenu"); });
    ASSERT_EQ(menus.size(), static_cast<qsizetype>(MainMenu().size()));
    for (size_t m = 0; m < MainMenu().size(); ++m) {
        EXPECT_EQ(menus[static_cast<qsizetype>(m)]->text().toStdString(), MainMenu()[m].caption);
        const QList<QAction*> items = menus[static_cast<qsizetype>(m)]->menu()->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(MainMenu()[m].items.size()));
        for (size_t i = 0; i < static_cast<size_t>(items.size()); ++i) {
            const MenuItem& item = MainMenu()[m].items[i];
            if (item.command == 0) {
                EXPECT_TRUE(items[static_cast<qsizetype>(i)]->isSeparator());
            } else {
                EXPECT_EQ(items[static_cast<qsizetype>(i)]->data().toInt(), item.command);
            }
        }
    }
    EXPECT_EQ(frame->Action(cmd::kFilePrint)->text().toStdString(), "&Print...\tCtrl+P");
    EXPECT_FALSE(frame->Action(cmd::kFilePrint)->isEnabled());
    EXPECT_TRUE(frame->Action(cmd::kSave)->isEnabled());
    EXPECT_TRUE(frame->Action(cmd::kExit)->isEnabled());
    EXPECT_EQ(frame->Action(cmd::kToggleEditor)->text().toStdString(), "Edit the exercise database");
    EXPECT_EQ(frame->Action(cmd::kViewAll)->text().toStdString(), "View All Exercise Data");

    EXPECT_EQ(frame->windowTitle().toStdString(), "Kinetrax 2[*] - KT2");
    EXPECT_FALSE(frame->isWindowModified());
    EXPECT_EQ(frame->StatusBarCtrl()->Prompt().toStdString(), "Ready");
}

TEST(MainFrame, LoadsTheDatabaseAndTitlesTheWindowWithItsFirstDate) {
    test::UiHome home;
    std::filesystem::create_directories(home.DataFolder());
    test::WriteAll(home.DataFolder() / "ExerciseData.edb", "1700000000\r\n1451948400\tArchery\tTarget\t30.00\tPark\t200.0\t80.0\t1\t\r\n");
    auto frame = test::StartMainFrame();
    ASSERT_TRUE(frame);
    ASSERT_EQ(frame.Doc().Records().size(), 1u);
    EXPECT_EQ(frame->windowTitle().toStdString(), "Kinetrax 2: Records starting January 05, 2016[*] - KT2");
}

TEST(MainFrame, UnreadableDatabaseIsReportedAtStartAndKeptOnSave) {
    test::UiHome home;
    std::filesystem::create_directories(home.DataFolder() / "ExerciseData.edb");  // unreadable, even for root
    auto frame = test::StartMainFrame();
    ASSERT_TRUE(frame);
    ASSERT_EQ(home.prompter.messages.size(), 1u);
    EXPECT_NE(home.prompter.messages[0].find("ExerciseData.edb exists but could not be read."), std::string::npos);
    frame.Doc().AddRecord(SwimRecord());
    frame.Doc().MarkChanged();
    home.prompter.answers = {false};  // the replace question: No
    frame->Action(cmd::kSave)->trigger();
    EXPECT_EQ(home.prompter.questions.size(), 1u);
    EXPECT_TRUE(std::filesystem::is_directory(home.DataFolder() / "ExerciseData.edb"));
    EXPECT_TRUE(frame.Doc().IsChanged());
}

TEST(MainFrame, DocumentsFolderBlockedByAFileReportsOnceAndRunsWithoutDataFolder) {
    test::UiHome home;
    std::filesystem::create_directories(home.home() / "Documents");
    test::WriteAll(home.home() / "Documents" / "Quorvane", "not a folder");
    auto frame = test::StartMainFrame();
    ASSERT_TRUE(frame);
    ASSERT_EQ(home.prompter.messages.size(), 1u);
    EXPECT_EQ(
        home.prompter.messages[0].rfind("An error occurred (Error Code: 14) and the KT data folder could not be created or found:", 0), 0u)
        << home.prompter.messages[0];
    EXPECT_EQ(frame.DataFolder(), "");
    EXPECT_TRUE(frame.Doc().Records().empty());
}

TEST(MainFrame, CtrlSSavesOnlyWhenSomethingChanged) {
    test::UiHome home;
    auto frame = test::StartMainFrame();
    ASSERT_TRUE(frame);
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    const auto file = home.DataFolder() / "ExerciseData.edb";

    QTest::keyClick(frame.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(std::filesystem::exists(file));  // nothing changed, nothing written

    frame.Doc().AddRecord(SwimRecord());
    frame.Doc().MarkChanged();
    QTest::keyClick(frame.get(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_NE(test::ReadAll(file).find("\t50 lengths\t45.00\tPool\t598.3\t81.5\t1\tfelt good\r\n"), std::string::npos);
    EXPECT_FALSE(frame.Doc().IsChanged());
}

TEST(MainFrame, ClosingWithUnsavedRecordsAsksAndYesSaves) {
    test::UiHome home;
    auto frame = test::StartMainFrame();
    ASSERT_TRUE(frame);
    frame.Doc().AddRecord(SwimRecord());
    frame.Doc().MarkChanged();
    home.prompter.answers = {true};
    frame->close();
    ASSERT_EQ(home.prompter.questions.size(), 1u);
    EXPECT_EQ(home.prompter.questions[0], kQuestion);
    EXPECT_TRUE(std::filesystem::exists(home.DataFolder() / "ExerciseData.edb"));
}

// The real question box: Yes saves, No closes without saving, and Escape or the box's own close
// button keep the program open with the records still unsaved.
TEST(MainFrame, CloseQuestionCanBeCancelledByEscapeOrItsCloseBox) {
    struct Case {
        const char* name;
        std::function<void(QMessageBox*)> answer;
        bool closes, saved;
    };
    const Case cases[] = {
        {"yes", [](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); }, true, true},
        {"no", [](QMessageBox* box) { box->button(QMessageBox::No)->click(); }, true, false},
        {"escape", [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); }, false, false},
        {"close box", [](QMessageBox* box) { box->close(); }, false, false},
    };
    for (const Case& c : cases) {
        test::UiHome home;
        ui::QtPrompter boxes;  // the program's own message boxes
        auto frame = test::StartMainFrame("80", &boxes);
        ASSERT_TRUE(frame);
        frame.Doc().AddRecord(SwimRecord());
        frame.Doc().MarkChanged();
        QString asked;
        test::OnNextModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_TRUE(box);
            asked = box->text();
            c.answer(box);
        });
        EXPECT_EQ(frame->close(), c.closes) << c.name;
        EXPECT_EQ(asked.toStdString(), kQuestion) << c.name;
        EXPECT_EQ(std::filesystem::exists(home.DataFolder() / "ExerciseData.edb"), c.saved) << c.name;
        EXPECT_EQ(frame.Doc().IsChanged(), !c.saved) << c.name;
        EXPECT_EQ(frame.Doc().Records().size(), 1u) << c.name;
    }
}

TEST(MainFrame, ClosingWithoutChangesAsksNothing) {
    test::UiHome home;
    auto frame = test::StartMainFrame();
    ASSERT_TRUE(frame);
    frame->close();
    EXPECT_TRUE(home.prompter.questions.empty());
}

TEST(MainFrame, PanesFollowTheWindowOnlyAfterTheFirstMaximize) {
    test::UiHome home;
    auto frame = test::StartMainFrame();
    ASSERT_TRUE(frame);
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    EXPECT_FALSE(frame->m_bLayoutActive);
    frame->showMaximized();
    QTest::qWait(50);
    EXPECT_TRUE(frame->m_bLayoutActive);
    frame->m_bEditorShown = true;
    frame->LayoutPanes();
    const QList<int> sizes = frame->Splitter()->sizes();
    const int h = frame->Splitter()->height();
    EXPECT_NEAR(sizes.at(0), 2 * h / 3, 8);
}

TEST(MainFrame, StatusTipsGoToPaneZero) {
    test::UiHome home;
    auto frame = test::StartMainFrame();
    ASSERT_TRUE(frame);
    // An open menu shows the status tip of the item under the mouse through the main window.
    frame->Action(cmd::kSave)->showStatusText(frame.get());
    EXPECT_EQ(frame->StatusBarCtrl()->Prompt().toStdString(), "Save the exercise database (do not exit the program)");
    // Leaving the item (an empty tip) shows the idle prompt again.
    frame->Action(cmd::kEditActivityOrder)->showStatusText(frame.get());
    EXPECT_EQ(frame->StatusBarCtrl()->Prompt().toStdString(), "Ready");
}

// The desktop session ends or the program is told to stop: a changed journal is saved without a
// question (nobody is there to answer) and the window goes.
TEST(MainFrame, EndOfSessionSavesWithoutAsking) {
    test::UiHome home;
    auto frame = test::StartMainFrame();
    ASSERT_TRUE(frame);
    ASSERT_TRUE(test::ShowActive(frame.get()));
    test::CaptureOneRow(frame->DataView()->GridCtrl(), "Golf, general", "Range", "30");
    frame->EndSession();
    EXPECT_FALSE(frame->isVisible());
    EXPECT_TRUE(home.prompter.questions.empty());
    EXPECT_FALSE(frame.Doc().IsChanged());
    EXPECT_NE(test::ReadAll(home.DataFolder() / "ExerciseData.edb").find("\tRange\t30.00\t"), std::string::npos);
}

// A program killed between two saves: the next start offers the captures back, Yes applies them
// (unsaved, so the user still decides), No keeps them aside in a dated file and starts from the
// saved journal. Closing without saving drops them: nothing is offered after that.

// The journal's file is a pipe: the load waits until the test writes the file's bytes, as on a
// slow disk, so a test sees the window while the journal loads. The file waits at `aside` (on the
// same disk, so that putting it back keeps it the very file it was).
class SlowJournal {
public:
    SlowJournal(const std::filesystem::path& folder, const std::filesystem::path& aside)
        : m_file(folder / "ExerciseData.edb"), m_aside(aside) {
        std::filesystem::rename(m_file, m_aside);
        EXPECT_EQ(::mkfifo(m_file.c_str(), 0600), 0);
    }
    // Lets the load waiting on the pipe read the file and end.
    void Feed() const {
        const std::string bytes = test::ReadAll(m_aside);
        const int fd = ::open(m_file.c_str(), O_WRONLY | O_CLOEXEC);
        ASSERT_GE(fd, 0);
        EXPECT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
        ::close(fd);
    }
    // Nothing replaced the pipe (a save would have put a file in its place).
    bool Untouched() const { return std::filesystem::is_fifo(m_file); }
    void Restore() const {
        std::filesystem::remove(m_file);
        std::filesystem::rename(m_aside, m_file);
    }

private:
    std::filesystem::path m_file;
    std::filesystem::path m_aside;
};

// Counts the paint events of a window and its children.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* window) : m_window(window) { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && widget && widget->window() == m_window) ++count;
        return false;
    }

private:
    QWidget* m_window;
};

TEST(MainFrame, TheWindowPaintsAtOnceAndTakesNoInputUntilTheJournalIsLoaded) {
    test::UiHome home;
    test::WriteDatabase(home.DataFolder(), {SwimRecord()});
    SlowJournal journal(home.DataFolder(), home.home() / "journal");
    auto frame = test::OpenMainFrame();
    ASSERT_TRUE(frame);
    PaintCounter paints(frame.get());
    ASSERT_TRUE(test::ShowActive(frame.get()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return paints.count > 0; }));
    EXPECT_FALSE(frame->IsJournalReady());
    const QString loading = QStringLiteral("Loading the exercise database...");
    QProgressBar* progress = frame->StatusBarCtrl()->ProgressBar();
    EXPECT_TRUE(progress->isVisible());
    EXPECT_EQ(progress->format(), loading);  // a pipe has no size to count per cent of
    EXPECT_EQ(frame->StatusBarCtrl()->Prompt(), loading);
    EXPECT_EQ(frame->DataView()->PromptText(), loading);

    // What needs the journal is visibly off; typing and its keys change nothing.
    const std::vector<std::pair<int, bool>> enabledWhileLoading = {
        {cmd::kSave, false}, {cmd::kActionButton, false}, {cmd::kPreferences, false}, {cmd::kShowHideEditor, false},
        {cmd::kUndo, false}, {cmd::kAbout, true},         {cmd::kExit, true},
    };
    for (const auto& [command, enabled] : enabledWhileLoading) EXPECT_EQ(frame->Action(command)->isEnabled(), enabled) << command;
    EXPECT_FALSE(frame->Splitter()->isEnabled());
    const QImage offButton = frame->DataView()->ActionButton()->grab().toImage();
    ui::CGridCtrl* grid = frame->DataView()->GridCtrl();
    test::TypeIntoCell(grid, 1, 1, QStringLiteral("Laps"));
    test::PressKey(Qt::Key_V, Qt::ControlModifier);  // would show the editor
    test::PressKey(Qt::Key_R, Qt::ControlModifier);  // would capture
    EXPECT_EQ(test::Cell(grid, 1, 1), QString());
    EXPECT_FALSE(frame->m_bEditorShown);
    EXPECT_TRUE(home.prompter.messages.empty());
    EXPECT_TRUE(frame.Doc().Records().empty());

    journal.Feed();
    ASSERT_TRUE(test::WaitForJournal(frame));
    ASSERT_EQ(frame.Doc().Records().size(), 1u);
    EXPECT_FALSE(progress->isVisible());
    EXPECT_EQ(frame->StatusBarCtrl()->Prompt(), QStringLiteral("Ready"));
    EXPECT_NE(frame->DataView()->PromptText(), loading);
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
TEST(MainFrame, AJournalReadAtOnceIsShownAfterTheWindowsFirstPaint) {
    test::UiHome home;
    test::WriteDatabase(home.DataFolder(), {SwimRecord()});
    for (const bool paints : {true, false}) {
        auto frame = test::OpenMainFrame();
        ASSERT_TRUE(frame);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));  // the read is over, its news queued
        struct FirstPaint : QObject {
            ui::CMainFrame* frame = nullptr;
            bool swallow = false;
            std::optional<std::pair<bool, bool>> readyAndChart;
            bool eventFilter(QObject* watched, QEvent* event) override {
                if (event->type() != QEvent::Paint || watched != frame) return false;
                if (!readyAndChart) readyAndChart = {frame->IsJournalReady(), frame->DataView()->Chart()->isVisible()};
                return swallow;
            }
        } watch;
        watch.frame = frame.get();
        watch.swallow = !paints;
        frame->installEventFilter(&watch);
        frame->show();
        ASSERT_TRUE(test::WaitForJournal(frame)) << paints;
        EXPECT_EQ(watch.readyAndChart, std::optional(std::pair(false, false))) << paints;
        EXPECT_EQ(frame.Doc().Records().size(), 1u);
        EXPECT_TRUE(frame->DataView()->Chart()->isVisible());
        frame->removeEventFilter(&watch);
    }
}

// A run killed after two captures leaves them to be offered back at the next start, once its
// journal is loaded. A window closed or ended while the journal loads saves nothing, installs
// nothing and leaves the offer for the start after.
TEST(MainFrame, CapturesOfAKilledRunAreOfferedBackAtTheNextStartOnceTheJournalIsLoaded) {
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
            ASSERT_TRUE(frame);
            ASSERT_TRUE(test::ShowActive(frame.get()));
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
                if (endSession) {
                    frame->EndSession();
                } else {
                    frame->close();
                }
                journal.Feed();
                QTest::qWait(200);  // the finished load's notice arrives
                EXPECT_FALSE(frame->IsJournalReady());
                EXPECT_TRUE(frame.Doc().Records().empty());
                EXPECT_TRUE(home.prompter.questions.empty());
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
        if (yes) {
            EXPECT_EQ(frame.Doc().Records()[2].m_strDescription, "Back nine");
        }
        size_t aside = 0;
        for (const auto& e : std::filesystem::directory_iterator(home.DataFolder()))
            aside += e.path().filename().string().rfind("ExerciseData.recovery-", 0) == 0;
        EXPECT_EQ(aside, yes ? 0u : 1u);

        if (yes) {
            watch.answers = {false};  // close without saving
            frame->close();
            frame = {};
            auto again = test::StartMainFrame();
            ASSERT_TRUE(again);
            EXPECT_TRUE(home.prompter.questions.empty());
            EXPECT_EQ(again.Doc().Records().size(), 1u);
        }
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
TEST(MainFrame, ASecondStartOnAHeldJournalTouchesNoFile) {
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
