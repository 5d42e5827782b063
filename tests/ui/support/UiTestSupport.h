#pragma once
// Helpers for the offscreen ui tests: a private HOME with its own Documents and config folders,
// a recorded prompter installed for the windows, and answering modal dialogs from a timer.

#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "support/TestSupport.h"

namespace kt::ui {
class CMainFrame;
}

namespace kt::test {

// Points HOME, XDG_CONFIG_HOME and XDG_DATA_HOME at a fresh temporary folder for its lifetime,
// and installs `prompter` as the windows' prompter.
class UiHome {
public:
    UiHome();
    ~UiHome();
    const std::filesystem::path& home() const { return m_dir.path(); }
    std::filesystem::path DataFolder() const { return m_dir.path() / "Documents" / "Quorvane" / "KT"; }
    std::filesystem::path ConfigFolder() const { return m_dir.path() / ".config"; }
    RecordingPrompter prompter;

private:
    TempDir m_dir;
    std::string m_oldHome, m_oldConfig, m_oldData;
};

// Runs `action` on the next modal widget that opens (polling from the event loop), e.g. to fill
// in and accept a dialog that the code under test opens with exec(). The returned watcher can be
// cancelled when the dialog may not come at all.
class ModalWatcher;
ModalWatcher* OnNextModal(std::function<void(QWidget*)> action, int timeoutMs = 5000);
void CancelModalWatcher(ModalWatcher* watcher);

// Creates the main window as the application does (creation, document start-up), not shown.
// When the start-up asks for the body weight (no weight known yet), `initialWeight` is typed in
// and accepted with kilograms; nullopt cancels the dialog.
std::unique_ptr<kt::ui::CMainFrame> StartMainFrame(std::optional<std::string> initialWeight = std::string("80"));

// True when the start-up of the last StartMainFrame asked for the body weight.
bool InitialWeightWasAsked();

}  // namespace kt::test
