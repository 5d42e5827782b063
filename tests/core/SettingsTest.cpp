#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <cmath>
#include <limits>

#include "core/activities/ActivityTable.h"
#include "core/base/AtomicFile.h"
#include "core/base/Format.h"
#include "core/settings/FileSettingsStore.h"
#include "core/settings/MemorySettingsStore.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsKey.h"
#include "core/settings/SettingsPersistence.h"
#include "core/settings/WindowState.h"
#include "support/TestSupport.h"

namespace kt {
namespace {

using test::ReadAll;
using test::TempDir;
using test::TestDataDir;
using test::WriteAll;

const std::string kKey = "Software\\Kinetrax";

std::filesystem::path Golden(const std::string& name) { return TestDataDir() / "settings" / name; }

struct Loaded {
    Settings settings;
    CKT2Doc doc;
};
Loaded Load(SettingsStore& store, const std::filesystem::path& folder) {
    Loaded l;
    LoadSettings(store, folder, l.settings, l.doc);
    return l;
}

// Reads a Kinetrax2.cfg with these bytes, the store being empty.
Loaded LoadCfg(const TempDir& dir, const std::string& bytes) {
    WriteAll(dir / "Kinetrax2.cfg", bytes);
    MemorySettingsStore store;
    return Load(store, dir.path());
}

// Every loaded value on one line, so that one comparison covers all of them.
std::string Summary(const Loaded& l) {
    const Settings& s = l.settings;
    std::string selected, descriptions, locations;
    for (uint16_t p : s.m_arSelectedActivities) selected += Format("%d,", p);
    for (const std::string& d : s.m_arDescriptions) descriptions += d + "|";
    for (const std::string& d : s.m_arLocations) locations += d + "|";
    return Format("%d %d %g %g %g m%d %g/%g f%d%d%d%d%d [%s] sel:%s d:%s l:%s ch%d", s.m_nGraphPeriod, s.m_nAveragingPeriod, s.m_dMaxWeight,
                  s.m_dMinWeight, s.m_dMaxHours, l.doc.m_bMetric, s.m_dLastWeight, l.doc.m_dLastWeight, s.m_bAddToCombo, s.m_bAutoUpdate,
                  s.m_bMonitorWeight, s.m_bUseLastWeight, s.m_bAutoFill, s.m_strAutoArchive.c_str(), selected.c_str(), descriptions.c_str(),
                  locations.c_str(), s.m_bSettingsChanged);
}

const std::string kDefaultSelection = "0,51,60,86,97,106,109,127,132,152,191,248,281,299,";

TEST(SettingsTest, Load_FromTheStoreWithItsDefaultsAndStoredValuesUnchecked) {
    TempDir dir;
    MemorySettingsStore store;
    CSettingsKey key(store);
    ASSERT_TRUE(key.Open(kKey, true));
    EXPECT_EQ(Summary(Load(store, dir.path())), "1 1 100 10 10 m1 68/68 f11011 [0 0] sel:0, d: l: ch0");
    key.WriteInt("Metric", 0);  // pounds: the last weight defaults to 150
    EXPECT_EQ(Summary(Load(store, dir.path())), "1 1 100 10 10 m0 150/150 f11011 [0 0] sel:0, d: l: ch0");

    // Values outside the toolbar's ranges are kept (the range check is only for cfg files), and any
    // non-zero integer is true.
    key.WriteInt("Metric", -3);
    key.WriteInt("GraphPeriod", 12);
    key.WriteInt("AveragingPeriod", 9);
    key.WriteDouble("MaxHours", 60.0);
    key.WriteDouble("LastWeight", 81.5);
    key.WriteInt("MonitorWeight", 1);
    key.WriteInt("AutoFill", 0);
    key.WriteString("AutoArchive", "3 15");
    key.WriteString("Events", "5\tx\t7\n");
    EXPECT_EQ(Summary(Load(store, dir.path())), "12 9 100 10 60 m1 81.5/81.5 f11110 [3 15] sel:5,5,7, d: l: ch0");
    key.WriteDouble("MaxHours", 0.0);
    EXPECT_EQ(Load(store, dir.path()).settings.m_dMaxHours, 0.0);
}

TEST(SettingsTest, SelectedActivitiesText_EncodeAndDecode) {
    EXPECT_EQ(EncodeSelectedActivities({0, 51, 65535}) + "|" + EncodeSelectedActivities({}), "0\t51\t65535\n|");

    // Numbers that no 16-bit position can hold must not wrap onto a real activity.
    const std::pair<const char*, std::vector<uint16_t>> decoded[] = {
        {"", {0}}, {"x\t3", {0, 3}}, {"4\t\t", {4, 4, 4}}, {" 12abc\t+8", {12, 8}}, {"70000\t-1\t65535\tz", {65535, 65535, 65535, 65535}}};
    for (const auto& [text, positions] : decoded) EXPECT_EQ(DecodeSelectedActivities(text), positions) << text;
    EXPECT_EQ(DecodeSelectedActivities(EncodeSelectedActivities(DefaultSelectedActivities())), DefaultSelectedActivities());

    // A reset puts back the defaults without raising the flags.
    Settings settings;
    settings.m_arSelectedActivities = {5, 6, 309};
    ResetSelectedActivities(settings);
    EXPECT_EQ(settings.m_arSelectedActivities, DefaultSelectedActivities());
    EXPECT_FALSE(settings.m_bSettingsChanged || settings.m_bActivityListChanged);
}

TEST(SettingsTest, FirstRun_UsesFirstRunValuesAndCreatesTheStoreAtExit) {
    TempDir dir;
    const auto regFile = dir / "config" / "Kinetrax" / "Kinetrax.reg";
    FileSettingsStore store(regFile);
    Loaded l = Load(store, dir.path());
    EXPECT_EQ(Summary(l), "4 0 100 10 7 m0 0/0 f00000 [0 0] sel:" + kDefaultSelection + " d: l: ch1");
    EXPECT_FALSE(std::filesystem::exists(regFile));  // loading writes nothing

    // Creating the key, all values at once, the user data file: three writes, not one per value.
    const long long writes = CompletedAtomicWritesForTesting();
    ASSERT_TRUE(SaveSettings(store, dir.path(), l.settings, l.doc));
    EXPECT_TRUE(CompletedAtomicWritesForTesting() - writes == 3 && !l.settings.m_bSettingsChanged);
    EXPECT_EQ(ReadAll(regFile), ReadAll(Golden("FirstRunExit.reg")));
    EXPECT_EQ(ReadAll(dir / "KTUserData.cfg"), "\r\n\r\n");
    // The next start reads the same values back; a later save writes the store and the user data file.
    EXPECT_EQ(Summary(Load(store, dir.path())), Summary(l));
    l.settings.m_nGraphPeriod = 2;
    l.settings.m_dMaxHours = 3.0;
    const long long again = CompletedAtomicWritesForTesting();
    ASSERT_TRUE(SaveSettings(store, dir.path(), l.settings, l.doc));
    EXPECT_EQ(CompletedAtomicWritesForTesting() - again, 2);
    EXPECT_EQ(Summary(Load(store, dir.path())).substr(0, 10), "2 0 100 10");

    // A save whose store write fails changes no stored value at all.
    l.settings.m_nGraphPeriod = 6;
    l.settings.m_bSettingsChanged = true;
    SetAtomicWriteFailureAfterBytesForTesting(20);
    EXPECT_FALSE(SaveSettings(store, dir.path(), l.settings, l.doc));
    SetAtomicWriteFailureAfterBytesForTesting(-1);
    EXPECT_TRUE(l.settings.m_bSettingsChanged);
    EXPECT_EQ(Summary(Load(store, dir.path())).substr(0, 10), "2 0 100 10");
}

TEST(SettingsTest, UnreadableUserDataFileIsNeitherUsedNorReplaced) {
    TempDir dir;
    MemorySettingsStore store;
    ASSERT_TRUE(store.OpenKey(kKey, true));
    std::filesystem::create_directory(dir / "KTUserData.cfg");  // unreadable for anyone, root too
    Loaded l = Load(store, dir.path());
    EXPECT_TRUE(l.settings.m_bUserDataUnreadable);
    l.settings.m_arDescriptions = {"typed this run"};
    EXPECT_FALSE(SaveSettings(store, dir.path(), l.settings, l.doc));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "KTUserData.cfg"));
    std::filesystem::remove(dir / "KTUserData.cfg");
    EXPECT_FALSE(Load(store, dir.path()).settings.m_bUserDataUnreadable);  // a missing file is no such case
}

