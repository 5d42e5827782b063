#include "core/entry/FormLayout.h"

#include "core/entry/EntryGrid.h"

namespace kt {

FormLayout LayoutForm(const FormSizes& s) {
    const int W = s.width;
    const int H = s.height;
    const int Hg = s.gridHeight;
    const int Bw = s.detailsWidth;
    FormLayout l;
    // The prompt line and the two buttons stand above the grid, the buttons centred and right.
    l.prompt = {20, 8, W - 40, 28};
    l.actionButton = {(W - s.actionWidth) / 2, 38, s.actionWidth, s.buttonHeight};
    l.exitButton = {W - 30 - s.exitWidth, 38, s.exitWidth, s.buttonHeight};
    l.grid = {20, 80, W - 50, Hg};
    // Eight equal columns that fit inside the grid, so no horizontal scroll bar appears.
    l.columnWidth = (W - 50 - 2 * s.gridFrame) / kGridColumns;
    l.chart = {20, Hg + 80, W - 40, H - 290 - (Hg + 80)};
    // The summaries end 10 pixels above the bottom instead of running 10 pixels past it.
    l.daySummary = {20, H - 240, W / 2 - 40, 230};
    l.averagesSummary = {W / 2 + 20, H - 240, W / 2 - 40, 230};
    l.dayHeading = {20, H - 280, W / 2 - 40, 30};
    l.averagingHeading = {W / 2 + 20, H - 280, (W - W / 4 - 20) - (W / 2 + 20) - 10, 30};
    l.averagingCombo = {W - W / 4 - 20, H - 280, W / 4 - Bw - 20, 30};
    l.detailsButton = {W - 20 - Bw, H - 280, Bw, 30};
    return l;
}

}  // namespace kt
