#pragma once
// The preferences: the values the dialog edits, the rules it follows while open and on OK, and
// what ShowPreferences does with them. The Qt dialog forwards each change of a control here and
// shows what comes back.

#include <optional>
#include <string>

namespace kt {

struct Settings;
class CKT2Doc;

struct PreferencesValues {
    bool metric = false;
    int graphPeriod = 0;      // 0..8
    int averagingPeriod = 0;  // 0..9
    bool addToLists = false;
    double hoursThreshold = 0.0;
    bool autoUpdate = false;
    bool monitorWeight = false;
    bool useLastWeight = false;
    bool autoFill = false;
    std::string autoArchive = "0 0";  // "month day", "0 0" = off
    friend bool operator==(const PreferencesValues&, const PreferencesValues&) = default;
};

// The values the dialog opens with: the settings, the document's weight unit and the averaging
// period the data entry view uses now.
PreferencesValues PreferencesFromSettings(const Settings& settings, bool metric, int viewAveragingPeriod);

// The dialog's state while it is open.
class PreferencesForm {
public:
    explicit PreferencesForm(PreferencesValues values);

    const PreferencesValues& Values() const { return m_values; }
    int ArchiveMonth() const { return m_nMonth; }
    int ArchiveDay() const { return m_nDay; }

    // Opening. The radio button of a period; one without a button of its own (averaging period
    // 9, or a stored value outside 0..8) selects the first, "This Week".
    int GraphRadio() const { return RadioFor(m_values.graphPeriod); }
    int AveragingRadio() const { return RadioFor(m_values.averagingPeriod); }
    std::string HoursText() const;  // "%2.2lf"
    std::string MonthText() const;  // "%d"
    std::string DayText() const;    // "%d"
    // The auto-archive box opens ticked when both month and day are at least 1; afterwards it
    // changes only when clicked.
    bool ArchiveTicked() const { return m_nMonth >= 1 && m_nDay >= 1; }

    // While open. Hours: read like "%lf"; text that is not a (finite) number keeps the value.
    void OnHoursTextChanged(const std::string& text);
    // Month and day: read like "%d", 0 when empty or not a number; the auto-archive text follows
    // ("%d %d") whether or not the box is ticked.
    void OnMonthTextChanged(const std::string& text);
    void OnDayTextChanged(const std::string& text);
    // The box clicked into `ticked`: clearing sets month, day and text to 0; ticking brings a month
    // outside 1..12 and a day outside 1..31 to 1. The dialog then rewrites both edits.
    void OnArchiveClicked(bool ticked);
    void OnAutoFillClicked(bool ticked) { m_values.autoFill = ticked; }

    // OK: the selected radio buttons (none: averaging 1, graph 4), the unit and the four boxes
    // that are read only now. Hours, auto fill and the auto-archive text already hold their values.
    const PreferencesValues& Accept(std::optional<int> averagingRadio, std::optional<int> graphRadio, bool kilograms, bool addToLists,
                                    bool autoUpdate, bool monitorWeight, bool useLastWeight);

    static int RadioFor(int period) { return period >= 0 && period <= 8 ? period : 0; }

private:
    void ArchiveTextFromNumbers();

    PreferencesValues m_values;
    int m_nMonth = 0;
    int m_nDay = 0;
};

// The value an up-down control writes into its edit for one arrow step (`delta` +1 or -1): the
// edit's number ("%d", 0 when none) moved by `delta` and brought into [low, high].
int UpDownStep(const std::string& editText, int delta, int low, int high);

// What the views must do after ShowPreferences took the values.
struct PreferencesEffects {
    int averagingPeriod = 0;  // the data entry view's averaging period from now on
    int chartPeriod = 0;      // the chart is shown again for the period it shows now
    bool addToLists = false;  // the toolbar box and the view's flag
    bool autoFill = false;    // the toolbar box
};

// OK in ShowPreferences: the document's unit, then the settings, in the program's order. The
// default graph range is stored for the next start; the chart keeps showing its period. The
// settings are marked changed so that everything is stored at exit.
PreferencesEffects ApplyPreferences(const PreferencesValues& values, Settings& settings, CKT2Doc& doc);

}  // namespace kt
