#include "core/entry/FormLayout.h"

#include <algorithm>

#include "core/entry/EntryGrid.h"

namespace kt {
namespace {

constexpr int kMargin = 20;
constexpr int kGridTop = 80;        // below the prompt line and the buttons
constexpr int kGap = 10;            // between the chart, the headings row and the summaries
constexpr int kHeadingHeight = 36;  // two lines of the bold headings
constexpr int kMinChartHeight = 110;
constexpr int kMinSummaryHeight = 80;
constexpr int kMinWidth = 800;  // eight grid columns of about 90 pixels, the headings row readable
// The summaries take two fifths of the height below the grid, the chart the rest: the chart's
// bars are what most of the room is for, and a summary has a handful of lines.
constexpr int kSummaryShareNumerator = 2;
constexpr int kSummaryShareDenominator = 5;

// The height below the grid that the chart, the headings row and the summaries share.
constexpr int BelowGridFixed() { return kGap + kHeadingHeight + kGap + kGap; }

}  // namespace

FormMinimum MinimumFormSize(int gridHeight) {
    return {kMinWidth, kGridTop + gridHeight + BelowGridFixed() + kMinChartHeight + kMinSummaryHeight};
}

FormLayout LayoutForm(const FormSizes& s) {
    const FormMinimum minimum = MinimumFormSize(s.gridHeight);
    const int W = std::max(s.width, minimum.width);
    const int H = std::max(s.height, minimum.height);
    const int Hg = s.gridHeight;
    const int Bw = s.detailsWidth;
    FormLayout l;
    // The prompt line and the two buttons stand above the grid, the buttons centred and right.
    l.prompt = {kMargin, 8, W - 2 * kMargin, 28};
    l.actionButton = {(W - s.actionWidth) / 2, 38, s.actionWidth, s.buttonHeight};
    l.exitButton = {W - 30 - s.exitWidth, 38, s.exitWidth, s.buttonHeight};
    l.grid = {kMargin, kGridTop, W - 50, Hg};
    // Eight equal columns that fit inside the grid, so no horizontal scroll bar appears.
    l.columnWidth = (W - 50 - 2 * s.gridFrame) / kGridColumns;

    const int chartTop = kGridTop + Hg;
    const int shared = H - chartTop - BelowGridFixed();
    const int summaryHeight = std::max(kMinSummaryHeight, shared * kSummaryShareNumerator / kSummaryShareDenominator);
    const int chartHeight = shared - summaryHeight;
    l.chart = {kMargin, chartTop, W - 2 * kMargin, chartHeight};
    const int headingTop = chartTop + chartHeight + kGap;
    const int summaryTop = headingTop + kHeadingHeight + kGap;
    l.dayHeading = {kMargin, headingTop, W / 2 - 2 * kMargin, kHeadingHeight};
    l.averagingHeading = {W / 2 + kMargin, headingTop, (W - W / 4 - kMargin) - (W / 2 + kMargin) - 10, kHeadingHeight};
    l.averagingCombo = {W - W / 4 - kMargin, headingTop, W / 4 - Bw - kMargin, kHeadingHeight};
    l.detailsButton = {W - kMargin - Bw, headingTop, Bw, kHeadingHeight};
    l.daySummary = {kMargin, summaryTop, W / 2 - 2 * kMargin, summaryHeight};
    l.averagesSummary = {W / 2 + kMargin, summaryTop, W / 2 - 2 * kMargin, summaryHeight};
    return l;
}

}  // namespace kt
