#pragma once
// "Default Activities": the fourteen default selected activities with the names and MET values
// the activity table holds for them now. Shows only; changes nothing.

#include <QDialog>

#include "core/activities/ActivityTable.h"

class QLabel;
class QTableView;
class QPushButton;

namespace kt::ui {

class CShowDefaultActivities : public QDialog {
    Q_OBJECT
public:
    explicit CShowDefaultActivities(const kt::ActivityTable& table, QWidget* parent = nullptr);

    QTableView* List() const { return m_list; }
    QLabel* Title() const { return m_title; }
    QPushButton* OkButton() const { return m_ok; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void SizeColumns();

    QLabel* m_title;
    QTableView* m_list;
    QPushButton* m_ok;
};

}  // namespace kt::ui
