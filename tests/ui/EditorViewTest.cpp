// The database editor and the commands around it, driven as a user does: Ctrl+V, the toolbar,
// header clicks, double-clicks, the context menu, tick boxes with the keyboard, Ctrl+Z.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCalendarWidget>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <QUrl>

#include "core/app/Commands.h"
#include "core/base/Format.h"
#include "core/editor/ActivitySelection.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsPersistence.h"
#include "core/update/UpdateSite.h"
#include "ui/app/EditHistory.h"
#include "ui/app/KbShortcutsDlg.h"
#include "ui/app/MainFrame.h"
#include "ui/base/DesktopOpener.h"
#include "ui/support/UiTestSupport.h"
#include "ui/views/DataView.h"
#include "ui/views/EventRecordView.h"
#include "ui/views/NewDateDlg.h"
#include "ui/views/RecordListModel.h"
#include "ui/widgets/GridCtrl.h"
#include "ui/widgets/OwnerDrawButton.h"

namespace kt {
namespace {

using ui::CEventRecordView;

Time64 Wednesday() { return MakeLocalTime(2016, 1, 13, 12, 0, 0); }

std::vector<CEventRecord> ThreeRecords() {
    CEventRecord archived(LocalMidnight(2016, 1, 8), "Golf, general", "Back nine", 70, "Hilltop", 310, 81.5, 1, "sunny");
    return {CEventRecord(LocalMidnight(2016, 1, 4), "Golf, general", "Front nine", 60, "Valley", 300, 80, 1, ""), archived,
            CEventRecord(LocalMidnight(2016, 1, 9), "Swimming butterfly", "Laps", 30.04, "Pool", 400, 80, 1, "")};
}

std::string Dump(const CKT2Doc& doc) {
    std::string out;
    for (const CEventRecord& r : doc.Records()) {
        out += Format("%lld|%s|%s|%.17g|%s|%.17g|%.17g|%d|%u|%s\n", static_cast<long long>(r.m_time), r.m_strType.c_str(),
                      r.m_strDescription.c_str(), r.m_dDuration, r.m_strLocation.c_str(), r.m_dCalories, r.m_dWeight, r.m_bMetric,
                      r.m_nFile, r.m_strNotes.c_str());
    }
    return out;
}

struct EditorFixture : ::testing::Test {
    void Start(const std::vector<CEventRecord>& records = ThreeRecords()) {
        test::WriteDatabase(home.DataFolder(), records);
        frame = test::StartMainFrame("80");
        ASSERT_TRUE(frame);
        ASSERT_TRUE(test::ShowActive(frame.get()));
        editor = frame->EditorView();
        view = frame->DataView();
    }
    // A key pressed in the main window. Without a window manager nothing gives the window its
    // activation back after a dialog or a popup menu closed, and shortcuts need it.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        QTest::keyClick(frame.get(), key, modifiers);
    }
    void CtrlV() { Key(Qt::Key_V); }
    std::string Prompt() const { return view->PromptText().toStdString(); }
    std::string Caption() const { return view->ActionButton()->text().toStdString(); }
    std::string CellText(int row, int column) const { return editor->model()->index(row, column).data().toString().toStdString(); }
    QPoint RowPoint(int row) const { return editor->visualRect(editor->model()->index(row, 1)).center(); }
    // A user's double-click: the first click selects the row, the second one opens it.
    void DoubleClickRow(int row) {
        QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, RowPoint(row));
        QTest::mouseDClick(editor->viewport(), Qt::LeftButton, {}, RowPoint(row));
    }
    // Right-clicks `row` and chooses `item` from the menu that opens.
    void ChooseFromContextMenu(int row, const char* item) {
        QTest::mouseClick(editor->viewport(), Qt::RightButton, {}, RowPoint(row));
        bool chosen = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            poll.stop();
            for (QAction* action : menu->actions()) {
                if (action->text() == QString::fromUtf8(item)) {
                    chosen = true;
                    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
                }
            }
            if (!chosen) menu->close();
        });
        poll.start(10);
        QContextMenuEvent event(QContextMenuEvent::Mouse, RowPoint(row), editor->viewport()->mapToGlobal(RowPoint(row)));
        QApplication::sendEvent(editor->viewport(), &event);
        EXPECT_TRUE(chosen) << item;
    }
    void ClickHeader(int column) {
        QHeaderView* header = editor->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2));
    }

    test::UiHome home;
    test::ScopedClock now{Wednesday()};
    test::App frame;
    CEventRecordView* editor = nullptr;
    ui::CDataView* view = nullptr;
};

