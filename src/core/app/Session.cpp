#include "core/app/Session.h"

#include <unistd.h>

#include "core/activities/ActivityList.h"
#include "core/app/DataFolder.h"
#include "core/base/Format.h"
#include "core/settings/FileSettingsStore.h"
#include "core/settings/SettingsPersistence.h"

namespace kt {

Session::Session(std::unique_ptr<SettingsStore> store, Prompter& prompter, const Clock& clock)
    : store(std::move(store)), prompter(prompter), clock(clock) {}

bool Session::Open(const std::optional<std::string>& documents) {
    const std::string folder = GetDataFolder(documents, prompter);
    if (!folder.empty()) {
        switch (lock.Acquire(folder, Format("kinetrax %d", static_cast<int>(::getpid())))) {
            case FolderLock::Result::HeldByOther:
                heldFolder = folder;
                heldBy = lock.Owner();
                return false;
            case FolderLock::Result::Acquired:
                // No other program of ours writes here now: a temporary file is what a killed
                // save left behind, as big as the journal, and of no use to anyone.
                RemoveStaleTempFiles(folder);
                if (const auto* file = dynamic_cast<const FileSettingsStore*>(store.get()))
                    RemoveStaleTempFiles(file->FilePath().parent_path());
                break;
            case FolderLock::Result::Failed:
                // A folder where not even the lock file can be made cannot be saved to either;
                // every save reports that itself.
                break;
        }
    }
    dataFolder = folder;
    doc.m_strDataFolder = dataFolder;
    LoadSettings(*store, dataFolder, settings, doc);
    LoadActivityList(activities, dataFolder, prompter);
    settings.m_bAddToListsNow = settings.m_bAddToCombo;
    doc.m_strAutoArchive = settings.m_strAutoArchive;
    return true;
}

void Session::StartRecovery() {
    if (recovery || !lock.Held()) return;
    recovery = std::make_unique<RecoveryJournal>(doc, dataFolder, prompter);
    recovery->Start(clock);
}

void Session::DiscardRecovery() {
    if (recovery) recovery->Discard();
}

}  // namespace kt
