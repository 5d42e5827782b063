#include "core/settings/Preferences.h"

#include <algorithm>
#include <cmath>

#include "core/base/Format.h"
#include "core/base/Scan.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/Settings.h"

namespace kt {

PreferencesValues PreferencesFromSettings(const Settings& settings, bool metric, int viewAveragingPeriod) {
    PreferencesValues v;
    v.metric = metric;
    v.graphPeriod = settings.m_nGraphPeriod;
    v.averagingPeriod = viewAveragingPeriod;
    v.addToLists = settings.m_bAddToCombo;
    v.hoursThreshold = settings.m_dMaxHours;
    v.autoUpdate = settings.m_bAutoUpdate;
    v.monitorWeight = settings.m_bMonitorWeight;
    v.useLastWeight = settings.m_bUseLastWeight;
    v.autoFill = settings.m_bAutoFill;
    v.autoArchive = settings.m_strAutoArchive;
    return v;
}

PreferencesForm::PreferencesForm(PreferencesValues values) : m_values(std::move(values)) {
    // "%d %d": a number that cannot be read leaves its value at 0.
    const std::vector<int> numbers = ScanInts(m_values.autoArchive, 2);
    if (numbers.size() > 0) m_nMonth = numbers[0];
    if (numbers.size() > 1) m_nDay = numbers[1];
}

std::string PreferencesForm::HoursText() const { return Format("%2.2lf", m_values.hoursThreshold); }
std::string PreferencesForm::MonthText() const { return Format("%d", m_nMonth); }
std::string PreferencesForm::DayText() const { return Format("%d", m_nDay); }

void PreferencesForm::ArchiveTextFromNumbers() { m_values.autoArchive = Format("%d %d", m_nMonth, m_nDay); }

void PreferencesForm::OnHoursTextChanged(const std::string& text) {
    // "inf" and "nan" read as numbers but are no threshold a duration can be compared with.
    const auto value = ScanDouble(text);
    if (value && std::isfinite(*value)) m_values.hoursThreshold = *value;
}

void PreferencesForm::OnMonthTextChanged(const std::string& text) {
    m_nMonth = ScanIntOr(text, 0);
    ArchiveTextFromNumbers();
}

void PreferencesForm::OnDayTextChanged(const std::string& text) {
    m_nDay = ScanIntOr(text, 0);
    ArchiveTextFromNumbers();
}

void PreferencesForm::OnArchiveClicked(bool ticked) {
    if (!ticked) {
        m_nMonth = 0;
        m_nDay = 0;
    } else {
        if (m_nMonth < 1 || m_nMonth > 12) m_nMonth = 1;
        if (m_nDay < 1 || m_nDay > 31) m_nDay = 1;
    }
    ArchiveTextFromNumbers();
}

const PreferencesValues& PreferencesForm::Accept(std::optional<int> averagingRadio, std::optional<int> graphRadio, bool kilograms,
                                                 bool addToLists, bool autoUpdate, bool monitorWeight, bool useLastWeight) {
    m_values.averagingPeriod = averagingRadio.value_or(1);
    m_values.graphPeriod = graphRadio.value_or(4);
    m_values.metric = kilograms;
    m_values.addToLists = addToLists;
    m_values.autoUpdate = autoUpdate;
    m_values.monitorWeight = monitorWeight;
    m_values.useLastWeight = useLastWeight;
    return m_values;
}

int UpDownStep(const std::string& editText, int delta, int low, int high) {
    const long long next = static_cast<long long>(ScanIntOr(editText, 0)) + delta;
    return static_cast<int>(std::clamp<long long>(next, low, high));
}

PreferencesEffects ApplyPreferences(const PreferencesValues& values, Settings& settings, CKT2Doc& doc) {
    PreferencesEffects effects;
    doc.m_bMetric = values.metric;
    settings.m_nAveragingPeriod = values.averagingPeriod;
    effects.averagingPeriod = values.averagingPeriod;
    effects.chartPeriod = settings.m_nGraphPeriod;
    settings.m_nGraphPeriod = values.graphPeriod;
    settings.m_bAddToCombo = values.addToLists;
    settings.m_bAddToListsNow = values.addToLists;
    effects.addToLists = values.addToLists;
    settings.m_bAutoUpdate = values.autoUpdate;
    settings.m_bMonitorWeight = values.monitorWeight;
    settings.m_bUseLastWeight = values.useLastWeight;
    settings.m_dMaxHours = values.hoursThreshold;
    settings.m_bAutoFill = values.autoFill;
    effects.autoFill = values.autoFill;
    settings.m_strAutoArchive = values.autoArchive;
    settings.m_bSettingsChanged = true;
    return effects;
}

}  // namespace kt
