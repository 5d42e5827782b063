#pragma once
// The application object: starts the program, owns the session (document, settings, activity
// table, store, data folder, prompter, clock, command handlers) and the main window.

#include <QApplication>
#include <memory>

#include "ui/base/QtPrompter.h"

namespace kt {
struct Session;
}

namespace kt::ui {

class CMainFrame;

class CKT2App : public QApplication {
    Q_OBJECT
public:
    CKT2App(int& argc, char** argv);
    ~CKT2App() override;

    // Start-up; false ends the process at once.
    bool InitInstance();
    CMainFrame* MainFrame() const { return m_mainFrame.get(); }

private:
    QtPrompter m_prompter;
    std::unique_ptr<kt::Session> m_session;
    std::unique_ptr<CMainFrame> m_mainFrame;
};

}  // namespace kt::ui
