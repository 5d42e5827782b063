#pragma once
// The new date of a record: a month calendar with week numbers, OK and Cancel.

#include <QDialog>

#include "core/base/LocalTime.h"

class QCalendarWidget;

namespace kt::ui {

class CNewDateDlg : public QDialog {
    Q_OBJECT
public:
    // The calendar opens on the day of `today`.
    explicit CNewDateDlg(kt::Time64 today, QWidget* parent = nullptr);

    // The chosen day at local midnight (valid after OK).
    kt::Time64 Day() const { return m_day; }
    QCalendarWidget* Calendar() const { return m_calendar; }

    void accept() override;

private:
    QCalendarWidget* m_calendar = nullptr;
    kt::Time64 m_day = 0;
};

}  // namespace kt::ui
