#pragma once
// The main toolbar: graph period, exercise date, weight and the two entry options between the
// command buttons. Its controls are its own: what the user does with them leaves as signals, and
// what the program shows in them comes in through the setters.

#include <QToolBar>

class QComboBox;
class QDate;
class QDateEdit;
class QLineEdit;
class QCheckBox;

namespace kt::ui {

class CColorStatic;
class CMultiLineCheckBox;

class CKTToolBar : public QToolBar {
    Q_OBJECT
public:
    explicit CKTToolBar(QWidget* parent = nullptr);

    // Places a command button before the period controls.
    void AddLeftAction(QAction* action);
    // Places a command button after the option boxes (a separator comes before the first).
    void AddRightAction(QAction* action);

    // The combo shows `period`; a period outside the list shows no selection. No signal.
    void SetGraphPeriod(int period);
    // The program's own fill of the weight field: reported by weightEdited like typed text, also
    // when the field held that text already.
    void SetWeightField(const QString& text);
    void SetWeightLabel(const QString& text);
    // After start-up: the label, the field (with its notification) and the label again, so the
    // label shows the unit whatever the notification made of it.
    void RefreshWeightField(const QString& field, const QString& label);
    // The three labels' colours, and both option boxes.
    void SetToolbarColors(bool addToLists, bool autoFill);
    void SetAddToLists(bool on);
    void SetAutoFill(bool on);
    // The date, weight, period and option controls take input (the buttons follow their commands).
    void SetControlsEnabled(bool enabled);

protected:
    // A narrow window: the two option boxes wrap their captions onto more lines, down to a
    // minimum, so every control stays on the toolbar instead of behind its extension arrow.
    void resizeEvent(QResizeEvent* event) override;

signals:
    void graphPeriodChosen(int period);
    void datePicked(int year, int month, int day);
    void weightEdited(const QString& text);
    void addToListsClicked();
    void autoFillClicked();

private:
    // The controls, in the order the toolbar owns them.
    QComboBox* m_comboGraphPeriod = nullptr;          // 400
    CColorStatic* m_labelGraphPeriod = nullptr;       // 2001
    CColorStatic* m_labelExerciseDate = nullptr;      // 2002
    QDateEdit* m_datePicker = nullptr;                // 403
    CColorStatic* m_labelLastWeight = nullptr;        // 2003
    QLineEdit* m_editWeight = nullptr;                // 405
    CMultiLineCheckBox* m_checkAddToLists = nullptr;  // 2004
    CMultiLineCheckBox* m_checkAutoFill = nullptr;    // 321
    QAction* m_firstControl = nullptr;
    bool m_bRightStarted = false;
};

}  // namespace kt::ui
