#pragma once
// `kinetrax --demo`: the real window on a sample journal in a temporary folder, so a newcomer sees
// a populated journal at once. The run's Documents folder and settings store both lie in that
// folder: no file of the user's own journal or settings is read or written.

#include <filesystem>
#include <memory>
#include <string>

namespace kt {
class Prompter;
struct Session;
}  // namespace kt

namespace kt::ui {

class DemoHome {
public:
    // Makes the folder with about five years of sample records ending today; nullptr with `error`
    // filled when it cannot be made. `parent` empty: the system's temporary folder.
    static std::unique_ptr<DemoHome> Make(std::string* error, const std::filesystem::path& parent = {});
    // Removes the folder and everything the run wrote into it.
    ~DemoHome();
    DemoHome(const DemoHome&) = delete;
    DemoHome& operator=(const DemoHome&) = delete;

    const std::filesystem::path& Folder() const { return m_folder; }
    // A session on the demo's Documents folder and settings store, marked as a demo.
    std::unique_ptr<kt::Session> MakeSession(kt::Prompter& prompter) const;

private:
    explicit DemoHome(std::filesystem::path folder) : m_folder(std::move(folder)) {}
    std::filesystem::path m_folder;
};

}  // namespace kt::ui
