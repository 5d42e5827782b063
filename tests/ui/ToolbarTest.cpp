// The toolbar's own controls driven as a user does: the weight field, the date picker, the graph
// period combo and the coloured labels.
#include <QDateEdit>
#include <QImage>

#include "ui/Scenario.h"
#include "ui/widgets/ChartCtrl.h"
#include "ui/widgets/ColorStatic.h"
#include "ui/widgets/ColoredStatusBarCtrl.h"

namespace kt {
namespace {

struct ToolbarFixture : ::testing::Test, test::Program {
    std::string WeightLabel() const { return test::Text(Bar<ui::CColorStatic>("weightLabel")->text()); }
    QColor PromptColour() const { return View()->PromptLabel()->palette().color(QPalette::WindowText); }
};

TEST_F(ToolbarFixture, WeightFieldTakesOnlyPositiveNumbersAndTheNextRecordsCarryThem) {
    ASSERT_TRUE(Start());
    QLineEdit* weight = Bar<QLineEdit>("weight");
    EXPECT_EQ(test::Text(weight->text()), "80.0");
    EXPECT_FALSE(View()->State().newWeightSet);  // the start-up fill is no weight typed by the user
    frame.Settings().m_bSettingsChanged = false;
    const auto overtype = [weight](const char* text) {
        weight->setFocus();
        weight->selectAll();
        QTest::keyClicks(weight, QString::fromLatin1(text));
    };
    for (const char* ignored : {"0", "abc"}) {
        overtype(ignored);
        EXPECT_EQ(Format("%g %s %d %d", frame.Doc().m_dLastWeight, WeightLabel().c_str(), frame.Settings().m_bSettingsChanged,
                         View()->State().newWeightSet),
                  "80 Last Weight:  0 0")
            << ignored;
    }
    overtype("72,5");  // a decimal comma counts as a point
    EXPECT_EQ(frame.Doc().m_dLastWeight, 72.5);
    EXPECT_EQ(WeightLabel(), "New Weight: ");
    EXPECT_TRUE(frame.Settings().m_bSettingsChanged);
    EXPECT_EQ(frame.Settings().m_dLastWeight, 80.0);  // follows the document when the database is next loaded

    test::CaptureOneRow(View()->GridCtrl(), "Swimming butterfly", "Laps", "45");
    ASSERT_EQ(frame.Doc().Records().size(), 1u);
    EXPECT_EQ(frame.Doc().Records()[0].m_dWeight, 72.5);
    EXPECT_NEAR(frame.Doc().Records()[0].m_dCalories, 10.9865 * 72.5 * 0.75, 1e-9);
}

TEST_F(ToolbarFixture, PickedDayBecomesTheEntryDateWithItsPromptAndDaySummary) {
    ASSERT_TRUE(Start({CEventRecord(LocalMidnight(2016, 1, 12), "Golf, general", "Range", 30, "Club", 120, 80, 1, ""),
                       CEventRecord(LocalMidnight(2016, 1, 12), "Swimming butterfly", "Laps", 45, "Pool", 0, 80, 1, ""),
                       CEventRecord(LocalMidnight(2016, 1, 13), "Golf, general", "Course", 90, "Club", 200, 80, 1, "")}));
    QDateEdit* picker = Bar<QDateEdit>("exerciseDate");
    picker->setDate(QDate(2016, 1, 13));
    EXPECT_EQ(test::Text(View()->PromptText()), "Enter the information for exercise on Wednesday January 13, 2016");
    EXPECT_EQ(PromptColour(), QColor(255, 0, 0));

    // One day back with the arrow key in the day section.
    picker->setFocus();
    picker->setCurrentSection(QDateTimeEdit::DaySection);
    QTest::keyClick(picker, Qt::Key_Down);
    EXPECT_EQ(View()->State().entryDate, LocalMidnight(2016, 1, 12));
    EXPECT_EQ(test::Text(View()->PromptText()), "Enter the information for exercise on Tuesday January 12, 2016");
    EXPECT_EQ(PromptColour(), QColor(0, 0, 255));
    EXPECT_EQ(test::Text(View()->DayHeading()->text()), "Execise information for: Tuesday January 12, 2016");
    const QString day = View()->DaySummaryPane()->toPlainText();
    EXPECT_TRUE(day.contains(QStringLiteral("Golf, general: Range (Club) - 30.00 Min, 120.0 Calories")) &&
                day.contains(QStringLiteral("Swimming butterfly: Laps (Pool) - 45.00 Min")) && !day.contains(QStringLiteral("Course")))
        << test::Text(day);
    EXPECT_EQ(test::Text(frame->StatusBarCtrl()->PaneText(1)),
              Format("Today: 2 activities, 75.00 minutes, %2.1lf calories", 120.0 + 10.9865 * 80 * 0.75));

    // The coloured labels and status panes paint their own colours.
    const auto shows = [](QWidget* widget, const QColor& colour) {
        const QImage image = widget->grab().toImage();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) == colour) return true;
            }
        }
        return false;
    };
    auto* label = Bar<ui::CColorStatic>("graphPeriodLabel");
    EXPECT_EQ(label->grab().toImage().pixelColor(1, 1), QColor(220, 255, 220));
    EXPECT_TRUE(shows(label, QColor(0, 128, 0)));
    EXPECT_TRUE(shows(frame->StatusBarCtrl(), QColor(0, 0, 255)) && shows(frame->StatusBarCtrl(), QColor(220, 0, 0)));

    // The next capture is dated on the picked day.
    test::CaptureOneRow(View()->GridCtrl(), "Golf, general", "Putting", "20");
    ASSERT_EQ(frame.Doc().Records().size(), 4u);
    EXPECT_EQ(
        frame.Doc().Records()[2].m_strDescription.str() + Format(" %d", frame.Doc().Records()[2].m_time == LocalMidnight(2016, 1, 12)),
        "Putting 1");
}

TEST_F(ToolbarFixture, GraphPeriodComboSetsTheChartRange) {
    ASSERT_TRUE(Start());
    QComboBox* combo = Bar<QComboBox>("graphPeriod");
    ui::CChartCtrl* chart = View()->Chart();
    frame.Settings().m_bSettingsChanged = false;
    // Wednesday 13 January: the week runs from the Saturday before Sunday the 10th for 7 days.
    const double saturday = static_cast<double>(OleDayNumber(LocalMidnight(2016, 1, 9)));
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Home);
    EXPECT_EQ(test::Text(chart->DateAxisTitle()), "Showing exercise for one week Jan 09, 2016 to Jan 16, 2016");
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(frame.Settings().m_nGraphPeriod, 2);
    EXPECT_EQ(chart->DateAxisMin(), saturday - 7);
    EXPECT_EQ(chart->DateAxisMax(), saturday + 7);
    EXPECT_EQ(test::Text(chart->DateAxisTitle()), "Showing exercise for two weeks Jan 02, 2016 to Jan 16, 2016");
    // The period reaches the store with the next write of the settings, it marks nothing itself.
    EXPECT_FALSE(frame.Settings().m_bSettingsChanged);
}

}  // namespace
}  // namespace kt
