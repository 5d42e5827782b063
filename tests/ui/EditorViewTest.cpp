// The database editor and the commands around it, driven as a user does: Ctrl+V, the toolbar,
// header clicks, double-clicks, the context menu, tick boxes with the keyboard, Ctrl+Z.
#include <QAbstractItemModelTester>
#include <QCalendarWidget>
#include <QContextMenuEvent>
#include <QDir>
#include <QHeaderView>
#include <QMenu>
#include <QSplitter>
#include <QUrl>

#include "core/editor/ActivitySelection.h"
#include "core/settings/SettingsPersistence.h"
#include "core/update/UpdateSite.h"
#include "ui/Scenario.h"
#include "ui/app/KbShortcutsDlg.h"
#include "ui/views/EventRecordView.h"
#include "ui/views/NewDateDlg.h"

namespace kt {
namespace {

using ui::CEventRecordView;

struct EditorFixture : ::testing::Test, test::Program {
    void StartOn() {
        ASSERT_TRUE(Start({CEventRecord(LocalMidnight(2016, 1, 4), "Golf, general", "Front nine", 60, "Valley", 300, 80, 1, ""),
                           CEventRecord(LocalMidnight(2016, 1, 8), "Golf, general", "Back nine", 70, "Hilltop", 310, 81.5, 1, "sunny"),
                           CEventRecord(LocalMidnight(2016, 1, 9), "Swimming butterfly", "Laps", 30.04, "Pool", 400, 80, 1, "")}));
        editor = frame->EditorView();
    }
    // A key pressed in the main window. Without a window manager nothing gives the window its
    // activation back after a dialog or a popup menu closed, and shortcuts need it.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        QTest::keyClick(frame.get(), key, modifiers);
    }
    std::string Caption() const { return View()->ActionButton()->text().toStdString(); }
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
            for (QAction* action : menu->actions())
                if (action->text() == QString::fromUtf8(item))
                    chosen = true, QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
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
};

TEST_F(EditorFixture, CtrlVShowsTheRecordsNewestFirstHeaderClicksSortAndCtrlVHides) {
    StartOn();
    QAction* mode = frame->Action(cmd::kEditorMode);
    Key(Qt::Key_V);
    EXPECT_GT(frame->Splitter()->sizes().at(0), 0);
    QAbstractItemModelTester tester(editor->model(), QAbstractItemModelTester::FailureReportingMode::Warning);
    ASSERT_EQ(editor->model()->rowCount(), 3);
    EXPECT_EQ(CellText(0, 0) + "|" + CellText(0, 3) + "|" + CellText(2, 2), "Sat January 09, 2016|30.040|Front nine");
    EXPECT_EQ(Text(frame->Action(cmd::kToggleEditor)->text()), "Show Data Entry Screen");

    CEventRecordView::SortDirections().fill(false);
    ClickHeader(3);  // "Duration (min)": ascending first
    EXPECT_EQ(CellText(0, 3) + " " + CellText(1, 3) + " " + CellText(2, 3), "30.040 60.000 70.000");
    ClickHeader(3);
    EXPECT_EQ(CellText(0, 3), "70.000");
    EXPECT_EQ(editor->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);

    mode->trigger();
    EXPECT_EQ(editor->EditorMode(), 1);
    EXPECT_EQ(editor->model()->rowCount(), kActivityCount);
    Key(Qt::Key_V);
    EXPECT_EQ(frame->Splitter()->sizes().at(0), 0);
    EXPECT_EQ(Text(View()->PromptText()), "Enter the exercise data for the selected date.");
}

TEST_F(EditorFixture, DeletedRedatedOrReplacedRecordComesBackAtItsPlaceWithCtrlZ) {
    StartOn();
    Key(Qt::Key_V);
    const std::string before = test::DumpRecords(frame.Doc());
    ChooseFromContextMenu(1, "Delete Exercise Record");  // row 1 shows position 1
    ASSERT_EQ(frame.Doc().Records().size(), 2u);
    EXPECT_EQ(frame.Doc().Records()[1].m_strDescription, "Laps");
    EXPECT_TRUE(home.prompter.questions.empty());  // no question: undo is the safety net
    Key(Qt::Key_Z);
    EXPECT_EQ(test::DumpRecords(frame.Doc()), before);
    EXPECT_FALSE(frame.Doc().IsChanged());  // back at what the file holds
    Key(Qt::Key_Y);
    EXPECT_EQ(frame.Doc().Records().size(), 2u);
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
    Key(Qt::Key_Z);
    EXPECT_EQ(test::DumpRecords(frame.Doc()), before);

    // A double-clicked record is replaced in place, unless it was deleted meanwhile.
    DoubleClickRow(1);
    ui::CGridCtrl* grid = Grid();
    EXPECT_EQ(Text(test::Cell(grid, 1, 1) + QLatin1Char('|') + test::Cell(grid, 1, 6)), "Back nine|sunny");
    EXPECT_EQ(Caption(), "Replace Record");
    test::TypeIntoCell(grid, 1, 5, QStringLiteral("333"));
    QTest::mouseClick(View()->ActionButton(), Qt::LeftButton);
    const auto& records = frame.Doc().Records();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].m_strDescription, "Back nine");
    EXPECT_DOUBLE_EQ(records[1].m_dCalories, 333);
    EXPECT_EQ(Caption(), "Read Data Grid");
    Key(Qt::Key_Z);
    EXPECT_EQ(test::DumpRecords(frame.Doc()), before);
    DoubleClickRow(1);
    ChooseFromContextMenu(1, "Delete Exercise Record");
    const std::string afterDelete = test::DumpRecords(frame.Doc());
    QTest::mouseClick(View()->ActionButton(), Qt::LeftButton);
    EXPECT_EQ(test::DumpRecords(frame.Doc()), afterDelete);
    ASSERT_EQ(home.prompter.messages.size(), 1u);
    EXPECT_EQ(home.prompter.messages[0].rfind("The exercise record loaded for correction is no longer in the database", 0), 0u);
    EXPECT_EQ(Text(test::Cell(grid, 1, 1)), "Back nine");  // nothing typed is lost
}

