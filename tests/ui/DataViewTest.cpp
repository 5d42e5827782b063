// Data entry driven through the real widgets: rows typed into the entry grid with the keyboard,
// captured with Ctrl+R or the action button, corrections, the exit button and the start-up
// weight dialog.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "core/app/Commands.h"
#include "core/base/LocalTime.h"
#include "ui/app/KTToolBar.h"
#include "ui/app/MainFrame.h"
#include "ui/settings/InitialWeightDlg.h"
#include "ui/support/UiTestSupport.h"
#include "ui/views/DataView.h"
#include "ui/widgets/GridCtrl.h"
#include "ui/widgets/OwnerDrawButton.h"

namespace kt {
namespace {

using ui::CGridCtrl;

const char* kFormulaNote = "(Calories determined through formula calculation)";
const char* kMissingDuration = "The duration of the exercise must be supplied.";
const char* kDiscardQuestion =
    "There are data that have been entered, but not recorded. Do you wish to discard these data and exit? \n\nSelect \"Yes\" to "
    "exit without saving these data and select \"No\" to continue with Kinetrax. (Y/N)";
const char* kWeightRequired =
    "An initial weight really is required. Please enter a weight so that calories may be calculated, at least approximately.";

// A Wednesday: no weekly note is written into captured records, and the prompt's "today" is fixed.
Time64 Wednesday() { return MakeLocalTime(2016, 1, 13, 12, 0, 0); }

QString Cell(CGridCtrl* grid, int row, int column) { return test::Cell(grid, row, column); }

QColor PromptColour(ui::CDataView* view) { return view->PromptLabel()->palette().color(QPalette::WindowText); }

// Every entry cell of the widget holds the one blank of a cleared cell.
bool GridIsCleared(CGridCtrl* grid) {
    for (int r = 1; r <= 5; ++r) {
        for (int c = 0; c < 8; ++c) {
            if (Cell(grid, r, c) != QStringLiteral(" ")) return false;
        }
    }
    return true;
}

TEST(DataView, TypedRowsAreCapturedByCtrlRWithComputedCaloriesAndTheGridIsCleared) {
    test::UiHome home;
    test::ScopedClock now(Wednesday());
    auto frame = test::StartMainFrame("80");
    ASSERT_TRUE(frame);
    ASSERT_TRUE(test::ShowActive(frame.get()));
    ui::CDataView* view = frame->DataView();
    CGridCtrl* grid = view->GridCtrl();
    EXPECT_EQ(view->ExitButton()->accessibleName().toStdString(), "Exit");

    // Row 1 in one go, Tab moving from cell to cell; the unit cell is passed over with Tab.
    test::TypeIntoCell(grid, 1, 0, QStringLiteral("Swimming butterfly"), Qt::Key_Tab);
    test::TypeKeys(QStringLiteral("Fifty lengths"));
    test::PressKey(Qt::Key_Tab);
    test::TypeKeys(QStringLiteral("45"));
    test::PressKey(Qt::Key_Tab);
    test::PressKey(Qt::Key_Tab);
    test::TypeKeys(QStringLiteral("Pool"));
    test::PressKey(Qt::Key_Return);
    EXPECT_EQ(Cell(grid, 1, 0).toStdString(), "Swimming butterfly");
    EXPECT_EQ(Cell(grid, 1, 1).toStdString(), "Fifty lengths");
    EXPECT_EQ(Cell(grid, 1, 2).toStdString(), "45");
    EXPECT_EQ(Cell(grid, 1, 3).toStdString(), "Minutes");  // the hint while typing
    EXPECT_EQ(Cell(grid, 1, 4).toStdString(), "Pool");

    // Row 2 cell by cell; 1.5 is below the hours threshold, so it is read as hours. Return ends
    // an edit and moves one cell on, in a drop-down cell as in a text cell.
    test::TypeIntoCell(grid, 2, 0, QStringLiteral("Golf, general"));
    EXPECT_EQ(grid->currentIndex().row(), 1);
    EXPECT_EQ(grid->currentIndex().column(), 1);
    test::TypeIntoCell(grid, 2, 1, QStringLiteral("Nine holes"));
    test::TypeIntoCell(grid, 2, 2, QStringLiteral("1,5"));  // a decimal comma, as a German user types it
    EXPECT_EQ(grid->currentIndex().column(), 3);
    test::TypeIntoCell(grid, 2, 4, QStringLiteral("Club"));
    test::TypeIntoCell(grid, 2, 6, QStringLiteral("windy"));
    EXPECT_EQ(Cell(grid, 2, 3).toStdString(), "Hours");
    EXPECT_TRUE(view->Grid().IsEdited());

    QTest::keyClick(frame.get(), Qt::Key_R, Qt::ControlModifier);

    const CKT2Doc& doc = frame.Doc();
    ASSERT_EQ(doc.Records().size(), 2u);
    const CEventRecord& swim = doc.Records()[0];
    EXPECT_EQ(swim.m_time, LocalMidnight(2016, 1, 13));
    EXPECT_EQ(swim.m_strType, "Swimming butterfly");
    EXPECT_EQ(swim.m_strDescription, "Fifty lengths");
    EXPECT_DOUBLE_EQ(swim.m_dDuration, 45.0);
    EXPECT_EQ(swim.m_strLocation, "Pool");
    EXPECT_NEAR(swim.m_dCalories, 10.9865 * 80 * 0.75, 1e-9);
    EXPECT_EQ(swim.m_strNotes, kFormulaNote);
    EXPECT_EQ(swim.m_bMetric, 1);
    const CEventRecord& golf = doc.Records()[1];
    EXPECT_EQ(golf.m_strType, "Golf, general");
    EXPECT_DOUBLE_EQ(golf.m_dDuration, 90.0);
    EXPECT_NEAR(golf.m_dCalories, 4.4988 * 80 * 1.5, 1e-9);
    EXPECT_EQ(golf.m_strNotes, std::string("windy ") + kFormulaNote);
    EXPECT_TRUE(doc.IsChanged());

    EXPECT_TRUE(GridIsCleared(grid));
    EXPECT_FALSE(view->Grid().IsEdited());
    EXPECT_EQ(view->PromptText().toStdString(), "Enter the information for exercise on Wednesday January 13, 2016");
    EXPECT_EQ(PromptColour(view), QColor(255, 0, 0));
    EXPECT_EQ(view->ExitButton()->accessibleName().toStdString(), "Save Database & Exit");

    // The action button does the same as Ctrl+R, also while the last cell is still being edited.
    test::TypeIntoCell(grid, 1, 0, QStringLiteral("Golf, general"));
    test::TypeIntoCell(grid, 1, 1, QStringLiteral("Range"));
    test::TypeIntoCell(grid, 1, 2, QStringLiteral("30"));
    test::TypeIntoCell(grid, 1, 5, QStringLiteral("120"), Qt::Key_unknown);
    QTest::mouseClick(view->ActionButton(), Qt::LeftButton);
    ASSERT_EQ(doc.Records().size(), 3u);
    EXPECT_EQ(doc.Records()[2].m_strDescription, "Range");
    EXPECT_DOUBLE_EQ(doc.Records()[2].m_dCalories, 120.0);
    EXPECT_EQ(doc.Records()[2].m_strNotes, " ");  // typed calories: no note; the cleared cell's blank stays
    EXPECT_TRUE(GridIsCleared(grid));
    EXPECT_TRUE(home.prompter.messages.empty());
}

TEST(DataView, RowWithoutDurationStopsTheCaptureKeepingTheGridAndEarlierRows) {
    test::UiHome home;
    test::ScopedClock now(Wednesday());
    auto frame = test::StartMainFrame("80");
    ASSERT_TRUE(frame);
    ASSERT_TRUE(test::ShowActive(frame.get()));
    ui::CDataView* view = frame->DataView();
    CGridCtrl* grid = view->GridCtrl();
    test::TypeIntoCell(grid, 1, 0, QStringLiteral("Golf, general"));
    test::TypeIntoCell(grid, 1, 1, QStringLiteral("Range"));
    test::TypeIntoCell(grid, 1, 2, QStringLiteral("30"));
    test::TypeIntoCell(grid, 2, 0, QStringLiteral("Swimming butterfly"));
    test::TypeIntoCell(grid, 2, 1, QStringLiteral("Laps"));

    test::PressKey(Qt::Key_R, Qt::ControlModifier);
    ASSERT_EQ(home.prompter.messages.size(), 1u);
    EXPECT_EQ(home.prompter.messages[0], kMissingDuration);
    ASSERT_EQ(frame.Doc().Records().size(), 1u);
    EXPECT_EQ(frame.Doc().Records()[0].m_strDescription, "Range");
    // The typed text stays for the user to complete, and still counts as not recorded.
    EXPECT_EQ(Cell(grid, 1, 1).toStdString(), "Range");
    EXPECT_EQ(Cell(grid, 2, 1).toStdString(), "Laps");
    EXPECT_TRUE(view->Grid().IsEdited());
    EXPECT_EQ(view->ExitButton()->accessibleName().toStdString(), "Exit");

    // Completing the row and capturing again adds only that row: the first one is a duplicate now.
    test::TypeIntoCell(grid, 2, 2, QStringLiteral("20"));
    test::PressKey(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(home.prompter.messages.size(), 1u);
    ASSERT_EQ(frame.Doc().Records().size(), 2u);
    EXPECT_EQ(frame.Doc().Records()[1].m_strDescription, "Laps");
    EXPECT_DOUBLE_EQ(frame.Doc().Records()[1].m_dDuration, 20.0);
    EXPECT_TRUE(GridIsCleared(grid));

    // In the cleared grid (every cell one blank): a row without a description stops the capture
    // too, and the first row, typed again with its location untouched, is still a duplicate.
    test::TypeIntoCell(grid, 1, 0, QStringLiteral("Golf, general"));
    test::TypeIntoCell(grid, 1, 1, QStringLiteral("Range"));
    test::TypeIntoCell(grid, 1, 2, QStringLiteral("30"));
    test::TypeIntoCell(grid, 2, 0, QStringLiteral("Swimming butterfly"));
    test::TypeIntoCell(grid, 2, 2, QStringLiteral("15"));
    test::PressKey(Qt::Key_R, Qt::ControlModifier);
    ASSERT_EQ(home.prompter.messages.size(), 2u);
    EXPECT_EQ(home.prompter.messages[1], "The Description of row 2 must be supplied. Complete the row, or clear it to leave it out.");
    EXPECT_EQ(Cell(grid, 2, 2).toStdString(), "15");
    test::TypeIntoCell(grid, 2, 1, QStringLiteral("Sprints"));
    test::PressKey(Qt::Key_R, Qt::ControlModifier);
    ASSERT_EQ(frame.Doc().Records().size(), 3u);
    EXPECT_EQ(frame.Doc().Records()[2].m_strDescription, "Sprints");
}

TEST(DataView, AutoFillBoxMakesTheActivityFillDescriptionAndLocationFromItsNewestRecord) {
    test::UiHome home;
    test::ScopedClock now(Wednesday());
    test::WriteDatabase(home.DataFolder(),
                        {CEventRecord(LocalMidnight(2016, 1, 4), "Golf, general", "Front nine", 60, "Valley", 300, 80, 1, ""),
                         CEventRecord(LocalMidnight(2016, 1, 8), "Golf, general", "Back nine", 70, "Hilltop", 310, 80, 1, ""),
                         CEventRecord(LocalMidnight(2016, 1, 9), "Swimming butterfly", "Laps", 30, "Pool", 400, 80, 1, "")});
    auto frame = test::StartMainFrame("80");
    ASSERT_TRUE(frame);
    ASSERT_TRUE(test::ShowActive(frame.get()));
    ui::CDataView* view = frame->DataView();
    CGridCtrl* grid = view->GridCtrl();
    ASSERT_FALSE(frame.Settings().m_bAutoFill);

    // Off: choosing the activity fills nothing.
    test::TypeIntoCell(grid, 1, 0, QStringLiteral("Golf, general"));
    EXPECT_EQ(Cell(grid, 1, 1).trimmed().toStdString(), "");
    EXPECT_EQ(view->ExitButton()->accessibleName().toStdString(), "Exit");

    QTest::mouseClick(test::Child<QCheckBox>(frame->ToolBar(), "autoFill"), Qt::LeftButton);
    EXPECT_TRUE(frame.Settings().m_bAutoFill);
    EXPECT_TRUE(test::Child<QCheckBox>(frame->ToolBar(), "autoFill")->isChecked());

    // On: what the user typed before is replaced by the newest record of that activity.
    test::TypeIntoCell(grid, 2, 1, QStringLiteral("my own words"));
    test::TypeIntoCell(grid, 2, 0, QStringLiteral("Golf, general"));
    EXPECT_EQ(Cell(grid, 2, 1).toStdString(), "Back nine");
    EXPECT_EQ(Cell(grid, 2, 4).toStdString(), "Hilltop");
    EXPECT_EQ(view->ExitButton()->accessibleName().toStdString(), "Save Database & Exit");
    // An activity without records leaves the row alone.
    test::TypeIntoCell(grid, 3, 1, QStringLiteral("kept"));
    test::TypeIntoCell(grid, 3, 0, QStringLiteral("Hockey, ice hockey"));
    EXPECT_EQ(Cell(grid, 3, 1).toStdString(), "kept");

    QTest::mouseClick(test::Child<QCheckBox>(frame->ToolBar(), "autoFill"), Qt::LeftButton);
    EXPECT_FALSE(frame.Settings().m_bAutoFill);
    test::TypeIntoCell(grid, 4, 0, QStringLiteral("Swimming butterfly"));
    EXPECT_EQ(Cell(grid, 4, 1).trimmed().toStdString(), "");
}

TEST(DataView, ExitButtonAsksBeforeDiscardingTypedRowsAndYesSavesAndCloses) {
    test::UiHome home;
    test::ScopedClock now(Wednesday());
    auto frame = test::StartMainFrame("80");
    ASSERT_TRUE(frame);
    ASSERT_TRUE(test::ShowActive(frame.get()));
    ui::CDataView* view = frame->DataView();
    CGridCtrl* grid = view->GridCtrl();
    test::TypeIntoCell(grid, 1, 0, QStringLiteral("Golf, general"));
    test::TypeIntoCell(grid, 1, 1, QStringLiteral("Range"));
    test::TypeIntoCell(grid, 1, 2, QStringLiteral("30"));
    QTest::mouseClick(view->ActionButton(), Qt::LeftButton);
    ASSERT_EQ(frame.Doc().Records().size(), 1u);
    test::TypeIntoCell(grid, 1, 0, QStringLiteral("Swimming butterfly"));

    const auto database = home.DataFolder() / "ExerciseData.edb";
    home.prompter.answers = {false};
    QTest::mouseClick(view->ExitButton(), Qt::LeftButton);
    ASSERT_EQ(home.prompter.questions.size(), 1u);
    EXPECT_EQ(home.prompter.questions[0], kDiscardQuestion);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_FALSE(std::filesystem::exists(database));
    EXPECT_EQ(Cell(grid, 1, 0).toStdString(), "Swimming butterfly");

    home.prompter.answers = {true};
    QTest::mouseClick(view->ExitButton(), Qt::LeftButton);
    EXPECT_EQ(home.prompter.questions.size(), 2u);  // the close itself asks nothing more: all was saved
    EXPECT_FALSE(frame->isVisible());
    ASSERT_TRUE(std::filesystem::exists(database));
    const std::string bytes = test::ReadAll(database);
    EXPECT_NE(bytes.find("\tGolf, general\tRange\t30.00\t"), std::string::npos) << bytes;
    EXPECT_EQ(bytes.find("Swimming"), std::string::npos);
    EXPECT_TRUE(home.prompter.messages.empty());
}

TEST(DataView, RecordLoadedForCorrectionIsReplacedInPlaceByTheActionButton) {
    test::UiHome home;
    test::ScopedClock now(Wednesday());
    test::WriteDatabase(home.DataFolder(),
                        {CEventRecord(LocalMidnight(2016, 1, 4), "Golf, general", "Front nine", 60, "Valley", 300, 80, 1, ""),
                         CEventRecord(LocalMidnight(2016, 1, 8), "Golf, general", "Back nine", 70, "Hilltop", 310, 80, 1, "sunny"),
                         CEventRecord(LocalMidnight(2016, 1, 9), "Swimming butterfly", "Laps", 30, "Pool", 400, 80, 1, "")});
    auto frame = test::StartMainFrame("80");
    ASSERT_TRUE(frame);
    ASSERT_TRUE(test::ShowActive(frame.get()));
    ui::CDataView* view = frame->DataView();
    CGridCtrl* grid = view->GridCtrl();

    ASSERT_TRUE(view->LoadRecordForCorrection(1));
    EXPECT_EQ(Cell(grid, 1, 1).toStdString(), "Back nine");
    EXPECT_EQ(view->PromptText().toStdString(), "Make corrections to exercise information for Friday January 08, 2016");
    EXPECT_TRUE(view->PromptLabel()->font().bold());
    EXPECT_EQ(PromptColour(view), QColor(0, 0, 255));  // not today

    test::TypeIntoCell(grid, 1, 2, QStringLiteral("85"));
    test::TypeIntoCell(grid, 1, 1, QStringLiteral("Back nine, twice"));
    QTest::mouseClick(view->ActionButton(), Qt::LeftButton);

    const auto& records = frame.Doc().Records();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].m_strDescription, "Front nine");
    EXPECT_EQ(records[1].m_strDescription, "Back nine, twice");
    EXPECT_EQ(records[1].m_time, LocalMidnight(2016, 1, 8));
    EXPECT_DOUBLE_EQ(records[1].m_dDuration, 85.0);
    EXPECT_EQ(records[1].m_strLocation, "Hilltop");
    EXPECT_EQ(records[2].m_strDescription, "Laps");
    EXPECT_FALSE(view->State().replace);
    EXPECT_FALSE(view->PromptLabel()->font().bold());
    EXPECT_TRUE(view->PromptText().startsWith(QStringLiteral("Enter the information for exercise on ")));
    EXPECT_TRUE(GridIsCleared(grid));
}

TEST(DataView, InitialWeightDialogRefusesZeroAndTextAndAcceptsNegativeWeights) {
    test::UiHome home;
    ui::CInitialWeightDlg dialog(home.prompter);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_TRUE(dialog.KilogramsButton()->isChecked());
    EXPECT_FALSE(dialog.PoundsButton()->isChecked());
    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    ASSERT_TRUE(ok);

    for (const char* refused : {"0", "abc", ""}) {
        dialog.WeightEdit()->clear();
        QTest::keyClicks(dialog.WeightEdit(), QString::fromLatin1(refused));
        QTest::mouseClick(ok, Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible()) << refused;
        EXPECT_NE(dialog.result(), QDialog::Accepted) << refused;
    }
    EXPECT_EQ(home.prompter.messages, std::vector<std::string>(3, kWeightRequired));

    dialog.WeightEdit()->clear();
    QTest::keyClicks(dialog.WeightEdit(), QStringLiteral("-5,5"));
    QTest::mouseClick(dialog.PoundsButton(), Qt::LeftButton);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_DOUBLE_EQ(dialog.m_dWeight, -5.5);
    EXPECT_FALSE(dialog.m_bMetric);
    EXPECT_EQ(home.prompter.messages.size(), 3u);
}

TEST(DataView, CancelledInitialWeightLeavesWeightZeroAndCaloriesZero) {
    test::UiHome home;
    test::ScopedClock now(Wednesday());
    auto frame = test::StartMainFrame(std::nullopt);
    ASSERT_TRUE(frame);
    EXPECT_TRUE(test::InitialWeightWasAsked());
    EXPECT_EQ(frame.Doc().m_dLastWeight, 0.0);
    EXPECT_EQ(frame.Settings().m_dLastWeight, 0.0);
    ASSERT_TRUE(test::ShowActive(frame.get()));
    CGridCtrl* grid = frame->DataView()->GridCtrl();
    test::TypeIntoCell(grid, 1, 0, QStringLiteral("Swimming butterfly"));
    test::TypeIntoCell(grid, 1, 1, QStringLiteral("Laps"));
    // Ctrl+R straight from the open editor takes the text being typed.
    test::TypeIntoCell(grid, 1, 2, QStringLiteral("45"), Qt::Key_unknown);
    test::PressKey(Qt::Key_R, Qt::ControlModifier);
    ASSERT_EQ(frame.Doc().Records().size(), 1u);
    EXPECT_DOUBLE_EQ(frame.Doc().Records()[0].m_dDuration, 45.0);
    EXPECT_EQ(frame.Doc().Records()[0].m_dCalories, 0.0);
    EXPECT_EQ(frame.Doc().Records()[0].m_strNotes, kFormulaNote);
}

}  // namespace
}  // namespace kt

