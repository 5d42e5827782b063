#include "core/app/ToolbarRules.h"

#include "core/app/Texts.h"
#include "core/base/Format.h"
#include "core/base/TypedNumber.h"
#include "core/base/Units.h"
#include "core/entry/EntryState.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/Settings.h"

namespace kt {
WeightChange ToolbarRules::OnWeightTextChanged(const std::string& text, CKT2Doc& doc, EntryState& view, Settings& settings) {
    WeightChange change;
    // Window creation (or the first refresh) fills the field before any weight is meant.
    if (!m_firstNotificationSeen) {
        m_firstNotificationSeen = true;
        return change;
    }
    change.processed = true;
    const double value = ScanTypedNumberOr(text, 0.0);
    if (value > 0.0) {
        doc.m_dLastWeight = value;
        view.newWeight = value;
        view.newWeightSet = true;
        settings.m_bSettingsChanged = true;
        change.accepted = true;
        change.label = text::kNewWeightLabel;
    } else {
        change.label = text::kLastWeightLabel;
    }
    return change;
}

WeightFieldTexts ToolbarRules::RefreshWeightField(const CKT2Doc& doc) {
    return {Format("%3.1lf", doc.m_dLastWeight), Format(text::kLastWeightUnitLabel, UnitName(doc.m_bMetric))};
}

std::optional<std::string> ToolbarRules::WindowCreationWeightText(double frameLastWeight) {
    if (frameLastWeight > kShownWeightAbove) return Format("%3.1lf", frameLastWeight);
    return std::nullopt;
}

Time64 ToolbarRules::EntryDateForPickedDay(int year, int month, int day) { return LocalMidnight(year, month, day); }

}  // namespace kt
