// The option-lists editor and the activity commands driven as a user does: Ctrl+E and the menu
// commands open the editor, rows are clicked, buttons pressed, labels edited with F2; what one
// run changed is there in the next.
#include <QAbstractItemModelTester>

#include "core/settings/SettingsPersistence.h"
#include "ui/Scenario.h"
#include "ui/activities/EditComboOptionsDlg.h"
#include "ui/activities/GetNewItemDlg.h"
#include "ui/activities/ShowDefaultActivities.h"

namespace kt {
namespace {

using Dlg = ui::CEditComboOptionsDlg;
using B = Dlg::Button;

std::string Rows(Dlg* dlg) {
    std::string out;
    for (const std::string& item : dlg->Editor().Items()) out += item + "|";
    return out;
}

void ClickRow(Dlg* dlg, int row) {
    QTableView* list = dlg->List();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(row, 0)).center());
}

void Click(Dlg* dlg, B b) { QTest::mouseClick(dlg->GetButton(b), Qt::LeftButton); }

// Replaces the open label editor's text and ends the edit with Return. Keys go to the editor
// itself, so the test does not depend on which window the platform made active.
void TypeLabel(Dlg* dlg, const QString& text) {
    QLineEdit* editor = dlg->List()->viewport()->findChild<QLineEdit*>();
    ASSERT_TRUE(editor);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
}

// F2 on row `row`, then the new text.
void EditLabel(Dlg* dlg, int row, const QString& text) {
    ClickRow(dlg, row);
    QTest::keyClick(dlg->List(), Qt::Key_F2);
    TypeLabel(dlg, text);
}

// Adds through "Add Item" and the small dialog it opens.
void AddItem(Dlg* dlg, const QString& text) {
    test::OnNextDialog<ui::CGetNewItemDlg>([text](ui::CGetNewItemDlg* ask) {
        QTest::keyClicks(ask->ItemEdit(), text);
        QTest::keyClick(ask->ItemEdit(), Qt::Key_Return);
    });
    Click(dlg, B::Add);
}

std::string Options(test::App& frame, int column, int count = -1) {
    return test::Text(test::CellOptions(frame->DataView()->GridCtrl(), 1, column).mid(0, count).join(QLatin1Char('|')));
}

struct OptionListsEditor : ::testing::Test, test::Program {
    void SetUp() override {
        ASSERT_TRUE(Start());
        frame.Settings().m_arDescriptions = {"D0", "D1", "D2", "D3", "D4", "D5", "D6", "D7", "D8", "D9"};
        frame.Settings().m_arLocations = {"Park", "Pool"};
        View()->FillDescriptionCombos();
        View()->FillLocationCombos();
    }
};

