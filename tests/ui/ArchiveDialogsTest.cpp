#include <gtest/gtest.h>

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <cstdlib>

#include "core/app/Commands.h"
#include "core/base/Format.h"
#include "core/journal/Archive.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/FileSettingsStore.h"
#include "core/settings/SettingsPersistence.h"
#include "ui/app/MainFrame.h"
#include "ui/base/QtTrash.h"
#include "ui/journal/ArchiveDlg.h"
#include "ui/journal/ArchiveReportDlg.h"
#include "ui/support/UiTestSupport.h"

namespace kt {
namespace {

using ui::CArchiveDlg;
using ui::CArchiveReportDlg;

const Time64 kNow = LocalMidnight(2024, 3, 5) + 15 * 3600;  // Tuesday, March 5, 2024, 15:00

CEventRecord Rec(int y, int m, int d) { return CEventRecord(LocalMidnight(y, m, d), "Golf", "nine holes", 60, "Club", 300, 80, 1, ""); }

// For looking at the dialogs: KT_GRAB_DIR=/tmp/x writes a PNG of each.
void Grab(QWidget* widget, const char* name) {
    if (const char* dir = std::getenv("KT_GRAB_DIR")) widget->grab().save(QDir(QString::fromUtf8(dir)).filePath(QString::fromUtf8(name)));
}

// "bold italic #rrggbb" of the character after `position` in a rich-text pane.
std::string StyleAt(QTextEdit* pane, int position) {
    QTextCursor c(pane->document());
    c.setPosition(position + 1);
    const QTextCharFormat f = c.charFormat();
    return Format("%s%s%s", f.fontWeight() == QFont::Bold ? "bold " : "", f.fontItalic() ? "italic " : "",
                  f.foreground().color().name().toStdString().c_str());
}

TEST(ArchiveDlg, ChoicesSetTheCutAndOkAsksBeforeClosing) {
    test::RecordingPrompter prompter;
    test::FixedClock clock(kNow);
    CArchiveDlg dlg(clock, prompter);
    ASSERT_TRUE(test::ShowActive(&dlg));
    EXPECT_EQ(dlg.windowTitle().toStdString(), "Trim and Archive Exercise Database");
    EXPECT_TRUE(dlg.Choice(kCutYearStart)->isChecked());
    EXPECT_FALSE(dlg.Calendar()->isEnabled());
    EXPECT_EQ(dlg.Cut(), LocalMidnight(2024, 1, 1));
    const QString info = dlg.InfoPane()->toPlainText();
    EXPECT_EQ(info.toStdString(), ArchiveInfoText(LocalMidnight(2024, 1, 1)).text);
    EXPECT_EQ(StyleAt(dlg.InfoPane(), static_cast<int>(info.indexOf(QStringLiteral("Clicking")))), "bold italic #008000");
    EXPECT_EQ(StyleAt(dlg.InfoPane(), static_cast<int>(info.indexOf(QStringLiteral("January")))), "bold italic #dc0000");
    EXPECT_EQ(StyleAt(dlg.InfoPane(), static_cast<int>(info.indexOf(QStringLiteral("Records prior")))), "#0000ff");
    Grab(&dlg, "archive-dlg.png");

    const std::pair<int, Time64> choices[] = {{kCutWeekStart, LocalMidnight(2024, 3, 3)},  {kCutWeekAgo, LocalMidnight(2024, 2, 27)},
                                              {kCutMonthStart, LocalMidnight(2024, 3, 1)}, {kCutMonthAgo, LocalMidnight(2024, 2, 4)},
                                              {kCutYearAgo, LocalMidnight(2023, 3, 5)},    {kCutYearStart, LocalMidnight(2024, 1, 1)}};
    for (const auto& [choice, cut] : choices) {
        QTest::mouseClick(dlg.Choice(choice), Qt::LeftButton);
        EXPECT_EQ(FormatTime(dlg.Cut(), "%F %R"), FormatTime(cut, "%F %R")) << choice;
        EXPECT_TRUE(dlg.InfoPane()->toPlainText().contains(QString::fromStdString(FormatTime(cut, "prior to %B %d, %Y."))));
    }

    // The calendar choice keeps the cut until a day is picked; then the picked day counts.
    QTest::mouseClick(dlg.Choice(kCutChosenDay), Qt::LeftButton);
    EXPECT_TRUE(dlg.Calendar()->isEnabled());
    EXPECT_EQ(dlg.Calendar()->palette().color(QPalette::Base), QColor(250, 250, 192));
    EXPECT_EQ(dlg.Cut(), LocalMidnight(2024, 1, 1));
    Grab(&dlg, "archive-dlg-calendar.png");
    dlg.Calendar()->setFocus();
    test::PressKey(Qt::Key_Up);  // a week back from today's selection
    EXPECT_EQ(dlg.Cut(), LocalMidnight(2024, 2, 27));
    EXPECT_TRUE(dlg.InfoPane()->toPlainText().contains(QStringLiteral("prior to February 27, 2024.")));
    QTest::mouseClick(dlg.Choice(kCutMonthStart), Qt::LeftButton);
    EXPECT_FALSE(dlg.Calendar()->isEnabled());
    EXPECT_EQ(dlg.Calendar()->palette().color(QPalette::Base), QColor(255, 255, 255));

    // OK: No keeps the dialog open, Yes closes it.
    auto* ok = dlg.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    prompter.answers = {false, true};
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_TRUE(dlg.isVisible());
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(prompter.questions, std::vector<std::string>(2, ArchiveConfirmQuestion(LocalMidnight(2024, 3, 1))));
}

class ReportDlgTest : public ::testing::Test {
protected:
    ReportDlgTest() {
        for (const char* name : {"ExerciseData.edb", "ExerciseData_Ending_12-31-23.edb", "ExerciseData_Ending_12-31-22.edb"}) {
            test::WriteAll(dir / name, "1\r\n");
        }
    }
    test::TempDir dir;
    test::FixedClock clock{kNow};
};

TEST_F(ReportDlgTest, AutomaticReportCountsDownAndClosesItselfUnlessUnticked) {
    CArchiveReportDlg dlg(CArchiveReportDlg::Mode::Automatic, LocalMidnight(2024, 1, 1), dir.path().string(), "1 1", clock);
    ASSERT_TRUE(test::ShowActive(&dlg));
    EXPECT_TRUE(dlg.windowTitle().isEmpty());
    EXPECT_FALSE(dlg.YesButton()->isVisible());
    EXPECT_EQ(dlg.CloseButton()->text().toStdString(), "Close (Esc)");
    EXPECT_EQ(dlg.CheckBox()->text().toStdString(), "Window will close in 20 seconds.");
    EXPECT_TRUE(dlg.CheckBox()->isChecked());
    const QString report = dlg.ReportPane()->toPlainText();
    EXPECT_EQ(report.toStdString(), AutoArchiveReport(LocalMidnight(2024, 1, 1), ListArchiveFiles(dir.path())).text);
    EXPECT_TRUE(report.contains(
        QStringLiteral("There are also 1 other previously archived exercise record sets:\nExerciseData_Ending_12-31-22.edb")));
    EXPECT_EQ(StyleAt(dlg.ReportPane(), static_cast<int>(report.indexOf(QStringLiteral("ExerciseData_Ending_12-31-23")))), "bold #a00000");
    Grab(&dlg, "archive-report-auto.png");

    // The tick timer shows what the clock says is left.
    clock.now += 1;
    QTest::qWait(1200);
    EXPECT_EQ(dlg.CheckBox()->text().toStdString(), "Window will close in 19 seconds");
    clock.now += 14;
    QTest::qWait(1000);
    EXPECT_EQ(dlg.CheckBox()->text().toStdString(), "Window will close in 05 seconds");

    // Unticking stops the countdown; the caption stays. Ticking again starts 20 new seconds.
    QTest::mouseClick(dlg.CheckBox(), Qt::LeftButton, {}, QPoint(8, dlg.CheckBox()->height() / 2));
    EXPECT_FALSE(dlg.CheckBox()->isChecked());
    EXPECT_FALSE(dlg.CountdownRunning());
    auto* closeTimer = dlg.findChild<QTimer*>(QStringLiteral("closeTimer"));
    EXPECT_FALSE(closeTimer->isActive());
    clock.now += 10;
    QTest::qWait(1100);
    EXPECT_EQ(dlg.CheckBox()->text().toStdString(), "Window will close in 05 seconds");
    EXPECT_TRUE(dlg.isVisible());
    QTest::mouseClick(dlg.CheckBox(), Qt::LeftButton, {}, QPoint(8, dlg.CheckBox()->height() / 2));
    EXPECT_TRUE(dlg.CountdownRunning());
    EXPECT_GT(closeTimer->remainingTime(), 19000);
    QTest::qWait(1100);
    EXPECT_EQ(dlg.CheckBox()->text().toStdString(), "Window will close in 20 seconds");

    // When the close timer fires while the countdown runs, the report goes by itself.
    closeTimer->start(10);
    QTRY_VERIFY(!dlg.isVisible());
}

TEST_F(ReportDlgTest, RecombineQuestionTurnsTheYearlyArchiveOffUnlessTicked) {
    struct Case {
        const char* setting;
        bool tick;
        bool yes;
        const char* caption;
        const char* after;
        QDialog::DialogCode result;
    };
    const Case cases[] = {
        {"3 15", false, true, "Automatically trim database && archive older records on March 15.", "0 0", QDialog::Accepted},
        {"3 15", true, true, "Automatically trim database && archive older records on March 15.", "3 15", QDialog::Accepted},
        {"3 15", false, false, "Automatically trim database && archive older records on March 15.", "3 15", QDialog::Rejected},
        {"0 0", true, true, "Automatically Trim the database and archive older records.", "0 0", QDialog::Accepted},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setting);
        CArchiveReportDlg dlg(CArchiveReportDlg::Mode::Confirmation, 0, dir.path().string(), c.setting, clock);
        ASSERT_TRUE(test::ShowActive(&dlg));
        EXPECT_EQ(dlg.CheckBox()->text().toStdString(), c.caption);
        EXPECT_FALSE(dlg.CheckBox()->isChecked());
        EXPECT_TRUE(dlg.YesButton()->isVisible());
        EXPECT_EQ(dlg.CloseButton()->text().toStdString(), "No");
        EXPECT_EQ(dlg.ReportPane()->toPlainText().toStdString(), RecombineQuestion().text);
        EXPECT_FALSE(dlg.CountdownRunning());
        if (c.setting == std::string("3 15") && c.yes && !c.tick) Grab(&dlg, "archive-report-recombine.png");
        if (c.tick) QTest::mouseClick(dlg.CheckBox(), Qt::LeftButton, {}, QPoint(8, dlg.CheckBox()->height() / 2));
        QTest::mouseClick(c.yes ? dlg.YesButton() : dlg.CloseButton(), Qt::LeftButton);
        EXPECT_EQ(dlg.result(), c.result);
        EXPECT_EQ(dlg.AutoArchiveSetting(), c.after);
    }
}

TEST(QtTrash, MovesToTheHomeTrashEvenWhenItsDataFolderIsMissing) {
    test::UiHome home;
    unsetenv("XDG_DATA_HOME");
    std::filesystem::remove_all(home.home() / ".local");
    const QString cwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(home.home().string())));
    test::WriteAll(home.home() / "old.edb", "x");
    ui::QtTrash trash;
    FileError error;
    EXPECT_TRUE(trash.MoveToTrash(home.home() / "old.edb", error)) << error.message;
    QDir::setCurrent(cwd);
    EXPECT_FALSE(std::filesystem::exists(home.home() / "old.edb"));
    EXPECT_EQ(test::ReadAll(home.home() / ".local/share/Trash/files/old.edb"), "x");
    EXPECT_FALSE(std::filesystem::exists(home.home() / "Trash"));

    EXPECT_FALSE(trash.MoveToTrash(home.home() / "missing.edb", error));
    EXPECT_NE(error.code, 0);
}

