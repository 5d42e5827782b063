#include <gtest/gtest.h>

#include "core/base/Format.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/MemorySettingsStore.h"
#include "core/settings/Preferences.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsPersistence.h"
#include "support/TestSupport.h"

namespace kt {
namespace {

// The auto-archive state the dialog shows: box, month edit, day edit, and the text it stores.
std::string Archive(bool box, const PreferencesForm& f) {
    return Format("%s %s/%s \"%s\"", box ? "[x]" : "[ ]", f.MonthText().c_str(), f.DayText().c_str(), f.Values().autoArchive.c_str());
}

PreferencesForm FormWithArchive(const std::string& text) {
    PreferencesValues v;
    v.autoArchive = text;
    return PreferencesForm(v);
}

TEST(Preferences, AutoArchiveTextFollowsTheEditsAndTheBox) {
    // {stored text, what is done (m: month typed, d: day typed, x: box clicked), shown afterwards}.
    const std::tuple<const char*, std::vector<std::pair<char, std::string>>, const char*> cases[] = {
        {"3 15", {}, "[x] 3/15 \"3 15\""},
        {"0 0", {}, "[ ] 0/0 \"0 0\""},
        {"3 0", {}, "[ ] 3/0 \"3 0\""},
        {"12", {}, "[ ] 12/0 \"12\""},
        {"x 5", {}, "[ ] 0/0 \"x 5\""},
        {" 7  31 ", {}, "[x] 7/31 \" 7  31 \""},
        // Ticking brings 0 and 0 into range; clearing gives "0 0" again.
        {"0 0", {{'x', "1"}}, "[x] 1/1 \"1 1\""},
        {"0 0", {{'x', "1"}, {'x', "0"}}, "[ ] 0/0 \"0 0\""},
        // Typed numbers are taken as they are, ticked or not; only a click brings them into range.
        {"3 15", {{'m', "14"}}, "[x] 14/15 \"14 15\""},
        {"3 15", {{'m', "14"}, {'x', "0"}, {'x', "1"}}, "[x] 1/1 \"1 1\""},
        {"3 15", {{'m', "14"}, {'d', "40"}, {'x', "1"}}, "[x] 1/1 \"1 1\""},
        {"3 15", {{'d', "32"}, {'x', "1"}}, "[x] 3/1 \"3 1\""},
        {"0 0", {{'m', "12"}, {'d', "31"}, {'x', "1"}}, "[x] 12/31 \"12 31\""},
        {"3 15", {{'m', ""}}, "[x] 0/15 \"0 15\""},
        {"3 15", {{'d', "abc"}}, "[x] 3/0 \"3 0\""},
    };
    for (const auto& [stored, steps, shown] : cases) {
        PreferencesForm f = FormWithArchive(stored);
        bool box = f.ArchiveTicked();
        for (const auto& [what, text] : steps) {
            if (what == 'm') f.OnMonthTextChanged(text);
            if (what == 'd') f.OnDayTextChanged(text);
            if (what == 'x') f.OnArchiveClicked(box = text == "1");
        }
        EXPECT_EQ(Archive(box, f), shown) << stored << " " << steps.size();
    }
}

TEST(Preferences, HoursThresholdIsShownWithTwoDecimalsAndKeepsWhatIsNotANumber) {
    PreferencesValues v;
    v.hoursThreshold = 10.0;
    PreferencesForm f(v);
    EXPECT_EQ(f.HoursText(), "10.00");
    // {typed, threshold afterwards}: 0 and negative numbers are taken unchanged.
    const std::pair<const char*, double> typed[] = {{"0", 0.0},    {"abc", 0.0},  {"-2.5", -2.5}, {"", -2.5},    {"7.25h", 7.25},
                                                    {"nan", 7.25}, {"inf", 7.25}, {" 3", 3.0},    {"1e1", 10.0}, {"-", 10.0}};
    for (const auto& [text, value] : typed) {
        f.OnHoursTextChanged(text);
        EXPECT_EQ(f.Values().hoursThreshold, value) << text;
    }
    for (const auto& [hours, text] : {std::pair<double, const char*>{0.5, "0.50"}, {123.456, "123.46"}}) {
        v.hoursThreshold = hours;
        EXPECT_EQ(PreferencesForm(v).HoursText(), text);
    }
}

TEST(Preferences, PeriodsOpenOnTheirButtonAndOkReturnsTheSelection) {
    // {stored graph, stored averaging, graph radio, averaging radio}: a period without a button
    // of its own opens on "This Week".
    const std::array<int, 4> cases[] = {{8, 1, 8, 1}, {4, 9, 4, 0}, {0, 8, 0, 8}, {9, -1, 0, 0}, {-3, 10, 0, 0}};
    for (const auto& [graph, averaging, graphRadio, averagingRadio] : cases) {
        PreferencesValues v;
        v.graphPeriod = graph;
        v.averagingPeriod = averaging;
        PreferencesForm f(v);
        EXPECT_EQ(std::make_pair(f.GraphRadio(), f.AveragingRadio()), std::make_pair(graphRadio, averagingRadio)) << graph << averaging;
        // OK without changes hands back the buttons' codes: averaging 9 becomes 0, graph 8 stays.
        const PreferencesValues& out = f.Accept(f.AveragingRadio(), f.GraphRadio(), true, false, false, false, false);
        EXPECT_EQ(std::make_pair(out.graphPeriod, out.averagingPeriod), std::make_pair(graphRadio, averagingRadio));
    }
    PreferencesForm none{PreferencesValues{}};
    const PreferencesValues& out = none.Accept(std::nullopt, std::nullopt, false, true, false, true, false);
    EXPECT_EQ(Format("%d %d %d%d%d%d%d", out.averagingPeriod, out.graphPeriod, out.metric, out.addToLists, out.autoUpdate,
                     out.monitorWeight, out.useLastWeight),
              "1 4 01010");
}

TEST(Preferences, UpDownStepsStayInTheirRange) {
    // {edit text, delta, low, high, result}
    const std::tuple<const char*, int, int, int, int> cases[] = {
        {"0", 1, 1, 12, 1},   {"", 1, 1, 12, 1},    {"5", 1, 1, 12, 6},   {"5", -1, 1, 12, 4},
        {"12", 1, 1, 12, 12}, {"1", -1, 1, 12, 1},  {"14", 1, 1, 12, 12}, {"14", -1, 1, 12, 12},
        {"31", 1, 1, 31, 31}, {"30", 1, 1, 31, 31}, {"x", -1, 1, 31, 1},  {"2147483647", 1, 1, 31, 31},
    };
    for (const auto& [text, delta, low, high, result] : cases) EXPECT_EQ(UpDownStep(text, delta, low, high), result) << text << delta;
}

TEST(Preferences, ShowPreferencesTakesEveryValueAndMarksTheSettingsChanged) {
    Settings settings;
    settings.m_nGraphPeriod = 2;
    settings.m_nAveragingPeriod = 3;
    settings.m_dMaxHours = 7.0;
    settings.m_bAutoFill = true;
    settings.m_bUseLastWeight = true;
    settings.m_strAutoArchive = "3 15";
    CKT2Doc doc;
    doc.m_bMetric = false;

    const PreferencesValues opened = PreferencesFromSettings(settings, doc.m_bMetric, 9);
    EXPECT_EQ(Format("%d %d %d %g %d%d%d%d%d %s", opened.metric, opened.graphPeriod, opened.averagingPeriod, opened.hoursThreshold,
                     opened.addToLists, opened.autoUpdate, opened.monitorWeight, opened.useLastWeight, opened.autoFill,
                     opened.autoArchive.c_str()),
              "0 2 9 7 00011 3 15");

    PreferencesForm f(opened);
    f.OnHoursTextChanged("0");
    f.OnAutoFillClicked(false);
    f.OnArchiveClicked(false);
    const PreferencesValues accepted = f.Accept(5, 8, true, true, true, true, false);
    const PreferencesEffects effects = ApplyPreferences(accepted, settings, doc);

    EXPECT_EQ(Format("%d %d %d %d", effects.averagingPeriod, effects.chartPeriod, effects.addToLists, effects.autoFill), "5 2 1 0");
    EXPECT_EQ(
        Format("metric %d, graph %d, averaging %d, hours %g, add %d/%d, update %d, monitor %d, last %d, fill %d, archive %s, changed %d",
               doc.m_bMetric, settings.m_nGraphPeriod, settings.m_nAveragingPeriod, settings.m_dMaxHours, settings.m_bAddToCombo,
               settings.m_bAddToListsNow, settings.m_bAutoUpdate, settings.m_bMonitorWeight, settings.m_bUseLastWeight,
               settings.m_bAutoFill, settings.m_strAutoArchive.c_str(), settings.m_bSettingsChanged),
        "metric 1, graph 8, averaging 5, hours 0, add 1/1, update 1, monitor 1, last 0, fill 0, archive 0 0, changed 1");

    // What was accepted is what the next start opens the dialog with.
    test::TempDir folder;
    MemorySettingsStore store;
    ASSERT_TRUE(SaveSettings(store, folder.path(), settings, doc));
    Settings next;
    CKT2Doc nextDoc;
    LoadSettings(store, folder.path(), next, nextDoc);
    EXPECT_EQ(PreferencesFromSettings(next, nextDoc.m_bMetric, next.m_nAveragingPeriod), accepted);
}

}  // namespace
}  // namespace kt
