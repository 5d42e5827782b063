#include "ui/views/DataView.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QTextBrowser>
#include <QTextEdit>

#include "core/activities/OptionListEditor.h"
#include "core/app/ActionButton.h"
#include "core/app/Commands.h"
#include "core/app/Session.h"
#include "core/app/Texts.h"
#include "core/app/ToolbarRules.h"
#include "core/base/Scan.h"
#include "core/chart/ChartFill.h"
#include "core/chart/GraphPeriod.h"
#include "core/chart/Texts.h"
#include "core/editor/ActivitySelection.h"
#include "core/editor/Texts.h"
#include "core/entry/Correction.h"
#include "core/entry/EntryPrompt.h"
#include "core/entry/OptionLists.h"
#include "core/entry/SaveAndExit.h"
#include "core/entry/Texts.h"
#include "core/settings/InitialWeight.h"
#include "core/settings/WindowState.h"
#include "core/stats/Averages.h"
#include "core/stats/Summaries.h"
#include "ui/app/EditHistory.h"
#include "ui/base/QtText.h"
#include "ui/base/RichTextPainter.h"
#include "ui/base/ShownColours.h"
#include "ui/settings/InitialWeightDlg.h"
#include "ui/stats/AvgDetailsDlg.h"
#include "ui/views/EntryGridModel.h"
#include "ui/widgets/ChartCtrl.h"
#include "ui/widgets/GridCtrl.h"
#include "ui/widgets/OwnerDrawButton.h"

