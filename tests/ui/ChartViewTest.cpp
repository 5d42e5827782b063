// The exercise chart and the summaries under it, on a small database in the data folder: the bars
// shown, the averaging combo, double-clicks on the plot and its axes, and the weight toggle.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>
#include <algorithm>

#include "core/base/LocalTime.h"
#include "ui/app/KTToolBar.h"
#include "ui/app/MainFrame.h"
#include "ui/support/UiTestSupport.h"
#include "ui/views/DataView.h"
#include "ui/widgets/ChartCtrl.h"
#include "ui/widgets/ColoredStatusBarCtrl.h"

namespace kt {
namespace {

double Day(int year, int month, int day) { return static_cast<double>(OleDayNumber(LocalMidnight(year, month, day))); }

// "Now" is Wednesday 13 January 2016; the records reach back to December.
class ChartView : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteDatabase(home.DataFolder(),
                            {CEventRecord(LocalMidnight(2015, 12, 20), "Golf, general", "Course", 30, "Club", 100, 81, 1, ""),
                             CEventRecord(LocalMidnight(2016, 1, 9), "Golf, general", "Range", 20, "Club", 100, 80.5, 1, ""),
                             CEventRecord(LocalMidnight(2016, 1, 10), "Swimming butterfly", "Laps", 30, "Pool", 100, 80, 1, ""),
                             CEventRecord(LocalMidnight(2016, 1, 10), "Golf, general", "Range", 45, "Club", 100, 79.5, 1, ""),
                             CEventRecord(LocalMidnight(2016, 1, 12), "Golf, general", "Course", 60, "Club", 100, 0, 1, "")});
        frame = test::StartMainFrame("80");
        ASSERT_TRUE(frame);
        ASSERT_TRUE(test::ShowActive(frame.get()));
        view = frame->DataView();
        chart = view->Chart();
    }

    // Double-click on the plot widget at pixel column `pixelX`, halfway down.
    void DoubleClickAt(int pixelX) {
        QWidget* plot = chart->PlotWidget();
        QTest::mouseDClick(plot, Qt::LeftButton, Qt::NoModifier, QPoint(pixelX, plot->height() / 2));
    }

    test::UiHome home;
    test::ScopedClock now{MakeLocalTime(2016, 1, 13, 12, 0, 0)};
    test::App frame;
    ui::CDataView* view = nullptr;
    ui::CChartCtrl* chart = nullptr;
};

