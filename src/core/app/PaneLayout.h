#pragma once
// Row heights of the main window's two-row splitter and the window title.

#include <string>

namespace kt {

struct PaneHeights {
    int editorIdeal = 0;
    int editorMin = 0;
    int entryIdeal = 0;
    int entryMin = 0;
};

// `clientHeight` is the frame's client height; integer divisions truncate toward zero.
inline PaneHeights LayoutPanes(int clientHeight, bool editorShown) {
    const int h = clientHeight;
    if (editorShown) return {2 * h / 3, h / 2, h / 3, h / 4};
    return {0, 0, h, 9 * h / 10};
}

// The caption of the main window: the document's title, " - " and the application title. A
// database without records has no title of its own, so the program's name stands in for it.
inline std::string FrameTitle(const std::string& documentTitle) {
    return (documentTitle.empty() ? std::string("Kinetrax 2") : documentTitle) + " - KT2";
}

}  // namespace kt
