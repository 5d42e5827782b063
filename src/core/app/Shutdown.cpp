#include "core/app/Shutdown.h"

#include "core/activities/ActivityList.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/SettingsPersistence.h"

namespace kt {

void StoreAtExit(ExitContext& c) {
    if (c.settings.m_bSettingsChanged) SaveSettings(c.store, c.dataFolder, c.settings, c.doc);
    if (c.settings.m_bActivityListChanged) {
        if (SaveActivityList(c.activities, c.dataFolder, c.prompter)) {
            c.settings.m_bActivityListChanged = false;
        } else {
            SaveSelectedActivities(c.store, c.settings);
        }
    }
}

bool SaveBeforeClose(ExitContext& c, const Clock& clock) { return !c.doc.IsChanged() || c.doc.SaveDatabase(c.prompter, clock); }

}  // namespace kt
