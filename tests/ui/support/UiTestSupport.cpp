#include "ui/support/UiTestSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdlib>

#include "ui/app/MainFrame.h"
#include "ui/base/QtPrompter.h"

namespace kt::test {
namespace {

std::string GetEnv(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

void RestoreEnv(const char* name, const std::string& value) {
    if (value.empty()) {
        unsetenv(name);
    } else {
        setenv(name, value.c_str(), 1);
    }
}

}  // namespace

UiHome::UiHome() : m_oldHome(GetEnv("HOME")), m_oldConfig(GetEnv("XDG_CONFIG_HOME")), m_oldData(GetEnv("XDG_DATA_HOME")) {
    std::filesystem::create_directories(m_dir.path() / "Documents");
    std::filesystem::create_directories(m_dir.path() / ".config");
    std::filesystem::create_directories(m_dir.path() / ".local" / "share");
    setenv("HOME", m_dir.path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", (m_dir.path() / ".config").c_str(), 1);
    setenv("XDG_DATA_HOME", (m_dir.path() / ".local" / "share").c_str(), 1);
    kt::ui::SetUiPrompterForTesting(&prompter);
}

UiHome::~UiHome() {
    kt::ui::SetUiPrompterForTesting(nullptr);
    RestoreEnv("HOME", m_oldHome);
    RestoreEnv("XDG_CONFIG_HOME", m_oldConfig);
    RestoreEnv("XDG_DATA_HOME", m_oldData);
}

void OnNextModal(std::function<void(QWidget*)> action, int timeoutMs) {
    auto* timer = new QTimer(qApp);
    auto* clock = new QElapsedTimer;
    clock->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, action, timeoutMs] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            action(modal);
        } else if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            delete clock;
        }
    });
    timer->start();
}

std::unique_ptr<kt::ui::CMainFrame> StartMainFrame() {
    auto frame = std::make_unique<kt::ui::CMainFrame>();
    if (!frame->OnCreate() || !frame->StartDocument()) return nullptr;
    return frame;
}

}  // namespace kt::test
