// The toolbar's own controls driven as a user does: the weight field, the date picker, the graph
// period combo, the two option boxes and the coloured labels.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>
#include <algorithm>

#include "core/base/Format.h"
#include "core/base/LocalTime.h"
#include "ui/app/KTToolBar.h"
#include "ui/app/MainFrame.h"
#include "ui/support/UiTestSupport.h"
#include "ui/views/DataView.h"
#include "ui/widgets/ChartCtrl.h"
#include "ui/widgets/ColorStatic.h"
#include "ui/widgets/ColoredStatusBarCtrl.h"
#include "ui/widgets/GridCtrl.h"

namespace kt {
namespace {

Time64 Wednesday() { return MakeLocalTime(2016, 1, 13, 12, 0, 0); }

// Replaces the field's text by typing, the way a user overtypes a selected field.
void Overtype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

TEST(Toolbar, WeightFieldTakesOnlyPositiveNumbersAndTheNextRecordsCarryThem) {
    test::UiHome home;
    test::ScopedClock now(Wednesday());
    auto frame = test::StartMainFrame("80");
    ASSERT_TRUE(frame);
    ASSERT_TRUE(test::ShowActive(frame.get()));
    ui::CKTToolBar* bar = frame->ToolBar();
    EXPECT_EQ(test::Text(test::Child<QLineEdit>(bar, "weight")->text()), "80.0");
    EXPECT_EQ(test::Text(test::Child<ui::CColorStatic>(bar, "weightLabel")->text()), "Last Weight (kg):");
    // The start-up fill of the field is no weight typed by the user.
    EXPECT_FALSE(frame->DataView()->State().newWeightSet);
    frame.Settings().m_bSettingsChanged = false;

    for (const char* ignored : {"0", "abc"}) {
        Overtype(test::Child<QLineEdit>(bar, "weight"), QString::fromLatin1(ignored));
        EXPECT_EQ(frame.Doc().m_dLastWeight, 80.0) << ignored;
        EXPECT_EQ(test::Text(test::Child<ui::CColorStatic>(bar, "weightLabel")->text()), "Last Weight: ") << ignored;
        EXPECT_FALSE(frame.Settings().m_bSettingsChanged) << ignored;
        EXPECT_FALSE(frame->DataView()->State().newWeightSet) << ignored;
    }

    Overtype(test::Child<QLineEdit>(bar, "weight"), QStringLiteral("72,5"));  // a decimal comma counts as a point
    EXPECT_EQ(frame.Doc().m_dLastWeight, 72.5);
    EXPECT_EQ(test::Text(test::Child<ui::CColorStatic>(bar, "weightLabel")->text()), "New Weight: ");
    EXPECT_TRUE(frame.Settings().m_bSettingsChanged);
    // The stored last weight follows the document only when the database is next loaded.
    EXPECT_EQ(frame.Settings().m_dLastWeight, 80.0);

    test::CaptureOneRow(frame->DataView()->GridCtrl(), "Swimming butterfly", "Laps", "45");
    ASSERT_EQ(frame.Doc().Records().size(), 1u);
    EXPECT_EQ(frame.Doc().Records()[0].m_dWeight, 72.5);
    EXPECT_NEAR(frame.Doc().Records()[0].m_dCalories, 10.9865 * 72.5 * 0.75, 1e-9);
}

TEST(Toolbar, PickedDayBecomesTheEntryDateWithItsPromptAndDaySummary) {
    test::UiHome home;
    test::ScopedClock now(Wednesday());
    test::WriteDatabase(home.DataFolder(),
                        {CEventRecord(LocalMidnight(2016, 1, 12), "Golf, general", "Range", 30, "Club", 120, 80, 1, ""),
                         CEventRecord(LocalMidnight(2016, 1, 12), "Swimming butterfly", "Laps", 45, "Pool", 0, 80, 1, ""),
                         CEventRecord(LocalMidnight(2016, 1, 13), "Golf, general", "Course", 90, "Club", 200, 80, 1, "")});
    auto frame = test::StartMainFrame("80");
    ASSERT_TRUE(frame);
    ASSERT_TRUE(test::ShowActive(frame.get()));
    ui::CDataView* view = frame->DataView();
    QDateEdit* picker = test::Child<QDateEdit>(frame->ToolBar(), "exerciseDate");
    const auto promptColour = [view] { return view->PromptLabel()->palette().color(QPalette::WindowText); };

    picker->setDate(QDate(2016, 1, 13));
    EXPECT_EQ(view->State().entryDate, LocalMidnight(2016, 1, 13));
    EXPECT_EQ(test::Text(view->PromptText()), "Enter the information for exercise on Wednesday January 13, 2016");
    EXPECT_EQ(promptColour(), QColor(255, 0, 0));

    // One day back with the arrow key in the day section.
    picker->setFocus();
    picker->setCurrentSection(QDateTimeEdit::DaySection);
    QTest::keyClick(picker, Qt::Key_Down);
    ASSERT_EQ(picker->date(), QDate(2016, 1, 12));
    EXPECT_EQ(view->State().entryDate, LocalMidnight(2016, 1, 12));
    EXPECT_EQ(test::Text(view->PromptText()), "Enter the information for exercise on Tuesday January 12, 2016");
    EXPECT_EQ(promptColour(), QColor(0, 0, 255));
    EXPECT_EQ(test::Text(view->DayHeading()->text()), "Execise information for: Tuesday January 12, 2016");
    EXPECT_TRUE(view->DaySummaryPane()->toPlainText().contains(QStringLiteral("Golf, general: Range (Club) - 30.00 Min, 120.0 Calories")));
    EXPECT_TRUE(view->DaySummaryPane()->toPlainText().contains(QStringLiteral("Swimming butterfly: Laps (Pool) - 45.00 Min")));
    EXPECT_FALSE(view->DaySummaryPane()->toPlainText().contains(QStringLiteral("Course")));
    const double swim = 10.9865 * 80 * 0.75;
    EXPECT_EQ(test::Text(frame->StatusBarCtrl()->PaneText(1)), Format("Today: 2 activities, 75.00 minutes, %2.1lf calories", 120.0 + swim));
    EXPECT_EQ(frame->StatusBarCtrl()->PaneColor(1), QColor(0, 0, 255));

    // The next capture is dated on the picked day.
    test::CaptureOneRow(view->GridCtrl(), "Golf, general", "Putting", "20");
    ASSERT_EQ(frame.Doc().Records().size(), 4u);
    EXPECT_EQ(frame.Doc().Records()[2].m_strDescription, "Putting");
    EXPECT_EQ(frame.Doc().Records()[2].m_time, LocalMidnight(2016, 1, 12));
}

TEST(Toolbar, GraphPeriodComboSetsTheChartRangeAndTitle) {
    test::UiHome home;
    test::ScopedClock now(Wednesday());
    auto frame = test::StartMainFrame("80");
    ASSERT_TRUE(frame);
    ASSERT_TRUE(test::ShowActive(frame.get()));
    QComboBox* combo = test::Child<QComboBox>(frame->ToolBar(), "graphPeriod");
    ui::CChartCtrl* chart = frame->DataView()->Chart();
    EXPECT_EQ(combo->currentIndex(), 4);  // first run
    frame.Settings().m_bSettingsChanged = false;

    // Wednesday 13 January: the week runs from the Saturday before Sunday the 10th for 7 days.
    const double saturday = static_cast<double>(OleDayNumber(LocalMidnight(2016, 1, 9)));
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Home);
    ASSERT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(frame.Settings().m_nGraphPeriod, 0);
    EXPECT_EQ(chart->DateAxisMin(), saturday);
    EXPECT_EQ(chart->DateAxisMax(), saturday + 7);
    EXPECT_EQ(test::Text(chart->DateAxisTitle()), "Showing exercise for one week Jan 09, 2016 to Jan 16, 2016");

