#pragma once
// Everything one run of the program works on: the document, the settings, the activity table,
// the settings store, the data folder, the prompter, the clock and the command handlers. The
// application object owns the one session and hands it to the main window, every view and every
// dialog; nobody reaches through the main window for it.

#include <memory>
#include <optional>
#include <string>

#include "core/activities/ActivityTable.h"
#include "core/app/CommandRegistry.h"
#include "core/app/Shutdown.h"
#include "core/base/Clock.h"
#include "core/base/Prompter.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsStore.h"

namespace kt {

struct Session {
    // `store` must not be null; `prompter` and `clock` must outlive the session.
    Session(std::unique_ptr<SettingsStore> store, Prompter& prompter, const Clock& clock = DefaultClock());

    // Window creation's part of the start-up, in its order: finds or creates the data folder in
    // `documents` (none: the platform named no Documents folder; the user is told), gives it to
    // the document, loads the settings (with the document's unit and weight) and the activity
    // list, starts this run's add-to-lists state from the stored setting and hands the document
    // its auto-archive setting. The document is loaded afterwards (CKT2Doc::OnNewDocument).
    void Open(const std::optional<std::string>& documents);

    // What the exit paths store, and where.
    ExitContext ForExit() { return {doc, settings, activities, *store, dataFolder, prompter}; }

    CKT2Doc doc;
    Settings settings;
    ActivityTable activities;
    std::unique_ptr<SettingsStore> store;
    std::string dataFolder;  // "" when none could be found or created
    Prompter& prompter;
    const Clock& clock;
    CommandRegistry commands;
};

}  // namespace kt
