#include "ui/app/KT2App.h"

#include "core/base/Format.h"
#include "ui/app/MainFrame.h"

namespace kt::ui {

CKT2App::CKT2App(int& argc, char** argv) : QApplication(argc, argv) {
    // QApplication has just set the user's locale; files and texts must keep "." and English dates.
    kt::ForceCLocale();
    setApplicationName(QStringLiteral("Kinetrax"));
    setOrganizationName(QStringLiteral("Quorvane Software"));
    setApplicationDisplayName(QStringLiteral("KT2"));
}

CKT2App::~CKT2App() = default;

bool CKT2App::InitInstance() {
    m_mainFrame = std::make_unique<CMainFrame>();
    if (!m_mainFrame->OnCreate()) return false;
    if (!m_mainFrame->StartDocument()) return false;
    m_mainFrame->show();
    return true;
}

}  // namespace kt::ui
