// The preferences dialog driven as a user does: opened from the menu, radio buttons and boxes
// clicked, numbers typed, the up-down arrows pressed; OK hands everything to the program.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include "core/app/Commands.h"
#include "core/base/Format.h"
#include "ui/app/KTToolBar.h"
#include "ui/app/MainFrame.h"
#include "ui/settings/PreferencesDlg.h"
#include "ui/support/UiTestSupport.h"
#include "ui/views/DataView.h"
#include "ui/widgets/ChartCtrl.h"
#include "ui/widgets/ColorStatic.h"
#include "ui/widgets/UpDownCtrl.h"
#include "ui/widgets/XGroupBox.h"

namespace kt {
namespace {

using Dlg = ui::CPreferencesDlg;
using Box = Dlg::Box;

void Press(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2)); }

// Types into a line edit as a user does: everything selected first, then the new text.
void Retype(QLineEdit* edit, const QString& text) {
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

QPushButton* OkButton(Dlg* dlg) { return dlg->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok); }

std::string Colours(ui::CXGroupBox* g) {
    return Format("%s %s/%s", test::Text(g->title()).c_str(), test::Text(g->CaptionColor().name()).c_str(),
                  test::Text(g->FrameColor().name()).c_str());
}

TEST(PreferencesDlg, ShowsEveryCaptionGroupAndToolTip) {
    kt::PreferencesValues v;
    v.metric = true;
    v.graphPeriod = 8;
    v.averagingPeriod = 9;
    v.hoursThreshold = 10.0;
    v.autoArchive = "3 15";
    v.useLastWeight = true;
    Dlg dlg(v);
    EXPECT_EQ(test::Text(dlg.windowTitle()), "Kinetrax Preferences");
    EXPECT_EQ(Colours(dlg.Group(0)), "Weight #000080/#0000ff");
    EXPECT_EQ(Colours(dlg.Group(1)), "Set Default Graph Range #008000/#008000");
    EXPECT_EQ(Colours(dlg.Group(2)), "Set the Default Averaging Period #800000/#c00000");
    EXPECT_EQ(Colours(dlg.Group(3)), "Other Settings #ff9000/#c88000");

    std::string graph, averaging;
    for (int code = 0; code < 9; ++code) {
        graph += test::Text(dlg.GraphButton(code)->text()) + (dlg.GraphButton(code)->isChecked() ? "*|" : "|");
        averaging += dlg.AveragingButton(code)->isChecked() ? "*" : ".";
    }
    EXPECT_EQ(graph, "This Week|One Week|Two Weeks|This Month|One Month|Two Months|This Year|One Year|From the Start*|");
    EXPECT_EQ(averaging, "*........");  // period 9 has no button: "This Week"
    EXPECT_TRUE(dlg.KilogramsButton()->isChecked());
    EXPECT_EQ(test::Text(dlg.KilogramsButton()->text()), "Weight is entered in kilograms (kg)");
    EXPECT_EQ(test::Text(dlg.PoundsButton()->text()), "Weight is entered in pounds (lbs)");
    EXPECT_EQ(test::Text(dlg.HoursEdit()->text()), "10.00");
    EXPECT_EQ(test::Text(dlg.MonthEdit()->text() + QLatin1Char('/') + dlg.DayEdit()->text()), "3/15");

    // {box, caption, tool tip, ticked}
    const std::tuple<Box, const char*, const char*, bool> boxes[] = {
        {Box::MonitorWeight, "Monitor Weight on the graph", "", false},
        {Box::UseLastWeight, "Save the last recorded weight with each new record",
         "Ensures that weight information is carried forward to each new record.", true},
        {Box::AddToLists, "Add new description or location items to their respective combol lists.",
         "New Descriptions and Locations will be added to their respective combo lists.", false},
        {Box::AutoFill, "Automatically fill Description and Location fields based on the last entry for the activity type.",
         "When Event Type loses focus, the last entered values for this type of record will autofill remaining cells.", false},
        {Box::AutoArchive, "Auto-archive the database",
         "If checked, the database records prior to the date will be archived one month after the date.", true},
        {Box::AutoUpdate, "Automatically check for a newer version at startup.", "", false},
    };
    for (const auto& [box, caption, tip, ticked] : boxes) {
        EXPECT_EQ(test::Text(dlg.CheckBox(box)->text()), caption);
        EXPECT_EQ(test::Text(dlg.CheckBox(box)->toolTip()), tip);
        EXPECT_EQ(dlg.CheckBox(box)->isChecked(), ticked) << caption;
    }
    EXPECT_EQ(test::Text(dlg.HoursEdit()->toolTip()), "How to distinguish between hours and minutes in the duration cell.");
    EXPECT_EQ(test::Text(dlg.MonthEdit()->toolTip()), "Enter the month of the archive date.");
    EXPECT_EQ(test::Text(dlg.DayEdit()->toolTip()), "Enter the day of the month for the archive date.");
    EXPECT_EQ(dlg.MonthUpDown()->High() * 100 + dlg.DayUpDown()->High(), 1231);
    // The values used only from the next start say so.
    std::string notes;
    for (QLabel* label : dlg.findChildren<QLabel*>()) {
        if (label->text().contains(QStringLiteral("next time"))) notes += test::Text(label->text()) + "|";
    }
    EXPECT_EQ(notes,
              "The two boxes above take effect the next time Kinetrax starts.|The chart opens with this range the next time Kinetrax "
              "starts.|");
}

