#include "core/app/Shutdown.h"

#include "core/activities/ActivityList.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/SettingsPersistence.h"

namespace kt {

void StoreAtExit(ExitContext& c) {
    if (c.settings.m_bSettingsChanged) SaveSettings(c.store, c.dataFolder, c.settings, c.doc);
    if (c.settings.m_bActivityListChanged) {
        SaveActivityList(c.activities, c.dataFolder, c.settings, c.prompter);
        if (c.settings.m_bActivityListChanged) SaveSelectedActivities(c.store, c.settings);
    }
}

bool SaveBeforeClose(ExitContext& c, const Clock& clock) { return !c.doc.IsChanged() || c.doc.SaveDatabase(c.prompter, clock); }

}  // namespace kt