TEST_F(EditorFixture, TicksAppendInTickOrderDoubleClickRenamesAndCtrlZTakesEachBack) {
    StartOn();
    frame->Action(cmd::kShowActivities)->trigger();
    ASSERT_EQ(editor->EditorMode(), 1);
    auto& selected = frame.Settings().m_arSelectedActivities;
    std::vector<uint16_t> expected = selected;
    ASSERT_FALSE(IsSelected(expected, 3) || IsSelected(expected, 2));
    for (int row : {3, 2}) {
        editor->setFocus();
        editor->setCurrentIndex(editor->model()->index(row, 0));
        QTest::keyClick(editor, Qt::Key_Space);
    }
    expected.push_back(3);
    expected.push_back(2);
    EXPECT_EQ(selected, expected);
    // The drop-downs offer them in that order, and the store holds them at once.
    const QStringList options = test::CellOptions(Grid(), 1, 0);
    EXPECT_EQ(Text(options.mid(options.size() - 2).join(QLatin1Char('|'))),
              frame.Activities().At(3).name + "|" + frame.Activities().At(2).name);
    const auto stored = frame.session->store->ReadValue(kSettingsKeyPath, "Events");
    ASSERT_TRUE(stored);
    EXPECT_EQ(DecodeSelectedActivities(stored->data), expected);
    Key(Qt::Key_Z);
    expected.pop_back();
    EXPECT_EQ(selected, expected);
    EXPECT_EQ(editor->model()->index(2, 0).data(Qt::CheckStateRole).toInt(), Qt::Unchecked);

    const std::string old = frame.Activities().At(5).name;
    DoubleClickRow(5);
    EXPECT_EQ(Caption(), "Replace Activity Data");
    test::TypeIntoCell(Grid(), 1, 0, QStringLiteral("Renamed"));
    Key(Qt::Key_R);
    EXPECT_EQ(frame.Activities().At(5).name + "|" + CellText(5, 0), "Renamed|Renamed");
    Key(Qt::Key_Z);
    EXPECT_EQ(frame.Activities().At(5).name + "|" + CellText(5, 0), old + "|" + old);

    // The action button: the ticks in row order.
    QTest::mouseClick(View()->ActionButton(), Qt::LeftButton);
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
    qputenv("PATH", QByteArray(home.home().string().c_str()));
    frame->Action(cmd::kCalculator)->trigger();
    qputenv("PATH", path);
    EXPECT_EQ(home.prompter.messages, (std::vector<std::string>{"Unable to run calculator: The specified file was not found. "}));

    test::DesktopOpens opener;
    const QString old = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(home.home().string()));
    Key(Qt::Key_F1, Qt::NoModifier);  // no help file here: nothing happens
    test::WriteAll(home.home() / "KT.chm", "help");
    Key(Qt::Key_F1, Qt::NoModifier);
    frame->Action(cmd::kWebSite)->trigger();
    QDir::setCurrent(old);
    EXPECT_EQ(opener.opened,
              (std::vector<std::string>{Text(QUrl::fromLocalFile(QString::fromStdString((home.home() / "KT.chm").string())).toString()),
                                        WebSiteUrl(ConfiguredUpdateSite())}));
    EXPECT_EQ(home.prompter.messages.size(), 1u);
}

}  // namespace
}  // namespace kt
