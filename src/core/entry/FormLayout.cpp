#include "core/entry/FormLayout.h"

#include <algorithm>

#include "core/entry/EntryGrid.h"

namespace kt {
namespace {

constexpr int kMargin = 20;
constexpr int kGridTop = 80;           // below the prompt line and the buttons
constexpr int kGap = 10;               // between the chart, the headings row and the summaries
constexpr int kMinHeadingHeight = 36;  // two lines of the bold headings; the combo and the button
constexpr int kMinChartHeight = 110;
constexpr int kMinSummaryHeight = 80;
constexpr int kMinWidth = 800;  // eight grid columns of about 90 pixels, the headings row readable
// The summaries take two fifths of the height below the grid, the chart the rest: the chart's
// bars are what most of the room is for, and a summary has a handful of lines.
constexpr int kSummaryShareNumerator = 2;
constexpr int kSummaryShareDenominator = 5;

int HeadingHeight(int wanted) { return std::max(kMinHeadingHeight, wanted); }

// The height below the grid that the chart and the summaries do not share.
int BelowGridFixed(int headingHeight) { return kGap + HeadingHeight(headingHeight) + kGap + kGap; }

}  // namespace

FormMinimum MinimumFormSize(int gridHeight, int headingHeight) {
    return {kMinWidth, kGridTop + gridHeight + BelowGridFixed(headingHeight) + kMinChartHeight + kMinSummaryHeight};
}

int AveragingHeadingWidth(int width) {
    const int W = std::max(width, kMinWidth);
    return (W - W / 4 - kMargin) - (W / 2 + kMargin) - 10;
}

FormLayout LayoutForm(const FormSizes& s) {
    const FormMinimum minimum = MinimumFormSize(s.gridHeight, s.headingHeight);
    const int headingHeight = HeadingHeight(s.headingHeight);
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
    const int shared = H - chartTop - BelowGridFixed(s.headingHeight);
    const int summaryHeight = std::max(kMinSummaryHeight, shared * kSummaryShareNumerator / kSummaryShareDenominator);
    const int chartHeight = shared - summaryHeight;
    l.chart = {kMargin, chartTop, W - 2 * kMargin, chartHeight};
    const int headingTop = chartTop + chartHeight + kGap;
    const int summaryTop = headingTop + headingHeight + kGap;
    l.dayHeading = {kMargin, headingTop, W / 2 - 2 * kMargin, headingHeight};
    l.averagingHeading = {W / 2 + kMargin, headingTop, AveragingHeadingWidth(W), headingHeight};
    // The combo and the button keep their height, centred on a taller headings row.
    const int controlTop = headingTop + (headingHeight - kMinHeadingHeight) / 2;
    l.averagingCombo = {W - W / 4 - kMargin, controlTop, W / 4 - Bw - kMargin, kMinHeadingHeight};
    l.detailsButton = {W - kMargin - Bw, controlTop, Bw, kMinHeadingHeight};
    l.daySummary = {kMargin, summaryTop, W / 2 - 2 * kMargin, summaryHeight};
    l.averagesSummary = {W / 2 + kMargin, summaryTop, W / 2 - 2 * kMargin, summaryHeight};
    return l;
}

}  // namespace kt