TEST_F(ChartView, BarsAreTheDayTotalsOfThePeriodShown) {
    // First run: "The last month", back to 13 December.
    EXPECT_EQ(chart->ExercisePoints(),
              (std::vector<ChartPoint>{{Day(2015, 12, 20), 30}, {Day(2016, 1, 9), 20}, {Day(2016, 1, 10), 75}, {Day(2016, 1, 12), 60}}));
    EXPECT_EQ(chart->MinutesAxisMax(), 105.0);
    EXPECT_FALSE(chart->WeightVisible());
    EXPECT_TRUE(chart->WeightPoints().empty());

    // This week started on Sunday the 10th: Saturday's record is left out.
    QComboBox* period = test::Child<QComboBox>(frame->ToolBar(), "graphPeriod");
    period->setFocus();
    QTest::keyClick(period, Qt::Key_Home);
    EXPECT_EQ(chart->ExercisePoints(), (std::vector<ChartPoint>{{Day(2016, 1, 10), 75}, {Day(2016, 1, 12), 60}}));

    // A capture adds to its day's bar at once.
    test::TypeIntoCell(view->GridCtrl(), 1, 0, QStringLiteral("Golf, general"));
    test::TypeIntoCell(view->GridCtrl(), 1, 1, QStringLiteral("Putting"));
    test::TypeIntoCell(view->GridCtrl(), 1, 2, QStringLiteral("40"));
    test::PressKey(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(chart->ExercisePoints(), (std::vector<ChartPoint>{{Day(2016, 1, 10), 75}, {Day(2016, 1, 12), 60}, {Day(2016, 1, 13), 40}}));
}

TEST_F(ChartView, AveragingComboRewritesTheAveragesAndTheDatabaseLine) {
    QComboBox* combo = view->AveragingCombo();
    const auto averages = [this] { return view->AveragesPane()->toPlainText(); };
    const char* database = "Summary: 5 events, 23 days, average of 8.0 minutes & 21.7 calories per day";
    // First run averages over this week: Sunday 10 to Tuesday 12, the newest record's day.
    ASSERT_EQ(combo->currentIndex(), 0);
    EXPECT_TRUE(
        averages().startsWith(QStringLiteral("Average of: 45.00 minutes (0.750 hrs or 0:45 H:M - 2.250 Total Hours/3 Days) & "
                                             "100.00 calories (300.000 total calories over 3 days and 3 exercise events) "
                                             "per day for the week of January 10.")))
        << test::Text(averages());
    EXPECT_EQ(test::Text(frame->StatusBarCtrl()->PaneText(2)), database);

    frame->StatusBarCtrl()->SetPaneText(2, QString(), QColor(0, 0, 0));
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(view->State().averagingPeriod, 1);
    EXPECT_TRUE(averages().startsWith(QStringLiteral("Average of: 22.14 minutes")));
    EXPECT_TRUE(averages().contains(QStringLiteral("over 7 days and 4 exercise events) per day for last 7 days beginning January 05.")))
        << test::Text(averages());
    EXPECT_EQ(test::Text(frame->StatusBarCtrl()->PaneText(2)), database);
    EXPECT_EQ(frame->StatusBarCtrl()->PaneColor(2), QColor(220, 0, 0));
    // The day summary follows the newest record's day, not today.
    EXPECT_EQ(test::Text(view->DayHeading()->text()), "Execise information for: Tuesday January 12, 2016");

    QTest::keyClick(combo, Qt::Key_End);
    EXPECT_EQ(view->State().averagingPeriod, 9);
    EXPECT_TRUE(averages().startsWith(QStringLiteral("Average of: 46.25 minutes"))) << test::Text(averages());
    EXPECT_TRUE(averages().contains(QStringLiteral("per day of exercise from the beginning.")));
    // The combo changes this run only.
    EXPECT_EQ(frame.Settings().m_nAveragingPeriod, 0);
}

TEST_F(ChartView, DoubleClickOnADayShowsItsSummaryAndOnTheLeftAxisSaysSo) {
    DoubleClickAt(chart->XPixelOf(Day(2016, 1, 10)));
    EXPECT_EQ(test::Text(view->DayHeading()->text()), "Execise information for: Sunday January 10, 2016");
    EXPECT_EQ(test::Text(frame->StatusBarCtrl()->PaneText(1)), "Today: 2 activities, 75.00 minutes, 200.0 calories");
    EXPECT_TRUE(view->DaySummaryPane()->toPlainText().startsWith(QStringLiteral("Activity Summary for Sunday January 10, 2016:")));
    // A little off the bar's middle still names its day.
    DoubleClickAt(chart->XPixelOf(Day(2015, 12, 20) - 0.4));
    EXPECT_EQ(test::Text(frame->StatusBarCtrl()->PaneText(1)), "Today: 1 activity, 30.00 minutes, 100.0 calories");
    DoubleClickAt(chart->XPixelOf(Day(2016, 1, 5)));
    EXPECT_EQ(test::Text(frame->StatusBarCtrl()->PaneText(1)), "Today: 0 activities, 0.00 minutes, 0.0 calories");
    EXPECT_EQ(view->State().entryDate, LocalMidnight(2016, 1, 13));  // the entry date stays
    EXPECT_TRUE(home.prompter.messages.empty());

    // Left of the plot area: the minutes axis with its tick labels.
    DoubleClickAt(chart->XPixelOf(chart->DateAxisMin() - 0.5) - 12);
    EXPECT_EQ(home.prompter.messages, std::vector<std::string>{"Some Axis clicked"});
    EXPECT_EQ(test::Text(view->DayHeading()->text()), "Execise information for: Tuesday January 05, 2016");

    // A single click does nothing.
    QWidget* plot = chart->PlotWidget();
    QTest::mouseClick(plot, Qt::LeftButton, Qt::NoModifier, QPoint(chart->XPixelOf(Day(2016, 1, 10)), plot->height() / 2));
    EXPECT_EQ(test::Text(view->DayHeading()->text()), "Execise information for: Tuesday January 05, 2016");
}

TEST_F(ChartView, CtrlWTogglesTheWeightBarsAndAxis) {
    test::PressKey(Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(view->State().showWeight);
    EXPECT_TRUE(chart->WeightVisible());
    // One bar per day from its last record; the day whose record has no weight has none.
    EXPECT_EQ(chart->WeightPoints(), (std::vector<ChartPoint>{{Day(2015, 12, 20), 81}, {Day(2016, 1, 9), 80.5}, {Day(2016, 1, 10), 79.5}}));
    EXPECT_EQ(chart->ExercisePoints().size(), 4u);

    test::PressKey(Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(view->State().showWeight);
    EXPECT_FALSE(chart->WeightVisible());
    EXPECT_TRUE(chart->WeightPoints().empty());
    EXPECT_EQ(chart->ExercisePoints().size(), 4u);
}

// Six years of daily records on a chart a thousand pixels wide: one bar per pixel column.
TEST(LongChartView, FromTheBeginningDrawsOneBarPerColumnAndADoubleClickFindsItsDay) {
    test::UiHome home;
    test::ScopedClock now{MakeLocalTime(2016, 1, 13, 12, 0, 0)};
    std::vector<CEventRecord> records;
    for (Time64 day = LocalMidnight(2010, 1, 1); day < LocalMidnight(2016, 1, 13);
         day = LocalMidnight(2010, 1, 1 + static_cast<int>(records.size())))
        records.emplace_back(day, "Golf, general", "Course", 20, "Club", 100, 80, 1, "");
    const Time64 tallDay = LocalMidnight(2013, 6, 4);
    for (CEventRecord& r : records) {
        if (r.m_time == tallDay) r.m_dDuration = 200;
    }
    test::WriteDatabase(home.DataFolder(), records);
    test::App frame = test::StartMainFrame("80");
    ASSERT_TRUE(frame);
    ASSERT_TRUE(test::ShowActive(frame.get()));
    ui::CChartCtrl* chart = frame->DataView()->Chart();

    QComboBox* period = test::Child<QComboBox>(frame->ToolBar(), "graphPeriod");
    period->setFocus();
    QTest::keyClick(period, Qt::Key_End);
    const std::vector<ChartPoint> bars = chart->ExercisePoints();
    ASSERT_GT(chart->PlotPixels(), 100);
    EXPECT_LE(bars.size(), static_cast<size_t>(chart->PlotPixels()));
    EXPECT_GT(bars.size(), static_cast<size_t>(chart->PlotPixels()) / 2);
    // The axis is scaled to the tallest day, which keeps its own bar.
    EXPECT_EQ(chart->MinutesAxisMax(), 230.0);
    EXPECT_NE(std::find(bars.begin(), bars.end(), ChartPoint{Day(2013, 6, 4), 200}), bars.end());

    // Three pixels beside the tall bar's middle lie on other days, but on that bar.
    QWidget* plot = chart->PlotWidget();
    QTest::mouseDClick(plot, Qt::LeftButton, Qt::NoModifier, QPoint(chart->XPixelOf(Day(2013, 6, 4)) + 3, plot->height() / 2));
    EXPECT_EQ(test::Text(frame->DataView()->DayHeading()->text()), "Execise information for: Tuesday June 04, 2013");

    // A narrower window has fewer columns, and the chart follows.
    const size_t wide = bars.size();
    frame->resize(frame->width() / 2, frame->height());
    QTest::qWait(50);
    EXPECT_LT(chart->ExercisePoints().size(), wide);
    EXPECT_LE(chart->ExercisePoints().size(), static_cast<size_t>(chart->PlotPixels()));
}

}  // namespace
}  // namespace kt
