#include "ui/app/MainFrame.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusTipEvent>
#include <QTimer>

#include "core/activities/ActivityList.h"
#include "core/app/ActionButton.h"
#include "core/app/Commands.h"
#include "core/app/DataFolder.h"
#include "core/app/PaneLayout.h"
#include "core/app/Shutdown.h"
#include "core/base/Format.h"
#include "core/entry/EntryState.h"
#include "core/entry/OptionLists.h"
#include "core/settings/Preferences.h"
#include "core/settings/SettingsPersistence.h"
#include "core/update/FileVersionInfo.h"
#include "core/update/UpdateSite.h"
#include "ui/about/AboutDlg.h"
#include "ui/activities/EditComboOptionsDlg.h"
#include "ui/activities/ShowDefaultActivities.h"
#include "ui/app/KTToolBar.h"
#include "ui/base/QtPrompter.h"
#include "ui/base/QtText.h"
#include "ui/base/QtTrash.h"
#include "ui/journal/ArchiveDlg.h"
#include "ui/journal/ArchiveReportDlg.h"
#include "ui/journal/CsvImportCommand.h"
#include "ui/print/PrintCommands.h"
#include "ui/settings/PreferencesDlg.h"
#include "ui/update/VersionChecker.h"
#include "ui/views/DataView.h"
#include "ui/views/EventRecordView.h"
#include "ui/widgets/ColorStatic.h"
#include "ui/widgets/ColoredStatusBarCtrl.h"

namespace kt::ui {

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent),
      m_store(std::make_unique<kt::FileSettingsStore>(kt::FileSettingsStore::DefaultPath())),
      m_trash(std::make_unique<QtTrash>()),
      m_printCommands(std::make_unique<PrintCommands>(m_doc, this)) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(ToQ(kt::text::kAppTitle));
    resize(1280, 900);
    OnCreateClient();
    m_versionChecker =
        new CVersionChecker(kt::CFileVersionInfo::Own(), kt::ConfiguredUpdateSite(), FromQ(QCoreApplication::applicationFilePath()), this);
    // The user started the installer: the program ends through its normal close, which asks
    // about unsaved records first (and may be cancelled).
    connect(m_versionChecker, &CVersionChecker::finished, this, [this](bool installerStarted) {
        if (installerStarted) QTimer::singleShot(0, this, [this] { close(); });
    });
    BuildMenus();
    BuildAccelerators();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::OnCreateClient() {
    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName(QStringLiteral("splitter"));
    m_splitter->setChildrenCollapsible(true);
    m_editorView = new CEventRecordView(m_splitter);
    m_dataView = new CDataView(this, m_splitter);
    m_splitter->addWidget(m_editorView);
    m_splitter->addWidget(m_dataView);
    // A resize keeps the editor row's height and gives the rest to the entry row, as the classic
    // splitter did, until the first maximize switches on the proportional layout.
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    setCentralWidget(m_splitter);
    m_splitter->setSizes({0, height()});
}

void CMainFrame::SetHandler(int command, std::function<void()> handler) { m_handlers[command] = std::move(handler); }

void CMainFrame::Dispatch(int command) {
    auto it = m_handlers.find(command);
    if (it != m_handlers.end()) it->second();
}

void CMainFrame::AddToolbarButton(int command, QStyle::StandardPixmap icon, const char* text, const char* toolTip) {
    auto* button = new QAction(style()->standardIcon(icon), ToQ(text), this);
    button->setStatusTip(ToQ(kt::CommandPrompt(command)));
    button->setToolTip(ToQ(toolTip));
    connect(button, &QAction::triggered, this, [this, command] { Dispatch(command); });
    m_toolBar->AddLeftAction(button);
}