TEST_F(EditorFixture, CtrlVShowsTheRecordsNewestFirstAndHidesThemAgain) {
    Start();
    CtrlV();
    EXPECT_TRUE(frame->m_bEditorShown);
    EXPECT_GT(frame->Splitter()->sizes().at(0), 0);
    ASSERT_EQ(editor->model()->rowCount(), 3);
    EXPECT_EQ(CellText(0, 0) + "|" + CellText(0, 3) + "|" + CellText(2, 2), "Sat January 09, 2016|30.040|Front nine");
    EXPECT_EQ(Prompt(), "Select the exercise record to modify from above");
    EXPECT_EQ(Caption(), "Read Data Grid");
    EXPECT_EQ(frame->Action(cmd::kToggleEditor)->text().toStdString(), "Show Data Entry Screen");
    EXPECT_TRUE(frame->Action(cmd::kShowRecords)->isChecked());
    for (int c = 0; c < 8; ++c) EXPECT_EQ(editor->columnWidth(c), editor->viewport()->width() / 8) << c;
    QAbstractItemModelTester tester(editor->model(), QAbstractItemModelTester::FailureReportingMode::Warning);

    CtrlV();
    EXPECT_FALSE(frame->m_bEditorShown);
    EXPECT_EQ(frame->Splitter()->sizes().at(0), 0);
    EXPECT_EQ(Prompt(), "Enter the exercise data for the selected date.");
    EXPECT_EQ(frame->Action(cmd::kToggleEditor)->text().toStdString(), "Edit the exercise database");
    EXPECT_FALSE(frame->Action(cmd::kShowRecords)->isChecked());
}

TEST_F(EditorFixture, ModeButtonDoesNothingWhileHiddenAndSwitchesModesWhenShown) {
    Start();
    QAction* mode = frame->Action(cmd::kEditorMode);
    ASSERT_NE(mode, nullptr);
    mode->trigger();
    EXPECT_FALSE(frame->m_bEditorShown);
    EXPECT_EQ(editor->EditorMode(), 0);
    EXPECT_NE(Prompt(), "Select the activity to modify from above");

    CtrlV();
    mode->trigger();
    EXPECT_EQ(editor->EditorMode(), 1);
    EXPECT_EQ(Prompt(), "Select the activity to modify from above");
    EXPECT_EQ(Caption(), "Update Selected Activities");
    EXPECT_EQ(editor->model()->rowCount(), kActivityCount);
    EXPECT_EQ(editor->model()->headerData(1, Qt::Horizontal).toString().toStdString(), "Mets");
    EXPECT_EQ(editor->columnWidth(0), 2 * editor->viewport()->width() / 3);
    EXPECT_FALSE(frame->Action(cmd::kShowRecords)->isChecked());
    mode->trigger();
    EXPECT_EQ(editor->EditorMode(), 0);
    EXPECT_EQ(Caption(), "Read Data Grid");
}

