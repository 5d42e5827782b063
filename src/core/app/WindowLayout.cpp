#include "core/app/WindowLayout.h"

#include <algorithm>

#include "core/app/Texts.h"

namespace kt {
namespace {

constexpr int kStatusPaneWidth = 400;
constexpr int kDefaultWidth = 1280;
constexpr int kDefaultHeight = 900;

// `value` within [low, high]; `high` wins when the range is empty.
int Fit(int value, int low, int high) { return std::min(std::max(value, low), high); }

}  // namespace

PaneHeights LayoutPanes(int clientHeight, bool editorShown, int rememberedEditor) {
    const int h = clientHeight;
    if (!editorShown) return {0, 0, h, 9 * h / 10};
    PaneHeights p{2 * h / 3, h / 2, h / 3, h / 4};
    if (rememberedEditor >= p.editorMin && rememberedEditor <= h - p.entryMin) {
        p.editorIdeal = rememberedEditor;
        p.entryIdeal = h - rememberedEditor;
    }
    return p;
}

std::string FrameTitle(const std::string& documentTitle, bool demo) {
    return (documentTitle.empty() ? std::string("Kinetrax 2") : documentTitle) + (demo ? text::kDemoTitleMark : "") + "[*] - KT2";
}

StatusPaneWidths StatusWidths(int barWidth, int dayNeed, int summaryNeed) {
    barWidth = std::max(barWidth, 0);
    const int day = std::clamp(dayNeed, 0, kStatusPaneWidth);
    const int summary = std::max(summaryNeed, kStatusPaneWidth);
    if (barWidth >= 2 * kStatusPaneWidth + summary) return {kStatusPaneWidth, kStatusPaneWidth};
    const int prompt = std::clamp(barWidth - day - summary, std::min(kStatusPromptMinimum, barWidth / 3), kStatusPaneWidth);
    const int rest = barWidth - prompt;
    if (rest >= day + summary) return {prompt, rest - summary};
    // 64-bit: a need may be any size a text measures.
    const int shared = day + summary == 0 ? rest / 2 : static_cast<int>(static_cast<int64_t>(rest) * day / (day + summary));
    return {prompt, shared};
}

WindowRect PlaceWindow(const std::optional<WindowRect>& saved, const WindowRect& available, int minimumWidth, int minimumHeight) {
    WindowRect r;
    if (saved && saved->width > 0 && saved->height > 0) {
        r = *saved;
    } else {
        r.width = kDefaultWidth;
        r.height = kDefaultHeight;
        r.x = available.x + (available.width - std::min(r.width, available.width)) / 2;
        r.y = available.y + (available.height - std::min(r.height, available.height)) / 2;
    }
    r.width = Fit(r.width, std::min(minimumWidth, available.width), available.width);
    r.height = Fit(r.height, std::min(minimumHeight, available.height), available.height);
    r.x = Fit(r.x, available.x, available.x + available.width - r.width);
    r.y = Fit(r.y, available.y, available.y + available.height - r.height);
    return r;
}

}  // namespace kt