void CMainFrame::BuildMenus() {
    using namespace kt::cmd;
    SetHandler(kSave, [this] { OnSave(); });
    SetHandler(kExit, [this] { close(); });
    SetHandler(kViewToolbar, [this] { OnToggleToolbar(); });
    SetHandler(kViewStatusBar, [this] { OnToggleStatusBar(); });
    SetHandler(kWeightGraphMenu, [this] { OnWeightGraphToggle(); });
    SetHandler(kWeightGraphButton, [this] { OnWeightGraphToggle(); });
    SetHandler(kClearGridMenu, [this] { m_dataView->ClearDataEntryGrid(); });
    SetHandler(kClearGrid, [this] { m_dataView->ClearDataEntryGrid(); });
    SetHandler(kActionButton, [this] { m_dataView->OnActionButton(); });
    SetHandler(kResetActivities, [this] { kt::ResetSelectedActivities(m_settings); });
    SetHandler(kShowDefaultActivities, [this] { OnShowDefaultActivities(); });
    SetHandler(kActivityHtml, [this] { OnExportActivityHtml(); });
    SetHandler(kCheckVersion, [this] { m_versionChecker->Run({true, false, "KT"}); });
    SetHandler(kAbout, [this] { OnAbout(); });
    SetHandler(kPrintRecords, [this] { m_printCommands->OnPrintRecords(false, UiPrompter()); });
    SetHandler(kSaveAsCsv, [this] { m_printCommands->OnPrintRecords(true, UiPrompter()); });
    SetHandler(kPrintSetup, [this] { m_printCommands->OnPrintSetup(); });
    SetHandler(kImportCsv, [this] { OnImportCsv(); });
    SetHandler(kArchive, [this] { OnArchive(); });
    SetHandler(kViewAll, [this] { OnViewAll(); });
    SetHandler(kRecombine, [this] { OnRecombine(); });
    SetHandler(kEditDescriptions, [this] { OnEditOptionList(static_cast<int>(kt::OptionListMode::Descriptions)); });
    SetHandler(kEditDescriptionsKey, [this] { OnEditOptionList(static_cast<int>(kt::OptionListMode::Descriptions)); });
    SetHandler(kEditLocations, [this] { OnEditOptionList(static_cast<int>(kt::OptionListMode::Locations)); });
    SetHandler(kEditActivityOrder, [this] { OnEditActivityOrder(); });
    SetHandler(kPreferences, [this] { ShowPreferences(); });
    SetHandler(kPreferencesButton, [this] { ShowPreferences(); });

    for (const kt::Menu& menu : kt::MainMenu()) {
        QMenu* qmenu = menuBar()->addMenu(ToQ(menu.caption));
        for (const kt::MenuItem& item : menu.items) {
            if (item.command == 0) {
                qmenu->addSeparator();
                continue;
            }
            QAction* action = qmenu->addAction(ToQ(item.caption));
            action->setStatusTip(ToQ(item.prompt));
            action->setData(item.command);
            m_menuActions[item.command] = action;
            const int command = item.command;
            connect(action, &QAction::triggered, this, [this, command] { Dispatch(command); });
        }
    }
    m_menuActions[kViewToolbar]->setCheckable(true);
    m_menuActions[kViewStatusBar]->setCheckable(true);
}

void CMainFrame::BuildAccelerators() {
    for (const kt::Accelerator& acc : kt::Accelerators()) {
        auto* action = new QAction(this);
        action->setShortcut(QKeySequence(ToQ(acc.keys)));
        action->setShortcutContext(Qt::WindowShortcut);
        action->setData(acc.command);
        const int command = acc.command;
        connect(action, &QAction::triggered, this, [this, command] { Dispatch(command); });
        addAction(action);
        m_keyActions[acc.command] = action;
    }
}

QAction* CMainFrame::Action(int command) const {
    auto it = m_menuActions.find(command);
    if (it != m_menuActions.end()) return it->second;
    auto key = m_keyActions.find(command);
    return key != m_keyActions.end() ? key->second : nullptr;
}

