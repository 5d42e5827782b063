// The exercise chart and the summaries under it: the bars shown, the averaging combo, double-clicks
// on the plot and its axes, the weight toggle, and the average details behind the averages.
#include <QAbstractItemModelTester>

#include "ui/Scenario.h"
#include "ui/stats/AvgDetailsDlg.h"
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
    void ChoosePeriod(QComboBox* combo, Qt::Key key) {
        combo->setFocus();
        QTest::keyClick(combo, key);
    }
    // Double-click on the plot at pixel column `pixelX`, halfway down; what the day heading says then.
    std::string DoubleClickAt(int pixelX) {
        QWidget* plot = chart->PlotWidget();
        QTest::mouseDClick(plot, Qt::LeftButton, Qt::NoModifier, QPoint(pixelX, plot->height() / 2));
        return Text(view->DayHeading()->text());
    }
    std::string DayPane() const { return Text(frame->StatusBarCtrl()->PaneText(1)); }

    ui::CDataView* view = nullptr;
    ui::CChartCtrl* chart = nullptr;
};

TEST_F(ChartView, BarsFollowThePeriodCtrlWTogglesTheWeightAndDoubleClicksPickTheDay) {
    StartOn({CEventRecord(LocalMidnight(2015, 12, 20), "Golf, general", "Course", 30, "Club", 100, 81, 1, ""),
             CEventRecord(LocalMidnight(2016, 1, 9), "Golf, general", "Range", 20, "Club", 100, 80.5, 1, ""),
             CEventRecord(LocalMidnight(2016, 1, 10), "Swimming butterfly", "Laps", 30, "Pool", 100, 80, 1, ""),
             CEventRecord(LocalMidnight(2016, 1, 10), "Golf, general", "Range", 45, "Club", 100, 79.5, 1, ""),
             CEventRecord(LocalMidnight(2016, 1, 12), "Golf, general", "Course", 60, "Club", 100, 0, 1, "")});
    // First run: "The last month", back to 13 December; one bar per day.
    EXPECT_EQ(chart->ExercisePoints(),
              (std::vector<ChartPoint>{{Day(2015, 12, 20), 30}, {Day(2016, 1, 9), 20}, {Day(2016, 1, 10), 75}, {Day(2016, 1, 12), 60}}));
    // The day whose record has no weight has no weight bar.
    test::PressKey(Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(chart->WeightVisible());
    EXPECT_EQ(chart->WeightPoints().size(), 3u);
    test::PressKey(Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(chart->WeightVisible());
    // The day summary follows the newest record's day, not today.
    EXPECT_EQ(Text(view->DayHeading()->text()), "Execise information for: Tuesday January 12, 2016");

    EXPECT_EQ(DoubleClickAt(chart->XPixelOf(Day(2016, 1, 10))), "Execise information for: Sunday January 10, 2016");
    EXPECT_EQ(DayPane(), "Today: 2 activities, 75.00 minutes, 200.0 calories");
    DoubleClickAt(chart->XPixelOf(Day(2015, 12, 20) - 0.4));  // a little off the bar's middle
    EXPECT_EQ(DayPane(), "Today: 1 activity, 30.00 minutes, 100.0 calories");
    EXPECT_EQ(view->State().entryDate, LocalMidnight(2016, 1, 13));  // the entry date stays
    // Left of the plot area: the minutes axis with its tick labels.
    DoubleClickAt(chart->XPixelOf(chart->DateAxisMin() - 0.5) - 12);
    EXPECT_EQ(home.prompter.messages, std::vector<std::string>{"Some Axis clicked"});

    // This week started on Sunday the 10th: Saturday's record is left out. A capture adds to its
    // day's bar at once.
    ChoosePeriod(Bar<QComboBox>("graphPeriod"), Qt::Key_Home);
    test::CaptureOneRow(view->GridCtrl(), "Golf, general", "Putting", "40");
    EXPECT_EQ(chart->ExercisePoints(), (std::vector<ChartPoint>{{Day(2016, 1, 10), 75}, {Day(2016, 1, 12), 60}, {Day(2016, 1, 13), 40}}));
}

using Dlg = ui::CAvgDetailsDlg;

CEventRecord Rec(int day, double minutes, double calories) {
    return CEventRecord(LocalMidnight(2016, 1, day), "Golf, general", Format("Round %d", day), minutes, "Club", calories, 80, 1, "");
}

// Opens the details with `open` and returns each row's date, closed with `close`.
template <typename Open, typename Close>
std::string Details(Open open, Close close) {
    std::string rows;
    test::OnNextDialog<Dlg>([&](Dlg* dlg) {
        QAbstractItemModel* model = dlg->List()->model();
        QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::Fatal);
        for (int r = 0; r < model->rowCount(); ++r) rows += Text(model->index(r, 0).data().toString()) + "|";
        close(dlg);
    });
    open();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    return rows;
}

TEST_F(ChartView, DetailsButtonAndPerDayLinkListTheAveragedRecordsAndChangeNothing) {
    StartOn({Rec(2, 20, 100), Rec(10, 30, 150), Rec(12, 60, 300)});
    // The averaging combo rewrites the averages for this run only; the last 7 days: newest first.
    QComboBox* combo = view->AveragingCombo();
    ChoosePeriod(combo, Qt::Key_Home);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(Text(view->AveragesPane()->toPlainText()).rfind("Average of: 12.86 minutes", 0), 0u);
    EXPECT_EQ(frame.Settings().m_nAveragingPeriod, 0);
    EXPECT_EQ(Details([&] { QTest::mouseClick(view->DetailsButton(), Qt::LeftButton); },
                      [](Dlg* dlg) { QTest::keyClick(dlg->List(), Qt::Key_Escape); }),
              "Tue Jan 12, 2016|Sun Jan 10, 2016|");

    for (int i = 0; i < 7; ++i) QTest::keyClick(combo, Qt::Key_Down);  // from the beginning: oldest first
    QTextBrowser* pane = view->AveragesPane();
    QTextCursor link = pane->document()->find(QStringLiteral(") per day"));
    ASSERT_FALSE(link.isNull());
    link.setPosition(link.selectionEnd() - 3);
    EXPECT_EQ(Details([&] { QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, pane->cursorRect(link).center()); },
                      [](Dlg* dlg) { QTest::mouseClick(dlg->CloseButton(), Qt::LeftButton); }),
              "Sat Jan 02, 2016|Sun Jan 10, 2016|Tue Jan 12, 2016|");
    EXPECT_FALSE(frame.Doc().IsChanged());
    EXPECT_EQ(view->State().averagingPeriod, 8);
}

}  // namespace
}  // namespace kt