    QTest::keyClick(combo, Qt::Key_Down);
    ASSERT_EQ(test::Text(combo->currentText()), "One Week");
    EXPECT_EQ(frame.Settings().m_nGraphPeriod, 1);
    EXPECT_EQ(chart->DateAxisMin(), saturday);
    EXPECT_EQ(chart->DateAxisMax(), saturday + 7);
    EXPECT_EQ(test::Text(chart->DateAxisTitle()), "Showing exercise for one week Jan 09, 2016 to Jan 16, 2016");

    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(frame.Settings().m_nGraphPeriod, 2);
    EXPECT_EQ(chart->DateAxisMin(), saturday - 7);
    EXPECT_EQ(chart->DateAxisMax(), saturday + 7);
    EXPECT_EQ(test::Text(chart->DateAxisTitle()), "Showing exercise for two weeks Jan 02, 2016 to Jan 16, 2016");
    // The period reaches the store with the next write of the settings, it marks nothing itself.
    EXPECT_FALSE(frame.Settings().m_bSettingsChanged);
}

TEST(Toolbar, AddToListsBoxChangesOnlyThisRun) {
    test::UiHome home;
    test::ScopedClock now(Wednesday());
    {
        auto frame = test::StartMainFrame("80");
        ASSERT_TRUE(frame);
        ASSERT_TRUE(test::ShowActive(frame.get()));
        QCheckBox* box = test::Child<QCheckBox>(frame->ToolBar(), "addToLists");
        EXPECT_FALSE(box->isChecked());  // first run
        QTest::mouseClick(box, Qt::LeftButton);
        EXPECT_TRUE(box->isChecked());
        EXPECT_TRUE(frame.Settings().m_bAddToListsNow);
        EXPECT_TRUE(frame->DataView()->State().addToLists);
        EXPECT_FALSE(frame.Settings().m_bAddToCombo);

        // With the box on, a new description joins every Description drop-down.
        test::CaptureOneRow(frame->DataView()->GridCtrl(), "Golf, general", "Hill repeats", "30");
        EXPECT_TRUE(test::CellOptions(frame->DataView()->GridCtrl(), 5, 1).contains(QStringLiteral("Hill repeats")));
        home.prompter.answers = {true};  // save the record on closing
        frame->close();
    }
    auto again = test::StartMainFrame("80");
    ASSERT_TRUE(again);
    EXPECT_FALSE(test::InitialWeightWasAsked());
    EXPECT_FALSE(test::Child<QCheckBox>(again->ToolBar(), "addToLists")->isChecked());
    EXPECT_FALSE(again->DataView()->State().addToLists);
    // The grown list itself was stored.
    const auto& descriptions = again.Settings().m_arDescriptions;
    EXPECT_NE(std::find(descriptions.begin(), descriptions.end(), "Hill repeats"), descriptions.end());
}

// True when some pixel of `image` has exactly `colour`.
bool Shows(const QImage& image, const QColor& colour) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour) return true;
        }
    }
    return false;
}

