#pragma once
// Where the controls of the data entry form stand for a form of W x H pixels. The arrangement is
// fixed from top to bottom: prompt line, the two buttons, the grid, the chart, the headings row
// with the averaging period, the two summaries. Widths follow W (the grid's eight columns share
// it equally; the summaries take half each); the height left after the grid is shared by the
// chart and the summaries, so a tall window gives both more room instead of empty space. The grid
// keeps its own height; the buttons keep their widths (which follow their captions).

namespace kt {

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int Right() const { return x + width; }
    int Bottom() const { return y + height; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct FormLayout {
    Rect prompt, actionButton, exitButton, grid, chart, daySummary, averagesSummary, dayHeading, averagingHeading, averagingCombo,
        detailsButton;
    int columnWidth = 0;  // each of the eight grid columns
};

struct FormSizes {
    int width = 0;         // W
    int height = 0;        // H
    int gridHeight = 0;    // Hg, the grid's own height
    int gridFrame = 0;     // the grid's frame width on each side
    int detailsWidth = 0;  // Bw
    int exitWidth = 0;     // Be
    int actionWidth = 0;   // Ba
    int buttonHeight = 0;  // action and exit buttons
    // The headings row: at least two lines of the headings; more when the averaging heading
    // needs more at its width (AveragingHeadingWidth).
    int headingHeight = 0;
};

// The smallest form every control fits into at a usable size (a chart and two summaries of a few
// lines, grid columns wide enough for their headings); a smaller pane scrolls the form.
struct FormMinimum {
    int width = 0;
    int height = 0;
};
FormMinimum MinimumFormSize(int gridHeight, int headingHeight = 0);

// The width the averaging heading gets in a form `width` pixels wide.
int AveragingHeadingWidth(int width);

// The layout of a form of `s.width` x `s.height`, at least the minimum size.
FormLayout LayoutForm(const FormSizes& s);

}  // namespace kt