TEST(PreferencesDlg, ArchiveNumbersFollowTheBoxTheEditsAndTheArrows) {
    kt::PreferencesValues v;
    v.autoArchive = "0 0";
    Dlg dlg(v);
    ASSERT_TRUE(test::ShowActive(&dlg));
    EXPECT_FALSE(dlg.CheckBox(Box::AutoArchive)->isChecked());
    EXPECT_EQ(test::Text(dlg.MonthEdit()->text() + QLatin1Char('/') + dlg.DayEdit()->text()), "0/0");
    Press(dlg.CheckBox(Box::AutoArchive));
    EXPECT_EQ(test::Text(dlg.MonthEdit()->text() + QLatin1Char('/') + dlg.DayEdit()->text()), "1/1");
    EXPECT_EQ(dlg.Values().autoArchive, "1 1");

    // Arrows: the up-down's buttons and the Up and Down keys in the edit, within 1..12.
    QTest::mouseClick(dlg.MonthUpDown()->UpButton(), Qt::LeftButton);
    QTest::keyClick(dlg.MonthEdit(), Qt::Key_Up);
    EXPECT_EQ(dlg.Values().autoArchive, "3 1");
    Retype(dlg.MonthEdit(), QStringLiteral("14"));
    EXPECT_EQ(dlg.Values().autoArchive, "14 1");
    QTest::keyClick(dlg.MonthEdit(), Qt::Key_Down);
    EXPECT_EQ(dlg.Values().autoArchive, "12 1");
    // Only digits go in; an emptied edit counts 0.
    Retype(dlg.DayEdit(), QStringLiteral("2x9"));
    EXPECT_EQ(test::Text(dlg.DayEdit()->text()), "29");
    QTest::mouseClick(dlg.DayUpDown()->DownButton(), Qt::LeftButton);
    EXPECT_EQ(dlg.Values().autoArchive, "12 28");
    Retype(dlg.DayEdit(), QString());
    EXPECT_EQ(dlg.Values().autoArchive, "12 0");
    Press(dlg.CheckBox(Box::AutoArchive));
    EXPECT_EQ(dlg.Values().autoArchive, "0 0");
    EXPECT_EQ(test::Text(dlg.MonthEdit()->text() + QLatin1Char('/') + dlg.DayEdit()->text()), "0/0");
}

