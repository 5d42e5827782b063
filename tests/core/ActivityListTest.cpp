#include <gtest/gtest.h>

#include "core/activities/ActivityList.h"
#include "core/base/AtomicFile.h"
#include "core/base/Format.h"
#include "support/TestSupport.h"

namespace kt {
namespace {

using test::ReadAll;
using test::RecordingPrompter;
using test::TempDir;
using test::TestDataDir;
using test::WriteAll;

const std::string kUnableToSave = "Unable to save activity list.";

std::filesystem::path Golden(const std::string& name) { return TestDataDir() / "activities" / name; }

std::string Entry(const ActivityTable& table, int position) {
    return Format("%s=%.10g", table.At(position).name.c_str(), table.At(position).met);
}

TEST(ActivityListTest, Load_MissingFileCreatesTheDefaultList) {
    TempDir dir;
    ActivityTable table;
    RecordingPrompter prompter;
    EXPECT_TRUE(LoadActivityList(table, dir.path(), prompter));
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(ReadAll(dir / "ActivityList.txt"), ReadAll(Golden("ActivityList.txt")));

    // Reading the created file back gives the same table, ellipsis names included.
    ActivityTable again;
    again.SetActivity(23, "changed", 1.0);
    EXPECT_TRUE(LoadActivityList(again, dir.path(), prompter));
    for (int i = 0; i < kActivityCount; ++i) EXPECT_EQ(Entry(again, i), Entry(table, i));
}

TEST(ActivityListTest, Load_ShortLongAndMalformedFiles) {
    struct Case {
        std::string content;
        std::vector<std::string> entries;  // the first positions; all others keep their defaults
    };
    // Lines after the 310th are ignored.
    Case many;
    for (int i = 0; i < 315; ++i) {
        many.content += Format("Act %d\t%d.5\r\n", i, i);
        if (i < kActivityCount) many.entries.push_back(Format("Act %d=%d.5", i, i));
    }
    const Case cases[] = {
        // LF line ends are accepted too.
        {"Spinning\t8.5\nRowing\t7\r\nYoga\t2.5\n", {"Spinning=8.5", "Rowing=7", "Yoga=2.5"}},
        // No TAB: an empty name and the previous line's MET; an unreadable MET: the previous line's
        // MET, and the first line has no previous line: 0.
        {"First\tabc\nA\t3.25\nno tab at all 9.9\nB\tx\nC\t\nD\t  4.5 kcal\n\nE\t1e1\n",
         {"First=0", "A=3.25", "=3.25", "B=3.25", "C=3.25", "D=4.5", "=4.5", "E=10"}},
        {"Name\t2.5\tjunk\n", {"Name=2.5"}},  // only the first TAB splits
        {"", {}},                             // an empty file changes nothing
        many,
    };

    TempDir dir;
    RecordingPrompter prompter;
    const ActivityTable defaults;
    for (const Case& c : cases) {
        WriteAll(dir / "ActivityList.txt", c.content);
        ActivityTable table;
        EXPECT_TRUE(LoadActivityList(table, dir.path(), prompter));
        ASSERT_EQ(table.Entries().size(), defaults.Entries().size());
        for (int i = 0; i < kActivityCount; ++i) {
            const size_t n = static_cast<size_t>(i);
            EXPECT_EQ(Entry(table, i), n < c.entries.size() ? c.entries[n] : Entry(defaults, i)) << c.content.substr(0, 20) << " @" << i;
        }
        EXPECT_EQ(ReadAll(dir / "ActivityList.txt"), c.content);  // read, never replaced
    }
    EXPECT_TRUE(prompter.messages.empty());
}

TEST(ActivityListTest, Load_WhereTheFileCannotBeReadOrCreatedTheDefaultsStay) {
    TempDir dir;
    WriteAll(dir / "file", "x");
    std::filesystem::create_directories(dir / "taken" / "ActivityList.txt" / "keep");  // no file to read
    std::filesystem::create_directory(dir / "cwd");
    const auto old = std::filesystem::current_path();
    std::filesystem::current_path(dir / "cwd");
    // An unwritable or missing folder tells the user. Without a data folder at all the user has
    // heard about it already, and an existing path that is no file is neither read nor replaced.
    const std::pair<std::filesystem::path, bool> cases[] = {
        {dir / "file" / "KT", true}, {dir / "missing", true}, {"", false}, {dir / "taken", false}};
    for (const auto& [folder, told] : cases) {
        ActivityTable table;
        RecordingPrompter prompter;
        EXPECT_FALSE(LoadActivityList(table, folder, prompter)) << folder;
        EXPECT_EQ(prompter.messages, told ? std::vector<std::string>{kUnableToSave} : std::vector<std::string>{}) << folder;
        EXPECT_EQ(Entry(table, 0), Entry(ActivityTable::Defaults(), 0));
    }
    std::filesystem::current_path(old);
    EXPECT_TRUE(std::filesystem::is_empty(dir / "cwd"));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "taken" / "ActivityList.txt" / "keep"));
}

TEST(ActivityListTest, Save_WritesAllEntriesAndReportsAFailedWrite) {
    TempDir dir;
    ActivityTable table;
    table.SetActivity(305, "Rowing machine", 7.25);
    table.SetActivity(306, "Tab\tand\r\nbreaks", 1.0);  // must not shift later positions
    RecordingPrompter prompter;

    EXPECT_TRUE(SaveActivityList(table, dir.path(), prompter));
    std::string expected = ReadAll(Golden("ActivityList.txt"));
    const std::string twoUserDefined = "User Defined\t0.000000\r\nUser Defined\t0.000000\r\n";
    expected.replace(expected.find(twoUserDefined), twoUserDefined.size(), "Rowing machine\t7.250000\r\nTab and  breaks\t1.000000\r\n");
    EXPECT_EQ(ReadAll(dir / "ActivityList.txt"), expected);

    // A failed write leaves the old file whole and tells the user.
    table.SetActivity(0, "Changed", 1.0);
    SetAtomicWriteFailureAfterBytesForTesting(100);
    EXPECT_FALSE(SaveActivityList(table, dir.path(), prompter));
    SetAtomicWriteFailureAfterBytesForTesting(-1);
    EXPECT_EQ(prompter.messages, std::vector<std::string>{kUnableToSave});
    EXPECT_EQ(ReadAll(dir / "ActivityList.txt"), expected);
}

TEST(ActivityListTest, Html_MatchesTheExpectedFileEscapesMarkupAndFailsSilently) {
    TempDir dir;
    ActivityTable table;
    ASSERT_TRUE(ExportActivityListHtml(table, dir.path()));
    EXPECT_EQ(ReadAll(dir / "ActivityList.html"), ReadAll(Golden("ActivityList.html")));

    table.SetActivity(0, "<b>Bold & \"loud\"</b>", 2.0);
    table.SetActivity(1, "Caf\xC3\xA9 walk", 1.0);
    const std::string html = ActivityListHtml(table);
    EXPECT_NE(html.find("<td class=\"act\">&lt;b&gt;Bold &amp; \"loud\"&lt;/b&gt;</td><td class=\"met\">2.000</td>"), std::string::npos);
    EXPECT_EQ(html.find("<b>"), std::string::npos);
    EXPECT_NE(html.find("<td class=\"act\">Caf\xE9 walk</td>"), std::string::npos);  // one byte per character

    WriteAll(dir / "file", "x");
    EXPECT_FALSE(ExportActivityListHtml(table, dir / "file"));
}

}  // namespace
}  // namespace kt
