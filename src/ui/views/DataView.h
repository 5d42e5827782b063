#pragma once
// The data entry view: the lower pane of the main window. It holds the entry grid with the
// prompt line and its buttons, the exercise chart, the day and averages summaries and the
// averaging period combo. The rules live in core (entry, stats, chart); this view moves texts
// between its widgets and core's grid model and shows what core returns.

#include <QScrollArea>

#include "core/base/LocalTime.h"
#include "core/entry/EntryGrid.h"
#include "core/entry/EntryState.h"
#include "core/entry/FormLayout.h"
#include "core/entry/GridCapture.h"
#include "core/stats/Averages.h"

class QLabel;
class QComboBox;
class QTextEdit;
class QTextBrowser;

namespace kt::ui {

class CMainFrame;
class CGridCtrl;
class CChartCtrl;
class COwnerDrawButton;

class CDataView : public QScrollArea {
    Q_OBJECT
public:
    CDataView(CMainFrame* frame, QWidget* parent = nullptr);
    ~CDataView() override;

    // Start-up: grid, chart, entry date, combo, initial weight, layout, prompt, chart period,
    // averages, weight field; the edited mark ends cleared.
    void OnInitialUpdate();
    void LayoutControls();
    void SetEntryPrompt();
    QString PromptText() const;

    void OnActionButton();
    void ClearDataEntryGrid();
    void OnSaveAndExit();
    void FillActivityCombos();
    void FillDescriptionCombos();
    void FillLocationCombos();

    void ShowGraphPeriod(int index);
    void FillChart();
    void ShowDaySummary(kt::Time64 date);
    // CalorieAverage and DurationAverage for the averaging period, the day summary of the
    // reference date, then the averages summary.
    void RefreshAverages();
    // The averaging period from now on: the combo shows it and the averages follow.
    void SetAveragingPeriod(int period);
    // The details button and the "per day" link: the records behind the current averages.
    void OnDetails();

    void SetEntryDate(kt::Time64 day);
    void SetActionCaption(const QString& caption);
    // A record or an activity loaded into row 1 for correction (what the database editor's
    // double-click does); false when there is no such record or activity.
    bool LoadRecordForCorrection(int position);
    bool LoadActivityForEdit(int index);

    kt::EntryState& State() { return m_state; }
    kt::EntryGrid& GridModel() { return m_grid; }

    CGridCtrl* Grid() const { return m_gridCtrl; }
    CChartCtrl* Chart() const { return m_chart; }
    QTextEdit* DaySummaryPane() const { return m_daySummary; }
    QTextBrowser* AveragesPane() const { return m_averagesSummary; }
    QComboBox* AveragingCombo() const { return m_averagingCombo; }
    QLabel* PromptLabel() const { return m_prompt; }
    QLabel* DayHeading() const { return m_dayHeading; }
    COwnerDrawButton* ActionButton() const { return m_actionButton; }
    COwnerDrawButton* ExitButton() const { return m_exitButton; }
    COwnerDrawButton* DetailsButton() const { return m_detailsButton; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void SetUpGrid();
    void SetUpChart();
    void OnEndEdit(int row, int column, const QString& text);
    void OnAveragingPeriodChanged(int position);
    void OnChartDoubleClick(int axis, double x);
    // Writes the cells of the model into the grid widget.
    void SyncGridWidget();
    void SyncCell(int row, int column);
    void ShowExitCaption();
    void PlaceButtons();
    kt::FormLayout CurrentLayout(int width, int height) const;
    void ApplyCaptureResult(const kt::CaptureResult& result);
    kt::CaptureContext MakeCaptureContext();

    CMainFrame* m_frame;
    kt::EntryGrid m_grid;
    kt::EntryState m_state;
    kt::Time64 m_chartStart = 0;
    bool m_bShown = false;

    QWidget* m_form = nullptr;
    QLabel* m_prompt = nullptr;
    COwnerDrawButton* m_actionButton = nullptr;
    COwnerDrawButton* m_exitButton = nullptr;
    COwnerDrawButton* m_detailsButton = nullptr;
    CGridCtrl* m_gridCtrl = nullptr;
    CChartCtrl* m_chart = nullptr;
    QTextEdit* m_daySummary = nullptr;
    QTextBrowser* m_averagesSummary = nullptr;
    QComboBox* m_averagingCombo = nullptr;
    QLabel* m_dayHeading = nullptr;
    QLabel* m_averagingHeading = nullptr;
};

}  // namespace kt::ui
