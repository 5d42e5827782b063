#include <gtest/gtest.h>

#include "core/activities/Texts.h"
#include "core/base/ColourScheme.h"
#include "core/base/Format.h"
#include "core/stats/AverageDetails.h"

namespace kt {
namespace {

std::string Str(Rgb c) { return Format("(%d,%d,%d)", c.r, c.g, c.b); }

// Window colours of dark themes as desktops ship them, and the lightest grey that still counts
// as dark.
const Rgb kDarkWindows[] = {{53, 53, 53}, {49, 54, 59}, {30, 30, 30}, {0, 0, 0}, {35, 38, 41}, {117, 117, 117}};
// The windows the table was made for: its counterparts are shown unchanged on them.
const Rgb kTableWindows[] = {{53, 53, 53}, {49, 54, 59}, {30, 30, 30}, {0, 0, 0}, {35, 38, 41}};
const Rgb kLightWindows[] = {{239, 239, 239}, {255, 255, 255}, {246, 245, 244}, {118, 118, 118}, {200, 180, 140}};

TEST(ColourScheme, LuminanceContrastAndDarkness) {
    const std::tuple<Rgb, Rgb, double> pairs[] = {{{0, 0, 0}, {255, 255, 255}, 21.0},       {{119, 119, 119}, {255, 255, 255}, 4.48},
                                                  {{118, 118, 118}, {255, 255, 255}, 4.54}, {{255, 0, 0}, {0, 0, 0}, 5.25},
                                                  {{0, 128, 0}, {220, 255, 220}, 4.74},     {{10, 10, 10}, {0, 0, 0}, 1.06}};
    for (const auto& [a, b, contrast] : pairs) {
        EXPECT_NEAR(ContrastRatio(a, b), contrast, 0.005) << Str(a) << Str(b);
        EXPECT_DOUBLE_EQ(ContrastRatio(a, b), ContrastRatio(b, a));
    }
    EXPECT_NEAR(RelativeLuminance({10, 10, 10}), 0.003035, 1e-6);  // below the sRGB knee: linear
    for (Rgb w : kDarkWindows) EXPECT_TRUE(IsDarkWindow(w)) << Str(w);
    // Light windows show every colour as given.
    for (Rgb w : kLightWindows) {
        EXPECT_FALSE(IsDarkWindow(w)) << Str(w);
        for (const DarkCounterpart& e : DarkCounterparts()) {
            EXPECT_EQ(ShownColour(e.light, e.use, w), e.light) << Str(e.light) << " on " << Str(w);
            EXPECT_EQ(ShownColour({12, 34, 56}, e.use, w), (Rgb{12, 34, 56}));
        }
    }
}

TEST(ColourScheme, EveryCounterpartReadsOnEveryDarkFillAndWindow) {
    std::vector<Rgb> fills;
    for (const DarkCounterpart& e : DarkCounterparts())
        if (e.use == ColourUse::Fill) fills.push_back(e.dark);
    for (Rgb w : kTableWindows) fills.push_back(w);
    for (const DarkCounterpart& e : DarkCounterparts()) {
        for (Rgb w : kTableWindows) EXPECT_EQ(ShownColour(e.light, e.use, w), e.dark) << Str(e.light) << " on " << Str(w);
        if (e.use == ColourUse::Fill) {
            // White letters of a dark palette stand on every fill.
            EXPECT_GE(ContrastRatio(e.dark, {255, 255, 255}), 9.0) << Str(e.light);
            continue;
        }
        const double need = e.use == ColourUse::Text ? 4.5 : 3.0;
        for (Rgb f : fills) EXPECT_GE(ContrastRatio(e.dark, f), need) << Str(e.light) << " -> " << Str(e.dark) << " on " << Str(f);
    }
}

TEST(ColourScheme, AnyTextOrLineReachesItsContrastOnAnyDarkWindow) {
    std::vector<DarkCounterpart> colours(DarkCounterparts().begin(), DarkCounterparts().end());
    // Colours the table does not know are derived: a fill sinks, a text rises.
    for (Rgb c : {Rgb{0, 0, 0}, Rgb{60, 0, 90}, Rgb{255, 255, 255}, Rgb{90, 90, 90}, Rgb{0, 90, 180}})
        for (ColourUse use : {ColourUse::Text, ColourUse::Line}) colours.push_back({c, use, c});
    for (int grey = 0; grey <= 117; grey += 3)
        for (Rgb w : {Rgb{grey, grey, grey}, Rgb{grey, grey, std::min(255, grey + 40)}, Rgb{std::min(255, grey + 30), grey, grey}}) {
            if (!IsDarkWindow(w)) continue;
            for (const DarkCounterpart& e : colours) {
                if (e.use == ColourUse::Fill) continue;
                const double need = e.use == ColourUse::Text ? 4.5 : 3.0;
                EXPECT_GE(ContrastRatio(ShownColour(e.light, e.use, w), w), need) << Str(e.light) << " on " << Str(w);
            }
        }
    EXPECT_EQ(ShownColour({100, 200, 50}, ColourUse::Fill, {53, 53, 53}), (Rgb{22, 44, 11}));
    EXPECT_EQ(ShownColour({0, 0, 100}, ColourUse::Text, {0, 0, 0}), (Rgb{153, 153, 193}));
    // Rows that alternate on white still alternate on a dark window.
    const Rgb w{53, 53, 53};
    EXPECT_NE(ShownColour(activities_text::kEvenRowBackground, ColourUse::Fill, w),
              ShownColour(activities_text::kOddRowBackground, ColourUse::Fill, w));
    EXPECT_NE(ShownColour(AverageDetailsRowColours(0).background, ColourUse::Fill, w),
              ShownColour(AverageDetailsRowColours(1).background, ColourUse::Fill, w));
}

}  // namespace
}  // namespace kt
