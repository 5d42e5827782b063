#include <QCalendarWidget>
#include <QDir>
#include <QRadioButton>
#include <cstdlib>

#include "core/journal/Archive.h"
#include "core/settings/FileSettingsStore.h"
#include "core/settings/SettingsPersistence.h"
#include "ui/Scenario.h"
#include "ui/journal/ArchiveDlg.h"
#include "ui/journal/ArchiveReportDlg.h"

namespace kt {
namespace {

using ui::CArchiveDlg;
using ui::CArchiveReportDlg;

const Time64 kNow = LocalMidnight(2024, 3, 5) + 15 * 3600;  // Tuesday, March 5, 2024, 15:00

CEventRecord Rec(int y, int m, int d) { return CEventRecord(LocalMidnight(y, m, d), "Golf", "nine holes", 60, "Club", 300, 80, 1, ""); }

void ClickBox(QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2)); }

TEST(ArchiveReportDlg, AutomaticReportCountsDownAndClosesItselfUnlessUnticked) {
    test::TempDir dir;
    for (const char* name : {"ExerciseData.edb", "ExerciseData_Ending_12-31-23.edb"}) test::WriteAll(dir / name, "1\r\n");
    test::FixedClock clock(kNow);
    CArchiveReportDlg dlg(CArchiveReportDlg::Mode::Automatic, LocalMidnight(2024, 1, 1), dir.path().string(), "1 1", clock);
    ASSERT_TRUE(test::ShowActive(&dlg));
    // The tick shows what the clock says is left; unticking stops it, ticking starts 20 new seconds.
    clock.now += 15;
    QTest::qWait(1200);
    EXPECT_EQ(dlg.CheckBox()->text().toStdString(), "Window will close in 05 seconds");
    ClickBox(dlg.CheckBox());
    auto* closeTimer = dlg.findChild<QTimer*>(QStringLiteral("closeTimer"));
    EXPECT_FALSE(dlg.CountdownRunning() || closeTimer->isActive());
    ClickBox(dlg.CheckBox());
    EXPECT_GT(closeTimer->remainingTime(), 19000);
    QTest::qWait(1100);
    EXPECT_EQ(dlg.CheckBox()->text().toStdString(), "Window will close in 20 seconds");
    closeTimer->start(10);  // the close timer's time has come
    QTRY_VERIFY(!dlg.isVisible());
}

// The Database menu as a user works it: trim with Ctrl+A, view all and back, recombine into the
// trash.
TEST(ArchiveCommands, TrimViewAllAndRecombineFromTheDatabaseMenu) {
    test::UiHome home;
    test::ScopedClock now(kNow);
    test::WriteDatabase(home.DataFolder(), {Rec(2023, 6, 1), Rec(2023, 12, 31), Rec(2024, 1, 1), Rec(2024, 3, 4)});
    auto frame = test::StartMainFrame();
    ASSERT_TRUE(frame && test::ShowActive(frame.get()));
    // The calendar's day is the cut; OK asks first: No keeps the dialog open, Yes trims.
    home.prompter.answers = {false, true};
    bool kept = false;
    test::OnNextDialog<CArchiveDlg>([&](CArchiveDlg* dlg) {
        QTest::mouseClick(dlg->Choice(kCutChosenDay), Qt::LeftButton);
        dlg->Calendar()->setSelectedDate(QDate(2024, 2, 27));  // as a click on the day
        QTest::mouseClick(test::OkButton(dlg), Qt::LeftButton);
        kept = dlg->isVisible();
        QTest::mouseClick(test::OkButton(dlg), Qt::LeftButton);
    });
    test::PressKey(Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(kept);
    EXPECT_EQ(home.prompter.questions, std::vector<std::string>(2, ArchiveConfirmQuestion(LocalMidnight(2024, 2, 27))));
    EXPECT_EQ(frame.Doc().Records().size(), 1u);
    EXPECT_EQ(ListArchiveFiles(home.DataFolder()), std::vector<std::string>{"ExerciseData_Ending_02-26-24.edb"});
    EXPECT_TRUE(std::filesystem::exists(home.DataFolder() / "ExerciseData_backup_03-05-24.edb"));

    QAction* viewAll = frame->Action(cmd::kViewAll);
    const auto shown = [&] { return Format("%zu %s", frame.Doc().Records().size(), viewAll->text().toStdString().c_str()); };
    viewAll->trigger();
    EXPECT_EQ(shown(), "4 View Active Database");
    viewAll->trigger();
    EXPECT_EQ(shown(), "1 View All Exercise Data");
    test::OnNextDialog<CArchiveReportDlg>([](CArchiveReportDlg* dlg) { QTest::mouseClick(dlg->YesButton(), Qt::LeftButton); });
    // The files go to the home's trash, even when its data folder is missing.
    unsetenv("XDG_DATA_HOME");
    std::filesystem::remove_all(home.home() / ".local");
    const QString cwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(home.home().string())));
    frame->Action(cmd::kRecombine)->trigger();
    QDir::setCurrent(cwd);
    EXPECT_FALSE(std::filesystem::exists(home.home() / "Trash"));
    EXPECT_EQ(shown(), "4 View Active Database");
    EXPECT_EQ(ListDatabaseFiles(home.DataFolder()), std::vector<std::string>{"ExerciseData.edb"});
    EXPECT_TRUE(std::filesystem::exists(home.home() / ".local/share/Trash/files/ExerciseData_Ending_02-26-24.edb"));
    EXPECT_EQ(frame.Settings().m_strAutoArchive, "0 0");
    frame->close();
}

TEST(ArchiveCommands, YearlyArchiveReportsAtStartUp) {
    test::UiHome home;
    test::ScopedClock now(LocalMidnight(2024, 2, 1) + 9 * 3600);
    test::WriteDatabase(home.DataFolder(), {Rec(2023, 12, 31), Rec(2024, 1, 15)});
    Settings settings;
    settings.m_strAutoArchive = "1 1";
    FileSettingsStore store(FileSettingsStore::DefaultPath());
    SaveSettings(store, home.DataFolder(), settings, CKT2Doc());
    QString report;
    test::OnNextModal([&](QWidget* modal) {
        if (auto* dlg = qobject_cast<CArchiveReportDlg*>(modal))
            report = dlg->ReportPane()->toPlainText(), QTest::keyClick(dlg, Qt::Key_Escape);
    });
    auto frame = test::StartMainFrame();
    ASSERT_TRUE(frame);
    EXPECT_TRUE(frame.Settings().m_bSettingsChanged);
    EXPECT_TRUE(report.startsWith(QStringLiteral("The exercise database has been trimmed to include only those records occurring from")));
    EXPECT_EQ(frame->windowTitle().toStdString(), "Kinetrax 2: Records starting January 15, 2024[*] - KT2");
    frame->close();
}

}  // namespace
}  // namespace kt
