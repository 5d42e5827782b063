#pragma once
// Two uses of one dialog: the report after the yearly automatic archive, which closes itself
// after a 20-second countdown unless its box is unticked, and the question before a recombine,
// whose box says whether the yearly archive stays on.

#include <QDialog>
#include <string>

#include "core/base/LocalTime.h"

class QCheckBox;
class QPushButton;
class QTextEdit;
class QTimer;

namespace kt {
class Clock;
}

namespace kt::ui {

class CArchiveReportDlg : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Automatic, Confirmation };
    // `cut`: the cut of the automatic archive; `dataFolder`: where its archive files are listed;
    // `autoArchive`: the "month day" setting the recombine question shows. `clock` must outlive
    // the dialog; it tells the countdown how much time is left.
    CArchiveReportDlg(Mode mode, kt::Time64 cut, std::string dataFolder, std::string autoArchive, const kt::Clock& clock,
                      QWidget* parent = nullptr);

    // The setting after the question: unchanged, or "0 0" when Yes was given with the box unticked.
    const std::string& AutoArchiveSetting() const { return m_strAutoArchive; }
    bool CountdownRunning() const { return m_bCountdown; }

    QTextEdit* ReportPane() const { return m_report; }
    QCheckBox* CheckBox() const { return m_check; }
    QPushButton* YesButton() const { return m_yes; }
    QPushButton* CloseButton() const { return m_close; }

    // One tick of the countdown: the box shows the seconds left.
    void OnTick();

private:
    void StartCountdown();
    void OnCheckToggled(bool ticked);
    void OnYes();

    Mode m_mode;
    kt::Time64 m_cut;
    std::string m_strDataFolder;
    std::string m_strAutoArchive;
    const kt::Clock& m_clock;
    kt::Time64 m_closeTime = 0;
    bool m_bCountdown = false;

    QTextEdit* m_report = nullptr;
    QCheckBox* m_check = nullptr;
    QPushButton* m_yes = nullptr;
    QPushButton* m_close = nullptr;
    QTimer* m_closeTimer = nullptr;
    QTimer* m_tickTimer = nullptr;
};

}  // namespace kt::ui
