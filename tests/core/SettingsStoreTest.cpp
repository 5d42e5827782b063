#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <vector>

#include "core/base/AtomicFile.h"
#include "core/base/Format.h"
#include "core/settings/FileSettingsStore.h"
#include "core/settings/MemorySettingsStore.h"
#include "core/settings/RegFile.h"
#include "core/settings/SettingsKey.h"
#include "support/TestSupport.h"

namespace kt {
namespace {

using test::ReadAll;
using test::TempDir;
using test::TestDataDir;
using test::WriteAll;

const std::string kKey = "Software\\Kinetrax";

std::filesystem::path Golden(const std::string& name) { return TestDataDir() / "settings" / name; }

// A value read the way the settings code reads it ('i' integer, 'd' real, 's' text), shown as
// text; a missing or unusable value gives the default -1 or "?".
struct Expected {
    char kind;
    std::string name;
    std::string value;
};

void ExpectReads(CSettingsKey& key, const std::vector<Expected>& expected) {
    for (const Expected& e : expected) {
        const std::string got = e.kind == 'i'   ? Format("%d", key.ReadInt(e.name, -1))
                                : e.kind == 'd' ? Format("%.17g", key.ReadDouble(e.name, -1))
                                                : key.ReadString(e.name, "?");
        EXPECT_EQ(got, e.value) << e.kind << " " << e.name;
    }
}

std::optional<StoredValue> Find(const RegFile& f, const std::string& name, const std::string& key = "HKEY_CURRENT_USER\\A") {
    const RegFile::Value* v = f.FindValue(key, name);
    return v ? std::optional<StoredValue>(v->value) : std::nullopt;
}

TEST(SettingsStoreTest, FileStore_WritesTheExpectedFileAndValuesSurviveARoundTrip) {
    TempDir dir;
    const auto file = dir / "cfg" / "Kinetrax" / "Kinetrax.reg";
    const std::string unicode = "Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 \xE2\x80\xA6";
    std::string longText;  // no length limit
    for (int i = 0; i < 300; ++i) longText += "299\t";
    const std::pair<std::string, std::string> texts[] = {{"Quotes", "say \"hi\" in C:\\dir\\ \\\" end\\"},
                                                         {"Unicode", unicode},
                                                         {"Controls", "a\tb\nc\r\n"},
                                                         {"Empty", ""},
                                                         {"Long", longText}};
    {
        FileSettingsStore store(file);
        CSettingsKey key(store);
        EXPECT_FALSE(key.Open(kKey, false));
        ASSERT_TRUE(key.Open(kKey, true));  // creates the folders and the file
        // The second GraphPeriod replaces the first in place, not appended.
        EXPECT_TRUE(key.WriteInt("GraphPeriod", 4) && key.WriteString("AutoArchive", "0 0") && key.WriteInt("GraphPeriod", 2));
        EXPECT_EQ(ReadAll(file),
                  "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Kinetrax]\n"
                  "\"GraphPeriod\"=hex:02,00,00,00\n\"AutoArchive\"=\"0 0\"\n");
        // A value of a key that does not exist is not written.
        EXPECT_FALSE(store.WriteValue("Software\\Nothing", "x", StoredValue{kRegSz, "y"}));
        EXPECT_EQ(store.ReadValue("Software\\Nothing", "x"), std::nullopt);

        for (const auto& [name, text] : texts) EXPECT_TRUE(key.WriteString(name, text)) << name;
        EXPECT_TRUE(key.WriteInt("Negative", -123456) && key.WriteInt("Max", std::numeric_limits<int>::max()));
        EXPECT_TRUE(key.WriteDouble("Real", 100.1) && key.WriteDouble("Tiny", -1.5e-300));
    }
    const std::string text = ReadAll(file);
    EXPECT_NE(text.find("\"Quotes\"=\"say \\\"hi\\\" in C:\\\\dir\\\\ \\\\\\\" end\\\\\"\n"), std::string::npos);
    EXPECT_NE(text.find("\"Unicode\"=\"" + unicode + "\"\n"), std::string::npos);  // UTF-8 as it is
    EXPECT_NE(text.find("\"Negative\"=hex:c0,1d,fe,ff\n"), std::string::npos);
    EXPECT_NE(text.find("\"Controls\"=hex(1):61,00,09,00,62,00,0a,00,63,00,0d,00,0a,00,00,00\n"), std::string::npos);

    FileSettingsStore again(file);
    CSettingsKey key(again);
    ASSERT_TRUE(key.Open(kKey, false));
    for (const auto& [name, text] : texts) EXPECT_EQ(key.ReadString(name, "?"), text) << name;
    ExpectReads(key, {{'i', "Negative", "-123456"},
                      {'i', "Max", "2147483647"},
                      {'d', "Real", "100.09999999999999"},
                      {'d', "Tiny", "-1.5000000000000001e-300"}});
    EXPECT_EQ(key.ReadInt("Missing", 77), 77);
    EXPECT_EQ(key.m_nLastResult, ENOENT);
}

TEST(SettingsStoreTest, FileStore_ReadsAHandEditedFileAndKeepsItsOtherContentOnWrite) {
    TempDir dir;
    const auto file = dir / "Kinetrax.reg";
    WriteAll(file, ReadAll(Golden("HandEdited.reg")));
    // In the file: a dword, a name in lower case, hex wrapped over two lines, a 4-byte and an 8-byte
    // hex where a real and an integer are expected, a text where a real is, REG_EXPAND_SZ text, a
    // "\t" that is no escape of the format, escaped quotes, damaged lines, a QWORD (neither text nor
    // integer) and the default value.
    std::vector<Expected> expected = {{'i', "GraphPeriod", "6"},    {'i', "AveragingPeriod", "3"}, {'d', "MaxWeight", "120"},
                                      {'d', "MinWeight", "-1"},     {'i', "Metric", "-1"},         {'d', "MaxHours", "-1"},
                                      {'s', "AutoArchive", "3 15"}, {'s', "Events", "5\\ty"},      {'s', "Path", "C:\\Users\\\"me\""},
                                      {'s', "Broken", "?"},         {'s', "Unclosed", "?"},        {'s', "Big", "?"},
                                      {'i', "Big", "-1"},           {'s', "", "default value"}};
    FileSettingsStore store(file);
    CSettingsKey key(store);
    ASSERT_TRUE(key.Open(kKey, false));  // "SOFTWARE\kinetrax" in the file: names ignore case
    ExpectReads(key, expected);
    EXPECT_FALSE(store.OpenKey("Software\\Gone", false));  // a deletion section is not a key
    EXPECT_TRUE(store.OpenKey("Software", false));         // a parent exists through its subkeys

    // Writing one value keeps everything else the file held, other keys and unknown types included.
    EXPECT_TRUE(key.WriteInt("GraphPeriod", 1));
    expected[0].value = "1";
    FileSettingsStore reread(file);
    CSettingsKey k2(reread);
    ASSERT_TRUE(k2.Open(kKey, false));
    ExpectReads(k2, expected);
    EXPECT_EQ(reread.ReadValue(kKey, "Big").value_or(StoredValue{}).type, 0xBu);
    EXPECT_EQ(reread.ReadValue("Software\\Other", "Keep"), (StoredValue{kRegSz, "other program"}));
    const std::string text = ReadAll(file);
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\SOFTWARE\\kinetrax]\n"), std::string::npos);
    EXPECT_NE(text.find("\"AutoArchive\"=hex(2):33,00,20,00,31,00,35,00,00,00\n"), std::string::npos);
    EXPECT_EQ(text.find("Lost"), std::string::npos);
}

TEST(SettingsStoreTest, Parse_OddContentNeverFails) {
    // A UTF-16LE file with byte-order mark, as the registry tool itself writes it.
    const std::string utf8 =
        "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Kinetrax]\r\n\"Name\"=\"Gr\xC3\xBC\xC3\x9F\"\r\n";
    EXPECT_EQ(Find(RegFile::Parse("\xFF\xFE" + Utf8ToUtf16Le(utf8)), "Name", "HKEY_CURRENT_USER\\Software\\Kinetrax"),
              (StoredValue{kRegSz, "Gr\xC3\xBC\xC3\x9F"}));

    // UTF-8 byte-order mark, values before any key, empty and truncated lines, binary junk.
    const std::string junk = std::string(
                                 "\xEF\xBB\xBF\"Orphan\"=\"x\"\n[\n[]\n[HKEY_CURRENT_USER\\A]\n\"v\"=hex:\n\"w\"=hex(\n\"z\"=dword:"
                                 "123456789\n\"t\"=hex(123456789):01\n\"q\"") +
                             std::string("\0\xFF\x01\n", 4) + "\"d\"=dword:ff\n\"e\"=hex:01,\\";
    RegFile g = RegFile::Parse(junk);
    ASSERT_TRUE(g.HasKey("HKEY_CURRENT_USER\\A"));
    // "z" has more than 8 digits, "t" a type of more than 8 digits, "e" a continuation at end of file.
    const std::pair<const char*, std::optional<StoredValue>> values[] = {{"Orphan", std::nullopt},
                                                                         {"v", StoredValue{kRegBinary, ""}},
                                                                         {"w", std::nullopt},
                                                                         {"z", std::nullopt},
                                                                         {"t", std::nullopt},
                                                                         {"d", StoredValue{kRegDword, std::string("\xFF\0\0\0", 4)}},
                                                                         {"e", StoredValue{kRegBinary, "\x01"}}};
    for (const auto& [name, value] : values) EXPECT_EQ(Find(g, name), value) << name;
    EXPECT_EQ(RegFile::Parse("").Keys().size(), 0u);

    // Serializing and parsing again gives the same content.
    RegFile h = RegFile::Parse(g.Serialize());
    ASSERT_EQ(h.Keys().size(), 1u);
    EXPECT_EQ(h.Keys()[0].path, g.Keys()[0].path);
    ASSERT_EQ(h.Keys()[0].values.size(), g.Keys()[0].values.size());
    for (size_t i = 0; i < h.Keys()[0].values.size(); ++i) EXPECT_EQ(h.Keys()[0].values[i].value, g.Keys()[0].values[i].value) << i;

    // Unpaired surrogates in UTF-16 become U+FFFD instead of invalid UTF-8.
    EXPECT_EQ(Utf16LeToUtf8(std::string("\x00\xD8\x41\x00", 4)), std::string("\xEF\xBF\xBD") + "A");
}

TEST(SettingsStoreTest, Key_ValuesOfTheWrongKindOrSizeReadAsTheDefault) {
    // Each stored value is read as an integer, a real and a text.
    struct Case {
        const char* name;
        StoredValue stored;
        std::string asInt, asReal, asText;
    };
    const std::string one = std::string("\0\0\0\0\0\0\xF0\x3F", 8);  // 1.0
    const std::vector<Case> cases = {{"Int3", {kRegBinary, std::string("\x01\x02\x03", 3)}, "-1", "-1", "?"},
                                     {"Int4", {kRegBinary, std::string("\x01\x02\x03\x04", 4)}, Format("%d", 0x04030201), "-1", "?"},
                                     {"Dword", {kRegDword, std::string("\x2A\0\0\0", 4)}, "42", "-1", "?"},
                                     {"NoneType", {0, std::string("\x2A\0\0\0", 4)}, "-1", "-1", "?"},
                                     {"Real8", {kRegBinary, one}, "-1", "1", "?"},
                                     {"Qword", {0xB, one}, "-1", "-1", "?"},
                                     {"Text", {kRegSz, "abcd"}, "-1", "-1", "abcd"},
                                     {"Expand", {kRegExpandSz, "%HOME%/x"}, "-1", "-1", "%HOME%/x"}};
    MemorySettingsStore store;
    ASSERT_TRUE(store.OpenKey(kKey, true));
    for (const Case& c : cases) ASSERT_TRUE(store.WriteValue(kKey, c.name, c.stored));
    CSettingsKey key(store);
    ASSERT_TRUE(key.Open(kKey, false));
    for (const Case& c : cases) ExpectReads(key, {{'i', c.name, c.asInt}, {'d', c.name, c.asReal}, {'s', c.name, c.asText}});
    EXPECT_EQ(key.ReadInt("DWORD", -1), 42);  // value names ignore ASCII case
}

TEST(SettingsStoreTest, Key_OpenAndCloseKeepTheCurrentPath) {
    MemorySettingsStore store;
    CSettingsKey key(store);
    EXPECT_TRUE(!key.Open(kKey, false) && key.Path().empty());
    store.failCreate = true;
    EXPECT_FALSE(key.Open(kKey, true) || key.WriteInt("x", 1));  // no current key: nothing written
    store.failCreate = false;
    ASSERT_TRUE(key.Open(kKey, true));
    EXPECT_FALSE(key.Open("Software\\Missing", false));
    EXPECT_EQ(key.Path(), kKey);  // a failed open keeps the current key
    EXPECT_TRUE(key.WriteInt("x", 5) && key.ReadInt("x", 0) == 5);
    key.Close();
    EXPECT_EQ(key.Path(), "");
    EXPECT_TRUE(key.Open("", false));
    EXPECT_EQ(key.ReadInt("x", 0), 0);  // the value belongs to the key, not the root
    store.failWrites = true;
    ASSERT_TRUE(key.Open(kKey, false));
    EXPECT_FALSE(key.WriteInt("x", 6));
    EXPECT_TRUE(key.m_nLastResult == EIO && key.ReadInt("x", 0) == 5);
}

TEST(SettingsStoreTest, FileStore_FailuresNeitherCrashNorDestroyTheFile) {
    TempDir dir;
    WriteAll(dir / "plain", "x");
    // The folder of the file runs through a regular file: nothing can be created.
    FileSettingsStore blocked(dir / "plain" / "Kinetrax" / "Kinetrax.reg");
    EXPECT_FALSE(blocked.OpenKey(kKey, true) || blocked.OpenKey(kKey, false) || blocked.ReadValue(kKey, "x") ||
                 blocked.WriteValue(kKey, "x", StoredValue{kRegSz, "y"}));
    EXPECT_EQ(ReadAll(dir / "plain"), "x");

    // A path that exists but cannot be read as a file is left alone.
    std::filesystem::create_directories(dir / "isdir.reg" / "inside");
    FileSettingsStore unreadable(dir / "isdir.reg");
    EXPECT_FALSE(unreadable.OpenKey(kKey, true));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "isdir.reg" / "inside"));

    // An interrupted write leaves the previous file whole.
    FileSettingsStore store(dir / "Kinetrax.reg");
    CSettingsKey key(store);
    ASSERT_TRUE(key.Open(kKey, true));
    ASSERT_TRUE(key.WriteString("A", "first"));
    const std::string before = ReadAll(dir / "Kinetrax.reg");
    SetAtomicWriteFailureAfterBytesForTesting(10);
    EXPECT_FALSE(key.WriteString("A", "second"));
    EXPECT_TRUE(key.WriteString("A", "first"));  // unchanged: no write needed, so no failure
    SetAtomicWriteFailureAfterBytesForTesting(-1);
    EXPECT_EQ(ReadAll(dir / "Kinetrax.reg"), before);
    EXPECT_EQ(key.ReadString("A", "?"), "first");
}

// Sets (or, given nullptr, removes) an environment variable for one scope.
struct ScopedEnv {
    ScopedEnv(const char* name, const char* value) : name(name) {
        if (const char* current = std::getenv(name)) old = current;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { old ? ::setenv(name, old->c_str(), 1) : ::unsetenv(name); }
    const char* name;
    std::optional<std::string> old;
};

TEST(SettingsStoreTest, DefaultPath_FollowsTheConfigFolderRules) {
    ScopedEnv home("HOME", "/home/someone");
    const std::pair<const char*, const char*> cases[] = {{"/tmp/xdg", "/tmp/xdg/Kinetrax/Kinetrax.reg"},
                                                         {nullptr, "/home/someone/.config/Kinetrax/Kinetrax.reg"},
                                                         {"relative/dir", "/home/someone/.config/Kinetrax/Kinetrax.reg"}};
    for (const auto& [xdg, expected] : cases) {
        ScopedEnv env("XDG_CONFIG_HOME", xdg);
        EXPECT_EQ(FileSettingsStore::DefaultPath(), std::filesystem::path(expected)) << (xdg ? xdg : "(unset)");
    }
}

}  // namespace
}  // namespace kt
