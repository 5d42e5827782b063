#pragma once
// "Kinetrax Preferences": the weight unit, the default graph range and averaging period, and the
// other options. Opened with the current values; after OK, Values() holds what the user chose.
// The rules (what each edit and box does) live in core's PreferencesForm.

#include <QDialog>
#include <array>

#include "core/settings/Preferences.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace kt::ui {

class CUpDownCtrl;
class CXGroupBox;

class CPreferencesDlg : public QDialog {
    Q_OBJECT
public:
    enum class Box { MonitorWeight, UseLastWeight, AddToLists, AutoFill, AutoArchive, AutoUpdate, Count };

    explicit CPreferencesDlg(kt::PreferencesValues values, QWidget* parent = nullptr);

    const kt::PreferencesValues& Values() const { return m_form.Values(); }

    QRadioButton* PoundsButton() const { return m_pounds; }
    QRadioButton* KilogramsButton() const { return m_kilograms; }
    QRadioButton* GraphButton(int code) const { return m_graph[static_cast<size_t>(code)]; }
    QRadioButton* AveragingButton(int code) const { return m_averaging[static_cast<size_t>(code)]; }
    QCheckBox* CheckBox(Box b) const { return m_boxes[static_cast<size_t>(b)]; }
    QLineEdit* HoursEdit() const { return m_hours; }
    QLineEdit* MonthEdit() const { return m_month; }
    QLineEdit* DayEdit() const { return m_day; }
    CUpDownCtrl* MonthUpDown() const { return m_monthUpDown; }
    CUpDownCtrl* DayUpDown() const { return m_dayUpDown; }
    CXGroupBox* Group(int i) const { return m_groups[static_cast<size_t>(i)]; }

    void accept() override;

private:
    QWidget* MakeWeightGroup();
    QWidget* MakePeriodGroup(int index, std::array<QRadioButton*, 9>& buttons, QButtonGroup*& group, const char* note);
    QWidget* MakeOtherGroup();
    QCheckBox* MakeCheckBox(Box b, const char* caption, const char* tip, int width);
    void ShowArchiveNumbers();

    kt::PreferencesForm m_form;
    QRadioButton* m_pounds = nullptr;
    QRadioButton* m_kilograms = nullptr;
    std::array<QRadioButton*, 9> m_graph{};
    std::array<QRadioButton*, 9> m_averaging{};
    QButtonGroup* m_graphGroup = nullptr;
    QButtonGroup* m_averagingGroup = nullptr;
    std::array<QCheckBox*, static_cast<size_t>(Box::Count)> m_boxes{};
    std::array<CXGroupBox*, 4> m_groups{};
    QLineEdit* m_hours = nullptr;
    QLineEdit* m_month = nullptr;
    QLineEdit* m_day = nullptr;
    CUpDownCtrl* m_monthUpDown = nullptr;
    CUpDownCtrl* m_dayUpDown = nullptr;
};

}  // namespace kt::ui
