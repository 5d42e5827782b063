#include "ui/views/DataView.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QTextBrowser>
#include <QTextEdit>

#include "core/activities/ActivityTable.h"
#include "core/app/InitialWeight.h"
#include "core/base/Clock.h"
#include "core/chart/ChartFill.h"
#include "core/chart/GraphPeriod.h"
#include "core/chart/Texts.h"
#include "core/entry/CellEdit.h"
#include "core/entry/Correction.h"
#include "core/entry/EntryPrompt.h"
#include "core/entry/FormLayout.h"
#include "core/entry/OptionLists.h"
#include "core/entry/SaveAndExit.h"
#include "core/entry/Texts.h"
#include "core/stats/Summaries.h"
#include "ui/app/MainFrame.h"
#include "ui/base/QtPrompter.h"
#include "ui/base/QtText.h"
#include "ui/base/RichTextPainter.h"
#include "ui/settings/InitialWeightDlg.h"
#include "ui/stats/AvgDetailsDlg.h"
#include "ui/views/EventRecordView.h"
#include "ui/widgets/ChartCtrl.h"
#include "ui/widgets/GridCtrl.h"
#include "ui/widgets/OwnerDrawButton.h"

namespace kt::ui {
namespace {

// The form never shrinks below this; a smaller pane scrolls, as a form view does.
constexpr int kMinFormWidth = 980;
constexpr int kMinFormHeight = 760;
constexpr int kDetailsWidth = 90;
constexpr int kMinButtonWidth = 180;
constexpr int kButtonHeight = 36;

QRect Q(const kt::Rect& r) { return QRect(r.x, r.y, r.width, r.height); }

void StyleLabel(QLabel* label, kt::Rgb colour, bool bold, double points) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, ToQColor(colour));
    label->setPalette(p);
    QFont f = label->font();
    f.setBold(bold);
    f.setPointSizeF(points);
    label->setFont(f);
}

QStringList ToQList(const std::vector<std::string>& items) {
    QStringList list;
    for (const std::string& s : items) list << ToQ(s);
    return list;
}

}  // namespace

