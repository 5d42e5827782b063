#pragma once
// The initial-weight dialog asks for a body weight when none is known, so that calories can be
// computed. The Qt dialog calls these rules on OK and shows what they say.

#include <optional>
#include <string>

namespace kt {

class CKT2Doc;
class Prompter;
struct Settings;

// The data entry view's start-up asks for a weight exactly when the document's last weight is 0
// (never set, or the dialog was cancelled in an earlier run).
bool NeedsInitialWeight(const CKT2Doc& doc);

// OK pressed with `text` in the weight edit. Returns the weight to accept, or nullopt after
// telling the user a weight is required (the dialog then stays open). The text is read like
// "%lf"; exactly 0 (also empty or non-numeric text) is refused, and so is a non-finite value.
// A negative weight is accepted.
std::optional<double> AcceptInitialWeight(const std::string& text, Prompter& prompter);

// What the data entry view's start-up does after OK: the document's last weight and unit, the
// main window's last weight, and the settings marked changed so both are stored at exit.
void ApplyInitialWeight(double weight, bool metric, CKT2Doc& doc, Settings& settings);

}  // namespace kt