TEST_F(EditorFixture, DeletedRecordComesBackAtItsPlaceWithCtrlZ) {
    Start();
    CtrlV();
    const std::string before = Dump(frame.Doc());
    ChooseFromContextMenu(1, "Delete Exercise Record");  // row 1 shows position 1
    ASSERT_EQ(frame.Doc().Records().size(), 2u);
    EXPECT_EQ(frame.Doc().Records()[1].m_strDescription, "Laps");
    EXPECT_EQ(editor->model()->rowCount(), 2);
    EXPECT_TRUE(frame.Doc().IsChanged());
    EXPECT_TRUE(home.prompter.questions.empty());  // no question: undo is the safety net
    EXPECT_EQ(frame->Action(cmd::kUndo)->text().toStdString(), "&Undo Delete Exercise Record");

    Key(Qt::Key_Z);
    EXPECT_EQ(Dump(frame.Doc()), before);
    EXPECT_EQ(CellText(1, 2), "Back nine");
    EXPECT_FALSE(frame.Doc().IsChanged());  // back at what the file holds
    Key(Qt::Key_Y);
    EXPECT_EQ(frame.Doc().Records().size(), 2u);
    Key(Qt::Key_Z);
    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(frame.Doc().Records().size(), 2u);
    EXPECT_EQ(frame->Action(cmd::kRedo)->text().toStdString(), "&Redo");  // nothing left to redo

    // A save is a new clean point; undo after it is a change again.
    Key(Qt::Key_S);
    EXPECT_FALSE(frame.Doc().IsChanged());
    Key(Qt::Key_Z);
    EXPECT_EQ(Dump(frame.Doc()), before);
    EXPECT_TRUE(frame.Doc().IsChanged());
}

// Twins by the duplicate key (same day, type, texts, 30.04 and 29.96 minutes both 300 tenths):
// the row clicked is the record acted on, not the twin at the lower array position.
TEST_F(EditorFixture, ActionsTakeTheRecordOfTheRowEvenWhenItHasATwin) {
    CEventRecord first(LocalMidnight(2016, 1, 4), "Golf, general", "Nine", 30.04, "Park", 100, 80, 1, "first");
    CEventRecord second = first;
    second.m_dDuration = 29.96;
    second.m_strNotes = "second";
    Start({first, second});
    CtrlV();
    ChooseFromContextMenu(1, "Delete Exercise Record");  // row 1 shows position 0
    ASSERT_EQ(frame.Doc().Records().size(), 1u);
    EXPECT_EQ(frame.Doc().Records()[0].m_strNotes, "second");
    Key(Qt::Key_Z);
    DoubleClickRow(0);
    EXPECT_EQ(test::Cell(view->GridCtrl(), 1, 6).toStdString(), "second");
}

