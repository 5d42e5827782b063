#include "ui/app/KT2App.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QIcon>
#include <QSessionManager>
#include <QSocketNotifier>
#include <csignal>

#include "core/app/Session.h"
#include "core/app/Texts.h"
#include "core/base/Format.h"
#include "core/settings/FileSettingsStore.h"
#include "ui/app/Demo.h"
#include "ui/app/MainFrame.h"
#include "ui/app/SingleInstance.h"
#include "ui/base/QtText.h"
#include "ui/base/ShownColours.h"

namespace kt::ui {
namespace {

int g_signalPipe[2] = {-1, -1};

void OnStopSignal(int) {
    const char byte = 1;
    // Only async-signal-safe work here; the event loop does the rest.
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &byte, 1);
}

}  // namespace

void ApplyProgramIdentity(QApplication& app) {
    app.setApplicationName(ToQ(kt::text::kApplicationName));
    app.setOrganizationName(ToQ(kt::text::kOrganisation));
    app.setApplicationDisplayName(ToQ(kt::text::kAppTitle));
    app.setDesktopFileName(ToQ(kt::text::kDesktopFileName));
    QApplication::setWindowIcon(QIcon(ToQ(kt::text::kIconResource)));
}

CKT2App::CKT2App(int& argc, char** argv, kt::Prompter* prompter)
    : QApplication(argc, argv), m_prompter(prompter ? *prompter : m_qtPrompter) {
    // QApplication has just set the user's locale; files and texts must keep "." and English dates.
    kt::ForceCLocale();
    ApplyProgramIdentity(*this);
    if (arguments().contains(ToQ(kt::text::kDarkArgument))) UseDarkPalette(*this);
}

CKT2App::~CKT2App() {
    // The window goes first: it still speaks to the session while it is destroyed. The demo's
    // folder goes last, after everything that writes into it.
    m_mainFrame.reset();
    m_session.reset();
    m_demo.reset();
}

bool CKT2App::InitInstance() {
    if (arguments().contains(ToQ(kt::text::kDemoArgument))) {
        std::string error;
        m_demo = DemoHome::Make(&error);
        if (!m_demo) {
            m_prompter.Message(kt::Format(kt::text::kDemoFailedFormat, error.c_str()));
            return false;
        }
        m_session = m_demo->MakeSession(m_prompter);
    } else {
        m_session =
            std::make_unique<kt::Session>(std::make_unique<kt::FileSettingsStore>(kt::FileSettingsStore::DefaultPath()), m_prompter);
    }
    m_mainFrame = std::make_unique<CMainFrame>(*m_session);
    m_qtPrompter.SetParent(m_mainFrame.get());
    if (!m_mainFrame->OnCreate()) {
        if (m_session->heldFolder.empty()) return false;
        // Another program owns this journal: its window comes to the front, or the user hears why
        // nothing happens. Either way this one ends without touching a file.
        if (!AskRunningInstanceToShow(InstanceServerName(m_session->heldFolder))) {
            m_qtPrompter.SetParent(nullptr);
            m_prompter.Message(kt::Format(kt::text::kAlreadyRunningFormat, m_session->heldFolder.c_str(), m_session->heldBy.c_str()));
        }
        m_exitCode = 0;
        return false;
    }
    if (!m_mainFrame->StartDocument()) return false;
    m_instanceServer = new CInstanceServer(this);
    connect(m_instanceServer, &CInstanceServer::ShowRequested, m_mainFrame.get(), &CMainFrame::ShowAndRaise);
    m_instanceServer->Listen(InstanceServerName(m_session->dataFolder));
    connect(this, &QGuiApplication::commitDataRequest, m_mainFrame.get(), [this](QSessionManager&) { m_mainFrame->CommitData(); });
    InstallStopSignals();
    m_mainFrame->ShowAsLeft();
    return true;
}

void CKT2App::InstallStopSignals() {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0) return;
    ::fcntl(g_signalPipe[1], F_SETFL, O_NONBLOCK);
    m_signalNotifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, this);
    connect(m_signalNotifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const ssize_t n = ::read(g_signalPipe[0], &byte, 1);
        m_signalNotifier->setEnabled(false);
        if (m_mainFrame) m_mainFrame->EndSession();
        // At once: quit() would let events already queued (a keystroke, a timer) edit the journal
        // after its save.
        exit(0);
    });
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(signal, &action, nullptr);
}

}  // namespace kt::ui
