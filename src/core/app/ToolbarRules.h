#pragma once
// What the toolbar's weight field and date picker do to the document, the data entry view and
// the settings. The Qt toolbar forwards its notifications here and shows the returned texts.

#include <optional>
#include <string>

#include "core/base/LocalTime.h"

namespace kt {

class CKT2Doc;
struct EntryState;
struct Settings;

struct WeightFieldTexts {
    std::string field;  // "%3.1lf" of the document's last weight
    std::string label;  // "Last Weight (kg):" or "Last Weight (lbs):"
};

struct WeightChange {
    bool processed = false;  // false for the first notification after start, which changes nothing
    bool accepted = false;   // a positive weight was taken over
    std::string label;       // the label's new text when processed
};

class ToolbarRules {
public:
    // One call per change notification of the weight field: typed text and every text the
    // program puts there itself (a Qt line edit reports a programmatic change only when the text
    // differs, so the toolbar calls this after each of its own fills). The first call after start
    // is ignored. Later ones read the text like "%lf" (not a number or not finite: 0); a positive
    // value becomes the document's last weight and the view's new weight, and marks the settings
    // changed. The stored "LastWeight" setting is not touched.
    WeightChange OnWeightTextChanged(const std::string& text, CKT2Doc& doc, EntryState& view, Settings& settings);

    // The field and label after the data entry view has started.
    static WeightFieldTexts RefreshWeightField(const CKT2Doc& doc);

    // The field's text at window creation: the frame's last weight when it is above kShownWeightAbove.
    static std::optional<std::string> WindowCreationWeightText(double frameLastWeight);

    // The entry date for a day picked in the date control: that day's local midnight, whatever
    // time of day the control carries.
    static Time64 EntryDateForPickedDay(int year, int month, int day);

private:
    bool m_firstNotificationSeen = false;
};

}  // namespace kt