TEST(SettingsTest, Migration_ReadsBothCfgFormsAndLeavesThemInPlace) {
    // The newer form wins when both exist. The old form's line 2 is ignored, its unit is the second
    // of the three numbers, and the flags it lacks keep their first-run values. A cfg file holds
    // neither a last weight nor an archive date.
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"Kinetrax2.cfg", "Kinetrax.cfg"},
         "2 5 120.5 45 3.5 m1 0/0 f10110 [0 0] sel:0,248,299, d:Morning run|Evening \xC3\xA9quipe| l:Park||Gym| ch1"},
        {{"Kinetrax.cfg"}, "7 1 90 40 2 m1 0/0 f00000 [0 0] sel:60,97, d:Lunch walk| l: ch1"}};
    for (const auto& [files, expected] : cases) {
        TempDir dir;
        for (const std::string& f : files) WriteAll(dir / f, ReadAll(Golden(f)));
        MemorySettingsStore store;
        EXPECT_EQ(Summary(Load(store, dir.path())), expected);
        EXPECT_EQ(store.writeCount, 0);
        for (const std::string& f : files) EXPECT_EQ(ReadAll(dir / f), ReadAll(Golden(f))) << f;
    }

    TempDir dir;
    WriteAll(dir / "Kinetrax.cfg", "1\r\n2\r\n100.0\r\n10.0\t7.00\r\n1\t0\t1\r\n");
    MemorySettingsStore store;
    EXPECT_EQ(Summary(Load(store, dir.path())), "1 1 100 10 7 m0 0/0 f00000 [0 0] sel: d: l: ch1");
}

