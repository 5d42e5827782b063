// The activity commands of the menus, and what one run of the program leaves for the next: the
// settings store and the activity list file.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "core/activities/ActivityTable.h"
#include "core/app/Commands.h"
#include "core/base/LocalTime.h"
#include "core/settings/Settings.h"
#include "ui/activities/ShowDefaultActivities.h"
#include "ui/app/KTToolBar.h"
#include "ui/app/MainFrame.h"
#include "ui/support/UiTestSupport.h"
#include "ui/views/DataView.h"
#include "ui/widgets/ChartCtrl.h"
#include "ui/widgets/ColorStatic.h"
#include "ui/widgets/GridCtrl.h"

namespace kt {
namespace {

size_t CountOf(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++n;
    return n;
}

TEST(ActivityCommands, ResetShowAndExportWorkOnTheWindowsActivities) {
    test::UiHome home;
    auto frame = test::StartMainFrame("80");
    ASSERT_TRUE(frame);
    frame.Activities().SetActivity(248, "Butterfly <fast>", 11.25);

    frame.Settings().m_arSelectedActivities = {4, 5};
    frame->Action(cmd::kResetActivities)->trigger();
    EXPECT_EQ(frame.Settings().m_arSelectedActivities, DefaultSelectedActivities());

    int rows = -1;
    std::string renamedRow;
    bool wasDefaultsDialog = false;
    test::OnNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<ui::CShowDefaultActivities*>(modal);
        wasDefaultsDialog = dialog != nullptr;
        if (!dialog) {
            modal->close();
            return;
        }
        rows = dialog->List()->model()->rowCount();
        renamedRow = test::Text(dialog->List()->model()->index(11, 0).data().toString());
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    });
    frame->Action(cmd::kShowDefaultActivities)->trigger();
    EXPECT_TRUE(wasDefaultsDialog);
    EXPECT_EQ(rows, 14);
    EXPECT_EQ(renamedRow, "Butterfly <fast>");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    const auto html = home.DataFolder() / "ActivityList.html";
    ASSERT_FALSE(std::filesystem::exists(html));
    frame->Action(cmd::kActivityHtml)->trigger();
    ASSERT_TRUE(std::filesystem::exists(html));
    const std::string bytes = test::ReadAll(html);
    EXPECT_EQ(CountOf(bytes, "<td class=\"act\">"), 310u);
    EXPECT_NE(bytes.find("<td class=\"act\">Aerobics, general</td><td class=\"met\">6.492</td>"), std::string::npos);
    EXPECT_NE(bytes.find("Butterfly &lt;fast&gt;</td><td class=\"met\">11.250</td>"), std::string::npos);
    EXPECT_TRUE(home.prompter.messages.empty());
}

TEST(ActivityCommands, GraphPeriodAndWeightOfOneRunAreThereInTheNext) {
    test::UiHome home;
    test::ScopedClock now(MakeLocalTime(2016, 1, 13, 12, 0, 0));
    const auto store = home.ConfigFolder() / "Kinetrax" / "Kinetrax.reg";
    {
        auto frame = test::StartMainFrame("80");
        ASSERT_TRUE(frame);
        ASSERT_TRUE(test::ShowActive(frame.get()));
        QComboBox* period = test::Child<QComboBox>(frame->ToolBar(), "graphPeriod");
        period->setFocus();
        QTest::keyClick(period, Qt::Key_Home);
        QTest::keyClick(period, Qt::Key_Down);
        QTest::keyClick(period, Qt::Key_Down);
        ASSERT_EQ(test::Text(period->currentText()), "Two Weeks");

        QLineEdit* weight = test::Child<QLineEdit>(frame->ToolBar(), "weight");
        weight->setFocus();
        weight->selectAll();
        QTest::keyClicks(weight, QStringLiteral("72.5"));
        test::CaptureOneRow(frame->DataView()->GridCtrl(), "Golf, general", "Course", "60");
        EXPECT_FALSE(std::filesystem::exists(store));  // settings are written at exit only
        home.prompter.answers = {true};                // save the new record on closing
        frame->close();
    }
    ASSERT_TRUE(std::filesystem::exists(store));
    EXPECT_NE(test::ReadAll(store).find("\"GraphPeriod\""), std::string::npos);

    auto again = test::StartMainFrame("80");
    ASSERT_TRUE(again);
    EXPECT_FALSE(test::InitialWeightWasAsked());
    EXPECT_EQ(again.Settings().m_nGraphPeriod, 2);
    EXPECT_EQ(test::Child<QComboBox>(again->ToolBar(), "graphPeriod")->currentIndex(), 2);
    EXPECT_TRUE(again->DataView()->Chart()->DateAxisTitle().startsWith(QStringLiteral("Showing exercise for two weeks")));
    // The typed weight went into the saved record, and the document takes its weight from there.
    ASSERT_EQ(again.Doc().Records().size(), 1u);
    EXPECT_EQ(again.Doc().Records()[0].m_dWeight, 72.5);
    EXPECT_EQ(again.Doc().m_dLastWeight, 72.5);
    EXPECT_EQ(test::Text(test::Child<QLineEdit>(again->ToolBar(), "weight")->text()), "72.5");
    EXPECT_EQ(test::Text(test::Child<ui::CColorStatic>(again->ToolBar(), "weightLabel")->text()), "Last Weight (kg):");
    // Filling the field at start-up counts as a weight change for the settings, not as a new weight.
    EXPECT_TRUE(again.Settings().m_bSettingsChanged);
    EXPECT_FALSE(again->DataView()->State().newWeightSet);
}

TEST(ActivityCommands, ActivityListFileOfTheFirstRunIsReadByTheNext) {
    test::UiHome home;
    test::ScopedClock now(MakeLocalTime(2016, 1, 13, 12, 0, 0));
    const auto list = home.DataFolder() / "ActivityList.txt";
    {
        auto frame = test::StartMainFrame("80");
        ASSERT_TRUE(frame);
        ASSERT_TRUE(std::filesystem::exists(list));
        const std::string first = test::ReadAll(list);
        EXPECT_EQ(CountOf(first, "\r\n"), 310u);
        EXPECT_EQ(first.rfind("Aerobics, general\t6.491900\r\n", 0), 0u);

        ASSERT_TRUE(frame.Activities().SetActivity(248, "Butterfly stroke", 11.0));
        frame.Settings().m_bActivityListChanged = true;
        frame->close();
    }
    EXPECT_NE(test::ReadAll(list).find("\r\nButterfly stroke\t11.000000\r\n"), std::string::npos);

    auto again = test::StartMainFrame("80");
    ASSERT_TRUE(again);
    EXPECT_EQ(again.Activities().At(248).name, "Butterfly stroke");
    EXPECT_EQ(again.Activities().At(248).met, 11.0);
    // The activity drop-downs offer the new name, and the calories use the new MET value.
    const QStringList offered = test::CellOptions(again->DataView()->GridCtrl(), 1, 0);
    EXPECT_TRUE(offered.contains(QStringLiteral("Butterfly stroke")));
    EXPECT_FALSE(offered.contains(QStringLiteral("Swimming butterfly")));
    ASSERT_TRUE(test::ShowActive(again.get()));
    test::CaptureOneRow(again->DataView()->GridCtrl(), "Butterfly stroke", "Laps", "60");
    ASSERT_EQ(again.Doc().Records().size(), 1u);
    EXPECT_NEAR(again.Doc().Records()[0].m_dCalories, 11.0 * 80, 1e-9);
}

}  // namespace
}  // namespace kt
