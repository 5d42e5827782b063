#include "ui/app/MainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStatusTipEvent>
#include <QTimer>
#include <QUndoStack>

#include "core/app/ArchiveCommands.h"
#include "core/app/Commands.h"
#include "core/app/EditorPane.h"
#include "core/app/Session.h"
#include "core/app/Shutdown.h"
#include "core/app/Texts.h"
#include "core/app/ToolbarRules.h"
#include "core/app/WindowLayout.h"
#include "core/editor/Texts.h"
#include "core/journal/JournalLoad.h"
#include "core/settings/Preferences.h"
#include "core/update/FileVersionInfo.h"
#include "core/update/UpdateSite.h"
#include "ui/about/AboutDlg.h"
#include "ui/activities/ActivityCommands.h"
#include "ui/app/DesktopCommands.h"
#include "ui/app/EditHistory.h"
#include "ui/app/KTToolBar.h"
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
#include "ui/widgets/ColoredStatusBarCtrl.h"

namespace kt::ui {
namespace {

QStyle::StandardPixmap ToolbarIcon(int command) {
    switch (command) {
        case kt::cmd::kClearGrid:
            return QStyle::SP_DialogResetButton;
        case kt::cmd::kPrintRecords:
            return QStyle::SP_FileDialogDetailedView;
        case kt::cmd::kShowHideEditor:
            return QStyle::SP_FileDialogListView;
        case kt::cmd::kEditorMode:
            return QStyle::SP_BrowserReload;
        case kt::cmd::kEditDescriptionsKey:
            return QStyle::SP_FileDialogInfoView;
        case kt::cmd::kWeightGraphButton:
            return QStyle::SP_FileDialogContentsView;
        case kt::cmd::kPreferencesButton:
            return QStyle::SP_ComputerIcon;
        case kt::cmd::kAbout:
            return QStyle::SP_MessageBoxInformation;
        default:
            return QStyle::SP_CustomBase;
    }
}

QRect ToQRect(const kt::WindowRect& r) { return QRect(r.x, r.y, r.width, r.height); }
kt::WindowRect FromQRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace

CMainFrame::CMainFrame(kt::Session& session, QWidget* parent)
    : QMainWindow(parent),
      m_session(session),
      m_trash(std::make_unique<QtTrash>()),
      m_printCommands(std::make_unique<PrintCommands>(session.doc, this)) {
    setObjectName(QStringLiteral("mainFrame"));
    m_history = new CEditHistory(m_session, this);
    setWindowTitle(ToQ(kt::text::kAppTitle));
    resize(1280, 900);
    OnCreateClient();
    m_versionChecker = new CVersionChecker(kt::CFileVersionInfo::Own(), kt::ConfiguredUpdateSite(),
                                           FromQ(QCoreApplication::applicationFilePath()), m_session.prompter, this);
    // The user started the installer: the program ends through its normal close, which asks
    // about unsaved records first (and may be cancelled).
    connect(m_versionChecker, &CVersionChecker::finished, this, [this](bool installerStarted) {
        if (installerStarted) QTimer::singleShot(0, this, [this] { close(); });
    });
    m_toolBar = new CKTToolBar(this);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    m_statusBar = new CColoredStatusBarCtrl(this);
    setStatusBar(m_statusBar);
    RegisterCommands();
    RegisterEditorPaneCommands();
    RegisterActivityCommands(m_session, this, [view = QPointer<CDataView>(m_dataView)](kt::OptionListMode list) {
        if (view) view->OnOptionListChanged(list);
    });
    RegisterDesktopCommands(m_session, this);
    BuildMenus();
    BuildEditMenu();
    BuildAccelerators();
    BuildToolbarButtons();
    ConnectViews();
    m_session.doc.AddObserver(this);
}

CMainFrame::~CMainFrame() {
    // A load still running is stopped and waited for; its records go with it.
    m_loader.reset();
    m_session.doc.RemoveObserver(this);
}

void CMainFrame::OnCreateClient() {
    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName(QStringLiteral("splitter"));
    m_splitter->setChildrenCollapsible(true);
    m_editorView = new CEventRecordView(m_session, *m_history, m_splitter);
    m_dataView = new CDataView(m_session, *m_history, m_splitter);
    m_splitter->addWidget(m_editorView);
    m_splitter->addWidget(m_dataView);
    // A resize keeps the editor row's height and gives the rest to the entry row until the first
    // maximize switches on the proportional layout.
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    setCentralWidget(m_splitter);
    m_splitter->setSizes({0, height()});
    // The height the user gives the editor pane is kept for the next time it is shown.
    connect(m_splitter, &QSplitter::splitterMoved, this, [this] {
        if (m_bEditorShown) m_windowState.editorPaneHeight = m_splitter->sizes().value(0);
    });
}

void CMainFrame::RegisterCommands() {
    using namespace kt::cmd;
    kt::CommandRegistry& commands = m_session.commands;
    const QPointer<CMainFrame> self(this);
    commands.Register(kSave, [self] {
        if (self) self->OnSave();
    });
    commands.Register(kExit, [self] {
        if (self) self->close();
    });
    commands.Register(kViewToolbar, [self] {
        if (self) self->OnToggleToolbar();
    });
    commands.Register(kViewStatusBar, [self] {
        if (self) self->OnToggleStatusBar();
    });
    commands.Register(kCheckVersion, [self] {
        if (self) self->m_versionChecker->Run({true, false, "KT"});
    });
    commands.Register(kAbout, [self] {
        if (self) self->OnAbout();
    });
    commands.Register(kPrintRecords, [self] {
        if (self) self->m_printCommands->OnPrintRecords(false, self->m_session.prompter);
    });
    commands.Register(kSaveAsCsv, [self] {
        if (self) self->m_printCommands->OnPrintRecords(true, self->m_session.prompter);
    });
    commands.Register(kPrintSetup, [self] {
        if (self) self->m_printCommands->OnPrintSetup();
    });
    commands.Register(kArchive, [self] {
        if (self) self->OnArchive();
    });
    commands.Register(kViewAll, [self] {
        if (self) self->OnViewAll();
    });
    commands.Register(kRecombine, [self] {
        if (self) self->OnRecombine();
    });
    commands.Register(kPreferences, [self] {
        if (self) self->ShowPreferences();
    });
    commands.Register(kPreferencesButton, [self] {
        if (self) self->ShowPreferences();
    });
    commands.Register(kImportCsv, [self] {
        // The journal tells the chart and the summaries what the import added.
        if (self)
            ImportCsvFile(self->m_session.doc, self->m_session.activities, self->m_session.settings.m_arSelectedActivities,
                          self->m_session.prompter, self);
    });
}

void CMainFrame::RegisterEditorPaneCommands() {
    using namespace kt::cmd;
    const QPointer<CMainFrame> self(this);
    for (int command : {kShowHideEditor, kToggleEditor, kShowRecords, kShowActivities, kShowDataEntry, kEditorMode}) {
        m_session.commands.Register(command, [self, command] {
            if (self) self->OnEditorPaneCommand(command);
        });
    }
    QUndoStack* stack = m_history->Stack();
    m_session.commands.Register(kUndo, [stack] { stack->undo(); });
    m_session.commands.Register(kRedo, [stack] { stack->redo(); });
}

void CMainFrame::OnEditorPaneCommand(int command) {
    const auto mode = static_cast<kt::EditorMode>(m_editorView->EditorMode());
    const std::optional<kt::EditorPaneStep> step = kt::EditorPaneCommand(command, m_bEditorShown, mode);
    if (!step) return;
    m_bEditorShown = step->shown;
    // The rows first: the editor sets its column widths from the width it has when shown.
    if (step->layout) LayoutPanes();
    if (step->fillRecords) m_editorView->FillRecordList();
    if (step->mode) m_editorView->SetEditorMode(static_cast<int>(*step->mode));
    if (step->hiddenPrompt) m_dataView->SetPromptLine(ToQ(kt::text::kEditorHiddenPrompt));
    UpdateActionButton();
    UpdateMenuCaptions();
}

void CMainFrame::UpdateActionButton() {
    m_dataView->SetEditorPane(m_bEditorShown, static_cast<kt::EditorMode>(m_editorView->EditorMode()));
}

void CMainFrame::BuildEditMenu() {
    // Our own menu, between the database commands and Help, so every other menu keeps its items.
    QMenu* edit = new QMenu(ToQ(kt::editor_text::kEditMenu), this);
    edit->setObjectName(QStringLiteral("editMenu"));
    QAction* undo = m_history->UndoAction();
    QAction* redo = m_history->RedoAction();
    undo->setData(kt::cmd::kUndo);
    redo->setData(kt::cmd::kRedo);
    edit->addAction(undo);
    edit->addAction(redo);
    m_menuActions[kt::cmd::kUndo] = undo;
    m_menuActions[kt::cmd::kRedo] = redo;
    const QList<QAction*> menus = menuBar()->actions();
    menuBar()->insertMenu(menus.isEmpty() ? nullptr : menus.last(), edit);
}

void CMainFrame::Dispatch(int command) {
    if (!m_bJournalReady && !kt::WorksWhileLoading(command)) return;
    m_session.commands.Dispatch(command);
    UpdateMenuCaptions();
}

void CMainFrame::BuildMenus() {
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
    m_menuActions[kt::cmd::kViewToolbar]->setCheckable(true);
    m_menuActions[kt::cmd::kViewStatusBar]->setCheckable(true);
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

void CMainFrame::BuildToolbarButtons() {
    for (const kt::ToolbarButton& b : kt::ToolbarButtons()) {
        auto* button = new QAction(style()->standardIcon(ToolbarIcon(b.command)), ToQ(b.caption), this);
        button->setStatusTip(ToQ(kt::CommandPrompt(b.command)));
        button->setToolTip(ToQ(b.toolTip));
        const int command = b.command;
        connect(button, &QAction::triggered, this, [this, command] { Dispatch(command); });
        if (b.afterControls) {
            m_toolBar->AddRightAction(button);
        } else {
            m_toolBar->AddLeftAction(button);
        }
        m_toolbarActions[command] = button;
    }
}

void CMainFrame::ConnectViews() {
    CKTToolBar* bar = m_toolBar;
    CDataView* view = m_dataView;
    connect(bar, &CKTToolBar::graphPeriodChosen, view, &CDataView::OnGraphPeriodChosen);
    connect(bar, &CKTToolBar::datePicked, view, &CDataView::OnDatePicked);
    connect(bar, &CKTToolBar::weightEdited, view, &CDataView::OnWeightEdited);
    connect(bar, &CKTToolBar::addToListsClicked, view, &CDataView::OnAddToListsClicked);
    connect(bar, &CKTToolBar::autoFillClicked, this, &CMainFrame::OnAutoFillClicked);
    connect(view, &CDataView::addToListsChanged, bar, &CKTToolBar::SetAddToLists);
    connect(view, &CDataView::weightLabelChanged, bar, &CKTToolBar::SetWeightLabel);
    connect(view, &CDataView::weightFieldRefreshed, bar, &CKTToolBar::RefreshWeightField);
    connect(view, &CDataView::statusPaneChanged, m_statusBar, &CColoredStatusBarCtrl::SetPaneText);
    connect(view, &CDataView::saveAndCloseRequested, this, &CMainFrame::SaveAndClose);

    CEventRecordView* editor = m_editorView;
    connect(editor, &CEventRecordView::promptChanged, view, &CDataView::SetPromptLine);
    connect(editor, &CEventRecordView::loadRecordRequested, view, &CDataView::LoadRecordForCorrection);
    connect(editor, &CEventRecordView::loadActivityRequested, view, &CDataView::LoadActivityForEdit);
    connect(editor, &CEventRecordView::selectedActivitiesChanged, view, &CDataView::FillActivityCombos);
    connect(view, &CDataView::syncSelectedActivitiesRequested, editor, &CEventRecordView::SyncSelectedActivities);
    connect(view, &CDataView::activitiesChanged, editor, &CEventRecordView::RefreshActivities);
    connect(m_history, &CEditHistory::activitiesRestored, editor, &CEventRecordView::RefreshActivities);
    connect(m_history, &CEditHistory::activitiesRestored, view, &CDataView::FillActivityCombos);
    // The View menu's marks follow the bars however they are shown or hidden.
    connect(m_toolBar, &QToolBar::visibilityChanged, this,
            [this](bool visible) { m_menuActions[kt::cmd::kViewToolbar]->setChecked(visible); });
}

QAction* CMainFrame::Action(int command) const {
    auto it = m_menuActions.find(command);
    if (it != m_menuActions.end()) return it->second;
    auto key = m_keyActions.find(command);
    if (key != m_keyActions.end()) return key->second;
    auto button = m_toolbarActions.find(command);
    return button != m_toolbarActions.end() ? button->second : nullptr;
}

bool CMainFrame::OnCreate() {
    // Another running program owns this journal: this one touches nothing and ends.
    if (!m_session.Open(m_session.documents)) return false;
    m_windowState = kt::LoadWindowState(*m_session.store);

    const kt::Settings& settings = m_session.settings;
    m_toolBar->SetGraphPeriod(settings.m_nGraphPeriod);
    m_toolBar->SetToolbarColors(settings.m_bAddToCombo, settings.m_bAutoFill);
    m_dataView->ApplySettings(m_windowState);
    if (const auto text = kt::ToolbarRules::WindowCreationWeightText(settings.m_dLastWeight)) m_toolBar->SetWeightField(ToQ(*text));
    UpdateMenuCaptions();

    // Every command without a handler stays visible but disabled; undo and redo follow the history.
    SetLoading(false);
    m_menuActions[kt::cmd::kViewToolbar]->setChecked(true);
    m_menuActions[kt::cmd::kViewStatusBar]->setChecked(true);
    return true;
}

bool CMainFrame::StartDocument() {
    m_dataView->PrepareForJournal();
    SetLoading(true);
    kt::CKT2Doc& doc = m_session.doc;
    // The records come back on this thread; a window gone by then takes the event with it.
    m_loader = std::make_unique<kt::JournalLoader>(doc.m_strDataFolder, doc.m_bMetric, doc.m_dLastWeight, [this] {
        QMetaObject::invokeMethod(this, &CMainFrame::OnJournalRead, Qt::QueuedConnection);
    });
    m_loadProgressTimer = new QTimer(this);
    m_loadProgressTimer->setInterval(100);
    connect(m_loadProgressTimer, &QTimer::timeout, this, &CMainFrame::ShowLoadProgress);
    m_loadProgressTimer->start();
    ShowLoadProgress();
    return true;
}

void CMainFrame::OnJournalRead() {
    // A short journal is read before the window has been painted: the window comes first, with
    // its controls and the status bar's word on the load, then the records. A window that is never
    // painted (shown minimized, on a hidden desktop) gets its journal a moment later all the same.
    if (isVisible() && !m_bPainted) {
        QTimer::singleShot(250, this, &CMainFrame::FinishDocument);
        return;
    }
    FinishDocument();
}

void CMainFrame::FinishDocument() {
    // Closed while the journal loaded: the half-read records are never shown, nor saved.
    if (m_bDestroyed || !m_loader) return;
    m_loadProgressTimer->stop();
    m_statusBar->SetProgress(QString(), std::nullopt);
    m_statusBar->SetPrompt(QString());
    kt::LoadedJournal loaded = m_loader->Take();
    m_loader.reset();
    kt::CKT2Doc::Hooks hooks;
    hooks.lastWeightToFrame = [this](double weight) { m_session.settings.m_dLastWeight = weight; };
    hooks.autoArchiveCheck = [this](int month, int day) { OnAutoArchiveCheck(month, day); };
    m_session.doc.OnNewDocument(std::move(loaded), m_session.prompter, hooks);
    UpdateTitle();
    // The views lay themselves out for the window's real size.
    if (layout()) layout()->activate();
    if (!m_bEditorShown) m_splitter->setSizes({0, m_splitter->height()});
    m_dataView->OnInitialUpdate();
    m_editorView->OnInitialUpdate();
    // Before the first edit: an earlier run's unsaved changes come back, and this run's are kept.
    m_session.StartRecovery();
    m_bJournalReady = true;
    SetLoading(false);
    // Ready for typing: the journal's first use is a new entry.
    m_dataView->FocusFirstCell();
    // The server is asked once the start-up's own questions are answered, so its offer comes
    // after them as it always has; a slow or absent server never holds the window back.
    if (m_session.settings.m_bAutoUpdate) m_versionChecker->Start({false, false, "KT"});
    emit journalReady();
}

void CMainFrame::ShowLoadProgress() {
    if (!m_loader) return;
    const std::optional<int> percent = m_loader->Percent();
    m_statusBar->SetProgress(ToQ(kt::text::kLoadingJournal), percent);
    m_statusBar->SetPrompt(ToQ(kt::text::kLoadingJournal));
}

void CMainFrame::SetLoading(bool loading) {
    m_splitter->setEnabled(!loading);
    m_toolBar->SetControlsEnabled(!loading);
    for (const std::map<int, QAction*>* actions : {&m_menuActions, &m_keyActions, &m_toolbarActions}) {
        for (const auto& [command, action] : *actions) {
            // Undo and redo follow the history, which is empty until the journal is there.
            if (command == kt::cmd::kUndo || command == kt::cmd::kRedo) continue;
            action->setEnabled(m_session.commands.Has(command) && (!loading || kt::WorksWhileLoading(command)));
        }
    }
}

bool CMainFrame::WaitForJournal(int timeoutMs) {
    if (m_bJournalReady || m_bDestroyed) return m_bJournalReady;
    // Back at once when the start-up is complete, before whatever the event loop brings next.
    QEventLoop loop;
    connect(this, &CMainFrame::journalReady, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return m_bJournalReady;
}

void CMainFrame::ShowAsLeft() {
    QScreen* screen = nullptr;
    if (m_windowState.geometry) screen = QGuiApplication::screenAt(ToQRect(*m_windowState.geometry).center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QSize minimum = minimumSizeHint();
    const QRect place =
        ToQRect(kt::PlaceWindow(m_windowState.geometry, FromQRect(screen->availableGeometry()), minimum.width(), minimum.height()));
    setGeometry(place);
    if (m_windowState.maximized) {
        showMaximized();
    } else {
        show();
        // The window manager's frame is known only once the window is shown.
        QTimer::singleShot(0, this, &CMainFrame::FitFrameOnScreen);
    }
}

void CMainFrame::FitFrameOnScreen() {
    QScreen* screen = this->screen();
    if (!screen || isMaximized()) return;
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    if (frame == client) return;
    // Shrink the client by what the frame adds, so title bar and borders stay on the screen too.
    const QRect available = screen->availableGeometry().marginsRemoved(QMargins(
        client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(), frame.bottom() - client.bottom()));
    const QRect place =
        ToQRect(kt::PlaceWindow(FromQRect(client), FromQRect(available), minimumSizeHint().width(), minimumSizeHint().height()));
    if (place != client) setGeometry(place);
}

void CMainFrame::UpdateTitle() {
    setWindowTitle(ToQ(kt::FrameTitle(m_session.doc.GetTitle(), m_session.demo)));
    setWindowModified(m_session.doc.IsChanged());
}

void CMainFrame::JournalChanged(const kt::JournalChange&) { UpdateTitle(); }

void CMainFrame::ModifiedChanged(bool changed) { setWindowModified(changed); }

void CMainFrame::Saved(const kt::SaveReport& report) { m_statusBar->SetPrompt(ToQ(kt::SaveReportText(report))); }

void CMainFrame::LayoutPanes() {
    const kt::PaneHeights heights = kt::LayoutPanes(m_splitter->height(), m_bEditorShown, m_windowState.editorPaneHeight);
    m_editorView->setMinimumHeight(heights.editorMin);
    m_splitter->setSizes({heights.editorIdeal, heights.entryIdeal});
}

void CMainFrame::UpdateMenuCaptions() {
    if (QAction* a = Action(kt::cmd::kShowRecords)) {
        a->setCheckable(true);
        a->setChecked(m_bEditorShown && m_editorView->EditorMode() == 0);
    }
    if (QAction* a = Action(kt::cmd::kViewAll)) a->setText(ToQ(kt::ViewAllCaption(m_session.doc.m_bAllData)));
    if (QAction* a = Action(kt::cmd::kToggleEditor)) a->setText(ToQ(kt::ToggleEditorCaption(m_bEditorShown)));
}

void CMainFrame::OnAutoFillClicked() {
    kt::Settings& settings = m_session.settings;
    settings.m_bAutoFill = !settings.m_bAutoFill;
    m_toolBar->SetAutoFill(settings.m_bAutoFill);
}

void CMainFrame::ShowPreferences() {
    kt::Settings& settings = m_session.settings;
    CPreferencesDlg dlg(kt::PreferencesFromSettings(settings, m_session.doc.m_bMetric, m_dataView->State().averagingPeriod), this);
    if (dlg.exec() != QDialog::Accepted) return;
    const kt::PreferencesEffects effects = kt::ApplyPreferences(dlg.Values(), settings, m_session.doc);
    m_dataView->SetAveragingPeriod(effects.averagingPeriod);
    m_dataView->ShowGraphPeriod(effects.chartPeriod);
    // The view's flag and the toolbar box stay together, as the box's own click keeps them.
    m_dataView->SetAddToLists(effects.addToLists);
    m_toolBar->SetAutoFill(effects.autoFill);
    m_toolBar->SetWeightLabel(ToQ(kt::ToolbarRules::RefreshWeightField(m_session.doc).label));
}

void CMainFrame::OnAbout() {
    const QString program = QCoreApplication::applicationFilePath();
    CAboutDlg dlg(kt::CFileVersionInfo::Own(), kt::ConfiguredUpdateSite(), kt::FileModificationTime(FromQ(program)),
                  QCoreApplication::applicationDirPath(), this);
    dlg.exec();
}

// The archive commands change the journal through the document, which tells the chart and the
// summaries; the menu captions follow with every command.
void CMainFrame::OnArchive() {
    CArchiveDlg dlg(m_session.clock, m_session.prompter, this);
    if (dlg.exec() != QDialog::Accepted) return;
    kt::ArchiveContext context{m_session.doc, m_session.settings, m_session.prompter, m_session.clock};
    kt::ArchiveBefore(context, dlg.Cut());
}

void CMainFrame::OnViewAll() {
    kt::ArchiveContext context{m_session.doc, m_session.settings, m_session.prompter, m_session.clock};
    kt::ToggleAllData(context);
}

void CMainFrame::OnRecombine() {
    const auto confirm = [this](const std::string& setting) -> std::optional<std::string> {
        CArchiveReportDlg dlg(CArchiveReportDlg::Mode::Confirmation, 0, m_session.dataFolder, setting, m_session.clock, this);
        if (dlg.exec() != QDialog::Accepted) return std::nullopt;
        return dlg.AutoArchiveSetting();
    };
    kt::ArchiveContext context{m_session.doc, m_session.settings, m_session.prompter, m_session.clock};
    kt::Recombine(context, *m_trash, confirm);
}

void CMainFrame::OnAutoArchiveCheck(int month, int day) {
    kt::ArchiveContext context{m_session.doc, m_session.settings, m_session.prompter, m_session.clock};
    const std::optional<kt::Time64> cut = kt::AutoArchive(context, month, day);
    if (!cut) return;
    CArchiveReportDlg dlg(CArchiveReportDlg::Mode::Automatic, *cut, m_session.dataFolder, m_session.doc.m_strAutoArchive, m_session.clock,
                          this);
    dlg.exec();
}

void CMainFrame::OnSave() {
    if (m_session.doc.IsChanged()) m_session.doc.SaveDatabase(m_session.prompter, m_session.clock);
}

void CMainFrame::SaveAndClose() {
    // The database first; settings and lists are stored by the close itself, once.
    kt::ExitContext context = m_session.ForExit();
    if (kt::SaveBeforeClose(context, m_session.clock)) close();
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
    if (isVisible()) m_bShown = true;
    if (isMaximized()) m_bLayoutActive = true;
    OnSize();
}

void CMainFrame::OnSize() {
    // The data entry view follows its own size; the rows follow the window after the first maximize.
    if (m_bLayoutActive) LayoutPanes();
}

bool CMainFrame::event(QEvent* event) {
    // Command prompts go to pane 0 of our own status bar instead of covering the summary panes.
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        // Between two prompts the bar says what the program is busy with.
        if (m_statusBar) m_statusBar->SetPrompt(tip.isEmpty() && m_loader ? ToQ(kt::text::kLoadingJournal) : tip);
        return true;
    }
    if (event->type() == QEvent::Show) m_bShown = true;
    if (event->type() == QEvent::Paint && !m_bPainted) {
        m_bPainted = true;
        // After the rest of this paint pass: the children paint right after their window.
        // A journal read by now waits for it (whether or not its news has come in yet).
        if (m_loader && m_loader->Done()) QTimer::singleShot(0, this, &CMainFrame::FinishDocument);
    }
    return QMainWindow::event(event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_bDestroyed) {
        event->accept();
        return;
    }
    // A save the user asked for that failed keeps the window open: closing now would lose the records.
    if (!m_session.doc.OnCloseDocument(m_session.prompter, m_session.clock)) {
        event->ignore();
        return;
    }
    // Still changed here means the user chose not to save: nothing to offer at the next start.
    if (m_session.doc.IsChanged()) m_session.DiscardRecovery();
    OnDestroy();
    event->accept();
}

kt::WindowState CMainFrame::CurrentWindowState() const {
    kt::WindowState state = m_windowState;
    // A window never shown has no place of its own to remember.
    if (m_bShown) {
        state.geometry = FromQRect(isMaximized() || isFullScreen() ? normalGeometry() : geometry());
        state.maximized = isMaximized();
    }
    state.averagingPeriod = m_dataView->State().averagingPeriod;
    state.showWeight = m_dataView->State().showWeight;
    return state;
}

void CMainFrame::CommitData() {
    if (m_bDestroyed) return;
    kt::SilentPrompter silent;
    // A journal not loaded yet is not saved: its file holds all there is.
    if (m_bJournalReady && m_session.doc.IsChanged()) m_session.doc.SaveDatabase(silent, m_session.clock);
    kt::ExitContext context{m_session.doc, m_session.settings, m_session.activities, *m_session.store, m_session.dataFolder, silent};
    kt::StoreAtExit(context);
    kt::SaveWindowState(*m_session.store, CurrentWindowState());
}

void CMainFrame::EndSession() {
    CommitData();
    m_bDestroyed = true;
    close();
}

void CMainFrame::ShowAndRaise() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

void CMainFrame::OnDestroy() {
    m_bDestroyed = true;
    m_versionChecker->WriteVersionFile("KT");
    kt::ExitContext context = m_session.ForExit();
    kt::StoreAtExit(context);
    kt::SaveWindowState(*m_session.store, CurrentWindowState());
}

}  // namespace kt::ui