bool CMainFrame::OnCreate() {
    m_toolBar = new CKTToolBar(this);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    AddToolbarButton(kt::cmd::kClearGrid, QStyle::SP_DialogResetButton, "Clear", "Clear the data entry grid (Ctrl+D)");
    AddToolbarButton(kt::cmd::kPrintRecords, QStyle::SP_FileDialogDetailedView, "Print", "Print Records (Ctrl+P)");
    AddToolbarButton(kt::cmd::kWeightGraphButton, QStyle::SP_FileDialogContentsView, "Weight",
                     "Toggle the weight graph on or off (Ctrl+W)");
    m_statusBar = new CColoredStatusBarCtrl(this);
    setStatusBar(m_statusBar);

    connect(m_toolBar->m_comboGraphPeriod, &QComboBox::currentIndexChanged, this, &CMainFrame::OnGraphPeriodSelected);
    connect(m_toolBar->m_datePicker, &QDateEdit::dateChanged, this, [this] { OnDatePicked(); });
    connect(m_toolBar->m_editWeight, &QLineEdit::textChanged, this, &CMainFrame::OnWeightTextChanged);
    connect(m_toolBar->m_checkAddToLists, &QCheckBox::clicked, this, [this] { OnAddToListsClicked(); });
    connect(m_toolBar->m_checkAutoFill, &QCheckBox::clicked, this, [this] { OnAutoFillClicked(); });

    SetUiPrompterParent(this);
    std::optional<std::string> documents;
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!docs.isEmpty()) documents = FromQ(docs);
    m_strDataFolder = kt::GetDataFolder(documents, UiPrompter());
    m_doc.m_strDataFolder = m_strDataFolder;

    kt::LoadSettings(*m_store, m_strDataFolder, m_settings, m_doc);
    SelectGraphPeriodItem();
    kt::LoadActivityList(m_activities, m_strDataFolder, UiPrompter());
    SetToolbarColors();

    m_dataView->State() = kt::MakeEntryState(kt::DefaultClock().Now(), m_settings);
    m_settings.m_bAddToListsNow = m_settings.m_bAddToCombo;
    if (const auto text = kt::ToolbarRules::WindowCreationWeightText(m_settings.m_dLastWeight)) {
        m_toolBar->m_editWeight->setText(ToQ(*text));
    }
    // The window comes up while the server is asked; a slow or absent server never holds it back.
    if (m_settings.m_bAutoUpdate) m_versionChecker->Start({false, false, "KT"});
    UpdateMenuCaptions();
    m_doc.m_strAutoArchive = m_settings.m_strAutoArchive;

    // Every command without a handler stays visible but disabled, as the classic framework showed it.
    for (auto& [command, action] : m_menuActions) action->setEnabled(m_handlers.count(command) > 0);
    for (auto& [command, action] : m_keyActions) action->setEnabled(m_handlers.count(command) > 0);
    m_menuActions[kt::cmd::kViewToolbar]->setChecked(true);
    m_menuActions[kt::cmd::kViewStatusBar]->setChecked(true);
    return true;
}

void CMainFrame::SelectGraphPeriodItem() {
    // A stored period outside the list shows no selection; it is kept in memory as it is.
    const QSignalBlocker block(m_toolBar->m_comboGraphPeriod);
    const int period = m_settings.m_nGraphPeriod;
    m_toolBar->m_comboGraphPeriod->setCurrentIndex(period >= 0 && period < m_toolBar->m_comboGraphPeriod->count() ? period : -1);
}

bool CMainFrame::StartDocument() {
    kt::CKT2Doc::Hooks hooks;
    hooks.lastWeightToFrame = [this](double weight) { m_settings.m_dLastWeight = weight; };
    hooks.autoArchiveCheck = [this](int month, int day) { OnAutoArchiveCheck(month, day); };
    if (!m_doc.OnNewDocument(UiPrompter(), hooks)) return false;
    UpdateTitle();
    // The views lay themselves out for the window's real size.
    if (layout()) layout()->activate();
    m_splitter->setSizes({0, m_splitter->height()});
    m_dataView->OnInitialUpdate();
    m_editorView->OnInitialUpdate();
    return true;
}

