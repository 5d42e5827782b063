#pragma once
// The exit button of the data entry view: warn about grid rows that were typed but not captured,
// save the database, then let the main window store the rest and close.

#include "core/base/Clock.h"

namespace kt {

class CKT2Doc;
class EntryGrid;
class Prompter;

enum class ExitDecision {
    Stay,   // the user chose to keep the typed rows, or the database could not be saved
    Close,  // the view calls the main window's SaveAndClose
};

// Asks the discard question when the grid's edited mark is set (any answer but Yes stays), then
// saves the database when it changed. A failed save has already been reported by the document;
// the program then keeps running so the records are not lost by closing.
ExitDecision OnSaveAndExit(const EntryGrid& grid, CKT2Doc& doc, Prompter& prompter, const Clock& clock = DefaultClock());

}  // namespace kt
