#include "core/entry/EntryState.h"

#include "core/entry/EntryGrid.h"
#include "core/settings/Settings.h"

namespace kt {

EntryState MakeEntryState(Time64 now, const Settings& settings) {
    EntryState state;
    state.entryDate = MidnightOf(now);
    state.addToLists = settings.m_bAddToCombo;
    state.showWeight = settings.m_bMonitorWeight;
    state.useCurrentWeight = settings.m_bUseLastWeight;
    state.averagingPeriod = settings.m_nAveragingPeriod;
    return state;
}

void CompleteStartUp(EntryState& state, EntryGrid& grid) {
    state.exitCaption = entry_text::kExitCaptionExit;
    state.newWeightSet = false;
    grid.ClearModified();
}

}  // namespace kt
