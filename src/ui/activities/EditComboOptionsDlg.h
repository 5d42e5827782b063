#pragma once
// The option-lists editor: reorders, removes, adds and renames the items of the location or
// description list, or reorders the activity types offered in the grid. Works on a copy; the
// settings' list changes only in the apply step ("Save Changes", switching lists with Yes, OK)
// for locations and descriptions, and through the caller after OK for the activity types.

#include <QDialog>
#include <array>

#include "core/activities/OptionListEditor.h"

class QLabel;
class QPushButton;
class QTableView;

namespace kt {
class Prompter;
struct Settings;
}  // namespace kt

namespace kt::ui {

class COptionListModel;

class CEditComboOptionsDlg : public QDialog {
    Q_OBJECT
public:
    enum class Button { Remove, Add, MoveUp, MoveToTop, MoveDown, MoveToBottom, SaveChanges, Switch, Ok, Cancel, Count };

    // `settings` gives the lists to switch between and receives each applied list; `prompter`
    // asks before unapplied changes are left behind.
    CEditComboOptionsDlg(kt::Settings& settings, kt::OptionListEditor editor, kt::Prompter& prompter, QWidget* parent = nullptr);

    const kt::OptionListEditor& Editor() const;
    QTableView* List() const { return m_list; }
    QLabel* StatusLabel() const { return m_status; }
    QPushButton* GetButton(Button b) const { return m_buttons[static_cast<size_t>(b)]; }

    // Modes 0 and 1: the apply step, then close with OK.
    void accept() override;

signals:
    // A list became the settings' list; the grid's drop-downs for it must be filled again.
    void listApplied(kt::OptionListMode mode);

private:
    QPushButton* MakeButton(Button b, const char* caption);
    int SelectedRow() const;
    void Select(std::optional<int> row);
    void OnMove(Button b);
    void OnAdd();
    void ApplyStep();
    void OnSwitch();
    void ShowMode();
    void ShowStatus();
    void OnEdited();

    kt::Settings& m_settings;
    kt::Prompter& m_prompter;
    COptionListModel* m_model = nullptr;
    QTableView* m_list = nullptr;
    QLabel* m_status = nullptr;
    std::array<QPushButton*, static_cast<size_t>(Button::Count)> m_buttons{};
};

}  // namespace kt::ui
