#include "core/entry/EntryPrompt.h"

#include "core/entry/EntryState.h"
#include "core/entry/Texts.h"

namespace kt {

EntryPrompt MakeEntryPrompt(const EntryState& state, Time64 now) {
    EntryPrompt prompt;
    prompt.text = FormatTime(state.entryDate, state.replace ? entry_text::kPromptCorrect : entry_text::kPromptEnter);
    const bool today = MidnightOf(state.entryDate) == MidnightOf(now);
    prompt.colour = today ? Rgb{255, 0, 0} : Rgb{0, 0, 255};
    prompt.bold = state.replace;
    return prompt;
}

}  // namespace kt
