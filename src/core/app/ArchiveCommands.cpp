#include "core/app/ArchiveCommands.h"

#include "core/base/Prompter.h"
#include "core/base/Trash.h"
#include "core/settings/Settings.h"

namespace kt {

bool ArchiveBefore(ArchiveContext& c, Time64 cut) {
    if (!c.doc.TrimAndArchive(cut, c.prompter, c.clock)) return false;
    c.settings.m_bSettingsChanged = true;
    c.doc.LoadDatabase(&c.prompter);
    return true;
}

bool ToggleAllData(ArchiveContext& c) {
    if (c.doc.IsChanged() && !c.doc.SaveDatabase(c.prompter, c.clock)) return false;
    if (c.doc.m_bAllData) {
        c.doc.LoadDatabase(&c.prompter);
        return true;
    }
    c.doc.ReadAllDatabases(c.prompter);
    return c.doc.m_bAllData;
}

long long Recombine(ArchiveContext& c, Trash& trash, const CKT2Doc::ConfirmRecombine& confirm) {
    const long long count = c.doc.RecombineDatabases(c.prompter, trash, confirm, c.clock);
    if (c.doc.m_strAutoArchive != c.settings.m_strAutoArchive) {
        c.settings.m_strAutoArchive = c.doc.m_strAutoArchive;
        c.settings.m_bSettingsChanged = true;
    }
    return count;
}

std::optional<Time64> AutoArchive(ArchiveContext& c, int month, int day) {
    const std::optional<Time64> cut = c.doc.AutoArchiveCheck(month, day, c.prompter, c.clock);
    if (cut) c.settings.m_bSettingsChanged = true;
    return cut;
}

}  // namespace kt
