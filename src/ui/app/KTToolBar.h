#pragma once
// The main toolbar: graph period, exercise date, weight and the two entry options between the
// command buttons.

#include <QToolBar>

class QComboBox;
class QDateEdit;
class QLineEdit;
class QCheckBox;

namespace kt::ui {

class CColorStatic;

class CKTToolBar : public QToolBar {
    Q_OBJECT
public:
    explicit CKTToolBar(QWidget* parent = nullptr);

    // The controls, in the order the toolbar owns them.
    QComboBox* m_comboGraphPeriod = nullptr;      // 400
    CColorStatic* m_labelGraphPeriod = nullptr;   // 2001
    CColorStatic* m_labelExerciseDate = nullptr;  // 2002
    QDateEdit* m_datePicker = nullptr;            // 403
    CColorStatic* m_labelLastWeight = nullptr;    // 2003
    QLineEdit* m_editWeight = nullptr;            // 405
    QCheckBox* m_checkAddToLists = nullptr;       // 2004
    QCheckBox* m_checkAutoFill = nullptr;         // 321

    // Places a command button before the period controls (left) or after the options (right).
    void AddLeftAction(QAction* action);
    void AddRightAction(QAction* action);

private:
    QAction* m_firstControl = nullptr;
};

}  // namespace kt::ui
