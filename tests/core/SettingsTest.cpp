#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/activities/ActivityTable.h"
#include "core/base/Format.h"
#include "core/settings/FileSettingsStore.h"
#include "core/settings/MemorySettingsStore.h"
#include "core/settings/SettingsKey.h"
#include "core/settings/SettingsPersistence.h"
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

TEST(SettingsTest, Load_EmptyKeyGivesTheDefaults) {
    TempDir dir;
    MemorySettingsStore store;
    ASSERT_TRUE(store.OpenKey(kKey, true));
    Loaded l = Load(store, dir.path());
    const Settings& s = l.settings;
    EXPECT_EQ(s.m_nGraphPeriod, 1);
    EXPECT_EQ(s.m_nAveragingPeriod, 1);
    EXPECT_EQ(s.m_dMaxWeight, 100.0);
    EXPECT_EQ(s.m_dMinWeight, 10.0);
    EXPECT_EQ(s.m_dMaxHours, 10.0);
    EXPECT_TRUE(l.doc.m_bMetric);
    EXPECT_EQ(s.m_dLastWeight, 68.0);
    EXPECT_EQ(l.doc.m_dLastWeight, 68.0);
    EXPECT_TRUE(s.m_bAddToCombo);
    EXPECT_TRUE(s.m_bAutoUpdate);
    EXPECT_FALSE(s.m_bMonitorWeight);
    EXPECT_TRUE(s.m_bUseLastWeight);
    EXPECT_TRUE(s.m_bAutoFill);
    EXPECT_EQ(s.m_strAutoArchive, "0 0");
    EXPECT_EQ(s.m_arSelectedActivities, std::vector<uint16_t>{0});
    EXPECT_TRUE(s.m_arDescriptions.empty());
    EXPECT_TRUE(s.m_arLocations.empty());
    EXPECT_FALSE(s.m_bSettingsChanged);  // read from the store: nothing to write back

    // With pounds stored, the last weight defaults to 150.
    CSettingsKey key(store);
    ASSERT_TRUE(key.Open(kKey, false));
    key.WriteInt("Metric", 0);
    Loaded pounds = Load(store, dir.path());
    EXPECT_FALSE(pounds.doc.m_bMetric);
    EXPECT_EQ(pounds.settings.m_dLastWeight, 150.0);
    key.WriteInt("Metric", -3);  // any non-zero integer is true
    EXPECT_TRUE(Load(store, dir.path()).doc.m_bMetric);
}

TEST(SettingsTest, Load_StoredValuesAreUsedUnchecked) {
    TempDir dir;
    MemorySettingsStore store;
    CSettingsKey key(store);
    ASSERT_TRUE(key.Open(kKey, true));
    key.WriteInt("GraphPeriod", 12);  // outside 0..8: kept, the toolbar then selects nothing
    key.WriteInt("AveragingPeriod", 9);
    key.WriteDouble("MaxHours", 60.0);  // the range check is only for cfg files
    key.WriteDouble("LastWeight", 81.5);
    key.WriteInt("MonitorWeight", 1);
    key.WriteInt("AutoFill", 0);
    key.WriteString("AutoArchive", "3 15");
    key.WriteString("Events", "5\tx\t7\n");
    Loaded l = Load(store, dir.path());
    EXPECT_EQ(l.settings.m_nGraphPeriod, 12);
    EXPECT_EQ(l.settings.m_nAveragingPeriod, 9);
    EXPECT_EQ(l.settings.m_dMaxHours, 60.0);
    EXPECT_EQ(l.settings.m_dLastWeight, 81.5);
    EXPECT_EQ(l.doc.m_dLastWeight, 81.5);
    EXPECT_TRUE(l.settings.m_bMonitorWeight);
    EXPECT_FALSE(l.settings.m_bAutoFill);
    EXPECT_EQ(l.settings.m_strAutoArchive, "3 15");
    EXPECT_EQ(l.settings.m_arSelectedActivities, (std::vector<uint16_t>{5, 5, 7}));

    key.WriteDouble("MaxHours", 0.0);
    EXPECT_EQ(Load(store, dir.path()).settings.m_dMaxHours, 0.0);
}

