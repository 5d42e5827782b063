#pragma once
// The main window: splitter with the database editor (upper, hidden at start) and the data entry
// view (lower), the menu bar, toolbar and status bar, the data folder, the in-memory settings and
// the document. It handles every command of the menus, accelerators and toolbar.

#include <QMainWindow>
#include <QStyle>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "core/activities/ActivityTable.h"
#include "core/app/ArchiveCommands.h"
#include "core/app/Shutdown.h"
#include "core/app/ToolbarRules.h"
#include "core/base/Trash.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/FileSettingsStore.h"
#include "core/settings/Settings.h"

class QSplitter;
class QAction;

namespace kt::ui {

class CDataView;
class CEventRecordView;
class CKTToolBar;
class CColoredStatusBarCtrl;
class CVersionChecker;
class PrintCommands;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Window creation after the client area exists: bars, data folder, settings, activity list.
    // False when the window cannot be completed (the process then ends).
    bool OnCreate();
    // The document's new-document step and the views' initial updates.
    bool StartDocument();

    kt::CKT2Doc& Doc() { return m_doc; }
    kt::Settings& Settings() { return m_settings; }
    kt::ActivityTable& Activities() { return m_activities; }
    const std::string& DataFolder() const { return m_strDataFolder; }

    CDataView* DataView() const { return m_dataView; }
    CEventRecordView* EditorView() const { return m_editorView; }
    CKTToolBar* ToolBar() const { return m_toolBar; }
    CColoredStatusBarCtrl* StatusBarCtrl() const { return m_statusBar; }
    PrintCommands& Printing() { return *m_printCommands; }
    QSplitter* Splitter() const { return m_splitter; }
    // The action of a command number (menu item or accelerator); nullptr when there is none.
    QAction* Action(int command) const;
    CVersionChecker* VersionChecker() const { return m_versionChecker; }

    // Row heights from m_bEditorShown.
    void LayoutPanes();
    void UpdateMenuCaptions();
    void SetStatusPane(int index, const QString& text, const QColor& color);
    // Window caption from the document's title.
    void UpdateTitle();

    // Toolbar: the weight field and its label from the document.
    void RefreshWeightField();
    // Label colours and the two option boxes from the settings.
    void SetToolbarColors();
    // The data entry view's action button caption from the editor pane and the replace state.
    void UpdateActionButton();
    // Saves what changed, then closes the window (nothing is left to ask about).
    void SaveAndClose();
    // The preferences dialog; after OK the settings, the unit, the views and the toolbar boxes
    // take its values.
    void ShowPreferences();

    bool m_bLayoutActive = false;
    bool m_bEditorShown = false;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    void OnCreateClient();
    void BuildMenus();
    void BuildAccelerators();
    void SetHandler(int command, std::function<void()> handler);
    void Dispatch(int command);
    // A toolbar command button left of the controls, running the command's handler.
    void AddToolbarButton(int command, QStyle::StandardPixmap icon, const char* text, const char* toolTip);
    void OnSize();
    void OnDestroy();
    kt::ExitContext MakeExitContext();

    void OnSave();
    void OnToggleToolbar();
    void OnToggleStatusBar();
    void OnGraphPeriodSelected(int index);
    void OnDatePicked();
    void OnWeightTextChanged(const QString& text);
    void OnAddToListsClicked();
    void OnAutoFillClicked();
    void OnWeightGraphToggle();
    void OnShowDefaultActivities();
    void OnExportActivityHtml();
    void OnAbout();
    void OnImportCsv();
    void OnEditOptionList(int mode);
    void OnEditActivityOrder();
    void SelectGraphPeriodItem();
    kt::ArchiveContext MakeArchiveContext();
    void OnArchive();
    void OnViewAll();
    void OnRecombine();
    void OnAutoArchiveCheck(int month, int day);
    // What the views show after the database was trimmed, switched or recombined.
    void AfterDatabaseChange();

    kt::CKT2Doc m_doc;
    kt::Settings m_settings;
    kt::ActivityTable m_activities;
    std::string m_strDataFolder;
    std::unique_ptr<kt::SettingsStore> m_store;
    std::unique_ptr<kt::Trash> m_trash;
    kt::ToolbarRules m_toolbarRules;
    std::unique_ptr<PrintCommands> m_printCommands;

    QSplitter* m_splitter = nullptr;
    CEventRecordView* m_editorView = nullptr;
    CDataView* m_dataView = nullptr;
    CKTToolBar* m_toolBar = nullptr;
    CColoredStatusBarCtrl* m_statusBar = nullptr;
    CVersionChecker* m_versionChecker = nullptr;

    std::map<int, QAction*> m_menuActions;
    std::map<int, QAction*> m_keyActions;
    std::map<int, std::function<void()>> m_handlers;
    bool m_bDestroyed = false;
};

}  // namespace kt::ui
