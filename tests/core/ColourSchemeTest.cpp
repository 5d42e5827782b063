#include <gtest/gtest.h>

#include "core/about/About.h"
#include "core/activities/ActivityTable.h"
#include "core/activities/Texts.h"
#include "core/app/Texts.h"
#include "core/base/ColourScheme.h"
#include "core/base/Format.h"
#include "core/base/LocalTime.h"
#include "core/chart/ChartFill.h"
#include "core/entry/EntryPrompt.h"
#include "core/entry/EntryState.h"
#include "core/entry/Texts.h"
#include "core/journal/Archive.h"
#include "core/journal/KT2Doc.h"
#include "core/print/Texts.h"
#include "core/settings/Settings.h"
#include "core/settings/Texts.h"
#include "core/stats/AverageDetails.h"
#include "core/stats/Summaries.h"
#include "core/update/UpdateRules.h"

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
    const struct {
        Rgb a, b;
        double contrast;
    } pairs[] = {
        {{0, 0, 0}, {255, 255, 255}, 21.0},       {{255, 255, 255}, {255, 255, 255}, 1.0}, {{119, 119, 119}, {255, 255, 255}, 4.48},
        {{118, 118, 118}, {255, 255, 255}, 4.54}, {{0, 0, 255}, {255, 255, 255}, 8.59},    {{255, 0, 0}, {0, 0, 0}, 5.25},
        {{0, 128, 0}, {220, 255, 220}, 4.74},     {{10, 10, 10}, {0, 0, 0}, 1.06},         {{100, 100, 100}, {255, 255, 255}, 5.92},
        {{53, 53, 53}, {0, 0, 0}, 1.71},
    };
    for (const auto& p : pairs) {
        EXPECT_NEAR(ContrastRatio(p.a, p.b), p.contrast, 0.005) << Str(p.a) << Str(p.b);
        EXPECT_DOUBLE_EQ(ContrastRatio(p.a, p.b), ContrastRatio(p.b, p.a));
    }
    EXPECT_NEAR(RelativeLuminance({0, 255, 0}), 0.7152, 1e-4);
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
}

// The colours the program really paints, each letter colour with what it stands on: they must
// all have table entries (a new colour without one fails here) and read on a dark window.
struct Painted {
    std::string where;
    Rgb text;
    Rgb on;  // a fill, or kWindow for the window itself
    ColourUse use = ColourUse::Text;
};
constexpr Rgb kWindow{-1, -1, -1};

void AddStyled(std::vector<Painted>& out, const std::string& where, const StyledText& t) {
    out.push_back({where + " default", t.defaultColour, t.background});
    for (const TextSpan& s : t.spans) out.push_back({where + " span", s.colour, t.background});
}

