// Data entry driven through the real widgets: rows typed into the entry grid with the keyboard,
// captured with Ctrl+R or the action button, the exit button, the start-up weight dialog, and the
// toolbar's weight field, date picker and graph period combo.
#include <QAbstractItemModelTester>
#include <QDateEdit>
#include <QRadioButton>

#include "ui/Scenario.h"
#include "ui/settings/InitialWeightDlg.h"
#include "ui/widgets/ColoredStatusBarCtrl.h"

namespace kt {
namespace {

using ui::CGridCtrl;

const char* kFormulaNote = "(Calories determined through formula calculation)";

std::string Cell(CGridCtrl* grid, int row, int column) { return Text(test::Cell(grid, row, column)); }

// Types the non-empty texts into activity, description and duration of `row`, each ended with Return.
void TypeRow(CGridCtrl* grid, int row, const char* type, const char* description, const char* duration) {
    for (const auto& [column, text] : {std::pair{0, type}, {1, description}, {2, duration}}) {
        if (*text) test::TypeIntoCell(grid, row, column, QString::fromUtf8(text));
    }
}

// Every entry cell of the widget holds the one blank of a cleared cell.
bool GridIsCleared(CGridCtrl* grid) {
    for (int r = 1; r <= 5; ++r)
        for (int c = 0; c < 8; ++c)
            if (Cell(grid, r, c) != " ") return false;
    return true;
}

std::string Shown(const CEventRecord& r) {
    return Format("%s|%s|%g|%s|%.4f|%s", r.m_strType.c_str(), r.m_strDescription.c_str(), r.m_dDuration, r.m_strLocation.c_str(),
                  r.m_dCalories, r.m_strNotes.c_str());
}

struct DataView : ::testing::Test, test::Program {};

TEST_F(DataView, TypedRowsAreCapturedByCtrlRWithComputedCaloriesAndTheGridIsCleared) {
    ASSERT_TRUE(Start());
    CGridCtrl* grid = Grid();
    QAbstractItemModelTester tester(grid->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    // Row 1 in one go, Tab moving from cell to cell; the unit cell is passed over with Tab.
    test::TypeIntoCell(grid, 1, 0, QStringLiteral("Swimming butterfly"), Qt::Key_Tab);
    for (const char* text : {"Fifty lengths", "45", "", "Pool"}) {
        test::TypeKeys(QString::fromLatin1(text));
        test::PressKey(*text == 'P' ? Qt::Key_Return : Qt::Key_Tab);
    }
    EXPECT_EQ(Cell(grid, 1, 3), "Minutes");  // the hint while typing
    // Row 2 cell by cell, each ended with Return; 1.5 is below the hours threshold: hours.
    TypeRow(grid, 2, "Golf, general", "Nine holes", "1,5");
    EXPECT_EQ(Cell(grid, 2, 3), "Hours");
    test::PressKey(Qt::Key_R, Qt::ControlModifier);
    const auto& records = frame.Doc().Records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(Shown(records[0]), Format("Swimming butterfly|Fifty lengths|45|Pool|%.4f|%s", 10.9865 * 80 * 0.75, kFormulaNote));
    EXPECT_EQ(Shown(records[1]), Format("Golf, general|Nine holes|90||%.4f|%s", 4.4988 * 80 * 1.5, kFormulaNote));
    EXPECT_TRUE(GridIsCleared(grid));
    EXPECT_EQ(Text(View()->ExitButton()->accessibleName()), "Save Database & Exit");

    // The action button does the same, also while the last cell is still being edited.
    TypeRow(grid, 1, "Golf, general", "Range", "30");
    test::TypeIntoCell(grid, 1, 5, QStringLiteral("120"), Qt::Key_unknown);
    QTest::mouseClick(View()->ActionButton(), Qt::LeftButton);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(Shown(records[2]), "Golf, general|Range|30| |120.0000| ");  // typed calories: no note
    EXPECT_TRUE(GridIsCleared(grid));
    EXPECT_TRUE(home.prompter.messages.empty());

    // Delete empties the current cell, the menu clears the grid; F4 opens the activity list on the
    // first selected activity, Down and Return pick the second and move on. (Keys go to the list
    // itself: the offscreen platform cannot grab the keyboard for it.)
    test::TypeIntoCell(grid, 3, 2, QStringLiteral("7"));
    test::PressKey(Qt::Key_Delete);  // the current cell moved on to the unit cell
    EXPECT_EQ(View()->Grid().Text(3, 3), "");
    frame->Action(cmd::kClearGridMenu)->trigger();
    EXPECT_TRUE(GridIsCleared(grid));
    grid->setFocus();
    grid->SetCurrentCell(0, 0);
    test::PressKey(Qt::Key_F4);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr) << "the list did not open";
    QWidget* keys = popup->focusWidget() ? popup->focusWidget() : popup;
    QTest::keyClick(keys, Qt::Key_Down);
    QTest::keyClick(keys, Qt::Key_Return);
    QCoreApplication::processEvents();  // picking from the list ends the edit from the event loop
    EXPECT_EQ(Cell(grid, 1, 0), "Cross country snow skiing, slow");
    EXPECT_EQ(grid->currentIndex().column(), 1);
}

// The keyboard starts in the first cell and comes back to it after a capture, or to the row a
// capture stopped at: a day's entries are typed without the mouse.
TEST_F(DataView, TypingStartsInTheFirstCellAndGoesOnWhereTheCaptureLeavesIt) {
    ASSERT_TRUE(Start());
    CGridCtrl* grid = Grid();
    const auto at = [grid] { return std::pair(QApplication::focusWidget() == grid, grid->currentIndex()); };
    EXPECT_EQ(at(), std::pair(true, grid->model()->index(0, 0)));
    for (const char* text : {"Golf, general", "Range", "30"}) {
        test::TypeKeys(QString::fromLatin1(text));
        test::PressKey(Qt::Key_Tab);
    }
    test::PressKey(Qt::Key_R, Qt::ControlModifier);
    ASSERT_EQ(frame.Doc().Records().size(), 1u);
    EXPECT_EQ(at(), std::pair(true, grid->model()->index(0, 0)));
    test::TypeIntoCell(grid, 2, 0, QStringLiteral("Swimming butterfly"), Qt::Key_Tab);
    test::TypeKeys(QStringLiteral("Laps"));
    test::PressKey(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(frame.Doc().Records().size(), 1u);
    EXPECT_EQ(at(), std::pair(true, grid->model()->index(1, 0)));
}

// An incomplete row stops the capture and keeps what was typed; the exit button asks before
// typed rows are discarded, and Yes saves and closes.
TEST_F(DataView, IncompleteRowStopsTheCaptureAndExitAsksBeforeDiscardingTypedRows) {
    ASSERT_TRUE(Start());
    CGridCtrl* grid = Grid();
    TypeRow(grid, 1, "Golf, general", "Range", "30");
    TypeRow(grid, 2, "Swimming butterfly", "Laps", "");
    test::PressKey(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(home.prompter.messages, std::vector<std::string>{"The duration of the exercise must be supplied."});
    ASSERT_EQ(frame.Doc().Records().size(), 1u);
    EXPECT_EQ(Cell(grid, 1, 1) + "|" + Cell(grid, 2, 1), "Range|Laps");

    const auto database = home.DataFolder() / "ExerciseData.edb";
    home.prompter.answers = {false};
    QTest::mouseClick(View()->ExitButton(), Qt::LeftButton);
    ASSERT_EQ(home.prompter.questions.size(), 1u);
    EXPECT_EQ(home.prompter.questions[0].rfind("There are data that have been entered, but not recorded. Do you wish to discard", 0), 0u);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_FALSE(std::filesystem::exists(database));
    EXPECT_EQ(Cell(grid, 2, 0), "Swimming butterfly");

    home.prompter.answers = {true};
    QTest::mouseClick(View()->ExitButton(), Qt::LeftButton);
    EXPECT_EQ(home.prompter.questions.size(), 2u);  // the close itself asks nothing more: all was saved
    EXPECT_FALSE(frame->isVisible());
    const std::string bytes = test::ReadAll(database);
    EXPECT_NE(bytes.find("\tGolf, general\tRange\t30.00\t"), std::string::npos) << bytes;
    EXPECT_EQ(bytes.find("Swimming"), std::string::npos);
}

TEST_F(DataView, AutoFillBoxMakesTheActivityFillDescriptionAndLocationFromItsNewestRecord) {
    ASSERT_TRUE(Start({CEventRecord(LocalMidnight(2016, 1, 4), "Golf, general", "Front nine", 60, "Valley", 300, 80, 1, ""),
                       CEventRecord(LocalMidnight(2016, 1, 8), "Golf, general", "Back nine", 70, "Hilltop", 310, 80, 1, "")}));
    CGridCtrl* grid = Grid();
    QCheckBox* box = Bar<QCheckBox>("autoFill");
    test::TypeIntoCell(grid, 1, 0, QStringLiteral("Golf, general"));  // off: fills nothing
    EXPECT_EQ(test::Cell(grid, 1, 1).trimmed(), QString());
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_TRUE(frame.Settings().m_bAutoFill);
    // On: what the user typed before is replaced by the newest record of that activity; an
    // activity without records leaves the row alone.
    test::TypeIntoCell(grid, 2, 1, QStringLiteral("my own words"));
    test::TypeIntoCell(grid, 2, 0, QStringLiteral("Golf, general"));
    EXPECT_EQ(Cell(grid, 2, 1) + "|" + Cell(grid, 2, 4), "Back nine|Hilltop");
    test::TypeIntoCell(grid, 3, 1, QStringLiteral("kept"));
    test::TypeIntoCell(grid, 3, 0, QStringLiteral("Hockey, ice hockey"));
    EXPECT_EQ(Cell(grid, 3, 1), "kept");
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_FALSE(frame.Settings().m_bAutoFill);
}

TEST_F(DataView, CancelledInitialWeightLeavesCaloriesZero) {
    ASSERT_TRUE(Start({}, std::nullopt));
    EXPECT_TRUE(test::InitialWeightWasAsked());
    EXPECT_EQ(frame.Doc().m_dLastWeight + frame.Settings().m_dLastWeight, 0.0);
    // Ctrl+R straight from the open editor takes the text being typed.
    TypeRow(Grid(), 1, "Swimming butterfly", "Laps", "");
    test::TypeIntoCell(Grid(), 1, 2, QStringLiteral("45"), Qt::Key_unknown);
    test::PressKey(Qt::Key_R, Qt::ControlModifier);
    ASSERT_EQ(frame.Doc().Records().size(), 1u);
    EXPECT_EQ(Shown(frame.Doc().Records()[0]), Format("Swimming butterfly|Laps|45||0.0000|%s", kFormulaNote));
}

TEST_F(DataView, ToolbarWeightFieldSetsTheWeightTheNextRecordsCarry) {
    ASSERT_TRUE(Start());
    QLineEdit* weight = Bar<QLineEdit>("weight");
    EXPECT_EQ(Text(weight->text()), "80.0");
    frame.Settings().m_bSettingsChanged = false;
    weight->setFocus();
    weight->selectAll();
    QTest::keyClicks(weight, QStringLiteral("72,5"));  // a decimal comma counts as a point
    EXPECT_EQ(frame.Doc().m_dLastWeight, 72.5);
    EXPECT_EQ(Text(Bar<QLabel>("weightLabel")->text()), "New Weight: ");
    EXPECT_TRUE(frame.Settings().m_bSettingsChanged);

    test::CaptureOneRow(Grid(), "Swimming butterfly", "Laps", "45");
    ASSERT_EQ(frame.Doc().Records().size(), 1u);
    EXPECT_EQ(frame.Doc().Records()[0].m_dWeight, 72.5);
    EXPECT_NEAR(frame.Doc().Records()[0].m_dCalories, 10.9865 * 72.5 * 0.75, 1e-9);
}

TEST_F(DataView, ToolbarPickedDayBecomesTheEntryDateWithItsPromptAndDaySummary) {
    ASSERT_TRUE(Start({CEventRecord(LocalMidnight(2016, 1, 12), "Golf, general", "Range", 30, "Club", 120, 80, 1, ""),
                       CEventRecord(LocalMidnight(2016, 1, 13), "Golf, general", "Course", 90, "Club", 200, 80, 1, "")}));
    QDateEdit* picker = Bar<QDateEdit>("exerciseDate");
    picker->setDate(QDate(2016, 1, 13));
    // One day back with the arrow key in the day section.
    picker->setFocus();
    picker->setCurrentSection(QDateTimeEdit::DaySection);
    QTest::keyClick(picker, Qt::Key_Down);
    EXPECT_EQ(View()->State().entryDate, LocalMidnight(2016, 1, 12));
    EXPECT_EQ(Text(View()->PromptText()), "Enter the information for exercise on Tuesday January 12, 2016");
    EXPECT_FALSE(View()->DaySummaryPane()->toPlainText().contains(QStringLiteral("Course")));
    EXPECT_EQ(Text(frame->StatusBarCtrl()->PaneText(1)), "Today: 1 activity, 30.00 minutes, 120.0 calories");

    // The next capture is dated on the picked day.
    test::CaptureOneRow(Grid(), "Golf, general", "Putting", "20");
    ASSERT_EQ(frame.Doc().Records().size(), 3u);
    EXPECT_EQ(
        frame.Doc().Records()[1].m_strDescription.str() + Format(" %d", frame.Doc().Records()[1].m_time == LocalMidnight(2016, 1, 12)),
        "Putting 1");
}

}  // namespace
}  // namespace kt
