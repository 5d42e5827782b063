#pragma once
// The Database menu's archive commands and the yearly automatic archive at start-up, as the main
// window runs them: the document operation, then what the settings must learn from it. The
// dialogs are the caller's; these functions get their answers.

#include <optional>

#include "core/base/Clock.h"
#include "core/base/LocalTime.h"
#include "core/journal/KT2Doc.h"

namespace kt {

class Prompter;
class Trash;
struct Settings;

struct ArchiveContext {
    CKT2Doc& doc;
    Settings& settings;
    Prompter& prompter;
    const Clock& clock = DefaultClock();
};

// "Archive Data prior to a selected date" after the dialog's OK: trims at `cut`, marks the
// settings to be stored at exit and reloads the active file. A trim that stopped changes nothing
// (and reloads nothing, which would drop records not saved yet). Returns whether it trimmed.
bool ArchiveBefore(ArchiveContext& context, Time64 cut);

// "View All Exercise Data" / "View Active Database": switches the view. Records captured or
// edited and not saved are saved first, as a reload would drop them; when that save fails or is
// refused the view stays. Returns whether the view changed.
bool ToggleAllData(ArchiveContext& context);

// "Recombine all exercise databases into one": the document's recombine; the setting the user
// left in the question becomes the settings' one (stored at exit when it changed).
long long Recombine(ArchiveContext& context, Trash& trash, const CKT2Doc::ConfirmRecombine& confirm);

// The start-up check of the yearly archive; returns the cut when it trimmed, for the report.
std::optional<Time64> AutoArchive(ArchiveContext& context, int month, int day);

}  // namespace kt