// The Database menu as a user works it: trim with Ctrl+A, view all, recombine.
TEST(ArchiveCommands, TrimViewAllAndRecombineFromTheDatabaseMenu) {
    test::UiHome home;
    test::ScopedClock now(kNow);
    test::WriteDatabase(home.DataFolder(), {Rec(2023, 6, 1), Rec(2023, 12, 31), Rec(2024, 1, 1), Rec(2024, 3, 4)});
    auto frame = test::StartMainFrame();
    ASSERT_TRUE(frame);
    ASSERT_TRUE(test::ShowActive(frame.get()));
    CKT2Doc& doc = frame->Doc();

    home.prompter.answers = {true};
    bool sawDialog = false;
    test::OnNextModal([&](QWidget* modal) {
        auto* dlg = qobject_cast<CArchiveDlg*>(modal);
        sawDialog = dlg != nullptr;
        if (dlg) QTest::mouseClick(dlg->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    test::PressKey(Qt::Key_A, Qt::ControlModifier);
    ASSERT_TRUE(sawDialog);
    EXPECT_EQ(doc.m_arRecords.size(), 2u);
    EXPECT_TRUE(std::filesystem::exists(home.DataFolder() / "ExerciseData_Ending_12-31-23.edb"));
    EXPECT_TRUE(std::filesystem::exists(home.DataFolder() / "ExerciseData_backup_03-05-24.edb"));
    EXPECT_TRUE(frame->Settings().m_bSettingsChanged);

    QAction* viewAll = frame->Action(cmd::kViewAll);
    viewAll->trigger();
    EXPECT_TRUE(doc.m_bAllData);
    EXPECT_EQ(doc.m_arRecords.size(), 4u);
    EXPECT_EQ(viewAll->text().toStdString(), "View Active Database");
    viewAll->trigger();
    EXPECT_FALSE(doc.m_bAllData);
    EXPECT_EQ(viewAll->text().toStdString(), "View All Exercise Data");

    test::OnNextModal([](QWidget* modal) {
        if (auto* dlg = qobject_cast<CArchiveReportDlg*>(modal)) QTest::mouseClick(dlg->YesButton(), Qt::LeftButton);
    });
    frame->Action(cmd::kRecombine)->trigger();
    EXPECT_EQ(doc.m_arRecords.size(), 4u);
    EXPECT_EQ(viewAll->text().toStdString(), "View Active Database");
    EXPECT_EQ(ListDatabaseFiles(home.DataFolder()), std::vector<std::string>{"ExerciseData.edb"});
    EXPECT_TRUE(std::filesystem::exists(home.home() / ".local/share/Trash/files/ExerciseData_Ending_12-31-23.edb"));
    EXPECT_EQ(frame->Settings().m_strAutoArchive, "0 0");
    frame->close();
}

TEST(ArchiveCommands, YearlyArchiveReportsAtStartUp) {
    test::UiHome home;
    test::ScopedClock now(LocalMidnight(2024, 2, 1) + 9 * 3600);
    test::WriteDatabase(home.DataFolder(), {Rec(2023, 12, 31), Rec(2024, 1, 15)});
    {
        FileSettingsStore store(FileSettingsStore::DefaultPath());
        Settings settings;
        settings.m_strAutoArchive = "1 1";
        CKT2Doc doc;
        SaveSettings(store, home.DataFolder(), settings, doc);
    }
    std::string report;
    test::OnNextModal([&](QWidget* modal) {
        auto* dlg = qobject_cast<CArchiveReportDlg*>(modal);
        if (!dlg) return;
        report = dlg->ReportPane()->toPlainText().toStdString();
        QTest::keyClick(dlg, Qt::Key_Escape);
    });
    auto frame = test::StartMainFrame();
    ASSERT_TRUE(frame);
    EXPECT_EQ(report.rfind("The exercise database has been trimmed to include only those records occurring from January 01, 2024", 0), 0u);
    EXPECT_EQ(frame->Doc().m_arRecords.size(), 1u);
    EXPECT_EQ(frame->windowTitle().toStdString(), "Kinetrax 2: Records starting January 15, 2024 - KT2");
    frame->close();
}

}  // namespace
}  // namespace kt
