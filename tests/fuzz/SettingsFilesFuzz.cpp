// The data folder's settings files read at start-up: "Kinetrax2.cfg", the older "Kinetrax.cfg"
// and the user data file "KTUserData.cfg". The first byte picks the file; any content loads,
// and the option lists written back read back the same.

#include <unistd.h>

#include <filesystem>

#include "core/base/AtomicFile.h"
#include "core/base/Text.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/MemorySettingsStore.h"
#include "core/settings/SettingsPersistence.h"
#include "fuzz/FuzzCheck.h"

namespace {

std::filesystem::path Folder() {
    static const std::filesystem::path folder = [] {
        // Every save is flushed to disk; in memory (where there is a tmpfs) that costs nothing.
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
        auto dir = base / ("kt-fuzz-settings-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        return dir;
    }();
    return folder;
}

// The lists as the file holds them: a NUL inside an item is written as a blank.
std::string Lists(const kt::Settings& s) {
    std::string out;
    for (const auto& d : s.m_arDescriptions) out += kt::SanitizeFieldText(d) + "|";
    out += "/";
    for (const auto& l : s.m_arLocations) out += kt::SanitizeFieldText(l) + "|";
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const char* names[] = {kt::kCfgFileName, kt::kOldCfgFileName, kt::kUserDataFileName};
    const std::filesystem::path folder = Folder();
    for (const char* name : names) std::filesystem::remove(folder / name);
    const char* name = names[data[0] % 3];
    kt::WriteFileAtomic(folder / name, kt::fuzz::Bytes(data + 1, size - 1));

    kt::MemorySettingsStore store;
    if (name == names[2]) store.OpenKey(kt::kSettingsKeyPath, true);  // the user data file is read beside the store
    kt::Settings settings;
    kt::CKT2Doc doc;
    kt::LoadSettings(store, folder, settings, doc);
    if (name != names[2]) {
        kt::fuzz::Expect(settings.m_dMaxHours > 0.0 && settings.m_dMaxHours <= 50.0, "a cfg file's hours threshold is usable");
        return 0;
    }
    // Whatever the lists hold, they are written and read back unchanged (items with tabs or line
    // breaks cannot come from a file that is split at them).
    kt::fuzz::Expect(kt::SaveUserData(folder, settings), "the user data file can be written");
    kt::Settings reread;
    kt::CKT2Doc doc2;
    kt::LoadSettings(store, folder, reread, doc2);
    kt::fuzz::Expect(Lists(reread) == Lists(settings), "option lists survive a write", Lists(settings), Lists(reread));
    return 0;
}
