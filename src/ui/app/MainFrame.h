#pragma once
// The main window: splitter with the database editor (upper, hidden at start) and the data entry
// view (lower), the menu bar, toolbar and status bar. It works on the session the application
// hands it: menus, accelerators and toolbar buttons dispatch through the session's command
// handlers (each subsystem registers its own), the toolbar and the views talk through signals
// that the window connects, and the journal tells the window when to mark unsaved changes in its
// title and what a save wrote.

#include <QMainWindow>
#include <QStyle>
#include <map>
#include <memory>

#include "core/base/Trash.h"
#include "core/journal/JournalObserver.h"
#include "core/settings/WindowState.h"

class QSplitter;
class QAction;
class QTimer;

namespace kt {
class JournalLoader;
struct Session;
}  // namespace kt

namespace kt::ui {

class CDataView;
class CEditHistory;
class CEventRecordView;
class CKTToolBar;
class CColoredStatusBarCtrl;
class CVersionChecker;
class PrintCommands;

class CMainFrame : public QMainWindow, public kt::JournalObserver {
    Q_OBJECT
public:
    explicit CMainFrame(kt::Session& session, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Window creation: data folder, settings, activity list, the toolbar's state and the data
    // entry view's settings. False when the window cannot be completed (the process then ends).
    bool OnCreate();
    // Starts loading the journal on a thread of its own and returns: the window can be shown
    // and painted at once. Until the load is done the entry pane and the toolbar's controls take
    // no input, the commands that need the journal are disabled (kt::WorksWhileLoading) and the
    // status bar shows how far the load has come. Then, on this thread and in this order: the
    // document's new-document step (the load's problems, the yearly archive), the views' initial
    // updates (the weight question), the offer of an earlier run's unsaved changes; journalReady
    // follows. A window closed or ended before that saves nothing and drops the half-read records.
    bool StartDocument();
    // The journal is loaded and shown: entry and the commands that need the journal work.
    bool IsJournalReady() const { return m_bJournalReady; }
    // Runs the event loop until the journal is ready or `timeoutMs` have passed (programs that
    // drive the window unattended); true when it is ready.
    bool WaitForJournal(int timeoutMs = 120000);
    // Shows the window where the last run left it (maximized when it was), or centred on a first
    // run, always on the screen.
    void ShowAsLeft();

    CDataView* DataView() const { return m_dataView; }
    CEventRecordView* EditorView() const { return m_editorView; }
    CKTToolBar* ToolBar() const { return m_toolBar; }
    CColoredStatusBarCtrl* StatusBarCtrl() const { return m_statusBar; }
    PrintCommands& Printing() { return *m_printCommands; }
    QSplitter* Splitter() const { return m_splitter; }
    // The action of a command number (menu item, accelerator or toolbar button, in this order of
    // preference); nullptr when there is none.
    QAction* Action(int command) const;
    CVersionChecker* VersionChecker() const { return m_versionChecker; }
    CEditHistory* History() const { return m_history; }

    // Row heights from m_bEditorShown (and the editor height the user chose before).
    void LayoutPanes();
    void UpdateMenuCaptions();
    // The action button's caption from the editor pane, the editor's mode and the replace state.
    void UpdateActionButton();
    // Window caption from the document's title, with the unsaved-changes mark.
    void UpdateTitle();
    // Saves what changed, then closes the window (nothing is left to ask about).
    void SaveAndClose();
    // The preferences dialog; after OK the settings, the unit, the views and the toolbar boxes
    // take its values.
    void ShowPreferences();
    // The desktop session asks to keep what there is (it may end the program next): a changed
    // journal is saved and the settings stored, without a question nobody could answer. A journal
    // that cannot be saved keeps every change in the recovery file for the next start.
    void CommitData();
    // The program was told to stop (SIGTERM, SIGHUP, SIGINT): CommitData, then close.
    void EndSession();
    // Brings the window to the front (a second start asked for it).
    void ShowAndRaise();
    // What will be remembered of the window at exit.
    kt::WindowState CurrentWindowState() const;

    bool m_bLayoutActive = false;
    bool m_bEditorShown = false;

signals:
    void journalReady();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

    void JournalChanged(const kt::JournalChange& change) override;
    void ModifiedChanged(bool changed) override;
    void Saved(const kt::SaveReport& report) override;

private:
    void OnCreateClient();
    void BuildMenus();
    void BuildAccelerators();
    void BuildToolbarButtons();
    void RegisterCommands();
    void RegisterEditorPaneCommands();
    void BuildEditMenu();
    void ConnectViews();
    void OnEditorPaneCommand(int command);
    void Dispatch(int command);
    void OnSize();
    void OnDestroy();
    void FitFrameOnScreen();
    // The load's result arrived: the rest of the start-up, once the window has been painted.
    void OnJournalRead();
    void FinishDocument();
    // Input and commands that need the journal off (while it loads) or on again.
    void SetLoading(bool loading);
    void ShowLoadProgress();

    void OnSave();
    void OnToggleToolbar();
    void OnToggleStatusBar();
    void OnAutoFillClicked();
    void OnAbout();
    void OnArchive();
    void OnViewAll();
    void OnRecombine();
    void OnAutoArchiveCheck(int month, int day);

    kt::Session& m_session;
    kt::WindowState m_windowState;
    std::unique_ptr<kt::Trash> m_trash;
    std::unique_ptr<PrintCommands> m_printCommands;

    QSplitter* m_splitter = nullptr;
    CEventRecordView* m_editorView = nullptr;
    CDataView* m_dataView = nullptr;
    CKTToolBar* m_toolBar = nullptr;
    CColoredStatusBarCtrl* m_statusBar = nullptr;
    CVersionChecker* m_versionChecker = nullptr;
    CEditHistory* m_history = nullptr;

    std::map<int, QAction*> m_menuActions;
    std::map<int, QAction*> m_keyActions;
    std::map<int, QAction*> m_toolbarActions;
    bool m_bShown = false;
    bool m_bDestroyed = false;
    bool m_bJournalReady = false;
    bool m_bPainted = false;
    std::unique_ptr<kt::JournalLoader> m_loader;
    QTimer* m_loadProgressTimer = nullptr;
};

}  // namespace kt::ui