TEST(PreferencesDlg, OkInTheProgramTakesEveryValueAndCancelNone) {
    test::UiHome home;
    test::ScopedClock now(MakeLocalTime(2016, 1, 13, 12, 0, 0));
    test::WriteDatabase(home.DataFolder(),
                        {CEventRecord(LocalMidnight(2016, 1, 4), "Golf, general", "Course", 60, "Club", 300, 80, 1, ""),
                         CEventRecord(LocalMidnight(2016, 1, 12), "Golf, general", "Course", 90, "Club", 400, 80, 1, "")});
    auto frame = test::StartMainFrame("80");
    ASSERT_TRUE(frame);
    ASSERT_TRUE(test::ShowActive(frame.get()));
    Settings& s = frame.Settings();
    ui::CDataView* view = frame->DataView();
    const QString chartTitle = view->Chart()->DateAxisTitle();
    const int graphPeriod = s.m_nGraphPeriod;

    // Cancel after changes: nothing changes.
    s.m_bSettingsChanged = false;
    test::OnNextDialog<Dlg>([](Dlg* dlg) {
        Press(dlg->AveragingButton(5));
        Press(dlg->CheckBox(Box::AutoFill));
        dlg->reject();
    });
    frame->Action(cmd::kPreferences)->trigger();
    EXPECT_FALSE(s.m_bSettingsChanged);
    EXPECT_FALSE(s.m_bAutoFill);

    test::OnNextDialog<Dlg>([](Dlg* dlg) {
        Press(dlg->PoundsButton());
        Press(dlg->GraphButton(8));
        Press(dlg->AveragingButton(5));
        for (Box b : {Box::AddToLists, Box::AutoFill, Box::MonitorWeight, Box::UseLastWeight, Box::AutoUpdate, Box::AutoArchive}) {
            Press(dlg->CheckBox(b));
        }
        Retype(dlg->HoursEdit(), QStringLiteral("0"));
        QTest::keyClick(dlg->DayEdit(), Qt::Key_Up);
        QTest::mouseClick(OkButton(dlg), Qt::LeftButton);
    });
    frame->Action(cmd::kPreferences)->trigger();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(Format("metric %d, graph %d, averaging %d/%d, hours %g, add %d/%d/%d, update %d, monitor %d, last %d, fill %d, archive %s, "
                     "changed %d",
                     frame.Doc().m_bMetric, s.m_nGraphPeriod, s.m_nAveragingPeriod, view->State().averagingPeriod, s.m_dMaxHours,
                     s.m_bAddToCombo, s.m_bAddToListsNow, view->State().addToLists, s.m_bAutoUpdate, s.m_bMonitorWeight, s.m_bUseLastWeight,
                     s.m_bAutoFill, s.m_strAutoArchive.c_str(), s.m_bSettingsChanged),
              "metric 0, graph 8, averaging 5/5, hours 0, add 1/1/1, update 1, monitor 1, last 1, fill 1, archive 1 2, changed 1");
    // The view follows at once: the averaging combo and pane, the toolbar boxes and weight label;
    // the chart keeps its range, the new default is for the next start.
    EXPECT_EQ(test::Text(view->AveragingCombo()->currentText()), "Two Months");
    EXPECT_TRUE(view->AveragesPane()->toPlainText().contains(
        QStringLiteral("per day Jan-04-16 to Jan-12-16(the database does not extend back two months)")));
    EXPECT_TRUE(test::Child<QCheckBox>(frame->ToolBar(), "addToLists")->isChecked());
    EXPECT_TRUE(test::Child<QCheckBox>(frame->ToolBar(), "autoFill")->isChecked());
    EXPECT_EQ(test::Text(test::Child<QLabel>(frame->ToolBar(), "weightLabel")->text()), "Last Weight (lbs):");
    EXPECT_EQ(view->Chart()->DateAxisTitle(), chartTitle);
    EXPECT_EQ(test::Child<QComboBox>(frame->ToolBar(), "graphPeriod")->currentIndex(), graphPeriod);
    EXPECT_FALSE(view->State().showWeight);
}

}  // namespace
}  // namespace kt
