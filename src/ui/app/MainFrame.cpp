#include "ui/app/MainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusTipEvent>

#include "core/app/Commands.h"
#include "core/app/DataFolder.h"
#include "core/app/PaneLayout.h"
#include "ui/app/KTToolBar.h"
#include "ui/base/QtPrompter.h"
#include "ui/base/QtText.h"
#include "ui/views/DataView.h"
#include "ui/views/EventRecordView.h"
#include "ui/widgets/ColoredStatusBarCtrl.h"

namespace kt::ui {

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(ToQ(kt::text::kAppTitle));
    resize(1280, 860);
    OnCreateClient();
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
    const int h = height();
    m_splitter->setSizes({0, h});
}

void CMainFrame::SetHandler(int command, std::function<void()> handler) { m_handlers[command] = std::move(handler); }

void CMainFrame::BuildMenus() {
    SetHandler(kt::cmd::kSave, [this] { OnSave(); });
    SetHandler(kt::cmd::kExit, [this] { close(); });
    SetHandler(kt::cmd::kViewToolbar, [this] { OnToggleToolbar(); });
    SetHandler(kt::cmd::kViewStatusBar, [this] { OnToggleStatusBar(); });

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
            connect(action, &QAction::triggered, this, [this, command] {
                auto it = m_handlers.find(command);
                if (it != m_handlers.end()) it->second();
            });
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
        connect(action, &QAction::triggered, this, [this, command] {
            auto it = m_handlers.find(command);
            if (it != m_handlers.end()) it->second();
        });
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
    m_statusBar = new CColoredStatusBarCtrl(this);
    setStatusBar(m_statusBar);

    SetUiPrompterParent(this);
    std::optional<std::string> documents;
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!docs.isEmpty()) documents = FromQ(docs);
    m_strDataFolder = kt::GetDataFolder(documents, UiPrompter());
    m_doc.m_strDataFolder = m_strDataFolder;

    UpdateMenuCaptions();
    m_doc.m_strAutoArchive = m_settings.m_strAutoArchive;

    // Every command without a handler stays visible but disabled, as the classic framework showed it.
    for (auto& [command, action] : m_menuActions) action->setEnabled(m_handlers.count(command) > 0);
    for (auto& [command, action] : m_keyActions) action->setEnabled(m_handlers.count(command) > 0);
    m_menuActions[kt::cmd::kViewToolbar]->setChecked(true);
    m_menuActions[kt::cmd::kViewStatusBar]->setChecked(true);
    return true;
}

bool CMainFrame::StartDocument() {
    kt::CKT2Doc::Hooks hooks;
    hooks.lastWeightToFrame = [this](double weight) { m_settings.m_dLastWeight = weight; };
    if (!m_doc.OnNewDocument(hooks)) return false;
    UpdateTitle();
    m_dataView->OnInitialUpdate();
    m_editorView->OnInitialUpdate();
    return true;
}

void CMainFrame::UpdateTitle() { setWindowTitle(ToQ(kt::FrameTitle(m_doc.GetTitle()))); }

void CMainFrame::LayoutPanes() {
    const kt::PaneHeights heights = kt::LayoutPanes(m_splitter->height(), m_bEditorShown);
    m_editorView->setMinimumHeight(heights.editorMin);
    m_dataView->setMinimumHeight(std::min(heights.entryMin, 100));
    m_splitter->setSizes({heights.editorIdeal, heights.entryIdeal});
}

void CMainFrame::UpdateMenuCaptions() {
    if (QAction* a = Action(kt::cmd::kShowRecords)) {
        a->setCheckable(true);
        a->setChecked(m_bEditorShown && m_editorView->EditorMode() == 0);
    }
    if (QAction* a = Action(kt::cmd::kViewAll)) a->setText(ToQ(m_doc.m_bAllData ? "View Active Database" : "View All Exercise Data"));
    if (QAction* a = Action(kt::cmd::kToggleEditor))
        a->setText(ToQ(m_bEditorShown ? "Show Data Entry Screen" : "Edit the exercise database"));
}

void CMainFrame::SetStatusPane(int index, const QString& text, const QColor& color) { m_statusBar->SetPaneText(index, text, color); }

void CMainFrame::OnSave() {
    if (m_doc.m_bChanged) m_doc.SaveDatabase(UiPrompter());
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
    if (!m_bDestroyed) {
        m_doc.OnCloseDocument(UiPrompter());
        OnDestroy();
    }
    event->accept();
}

void CMainFrame::OnDestroy() { m_bDestroyed = true; }

}  // namespace kt::ui