void CMainFrame::UpdateTitle() { setWindowTitle(ToQ(kt::FrameTitle(m_doc.GetTitle()))); }

void CMainFrame::LayoutPanes() {
    const kt::PaneHeights heights = kt::LayoutPanes(m_splitter->height(), m_bEditorShown);
    m_editorView->setMinimumHeight(heights.editorMin);
    m_splitter->setSizes({heights.editorIdeal, heights.entryIdeal});
}

void CMainFrame::UpdateMenuCaptions() {
    if (QAction* a = Action(kt::cmd::kShowRecords)) {
        a->setCheckable(true);
        a->setChecked(m_bEditorShown && m_editorView->EditorMode() == 0);
    }
    if (QAction* a = Action(kt::cmd::kViewAll)) a->setText(ToQ(kt::ViewAllCaption(m_doc.m_bAllData)));
    if (QAction* a = Action(kt::cmd::kToggleEditor)) a->setText(ToQ(kt::ToggleEditorCaption(m_bEditorShown)));
}

void CMainFrame::UpdateActionButton() {
    const auto mode = static_cast<kt::EditorMode>(m_editorView->EditorMode());
    m_dataView->SetActionCaption(ToQ(kt::ActionButtonCaption(m_bEditorShown, m_dataView->State().replace, mode)));
}

void CMainFrame::SetStatusPane(int index, const QString& text, const QColor& color) { m_statusBar->SetPaneText(index, text, color); }

void CMainFrame::SetToolbarColors() {
    m_toolBar->m_labelGraphPeriod->SetColors(QColor(0, 128, 0), QColor(220, 255, 220));
    m_toolBar->m_labelExerciseDate->SetColors(QColor(0, 0, 255), QColor(255, 255, 0));
    m_toolBar->m_labelLastWeight->SetColors(QColor(128, 0, 0), QColor(220, 220, 255));
    m_toolBar->m_checkAddToLists->setChecked(m_settings.m_bAddToCombo);
    m_toolBar->m_checkAutoFill->setChecked(m_settings.m_bAutoFill);
}

void CMainFrame::RefreshWeightField() {
    const kt::WeightFieldTexts texts = kt::ToolbarRules::RefreshWeightField(m_doc);
    m_toolBar->m_labelLastWeight->setText(ToQ(texts.label));
    QLineEdit* edit = m_toolBar->m_editWeight;
    // A line edit reports only real changes; the field's own fill is a notification all the same.
    if (edit->text() == ToQ(texts.field)) {
        OnWeightTextChanged(edit->text());
    } else {
        edit->setText(ToQ(texts.field));
    }
    m_toolBar->m_labelLastWeight->setText(ToQ(texts.label));
}

void CMainFrame::OnWeightTextChanged(const QString& text) {
    const kt::WeightChange change = m_toolbarRules.OnWeightTextChanged(FromQ(text), m_doc, m_dataView->State(), m_settings);
    if (change.processed) m_toolBar->m_labelLastWeight->setText(ToQ(change.label));
}

void CMainFrame::OnGraphPeriodSelected(int index) {
    if (index < 0 || index > 8) return;
    m_dataView->ShowGraphPeriod(index);
    m_settings.m_nGraphPeriod = index;
}

void CMainFrame::OnDatePicked() {
    const QDate date = m_toolBar->m_datePicker->date();
    m_dataView->SetEntryDate(kt::ToolbarRules::EntryDateForPickedDay(date.year(), date.month(), date.day()));
    m_dataView->SetEntryPrompt();
    m_dataView->ShowDaySummary(m_dataView->State().entryDate);
}

