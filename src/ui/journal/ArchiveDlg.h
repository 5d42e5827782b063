#pragma once
// "Trim and Archive Exercise Database": the user picks the cut date; records before it go to an
// archive file. The dialog only chooses; the caller trims after OK.

#include <QDialog>

#include "core/base/LocalTime.h"

class QButtonGroup;
class QCalendarWidget;
class QLabel;
class QRadioButton;
class QTextEdit;

namespace kt {
class Clock;
class Prompter;
}  // namespace kt

namespace kt::ui {

class CArchiveDlg : public QDialog {
    Q_OBJECT
public:
    // `clock` gives today; `prompter` asks the question on OK. Both must outlive the dialog.
    CArchiveDlg(const kt::Clock& clock, kt::Prompter& prompter, QWidget* parent = nullptr);

    // The chosen cut: the local midnight of the first day that stays in the active file.
    kt::Time64 Cut() const { return m_cut; }

    QTextEdit* InfoPane() const { return m_info; }
    QRadioButton* Choice(int id) const;
    QCalendarWidget* Calendar() const { return m_calendar; }

    // OK asks whether to go on; No leaves the dialog open.
    void accept() override;

private:
    void OnChoice(int id);
    void OnCalendarSelection();
    void ShowInfo();
    void ColourCalendar(bool active);

    kt::Prompter& m_prompter;
    kt::Time64 m_today = 0;
    kt::Time64 m_cut = 0;
    QTextEdit* m_info = nullptr;
    QLabel* m_heading = nullptr;
    QButtonGroup* m_choices = nullptr;
    QCalendarWidget* m_calendar = nullptr;
};

}  // namespace kt::ui
