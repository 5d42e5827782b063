#include "core/settings/InitialWeight.h"

#include "core/base/Prompter.h"
#include "core/base/TypedNumber.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/Settings.h"
#include "core/settings/Texts.h"

namespace kt {

bool NeedsInitialWeight(const CKT2Doc& doc) { return doc.m_dLastWeight == 0.0; }

std::optional<double> AcceptInitialWeight(const std::string& text, Prompter& prompter) {
    const double weight = ScanTypedNumberOr(text, 0.0);
    if (weight == 0.0) {
        prompter.Message(settings_text::kInitialWeightRequired);
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