void CMainFrame::OnAddToListsClicked() {
    m_settings.m_bAddToListsNow = !m_settings.m_bAddToListsNow;
    m_toolBar->m_checkAddToLists->setChecked(m_settings.m_bAddToListsNow);
    m_dataView->State().addToLists = m_settings.m_bAddToListsNow;
}

void CMainFrame::OnAutoFillClicked() {
    m_settings.m_bAutoFill = !m_settings.m_bAutoFill;
    m_toolBar->m_checkAutoFill->setChecked(m_settings.m_bAutoFill);
}

void CMainFrame::OnWeightGraphToggle() {
    m_dataView->State().showWeight = !m_dataView->State().showWeight;
    m_dataView->FillChart();
    UpdateMenuCaptions();
}

void CMainFrame::OnShowDefaultActivities() {
    CShowDefaultActivities dlg(m_activities, this);
    dlg.exec();
}

void CMainFrame::OnAbout() {
    const QString program = QCoreApplication::applicationFilePath();
    CAboutDlg dlg(kt::CFileVersionInfo::Own(), kt::ConfiguredUpdateSite(), kt::FileModificationTime(FromQ(program)),
                  QCoreApplication::applicationDirPath(), this);
    dlg.exec();
}

void CMainFrame::OnEditOptionList(int mode) {
    const auto list = static_cast<kt::OptionListMode>(mode);
    CEditComboOptionsDlg dlg(m_settings, kt::OptionListEditor(list, kt::OptionListOf(m_settings, list)), UiPrompter(), this);
    connect(&dlg, &CEditComboOptionsDlg::listApplied, this, [this](kt::OptionListMode applied) {
        if (applied == kt::OptionListMode::Descriptions) {
            m_dataView->FillDescriptionCombos();
        } else {
            m_dataView->FillLocationCombos();
        }
    });
    if (dlg.exec() == QDialog::Accepted) kt::SaveUserData(m_strDataFolder, m_settings);
}

void CMainFrame::OnEditActivityOrder() {
    CEditComboOptionsDlg dlg(m_settings, kt::OptionListEditor::ForActivityTypes(m_activities, m_settings.m_arSelectedActivities),
                             UiPrompter(), this);
    if (dlg.exec() != QDialog::Accepted) return;
    kt::ApplyActivityOrder(m_settings, dlg.Editor());
    m_dataView->FillActivityCombos();
    kt::SaveSelectedActivities(*m_store, m_settings);
}

void CMainFrame::ShowPreferences() {
    CPreferencesDlg dlg(kt::PreferencesFromSettings(m_settings, m_doc.m_bMetric, m_dataView->State().averagingPeriod), this);
    if (dlg.exec() != QDialog::Accepted) return;
    const kt::PreferencesEffects effects = kt::ApplyPreferences(dlg.Values(), m_settings, m_doc);
    m_dataView->SetAveragingPeriod(effects.averagingPeriod);
    m_dataView->ShowGraphPeriod(effects.chartPeriod);
    // The toolbar box and the view's flag stay together, as the box's own click keeps them.
    m_toolBar->m_checkAddToLists->setChecked(effects.addToLists);
    m_dataView->State().addToLists = effects.addToLists;
    m_toolBar->m_checkAutoFill->setChecked(effects.autoFill);
    m_toolBar->m_labelLastWeight->setText(ToQ(kt::ToolbarRules::RefreshWeightField(m_doc).label));
}

void CMainFrame::OnExportActivityHtml() { kt::ExportActivityListHtml(m_activities, m_strDataFolder); }

void CMainFrame::OnImportCsv() {
    if (ImportCsvFile(m_doc, m_activities, m_settings.m_arSelectedActivities, UiPrompter(), this) == 0) return;
    m_dataView->FillChart();
    m_dataView->RefreshAverages();
}

kt::ArchiveContext CMainFrame::MakeArchiveContext() { return {m_doc, m_settings, UiPrompter(), kt::DefaultClock()}; }

