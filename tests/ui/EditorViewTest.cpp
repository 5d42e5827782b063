// The database editor and the commands around it, driven as a user does: Ctrl+V, the toolbar,
// header clicks, double-clicks, the context menu, tick boxes with the keyboard, Ctrl+Z.
#include <QAbstractItemModelTester>
#include <QCalendarWidget>
#include <QContextMenuEvent>
#include <QDir>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QUrl>

#include "core/editor/ActivitySelection.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsPersistence.h"
#include "core/update/UpdateSite.h"
#include "ui/Scenario.h"
#include "ui/app/KbShortcutsDlg.h"
#include "ui/views/EventRecordView.h"
#include "ui/views/NewDateDlg.h"

namespace kt {
namespace {

using ui::CEventRecordView;

std::vector<CEventRecord> ThreeRecords() {
    return {CEventRecord(LocalMidnight(2016, 1, 4), "Golf, general", "Front nine", 60, "Valley", 300, 80, 1, ""),
            CEventRecord(LocalMidnight(2016, 1, 8), "Golf, general", "Back nine", 70, "Hilltop", 310, 81.5, 1, "sunny"),
            CEventRecord(LocalMidnight(2016, 1, 9), "Swimming butterfly", "Laps", 30.04, "Pool", 400, 80, 1, "")};
}

struct EditorFixture : ::testing::Test, test::Program {
    void StartOn(const std::vector<CEventRecord>& records = ThreeRecords()) {
        ASSERT_TRUE(Start(records));
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
    std::string Prompt() const { return view->PromptText().toStdString(); }
    std::string Caption() const { return view->ActionButton()->text().toStdString(); }
    std::string CellText(int row, int column) const { return editor->model()->index(row, column).data().toString().toStdString(); }
    QColor RowColour(int row) const { return editor->model()->index(row, 0).data(Qt::BackgroundRole).value<QColor>(); }
    std::string Undo() const { return frame->Action(cmd::kUndo)->text().toStdString(); }
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
                if (action->text() != QString::fromUtf8(item)) continue;
                chosen = true;
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
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

    CEventRecordView* editor = nullptr;
    ui::CDataView* view = nullptr;
};

TEST_F(EditorFixture, CtrlVShowsTheRecordsNewestFirstTheModeButtonSwitchesAndCtrlVHides) {
    StartOn();
    QAction* mode = frame->Action(cmd::kEditorMode);
    mode->trigger();  // does nothing while the editor is hidden
    EXPECT_FALSE(frame->m_bEditorShown);
    EXPECT_EQ(editor->EditorMode(), 0);
    Key(Qt::Key_V);
    EXPECT_GT(frame->Splitter()->sizes().at(0), 0);
    QAbstractItemModelTester tester(editor->model(), QAbstractItemModelTester::FailureReportingMode::Warning);
    ASSERT_EQ(editor->model()->rowCount(), 3);
    EXPECT_EQ(CellText(0, 0) + "|" + CellText(0, 3) + "|" + CellText(2, 2), "Sat January 09, 2016|30.040|Front nine");
    EXPECT_EQ(Prompt() + "|" + Caption(), "Select the exercise record to modify from above|Read Data Grid");
    EXPECT_EQ(frame->Action(cmd::kToggleEditor)->text().toStdString(), "Show Data Entry Screen");
    EXPECT_TRUE(frame->Action(cmd::kShowRecords)->isChecked());

    mode->trigger();
    EXPECT_EQ(editor->EditorMode(), 1);
    EXPECT_EQ(Prompt() + "|" + Caption(), "Select the activity to modify from above|Update Selected Activities");
    EXPECT_EQ(editor->model()->rowCount(), kActivityCount);
    EXPECT_FALSE(frame->Action(cmd::kShowRecords)->isChecked());
    mode->trigger();
    EXPECT_EQ(Caption(), "Read Data Grid");

    Key(Qt::Key_V);
    EXPECT_FALSE(frame->m_bEditorShown);
    EXPECT_EQ(frame->Splitter()->sizes().at(0), 0);
    EXPECT_EQ(Prompt(), "Enter the exercise data for the selected date.");
    EXPECT_EQ(frame->Action(cmd::kToggleEditor)->text().toStdString(), "Edit the exercise database");
}

TEST_F(EditorFixture, DeletedOrRedatedRecordComesBackAtItsPlaceWithCtrlZ) {
    StartOn();
    Key(Qt::Key_V);
    const std::string before = test::DumpRecords(frame.Doc());
    ChooseFromContextMenu(1, "Delete Exercise Record");  // row 1 shows position 1
    ASSERT_EQ(frame.Doc().Records().size(), 2u);
    EXPECT_EQ(frame.Doc().Records()[1].m_strDescription, "Laps");
    EXPECT_EQ(editor->model()->rowCount(), 2);
    EXPECT_TRUE(home.prompter.questions.empty());  // no question: undo is the safety net
    EXPECT_EQ(Undo(), "&Undo Delete Exercise Record");
    Key(Qt::Key_Z);
    EXPECT_EQ(test::DumpRecords(frame.Doc()), before);
    EXPECT_EQ(CellText(1, 2), "Back nine");
    EXPECT_FALSE(frame.Doc().IsChanged());  // back at what the file holds
    Key(Qt::Key_Y);
    EXPECT_EQ(frame.Doc().Records().size(), 2u);
    EXPECT_EQ(frame->Action(cmd::kRedo)->text().toStdString(), "&Redo");  // nothing left to redo
    // A save is a new clean point; undo after it is a change again.
    Key(Qt::Key_S);
    EXPECT_FALSE(frame.Doc().IsChanged());
    Key(Qt::Key_Z);
    EXPECT_EQ(test::DumpRecords(frame.Doc()), before);
    EXPECT_TRUE(frame.Doc().IsChanged());

    // A new date keeps the record's position; Cancel changes nothing.
    test::OnNextDialog<ui::CNewDateDlg>([](ui::CNewDateDlg* dlg) { dlg->reject(); });
    ChooseFromContextMenu(2, "Change Record Date");
    EXPECT_EQ(test::DumpRecords(frame.Doc()), before);
    test::OnNextDialog<ui::CNewDateDlg>([](ui::CNewDateDlg* dlg) {
        EXPECT_EQ(dlg->Calendar()->selectedDate(), QDate(2016, 1, 13));  // opens on today
        dlg->Calendar()->setSelectedDate(QDate(2016, 2, 29));
        test::OkButton(dlg)->click();
    });
    ChooseFromContextMenu(2, "Change Record Date");  // row 2 shows position 0
    EXPECT_EQ(frame.Doc().Records()[0].m_time, LocalMidnight(2016, 2, 29));
    EXPECT_EQ(frame.Doc().Records()[0].m_strDescription, "Front nine");
    EXPECT_EQ(CellText(2, 0), "Mon February 29, 2016");
    Key(Qt::Key_Z);
    EXPECT_EQ(test::DumpRecords(frame.Doc()), before);
}

// Twins by the duplicate key (same day, type, texts, 30.04 and 29.96 minutes both 300 tenths):
// the row clicked is the record acted on, not the twin at the lower array position.
TEST_F(EditorFixture, ActionsTakeTheRecordOfTheRowEvenWhenItHasATwin) {
    CEventRecord first(LocalMidnight(2016, 1, 4), "Golf, general", "Nine", 30.04, "Park", 100, 80, 1, "first");
    CEventRecord second = first;
    second.m_dDuration = 29.96;
    second.m_strNotes = "second";
    StartOn({first, second});
    Key(Qt::Key_V);
    ChooseFromContextMenu(1, "Delete Exercise Record");  // row 1 shows position 0
    ASSERT_EQ(frame.Doc().Records().size(), 1u);
    EXPECT_EQ(frame.Doc().Records()[0].m_strNotes, "second");
    Key(Qt::Key_Z);
    DoubleClickRow(0);
    EXPECT_EQ(test::Cell(view->GridCtrl(), 1, 6).toStdString(), "second");
}

TEST_F(EditorFixture, DoubleClickedRecordIsReplacedInPlaceUnlessItWasDeletedMeanwhile) {
    StartOn();
    Key(Qt::Key_V);
    const std::string before = test::DumpRecords(frame.Doc());
    DoubleClickRow(1);
    ui::CGridCtrl* grid = view->GridCtrl();
    EXPECT_EQ(test::Cell(grid, 1, 1).toStdString() + "|" + test::Cell(grid, 1, 6).toStdString(), "Back nine|sunny");
    EXPECT_EQ(Caption(), "Replace Record");
    EXPECT_EQ(Prompt(), "Make corrections to exercise information for Friday January 08, 2016");
    EXPECT_EQ(RowColour(1), QColor(255, 255, 0));
    EXPECT_EQ(RowColour(0), QColor(202, 202, 202));
    test::TypeIntoCell(grid, 1, 5, QStringLiteral("333"));
    QTest::mouseClick(view->ActionButton(), Qt::LeftButton);
    const auto& records = frame.Doc().Records();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].m_strDescription, "Back nine");
    EXPECT_DOUBLE_EQ(records[1].m_dCalories, 333);
    EXPECT_DOUBLE_EQ(records[1].m_dWeight, frame.Settings().m_bUseLastWeight ? frame.Doc().m_dLastWeight : 0.0);  // not the old 81.5
    EXPECT_EQ(Caption(), "Read Data Grid");
    EXPECT_EQ(Undo(), "&Undo Replace Record");
    Key(Qt::Key_Z);
    EXPECT_EQ(test::DumpRecords(frame.Doc()), before);
    EXPECT_EQ(RowColour(1), QColor(255, 255, 0));  // the row stays highlighted by its position

