#pragma once
// What the program stores when it ends: the exit button's save-and-close and the main window's
// destruction both come here, so the order of the writes and their fallbacks live in one place.

#include <filesystem>

#include "core/base/Clock.h"

namespace kt {

class CKT2Doc;
class ActivityTable;
class Prompter;
class SettingsStore;
struct Settings;

struct ExitContext {
    CKT2Doc& doc;
    Settings& settings;
    const ActivityTable& activities;
    SettingsStore& store;
    std::filesystem::path dataFolder;
    Prompter& prompter;
};

// At window destruction: the settings when they changed, the activity list when it changed, and
// when the list could not be written, the selected activities alone (they would be lost otherwise).
void StoreAtExit(ExitContext& context);

// Save-and-close: the database when it changed. Returns false when it could not be saved: the
// window must stay open then. The close that follows runs StoreAtExit, once; storing here as well
// would write everything twice and repeat every failure message.
bool SaveBeforeClose(ExitContext& context, const Clock& clock = DefaultClock());

}  // namespace kt
