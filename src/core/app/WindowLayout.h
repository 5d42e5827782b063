#pragma once
// The main window's own geometry: the two rows of its splitter, its title, the widths of the
// status bar's panes and where the window stands on the screen.

#include <optional>
#include <string>

#include "core/settings/WindowState.h"

namespace kt {

struct PaneHeights {
    int editorIdeal = 0;
    int editorMin = 0;
    int entryIdeal = 0;
    int entryMin = 0;
};

// `clientHeight` is the frame's client height; integer divisions truncate toward zero. With the
// editor shown, a height the user gave the editor pane before (`rememberedEditor` > 0, kept
// between runs) is used when it leaves both panes their minimum; otherwise two thirds.
PaneHeights LayoutPanes(int clientHeight, bool editorShown, int rememberedEditor = 0);

// The caption of the main window: the document's title, " - " and the application title. A
// database without records has no title of its own, so the program's name stands in for it. The
// "[*]" after the document's title is where the window shows that there are unsaved changes.
// A demo journal says so after the document's title, so nobody takes it for their own.
std::string FrameTitle(const std::string& documentTitle, bool demo = false);

// Widths of status panes 0 and 1 for a bar `barWidth` pixels wide (pane 2 takes the rest), where
// the texts of panes 1 and 2 need `dayNeed` and `summaryNeed` pixels: 400 each while pane 2 keeps
// at least 400 and all it needs. On a narrower bar the summaries are what the user reads, so the
// prompt pane ("Ready" most of the time) gives way first, down to `kStatusPromptMinimum`; only
// then do panes 1 and 2 share what is left in proportion to their needs. All three stay visible.
inline constexpr int kStatusPromptMinimum = 100;
struct StatusPaneWidths {
    int prompt = 0;
    int day = 0;
};
StatusPaneWidths StatusWidths(int barWidth, int dayNeed, int summaryNeed);

// Where the main window opens on a screen whose free area is `available`: the place it was left
// (`saved`), moved and shrunk as far as needed to lie on the screen (another monitor, a lower
// resolution); without one, 1280 x 900 or the free area if that is smaller, centred. Never
// smaller than `minimum` unless the screen itself is.
WindowRect PlaceWindow(const std::optional<WindowRect>& saved, const WindowRect& available, int minimumWidth, int minimumHeight);

}  // namespace kt
