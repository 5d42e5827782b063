#include "core/base/ColourScheme.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kt {
namespace {

using U = ColourUse;

// Fills keep their hue at a low lightness, so alternating rows stay apart; texts keep their hue at
// a lightness that gives 4.5:1 on every one of these fills and on the usual dark windows. Shades
// of one hue that only differed slightly on white meet in one counterpart.
constexpr std::array<DarkCounterpart, 48> kTable{{
    {{255, 255, 255}, U::Fill, {36, 36, 36}},  {{240, 240, 240}, U::Fill, {48, 48, 48}},  {{202, 202, 202}, U::Fill, {62, 62, 62}},
    {{225, 225, 235}, U::Fill, {62, 62, 72}},  {{220, 255, 220}, U::Fill, {24, 57, 24}},  {{225, 255, 225}, U::Fill, {24, 57, 24}},
    {{232, 255, 232}, U::Fill, {24, 57, 24}},  {{220, 220, 255}, U::Fill, {24, 24, 57}},  {{232, 232, 255}, U::Fill, {24, 24, 57}},
    {{240, 240, 255}, U::Fill, {24, 24, 57}},  {{245, 245, 255}, U::Fill, {24, 24, 57}},  {{168, 210, 255}, U::Fill, {24, 40, 57}},
    {{151, 252, 255}, U::Fill, {24, 56, 57}},  {{255, 255, 0}, U::Fill, {57, 57, 24}},    {{243, 243, 183}, U::Fill, {57, 57, 24}},
    {{250, 250, 192}, U::Fill, {57, 57, 24}},  {{241, 219, 117}, U::Fill, {57, 51, 24}},  {{249, 186, 170}, U::Fill, {57, 31, 24}},

    {{0, 0, 0}, U::Text, {232, 232, 232}},     {{0, 0, 128}, U::Text, {168, 168, 245}},   {{0, 0, 160}, U::Text, {168, 168, 245}},
    {{0, 0, 192}, U::Text, {168, 168, 245}},   {{0, 0, 208}, U::Text, {168, 168, 245}},   {{0, 0, 220}, U::Text, {168, 168, 245}},
    {{0, 0, 255}, U::Text, {168, 168, 245}},   {{128, 0, 0}, U::Text, {243, 149, 149}},   {{132, 0, 0}, U::Text, {243, 149, 149}},
    {{160, 0, 0}, U::Text, {243, 149, 149}},   {{192, 0, 0}, U::Text, {243, 149, 149}},   {{200, 0, 0}, U::Text, {243, 149, 149}},
    {{220, 0, 0}, U::Text, {243, 149, 149}},   {{255, 0, 0}, U::Text, {243, 149, 149}},   {{0, 128, 0}, U::Text, {126, 241, 126}},
    {{0, 132, 0}, U::Text, {126, 241, 126}},   {{0, 160, 0}, U::Text, {126, 241, 126}},   {{128, 128, 0}, U::Text, {241, 241, 126}},
    {{110, 68, 70}, U::Text, {200, 167, 168}}, {{151, 92, 26}, U::Text, {234, 186, 133}}, {{226, 130, 18}, U::Text, {241, 188, 126}},
    {{255, 144, 0}, U::Text, {241, 191, 126}}, {{255, 153, 0}, U::Text, {241, 195, 126}}, {{242, 94, 43}, U::Text, {241, 156, 126}},

    {{0, 0, 128}, U::Line, {131, 131, 241}},   {{0, 0, 255}, U::Line, {131, 131, 241}},   {{128, 0, 0}, U::Line, {237, 97, 97}},
    {{192, 0, 0}, U::Line, {237, 97, 97}},     {{0, 128, 0}, U::Line, {81, 236, 81}},     {{200, 128, 0}, U::Line, {236, 180, 81}},
}};

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int Mix(int from, int to, double share) { return static_cast<int>(std::lround(from + (to - from) * share)); }

Rgb Mix(Rgb from, Rgb to, double share) { return {Mix(from.r, to.r, share), Mix(from.g, to.g, share), Mix(from.b, to.b, share)}; }

// A colour the table does not know: a fill sinks to a fifth of its brightness, a text or line
// moves most of the way to white.
Rgb Derived(Rgb c, ColourUse use) {
    if (use == U::Fill) return Mix(Rgb{0, 0, 0}, c, 0.22);
    return Mix(c, Rgb{255, 255, 255}, 0.6);
}

}  // namespace

double RelativeLuminance(Rgb c) { return 0.2126 * Linear(c.r) + 0.7152 * Linear(c.g) + 0.0722 * Linear(c.b); }

double ContrastRatio(Rgb a, Rgb b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsDarkWindow(Rgb window) { return ContrastRatio(window, Rgb{255, 255, 255}) > ContrastRatio(window, Rgb{0, 0, 0}); }

Rgb ShownColour(Rgb colour, ColourUse use, Rgb window) {
    if (!IsDarkWindow(window)) return colour;
    const auto* found =
        std::find_if(kTable.begin(), kTable.end(), [&](const DarkCounterpart& e) { return e.use == use && e.light == colour; });
    const Rgb dark = found != kTable.end() ? found->dark : Derived(colour, use);
    if (use == U::Fill) return dark;
    // A dark window can be a middle grey on which the table's colours fall short; white reaches
    // 4.5:1 on every window dark enough to count as dark.
    const double need = use == U::Text ? kTextContrast : kLineContrast;
    Rgb shown = dark;
    for (int tenths = 1; ContrastRatio(shown, window) < need && tenths <= 10; ++tenths)
        shown = Mix(dark, Rgb{255, 255, 255}, tenths / 10.0);
    return shown;
}

std::span<const DarkCounterpart> DarkCounterparts() { return kTable; }

}  // namespace kt