TEST_F(EditorFixture, NewDateKeepsThePositionAndCancelChangesNothing) {
    Start();
    CtrlV();
    const std::string before = Dump(frame.Doc());
    test::OnNextDialog<ui::CNewDateDlg>([](ui::CNewDateDlg* dlg) { dlg->reject(); });
    ChooseFromContextMenu(2, "Change Record Date");
    EXPECT_EQ(Dump(frame.Doc()), before);
    EXPECT_FALSE(frame.Doc().IsChanged());

    test::OnNextDialog<ui::CNewDateDlg>([](ui::CNewDateDlg* dlg) {
        EXPECT_EQ(dlg->windowTitle().toStdString(), "Select a new date for this record");
        EXPECT_EQ(dlg->Calendar()->selectedDate(), QDate(2016, 1, 13));  // opens on today
        dlg->Calendar()->setSelectedDate(QDate(2016, 2, 29));
        dlg->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    ChooseFromContextMenu(2, "Change Record Date");  // row 2 shows position 0
    EXPECT_EQ(frame.Doc().Records()[0].m_time, LocalMidnight(2016, 2, 29));
    EXPECT_EQ(frame.Doc().Records()[0].m_strDescription, "Front nine");
    EXPECT_EQ(CellText(2, 0), "Mon February 29, 2016");
    Key(Qt::Key_Z);
    EXPECT_EQ(Dump(frame.Doc()), before);
}

TEST_F(EditorFixture, DoubleClickedRecordIsReplacedInPlaceAndCtrlZRestoresIt) {
    Start();
    CtrlV();
    const std::string before = Dump(frame.Doc());
    DoubleClickRow(1);
    ui::CGridCtrl* grid = view->GridCtrl();
    EXPECT_EQ(test::Cell(grid, 1, 1).toStdString(), "Back nine");
    EXPECT_EQ(test::Cell(grid, 1, 6).toStdString(), "sunny");  // the notes, not the weight
    EXPECT_EQ(Caption(), "Replace Record");
    EXPECT_EQ(Prompt(), "Make corrections to exercise information for Friday January 08, 2016");
    EXPECT_EQ(editor->model()->index(1, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 0));
    EXPECT_EQ(editor->model()->index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(202, 202, 202));

    test::TypeIntoCell(grid, 1, 5, QStringLiteral("333"));
    QTest::mouseClick(view->ActionButton(), Qt::LeftButton);
    const auto& records = frame.Doc().Records();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].m_strDescription, "Back nine");
    EXPECT_DOUBLE_EQ(records[1].m_dCalories, 333);
    const double w0 = frame.Settings().m_bUseLastWeight ? frame.Doc().m_dLastWeight : 0.0;
    EXPECT_DOUBLE_EQ(records[1].m_dWeight, w0);  // the capture's weight, not the old 81.5
    EXPECT_EQ(Caption(), "Read Data Grid");
    EXPECT_EQ(frame->Action(cmd::kUndo)->text().toStdString(), "&Undo Replace Record");

    Key(Qt::Key_Z);
    EXPECT_EQ(Dump(frame.Doc()), before);
    // The row stays highlighted by its position.
    EXPECT_EQ(editor->model()->index(1, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 0));
}

TEST_F(EditorFixture, CorrectionOfARecordDeletedMeanwhileIsRefused) {
    Start();
    CtrlV();
    DoubleClickRow(1);
    ChooseFromContextMenu(1, "Delete Exercise Record");
    const std::string afterDelete = Dump(frame.Doc());
    QTest::mouseClick(view->ActionButton(), Qt::LeftButton);
    EXPECT_EQ(Dump(frame.Doc()), afterDelete);
    ASSERT_EQ(home.prompter.messages.size(), 1u);
    EXPECT_EQ(home.prompter.messages[0].rfind("The exercise record loaded for correction is no longer in the database", 0), 0u);
    EXPECT_EQ(test::Cell(view->GridCtrl(), 1, 1).toStdString(), "Back nine");  // nothing typed is lost
}

