#include <gtest/gtest.h>

#include "core/activities/ActivityList.h"
#include "core/base/AtomicFile.h"
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

TEST(ActivityListTest, Load_MissingFileCreatesTheDefaultList) {
    TempDir dir;
    ActivityTable table;
    RecordingPrompter prompter;
    EXPECT_TRUE(LoadActivityList(table, dir.path(), prompter));
    EXPECT_TRUE(prompter.messages.empty());

    const std::string written = ReadAll(dir / "ActivityList.txt");
    EXPECT_EQ(written.rfind("Aerobics, general\t6.491900\r\n", 0), 0u);
    EXPECT_NE(written.find("\r\nUser Defined\t0.000000\r\nUser Defined\t0.000000\r\n"), std::string::npos);
    EXPECT_EQ(written, ReadAll(Golden("ActivityList.txt")));

    // Reading the created file back gives the same table, ellipsis names included.
    ActivityTable again;
    again.SetActivity(23, "changed", 1.0);
    EXPECT_TRUE(LoadActivityList(again, dir.path(), prompter));
    for (int i = 0; i < kActivityCount; ++i) {
        EXPECT_EQ(again.At(i).name, table.At(i).name) << i;
        EXPECT_DOUBLE_EQ(again.At(i).met, table.At(i).met) << i;
    }
}

TEST(ActivityListTest, Load_ShortAndMalformedFiles) {
    TempDir dir;
    RecordingPrompter prompter;

    // Three lines change positions 0..2 only; LF line ends are accepted.
    WriteAll(dir / "ActivityList.txt", "Spinning\t8.5\nRowing\t7\r\nYoga\t2.5\n");
    ActivityTable table;
    EXPECT_TRUE(LoadActivityList(table, dir.path(), prompter));
    EXPECT_EQ(table.At(0).name, "Spinning");
    EXPECT_DOUBLE_EQ(table.At(0).met, 8.5);
    EXPECT_EQ(table.At(1).name, "Rowing");
    EXPECT_DOUBLE_EQ(table.At(1).met, 7.0);
    EXPECT_EQ(table.At(2).name, "Yoga");
    EXPECT_EQ(table.At(3).name, "Aerobics, step aerobics");
    EXPECT_DOUBLE_EQ(table.At(3).met, 8.4916);
    EXPECT_EQ(table.At(309).name, "User Defined");

    // No TAB: empty name and the previous line's MET; unreadable MET: previous line's MET; the
    // first line has no previous line and gets 0.0.
    WriteAll(dir / "ActivityList.txt", "First\tabc\nA\t3.25\nno tab at all 9.9\nB\tx\nC\t\nD\t  4.5 kcal\n\nE\t1e1\n");
    ActivityTable t2;
    EXPECT_TRUE(LoadActivityList(t2, dir.path(), prompter));
    EXPECT_EQ(t2.At(0).name, "First");
    EXPECT_EQ(t2.At(0).met, 0.0);
    EXPECT_DOUBLE_EQ(t2.At(1).met, 3.25);
    EXPECT_EQ(t2.At(2).name, "");
    EXPECT_DOUBLE_EQ(t2.At(2).met, 3.25);
    EXPECT_EQ(t2.At(3).name, "B");
    EXPECT_DOUBLE_EQ(t2.At(3).met, 3.25);
    EXPECT_EQ(t2.At(4).name, "C");
    EXPECT_DOUBLE_EQ(t2.At(4).met, 3.25);
    EXPECT_EQ(t2.At(5).name, "D");
    EXPECT_DOUBLE_EQ(t2.At(5).met, 4.5);
    EXPECT_EQ(t2.At(6).name, "");  // an empty line
    EXPECT_DOUBLE_EQ(t2.At(6).met, 4.5);
    EXPECT_DOUBLE_EQ(t2.At(7).met, 10.0);
    // Only the first TAB splits: the rest belongs to the MET text.
    WriteAll(dir / "ActivityList.txt", "Name\t2.5\tjunk\n");
    EXPECT_TRUE(LoadActivityList(t2, dir.path(), prompter));
    EXPECT_EQ(t2.At(0).name, "Name");
    EXPECT_DOUBLE_EQ(t2.At(0).met, 2.5);

    // An empty file changes nothing and is not replaced.
    WriteAll(dir / "ActivityList.txt", "");
    ActivityTable t3;
    EXPECT_TRUE(LoadActivityList(t3, dir.path(), prompter));
    EXPECT_EQ(t3.At(0).name, "Aerobics, general");
    EXPECT_EQ(ReadAll(dir / "ActivityList.txt"), "");
    EXPECT_TRUE(prompter.messages.empty());
}

TEST(ActivityListTest, Load_LinesAfterThe310thAreIgnored) {
    TempDir dir;
    std::string content;
    for (int i = 0; i < 315; ++i) content += "Act " + std::to_string(i) + "\t" + std::to_string(i) + ".5\r\n";
    WriteAll(dir / "ActivityList.txt", content);
    ActivityTable table;
    RecordingPrompter prompter;
    EXPECT_TRUE(LoadActivityList(table, dir.path(), prompter));
    EXPECT_EQ(table.At(309).name, "Act 309");
    EXPECT_DOUBLE_EQ(table.At(309).met, 309.5);
    EXPECT_EQ(table.Find(310), nullptr);
}