TEST(Toolbar, LabelsAndBoxesShowTheirCaptionsInTheirColours) {
    test::UiHome home;
    test::ScopedClock now(Wednesday());
    test::WriteDatabase(home.DataFolder(),
                        {CEventRecord(LocalMidnight(2016, 1, 11), "Golf, general", "Range", 30, "Club", 120, 80, 1, ""),
                         CEventRecord(LocalMidnight(2016, 1, 12), "Golf, general", "Range", 30, "Club", 120, 80, 1, "")});
    auto frame = test::StartMainFrame("80");
    ASSERT_TRUE(frame);
    ASSERT_TRUE(test::ShowActive(frame.get()));
    ui::CKTToolBar* bar = frame->ToolBar();

    struct Expected {
        ui::CColorStatic* label;
        const char* text;
        QColor foreground, background;
    };
    for (const Expected& e :
         {Expected{test::Child<ui::CColorStatic>(bar, "graphPeriodLabel"), "Graph Period: ", QColor(0, 128, 0), QColor(220, 255, 220)},
          Expected{test::Child<ui::CColorStatic>(bar, "exerciseDateLabel"), "Exercise Date: ", QColor(0, 0, 255), QColor(255, 255, 0)},
          Expected{test::Child<ui::CColorStatic>(bar, "weightLabel"), "Last Weight (kg):", QColor(128, 0, 0), QColor(220, 220, 255)}}) {
        EXPECT_EQ(test::Text(e.label->text()), e.text);
        const QImage image = e.label->grab().toImage();
        EXPECT_EQ(image.pixelColor(1, 1), e.background) << e.text;
        EXPECT_TRUE(Shows(image, e.foreground)) << e.text;
    }
    EXPECT_EQ(test::Text(test::Child<QCheckBox>(bar, "addToLists")->text()),
              "Add new desriptions and locations to their respective combo list");
    EXPECT_EQ(test::Text(test::Child<QCheckBox>(bar, "autoFill")->text()), "Auto-fill desriptions and locations");
    ASSERT_EQ(test::Child<QComboBox>(bar, "graphPeriod")->count(), 9);
    EXPECT_EQ(test::Text(test::Child<QComboBox>(bar, "graphPeriod")->itemText(3)), "This month");
    EXPECT_EQ(test::Text(test::Child<QComboBox>(bar, "graphPeriod")->itemText(8)), "From the beginning");

    // Status panes: the day in blue, the database in red, both drawn over the bar's own background.
    ui::CColoredStatusBarCtrl* status = frame->StatusBarCtrl();
    EXPECT_EQ(status->PaneColor(1), QColor(0, 0, 255));
    EXPECT_EQ(status->PaneColor(2), QColor(220, 0, 0));
    EXPECT_TRUE(test::Text(status->PaneText(2)).rfind("Summary: 2 events, 1 days", 0) == 0) << test::Text(status->PaneText(2));
    const QImage bar2 = status->grab().toImage();
    EXPECT_TRUE(Shows(bar2, QColor(0, 0, 255)));
    EXPECT_TRUE(Shows(bar2, QColor(220, 0, 0)));
}

}  // namespace
}  // namespace kt