TEST(SettingsTest, Migration_CfgFieldsThatCannotBeReadKeepTheirValues) {
    TempDir dir;
    // Out of range (0 or less, more than 50) gives 10.0; 50 is accepted.
    const std::pair<const char*, double> cases[] = {{"10.0\t0.00", 10.0},  {"10.0\t-2.00", 10.0}, {"10.0\t50.00", 50.0},
                                                    {"10.0\t50.01", 10.0}, {"10.0\t0.01", 0.01},  {"10.0\tnan", 10.0},
                                                    {"10.0", 7.0},         {"x\t3", 7.0}};
    for (const auto& [line4, hours] : cases)
        EXPECT_EQ(LoadCfg(dir, std::string("1\r\n2\r\n100.0\r\n") + line4 + "\r\n").settings.m_dMaxHours, hours) << line4;

    // Missing lines and unreadable fields keep the first-run values (line 5 stops at "q"); an empty
    // line 6 is a list of its own; an empty file is read rather than taken for a first run.
    EXPECT_EQ(Summary(LoadCfg(dir, "abc\n\n\n\n1\t1\tq\t1\n")), "0 0 100 10 7 m1 0/0 f10000 [0 0] sel: d: l: ch1");
    EXPECT_EQ(Summary(LoadCfg(dir, "1\n2\n100.0\n10.0\t7.00\n0\t1\t0\t1\t0\t1\n\n\n\n")),
              "1 2 100 10 7 m0 0/0 f10101 [0 0] sel:0, d: l: ch1");
    EXPECT_EQ(Summary(LoadCfg(dir, "")), "0 0 100 10 7 m0 0/0 f00000 [0 0] sel: d: l: ch1");
}

// A save ends with the store: a kill between the two files leaves the lists new and the store old,
// never a store that claims a save whose lists are missing. The renames tell the order.
TEST(SettingsTest, Save_WritesTheOptionListsBeforeTheStore) {
    TempDir dir;
    FileSettingsStore store(dir / "settings.ini");
    Settings s;
    CKT2Doc doc;
    s.m_arLocations = {"Park"};
    ASSERT_TRUE(SaveSettings(store, dir.path(), s, doc));  // the first save also creates the key
    s.m_arLocations = {"Park", "Pool"};
    s.m_nAveragingPeriod = 3;
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, dir.path().c_str(), IN_MOVED_TO), 0);
    ASSERT_TRUE(SaveSettings(store, dir.path(), s, doc));
    alignas(inotify_event) char buffer[4096];
    std::vector<std::string> renamed;
    for (ssize_t n; (n = ::read(watch, buffer, sizeof buffer)) > 0;) {
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            renamed.emplace_back(event->name);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    ::close(watch);
    EXPECT_EQ(renamed, (std::vector<std::string>{"KTUserData.cfg", "settings.ini"}));
}

