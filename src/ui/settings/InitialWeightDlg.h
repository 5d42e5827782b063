#pragma once
// "Enter Your Weight": asked at start-up when no body weight is known, so calories can be worked out.

#include <QDialog>

namespace kt {
class Prompter;
}

class QLineEdit;
class QRadioButton;

namespace kt::ui {

class CInitialWeightDlg : public QDialog {
    Q_OBJECT
public:
    // `prompter` says why a weight is refused.
    explicit CInitialWeightDlg(kt::Prompter& prompter, QWidget* parent = nullptr);

    double m_dWeight = 0.0;
    bool m_bMetric = true;

    QLineEdit* WeightEdit() const { return m_edit; }
    QRadioButton* PoundsButton() const { return m_lbs; }
    QRadioButton* KilogramsButton() const { return m_kg; }

    // OK: refuses a weight of 0 (also empty or non-numeric text) with a message and stays open.
    void accept() override;

private:
    kt::Prompter& m_prompter;
    QLineEdit* m_edit = nullptr;
    QRadioButton* m_lbs = nullptr;
    QRadioButton* m_kg = nullptr;
};

}  // namespace kt::ui
