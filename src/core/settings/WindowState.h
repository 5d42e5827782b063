#pragma once
// What the program remembers of its window between runs, beside the settings proper: where the
// window was and how large, whether it was maximized, the editor pane's height, the averaging
// period chosen under the chart and whether the weight bars were shown. These values live in the
// settings store next to the settings; they are written at every exit (a value that did not
// change is not rewritten), but only into a key that exists, so they never create the key in
// place of the settings (a first run without settings must still migrate a cfg file).
//
// Store values (all integers): "WindowLeft", "WindowTop", "WindowWidth", "WindowHeight",
// "WindowMaximized", "EditorPaneHeight", "LastAveragingPeriod", "ShowWeightGraph".

#include <optional>

#include "core/settings/SettingsStore.h"

namespace kt {

struct WindowRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const WindowRect&, const WindowRect&) = default;
};

struct WindowState {
    std::optional<WindowRect> geometry;  // the window's normal (not maximized) place and size
    bool maximized = false;
    int editorPaneHeight = 0;            // 0: never set
    std::optional<int> averagingPeriod;  // 0..9, the averaging combo's last choice
    std::optional<bool> showWeight;      // the weight graph toggle's last state
    friend bool operator==(const WindowState&, const WindowState&) = default;
};

// Missing or unusable values read as none: a size that is not positive, a period outside 0..9.
WindowState LoadWindowState(SettingsStore& store);
// False when the settings key does not exist or a value could not be written.
bool SaveWindowState(SettingsStore& store, const WindowState& state);

}  // namespace kt