TEST(SettingsTest, SelectedActivitiesText_EncodeAndDecode) {
    EXPECT_EQ(EncodeSelectedActivities({0, 51, 60}), "0\t51\t60\n");
    EXPECT_EQ(EncodeSelectedActivities({299}), "299\n");
    EXPECT_EQ(EncodeSelectedActivities({}), "");
    EXPECT_EQ(EncodeSelectedActivities({65535}), "65535\n");

    using V = std::vector<uint16_t>;
    EXPECT_EQ(DecodeSelectedActivities(""), V{0});
    EXPECT_EQ(DecodeSelectedActivities("5\tx\t7\n"), (V{5, 5, 7}));
    EXPECT_EQ(DecodeSelectedActivities("x\t3"), (V{0, 3}));
    EXPECT_EQ(DecodeSelectedActivities("4\t\t"), (V{4, 4, 4}));
    EXPECT_EQ(DecodeSelectedActivities(" 12abc\t+8"), (V{12, 8}));
    // Numbers that no 16-bit position can hold must not wrap onto a real activity.
    EXPECT_EQ(DecodeSelectedActivities("70000\t-1\t65535\tz"), (V{65535, 65535, 65535, 65535}));
    EXPECT_EQ(DecodeSelectedActivities(EncodeSelectedActivities(DefaultSelectedActivities())), DefaultSelectedActivities());
}

TEST(SettingsTest, FirstRun_UsesFirstRunValuesAndCreatesTheStoreAtExit) {
    TempDir dir;
    const auto regFile = dir / "config" / "Kinetrax" / "Kinetrax.reg";
    FileSettingsStore store(regFile);
    Loaded l = Load(store, dir.path());
    const Settings& s = l.settings;
    EXPECT_EQ(s.m_nGraphPeriod, 4);
    EXPECT_EQ(s.m_nAveragingPeriod, 0);
    EXPECT_EQ(s.m_dMaxHours, 7.0);
    EXPECT_FALSE(s.m_bAddToCombo || s.m_bAutoUpdate || s.m_bMonitorWeight || s.m_bUseLastWeight || s.m_bAutoFill);
    EXPECT_FALSE(l.doc.m_bMetric);
    EXPECT_EQ(s.m_dLastWeight, 0.0);
    EXPECT_EQ(s.m_arSelectedActivities, DefaultSelectedActivities());
    EXPECT_TRUE(s.m_bSettingsChanged);
    EXPECT_FALSE(std::filesystem::exists(regFile));  // loading writes nothing

    ASSERT_TRUE(SaveSettings(store, dir.path(), l.settings, l.doc));
    EXPECT_FALSE(l.settings.m_bSettingsChanged);
    EXPECT_EQ(ReadAll(regFile), ReadAll(Golden("FirstRunExit.reg")));
    EXPECT_EQ(ReadAll(dir / "KTUserData.cfg"), "\r\n\r\n");

    // The next start reads the store, and gets the same values back.
    Loaded next = Load(store, dir.path());
    EXPECT_FALSE(next.settings.m_bSettingsChanged);
    EXPECT_EQ(next.settings.m_nGraphPeriod, 4);
    EXPECT_EQ(next.settings.m_dMaxHours, 7.0);
    EXPECT_FALSE(next.settings.m_bAutoFill);
    EXPECT_EQ(next.settings.m_arSelectedActivities, DefaultSelectedActivities());
}

TEST(SettingsTest, Migration_CurrentCfgForm) {
    TempDir dir;
    WriteAll(dir / "Kinetrax2.cfg", ReadAll(Golden("Kinetrax2.cfg")));
    WriteAll(dir / "Kinetrax.cfg", ReadAll(Golden("Kinetrax.cfg")));  // the newer form wins
    MemorySettingsStore store;
    Loaded l = Load(store, dir.path());
    const Settings& s = l.settings;
    EXPECT_EQ(s.m_nGraphPeriod, 2);
    EXPECT_EQ(s.m_nAveragingPeriod, 5);
    EXPECT_EQ(s.m_dMaxWeight, 120.5);
    EXPECT_EQ(s.m_dMinWeight, 45.0);
    EXPECT_EQ(s.m_dMaxHours, 3.5);
    EXPECT_TRUE(l.doc.m_bMetric);
    EXPECT_TRUE(s.m_bAddToCombo);
    EXPECT_FALSE(s.m_bAutoUpdate);
    EXPECT_TRUE(s.m_bMonitorWeight);
    EXPECT_TRUE(s.m_bUseLastWeight);
    EXPECT_FALSE(s.m_bAutoFill);
    EXPECT_EQ(s.m_arSelectedActivities, (std::vector<uint16_t>{0, 248, 299}));
    EXPECT_EQ(s.m_arDescriptions, (std::vector<std::string>{"Morning run", "Evening \xC3\xA9quipe"}));
    EXPECT_EQ(s.m_arLocations, (std::vector<std::string>{"Park", "", "Gym"}));
    EXPECT_EQ(s.m_dLastWeight, 0.0);       // a cfg file holds no last weight
    EXPECT_EQ(s.m_strAutoArchive, "0 0");  // nor an archive date
    EXPECT_TRUE(s.m_bSettingsChanged);
    EXPECT_EQ(store.writeCount, 0);
    EXPECT_EQ(ReadAll(dir / "Kinetrax2.cfg"), ReadAll(Golden("Kinetrax2.cfg")));  // left in place
}