std::vector<Painted> PaintedColours() {
    namespace tx = text;
    namespace at = activities_text;
    std::vector<Painted> out = {
        {"graph period label", tx::kGraphPeriodColours.text, tx::kGraphPeriodColours.background},
        {"exercise date label", tx::kExerciseDateColours.text, tx::kExerciseDateColours.background},
        {"last weight label", tx::kLastWeightColours.text, tx::kLastWeightColours.background},
        {"day pane", tx::kDayPaneInitialColour, kWindow},
        {"database pane", tx::kDatabasePaneInitialColour, kWindow},
        {"day heading", entry_text::kDayHeadingColour, kWindow},
        {"averaging heading", entry_text::kAveragingHeadingColour, kWindow},
        {"defaults heading", at::kDefaultsHeadingColour, kWindow},
        {"even default row", at::kEvenRowText, at::kEvenRowBackground},
        {"odd default row", at::kOddRowText, at::kOddRowBackground},
        {"chart weight title", chart_setup::kWeightAxisTitleColour, chart_setup::kBackground},
        {"chart axes", {0, 0, 0}, chart_setup::kBackground},
        {"exercise bars", chart_setup::kExerciseColour, chart_setup::kBackground, ColourUse::Line},
        {"weight bars", chart_setup::kWeightColour, chart_setup::kBackground, ColourUse::Line},
        {"print dialog", {0, 0, 0}, print_text::kDialogBackground},
    };
    for (const entry_text::ButtonStyle& b : {entry_text::kActionButtonStyle, entry_text::kExitButtonStyle, entry_text::kDetailsButtonStyle})
        out.push_back({"button", b.text, b.background});
    for (const settings_text::GroupStyle& g :
         {settings_text::kWeightGroup, settings_text::kGraphGroup, settings_text::kAveragingGroup, settings_text::kOtherGroup}) {
        out.push_back({g.caption, g.captionColour, kWindow});
        out.push_back({g.caption, g.frameColour, kWindow, ColourUse::Line});
    }
    for (size_t row = 0; row < 3; ++row)
        out.push_back({"details row", AverageDetailsRowColours(row).text, AverageDetailsRowColours(row).background});
    EntryState state;
    state.entryDate = LocalMidnight(2016, 1, 5);
    for (Time64 now : {state.entryDate, LocalMidnight(2016, 1, 6)}) out.push_back({"prompt", MakeEntryPrompt(state, now).colour, kWindow});

    CKT2Doc doc;
    doc.m_dLastWeight = 70;
    doc.SetRecords({CEventRecord(LocalMidnight(2016, 1, 5), "Golf, general", "Nine (holes)", 90, "Club", 0, 70, 1, "")});
    const auto selected = DefaultSelectedActivities();
    const DaySummaryText day = DaySummary(doc, ActivityTable::Defaults(), selected, LocalMidnight(2016, 1, 5));
    AddStyled(out, "day summary", day.pane);
    out.push_back({"day status", day.status.colour, kWindow});
    const AverageResult d{90, 90, 1, 1, "per day for the day"};
    const AveragesSummaryText averages = AveragesSummary(doc, ActivityTable::Defaults(), selected, d, d);
    AddStyled(out, "averages", averages.pane);
    if (averages.status) out.push_back({"averages status", averages.status->colour, kWindow});
    AddStyled(out, "averages error",
              AveragesSummary(CKT2Doc(), ActivityTable::Defaults(), selected, AverageResult{0, 0, 0, 0, "No Data"}, d).pane);
    AddStyled(out, "details", AverageDetailsSummary(AverageDetails{1, LocalMidnight(2016, 1, 1), false, 0, 1, true}, d, d));
    AddStyled(out, "archive info", ArchiveInfoText(LocalMidnight(2016, 1, 5)));
    AddStyled(out, "archive report", AutoArchiveReport(LocalMidnight(2016, 1, 5), {"ExerciseData_Ending_01-04-15.edb"}));
    AddStyled(out, "recombine", RecombineQuestion());
    AddStyled(out, "about", AboutHeading("Kinetrax", "1.2.3.4", LocalMidnight(2016, 1, 5)));
    for (UpdateMode mode : {UpdateMode::Current, UpdateMode::Newer, UpdateMode::NotUploaded, UpdateMode::NoInformation})
        AddStyled(out, "update", UpdateMessageText(mode, "Kinetrax 2.0 - a description - 2.0.0.1 - December 1, 2026"));
    AddStyled(out, "downloaded", DownloadedMessageText("setup.exe", "/tmp"));
    return out;
}

bool InTable(Rgb c, ColourUse use) {
    for (const DarkCounterpart& e : DarkCounterparts())
        if (e.light == c && e.use == use) return true;
    return false;
}

TEST(ColourScheme, EveryPaintedColourHasACounterpartThatReadsOnTheDarkWindow) {
    const std::vector<Painted> painted = PaintedColours();
    ASSERT_GT(painted.size(), 60u);
    for (const Painted& p : painted) {
        SCOPED_TRACE(p.where + " " + Str(p.text) + " on " + Str(p.on));
        EXPECT_TRUE(InTable(p.text, p.use));
        EXPECT_TRUE(p.on == kWindow || InTable(p.on, ColourUse::Fill));
        for (Rgb w : kDarkWindows) {
            const Rgb fill = p.on == kWindow ? w : ShownColour(p.on, ColourUse::Fill, w);
            EXPECT_GE(ContrastRatio(ShownColour(p.text, p.use, w), fill), p.use == ColourUse::Text ? 4.5 : 3.0) << Str(w);
        }
    }
    // Rows that alternate on white still alternate on a dark window.
    const Rgb w{53, 53, 53};
    EXPECT_NE(ShownColour(activities_text::kEvenRowBackground, ColourUse::Fill, w),
              ShownColour(activities_text::kOddRowBackground, ColourUse::Fill, w));
    EXPECT_NE(ShownColour(AverageDetailsRowColours(0).background, ColourUse::Fill, w),
              ShownColour(AverageDetailsRowColours(1).background, ColourUse::Fill, w));
}

}  // namespace
}  // namespace kt
