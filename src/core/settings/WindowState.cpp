#include "core/settings/WindowState.h"

#include <algorithm>

#include "core/settings/SettingsKey.h"
#include "core/settings/SettingsPersistence.h"

namespace kt {
namespace {

constexpr const char* kLeft = "WindowLeft";
constexpr const char* kTop = "WindowTop";
constexpr const char* kWidth = "WindowWidth";
constexpr const char* kHeight = "WindowHeight";
constexpr const char* kMaximized = "WindowMaximized";
constexpr const char* kEditorPane = "EditorPaneHeight";
constexpr const char* kAveraging = "LastAveragingPeriod";
constexpr const char* kShowWeight = "ShowWeightGraph";

constexpr int kNone = -1;

}  // namespace

WindowState LoadWindowState(SettingsStore& store) {
    WindowState state;
    SettingsBatch batch(store);  // one read of the store for all values
    CSettingsKey key(store);
    if (!key.Open(kSettingsKeyPath, false)) return state;
    const WindowRect r{key.ReadInt(kLeft, 0), key.ReadInt(kTop, 0), key.ReadInt(kWidth, 0), key.ReadInt(kHeight, 0)};
    if (r.width > 0 && r.height > 0) state.geometry = r;
    state.maximized = key.ReadInt(kMaximized, 0) != 0;
    state.editorPaneHeight = std::max(0, key.ReadInt(kEditorPane, 0));
    const int period = key.ReadInt(kAveraging, kNone);
    if (period >= 0 && period <= 9) state.averagingPeriod = period;
    const int weight = key.ReadInt(kShowWeight, kNone);
    if (weight != kNone) state.showWeight = weight != 0;
    return state;
}

bool SaveWindowState(SettingsStore& store, const WindowState& state) {
    SettingsBatch batch(store);  // every value in one write
    CSettingsKey key(store);
    if (!key.Open(kSettingsKeyPath, false)) return false;
    bool ok = true;
    if (state.geometry) {
        ok &= key.WriteInt(kLeft, state.geometry->x);
        ok &= key.WriteInt(kTop, state.geometry->y);
        ok &= key.WriteInt(kWidth, state.geometry->width);
        ok &= key.WriteInt(kHeight, state.geometry->height);
    }
    ok &= key.WriteInt(kMaximized, state.maximized ? 1 : 0);
    ok &= key.WriteInt(kEditorPane, state.editorPaneHeight);
    if (state.averagingPeriod) ok &= key.WriteInt(kAveraging, *state.averagingPeriod);
    if (state.showWeight) ok &= key.WriteInt(kShowWeight, *state.showWeight ? 1 : 0);
    ok &= batch.Commit();
    return ok;
}

}  // namespace kt
