#pragma once
// "Average Details": the records behind the current averages, newest first (oldest first for the
// whole journal and per exercise day), under a sentence that states the averages once more.
// Reads the document and changes nothing.

#include <QDialog>
#include <cstdint>
#include <vector>

#include "core/stats/AverageDetails.h"

class QPushButton;
class QTableView;
class QTextEdit;

namespace kt {
class ActivityTable;
class CKT2Doc;
}  // namespace kt

namespace kt::ui {

class CAverageDetailsModel;

class CAvgDetailsDlg : public QDialog {
    Q_OBJECT
public:
    // `details` as collected for the view's averaging period; the averages are worked out again
    // here. The document must stay unchanged while the dialog is open.
    CAvgDetailsDlg(const kt::CKT2Doc& doc, const kt::ActivityTable& table, const std::vector<uint16_t>& selected,
                   kt::AverageDetails details, QWidget* parent = nullptr);

    QTextEdit* SummaryPane() const { return m_summary; }
    QTableView* List() const { return m_list; }
    QPushButton* CloseButton() const { return m_close; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void SizeColumns();

    QTextEdit* m_summary = nullptr;
    QTableView* m_list = nullptr;
    QPushButton* m_close = nullptr;
    CAverageDetailsModel* m_model = nullptr;
};

// The details button: collects the records of `period` and shows the dialog; with an empty
// database nothing happens. Returns whether the dialog was shown.
bool ShowAverageDetails(const kt::CKT2Doc& doc, const kt::ActivityTable& table, const std::vector<uint16_t>& selected, int period,
                        QWidget* parent);

}  // namespace kt::ui