namespace kt {
namespace {

// The grid is a table model over the core grid: what the capture and the rules write shows in the
// view at once, and the model keeps to Qt's rules for models throughout.
TEST(DataView, EntryGridModelShowsTheCoreGridAndPassesTheModelTester) {
    test::UiHome home;
    test::ScopedClock now(Wednesday());
    auto frame = test::StartMainFrame("80");
    ASSERT_TRUE(frame);
    ASSERT_TRUE(test::ShowActive(frame.get()));
    ui::CDataView* view = frame->DataView();
    QAbstractItemModel* model = view->GridCtrl()->model();
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    ASSERT_EQ(model->rowCount(), 5);
    ASSERT_EQ(model->columnCount(), 8);
    EXPECT_EQ(model->headerData(6, Qt::Horizontal).toString().toStdString(), "Notes & Comments");
    EXPECT_TRUE(model->index(0, 4).data(ui::kDropDownRole).toBool());
    EXPECT_FALSE(model->index(0, 2).data(ui::kDropDownRole).toBool());
    EXPECT_EQ(test::CellOptions(view->GridCtrl(), 3, 0).size(), 14);

    QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
    test::TypeIntoCell(view->GridCtrl(), 3, 2, QStringLiteral("7"));
    EXPECT_EQ(view->Grid().Text(3, 2), "7");
    EXPECT_EQ(model->index(2, 3).data().toString().toStdString(), "Minutes");  // the unit hint, shown without a refresh
    EXPECT_GE(changed.count(), 2);
    test::PressKey(Qt::Key_Delete);  // the current cell moved on to the unit cell
    EXPECT_EQ(view->Grid().Text(3, 3), "");
    frame->Action(cmd::kClearGridMenu)->trigger();
    EXPECT_EQ(model->index(2, 2).data().toString().toStdString(), " ");
}

TEST(DataView, F4OpensTheActivityListAndTheKeyboardPicksAnEntry) {
    test::UiHome home;
    auto frame = test::StartMainFrame("80");
    ASSERT_TRUE(frame);
    ASSERT_TRUE(test::ShowActive(frame.get()));
    ui::CGridCtrl* grid = frame->DataView()->GridCtrl();
    grid->setFocus();
    grid->SetCurrentCell(0, 0);
    test::PressKey(Qt::Key_F4);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr) << "the list did not open";
    // The list is as wide as its longest name, wider than the cell: no name is cut.
    auto* view = popup->findChild<QAbstractItemView*>();
    ASSERT_NE(view, nullptr);
    int widest = 0;
    for (int row = 0; row < view->model()->rowCount(); ++row) {
        widest = std::max(widest, view->fontMetrics().horizontalAdvance(view->model()->index(row, 0).data().toString()));
    }
    EXPECT_GT(widest, grid->columnWidth(0));
    EXPECT_GE(view->viewport()->width(), widest);
    // The list starts on the first selected activity; Down and Return pick the second and end the
    // edit, moving on to the next cell. (Keys go to the list itself: the offscreen platform cannot
    // grab the keyboard for it.)
    QWidget* list = popup->focusWidget() ? popup->focusWidget() : popup;
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QCoreApplication::processEvents();  // picking from the list ends the edit from the event loop
    EXPECT_EQ(test::Cell(grid, 1, 0).toStdString(), "Cross country snow skiing, slow");
    EXPECT_EQ(grid->currentIndex().column(), 1);
}

}  // namespace
}  // namespace kt