TEST_F(OptionListsEditor, CtrlEEditsTheDescriptionsAndOkStoresThem) {
    test::OnNextDialog<Dlg>([&](Dlg* dlg) {
        QAbstractItemModelTester tester(dlg->List()->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
        EXPECT_FALSE(dlg->GetButton(B::SaveChanges)->isEnabled());
        // Three Move Ups of one item; removing another is counted on the status line.
        ClickRow(dlg, 3);
        for (int i = 0; i < 3; ++i) Click(dlg, B::MoveUp);
        ClickRow(dlg, 5);
        Click(dlg, B::Remove);
        EXPECT_TRUE(dlg->GetButton(B::SaveChanges)->isEnabled());
        // A new item through its own small dialog; a label edited with F2, another emptied after
        // clicking its row twice keeps its text.
        AddItem(dlg, QStringLiteral("Tempo"));
        EditLabel(dlg, 1, QStringLiteral("Easy run"));
        ClickRow(dlg, 2);
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        ClickRow(dlg, 2);
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        TypeLabel(dlg, QString());
        EXPECT_EQ(Rows(dlg), "D3|Easy run|D1|D2|D4|D6|D7|D8|D9|Tempo|");
        Click(dlg, B::Ok);
    });
    test::PressKey(Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(Options(frame, 1), "D3|Easy run|D1|D2|D4|D6|D7|D8|D9|Tempo");
    // OK writes the user data file at once.
    EXPECT_EQ(test::ReadAll(home.DataFolder() / "KTUserData.cfg"), "D3\tEasy run\tD1\tD2\tD4\tD6\tD7\tD8\tD9\tTempo\r\nPark\tPool\r\n");
    EXPECT_TRUE(home.prompter.questions.empty());
}

TEST_F(OptionListsEditor, SwitchingListsAsksFirstAndAppliedListsSurviveCancel) {
    frame.Settings().m_bSettingsChanged = false;
    test::OnNextDialog<Dlg>([&](Dlg* dlg) {
        ClickRow(dlg, 0);
        Click(dlg, B::Remove);
        // No drops the removal; the locations start afresh.
        home.prompter.answers = {false};
        Click(dlg, B::Switch);
        EXPECT_EQ(home.prompter.questions,
                  std::vector<std::string>{"Changes have been made to the Description options. Do you wish to save those changes?"});
        EXPECT_EQ(Rows(dlg), "Park|Pool|");
        EXPECT_EQ(frame.Settings().m_arDescriptions.size(), 10u);
        // Yes applies the locations before switching back.
        ClickRow(dlg, 0);
        Click(dlg, B::MoveDown);
        home.prompter.answers = {true};
        Click(dlg, B::Switch);
        EXPECT_EQ(home.prompter.questions.size(), 2u);
        EXPECT_EQ(Options(frame, 4), "Pool|Park");
        // "Save Changes" applies the descriptions; Cancel afterwards keeps them.
        ClickRow(dlg, 9);
        Click(dlg, B::MoveToTop);
        Click(dlg, B::SaveChanges);
        EXPECT_FALSE(dlg->GetButton(B::SaveChanges)->isEnabled());
        EXPECT_EQ(Options(frame, 1, 1), "D9");
        ClickRow(dlg, 1);
        Click(dlg, B::MoveToBottom);
        Click(dlg, B::Cancel);
    });
    frame->Action(cmd::kEditDescriptions)->trigger();
    EXPECT_EQ(frame.Settings().m_arDescriptions.back(), "D8");
    EXPECT_FALSE(std::filesystem::exists(home.DataFolder() / "KTUserData.cfg"));
    // What was applied is stored when the window closes.
    ASSERT_TRUE(frame.Settings().m_bSettingsChanged);
    frame->close();
    EXPECT_EQ(test::ReadAll(home.DataFolder() / "KTUserData.cfg"), "D9\tD0\tD1\tD2\tD3\tD4\tD5\tD6\tD7\tD8\r\nPool\tPark\r\n");
}

TEST_F(OptionListsEditor, ResetShowAndExportWorkOnTheWindowsActivities) {
    frame.Activities().SetActivity(248, "Butterfly <fast>", 11.25);
    frame.Settings().m_arSelectedActivities = {4, 5};
    frame->Action(cmd::kResetActivities)->trigger();
    EXPECT_EQ(frame.Settings().m_arSelectedActivities, DefaultSelectedActivities());

    std::string shown;
    test::OnNextDialog<ui::CShowDefaultActivities>([&](ui::CShowDefaultActivities* dialog) {
        shown =
            std::to_string(dialog->List()->model()->rowCount()) + " " + test::Text(dialog->List()->model()->index(11, 0).data().toString());
        QTest::keyClick(dialog, Qt::Key_Return);  // the default OK button
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
        home.prompter.answers = {true};  // save the new record on closing
        frame->close();
    }
    EXPECT_NE(test::ReadAll(home.DataFolder() / "ActivityList.txt").find("\r\nButterfly stroke\t11.000000\r\n"), std::string::npos);

    auto again = test::StartMainFrame("80");
    ASSERT_TRUE(again && test::ShowActive(again.get()));
    EXPECT_FALSE(test::InitialWeightWasAsked());
    EXPECT_EQ(test::Child<QComboBox>(again->ToolBar(), "graphPeriod")->currentIndex(), 2);
    // The typed weight went into the saved record, and the document takes its weight from there.
    EXPECT_EQ(test::Text(test::Child<QLineEdit>(again->ToolBar(), "weight")->text()), "72.5");
    // The box is for one run only; the grown list itself was stored.
    EXPECT_FALSE(test::Child<QCheckBox>(again->ToolBar(), "addToLists")->isChecked() || again->DataView()->State().addToLists);
    EXPECT_TRUE(test::CellOptions(again->DataView()->GridCtrl(), 1, 1).contains(QStringLiteral("Hill repeats")));
    // The renamed activity is offered under its new name, and its new MET value counts.
    test::CaptureOneRow(again->DataView()->GridCtrl(), "Butterfly stroke", "Laps", "60");
    ASSERT_EQ(again.Doc().Records().size(), 2u);
    EXPECT_NEAR(again.Doc().Records()[1].m_dCalories, 11.0 * 72.5, 1e-9);
}

}  // namespace
}  // namespace kt
