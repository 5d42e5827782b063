#pragma once
// The application object: starts the program, owns the session (document, settings, activity
// table, store, data folder, prompter, clock, command handlers) and the main window.

#include <QApplication>
#include <memory>

#include "ui/base/QtPrompter.h"

class QSocketNotifier;

namespace kt {
class Prompter;
struct Session;
}  // namespace kt

namespace kt::ui {

class CMainFrame;
class CInstanceServer;
class DemoHome;

// The program's name, icon and desktop file for every window of `app`.
void ApplyProgramIdentity(QApplication& app);

class CKT2App : public QApplication {
    Q_OBJECT
public:
    // `prompter`, when given, answers every question instead of message boxes (the tools that
    // drive the real program unattended); it must outlive the application.
    CKT2App(int& argc, char** argv, kt::Prompter* prompter = nullptr);
    ~CKT2App() override;

    // Start-up; false ends the process at once with ExitCode(). With the argument "--demo" the
    // window opens on a sample journal in a temporary folder (see DemoHome), removed again at the end.
    bool InitInstance();
    CMainFrame* MainFrame() const { return m_mainFrame.get(); }
    kt::Session* SessionState() const { return m_session.get(); }
    // 0 when start-up ended because another running program took over (its window was shown),
    // 1 when it failed.
    int ExitCode() const { return m_exitCode; }

private:
    // SIGTERM, SIGHUP and SIGINT end the program through the main window's EndSession; the
    // handler itself only writes a byte to a pipe that the event loop watches.
    void InstallStopSignals();

    QtPrompter m_qtPrompter;
    kt::Prompter& m_prompter;
    std::unique_ptr<DemoHome> m_demo;
    std::unique_ptr<kt::Session> m_session;
    std::unique_ptr<CMainFrame> m_mainFrame;
    CInstanceServer* m_instanceServer = nullptr;
    QSocketNotifier* m_signalNotifier = nullptr;
    int m_exitCode = 1;
};

}  // namespace kt::ui
