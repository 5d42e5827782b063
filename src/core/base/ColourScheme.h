#pragma once
// The program's fixed colours were chosen for a light window: dark texts on pale fills. On a dark
// window (a dark desktop theme) each of them is shown as its counterpart instead: fills turn dark,
// texts and lines turn light, keeping their hue, so that a text keeps at least 4.5:1 contrast
// against the fill or window it stands on and a line (a frame, a bar) 3:1. On a light window every
// colour is shown exactly as given.

#include <span>

#include "core/base/StyledColor.h"

namespace kt {

enum class ColourUse {
    Text,  // letters
    Fill,  // an area behind letters or lines: a pane, a row, a label's background, a grid line
    Line,  // a mark that carries meaning without letters: a frame, a chart bar
};

inline constexpr double kTextContrast = 4.5;
inline constexpr double kLineContrast = 3.0;

// Relative luminance of an sRGB colour: 0 for black, 1 for white.
double RelativeLuminance(Rgb c);
// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on white.
double ContrastRatio(Rgb a, Rgb b);
// True when white text reads better on `window` than black text does.
bool IsDarkWindow(Rgb window);

// The colour to paint the program colour `colour`, used as `use`, with when the window (the
// palette's Window colour) is `window`. On a dark window a colour missing from the table is
// derived by the same rule; a text or line is lightened further when the window itself is too
// light for it.
Rgb ShownColour(Rgb colour, ColourUse use, Rgb window);

struct DarkCounterpart {
    Rgb light;
    ColourUse use;
    Rgb dark;
};
// Every fixed colour of the program with its counterpart on a dark window.
std::span<const DarkCounterpart> DarkCounterparts();

}  // namespace kt
