// The exercise chart and the summaries under it, on a small database in the data folder: the bars
// shown, the averaging combo, double-clicks on the plot and its axes, and the weight toggle.
#include <algorithm>

#include "ui/Scenario.h"
#include "ui/widgets/ChartCtrl.h"
#include "ui/widgets/ColoredStatusBarCtrl.h"

namespace kt {
namespace {

double Day(int year, int month, int day) { return static_cast<double>(OleDayNumber(LocalMidnight(year, month, day))); }

// "Now" is Wednesday 13 January 2016.
struct ChartView : ::testing::Test, test::Program {
    void StartOn(const std::vector<CEventRecord>& records) {
        ASSERT_TRUE(Start(records));
        view = frame->DataView();
        chart = view->Chart();
    }
    void StartOnFive() {
        StartOn({CEventRecord(LocalMidnight(2015, 12, 20), "Golf, general", "Course", 30, "Club", 100, 81, 1, ""),
                 CEventRecord(LocalMidnight(2016, 1, 9), "Golf, general", "Range", 20, "Club", 100, 80.5, 1, ""),
                 CEventRecord(LocalMidnight(2016, 1, 10), "Swimming butterfly", "Laps", 30, "Pool", 100, 80, 1, ""),
                 CEventRecord(LocalMidnight(2016, 1, 10), "Golf, general", "Range", 45, "Club", 100, 79.5, 1, ""),
                 CEventRecord(LocalMidnight(2016, 1, 12), "Golf, general", "Course", 60, "Club", 100, 0, 1, "")});
    }
    void ChoosePeriod(QComboBox* combo, Qt::Key key) {
        combo->setFocus();
        QTest::keyClick(combo, key);
    }
    // Double-click on the plot at pixel column `pixelX`, halfway down; what the day heading says then.
    std::string DoubleClickAt(int pixelX) {
        QWidget* plot = chart->PlotWidget();
        QTest::mouseDClick(plot, Qt::LeftButton, Qt::NoModifier, QPoint(pixelX, plot->height() / 2));
        return test::Text(view->DayHeading()->text());
    }
    std::string DayPane() const { return test::Text(frame->StatusBarCtrl()->PaneText(1)); }

