#include "core/app/Session.h"

#include "core/activities/ActivityList.h"
#include "core/app/DataFolder.h"
#include "core/settings/SettingsPersistence.h"

namespace kt {

Session::Session(std::unique_ptr<SettingsStore> store, Prompter& prompter, const Clock& clock)
    : store(std::move(store)), prompter(prompter), clock(clock) {}

void Session::Open(const std::optional<std::string>& documents) {
    dataFolder = GetDataFolder(documents, prompter);
    doc.m_strDataFolder = dataFolder;
    LoadSettings(*store, dataFolder, settings, doc);
    LoadActivityList(activities, dataFolder, prompter);
    settings.m_bAddToListsNow = settings.m_bAddToCombo;
    doc.m_strAutoArchive = settings.m_strAutoArchive;
}

}  // namespace kt