TEST(SettingsTest, Migration_OldCfgForm) {
    TempDir dir;
    WriteAll(dir / "Kinetrax.cfg", ReadAll(Golden("Kinetrax.cfg")));
    MemorySettingsStore store;
    Loaded l = Load(store, dir.path());
    const Settings& s = l.settings;
    EXPECT_EQ(s.m_nGraphPeriod, 7);
    EXPECT_EQ(s.m_nAveragingPeriod, 1);  // whatever line 2 holds
    EXPECT_EQ(s.m_dMaxWeight, 90.0);
    EXPECT_EQ(s.m_dMinWeight, 40.0);
    EXPECT_EQ(s.m_dMaxHours, 2.0);
    EXPECT_TRUE(l.doc.m_bMetric);  // the second of the three numbers
    // The other flags keep their first-run values.
    EXPECT_FALSE(s.m_bAddToCombo || s.m_bAutoUpdate || s.m_bMonitorWeight || s.m_bUseLastWeight || s.m_bAutoFill);
    EXPECT_EQ(s.m_arSelectedActivities, (std::vector<uint16_t>{60, 97}));
    EXPECT_EQ(s.m_arDescriptions, std::vector<std::string>{"Lunch walk"});
    EXPECT_TRUE(s.m_arLocations.empty());
    EXPECT_TRUE(s.m_bSettingsChanged);

    // "1\t0\t1": only the second number counts.
    WriteAll(dir / "Kinetrax.cfg", "1\r\n2\r\n100.0\r\n10.0\t7.00\r\n1\t0\t1\r\n");
    Loaded l2 = Load(store, dir.path());
    EXPECT_FALSE(l2.doc.m_bMetric);
    EXPECT_FALSE(l2.settings.m_bAutoUpdate);
}

TEST(SettingsTest, Migration_CfgFieldsThatCannotBeReadKeepTheirValues) {
    TempDir dir;
    MemorySettingsStore store;
    struct Case {
        std::string line4;
        double hours;
    };
    // Out of range (0 or less, more than 50) gives 10.0; 50 is accepted.
    for (const Case& c :
         {Case{"10.0\t0.00", 10.0}, Case{"10.0\t-2.00", 10.0}, Case{"10.0\t60.00", 10.0}, Case{"10.0\t50.00", 50.0},
          Case{"10.0\t50.01", 10.0}, Case{"10.0\t0.01", 0.01}, Case{"10.0\tnan", 10.0}, Case{"10.0", 7.0}, Case{"x\t3", 7.0}}) {
        WriteAll(dir / "Kinetrax2.cfg", "1\r\n2\r\n100.0\r\n" + c.line4 + "\r\n");
        EXPECT_EQ(Load(store, dir.path()).settings.m_dMaxHours, c.hours) << c.line4;
    }

    // Short and damaged files: missing lines and unreadable fields keep the first-run values,
    // and a missing line 6 leaves the selected activities as they were (empty).
    WriteAll(dir / "Kinetrax2.cfg", "abc\n\n\n\n1\t1\tq\t1\n");
    Loaded l = Load(store, dir.path());
    EXPECT_EQ(l.settings.m_nGraphPeriod, 0);
    EXPECT_EQ(l.settings.m_nAveragingPeriod, 0);
    EXPECT_EQ(l.settings.m_dMaxWeight, 100.0);
    EXPECT_EQ(l.settings.m_dMinWeight, 10.0);
    EXPECT_EQ(l.settings.m_dMaxHours, 7.0);
    EXPECT_TRUE(l.doc.m_bMetric);
    EXPECT_TRUE(l.settings.m_bAddToCombo);
    EXPECT_FALSE(l.settings.m_bAutoUpdate);  // reading stopped at "q"
    EXPECT_FALSE(l.settings.m_bMonitorWeight);
    EXPECT_TRUE(l.settings.m_arSelectedActivities.empty());
    EXPECT_TRUE(l.settings.m_bSettingsChanged);

    // An empty line 6 is a list of its own: [0].
    WriteAll(dir / "Kinetrax2.cfg", "1\n2\n100.0\n10.0\t7.00\n0\t0\t0\t0\t0\t0\n\n\n\n");
    EXPECT_EQ(Load(store, dir.path()).settings.m_arSelectedActivities, std::vector<uint16_t>{0});

    // An empty file is read, not taken for a first run.
    WriteAll(dir / "Kinetrax2.cfg", "");
    Loaded empty = Load(store, dir.path());
    EXPECT_EQ(empty.settings.m_nGraphPeriod, 0);
    EXPECT_TRUE(empty.settings.m_arSelectedActivities.empty());
}