    ui::CDataView* view = nullptr;
    ui::CChartCtrl* chart = nullptr;
};

TEST_F(ChartView, BarsAreTheDayTotalsOfThePeriodShownAndCtrlWTogglesTheWeight) {
    StartOnFive();
    // First run: "The last month", back to 13 December.
    EXPECT_EQ(chart->ExercisePoints(),
              (std::vector<ChartPoint>{{Day(2015, 12, 20), 30}, {Day(2016, 1, 9), 20}, {Day(2016, 1, 10), 75}, {Day(2016, 1, 12), 60}}));
    EXPECT_EQ(chart->MinutesAxisMax(), 105.0);
    // One weight bar per day from its last record; the day whose record has no weight has none.
    test::PressKey(Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(view->State().showWeight && chart->WeightVisible());
    EXPECT_EQ(chart->WeightPoints(), (std::vector<ChartPoint>{{Day(2015, 12, 20), 81}, {Day(2016, 1, 9), 80.5}, {Day(2016, 1, 10), 79.5}}));
    test::PressKey(Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(view->State().showWeight || chart->WeightVisible());
    EXPECT_TRUE(chart->WeightPoints().empty());

    // This week started on Sunday the 10th: Saturday's record is left out. A capture adds to its
    // day's bar at once.
    ChoosePeriod(Bar<QComboBox>("graphPeriod"), Qt::Key_Home);
    test::CaptureOneRow(view->GridCtrl(), "Golf, general", "Putting", "40");
    EXPECT_EQ(chart->ExercisePoints(), (std::vector<ChartPoint>{{Day(2016, 1, 10), 75}, {Day(2016, 1, 12), 60}, {Day(2016, 1, 13), 40}}));
}

TEST_F(ChartView, AveragingComboRewritesTheAveragesAndDoubleClicksPickTheDay) {
    StartOnFive();
    QComboBox* combo = view->AveragingCombo();
    const auto averages = [this] { return test::Text(view->AveragesPane()->toPlainText()); };
    const char* database = "Summary: 5 events, 23 days, average of 8.0 minutes & 21.7 calories per day";
    frame->StatusBarCtrl()->SetPaneText(2, QString(), QColor(0, 0, 0));
    ChoosePeriod(combo, Qt::Key_Down);
    EXPECT_EQ(view->State().averagingPeriod, 1);
    EXPECT_EQ(averages().rfind("Average of: 22.14 minutes", 0), 0u) << averages();
    EXPECT_NE(averages().find("per day for last 7 days beginning January 05."), std::string::npos) << averages();
    EXPECT_EQ(test::Text(frame->StatusBarCtrl()->PaneText(2)), database);
    // The day summary follows the newest record's day, not today.
    EXPECT_EQ(test::Text(view->DayHeading()->text()), "Execise information for: Tuesday January 12, 2016");
    ChoosePeriod(combo, Qt::Key_End);
    EXPECT_NE(averages().find("per day of exercise from the beginning."), std::string::npos) << averages();
    EXPECT_EQ(frame.Settings().m_nAveragingPeriod, 0);  // this run only

    EXPECT_EQ(DoubleClickAt(chart->XPixelOf(Day(2016, 1, 10))), "Execise information for: Sunday January 10, 2016");
    EXPECT_EQ(DayPane(), "Today: 2 activities, 75.00 minutes, 200.0 calories");
    EXPECT_TRUE(view->DaySummaryPane()->toPlainText().startsWith(QStringLiteral("Activity Summary for Sunday January 10, 2016:")));
    DoubleClickAt(chart->XPixelOf(Day(2015, 12, 20) - 0.4));  // a little off the bar's middle
    EXPECT_EQ(DayPane(), "Today: 1 activity, 30.00 minutes, 100.0 calories");
    EXPECT_EQ(DoubleClickAt(chart->XPixelOf(Day(2016, 1, 5))), "Execise information for: Tuesday January 05, 2016");
    EXPECT_EQ(DayPane(), "Today: 0 activities, 0.00 minutes, 0.0 calories");
    EXPECT_EQ(view->State().entryDate, LocalMidnight(2016, 1, 13));  // the entry date stays
    EXPECT_TRUE(home.prompter.messages.empty());
    // Left of the plot area: the minutes axis with its tick labels. A single click does nothing.
    DoubleClickAt(chart->XPixelOf(chart->DateAxisMin() - 0.5) - 12);
    EXPECT_EQ(home.prompter.messages, std::vector<std::string>{"Some Axis clicked"});
    QWidget* plot = chart->PlotWidget();
    QTest::mouseClick(plot, Qt::LeftButton, Qt::NoModifier, QPoint(chart->XPixelOf(Day(2016, 1, 10)), plot->height() / 2));
    EXPECT_EQ(test::Text(view->DayHeading()->text()), "Execise information for: Tuesday January 05, 2016");
}

// Six years of daily records on a chart a thousand pixels wide: one bar per pixel column.
TEST_F(ChartView, FromTheBeginningDrawsOneBarPerColumnAndADoubleClickFindsItsDay) {
    std::vector<CEventRecord> records;
    for (Time64 day = LocalMidnight(2010, 1, 1); day < LocalMidnight(2016, 1, 13);
         day = LocalMidnight(2010, 1, 1 + static_cast<int>(records.size())))
        records.emplace_back(day, "Golf, general", "Course", day == LocalMidnight(2013, 6, 4) ? 200 : 20, "Club", 100, 80, 1, "");
    StartOn(records);
    ChoosePeriod(Bar<QComboBox>("graphPeriod"), Qt::Key_End);
    const std::vector<ChartPoint> bars = chart->ExercisePoints();
    ASSERT_GT(chart->PlotPixels(), 100);
    EXPECT_LE(bars.size(), static_cast<size_t>(chart->PlotPixels()));
    EXPECT_GT(bars.size(), static_cast<size_t>(chart->PlotPixels()) / 2);
    // The axis is scaled to the tallest day, which keeps its own bar; three pixels beside its
    // middle lie on other days, but on that bar.
    EXPECT_EQ(chart->MinutesAxisMax(), 230.0);
    EXPECT_NE(std::find(bars.begin(), bars.end(), ChartPoint{Day(2013, 6, 4), 200}), bars.end());
    EXPECT_EQ(DoubleClickAt(chart->XPixelOf(Day(2013, 6, 4)) + 3), "Execise information for: Tuesday June 04, 2013");
    // A narrower window has fewer columns, and the chart follows.
    frame->resize(frame->width() / 2, frame->height());
    QTest::qWait(50);
    EXPECT_LT(chart->ExercisePoints().size(), bars.size());
    EXPECT_LE(chart->ExercisePoints().size(), static_cast<size_t>(chart->PlotPixels()));
}

}  // namespace
}  // namespace kt