TEST(SettingsTest, Save_ToTheStoreAndTheUserDataFile) {
    TempDir dir;
    MemorySettingsStore store;
    Settings s;
    CKT2Doc doc;
    s.m_dMaxWeight = 100.1;
    s.m_dMinWeight = 45.3;
    s.m_dMaxHours = 2.1;
    s.m_dLastWeight = 80.3;
    s.m_arSelectedActivities = {1, 2};
    s.m_arLocations = {"Park", "", "Gym \xC3\xA9t\xC3\xA9"};
    ASSERT_TRUE(SaveSettings(store, dir.path(), s, doc));
    EXPECT_EQ(ReadAll(dir / "KTUserData.cfg"), "\r\nPark\t\tGym \xE9t\xE9\r\n");  // the empty first line is kept
    Loaded l = Load(store, dir.path());
    EXPECT_EQ(Summary(l), "0 0 100.1 45.3 2.1 m0 80.3/80.3 f00000 [0 0] sel:1,2, d: l:Park||Gym \xC3\xA9t\xC3\xA9| ch0");
    // The weight limits are rounded to single precision; other reals are stored unchanged.
    EXPECT_TRUE(l.settings.m_dMaxWeight == static_cast<double>(100.1f) && l.settings.m_dMinWeight == static_cast<double>(45.3f));
    EXPECT_TRUE(l.settings.m_dMaxHours == 2.1 && l.settings.m_dLastWeight == 80.3);
    EXPECT_EQ(ToSinglePrecision(-1e300), -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(ToSinglePrecision(std::nan(""))));

    // An empty selection is not written: the stored one stays. A tab or line end inside a list
    // item cannot split it or move the next list.
    s.m_arSelectedActivities.clear();
    s.m_arDescriptions = {"a\tb", "c\r\nd"};
    ASSERT_TRUE(SaveSettings(store, dir.path(), s, doc));
    EXPECT_FALSE(SaveSelectedActivities(store, s));
    EXPECT_EQ(Summary(Load(store, dir.path())),
              "0 0 100.1 45.3 2.1 m0 80.3/80.3 f00000 [0 0] sel:1,2, d:a b|c  d| l:Park||Gym \xC3\xA9t\xC3\xA9| ch0");

    // A long selection (far beyond 255 characters of text) is written alone and read back whole.
    for (int i = 0; i < 300; ++i) s.m_arSelectedActivities.push_back(static_cast<uint16_t>(i));
    s.m_bSettingsChanged = s.m_bActivityListChanged = true;
    const int before = store.writeCount;
    ASSERT_TRUE(SaveSelectedActivities(store, s));
    EXPECT_TRUE(store.writeCount == before + 1 && s.m_bSettingsChanged && s.m_bActivityListChanged);  // flags untouched
    EXPECT_EQ(Load(store, dir.path()).settings.m_arSelectedActivities, s.m_arSelectedActivities);
    MemorySettingsStore fresh;  // the key is created when the store has none yet
    ASSERT_TRUE(SaveSelectedActivities(fresh, s));
    EXPECT_TRUE(fresh.OpenKey(kKey, false));

    // A missing user data file leaves the lists empty without complaint.
    std::filesystem::remove(dir / "KTUserData.cfg");
    l = Load(store, dir.path());
    EXPECT_TRUE(l.settings.m_arDescriptions.empty() && l.settings.m_arLocations.empty());
    EXPECT_FALSE(SaveUserData(dir / "missing", s));
}

