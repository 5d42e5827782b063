#include "ui/app/KT2App.h"

#include "core/app/Session.h"
#include "core/app/Texts.h"
#include "core/base/Format.h"
#include "core/settings/FileSettingsStore.h"
#include "ui/app/MainFrame.h"
#include "ui/base/QtText.h"

namespace kt::ui {

CKT2App::CKT2App(int& argc, char** argv) : QApplication(argc, argv) {
    // QApplication has just set the user's locale; files and texts must keep "." and English dates.
    kt::ForceCLocale();
    setApplicationName(ToQ(kt::text::kApplicationName));
    setOrganizationName(ToQ(kt::text::kOrganisation));
    setApplicationDisplayName(ToQ(kt::text::kAppTitle));
}

CKT2App::~CKT2App() {
    // The window goes first: it still speaks to the session while it is destroyed.
    m_mainFrame.reset();
    m_session.reset();
}

bool CKT2App::InitInstance() {
    m_session = std::make_unique<kt::Session>(std::make_unique<kt::FileSettingsStore>(kt::FileSettingsStore::DefaultPath()), m_prompter);
    m_mainFrame = std::make_unique<CMainFrame>(*m_session);
    m_prompter.SetParent(m_mainFrame.get());
    if (!m_mainFrame->OnCreate()) return false;
    if (!m_mainFrame->StartDocument()) return false;
    m_mainFrame->ShowAsLeft();
    return true;
}

}  // namespace kt::ui
