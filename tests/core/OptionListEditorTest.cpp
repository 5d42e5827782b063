#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "core/activities/ActivityTable.h"
#include "core/activities/OptionListEditor.h"
#include "core/base/Format.h"
#include "core/entry/OptionLists.h"
#include "core/settings/Settings.h"

namespace kt {
namespace {

std::vector<std::string> Items(int n, const char* prefix = "D") {
    std::vector<std::string> items;
    for (int i = 0; i < n; ++i) items.push_back(Format("%s%d", prefix, i));
    return items;
}

// Runs a script of edits, one per blank-separated word: u3 d3 t3 b3 (move row 3 up, down, to
// top, to bottom), r3 (remove), +text (add), e3=text (edit row 3). Returns the selected rows.
std::string Edit(OptionListEditor& e, const std::string& script) {
    std::string selected;
    for (size_t i = 0; i < script.size();) {
        const size_t end = std::min(script.find(' ', i), script.size());
        const char op = script[i];
        const std::string arg = script.substr(i + 1, end - i - 1);
        i = end + 1;
        const int n = std::atoi(arg.c_str());
        std::optional<int> row;
        if (op == 'u') row = e.MoveUp(n);
        if (op == 'd') row = e.MoveDown(n);
        if (op == 't') row = e.MoveToTop(n);
        if (op == 'b') row = e.MoveToBottom(n);
        if (op == 'r' && e.Remove(n)) row = -1;
        if (op == '+') row = e.Add(arg);
        if (op == 'e' && e.Rename(n, arg.substr(arg.find('=') + 1)) == RenameResult::Renamed) row = -2;
        selected += row ? Format("%d ", *row) : std::string("- ");
    }
    return selected;
}

// The rows (highlighted ones marked *), the three counts and the changed flag in one line.
std::string Show(const OptionListEditor& e) {
    std::string out;
    for (int r = 0; r < e.Count(); ++r) out += (e.IsHighlighted(r) ? "*" : "") + e.Items()[static_cast<size_t>(r)] + "|";
    return out + Format(" %d/%d/%d%s", e.DeletedCount(), e.RepositionedCount(), e.AddedCount(), e.Changed() ? " changed" : "");
}

TEST(OptionListEditor, EditsMoveCountAndHighlightTheSelectedRow) {
    // {script, what each edit selects afterwards ("-": nothing happened), the list}
    const std::tuple<const char*, const char*, const char*> cases[] = {
        // Three Move Ups of one item are one repositioning, highlighted once.
        {"u3 u2 u1", "2 1 0 ", "*D3|D0|D1|D2|D4| 0/1/0 changed"},
        // Another item in between makes the next move of the first count again.
        {"u3 d0 u2", "2 1 1 ", "D1|*D3|*D0|D2|D4| 0/3/0 changed"},
        {"d1 d2 d3", "2 3 4 ", "D0|D2|D3|D4|*D1| 0/1/0 changed"},
        // The ends of the list and rows that do not exist change nothing.
        {"u0 d4 u5 d-1 t5 b-1 r5 r-1", "- - - - - - - - ", "D0|D1|D2|D3|D4| 0/0/0"},
        // To top and to bottom count every time, also for a row already there.
        {"t3 t0 b1", "0 0 4 ", "*D3|D1|D2|D4|*D0| 0/3/0 changed"},
        {"r1 r1", "-1 -1 ", "D0|D3|D4| 2/0/0 changed"},
        // A new item goes to the end, highlighted; a text already in the list is ignored.
        {"+New +D2 +New", "5 - - ", "D0|D1|D2|D3|D4|*New| 0/0/1 changed"},
        {"+ +", "5 - ", "D0|D1|D2|D3|D4|*| 0/0/1 changed"},
        {"+Tab\tand\nline", "5 ", "D0|D1|D2|D3|D4|*Tab and line| 0/0/1 changed"},
        // An edited text counts as renamed; empty or unchanged text keeps the item as it was.
        {"e2=Two e3= e4=D4 e9=X", "-2 - - - ", "D0|D1|Two|D3|D4| 0/1/0 changed"},
        // A highlight belongs to the text: a renamed item loses it, another with the text gets it.
        {"u2 e1=Fresh +D2", "1 -2 5 ", "D0|Fresh|D1|D3|D4|*D2| 0/2/1 changed"},
    };
    for (const auto& [script, selected, shown] : cases) {
        OptionListEditor e(OptionListMode::Descriptions, Items(5));
        const std::string selectedNow = Edit(e, script);
        EXPECT_EQ(selectedNow + "; " + Show(e), std::string(selected) + "; " + shown) << script;
    }
}

TEST(OptionListEditor, EditedTextsKeepAtMost255CharactersWithoutSplittingOne) {
    OptionListEditor e(OptionListMode::Locations, {"a", "b"});
    std::string accents;
    for (int i = 0; i < 256; ++i) accents += "\xC3\xA9";  // é, two bytes each
    EXPECT_TRUE(e.Rename(0, std::string(300, 'x')) == RenameResult::Renamed && e.Rename(1, accents) == RenameResult::Renamed);
    EXPECT_EQ(e.Items(), (std::vector<std::string>{std::string(255, 'x'), accents.substr(0, 510)}));
    EXPECT_EQ(TruncateCharacters(std::string("a\xC3\xA9") + "b", 2), "a\xC3\xA9");
    EXPECT_EQ(TruncateCharacters("abc", 3), "abc");
}

TEST(OptionListEditor, StatusLineCountsWithNounsVerbsAndColours) {
    const std::tuple<OptionListMode, const char*, const char*, Rgb> cases[] = {
        {OptionListMode::Descriptions,
         "r3 u6",
         "There are 9 Descriptions in the list. 1 Description has been deleted, 1 Description has been repositioned or renamed and 0 "
         "Descriptions have been added. Click an item twice to edit the item text.",
         {200, 0, 0}},
        {OptionListMode::Locations,
         "r3 r3 +x +y",
         "There are 10 Locations in the list. 2 Locations have been deleted, 0 Locations have been repositioned or renamed and 2 "
         "Locations have been added. Click an item twice to edit the item text.",
         {0, 128, 0}},
        {OptionListMode::Locations,
         "t4 +x",
         "There are 11 Locations in the list. 0 Locations have been deleted, 1 Location has been repositioned or renamed and 1 Location "
         "has been added. Click an item twice to edit the item text.",
         {0, 128, 0}},
        // Additions alone keep the plain line.
        {OptionListMode::Descriptions,
         "+x",
         "There are 11 Descriptions in the list. Click an item twice to edit the item text.",
         {0, 0, 128}},
        {OptionListMode::ActivityTypes, "", "There are 10 Activity Types in the exercise event type list", {0, 0, 128}},
    };
    for (const auto& [mode, script, text, colour] : cases) {
        OptionListEditor e = mode == OptionListMode::ActivityTypes
                                 ? OptionListEditor::ForActivityTypes(ActivityTable::Defaults(), {0, 1, 2, 3, 4, 5, 6, 7, 8, 9})
                                 : OptionListEditor(mode, Items(10));
        Edit(e, script);
        EXPECT_EQ(e.Status(), (OptionListStatus{text, colour})) << script;
    }
}

TEST(OptionListEditor, ActivityTypesTurnIntoPositionsAndNeverInventOne) {
    const ActivityTable& table = ActivityTable::Defaults();
    OptionListEditor e = OptionListEditor::ForActivityTypes(table, {0, 97, 248, 65535});
    ASSERT_EQ(e.Items(), (std::vector<std::string>{"Aerobics, general 0", "Golf, general 97", "Swimming butterfly 248", " 65535"}));
    EXPECT_EQ(e.MoveToTop(2), 0);
    EXPECT_EQ(e.ResultPositions(), (std::vector<uint16_t>{248, 0, 97, 65535}));

    // An edit must still end in a blank and a table position; otherwise the row keeps its text.
    const std::pair<const char*, RenameResult> edits[] = {
        {"Golf 310", RenameResult::NoPosition},      {"Golf", RenameResult::NoPosition},    {"Golf 9x", RenameResult::NoPosition},
        {"Golf 97 ", RenameResult::NoPosition},      {"Golf -5", RenameResult::NoPosition}, {"", RenameResult::Kept},
        {"Golf, general 98", RenameResult::Renamed}, {"9", RenameResult::NoPosition},
    };
    for (const auto& [text, result] : edits) EXPECT_EQ(e.Rename(2, text), result) << text;
    EXPECT_EQ(e.Items()[2], "Golf, general 98");
    EXPECT_EQ(e.ResultPositions(), (std::vector<uint16_t>{248, 0, 98, 65535}));
    EXPECT_TRUE(!e.Add("Hiking 120") && e.Remove(3));
    EXPECT_EQ(e.ResultPositions(), (std::vector<uint16_t>{248, 0, 98}));
    EXPECT_EQ(e.SwitchQuestion(), std::nullopt);

    const std::pair<const char*, int> positions[] = {{"Golf 0", 0}, {"a b 309", 309}, {"x 310", -1}, {"x 1 ", -1},
                                                     {"17", -1},    {"x +1", -1},     {"x 0098", 98}};
    for (const auto& [text, position] : positions) EXPECT_EQ(ActivityItemPosition(text).value_or(-1), position) << text;

    Settings settings;
    settings.m_arSelectedActivities = {1};
    ApplyActivityOrder(settings, e);
    EXPECT_EQ(settings.m_arSelectedActivities, (std::vector<uint16_t>{248, 0, 98}));
    ApplyActivityOrder(settings, OptionListEditor(OptionListMode::Locations, {}));
    EXPECT_EQ(settings.m_arSelectedActivities.size(), 3u);
}

TEST(OptionListEditor, ApplyAndSwitchBetweenDescriptionsAndLocations) {
    for (const bool save : {true, false}) {
        Settings settings;
        settings.m_arDescriptions = {"Easy", "Hard"};
        settings.m_arLocations = {"Park"};
        OptionListEditor e(OptionListMode::Descriptions, OptionListOf(settings, OptionListMode::Descriptions));
        e.Add("Tempo");
        EXPECT_EQ(e.SwitchQuestion(), "Changes have been made to the Description options. Do you wish to save those changes?");
        EXPECT_TRUE(!save || ApplyOptionList(settings, e));  // applied only when saved
        e.SwitchList(OptionListOf(settings, OptionListMode::Locations));
        EXPECT_EQ(settings.m_arDescriptions,
                  save ? std::vector<std::string>({"Easy", "Hard", "Tempo"}) : std::vector<std::string>({"Easy", "Hard"}));
        EXPECT_EQ(settings.m_bSettingsChanged, save);
        // The location list starts afresh: no counts, no highlights, nothing to ask about.
        EXPECT_TRUE(e.Mode() == OptionListMode::Locations && Show(e) == "Park| 0/0/0" && !e.SwitchQuestion());

        e.MoveToTop(0);
        EXPECT_EQ(e.SwitchQuestion(), "Changes have been made to the Location options. Do you wish to save those changes?");
        EXPECT_TRUE(ApplyOptionList(settings, e) && !e.Changed() && !e.SwitchQuestion());
        e.SwitchList(OptionListOf(settings, OptionListMode::Descriptions));
        EXPECT_TRUE(e.Mode() == OptionListMode::Descriptions && settings.m_bSettingsChanged);
    }
    Settings settings;
    OptionListEditor types = OptionListEditor::ForActivityTypes(ActivityTable::Defaults(), {3});
    EXPECT_FALSE(ApplyOptionList(settings, types));
    types.SwitchList({"x"});
    EXPECT_TRUE(types.Mode() == OptionListMode::ActivityTypes && !settings.m_bSettingsChanged);
}

}  // namespace
}  // namespace kt