TEST(SettingsTest, Save_FallsBackToTheCfgFileWhenTheStoreCannotBeCreated) {
    TempDir dir;
    WriteAll(dir / "blocker", "x");
    FileSettingsStore store(dir / "blocker" / "Kinetrax" / "Kinetrax.reg");
    WriteAll(dir / "Kinetrax2.cfg", ReadAll(Golden("Kinetrax2.cfg")));
    Loaded l = Load(store, dir.path());
    std::filesystem::remove(dir / "Kinetrax2.cfg");
    ASSERT_TRUE(SaveSettings(store, dir.path(), l.settings, l.doc) && !l.settings.m_bSettingsChanged);
    EXPECT_EQ(ReadAll(dir / "Kinetrax2.cfg"), ReadAll(Golden("Kinetrax2.cfg")));
    EXPECT_FALSE(std::filesystem::exists(dir / "KTUserData.cfg"));  // the lists are in the cfg file

    // An empty selection is an empty line 6; the flags are written in their own order.
    l.settings.m_arSelectedActivities.clear();
    l.settings.m_bAddToCombo = l.settings.m_bMonitorWeight = false;
    l.settings.m_bAutoUpdate = true;
    ASSERT_TRUE(SaveSettings(store, dir.path(), l.settings, l.doc));
    EXPECT_NE(ReadAll(dir / "Kinetrax2.cfg").find("\r\n1\t0\t1\t0\t1\t0\r\n\r\nMorning"), std::string::npos);

    // Nowhere to write at all: nothing is reported, and the flag stays set for a later try.
    l.settings.m_bSettingsChanged = true;
    EXPECT_TRUE(!SaveSettings(store, dir / "blocker", l.settings, l.doc) && l.settings.m_bSettingsChanged);

    // A store key that exists but takes no writes: no cfg fallback either, and the flag stays.
    MemorySettingsStore failing;
    ASSERT_TRUE(failing.OpenKey(kKey, true));
    failing.failWrites = true;
    std::filesystem::remove(dir / "Kinetrax2.cfg");
    EXPECT_TRUE(!SaveSettings(failing, dir.path(), l.settings, l.doc) && l.settings.m_bSettingsChanged);
    EXPECT_FALSE(std::filesystem::exists(dir / "Kinetrax2.cfg"));
}

TEST(SettingsTest, WindowState_IsRememberedOnlyInAnExistingKeyAndUnusableValuesReadAsNone) {
    MemorySettingsStore store;
    WindowState state;
    state.geometry = WindowRect{-20, 40, 1100, 700};
    state.maximized = true;
    state.editorPaneHeight = 333;
    state.averagingPeriod = 9;
    state.showWeight = false;
    // No settings key yet: nothing is created, so a cfg file would still be migrated at the next start.
    EXPECT_FALSE(SaveWindowState(store, state) || store.OpenKey(kKey, false));
    EXPECT_EQ(LoadWindowState(store), WindowState{});

    ASSERT_TRUE(store.OpenKey(kKey, true));
    ASSERT_TRUE(SaveWindowState(store, state));
    EXPECT_EQ(LoadWindowState(store), state);
    CSettingsKey key(store);
    ASSERT_TRUE(key.Open(kKey, false));
    std::string values;
    for (const char* name : {"WindowLeft", "WindowTop", "WindowWidth", "WindowHeight", "WindowMaximized", "EditorPaneHeight",
                             "LastAveragingPeriod", "ShowWeightGraph"})
        values += Format("%d ", key.ReadInt(name, 999));
    EXPECT_EQ(values, "-20 40 1100 700 1 333 9 0 ");

    // Values a hand could have written: no size, a period beyond the list, a negative pane.
    for (const auto& [name, value] : std::vector<std::pair<const char*, int>>{
             {"WindowWidth", 0}, {"LastAveragingPeriod", 10}, {"EditorPaneHeight", -5}, {"ShowWeightGraph", 7}})
        key.WriteInt(name, value);
    const WindowState read = LoadWindowState(store);
    EXPECT_TRUE(!read.geometry && !read.averagingPeriod && read.editorPaneHeight == 0 && read.maximized);
    EXPECT_EQ(read.showWeight, std::optional<bool>(true));
    key.WriteInt("LastAveragingPeriod", -1);
    EXPECT_FALSE(LoadWindowState(store).averagingPeriod.has_value());
}

}  // namespace
}  // namespace kt
