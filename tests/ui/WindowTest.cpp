// The window as a whole: what one run remembers of the window for the next, and the journal's
// changes reaching every view, down to a small laptop's status bar.
#include "ui/Scenario.h"
#include "ui/widgets/ChartCtrl.h"
#include "ui/widgets/ColoredStatusBarCtrl.h"

namespace kt {
namespace {

double Day(int year, int month, int day) { return static_cast<double>(OleDayNumber(LocalMidnight(year, month, day))); }

CEventRecord Golf(int day, double minutes, const char* description = "Range") {
    return CEventRecord(LocalMidnight(2016, 1, day), "Golf, general", description, minutes, "Club", 100, 80, 1, "");
}

struct Window : ::testing::Test, test::Program {};

TEST(WindowNextRun, PlaceSizeMaximizedStateAveragingPeriodAndWeightGraphComeBack) {
    test::UiHome home;
    test::ScopedClock now(test::Wednesday());
    const QRect placed(40, 30, 700, 500);
    for (const bool first : {true, false}) {
        auto frame = test::StartMainFrame("80");
        ASSERT_TRUE(frame);
        frame->ShowAsLeft();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        if (first) {
            frame->setGeometry(placed);
            QTest::qWait(20);
            QComboBox* combo = frame->DataView()->AveragingCombo();
            combo->setFocus();
            QTest::keyClick(combo, Qt::Key_End);
            frame->Action(cmd::kWeightGraphMenu)->trigger();
            frame->showMaximized();
            QTest::qWait(20);
        } else {
            EXPECT_TRUE(frame->isMaximized());
            EXPECT_EQ(frame->normalGeometry(), placed);
            EXPECT_EQ(frame->DataView()->AveragingCombo()->currentIndex(), 9);
            EXPECT_TRUE(frame->DataView()->Chart()->WeightVisible());
            EXPECT_FALSE(frame.Settings().m_bMonitorWeight);  // the stored default stays
        }
        frame->close();
    }
}

// The journal's own operations, with no view told by hand: chart, summaries and both status
// panes follow.
TEST_F(Window, AChangeThroughTheDocumentReachesChartSummariesAndStatusPanes) {
    ASSERT_TRUE(Start({Golf(11, 30), Golf(12, 45)}));
    ui::CChartCtrl* chart = View()->Chart();
    ui::CColoredStatusBarCtrl* status = frame->StatusBarCtrl();
    EXPECT_EQ(Text(status->PaneText(2)), "Summary: 2 events, 1 days, average of 75.0 minutes & 200.0 calories per day");

    frame.Doc().AddRecord(Golf(13, 90, "Course"));
    EXPECT_EQ(chart->ExercisePoints().back(), (ChartPoint{Day(2016, 1, 13), 90}));
    EXPECT_EQ(Text(status->PaneText(2)), "Summary: 3 events, 2 days, average of 82.5 minutes & 150.0 calories per day");
    EXPECT_EQ(Text(status->PaneText(1)), "Today: 1 activity, 90.00 minutes, 100.0 calories");
    // On a small laptop screen the idle prompt pane gives way, so both sentences show whole.
    frame->resize(1024, 640);
    QApplication::processEvents();
    EXPECT_TRUE(status->ShowsWholeText(1) && status->ShowsWholeText(2)) << status->width();

    frame.Doc().ReplaceRecord(2, Golf(13, 20, "Course"));
    EXPECT_EQ(Text(status->PaneText(1)), "Today: 1 activity, 20.00 minutes, 100.0 calories");
    frame.Doc().DeleteRecord(2);
    frame.Doc().ChangeDate(0, LocalMidnight(2016, 1, 12));
    EXPECT_EQ(chart->ExercisePoints(), (std::vector<ChartPoint>{{Day(2016, 1, 12), 75}}));
    EXPECT_EQ(Text(status->PaneText(1)), "Today: 2 activities, 75.00 minutes, 200.0 calories");
    // Both records on one day: this week's average has no days to divide by.
    EXPECT_EQ(Text(View()->AveragesPane()->toPlainText()), "Error calculating average duration.");
}

}  // namespace
}  // namespace kt