void CMainFrame::OnArchive() {
    CArchiveDlg dlg(kt::DefaultClock(), UiPrompter(), this);
    if (dlg.exec() != QDialog::Accepted) return;
    kt::ArchiveContext context = MakeArchiveContext();
    kt::ArchiveBefore(context, dlg.Cut());
    AfterDatabaseChange();
}

void CMainFrame::OnViewAll() {
    kt::ArchiveContext context = MakeArchiveContext();
    kt::ToggleAllData(context);
    AfterDatabaseChange();
}

void CMainFrame::OnRecombine() {
    const auto confirm = [this](const std::string& setting) -> std::optional<std::string> {
        CArchiveReportDlg dlg(CArchiveReportDlg::Mode::Confirmation, 0, m_strDataFolder, setting, kt::DefaultClock(), this);
        if (dlg.exec() != QDialog::Accepted) return std::nullopt;
        return dlg.AutoArchiveSetting();
    };
    kt::ArchiveContext context = MakeArchiveContext();
    kt::Recombine(context, *m_trash, confirm);
    AfterDatabaseChange();
}

void CMainFrame::OnAutoArchiveCheck(int month, int day) {
    kt::ArchiveContext context = MakeArchiveContext();
    const std::optional<kt::Time64> cut = kt::AutoArchive(context, month, day);
    if (!cut) return;
    CArchiveReportDlg dlg(CArchiveReportDlg::Mode::Automatic, *cut, m_strDataFolder, m_doc.m_strAutoArchive, kt::DefaultClock(), this);
    dlg.exec();
}

void CMainFrame::AfterDatabaseChange() {
    m_dataView->RefreshAverages();
    // The chart would otherwise keep the bars of records that left the document.
    m_dataView->FillChart();
    UpdateMenuCaptions();
}

void CMainFrame::OnSave() {
    if (m_doc.m_bChanged) m_doc.SaveDatabase(UiPrompter());
}

kt::ExitContext CMainFrame::MakeExitContext() { return {m_doc, m_settings, m_activities, *m_store, m_strDataFolder, UiPrompter()}; }

void CMainFrame::SaveAndClose() {
    // The database first; settings and lists are stored by the close itself, once.
    kt::ExitContext context = MakeExitContext();
    if (kt::SaveBeforeClose(context)) close();
}

void CMainFrame::OnToggleToolbar() {
    m_toolBar->setVisible(!m_toolBar->isVisible());
    m_menuActions[kt::cmd::kViewToolbar]->setChecked(m_toolBar->isVisible());
}

void CMainFrame::OnToggleStatusBar() {
    m_statusBar->setVisible(!m_statusBar->isVisible());
    m_menuActions[kt::cmd::kViewStatusBar]->setChecked(m_statusBar->isVisible());
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized)) {
        m_bLayoutActive = true;
        OnSize();
    }
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (isMaximized()) m_bLayoutActive = true;
    OnSize();
}

void CMainFrame::OnSize() {
    if (!m_bLayoutActive) return;
    LayoutPanes();
    m_dataView->LayoutControls();
}

bool CMainFrame::event(QEvent* event) {
    // Command prompts go to pane 0 of our own status bar instead of covering the summary panes.
    if (event->type() == QEvent::StatusTip) {
        if (m_statusBar) m_statusBar->SetPrompt(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_bDestroyed) {
        event->accept();
        return;
    }
    // A save the user asked for that failed keeps the window open: closing now would lose the records.
    if (!m_doc.OnCloseDocument(UiPrompter())) {
        event->ignore();
        return;
    }
    OnDestroy();
    event->accept();
}

void CMainFrame::OnDestroy() {
    m_bDestroyed = true;
    m_versionChecker->WriteVersionFile("KT");
    kt::ExitContext context = MakeExitContext();
    kt::StoreAtExit(context);
}

}  // namespace kt::ui