TEST(SettingsTest, Save_RoundsWeightLimitsToSinglePrecision) {
    TempDir dir;
    MemorySettingsStore store;
    Settings s;
    CKT2Doc doc;
    s.m_dMaxWeight = 100.1;
    s.m_dMinWeight = 45.3;
    s.m_dMaxHours = 2.1;
    s.m_dLastWeight = 80.3;
    ASSERT_TRUE(SaveSettings(store, dir.path(), s, doc));
    Loaded l = Load(store, dir.path());
    EXPECT_EQ(l.settings.m_dMaxWeight, static_cast<double>(100.1f));
    EXPECT_NE(l.settings.m_dMaxWeight, 100.1);
    EXPECT_EQ(l.settings.m_dMinWeight, static_cast<double>(45.3f));
    EXPECT_EQ(l.settings.m_dMaxHours, 2.1);  // other reals are stored unchanged
    EXPECT_EQ(l.settings.m_dLastWeight, 80.3);
    EXPECT_EQ(ToSinglePrecision(1e300), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ToSinglePrecision(-1e300), -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(ToSinglePrecision(std::nan(""))));
}

TEST(SettingsTest, Save_SelectedActivities) {
    TempDir dir;
    MemorySettingsStore store;
    Settings s;
    CKT2Doc doc;
    s.m_arSelectedActivities = {1, 2};
    ASSERT_TRUE(SaveSettings(store, dir.path(), s, doc));

    // An empty list is not written: the stored one stays.
    s.m_arSelectedActivities.clear();
    ASSERT_TRUE(SaveSettings(store, dir.path(), s, doc));
    EXPECT_EQ(Load(store, dir.path()).settings.m_arSelectedActivities, (std::vector<uint16_t>{1, 2}));
    EXPECT_FALSE(SaveSelectedActivities(store, s));

    // A long list (far beyond 255 characters of text) is written and read back whole.
    std::vector<uint16_t> many;
    for (int i = 0; i < 300; ++i) many.push_back(static_cast<uint16_t>(i));
    s.m_arSelectedActivities = many;
    s.m_bSettingsChanged = true;
    s.m_bActivityListChanged = true;
    const int before = store.writeCount;
    ASSERT_TRUE(SaveSelectedActivities(store, s));
    EXPECT_EQ(store.writeCount, before + 1);  // "Events" alone
    EXPECT_TRUE(s.m_bSettingsChanged);        // flags untouched
    EXPECT_TRUE(s.m_bActivityListChanged);
    EXPECT_EQ(Load(store, dir.path()).settings.m_arSelectedActivities, many);

    // SaveSelectedActivities creates the key when the store has none yet.
    MemorySettingsStore fresh;
    ASSERT_TRUE(SaveSelectedActivities(fresh, s));
    EXPECT_TRUE(fresh.OpenKey(kKey, false));
}