TEST_F(EditorFixture, HeaderClicksSortAndFlipTheArrow) {
    Start();
    CtrlV();
    CEventRecordView::SortDirections().fill(false);
    ClickHeader(3);  // "Duration (min)": ascending first
    EXPECT_EQ(CellText(0, 3) + " " + CellText(1, 3) + " " + CellText(2, 3), "30.040 60.000 70.000");
    EXPECT_EQ(editor->horizontalHeader()->sortIndicatorSection(), 3);
    EXPECT_EQ(editor->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
    ClickHeader(3);
    EXPECT_EQ(CellText(0, 3), "70.000");
    EXPECT_EQ(editor->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    ClickHeader(6);  // "Weight" does not sort
    EXPECT_EQ(CellText(0, 3), "70.000");
    EXPECT_EQ(editor->horizontalHeader()->sortIndicatorSection(), 3);
    ClickHeader(0);
    EXPECT_EQ(CellText(0, 0), "Mon January 04, 2016");

    // A record deleted from the sorted list leaves the rest sorted.
    ChooseFromContextMenu(0, "Delete Exercise Record");
    EXPECT_EQ(CellText(0, 0), "Fri January 08, 2016");
    Key(Qt::Key_Z);
    EXPECT_EQ(CellText(0, 0), "Mon January 04, 2016");
    EXPECT_EQ(editor->model()->rowCount(), 3);
}

TEST_F(EditorFixture, TicksAppendInTickOrderAndCtrlZTakesATickBack) {
    Start();
    frame->Action(cmd::kShowActivities)->trigger();
    ASSERT_EQ(editor->EditorMode(), 1);
    auto& selected = frame.Settings().m_arSelectedActivities;
    const std::vector<uint16_t> initial = selected;
    ASSERT_FALSE(IsSelected(initial, 3) || IsSelected(initial, 2));
    const auto toggle = [this](int row) {
        editor->setFocus();
        editor->setCurrentIndex(editor->model()->index(row, 0));
        QTest::keyClick(editor, Qt::Key_Space);
    };
    toggle(3);
    toggle(2);
    toggle(3);
    toggle(3);
    std::vector<uint16_t> expected = initial;
    expected.push_back(2);
    expected.push_back(3);
    EXPECT_EQ(selected, expected);
    EXPECT_EQ(editor->model()->index(3, 0).data(Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_EQ(editor->model()->index(3, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
    EXPECT_EQ(editor->model()->index(4, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 255));
    // The drop-downs offer them in that order, and the store holds them at once.
    const QStringList options = test::CellOptions(view->GridCtrl(), 1, 0);
    EXPECT_EQ(options.mid(options.size() - 2).join(QStringLiteral("|")).toStdString(),
              frame.Activities().At(2).name + "|" + frame.Activities().At(3).name);
    const auto stored = frame.session->store->ReadValue(kSettingsKeyPath, "Events");
    ASSERT_TRUE(stored);
    EXPECT_EQ(DecodeSelectedActivities(stored->data), expected);

    Key(Qt::Key_Z);
    expected.pop_back();
    EXPECT_EQ(selected, expected);
    EXPECT_EQ(editor->model()->index(3, 0).data(Qt::CheckStateRole).toInt(), Qt::Unchecked);

    // The action button: the ticks in row order.
    QTest::mouseClick(view->ActionButton(), Qt::LeftButton);
    EXPECT_TRUE(std::is_sorted(selected.begin(), selected.end()));
    EXPECT_TRUE(frame.Settings().m_bSettingsChanged);
}

TEST_F(EditorFixture, DoubleClickedActivityIsRenamedAndCtrlZRestoresIt) {
    Start();
    frame->Action(cmd::kShowActivities)->trigger();
    const std::string old = frame.Activities().At(5).name;
    DoubleClickRow(5);
    EXPECT_EQ(Caption(), "Replace Activity Data");
    test::TypeIntoCell(view->GridCtrl(), 1, 0, QStringLiteral("Renamed"));
    Key(Qt::Key_R);
    EXPECT_EQ(frame.Activities().At(5).name, "Renamed");
    EXPECT_EQ(CellText(5, 0), "Renamed");
    EXPECT_TRUE(frame.Settings().m_bActivityListChanged);
    Key(Qt::Key_Z);
    EXPECT_EQ(frame.Activities().At(5).name, old);
    EXPECT_EQ(CellText(5, 0), old);
}

TEST_F(EditorFixture, KeyboardShortcutsDialogListsTenRowsColouredByRow) {
    Start();
    bool shown = false;
    test::OnNextDialog<ui::CKbShortcutsDlg>([&shown](ui::CKbShortcutsDlg* dlg) {
        shown = true;
        QTableView* list = dlg->List();
        EXPECT_EQ(dlg->windowTitle().toStdString(), "Keyboard Shortcuts");
        ASSERT_EQ(list->model()->rowCount(), 10);
        EXPECT_EQ(list->model()->headerData(0, Qt::Horizontal).toString().toStdString(), "Shortcut");
        EXPECT_EQ(list->model()->index(9, 1).data().toString().toStdString(), "Show this dialog box (Keyboard Shortcuts).");
        EXPECT_EQ(list->model()->index(2, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(232, 255, 232));
        EXPECT_EQ(list->model()->index(3, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(132, 0, 0));
        EXPECT_EQ(list->columnWidth(0), list->viewport()->width() / 4);
        dlg->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    Key(Qt::Key_K);
    EXPECT_TRUE(shown);
}

TEST_F(EditorFixture, CalculatorFromPathOrTheMessageWhenThereIsNone) {
    Start();
    const QByteArray path = qgetenv("PATH");
    const std::filesystem::path bin = home.home() / "bin";
    std::filesystem::create_directories(bin);
    qputenv("PATH", QByteArray(bin.string().c_str()));
    frame->Action(cmd::kCalculator)->trigger();
    EXPECT_EQ(home.prompter.messages, (std::vector<std::string>{"Unable to run calculator: The specified file was not found. "}));

    // The second of the list, as the desktop would have it.
    const std::filesystem::path marker = home.home() / "kcalc-ran";
    // Only the shell's own redirection: the program runs with the PATH it was found in.
    test::WriteAll(bin / "kcalc", "#!/bin/sh\n: > '" + marker.string() + "'\n");
    std::filesystem::permissions(bin / "kcalc", std::filesystem::perms::owner_all);
    frame->Action(cmd::kCalculator)->trigger();
    qputenv("PATH", path);
    for (int i = 0; i < 100 && !std::filesystem::exists(marker); ++i) QTest::qWait(20);
    EXPECT_TRUE(std::filesystem::exists(marker));
    EXPECT_EQ(home.prompter.messages.size(), 1u);
}

TEST_F(EditorFixture, HelpAndWebSiteOpenWithTheDesktop) {
    Start();
    std::vector<QUrl> opened;
    ui::SetDesktopOpenerForTesting([&opened](const QUrl& url) {
        opened.push_back(url);
        return true;
    });
    const QString old = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(home.home().string()));
    Key(Qt::Key_F1, Qt::NoModifier);  // no help file here: nothing happens
    test::WriteAll(home.home() / "KT.chm", "help");
    Key(Qt::Key_F1, Qt::NoModifier);
    frame->Action(cmd::kWebSite)->trigger();
    QDir::setCurrent(old);
    ui::SetDesktopOpenerForTesting(nullptr);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(QString::fromStdString((home.home() / "KT.chm").string())));
    EXPECT_EQ(opened[1].toString().toStdString(), WebSiteUrl(ConfiguredUpdateSite()));
    EXPECT_TRUE(home.prompter.messages.empty());
}

// Every command of the menus and the toolbar has its handler now; only File -> Print stays
// disabled (Ctrl+P prints), and Undo/Redo follow what there is to take back.
TEST_F(EditorFixture, EveryMenuItemAndToolbarButtonIsEnabledButFilePrint) {
    Start();
    int items = 0;
    for (QAction* menu : frame->menuBar()->actions()) {
        for (QAction* item : menu->menu()->actions()) {
            if (item->isSeparator()) continue;
            ++items;
            const int command = item->data().toInt();
            const bool expected = command != cmd::kFilePrint && command != cmd::kUndo && command != cmd::kRedo;
            EXPECT_EQ(item->isEnabled(), expected) << item->text().toStdString();
        }
    }
    EXPECT_EQ(items, 32);
    for (const ToolbarButton& b : ToolbarButtons()) EXPECT_TRUE(frame->Action(b.command)->isEnabled()) << b.command;
    for (const Accelerator& a : Accelerators()) EXPECT_TRUE(frame->Action(a.command)->isEnabled()) << a.keys;
    EXPECT_EQ(frame->menuBar()->actions().at(4)->text().toStdString(), "&Edit");

    frame->Action(cmd::kViewToolbar)->trigger();
    EXPECT_FALSE(frame->Action(cmd::kViewToolbar)->isChecked());
    frame->Action(cmd::kViewToolbar)->trigger();
    EXPECT_TRUE(frame->Action(cmd::kViewToolbar)->isChecked());
}

}  // namespace
}  // namespace kt
