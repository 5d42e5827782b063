#pragma once
// The application object: starts the program, creates the document and the main window.

#include <QApplication>
#include <memory>

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
    std::unique_ptr<CMainFrame> m_mainFrame;
};

}  // namespace kt::ui
