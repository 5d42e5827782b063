#pragma once
// The data entry view: the lower pane of the main window. It holds the entry grid with the
// prompt line and its buttons, the exercise chart, the day and averages summaries and the
// averaging period combo. The rules live in core (entry, stats, chart); this view moves texts
// between its widgets and core and shows what core returns.
//
// It works on the session it is given and never on the main window: the journal tells it of
// every change (chart and summaries follow by themselves), the toolbar's controls reach it
// through the slots below, and what it has to say to others (status panes, the weight field, a
// request to save and close) leaves as signals.

#include <QScrollArea>
#include <memory>

#include "core/base/LocalTime.h"
#include "core/chart/ChartFill.h"
#include "core/entry/EntryGrid.h"
#include "core/entry/EntryState.h"
#include "core/entry/FormLayout.h"
#include "core/entry/GridCapture.h"
#include "core/journal/JournalObserver.h"

class QLabel;
class QComboBox;
class QTextEdit;
class QTextBrowser;

namespace kt {
struct Session;
struct WindowState;
class ToolbarRules;
enum class OptionListMode : int;
}  // namespace kt

namespace kt::ui {

class CEditHistory;
class CGridCtrl;
class CChartCtrl;
class COwnerDrawButton;
class EntryGridModel;

class CDataView : public QScrollArea, public kt::JournalObserver {
    Q_OBJECT
public:
    // Captures, corrections and activity edits become steps of `history`.
    CDataView(kt::Session& session, CEditHistory& history, QWidget* parent = nullptr);
    ~CDataView() override;

    // Window creation: the view's state from the settings; the averaging period and the weight
    // graph as the last run left them, when it did.
    void ApplySettings(const kt::WindowState& remembered);
    // Start-up while the journal loads: the grid, the averaging combo and the headings, and the
    // loading text in the prompt's place; the chart waits hidden.
    void PrepareForJournal();
    // Start-up once the journal is loaded: entry date, initial weight, prompt, the chart and its period,
    // averages, weight field; the edited mark ends cleared. From here on the view follows the journal.
    void OnInitialUpdate();
    void SetEntryPrompt();
    // Another line in the prompt's place (the database editor's), until SetEntryPrompt rewrites it.
    void SetPromptLine(const QString& text);
    QString PromptText() const;

    void OnActionButton();
    void ClearDataEntryGrid();
    void OnSaveAndExit();
    void OnWeightGraphToggle();
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

    // The toolbar's controls.
    void OnGraphPeriodChosen(int index);
    void OnDatePicked(int year, int month, int day);
    void OnWeightEdited(const QString& text);
    void OnAddToListsClicked();
    // The add-to-lists flag from elsewhere (the preferences); the toolbar box follows.
    void SetAddToLists(bool on);
    // An option list the user edited: the drop-downs that offer it show the new list.
    void OnOptionListChanged(kt::OptionListMode list);
    // The editor pane's visibility and mode, which the capture and the action button follow.
    void SetEditorPane(bool shown, kt::EditorMode mode);

    // A record or an activity loaded into row 1 for correction (what the database editor's
    // double-click does); false when there is no such record or activity.
    bool LoadRecordForCorrection(int position);
    bool LoadActivityForEdit(int index);

    const kt::EntryState& State() const { return m_state; }
    const kt::EntryGrid& Grid() const { return m_grid; }
    EntryGridModel* GridModel() const { return m_gridModel; }
    CGridCtrl* GridCtrl() const { return m_gridCtrl; }
    // The keyboard goes to the first cell of the entry grid's `row` (its first row by default).
    void FocusFirstCell(int row = kt::kFirstEntryRow);
    CChartCtrl* Chart() const { return m_chart; }
    QTextEdit* DaySummaryPane() const { return m_daySummary; }
    QTextBrowser* AveragesPane() const { return m_averagesSummary; }
    QComboBox* AveragingCombo() const { return m_averagingCombo; }
    QLabel* PromptLabel() const { return m_prompt; }
    QLabel* DayHeading() const { return m_dayHeading; }
    COwnerDrawButton* ActionButton() const { return m_actionButton; }
    COwnerDrawButton* ExitButton() const { return m_exitButton; }
    COwnerDrawButton* DetailsButton() const { return m_detailsButton; }
    QWidget* Form() const { return m_form; }

signals:
    // Status pane 1 (the day) or 2 (the database) shows `text` in `colour`.
    void statusPaneChanged(int pane, const QString& text, const QColor& colour);
    // The toolbar's weight field and its label after start-up; the field's fill is a change
    // notification like typed text.
    void weightFieldRefreshed(const QString& field, const QString& label);
    void weightLabelChanged(const QString& label);
    void addToListsChanged(bool on);
    // The exit button: everything of the view is settled, the program may store and close.
    void saveAndCloseRequested();
    // The action button while the editor shows the activities without one loaded: the editor's
    // ticks become the selected activities.
    void syncSelectedActivitiesRequested();
    // An activity's name or MET value was changed from the grid.
    void activitiesChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void JournalChanged(const kt::JournalChange& change) override;

private:
    void RegisterCommands();
    void SetUpGrid();
    void SetUpChart();
    void LayoutControls();
    void OnAveragingPeriodChanged(int position);
    void OnChartDoubleClick(int axis, double x);
    void ShowExitCaption();
    void ShowActionCaption();
    void PlaceButtons();
    kt::FormLayout CurrentLayout(int width, int height) const;
    kt::CaptureContext MakeCaptureContext();

    kt::Session& m_session;
    CEditHistory& m_history;
    kt::EntryGrid m_grid;
    kt::EntryState m_state;
    std::unique_ptr<kt::ToolbarRules> m_toolbarRules;
    kt::Time64 m_chartStart = 0;
    kt::ChartColumns m_chartColumns;  // the date axis as shown, for bars merged per pixel column
    kt::ChartData m_chartData;        // what the chart shows, for a double-click on a merged bar
    bool m_bPeriodShown = false;      // a graph period has set the chart's start and axis
    bool m_bEditorShown = false;
    kt::EditorMode m_editorMode = kt::EditorMode::Records;
    bool m_bObserving = false;

    QWidget* m_form = nullptr;
    QLabel* m_prompt = nullptr;
    COwnerDrawButton* m_actionButton = nullptr;
    COwnerDrawButton* m_exitButton = nullptr;
    COwnerDrawButton* m_detailsButton = nullptr;
    EntryGridModel* m_gridModel = nullptr;
    CGridCtrl* m_gridCtrl = nullptr;
    CChartCtrl* m_chart = nullptr;
    QTextEdit* m_daySummary = nullptr;
    QTextBrowser* m_averagesSummary = nullptr;
    QComboBox* m_averagingCombo = nullptr;
    QLabel* m_dayHeading = nullptr;
    QLabel* m_averagingHeading = nullptr;
};

}  // namespace kt::ui