    DoubleClickRow(1);
    ChooseFromContextMenu(1, "Delete Exercise Record");
    const std::string afterDelete = test::DumpRecords(frame.Doc());
    QTest::mouseClick(view->ActionButton(), Qt::LeftButton);
    EXPECT_EQ(test::DumpRecords(frame.Doc()), afterDelete);
    ASSERT_EQ(home.prompter.messages.size(), 1u);
    EXPECT_EQ(home.prompter.messages[0].rfind("The exercise record loaded for correction is no longer in the database", 0), 0u);
    EXPECT_EQ(test::Cell(grid, 1, 1).toStdString(), "Back nine");  // nothing typed is lost
}

TEST_F(EditorFixture, HeaderClicksSortAndFlipTheArrow) {
    StartOn();
    Key(Qt::Key_V);
    CEventRecordView::SortDirections().fill(false);
    ClickHeader(3);  // "Duration (min)": ascending first
    EXPECT_EQ(CellText(0, 3) + " " + CellText(1, 3) + " " + CellText(2, 3), "30.040 60.000 70.000");
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
}

TEST_F(EditorFixture, TicksAppendInTickOrderDoubleClickRenamesAndCtrlZTakesEachBack) {
    StartOn();
    frame->Action(cmd::kShowActivities)->trigger();
    ASSERT_EQ(editor->EditorMode(), 1);
    auto& selected = frame.Settings().m_arSelectedActivities;
    std::vector<uint16_t> expected = selected;
    ASSERT_FALSE(IsSelected(expected, 3) || IsSelected(expected, 2));
    for (int row : {3, 2, 3, 3}) {
        editor->setFocus();
        editor->setCurrentIndex(editor->model()->index(row, 0));
        QTest::keyClick(editor, Qt::Key_Space);
    }
    expected.push_back(2);
    expected.push_back(3);
    EXPECT_EQ(selected, expected);
    EXPECT_EQ(editor->model()->index(3, 0).data(Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_EQ(editor->model()->index(3, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
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

    const std::string old = frame.Activities().At(5).name;
    DoubleClickRow(5);
    EXPECT_EQ(Caption(), "Replace Activity Data");
    test::TypeIntoCell(view->GridCtrl(), 1, 0, QStringLiteral("Renamed"));
    Key(Qt::Key_R);
    EXPECT_EQ(frame.Activities().At(5).name + "|" + CellText(5, 0), "Renamed|Renamed");
    EXPECT_TRUE(frame.Settings().m_bActivityListChanged);
    Key(Qt::Key_Z);
    EXPECT_EQ(frame.Activities().At(5).name + "|" + CellText(5, 0), old + "|" + old);

    // The action button: the ticks in row order.
    QTest::mouseClick(view->ActionButton(), Qt::LeftButton);
    EXPECT_TRUE(std::is_sorted(selected.begin(), selected.end()));
    EXPECT_TRUE(frame.Settings().m_bSettingsChanged);
}

TEST_F(EditorFixture, CalculatorHelpWebSiteAndShortcutsOpenFromTheirCommands) {
    StartOn();
    bool shortcuts = false;
    test::OnNextDialog<ui::CKbShortcutsDlg>([&shortcuts](ui::CKbShortcutsDlg* dlg) {
        shortcuts = dlg->List()->model()->rowCount() == 10;
        test::OkButton(dlg)->click();
    });
    Key(Qt::Key_K);
    EXPECT_TRUE(shortcuts);

    const QByteArray path = qgetenv("PATH");
    const std::filesystem::path bin = home.home() / "bin";
    std::filesystem::create_directories(bin);
    qputenv("PATH", QByteArray(bin.string().c_str()));
    frame->Action(cmd::kCalculator)->trigger();
    EXPECT_EQ(home.prompter.messages, (std::vector<std::string>{"Unable to run calculator: The specified file was not found. "}));
    // The second of the list, as the desktop would have it; only the shell's own redirection: the
    // program runs with the PATH it was found in.
    const std::filesystem::path marker = home.home() / "kcalc-ran";
    test::WriteAll(bin / "kcalc", "#!/bin/sh\n: > '" + marker.string() + "'\n");
    std::filesystem::permissions(bin / "kcalc", std::filesystem::perms::owner_all);
    frame->Action(cmd::kCalculator)->trigger();
    qputenv("PATH", path);
    for (int i = 0; i < 100 && !std::filesystem::exists(marker); ++i) QTest::qWait(20);
    EXPECT_TRUE(std::filesystem::exists(marker));

    test::DesktopOpens opener;
    const QString old = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(home.home().string()));
    Key(Qt::Key_F1, Qt::NoModifier);  // no help file here: nothing happens
    test::WriteAll(home.home() / "KT.chm", "help");
    Key(Qt::Key_F1, Qt::NoModifier);
    frame->Action(cmd::kWebSite)->trigger();
    QDir::setCurrent(old);
    EXPECT_EQ(opener.opened, (std::vector<std::string>{
                                 test::Text(QUrl::fromLocalFile(QString::fromStdString((home.home() / "KT.chm").string())).toString()),
                                 WebSiteUrl(ConfiguredUpdateSite())}));
    EXPECT_EQ(home.prompter.messages.size(), 1u);
}

// Every command of the menus and the toolbar has its handler; only File -> Print stays disabled
// (Ctrl+P prints), and Undo/Redo follow what there is to take back.
TEST_F(EditorFixture, EveryMenuItemAndToolbarButtonIsEnabledButFilePrint) {
    StartOn();
    int items = 0;
    for (QAction* menu : frame->menuBar()->actions()) {
        for (QAction* item : menu->menu()->actions()) {
            if (item->isSeparator()) continue;
            ++items;
            const int command = item->data().toInt();
            EXPECT_EQ(item->isEnabled(), command != cmd::kFilePrint && command != cmd::kUndo && command != cmd::kRedo)
                << item->text().toStdString();
        }
    }
    EXPECT_EQ(items, 32);
    for (const ToolbarButton& b : ToolbarButtons()) EXPECT_TRUE(frame->Action(b.command)->isEnabled()) << b.command;
    for (const Accelerator& a : Accelerators()) EXPECT_TRUE(frame->Action(a.command)->isEnabled()) << a.keys;
    frame->Action(cmd::kViewToolbar)->trigger();
    EXPECT_FALSE(frame->Action(cmd::kViewToolbar)->isChecked());
}

}  // namespace
}  // namespace kt
