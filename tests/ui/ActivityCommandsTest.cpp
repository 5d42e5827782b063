// The activity commands of the menus, and what one run of the program leaves for the next: the
// settings store and the activity list file.
#include "core/activities/ActivityTable.h"
#include "core/settings/Settings.h"
#include "ui/Scenario.h"
#include "ui/activities/ShowDefaultActivities.h"
#include "ui/widgets/ChartCtrl.h"

namespace kt {
namespace {

TEST(ActivityCommands, ResetShowAndExportWorkOnTheWindowsActivities) {
    test::UiHome home;
    auto frame = test::StartMainFrame("80");
    ASSERT_TRUE(frame);
    frame.Activities().SetActivity(248, "Butterfly <fast>", 11.25);
    frame.Settings().m_arSelectedActivities = {4, 5};
    frame->Action(cmd::kResetActivities)->trigger();
    EXPECT_EQ(frame.Settings().m_arSelectedActivities, DefaultSelectedActivities());

    std::string shown;
    test::OnNextDialog<ui::CShowDefaultActivities>([&](ui::CShowDefaultActivities* dialog) {
        shown =
            std::to_string(dialog->List()->model()->rowCount()) + " " + test::Text(dialog->List()->model()->index(11, 0).data().toString());
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    });
    frame->Action(cmd::kShowDefaultActivities)->trigger();
    EXPECT_EQ(shown, "14 Butterfly <fast>");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    frame->Action(cmd::kActivityHtml)->trigger();
    const std::string html = test::ReadAll(home.DataFolder() / "ActivityList.html");
    EXPECT_NE(html.find("<td class=\"act\">Aerobics, general</td><td class=\"met\">6.492</td>"), std::string::npos);
    EXPECT_NE(html.find("Butterfly &lt;fast&gt;</td><td class=\"met\">11.250</td>"), std::string::npos);
    EXPECT_TRUE(home.prompter.messages.empty());
}

TEST(ActivityCommands, WhatOneRunChangedIsThereInTheNextButTheAddToListsBox) {
    test::UiHome home;
    test::ScopedClock now(test::Wednesday());
    const auto store = home.ConfigFolder() / "Kinetrax" / "Kinetrax.reg";
    {
        auto frame = test::StartMainFrame("80");
        ASSERT_TRUE(frame && test::ShowActive(frame.get()));
        QComboBox* period = test::Child<QComboBox>(frame->ToolBar(), "graphPeriod");
        period->setFocus();
        for (Qt::Key key : {Qt::Key_Home, Qt::Key_Down, Qt::Key_Down}) QTest::keyClick(period, key);
        QLineEdit* weight = test::Child<QLineEdit>(frame->ToolBar(), "weight");
        weight->setFocus();
        weight->selectAll();
        QTest::keyClicks(weight, QStringLiteral("72.5"));
        QTest::mouseClick(test::Child<QCheckBox>(frame->ToolBar(), "addToLists"), Qt::LeftButton);
        EXPECT_TRUE(frame.Settings().m_bAddToListsNow && frame->DataView()->State().addToLists);
        // With the box on, a new description joins every Description drop-down.
        test::CaptureOneRow(frame->DataView()->GridCtrl(), "Golf, general", "Hill repeats", "60");
        EXPECT_TRUE(test::CellOptions(frame->DataView()->GridCtrl(), 5, 1).contains(QStringLiteral("Hill repeats")));
        ASSERT_TRUE(frame.Activities().SetActivity(248, "Butterfly stroke", 11.0));
        frame.Settings().m_bActivityListChanged = true;
        EXPECT_FALSE(std::filesystem::exists(store));  // settings are written at exit only
        home.prompter.answers = {true};                // save the new record on closing
        frame->close();
    }
    EXPECT_NE(test::ReadAll(home.DataFolder() / "ActivityList.txt").find("\r\nButterfly stroke\t11.000000\r\n"), std::string::npos);

    auto again = test::StartMainFrame("80");
    ASSERT_TRUE(again && test::ShowActive(again.get()));
    EXPECT_FALSE(test::InitialWeightWasAsked());
    EXPECT_EQ(test::Child<QComboBox>(again->ToolBar(), "graphPeriod")->currentIndex(), 2);
    EXPECT_TRUE(again->DataView()->Chart()->DateAxisTitle().startsWith(QStringLiteral("Showing exercise for two weeks")));
    // The typed weight went into the saved record, and the document takes its weight from there;
    // filling the field at start-up is a settings change, not a new weight.
    ASSERT_EQ(again.Doc().Records().size(), 1u);
    EXPECT_EQ(again.Doc().Records()[0].m_dWeight, 72.5);
    EXPECT_EQ(test::Text(test::Child<QLineEdit>(again->ToolBar(), "weight")->text()), "72.5");
    EXPECT_TRUE(again.Settings().m_bSettingsChanged);
    EXPECT_FALSE(again->DataView()->State().newWeightSet);
    // The box is for one run only; the grown list itself was stored.
    EXPECT_FALSE(test::Child<QCheckBox>(again->ToolBar(), "addToLists")->isChecked() || again->DataView()->State().addToLists);
    EXPECT_TRUE(test::CellOptions(again->DataView()->GridCtrl(), 1, 1).contains(QStringLiteral("Hill repeats")));
    // The renamed activity is offered under its new name, and its new MET value counts.
    const QStringList offered = test::CellOptions(again->DataView()->GridCtrl(), 1, 0);
    EXPECT_TRUE(offered.contains(QStringLiteral("Butterfly stroke")) && !offered.contains(QStringLiteral("Swimming butterfly")));
    test::CaptureOneRow(again->DataView()->GridCtrl(), "Butterfly stroke", "Laps", "60");
    ASSERT_EQ(again.Doc().Records().size(), 2u);
    EXPECT_NEAR(again.Doc().Records()[1].m_dCalories, 11.0 * 72.5, 1e-9);
}

}  // namespace
}  // namespace kt