TEST(ActivityListTest, Load_UnwritableFolderTellsTheUserAndKeepsTheDefaults) {
    TempDir dir;
    WriteAll(dir / "file", "x");
    ActivityTable table;
    RecordingPrompter prompter;
    EXPECT_FALSE(LoadActivityList(table, dir / "file" / "KT", prompter));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0], kUnableToSave);
    EXPECT_EQ(table.At(0).name, "Aerobics, general");

    // A missing folder is just as unwritable.
    RecordingPrompter p2;
    EXPECT_FALSE(LoadActivityList(table, dir / "missing", p2));
    EXPECT_EQ(p2.messages, std::vector<std::string>{kUnableToSave});

    // No data folder at all: the user has heard about it already; nothing lands in the current folder.
    RecordingPrompter p3;
    const auto old = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    const bool loaded = LoadActivityList(table, "", p3);
    std::filesystem::current_path(old);
    EXPECT_FALSE(loaded);
    EXPECT_TRUE(p3.messages.empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "ActivityList.txt"));
}

TEST(ActivityListTest, Load_AnExistingFileThatCannotBeReadIsNotOverwritten) {
    TempDir dir;
    // A folder where the file should be cannot be read as a file.
    std::filesystem::create_directory(dir / "ActivityList.txt");
    std::filesystem::create_directory(dir / "ActivityList.txt" / "keep");
    ActivityTable table;
    RecordingPrompter prompter;
    EXPECT_FALSE(LoadActivityList(table, dir.path(), prompter));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "ActivityList.txt" / "keep"));
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(table.At(0).name, "Aerobics, general");
}

TEST(ActivityListTest, Save_WritesAllEntriesAndClearsTheFlagOnlyOnSuccess) {
    TempDir dir;
    ActivityTable table;
    table.SetActivity(305, "Rowing machine", 7.25);
    table.SetActivity(306, "Tab\tand\r\nbreaks", 1.0);  // must not shift later positions
    Settings settings;
    settings.m_bActivityListChanged = true;
    RecordingPrompter prompter;

    EXPECT_TRUE(SaveActivityList(table, dir.path(), settings, prompter));
    EXPECT_FALSE(settings.m_bActivityListChanged);
    const std::string written = ReadAll(dir / "ActivityList.txt");
    EXPECT_NE(written.find("\r\nRowing machine\t7.250000\r\nTab and  breaks\t1.000000\r\nUser Defined\t0.000000\r\n"), std::string::npos);

    ActivityTable back;
    EXPECT_TRUE(LoadActivityList(back, dir.path(), prompter));
    EXPECT_EQ(back.At(305).name, "Rowing machine");
    EXPECT_EQ(back.At(307).name, "User Defined");
    EXPECT_EQ(back.At(304).name, "Wrestling");

    // A failed write leaves the old file whole, tells the user and keeps the flag.
    settings.m_bActivityListChanged = true;
    table.SetActivity(0, "Changed", 1.0);
    SetAtomicWriteFailureAfterBytesForTesting(100);
    EXPECT_FALSE(SaveActivityList(table, dir.path(), settings, prompter));
    SetAtomicWriteFailureAfterBytesForTesting(-1);
    EXPECT_TRUE(settings.m_bActivityListChanged);
    EXPECT_EQ(prompter.messages, std::vector<std::string>{kUnableToSave});
    EXPECT_EQ(ReadAll(dir / "ActivityList.txt"), written);
}

TEST(ActivityListTest, Html_MatchesTheExpectedFile) {
    TempDir dir;
    ActivityTable table;
    ASSERT_TRUE(ExportActivityListHtml(table, dir.path()));
    const std::string html = ReadAll(dir / "ActivityList.html");
    EXPECT_EQ(html, ReadAll(Golden("ActivityList.html")));

    const std::string start =
        "<html>\r\n<head>\r\n<style> .act {color:Red;}\r\n.met {color:Navy;}\r\n</style><title>Activity List</title>\r\n</head><body>"
        "<table border=\"1\" cellpadding=\"5\">\r\n<thead><tr><th>Activity</th><th>Metabolic Equivalent of Task (MET)</th></thead></tr>\r\n"
        "<tr>\r\n<td class=\"act\">Aerobics, general</td><td class=\"met\">6.492</td>\r\n</tr>\r\n";
    EXPECT_EQ(html.substr(0, start.size()), start);
    const std::string end = "<td class=\"act\">User Defined</td><td class=\"met\">0.000</td>\r\n</tr>\r\n</table>\r\n</body>\r\n</html>";
    ASSERT_GE(html.size(), end.size());
    EXPECT_EQ(html.substr(html.size() - end.size()), end);
}

TEST(ActivityListTest, Html_EscapesMarkupInNamesAndFailsSilently) {
    TempDir dir;
    ActivityTable table;
    table.SetActivity(0, "<b>Bold & \"loud\"</b>", 2.0);
    table.SetActivity(1, "Caf\xC3\xA9 walk", 1.0);
    const std::string html = ActivityListHtml(table);
    EXPECT_NE(html.find("<td class=\"act\">&lt;b&gt;Bold &amp; \"loud\"&lt;/b&gt;</td><td class=\"met\">2.000</td>"), std::string::npos);
    EXPECT_EQ(html.find("<b>"), std::string::npos);
    EXPECT_NE(html.find("<td class=\"act\">Caf\xE9 walk</td>"), std::string::npos);  // one byte per character
    EXPECT_NE(html.find("sit-ups&#8230;</td>"), std::string::npos);

    WriteAll(dir / "file", "x");
    EXPECT_FALSE(ExportActivityListHtml(table, dir / "file"));
}

TEST(ActivityListTest, Reset_PutsBackTheFourteenDefaultsWithoutRaisingFlags) {
    Settings settings;
    settings.m_arSelectedActivities = {5, 6, 309};
    ResetSelectedActivities(settings);
    EXPECT_EQ(settings.m_arSelectedActivities, DefaultSelectedActivities());
    EXPECT_EQ(settings.m_arSelectedActivities.size(), 14u);
    EXPECT_FALSE(settings.m_bSettingsChanged);
    EXPECT_FALSE(settings.m_bActivityListChanged);
}

}  // namespace
}  // namespace kt