CDataView::CDataView(CMainFrame* frame, QWidget* parent) : QScrollArea(parent), m_frame(frame) {
    setObjectName(QStringLiteral("dataView"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    m_form = new QWidget;
    m_form->setObjectName(QStringLiteral("dataForm"));
    m_form->resize(kMinFormWidth, kMinFormHeight);
    setWidget(m_form);

    m_prompt = new QLabel(m_form);
    m_prompt->setObjectName(QStringLiteral("entryPrompt"));
    m_actionButton = new COwnerDrawButton(QStringLiteral("Read Data Grid"), MakeFont("Arial", 12, true, true), QColor(240, 240, 255),
                                          QColor(192, 0, 0), m_form);
    m_actionButton->setObjectName(QStringLiteral("actionButton"));
    m_actionButton->setToolTip(QStringLiteral("Ctrl+R"));
    m_exitButton = new COwnerDrawButton(ToQ(kt::entry_text::kExitCaptionInitial), MakeFont("Arial", 12, true, true), QColor(243, 243, 183),
                                        QColor(0, 0, 192), m_form);
    m_exitButton->setObjectName(QStringLiteral("exitButton"));
    m_detailsButton = new COwnerDrawButton(QStringLiteral("Details"), MakeFont("Arial", 8, true, false), QColor(240, 240, 240),
                                           QColor(220, 0, 0), m_form);
    m_detailsButton->setObjectName(QStringLiteral("detailsButton"));

    m_gridCtrl = new CGridCtrl(m_form);
    m_gridCtrl->setObjectName(QStringLiteral("entryGrid"));
    m_chart = new CChartCtrl(m_form);
    m_daySummary = new QTextEdit(m_form);
    m_daySummary->setObjectName(QStringLiteral("daySummary"));
    m_daySummary->setReadOnly(true);
    m_averagesSummary = new QTextBrowser(m_form);
    m_averagesSummary->setObjectName(QStringLiteral("averagesSummary"));
    // Its "per day" link opens the average details instead of navigating.
    m_averagesSummary->setOpenLinks(false);
    m_averagingCombo = new QComboBox(m_form);
    m_averagingCombo->setObjectName(QStringLiteral("averagingPeriod"));
    m_dayHeading = new QLabel(QStringLiteral("Today's exercise results:"), m_form);
    m_dayHeading->setObjectName(QStringLiteral("dayHeading"));
    m_averagingHeading = new QLabel(QStringLiteral("Select the period over which the data will be averaged."), m_form);
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
    m_gridCtrl->SetEndEditHook([this](int row, int column, const QString& text) { OnEndEdit(row, column, text); });
    m_chart->onDoubleClick = [this](CChartCtrl::Axis axis, double x) { OnChartDoubleClick(static_cast<int>(axis), x); };
}

CDataView::~CDataView() = default;

void CDataView::SetUpGrid() {
    m_gridCtrl->SetColumnCount(kt::kGridColumns);
    m_gridCtrl->SetRowCount(kt::kGridRows);
    m_gridCtrl->verticalHeader()->setVisible(false);
    for (int c = 0; c < kt::kGridColumns; ++c) m_gridCtrl->SetItemText(0, c, ToQ(m_grid.Text(0, c)));
    for (int r = kt::kFirstEntryRow; r <= kt::kLastEntryRow; ++r) {
        for (int c = 0; c < kt::kGridColumns; ++c) {
            m_gridCtrl->SetCellKind(r, c, kt::IsComboColumn(c) ? CGridCtrl::CellKind::Combo : CGridCtrl::CellKind::Text);
        }
    }
    FillDescriptionCombos();
    FillLocationCombos();
    FillActivityCombos();
    SyncGridWidget();
    // Tall enough for the heading and the five entry rows, never a vertical scroll bar.
    const int rows =
        m_gridCtrl->horizontalHeader()->sizeHint().height() + kt::kLastEntryRow * m_gridCtrl->verticalHeader()->defaultSectionSize();
    m_gridCtrl->setFixedHeight(rows + 2 * m_gridCtrl->frameWidth() + 2);
    m_gridCtrl->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void CDataView::SetUpChart() { m_chart->Setup(kt::WeightAxisRange(m_frame->Settings())); }

void CDataView::OnInitialUpdate() {
    SetUpGrid();
    SetUpChart();
    m_state.entryDate = kt::MidnightOf(kt::DefaultClock().Now());
    m_averagingCombo->clear();
    for (const std::string& caption : kt::AveragingPeriodCaptions()) m_averagingCombo->addItem(ToQ(caption));
    m_averagingCombo->setCurrentIndex(
        m_state.averagingPeriod >= 0 && m_state.averagingPeriod < kt::kAveragingPeriodCount ? m_state.averagingPeriod : -1);
    StyleLabel(m_dayHeading, {0, 128, 0}, true, 10);
    StyleLabel(m_averagingHeading, {0, 0, 128}, true, 10);

    kt::CKT2Doc& doc = m_frame->Doc();
    if (doc.m_dLastWeight == 0.0) {
        CInitialWeightDlg dlg(m_frame);
        if (dlg.exec() == QDialog::Accepted) kt::ApplyInitialWeight(dlg.m_dWeight, dlg.m_bMetric, doc, m_frame->Settings());
    }
    LayoutControls();
    SetEntryPrompt();
    ShowGraphPeriod(m_frame->Settings().m_nGraphPeriod);
    RefreshAverages();
    m_frame->RefreshWeightField();
    kt::CompleteStartUp(m_state, m_grid);
    ShowExitCaption();
    m_gridCtrl->ClearModified();
}

void CDataView::showEvent(QShowEvent* event) {
    QScrollArea::showEvent(event);
    // The start-up layout ran before the window had its real size; the first showing redoes it.
    if (!m_bShown) {
        m_bShown = true;
        LayoutControls();
    }
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
    return kt::LayoutForm(sizes);
}

void CDataView::LayoutControls() {
    const int W = std::max(viewport()->width(), kMinFormWidth);
    const int H = std::max(viewport()->height(), kMinFormHeight);
    m_form->resize(W, H);
    const kt::FormLayout l = CurrentLayout(W, H);
    m_prompt->setGeometry(Q(l.prompt));
    m_actionButton->setGeometry(Q(l.actionButton));
    m_exitButton->setGeometry(Q(l.exitButton));
    m_gridCtrl->setGeometry(Q(l.grid));
    for (int c = 0; c < kt::kGridColumns; ++c) m_gridCtrl->setColumnWidth(c, l.columnWidth);
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
    const kt::EntryPrompt p = kt::MakeEntryPrompt(m_state, kt::DefaultClock().Now());
    m_prompt->setText(ToQ(p.text));
    StyleLabel(m_prompt, p.colour, p.bold, 11);
}

QString CDataView::PromptText() const { return m_prompt->text(); }

kt::CaptureContext CDataView::MakeCaptureContext() {
    kt::CaptureContext context(m_frame->Doc(), m_frame->Settings(), m_frame->Activities(), UiPrompter());
    context.editorShown = m_frame->m_bEditorShown;
    context.editorMode = static_cast<kt::EditorMode>(m_frame->EditorView()->EditorMode());
    context.refreshDaySummary = [this](kt::Time64 day) { ShowDaySummary(day); };
    context.optionListChanged = [this](bool isDescription) {
        if (isDescription) {
            FillDescriptionCombos();
        } else {
            FillLocationCombos();
        }
    };
    return context;
}

void CDataView::OnActionButton() {
    // A cell editor still open (Ctrl+R while typing) holds the last text: leaving the cell commits it.
    m_gridCtrl->setCurrentCell(-1, -1);
    kt::CaptureContext context = MakeCaptureContext();
    const kt::ActionResult result = kt::OnActionButton(m_grid, m_state, context);
    if (result.path == kt::ActionPath::SyncSelectedActivities) {
        FillActivityCombos();
        return;
    }
    ApplyCaptureResult(result.capture);
}

void CDataView::ApplyCaptureResult(const kt::CaptureResult& result) {
    SyncGridWidget();
    if (result.refreshChart) FillChart();
    if (result.exitCaptionChanged) ShowExitCaption();
    if (result.updateActionButton) m_frame->UpdateActionButton();
    if (result.refreshPrompt) SetEntryPrompt();
    if (result.refreshAverages) RefreshAverages();
}

void CDataView::ClearDataEntryGrid() {
    kt::ClearDataEntryGrid(m_grid);
    SyncGridWidget();
    m_gridCtrl->RedrawGrid();
}

void CDataView::OnSaveAndExit() {
    if (kt::OnSaveAndExit(m_grid, m_frame->Doc(), UiPrompter()) == kt::ExitDecision::Close) m_frame->SaveAndClose();
}

void CDataView::FillActivityCombos() {
    const auto options = kt::ActivityComboOptions(m_frame->Activities(), m_frame->Settings().m_arSelectedActivities);
    if (!options) return;
    const QStringList list = ToQList(*options);
    for (int r = kt::kFirstEntryRow; r <= kt::kLastEntryRow; ++r) m_gridCtrl->SetCellOptions(r, kt::kColType, list);
}

void CDataView::FillDescriptionCombos() {
    const QStringList list = ToQList(m_frame->Settings().m_arDescriptions);
    for (int r = kt::kFirstEntryRow; r <= kt::kLastEntryRow; ++r) m_gridCtrl->SetCellOptions(r, kt::kColDescription, list);
}

void CDataView::FillLocationCombos() {
    const QStringList list = ToQList(m_frame->Settings().m_arLocations);
    for (int r = kt::kFirstEntryRow; r <= kt::kLastEntryRow; ++r) m_gridCtrl->SetCellOptions(r, kt::kColLocation, list);
}

void CDataView::OnEndEdit(int row, int column, const QString& text) {
    const kt::CellEditResult result =
        kt::EndCellEdit(m_grid, m_state, m_frame->Doc(), m_frame->Settings().m_bAutoFill, row, column, FromQ(text));
    for (const kt::CellRef& cell : result.redraw) SyncCell(cell.row, cell.column);
    if (result.exitCaptionChanged) ShowExitCaption();
}

void CDataView::SyncCell(int row, int column) {
    m_gridCtrl->SetItemText(row, column, ToQ(m_grid.Text(row, column)));
    m_gridCtrl->SetModified(row, column, m_grid.IsModified(row, column));
    m_gridCtrl->RedrawCell(row, column);
}

void CDataView::SyncGridWidget() {
    for (int r = kt::kFirstEntryRow; r <= kt::kLastEntryRow; ++r) {
        for (int c = 0; c < kt::kGridColumns; ++c) SyncCell(r, c);
    }
    m_gridCtrl->RedrawGrid();
}

void CDataView::ShowExitCaption() {
    m_exitButton->SetCaption(ToQ(m_state.exitCaption));
    PlaceButtons();
}

void CDataView::SetActionCaption(const QString& caption) {
    m_actionButton->SetCaption(caption);
    PlaceButtons();
}

void CDataView::ShowGraphPeriod(int index) {
    const kt::GraphPeriodView view = kt::ComputeGraphPeriod(index, kt::DefaultClock().Now(), m_frame->Doc());
    m_chartStart = view.start;
    m_chart->SetDateAxis(view.axisMin, view.axisMax, view.tickStepDays, view.tickPattern, view.title);
    FillChart();
}

void CDataView::FillChart() { m_chart->SetData(kt::FillChart(m_frame->Doc(), m_chartStart, m_state.showWeight, m_frame->Settings())); }

void CDataView::ShowDaySummary(kt::Time64 date) {
    const kt::DaySummaryText summary =
        kt::DaySummary(m_frame->Doc(), m_frame->Activities(), m_frame->Settings().m_arSelectedActivities, date);
    m_dayHeading->setText(ToQ(summary.heading));
    PaintStyledText(m_daySummary, summary.pane);
    m_frame->SetStatusPane(1, ToQ(summary.status.text), ToQColor(summary.status.colour));
}

void CDataView::RefreshAverages() {
    const kt::CKT2Doc& doc = m_frame->Doc();
    const auto& selected = m_frame->Settings().m_arSelectedActivities;
    const int period = m_state.averagingPeriod;
    const kt::AverageResult calories = kt::CalorieAverage(doc, m_frame->Activities(), selected, period);
    const kt::AverageResult duration = kt::DurationAverage(doc, period);
    // Working out the average also brings the day summary to the newest record's day.
    if (const auto reference = kt::AverageReferenceDate(doc)) ShowDaySummary(*reference);
    const kt::AveragesSummaryText summary = kt::AveragesSummary(doc, m_frame->Activities(), selected, duration, calories);
    PaintStyledText(m_averagesSummary, summary.pane);
    if (summary.status) m_frame->SetStatusPane(2, ToQ(summary.status->text), ToQColor(summary.status->colour));
}

void CDataView::SetAveragingPeriod(int period) {
    m_state.averagingPeriod = period;
    m_averagingCombo->setCurrentIndex(period >= 0 && period < kt::kAveragingPeriodCount ? period : -1);
    RefreshAverages();
}

void CDataView::OnDetails() {
    ShowAverageDetails(m_frame->Doc(), m_frame->Activities(), m_frame->Settings().m_arSelectedActivities, m_state.averagingPeriod, m_frame);
}

void CDataView::OnAveragingPeriodChanged(int position) {
    m_state.averagingPeriod = kt::AveragingPeriodFromSelection(position);
    RefreshAverages();
}

void CDataView::OnChartDoubleClick(int axis, double x) {
    if (static_cast<CChartCtrl::Axis>(axis) != CChartCtrl::Axis::Bottom) {
        UiPrompter().Message(kt::chart_text::kOtherAxisClicked);
        return;
    }
    // Bars stand centred on their day: the nearest whole day is the one the user pointed at.
    if (const auto day = kt::DayFromAxisValue(x + 0.5)) ShowDaySummary(*day);
}

void CDataView::SetEntryDate(kt::Time64 day) { m_state.entryDate = day; }

bool CDataView::LoadRecordForCorrection(int position) {
    if (!kt::LoadRecordForCorrection(m_grid, m_state, m_frame->Doc(), position, m_frame->Settings().m_dMaxHours)) return false;
    SyncGridWidget();
    SetEntryPrompt();
    m_frame->UpdateActionButton();
    return true;
}

bool CDataView::LoadActivityForEdit(int index) {
    if (!kt::LoadActivityForEdit(m_grid, m_state, m_frame->Activities(), index)) return false;
    SyncGridWidget();
    m_frame->UpdateActionButton();
    return true;
}

}  // namespace kt::ui
