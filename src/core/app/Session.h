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
#include "core/app/DataFolder.h"
#include "core/app/Shutdown.h"
#include "core/base/Clock.h"
#include "core/base/FolderLock.h"
#include "core/base/Prompter.h"
#include "core/journal/KT2Doc.h"
#include "core/journal/RecoveryJournal.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsStore.h"

namespace kt {

struct Session {
    // `store` must not be null; `prompter` and `clock` must outlive the session.
    Session(std::unique_ptr<SettingsStore> store, Prompter& prompter, const Clock& clock = DefaultClock());

    // Window creation's part of the start-up, in its order: finds or creates the data folder in
    // `documents` (none: the platform named no Documents folder; the user is told) and locks it
    // for this run. When another running program holds the lock, nothing more is done (not a file
    // is read or written) and false is returned: `heldBy` then names the holder. Otherwise the
    // temporary files an interrupted save left behind are removed, the folder goes to the document,
    // the settings (with the document's unit and weight) and the activity list are loaded, this
    // run's add-to-lists state starts from the stored setting and the document gets its
    // auto-archive setting. The document is loaded afterwards (CKT2Doc::OnNewDocument).
    bool Open(const std::optional<std::string>& documents);

    // The step after the document's load: an earlier run's unsaved changes are offered back, and
    // from now on every change is written to the recovery file (only while this run holds the
    // data folder's lock).
    void StartRecovery();
    // The user closes without saving: the changes are dropped, not offered at the next start.
    void DiscardRecovery();

    // What the exit paths store, and where.
    ExitContext ForExit() { return {doc, settings, activities, *store, dataFolder, prompter}; }

    // The Documents folder of this run: the one the desktop names, as kinetrax-cli finds it too,
    // unless the application points the run elsewhere (the demo's temporary folder).
    std::optional<std::string> documents = DocumentsFolderFromEnvironment();
    // A demo journal in a temporary folder: the window title says so.
    bool demo = false;

    CKT2Doc doc;
    Settings settings;
    ActivityTable activities;
    std::unique_ptr<SettingsStore> store;
    std::string dataFolder;  // "" when none could be found or created
    Prompter& prompter;
    const Clock& clock;
    CommandRegistry commands;
    FolderLock lock;
    // When Open returned false: the data folder another program holds, and who, e.g. "kinetrax 1234".
    std::string heldFolder;
    std::string heldBy;
    std::unique_ptr<RecoveryJournal> recovery;
};

}  // namespace kt
