#pragma once
// kinetrax-cli: the exercise journal from a terminal, on the same rules and files as the window.
// Run is the whole program; main only gathers the process's environment and streams. Exit
// statuses: 0 done, 1 failed (or check found problems), 2 bad arguments.

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace kt {
class Clock;
}

namespace kt::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

struct Environment {
    std::optional<std::string> documents;  // the user's Documents folder (XdgDocumentsFolder)
    std::filesystem::path settingsFile;    // the settings store the program reads
    std::string lockOwner;                 // written into the folder's lock, e.g. "kinetrax-cli 1234"
    const Clock* clock = nullptr;          // DefaultClock() when null
};

// `words` are the arguments without the program name. Results go to `out`, messages to `err`.
int Run(const std::vector<std::string>& words, const Environment& env, std::ostream& out, std::ostream& err);

}  // namespace kt::cli
