#include "core/app/InitialWeight.h"

#include "core/base/Prompter.h"
#include "core/entry/CellNumber.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/Settings.h"

namespace kt {

std::optional<double> AcceptInitialWeight(const std::string& text, Prompter& prompter) {
    const double weight = ScanCellNumber(text, 0.0);
    if (weight == 0.0) {
        prompter.Message(
            "An initial weight really is required. Please enter a weight so that calories may be calculated, at least "
            "approximately.");
        return std::nullopt;
    }
    return weight;
}

void ApplyInitialWeight(double weight, bool metric, CKT2Doc& doc, Settings& settings) {
    doc.m_dLastWeight = weight;
    doc.m_bMetric = metric;
    settings.m_dLastWeight = weight;
    settings.m_bSettingsChanged = true;
}

}  // namespace kt
