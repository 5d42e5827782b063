// The option-lists editor driven as a user does: Ctrl+E and the menu commands open it, rows are
// clicked, buttons pressed, labels edited with F2, new items typed into their own small dialog.
#include <QAbstractItemModelTester>

#include "core/settings/FileSettingsStore.h"
#include "core/settings/SettingsKey.h"
#include "core/settings/SettingsPersistence.h"
#include "ui/Scenario.h"
#include "ui/activities/EditComboOptionsDlg.h"
#include "ui/activities/GetNewItemDlg.h"

namespace kt {
namespace {

using Dlg = ui::CEditComboOptionsDlg;
using B = Dlg::Button;

std::string Rows(Dlg* dlg) {
    std::string out;
    for (const std::string& item : dlg->Editor().Items()) out += item + "|";
    return out;
}

std::string Status(Dlg* dlg) {
    const QColor c = dlg->StatusLabel()->palette().color(QPalette::WindowText);
    return Format("%d,%d,%d ", c.red(), c.green(), c.blue()) + test::Text(dlg->StatusLabel()->text());
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

test::App Start() {
    auto frame = test::StartMainFrame("80");
    if (!frame) return {};
    frame.Settings().m_arDescriptions = {"D0", "D1", "D2", "D3", "D4", "D5", "D6", "D7", "D8", "D9"};
    frame.Settings().m_arLocations = {"Park", "Pool"};
    frame->DataView()->FillDescriptionCombos();
    frame->DataView()->FillLocationCombos();
    return test::ShowActive(frame.get()) ? std::move(frame) : test::App();
}

TEST(OptionListsEditor, CtrlEEditsTheDescriptionsAndOkStoresThem) {
    test::UiHome home;
    auto frame = Start();
    ASSERT_TRUE(frame);
    bool seen = false;
    test::OnNextDialog<Dlg>([&](Dlg* dlg) {
        seen = true;
        QAbstractItemModelTester tester(dlg->List()->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
        EXPECT_FALSE(dlg->GetButton(B::SaveChanges)->isEnabled());
        EXPECT_EQ(Status(dlg), "0,0,128 There are 10 Descriptions in the list. Click an item twice to edit the item text.");
        // Three Move Ups of one item count once; removing another turns the line red.
        ClickRow(dlg, 3);
        for (int i = 0; i < 3; ++i) Click(dlg, B::MoveUp);
        EXPECT_EQ(dlg->List()->currentIndex().row(), 0);
        ClickRow(dlg, 5);
        Click(dlg, B::Remove);
        EXPECT_EQ(Status(dlg),
                  "200,0,0 There are 9 Descriptions in the list. 1 Description has been deleted, 1 Description has been repositioned "
                  "or renamed and 0 Descriptions have been added. Click an item twice to edit the item text.");
        EXPECT_TRUE(dlg->GetButton(B::SaveChanges)->isEnabled());
        // A new item is added once; the same text again is ignored.
        AddItem(dlg, QStringLiteral("Tempo"));
        AddItem(dlg, QStringLiteral("D1"));
        EXPECT_EQ(dlg->List()->currentIndex().row(), 9);
        // A label edited with F2; one emptied after clicking its row twice keeps its text.
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
    ASSERT_TRUE(seen);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(Options(frame, 1), "D3|Easy run|D1|D2|D4|D6|D7|D8|D9|Tempo");
    // OK writes the user data file at once.
    EXPECT_EQ(test::ReadAll(home.DataFolder() / "KTUserData.cfg"), "D3\tEasy run\tD1\tD2\tD4\tD6\tD7\tD8\tD9\tTempo\r\nPark\tPool\r\n");
    EXPECT_TRUE(home.prompter.questions.empty());
}

TEST(OptionListsEditor, SwitchingListsAsksFirstAndAppliedListsSurviveCancel) {
    test::UiHome home;
    auto frame = Start();
    ASSERT_TRUE(frame);
    frame.Settings().m_bSettingsChanged = false;
    test::OnNextDialog<Dlg>([&](Dlg* dlg) {
        ClickRow(dlg, 0);
        Click(dlg, B::Remove);
        // No drops the removal; the locations start afresh.
        home.prompter.answers = {false};
        Click(dlg, B::Switch);
        EXPECT_EQ(home.prompter.questions,
                  std::vector<std::string>{"Changes have been made to the Description options. Do you wish to save those changes?"});
        EXPECT_EQ(test::Text(dlg->windowTitle()), "Edit the Activity Location Options");
        EXPECT_EQ(Rows(dlg), "Park|Pool|");
        EXPECT_EQ(frame.Settings().m_arDescriptions.size(), 10u);
        // Yes applies the locations before switching back.
        ClickRow(dlg, 0);
        Click(dlg, B::MoveDown);
        home.prompter.answers = {true};
        Click(dlg, B::Switch);
        EXPECT_EQ(home.prompter.questions.size(), 2u);
        EXPECT_EQ(Options(frame, 4), "Pool|Park");
        EXPECT_EQ(test::Text(dlg->windowTitle()), "Edit the Activity Description Options");
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

TEST(OptionListsEditor, ActivityTypeOrderMovesToTopAndStoresThePositionsAtOnce) {
    test::UiHome home;
    auto frame = Start();
    ASSERT_TRUE(frame);
    test::OnNextDialog<Dlg>([&](Dlg* dlg) {
        for (B b : {B::Add, B::SaveChanges, B::Switch}) EXPECT_FALSE(dlg->GetButton(b)->isVisible() || dlg->GetButton(b)->isEnabled());
        ASSERT_EQ(dlg->Editor().Items()[11], "Swimming butterfly 248");
        ClickRow(dlg, 11);
        Click(dlg, B::MoveToTop);
        // An edit that names no activity is refused and explained; the row keeps its text.
        EditLabel(dlg, 1, QStringLiteral("Golf"));
        QTest::qWait(50);
        EXPECT_EQ(dlg->Editor().Items()[1], "Aerobics, general 0");
        EditLabel(dlg, 2, QStringLiteral("Golf, general 97"));
        Click(dlg, B::Ok);
    });
    frame->Action(cmd::kEditActivityOrder)->trigger();
    ASSERT_EQ(home.prompter.messages.size(), 1u);
    EXPECT_EQ(home.prompter.messages[0].rfind("An activity type item must end with a blank and its activity number (0 to 309)", 0), 0u);
    const std::vector<uint16_t> order = {248, 0, 97, 60, 86, 97, 106, 109, 127, 132, 152, 191, 281, 299};
    EXPECT_EQ(frame.Settings().m_arSelectedActivities, order);
    EXPECT_EQ(Options(frame, 0, 3), "Swimming butterfly|Aerobics, general|Golf, general");
    // Written to the store at once, not only at exit.
    FileSettingsStore store(FileSettingsStore::DefaultPath());
    CSettingsKey key(store);
    ASSERT_TRUE(key.Open(kSettingsKeyPath, false));
    EXPECT_EQ(DecodeSelectedActivities(key.ReadString("Events", "")), order);
}

}  // namespace
}  // namespace kt
