// The window as a whole: how the form fits windows from a small laptop to a large monitor, what
// one run remembers of the window for the next, the title's unsaved mark and the save message,
// and the journal's changes reaching every view by themselves.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QSplitter>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>

#include "core/app/Commands.h"
#include "core/base/Format.h"
#include "core/base/LocalTime.h"
#include "core/settings/FileSettingsStore.h"
#include "core/settings/SettingsKey.h"
#include "ui/app/KTToolBar.h"
#include "ui/base/ShownColours.h"
#include "ui/support/UiTestSupport.h"
#include "ui/views/DataView.h"
#include "ui/widgets/ChartCtrl.h"
#include "ui/widgets/ColorStatic.h"
#include "ui/widgets/ColoredStatusBarCtrl.h"
#include "ui/widgets/GridCtrl.h"
#include "ui/widgets/OwnerDrawButton.h"

namespace kt {
namespace {

Time64 Wednesday() { return MakeLocalTime(2016, 1, 13, 12, 0, 0); }
double Day(int year, int month, int day) { return static_cast<double>(OleDayNumber(LocalMidnight(year, month, day))); }

CEventRecord Golf(int day, double minutes, const char* description = "Range") {
    return CEventRecord(LocalMidnight(2016, 1, day), "Golf, general", description, minutes, "Club", 100, 80, 1, "");
}

// The form's controls that must all be visible, with their names for the messages.
std::vector<std::pair<const char*, QWidget*>> FormControls(ui::CDataView* view) {
    return std::vector<std::pair<const char*, QWidget*>>{{"prompt", view->PromptLabel()},    {"action", view->ActionButton()},
                                                         {"exit", view->ExitButton()},       {"grid", view->GridCtrl()},
                                                         {"chart", view->Chart()},           {"day summary", view->DaySummaryPane()},
                                                         {"averages", view->AveragesPane()}, {"day heading", view->DayHeading()},
                                                         {"combo", view->AveragingCombo()},  {"details", view->DetailsButton()}};
}

TEST(Window, EveryControlIsVisibleWithoutScrollingAndExtraRoomGoesToChartAndSummaries) {
    test::UiHome home;
    test::ScopedClock now(Wednesday());
    test::WriteDatabase(home.DataFolder(), {Golf(11, 30), Golf(12, 45)});
    auto frame = test::StartMainFrame("80");
    ASSERT_TRUE(frame);
    ASSERT_TRUE(test::ShowActive(frame.get()));
    ui::CDataView* view = frame->DataView();
    int smallChart = 0, smallSummary = 0;
    for (const QSize& size : {QSize(1024, 640), QSize(1366, 768), QSize(2560, 1440)}) {
        frame->resize(size);
        QTest::qWait(30);
        ASSERT_EQ(frame->size(), size);
        EXPECT_FALSE(view->horizontalScrollBar()->isVisible()) << size.width();
        EXPECT_FALSE(view->verticalScrollBar()->isVisible()) << size.width();
        const QRect visible = view->viewport()->rect();
        std::vector<std::pair<const char*, QRect>> placed;
        for (const auto& [name, widget] : FormControls(view)) {
            const QRect r(widget->mapTo(view->viewport(), QPoint(0, 0)), widget->size());
            EXPECT_TRUE(widget->isVisible() && visible.contains(r)) << name << " at " << size.width();
            for (const auto& [other, rect] : placed) EXPECT_FALSE(r.intersects(rect)) << name << " / " << other << " at " << size.width();
            placed.emplace_back(name, r);
        }
        // All eight grid columns inside the grid, the status bar and the toolbar's last box shown.
        ui::CGridCtrl* grid = view->GridCtrl();
        EXPECT_LE(grid->columnViewportPosition(7) + grid->columnWidth(7), grid->viewport()->width() + 1) << size.width();
        EXPECT_TRUE(frame->StatusBarCtrl()->isVisible());
        EXPECT_TRUE(test::Child<QWidget>(frame->ToolBar(), "autoFill")->isVisible()) << size.width();
        if (size.width() == 1024) {
            smallChart = view->Chart()->height();
            smallSummary = view->DaySummaryPane()->height();
        }
    }
    EXPECT_GT(view->Chart()->height(), 2 * smallChart);
    EXPECT_GT(view->DaySummaryPane()->height(), 2 * smallSummary);
    EXPECT_GT(view->DaySummaryPane()->width(), 1100);
    // The newest day's bar is on the chart at every size.
    EXPECT_EQ(view->Chart()->ExercisePoints().back().x, Day(2016, 1, 12));
}

TEST(Window, PlaceSizeMaximizedStateAveragingPeriodAndWeightGraphComeBackInTheNextRun) {
    test::UiHome home;
    test::ScopedClock now(Wednesday());
    test::WriteDatabase(home.DataFolder(), {Golf(11, 30), Golf(12, 45)});
    const QRect placed(40, 30, 700, 500);
    {
        auto frame = test::StartMainFrame("80");
        ASSERT_TRUE(frame);
        frame->ShowAsLeft();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        frame->setGeometry(placed);
        QTest::qWait(20);
        QComboBox* combo = frame->DataView()->AveragingCombo();
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_End);
        frame->Action(cmd::kWeightGraphMenu)->trigger();
        frame->close();
    }
    FileSettingsStore store(FileSettingsStore::DefaultPath());
    CSettingsKey key(store);
    ASSERT_TRUE(key.Open("Software\\Kinetrax", false));
    EXPECT_EQ(Format("%d %d %d %d %d %d %d", key.ReadInt("WindowLeft", -1), key.ReadInt("WindowTop", -1), key.ReadInt("WindowWidth", -1),
                     key.ReadInt("WindowHeight", -1), key.ReadInt("WindowMaximized", -1), key.ReadInt("LastAveragingPeriod", -1),
                     key.ReadInt("ShowWeightGraph", -1)),
              "40 30 700 500 0 9 1");
    {
        auto frame = test::StartMainFrame("80");
        ASSERT_TRUE(frame);
        EXPECT_EQ(frame->DataView()->State().averagingPeriod, 9);
        EXPECT_EQ(frame->DataView()->AveragingCombo()->currentIndex(), 9);
        EXPECT_TRUE(frame->DataView()->Chart()->WeightVisible());
        // The stored defaults themselves were not changed by this.
        EXPECT_EQ(frame.Settings().m_nAveragingPeriod, 0);
        EXPECT_FALSE(frame.Settings().m_bMonitorWeight);
        frame->ShowAsLeft();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        EXPECT_EQ(frame->geometry(), placed);
        frame->showMaximized();
        QTest::qWait(20);
        frame->close();
    }
    auto frame = test::StartMainFrame("80");
    ASSERT_TRUE(frame);
    frame->ShowAsLeft();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    EXPECT_TRUE(frame->isMaximized());
    EXPECT_EQ(frame->normalGeometry(), placed);
}

TEST(Window, TitleMarksUnsavedChangesAndASaveSaysWhatItWroteWhere) {
    test::UiHome home;
    test::ScopedClock now(Wednesday());
    test::WriteDatabase(home.DataFolder(), {Golf(11, 30)});
    auto frame = test::StartMainFrame("80");
    ASSERT_TRUE(frame);
    ASSERT_TRUE(test::ShowActive(frame.get()));
    EXPECT_EQ(test::Text(frame->windowTitle()), "Kinetrax 2: Records starting January 11, 2016[*] - KT2");
    EXPECT_FALSE(frame->isWindowModified());
    test::CaptureOneRow(frame->DataView()->GridCtrl(), "Golf, general", "Course", "60");
    EXPECT_TRUE(frame->isWindowModified());
    test::PressKey(Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(frame->isWindowModified());
    EXPECT_EQ(test::Text(frame->StatusBarCtrl()->Prompt()), "Saved 2 records to " + (home.DataFolder() / "ExerciseData.edb").string());
}

// The journal's own operations, with no view told by hand: chart, summaries and both status
// panes follow.
TEST(Window, AChangeThroughTheDocumentReachesChartSummariesAndStatusPanes) {
    test::UiHome home;
    test::ScopedClock now(Wednesday());
    test::WriteDatabase(home.DataFolder(), {Golf(11, 30), Golf(12, 45)});
    auto frame = test::StartMainFrame("80");
    ASSERT_TRUE(frame);
    ui::CDataView* view = frame->DataView();
    ui::CColoredStatusBarCtrl* status = frame->StatusBarCtrl();
    EXPECT_EQ(view->Chart()->ExercisePoints().size(), 2u);
    EXPECT_EQ(test::Text(status->PaneText(2)), "Summary: 2 events, 1 days, average of 75.0 minutes & 200.0 calories per day");

    frame.Doc().AddRecord(Golf(13, 90, "Course"));
    EXPECT_EQ(view->Chart()->ExercisePoints().back(), (ChartPoint{Day(2016, 1, 13), 90}));
    EXPECT_EQ(test::Text(status->PaneText(2)), "Summary: 3 events, 2 days, average of 82.5 minutes & 150.0 calories per day");
    EXPECT_EQ(test::Text(status->PaneText(1)), "Today: 1 activity, 90.00 minutes, 100.0 calories");
    // On a small laptop screen the idle prompt pane gives way, so both sentences show whole.
    frame->show();
    frame->resize(1024, 640);
    QApplication::processEvents();
    EXPECT_TRUE(status->ShowsWholeText(1) && status->ShowsWholeText(2)) << status->width();
    EXPECT_EQ(test::Text(view->DayHeading()->text()), "Execise information for: Wednesday January 13, 2016");
    EXPECT_TRUE(view->AveragesPane()->toPlainText().contains(QStringLiteral("There are 3 exercise events")));
    EXPECT_TRUE(frame->isWindowModified());

    frame.Doc().ReplaceRecord(2, Golf(13, 20, "Course"));
    EXPECT_EQ(view->Chart()->ExercisePoints().back(), (ChartPoint{Day(2016, 1, 13), 20}));
    EXPECT_EQ(test::Text(status->PaneText(1)), "Today: 1 activity, 20.00 minutes, 100.0 calories");

    frame.Doc().DeleteRecord(2);
    frame.Doc().ChangeDate(0, LocalMidnight(2016, 1, 12));
    EXPECT_EQ(view->Chart()->ExercisePoints(), (std::vector<ChartPoint>{{Day(2016, 1, 12), 75}}));
    EXPECT_EQ(test::Text(status->PaneText(1)), "Today: 2 activities, 75.00 minutes, 200.0 calories");
    // Both records on one day: this week's average has no days to divide by.
    EXPECT_EQ(test::Text(view->AveragesPane()->toPlainText()), "Error calculating average duration.");
}

bool Shows(QWidget* widget, const QColor& colour) {
    const QImage image = widget->grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) return true;
    return false;
}

TEST(Window, ADarkPaletteShowsEveryFixedColourAsItsCounterpartAndTheLightOneBringsThemBack) {
    test::UiHome home;
    test::ScopedClock now(Wednesday());
    test::WriteDatabase(home.DataFolder(), {Golf(11, 30), Golf(13, 45)});
    auto frame = test::StartMainFrame("80");
    ASSERT_TRUE(frame);
    ASSERT_TRUE(test::ShowActive(frame.get()));
    ui::CDataView* view = frame->DataView();
    auto* label = test::Child<ui::CColorStatic>(frame->ToolBar(), "graphPeriodLabel");
    // What a user sees of a fixed colour, and the colour as the program gives it.
    const struct {
        const char* what;
        std::function<QColor()> seen;
        Rgb colour;
        ColourUse use;
    } probes[] = {
        {"toolbar label", [&] { return label->grab().toImage().pixelColor(1, 1); }, {220, 255, 220}, ColourUse::Fill},
        {"summary pane", [&] { return view->DaySummaryPane()->palette().color(QPalette::Base); }, {255, 255, 255}, ColourUse::Fill},
        {"chart",
         [&] { return view->Chart()->grab().toImage().pixelColor(view->Chart()->width() / 2, 3); },
         {255, 255, 255},
         ColourUse::Fill},
        {"action button", [&] { return view->ActionButton()->grab().toImage().pixelColor(4, 4); }, {240, 240, 255}, ColourUse::Fill},
        {"prompt", [&] { return view->PromptLabel()->palette().color(QPalette::WindowText); }, {255, 0, 0}, ColourUse::Text},
        {"day status pane",
         [&] {
             const QColor blue(0, 0, 255), light(168, 168, 245);  // what it paints on a light window and on a dark one
             return Shows(frame->StatusBarCtrl(), blue) ? blue : Shows(frame->StatusBarCtrl(), light) ? light : QColor();
         },
         {0, 0, 255},
         ColourUse::Text},
    };
    const QPalette light = QApplication::palette();
    const QString style = QApplication::style()->name();
    for (const bool dark : {false, true, false}) {
        if (dark) {
            ui::UseDarkPalette(*qApp);
        } else {
            QApplication::setStyle(style);
            QApplication::setPalette(light);
        }
        QTest::qWait(20);
        for (const auto& p : probes) {
            const Rgb shown = dark ? ShownColour(p.colour, p.use, {53, 53, 53}) : p.colour;
            EXPECT_EQ(p.seen(), QColor(shown.r, shown.g, shown.b)) << p.what << (dark ? " dark" : " light");
        }
    }
    // The pane keeps the program's colour; only what it paints changes.
    EXPECT_EQ(frame->StatusBarCtrl()->PaneColor(1), QColor(0, 0, 255));
}

}  // namespace
}  // namespace kt
