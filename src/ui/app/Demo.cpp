#include "ui/app/Demo.h"

#include "core/app/Session.h"
#include "core/settings/FileSettingsStore.h"
#include "sampledata/SampleData.h"

namespace kt::ui {

std::unique_ptr<DemoHome> DemoHome::Make(std::string* error, const std::filesystem::path& parent) {
    std::filesystem::path folder = kt::sample::MakeDemoHome({}, parent, error);
    if (folder.empty()) return nullptr;
    return std::unique_ptr<DemoHome>(new DemoHome(std::move(folder)));
}

DemoHome::~DemoHome() {
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}

std::unique_ptr<kt::Session> DemoHome::MakeSession(kt::Prompter& prompter) const {
    auto session = std::make_unique<kt::Session>(std::make_unique<kt::FileSettingsStore>(kt::sample::DemoSettingsFile(m_folder)), prompter);
    session->documents = kt::sample::DemoDocumentsFolder(m_folder).string();
    session->demo = true;
    return session;
}

}  // namespace kt::ui
