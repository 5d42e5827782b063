#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/WindowLayout.h"
#include "core/base/Format.h"
#include "core/entry/FormLayout.h"

namespace kt {
namespace {

FormSizes Sizes(int width, int height) {
    FormSizes s;
    s.width = width;
    s.height = height;
    s.gridHeight = 150;
    s.gridFrame = 1;
    s.detailsWidth = 90;
    s.exitWidth = 181;
    s.actionWidth = 200;
    s.buttonHeight = 36;
    return s;
}

std::string Show(const Rect& r) { return Format("%d,%d %dx%d", r.x, r.y, r.width, r.height); }

bool Overlap(const Rect& a, const Rect& b) { return a.x < b.Right() && b.x < a.Right() && a.y < b.Bottom() && b.y < a.Bottom(); }

TEST(FormLayout, TheHeightBelowTheGridIsSharedByChartAndSummaries) {
    const FormLayout l = LayoutForm(Sizes(1001, 801));
    // 801 - 230 below the grid, less 66 for the gaps, the headings and the bottom margin: 505,
    // two fifths of it (202) for the summaries, the rest for the chart.
    EXPECT_EQ(Show(l.chart) + " " + Show(l.daySummary), "20,230 961x303 20,589 460x202");
    EXPECT_EQ(l.columnWidth, 118);  // (951 - 2) / 8
}

TEST(FormLayout, EveryControlLiesInsideTheFormWithoutOverlapFromTheSmallestToA4kForm) {
    const FormMinimum minimum = MinimumFormSize(150);
    EXPECT_EQ(Format("%dx%d", minimum.width, minimum.height), "800x486");
    // Forms of the smallest window, a 1024 x 640 laptop window, a 1280 x 900 window and a 2560 x 1440
    // screen (menu bar, toolbar and status bar take about 115 pixels), and one below the minimum.
    int lastChart = 0, lastSummary = 0;
    for (const auto& [w, h] : std::vector<std::pair<int, int>>{{700, 300}, {800, 486}, {1024, 525}, {1280, 785}, {2560, 1325}}) {
        const FormLayout l = LayoutForm(Sizes(w, h));
        const int W = std::max(w, minimum.width), H = std::max(h, minimum.height);
        const std::vector<Rect> all = {
            l.prompt,          l.actionButton, l.exitButton,       l.grid,           l.chart,        l.daySummary,
            l.averagesSummary, l.dayHeading,   l.averagingHeading, l.averagingCombo, l.detailsButton};
        for (size_t i = 0; i < all.size(); ++i) {
            const Rect& r = all[i];
            EXPECT_TRUE(r.x >= 0 && r.y >= 0 && r.Right() <= W && r.Bottom() <= H && r.width > 0 && r.height > 0)
                << w << "x" << h << " #" << i;
            for (size_t j = i + 1; j < all.size(); ++j) EXPECT_FALSE(Overlap(r, all[j])) << w << "x" << h << " #" << i << " #" << j;
        }
        EXPECT_TRUE(l.chart.height >= 110 && l.daySummary.height >= 80 && l.columnWidth * 8 >= l.grid.width - 10) << w << "x" << h;
        // A larger form gives both the chart and the summaries more room.
        EXPECT_TRUE(l.chart.height >= lastChart && l.daySummary.height >= lastSummary) << w << "x" << h;
        lastChart = l.chart.height;
        lastSummary = l.daySummary.height;
    }
    EXPECT_GT(LayoutForm(Sizes(2560, 1325)).daySummary.height, 2 * LayoutForm(Sizes(1024, 525)).daySummary.height);
}

TEST(WindowLayout, PanesTitleStatusWidthsAndPlacement) {
    // Rows of the splitter: hidden editor, shown editor, and a height the user chose before that
    // fits (or does not fit) between the two minimums.
    const auto rows = [](int h, bool shown, int remembered) {
        const PaneHeights p = LayoutPanes(h, shown, remembered);
        return Format("%d/%d %d/%d", p.editorIdeal, p.editorMin, p.entryIdeal, p.entryMin);
    };
    // At 300 and 451 both minimums are still kept; 299 and 452 do not fit.
    EXPECT_EQ(rows(601, false, 300) + " | " + rows(601, true, 0) + " | " + rows(601, true, 300) + " | " + rows(601, true, 451) + " | " +
                  rows(601, true, 299) + " | " + rows(601, true, 452),
              "0/0 601/540 | 400/300 200/150 | 300/300 301/150 | 451/300 150/150 | 400/300 200/150 | 400/300 200/150");

    EXPECT_EQ(FrameTitle(""), "Kinetrax 2[*] - KT2");
    EXPECT_EQ(FrameTitle("Kinetrax 2: Records starting March 05, 2024", true),
              "Kinetrax 2: Records starting March 05, 2024 (demo journal in a temporary folder)[*] - KT2");

    // bar, day need, summary need -> prompt/day widths (pane 2 gets the rest)
    const auto panes = [](int bar, int day, int summary) {
        const StatusPaneWidths w = StatusWidths(bar, day, summary);
        return Format("%d/%d", w.prompt, w.day);
    };
    EXPECT_EQ(panes(1340, 330, 540), "400/400");  // exactly room for 400, 400 and the summary
    EXPECT_EQ(panes(1339, 330, 540), "400/399");  // the day pane keeps what the prompt leaves
    EXPECT_EQ(panes(1200, 330, 100), "400/400");  // pane 2 keeps 400 even for a short summary
    EXPECT_EQ(panes(1000, 330, 540), "130/330");  // the prompt gives way first
    EXPECT_EQ(panes(970, 330, 540), "100/330");   // down to its minimum
    EXPECT_EQ(panes(969, 330, 540), "100/329");   // then the day and summary panes share
    EXPECT_EQ(panes(700, 500, 800), "100/200");   // a day text beyond 400 counts as 400
    EXPECT_EQ(panes(240, 0, 0), "80/0");          // nothing to show yet
    EXPECT_EQ(panes(0, 330, 540), "0/0");

    const auto place = [](std::optional<WindowRect> saved, WindowRect screen) {
        const WindowRect r = PlaceWindow(saved, screen, 640, 480);
        return Format("%d,%d %dx%d", r.x, r.y, r.width, r.height);
    };
    const WindowRect laptop{0, 0, 1366, 768}, big{0, 0, 2560, 1440}, scaled{0, 27, 1280, 773};
    EXPECT_EQ(place(std::nullopt, laptop), "43,0 1280x768");                        // first run: 1280 x 900 as far as it fits, centred
    EXPECT_EQ(place(std::nullopt, scaled), "0,27 1280x773");                        // a 2560 x 1600 screen at scale 2, below a panel
    EXPECT_EQ(place(WindowRect{100, 50, 900, 600}, big), "100,50 900x600");         // where it was left
    EXPECT_EQ(place(WindowRect{2000, 1200, 900, 600}, laptop), "466,168 900x600");  // left on a larger screen
    EXPECT_EQ(place(WindowRect{-50, -20, 300, 200}, laptop), "0,0 640x480");        // never below the minimum
    EXPECT_EQ(place(WindowRect{10, 10, 3000, 2000}, laptop), "0,0 1366x768");
    EXPECT_EQ(place(WindowRect{2600, 10, 800, 600}, WindowRect{2560, 0, 1920, 1080}), "2600,10 800x600");  // a second monitor
}

}  // namespace
}  // namespace kt
