#pragma once
// Where the controls of the data entry form stand for a form of W x H pixels. The grid keeps its
// own height; the buttons keep their widths (which follow their captions).

namespace kt {

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
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
};

FormLayout LayoutForm(const FormSizes& s);

}  // namespace kt
