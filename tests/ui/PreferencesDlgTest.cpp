// The preferences dialog driven as a user does: opened from the menu, radio buttons and boxes
// clicked, numbers typed, the up-down arrows pressed; OK hands everything to the program.
#include <QRadioButton>
#include <QToolButton>

#include "ui/Scenario.h"
#include "ui/settings/PreferencesDlg.h"
#include "ui/widgets/ChartCtrl.h"
#include "ui/widgets/UpDownCtrl.h"

namespace kt {
namespace {

using Dlg = ui::CPreferencesDlg;
using Box = Dlg::Box;
constexpr Box kBoxes[] = {Box::AddToLists, Box::AutoFill, Box::MonitorWeight, Box::UseLastWeight, Box::AutoUpdate, Box::AutoArchive};

void Press(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2)); }

// Types into a line edit as a user does: everything selected first, then the new text.
void Retype(QLineEdit* edit, const QString& text) {
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

// The dialog opens with the values it is given; Cancel takes none, OK takes every value and the
// view follows at once.
TEST(PreferencesDlg, OkInTheProgramTakesEveryValueAndCancelNone) {
    test::Program p;
    ASSERT_TRUE(p.Start({CEventRecord(LocalMidnight(2016, 1, 4), "Golf, general", "Course", 60, "Club", 300, 80, 1, ""),
                         CEventRecord(LocalMidnight(2016, 1, 12), "Golf, general", "Course", 90, "Club", 400, 80, 1, "")}));
    kt::PreferencesValues v;
    v.graphPeriod = 8;
    v.autoArchive = "3 15";
    Dlg opened(v);
    EXPECT_TRUE(opened.GraphButton(8)->isChecked() && opened.CheckBox(Box::AutoArchive)->isChecked());
    EXPECT_EQ(Text(opened.MonthEdit()->text() + QLatin1Char('/') + opened.DayEdit()->text()), "3/15");

    test::App& frame = p.frame;
    Settings& s = frame.Settings();
    ui::CDataView* view = p.View();
    const QString chartTitle = view->Chart()->DateAxisTitle();
    const int graphPeriod = s.m_nGraphPeriod;

    s.m_bSettingsChanged = false;
    test::OnNextDialog<Dlg>([](Dlg* dlg) {
        Press(dlg->AveragingButton(5));
        Press(dlg->CheckBox(Box::AutoFill));
        dlg->reject();
    });
    frame->Action(cmd::kPreferences)->trigger();
    EXPECT_FALSE(s.m_bSettingsChanged || s.m_bAutoFill);

    test::OnNextDialog<Dlg>([](Dlg* dlg) {
        Press(dlg->PoundsButton());
        Press(dlg->GraphButton(8));
        Press(dlg->AveragingButton(5));
        for (Box b : kBoxes) Press(dlg->CheckBox(b));
        Retype(dlg->HoursEdit(), QStringLiteral("0"));
        QTest::keyClick(dlg->DayEdit(), Qt::Key_Up);  // the arrows: Up in the edit, the up-down's button
        QTest::mouseClick(dlg->MonthUpDown()->UpButton(), Qt::LeftButton);
        QTest::mouseClick(test::OkButton(dlg), Qt::LeftButton);
    });
    frame->Action(cmd::kPreferences)->trigger();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(Format("metric %d, graph %d, averaging %d/%d, hours %g, add %d/%d/%d, update %d, monitor %d, last %d, fill %d, archive %s, "
                     "changed %d",
                     frame.Doc().m_bMetric, s.m_nGraphPeriod, s.m_nAveragingPeriod, view->State().averagingPeriod, s.m_dMaxHours,
                     s.m_bAddToCombo, s.m_bAddToListsNow, view->State().addToLists, s.m_bAutoUpdate, s.m_bMonitorWeight, s.m_bUseLastWeight,
                     s.m_bAutoFill, s.m_strAutoArchive.c_str(), s.m_bSettingsChanged),
              "metric 0, graph 8, averaging 5/5, hours 0, add 1/1/1, update 1, monitor 1, last 1, fill 1, archive 2 2, changed 1");
    // The view follows at once: the averaging combo and pane, the toolbar boxes and weight label;
    // the chart keeps its range, the new default is for the next start.
    EXPECT_EQ(test::Text(view->AveragingCombo()->currentText()), "Two Months");
    EXPECT_TRUE(view->AveragesPane()->toPlainText().contains(
        QStringLiteral("per day Jan-04-16 to Jan-12-16(the database does not extend back two months)")));
    EXPECT_TRUE(p.Bar<QCheckBox>("addToLists")->isChecked() && p.Bar<QCheckBox>("autoFill")->isChecked());
    EXPECT_EQ(test::Text(p.Bar<QLabel>("weightLabel")->text()), "Last Weight (lbs):");
    EXPECT_EQ(view->Chart()->DateAxisTitle(), chartTitle);
    EXPECT_EQ(p.Bar<QComboBox>("graphPeriod")->currentIndex(), graphPeriod);
}

}  // namespace
}  // namespace kt