namespace kt::ui {
namespace {

constexpr int kDetailsWidth = 80;
constexpr int kMinButtonWidth = 180;
constexpr int kButtonHeight = 36;

QRect Q(const kt::Rect& r) { return QRect(r.x, r.y, r.width, r.height); }

void StyleLabel(QLabel* label, kt::Rgb colour, bool bold, double points) {
    // A new palette or font makes the label and its layout start over; a date change mostly
    // keeps both, so only a real change is passed on.
    SetShownColour(label, QPalette::WindowText, ToQColor(colour), kt::ColourUse::Text);
    QFont f = label->font();
    if (f.bold() != bold || f.pointSizeF() != points) {
        f.setBold(bold);
        f.setPointSizeF(points);
        label->setFont(f);
    }
}

COwnerDrawButton* MakeButton(const char* caption, const kt::entry_text::ButtonStyle& style, QWidget* parent) {
    return new COwnerDrawButton(ToQ(caption), ToQFont(style.font), ToQColor(style.background), ToQColor(style.text), parent);
}

QStringList ToQList(const std::vector<std::string>& items) {
    QStringList list;
    for (const std::string& s : items) list << ToQ(s);
    return list;
}

}  // namespace

CDataView::CDataView(kt::Session& session, CEditHistory& history, QWidget* parent)
    : QScrollArea(parent), m_session(session), m_history(history), m_toolbarRules(std::make_unique<kt::ToolbarRules>()) {
    namespace tx = kt::entry_text;
    setObjectName(QStringLiteral("dataView"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    m_form = new QWidget;
    m_form->setObjectName(QStringLiteral("dataForm"));
    setWidget(m_form);

    m_prompt = new QLabel(m_form);
    m_prompt->setObjectName(QStringLiteral("entryPrompt"));
    m_actionButton = MakeButton(tx::kActionRead, tx::kActionButtonStyle, m_form);
    m_actionButton->setObjectName(QStringLiteral("actionButton"));
    m_actionButton->setToolTip(ToQ(tx::kActionShortcut));
    m_exitButton = MakeButton(tx::kExitCaptionInitial, tx::kExitButtonStyle, m_form);
    m_exitButton->setObjectName(QStringLiteral("exitButton"));
    m_detailsButton = MakeButton(tx::kDetailsCaption, tx::kDetailsButtonStyle, m_form);
    m_detailsButton->setObjectName(QStringLiteral("detailsButton"));

    m_gridModel = new EntryGridModel(m_grid, m_state, m_session.doc, m_session.settings, this);
    m_gridCtrl = new CGridCtrl(m_form);
    m_gridCtrl->setObjectName(QStringLiteral("entryGrid"));
    m_gridCtrl->setModel(m_gridModel);
    m_chart = new CChartCtrl(m_form);
    m_daySummary = new QTextEdit(m_form);
    m_daySummary->setObjectName(QStringLiteral("daySummary"));
    m_daySummary->setReadOnly(true);
    m_averagesSummary = new QTextBrowser(m_form);
    m_averagesSummary->setObjectName(QStringLiteral("averagesSummary"));
    // Its "per day" link opens the average details instead of navigating.
    m_averagesSummary->setOpenLinks(false);
    // A busy day's summary is many lines, laid out again at every capture and change of date;
    // Latin text needs no shaping engine (scripts that do still get it).
    for (QTextEdit* pane : {m_daySummary, static_cast<QTextEdit*>(m_averagesSummary)}) {
        QFont font = pane->font();
        font.setStyleStrategy(QFont::PreferNoShaping);
        pane->setFont(font);
    }
    m_averagingCombo = new QComboBox(m_form);
    m_averagingCombo->setObjectName(QStringLiteral("averagingPeriod"));
    m_dayHeading = new QLabel(ToQ(tx::kDayHeadingInitial), m_form);
    m_dayHeading->setObjectName(QStringLiteral("dayHeading"));
    m_averagingHeading = new QLabel(ToQ(tx::kAveragingHeading), m_form);
    m_averagingHeading->setObjectName(QStringLiteral("averagingHeading"));
    m_averagingHeading->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_averagingHeading->setWordWrap(true);

    connect(m_actionButton, &QPushButton::clicked, this, &CDataView::OnActionButton);
    connect(m_exitButton, &QPushButton::clicked, this, &CDataView::OnSaveAndExit);
    connect(m_averagingCombo, &QComboBox::activated, this, &CDataView::OnAveragingPeriodChanged);
    connect(m_detailsButton, &QPushButton::clicked, this, &CDataView::OnDetails);
    connect(m_averagesSummary, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (url.toString() == ToQ(kt::kAverageDetailsLink)) OnDetails();
    });
    connect(m_gridModel, &EntryGridModel::exitCaptionChanged, this, &CDataView::ShowExitCaption);
    m_chart->onDoubleClick = [this](CChartCtrl::Axis axis, double x) { OnChartDoubleClick(static_cast<int>(axis), x); };
    m_chart->onPlotWidthChanged = [this](int pixels) {
        m_chartColumns.pixels = pixels;
        // Before the first period there is nothing to draw; afterwards only a chart of more days
        // than columns looks different at another width.
        if (!m_bPeriodShown) return;
        if (m_chartData.merged || m_chartColumns.axisMax - m_chartColumns.axisMin + 1.0 > pixels) FillChart();
    };
    RegisterCommands();
}

CDataView::~CDataView() {
    if (m_bObserving) m_session.doc.RemoveObserver(this);
    m_grid.SetCellObserver({});
}

void CDataView::RegisterCommands() {
    using namespace kt::cmd;
    // The handlers outlive nothing: a command dispatched after the view is gone does nothing.
    const QPointer<CDataView> self(this);
    const auto on = [self](void (CDataView::*handler)()) {
        return [self, handler] {
            if (self) (self->*handler)();
        };
    };
    kt::CommandRegistry& commands = m_session.commands;
    commands.Register(kClearGrid, on(&CDataView::ClearDataEntryGrid));
    commands.Register(kClearGridMenu, on(&CDataView::ClearDataEntryGrid));
    commands.Register(kActionButton, on(&CDataView::OnActionButton));
    commands.Register(kWeightGraphMenu, on(&CDataView::OnWeightGraphToggle));
    commands.Register(kWeightGraphButton, on(&CDataView::OnWeightGraphToggle));
}

void CDataView::ApplySettings(const kt::WindowState& remembered) {
    m_state = kt::MakeEntryState(m_session.clock.Now(), m_session.settings);
    if (remembered.averagingPeriod) m_state.averagingPeriod = *remembered.averagingPeriod;
    if (remembered.showWeight) m_state.showWeight = *remembered.showWeight;
}

void CDataView::SetUpGrid() {
    FillDescriptionCombos();
    FillLocationCombos();
    FillActivityCombos();
    // Rows a little taller than the text, so the five rows and the chart fit a small window.
    m_gridCtrl->verticalHeader()->setDefaultSectionSize(m_gridCtrl->fontMetrics().height() + 10);
    m_gridCtrl->setFixedHeight(m_gridCtrl->HeightForAllRows());
}

void CDataView::SetUpChart() { m_chart->Setup(kt::WeightAxisRange(m_session.settings)); }

void CDataView::PrepareForJournal() {
    namespace tx = kt::entry_text;
    SetUpGrid();
    m_averagingCombo->clear();
    for (const std::string& caption : kt::AveragingPeriodCaptions()) m_averagingCombo->addItem(ToQ(caption));
    m_averagingCombo->view()->setMinimumWidth(m_averagingCombo->view()->sizeHintForColumn(0));
    m_averagingCombo->setCurrentIndex(
        m_state.averagingPeriod >= 0 && m_state.averagingPeriod < kt::kAveragingPeriodCount ? m_state.averagingPeriod : -1);
    StyleLabel(m_dayHeading, tx::kDayHeadingColour, true, tx::kHeadingPoints);
    StyleLabel(m_averagingHeading, tx::kAveragingHeadingColour, true, tx::kHeadingPoints);
    SetPromptLine(ToQ(kt::text::kLoadingJournal));
    // Until the records are there the chart would only show empty axes; setting it up and drawing
    // it cost the first paint more than the rest of the form.
    m_chart->hide();
    LayoutControls();
}

void CDataView::OnInitialUpdate() {
    m_state.entryDate = kt::MidnightOf(m_session.clock.Now());
    kt::CKT2Doc& doc = m_session.doc;
    if (kt::NeedsInitialWeight(doc)) {
        CInitialWeightDlg dlg(m_session.prompter, this);
        if (dlg.exec() == QDialog::Accepted) kt::ApplyInitialWeight(dlg.m_dWeight, dlg.m_bMetric, doc, m_session.settings);
    }
    LayoutControls();
    SetEntryPrompt();
    SetUpChart();
    m_chart->show();
    ShowGraphPeriod(m_session.settings.m_nGraphPeriod);
    RefreshAverages();
    const kt::WeightFieldTexts weight = kt::ToolbarRules::RefreshWeightField(doc);
    emit weightFieldRefreshed(ToQ(weight.field), ToQ(weight.label));
    kt::CompleteStartUp(m_state, m_grid);
    ShowExitCaption();
    // From here on every change of the journal reaches the chart and the summaries by itself.
    doc.AddObserver(this);
    m_bObserving = true;
}

void CDataView::JournalChanged(const kt::JournalChange&) {
    FillChart();
    RefreshAverages();
}

void CDataView::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    LayoutControls();
}

void CDataView::showEvent(QShowEvent* event) {
    QScrollArea::showEvent(event);
    LayoutControls();
}

kt::FormLayout CDataView::CurrentLayout(int width, int height) const {
    kt::FormSizes sizes;
    sizes.width = width;
    sizes.height = height;
    sizes.gridHeight = m_gridCtrl->height();
    sizes.gridFrame = m_gridCtrl->frameWidth();
    sizes.detailsWidth = kDetailsWidth;
    sizes.exitWidth = std::max(m_exitButton->sizeHint().width(), kMinButtonWidth);
    sizes.actionWidth = std::max(m_actionButton->sizeHint().width(), kMinButtonWidth);
    sizes.buttonHeight = kButtonHeight;
    // The averaging heading wraps; the row is as tall as its lines at the width it gets.
    sizes.headingHeight = m_averagingHeading->heightForWidth(kt::AveragingHeadingWidth(width));
    return kt::LayoutForm(sizes);
}

void CDataView::LayoutControls() {
    // The form fills the pane and follows its size; below the smallest usable form it scrolls.
    const kt::FormMinimum minimum = kt::MinimumFormSize(m_gridCtrl->height(), CurrentLayout(viewport()->width(), 0).dayHeading.height);
    const int W = std::max(viewport()->width(), minimum.width);
    const int H = std::max(viewport()->height(), minimum.height);
    // Scroll bars take room from the viewport; the form is sized again once they came or went.
    m_form->resize(W, H);
    const int fittedW = std::max(viewport()->width(), minimum.width);
    const int fittedH = std::max(viewport()->height(), minimum.height);
    if (fittedW != W || fittedH != H) m_form->resize(fittedW, fittedH);
    const kt::FormLayout l = CurrentLayout(m_form->width(), m_form->height());
    m_prompt->setGeometry(Q(l.prompt));
    m_actionButton->setGeometry(Q(l.actionButton));
    m_exitButton->setGeometry(Q(l.exitButton));
    m_gridCtrl->setGeometry(Q(l.grid));
    m_gridCtrl->SetColumnWidths(l.columnWidth);
    m_chart->setGeometry(Q(l.chart));
    m_daySummary->setGeometry(Q(l.daySummary));
    m_averagesSummary->setGeometry(Q(l.averagesSummary));
    m_dayHeading->setGeometry(Q(l.dayHeading));
    m_averagingHeading->setGeometry(Q(l.averagingHeading));
    m_averagingCombo->setGeometry(Q(l.averagingCombo));
    m_detailsButton->setGeometry(Q(l.detailsButton));
}

void CDataView::PlaceButtons() {
    // A new caption changes a button's width; only the two buttons move, the form stays as laid out.
    const kt::FormLayout l = CurrentLayout(m_form->width(), m_form->height());
    m_actionButton->setGeometry(Q(l.actionButton));
    m_exitButton->setGeometry(Q(l.exitButton));
}

void CDataView::SetEntryPrompt() {
    const kt::EntryPrompt p = kt::MakeEntryPrompt(m_state, m_session.clock.Now());
    m_prompt->setText(ToQ(p.text));
    StyleLabel(m_prompt, p.colour, p.bold, kt::entry_text::kPromptPoints);
}

void CDataView::SetPromptLine(const QString& text) { m_prompt->setText(text); }

QString CDataView::PromptText() const { return m_prompt->text(); }

kt::CaptureContext CDataView::MakeCaptureContext() {
    kt::CaptureContext context(m_session.doc, m_session.settings, m_session.activities, m_session.prompter);
    context.editorShown = m_bEditorShown;
    context.editorMode = m_editorMode;
    context.refreshDaySummary = [this](kt::Time64 day) { ShowDaySummary(day); };
    context.optionListChanged = [this](bool isDescription) {
        if (isDescription) {
            FillDescriptionCombos();
        } else {
            FillLocationCombos();
        }
    };
    context.activityRowChanged = [this](int, const std::string&, const std::string&) { emit activitiesChanged(); };
    return context;
}

void CDataView::FocusFirstCell(int row) {
    m_gridCtrl->setFocus(Qt::OtherFocusReason);
    m_gridCtrl->SetCurrentCell(row - kt::kFirstEntryRow, 0);
}

void CDataView::OnActionButton() {
    const QWidget* focused = QApplication::focusWidget();
    const bool typing = focused && (focused == m_gridCtrl || m_gridCtrl->isAncestorOf(focused));
    // A cell editor still open (Ctrl+R while typing) holds the last text: leaving the cell commits it.
    m_gridCtrl->setCurrentIndex(QModelIndex());
    if (kt::ChooseActionPath(m_bEditorShown, m_editorMode, m_state.replace) == kt::ActionPath::SyncSelectedActivities) {
        emit syncSelectedActivitiesRequested();
        FillActivityCombos();
        return;
    }
    kt::CaptureContext context = MakeCaptureContext();
    kt::ActionResult result;
    if (m_bEditorShown && m_editorMode == kt::EditorMode::Activities) {
        // An activity edit changes the activity table, not the journal: its step remembers the
        // activity as it was.
        const int index = kt::ScanIntOr(m_grid.Text(kt::kFirstEntryRow, kt::kColDuration), -1);
        const kt::ActivitySnapshot before = kt::TakeActivitySnapshot(m_session.settings, m_session.activities, index);
        result = kt::OnActionButton(m_grid, m_state, context);
        m_history.PushActivities(ToQ(kt::editor_text::kStepActivity), before,
                                 kt::TakeActivitySnapshot(m_session.settings, m_session.activities, index));
        // A renamed activity is offered under its new name.
        FillActivityCombos();
    } else {
        const char* step = m_state.replace ? kt::editor_text::kStepReplace : kt::editor_text::kStepCapture;
        m_history.RecordJournal(ToQ(step), [&] { result = kt::OnActionButton(m_grid, m_state, context); });
    }
    // The journal has told the chart and the summaries already; what is left is this view's own.
    ShowExitCaption();
    ShowActionCaption();
    SetEntryPrompt();
    if (result.capture.activityEdit) RefreshAverages();
    // Typing goes on where it is needed: the next entry, or the row the capture stopped at.
    if (typing) FocusFirstCell(kt::ResumeRow(result.capture));
}

void CDataView::ClearDataEntryGrid() { kt::ClearDataEntryGrid(m_grid); }

void CDataView::OnSaveAndExit() {
    if (kt::OnSaveAndExit(m_grid, m_session.doc, m_session.prompter, m_session.clock) == kt::ExitDecision::Close)
        emit saveAndCloseRequested();
}

void CDataView::OnWeightGraphToggle() {
    m_state.showWeight = !m_state.showWeight;
    FillChart();
}

void CDataView::FillActivityCombos() {
    const auto options = kt::ActivityComboOptions(m_session.activities, m_session.settings.m_arSelectedActivities);
    if (options) m_gridModel->SetColumnOptions(kt::kColType, ToQList(*options));
}

void CDataView::FillDescriptionCombos() {
    m_gridModel->SetColumnOptions(kt::kColDescription, ToQList(m_session.settings.m_arDescriptions));
}

void CDataView::FillLocationCombos() { m_gridModel->SetColumnOptions(kt::kColLocation, ToQList(m_session.settings.m_arLocations)); }

void CDataView::ShowExitCaption() {
    m_exitButton->SetCaption(ToQ(m_state.exitCaption));
    PlaceButtons();
}

void CDataView::ShowActionCaption() {
    m_actionButton->SetCaption(ToQ(kt::ActionButtonCaption(m_bEditorShown, m_state.replace, m_editorMode)));
    PlaceButtons();
}

void CDataView::SetEditorPane(bool shown, kt::EditorMode mode) {
    m_bEditorShown = shown;
    m_editorMode = mode;
    ShowActionCaption();
}

void CDataView::ShowGraphPeriod(int index) {
    const kt::GraphPeriodView view = kt::ComputeGraphPeriod(index, m_session.clock.Now(), m_session.doc);
    m_chartStart = view.start;
    m_chartColumns = {view.axisMin, view.axisMax, m_chart->PlotPixels()};
    m_bPeriodShown = true;
    m_chart->SetDateAxis(view.axisMin, view.axisMax, view.tickStepDays, view.tickPattern, view.title);
    FillChart();
}

void CDataView::FillChart() {
    m_chartData = kt::FillChart(m_session.doc, m_chartStart, m_state.showWeight, m_session.settings, m_chartColumns);
    m_chart->SetData(m_chartData);
}

void CDataView::ShowDaySummary(kt::Time64 date) {
    const kt::DaySummaryText summary = kt::DaySummary(m_session.doc, m_session.activities, m_session.settings.m_arSelectedActivities, date);
    m_dayHeading->setText(ToQ(summary.heading));
    PaintStyledText(m_daySummary, summary.pane);
    emit statusPaneChanged(1, ToQ(summary.status.text), ToQColor(summary.status.colour));
}

void CDataView::RefreshAverages() {
    const kt::CKT2Doc& doc = m_session.doc;
    const auto& selected = m_session.settings.m_arSelectedActivities;
    const int period = m_state.averagingPeriod;
    const kt::AverageResult calories = kt::CalorieAverage(doc, m_session.activities, selected, period);
    const kt::AverageResult duration = kt::DurationAverage(doc, period);
    // Working out the average also brings the day summary to the newest record's day.
    if (const auto reference = kt::AverageReferenceDate(doc)) ShowDaySummary(*reference);
    const kt::AveragesSummaryText summary = kt::AveragesSummary(doc, m_session.activities, selected, duration, calories);
    PaintStyledText(m_averagesSummary, summary.pane);
    if (summary.status) emit statusPaneChanged(2, ToQ(summary.status->text), ToQColor(summary.status->colour));
}

void CDataView::SetAveragingPeriod(int period) {
    m_state.averagingPeriod = period;
    m_averagingCombo->setCurrentIndex(period >= 0 && period < kt::kAveragingPeriodCount ? period : -1);
    RefreshAverages();
}

void CDataView::OnDetails() {
    ShowAverageDetails(m_session.doc, m_session.activities, m_session.settings.m_arSelectedActivities, m_state.averagingPeriod, window());
}

void CDataView::OnAveragingPeriodChanged(int position) {
    m_state.averagingPeriod = kt::AveragingPeriodFromSelection(position);
    RefreshAverages();
}

void CDataView::OnChartDoubleClick(int axis, double x) {
    if (static_cast<CChartCtrl::Axis>(axis) != CChartCtrl::Axis::Bottom) {
        m_session.prompter.Message(kt::chart_text::kOtherAxisClicked);
        return;
    }
    const double halfBar = kt::chart_setup::kExerciseBarWidth / 2.0 * m_chart->DaysPerPixel();
    if (const auto day = kt::DayForClick(m_chartData, x, halfBar)) ShowDaySummary(*day);
}

void CDataView::OnGraphPeriodChosen(int index) {
    if (index < 0 || index >= kt::kGraphPeriodCount) return;
    ShowGraphPeriod(index);
    m_session.settings.m_nGraphPeriod = index;
}

void CDataView::OnDatePicked(int year, int month, int day) {
    m_state.entryDate = kt::ToolbarRules::EntryDateForPickedDay(year, month, day);
    SetEntryPrompt();
    ShowDaySummary(m_state.entryDate);
}

void CDataView::OnWeightEdited(const QString& text) {
    const kt::WeightChange change = m_toolbarRules->OnWeightTextChanged(FromQ(text), m_session.doc, m_state, m_session.settings);
    if (change.processed) emit weightLabelChanged(ToQ(change.label));
}

void CDataView::SetAddToLists(bool on) {
    m_state.addToLists = on;
    emit addToListsChanged(on);
}

void CDataView::OnOptionListChanged(kt::OptionListMode list) {
    switch (list) {
        case kt::OptionListMode::Descriptions:
            FillDescriptionCombos();
            break;
        case kt::OptionListMode::Locations:
            FillLocationCombos();
            break;
        case kt::OptionListMode::ActivityTypes:
            FillActivityCombos();
            break;
    }
}

void CDataView::OnAddToListsClicked() {
    kt::Settings& settings = m_session.settings;
    settings.m_bAddToListsNow = !settings.m_bAddToListsNow;
    m_state.addToLists = settings.m_bAddToListsNow;
    emit addToListsChanged(settings.m_bAddToListsNow);
}

bool CDataView::LoadRecordForCorrection(int position) {
    if (!kt::LoadRecordForCorrection(m_grid, m_state, m_session.doc, position, m_session.settings.m_dMaxHours)) return false;
    SetEntryPrompt();
    ShowActionCaption();
    return true;
}

bool CDataView::LoadActivityForEdit(int index) {
    if (!kt::LoadActivityForEdit(m_grid, m_state, m_session.activities, index)) return false;
    ShowActionCaption();
    return true;
}

}  // namespace kt::ui