TEST(SettingsTest, UserData_ListsSurviveAndAnEmptyFirstLineIsKept) {
    TempDir dir;
    MemorySettingsStore store;
    Settings s;
    CKT2Doc doc;
    s.m_arLocations = {"Park", "", "Gym \xC3\xA9t\xC3\xA9"};
    ASSERT_TRUE(SaveSettings(store, dir.path(), s, doc));
    EXPECT_EQ(ReadAll(dir / "KTUserData.cfg"), "\r\nPark\t\tGym \xE9t\xE9\r\n");
    Loaded l = Load(store, dir.path());
    EXPECT_TRUE(l.settings.m_arDescriptions.empty());
    EXPECT_EQ(l.settings.m_arLocations, s.m_arLocations);

    // A tab or line end inside an item cannot split it or move the next list.
    s.m_arDescriptions = {"a\tb", "c\r\nd"};
    ASSERT_TRUE(SaveUserData(dir.path(), s));
    Loaded l2 = Load(store, dir.path());
    EXPECT_EQ(l2.settings.m_arDescriptions, (std::vector<std::string>{"a b", "c  d"}));
    EXPECT_EQ(l2.settings.m_arLocations, s.m_arLocations);

    // A missing user data file leaves the lists empty without complaint.
    std::filesystem::remove(dir / "KTUserData.cfg");
    Loaded l3 = Load(store, dir.path());
    EXPECT_TRUE(l3.settings.m_arDescriptions.empty());
    EXPECT_TRUE(l3.settings.m_arLocations.empty());
    EXPECT_FALSE(SaveUserData(dir / "missing", s));
}

TEST(SettingsTest, Save_FallsBackToTheCfgFileWhenTheStoreCannotBeCreated) {
    TempDir dir;
    WriteAll(dir / "blocker", "x");
    FileSettingsStore store(dir / "blocker" / "Kinetrax" / "Kinetrax.reg");
    Settings s;
    CKT2Doc doc;
    doc.m_bMetric = true;
    s.m_nGraphPeriod = 3;
    s.m_nAveragingPeriod = 9;
    s.m_dMaxWeight = 95.25;
    s.m_dMinWeight = 50.0;
    s.m_dMaxHours = 4.5;
    s.m_bAddToCombo = true;
    s.m_bAutoFill = true;
    s.m_arSelectedActivities = {248, 0, 12};
    s.m_arDescriptions = {"Morning run", "Evening \xC3\xA9quipe"};
    s.m_arLocations = {"Park", "", "Gym"};
    s.m_bSettingsChanged = true;
    ASSERT_TRUE(SaveSettings(store, dir.path(), s, doc));
    EXPECT_FALSE(s.m_bSettingsChanged);
    EXPECT_EQ(ReadAll(dir / "Kinetrax2.cfg"),
              "3\r\n9\r\n95.2\r\n50.0\t4.50\r\n1\t1\t0\t0\t0\t1\r\n248\t0\t12\r\nMorning run\tEvening \xE9quipe\r\nPark\t\tGym\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "KTUserData.cfg"));  // the lists are in the cfg file

    // The next start migrates from it.
    Loaded l = Load(store, dir.path());
    EXPECT_EQ(l.settings.m_nGraphPeriod, 3);
    EXPECT_EQ(l.settings.m_nAveragingPeriod, 9);
    EXPECT_EQ(l.settings.m_dMaxHours, 4.5);
    EXPECT_TRUE(l.settings.m_bAutoFill);
    EXPECT_EQ(l.settings.m_arSelectedActivities, s.m_arSelectedActivities);
    EXPECT_EQ(l.settings.m_arDescriptions, s.m_arDescriptions);
    EXPECT_EQ(l.settings.m_arLocations, s.m_arLocations);

    // An empty list is an empty line 6.
    s.m_arSelectedActivities.clear();
    ASSERT_TRUE(SaveSettings(store, dir.path(), s, doc));
    EXPECT_NE(ReadAll(dir / "Kinetrax2.cfg").find("\r\n1\t1\t0\t0\t0\t1\r\n\r\nMorning"), std::string::npos);

    // Nowhere to write at all: nothing is reported, and the flag stays set for a later try.
    s.m_bSettingsChanged = true;
    EXPECT_FALSE(SaveSettings(store, dir / "blocker", s, doc));
    EXPECT_TRUE(s.m_bSettingsChanged);
}

TEST(SettingsTest, Save_AFailedStoreWriteKeepsTheFlag) {
    TempDir dir;
    MemorySettingsStore store;
    ASSERT_TRUE(store.OpenKey(kKey, true));
    store.failWrites = true;
    Settings s;
    CKT2Doc doc;
    s.m_bSettingsChanged = true;
    EXPECT_FALSE(SaveSettings(store, dir.path(), s, doc));
    EXPECT_TRUE(s.m_bSettingsChanged);
    EXPECT_FALSE(std::filesystem::exists(dir / "Kinetrax2.cfg"));  // the key exists: no cfg fallback
}

}  // namespace
}  // namespace kt
