#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>

#include "core/base/AtomicFile.h"
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

TEST(SettingsStoreTest, FileStore_TextsAndNumbersSurviveARoundTrip) {
    TempDir dir;
    const auto file = dir / "cfg" / "Kinetrax" / "Kinetrax.reg";
    const std::string quotes = "say \"hi\" in C:\\dir\\ \\\" end\\";
    const std::string unicode = "Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 \xE2\x80\xA6";
    const std::string controls = "a\tb\nc\r\n";
    std::string longText;
    for (int i = 0; i < 300; ++i) longText += "299\t";
    {
        FileSettingsStore store(file);
        CSettingsKey key(store);
        EXPECT_FALSE(key.Open(kKey, false));
        ASSERT_TRUE(key.Open(kKey, true));  // creates the folders and the file
        EXPECT_TRUE(key.WriteString("Quotes", quotes));
        EXPECT_TRUE(key.WriteString("Unicode", unicode));
        EXPECT_TRUE(key.WriteString("Controls", controls));
        EXPECT_TRUE(key.WriteString("Empty", ""));
        EXPECT_TRUE(key.WriteString("Long", longText));
        EXPECT_TRUE(key.WriteInt("Negative", -123456));
        EXPECT_TRUE(key.WriteInt("Max", std::numeric_limits<int>::max()));
        EXPECT_TRUE(key.WriteDouble("Real", 100.1));
        EXPECT_TRUE(key.WriteDouble("Tiny", -1.5e-300));
    }
    const std::string text = ReadAll(file);
    EXPECT_EQ(text.rfind("Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Kinetrax]\n", 0), 0u);
    EXPECT_NE(text.find("\"Quotes\"=\"say \\\"hi\\\" in C:\\\\dir\\\\ \\\\\\\" end\\\\\"\n"), std::string::npos);
    EXPECT_NE(text.find("\"Unicode\"=\"" + unicode + "\"\n"), std::string::npos);  // UTF-8 as it is
    EXPECT_NE(text.find("\"Negative\"=hex:c0,1d,fe,ff\n"), std::string::npos);
    EXPECT_NE(text.find("\"Controls\"=hex(1):61,00,09,00,62,00,0a,00,63,00,0d,00,0a,00,00,00\n"), std::string::npos);

    FileSettingsStore again(file);
    CSettingsKey key(again);
    ASSERT_TRUE(key.Open(kKey, false));
    EXPECT_EQ(key.ReadString("Quotes", "?"), quotes);
    EXPECT_EQ(key.ReadString("Unicode", "?"), unicode);
    EXPECT_EQ(key.ReadString("Controls", "?"), controls);
    EXPECT_EQ(key.ReadString("Empty", "?"), "");
    EXPECT_EQ(key.ReadString("Long", "?"), longText);  // no length limit
    EXPECT_EQ(key.ReadInt("Negative", 0), -123456);
    EXPECT_EQ(key.ReadInt("Max", 0), std::numeric_limits<int>::max());
    EXPECT_EQ(key.ReadDouble("Real", 0), 100.1);
    EXPECT_EQ(key.ReadDouble("Tiny", 0), -1.5e-300);
    EXPECT_EQ(key.ReadInt("Missing", 77), 77);
    EXPECT_EQ(key.m_nLastResult, ENOENT);
}

TEST(SettingsStoreTest, FileStore_WritesTheExpectedFileAndKeepsOtherValues) {
    TempDir dir;
    const auto file = dir / "Kinetrax.reg";
    FileSettingsStore store(file);
    CSettingsKey key(store);
    ASSERT_TRUE(key.Open(kKey, true));
    EXPECT_TRUE(key.WriteInt("GraphPeriod", 4));
    EXPECT_TRUE(key.WriteString("AutoArchive", "0 0"));
    EXPECT_TRUE(key.WriteInt("GraphPeriod", 2));  // replaced in place, not appended
    EXPECT_EQ(ReadAll(file),
              "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Kinetrax]\n"
              "\"GraphPeriod\"=hex:02,00,00,00\n\"AutoArchive\"=\"0 0\"\n");

    // A value of a key that does not exist is not written.
    CSettingsKey other(store);
    EXPECT_FALSE(store.WriteValue("Software\\Nothing", "x", StoredValue{kRegSz, "y"}));
    EXPECT_EQ(store.ReadValue("Software\\Nothing", "x"), std::nullopt);
}

TEST(SettingsStoreTest, FileStore_ReadsAHandEditedFile) {
    TempDir dir;
    const auto file = dir / "Kinetrax.reg";
    WriteAll(file, ReadAll(Golden("HandEdited.reg")));
    FileSettingsStore store(file);
    CSettingsKey key(store);
    ASSERT_TRUE(key.Open(kKey, false));                     // "SOFTWARE\kinetrax" in the file: names ignore case
    EXPECT_EQ(key.ReadInt("GraphPeriod", -1), 6);           // dword
    EXPECT_EQ(key.ReadInt("AveragingPeriod", -1), 3);       // name spelled in lower case
    EXPECT_EQ(key.ReadDouble("MaxWeight", -1), 120.0);      // hex wrapped over two lines
    EXPECT_EQ(key.ReadDouble("MinWeight", -1), -1);         // 4 bytes: not a real
    EXPECT_EQ(key.ReadDouble("MaxHours", -1), -1);          // a text: not a real
    EXPECT_EQ(key.ReadInt("Metric", -1), -1);               // 8 bytes: not an integer
    EXPECT_EQ(key.ReadString("AutoArchive", "?"), "3 15");  // REG_EXPAND_SZ counts as text
    EXPECT_EQ(key.ReadString("Events", "?"), "5\\ty");      // "\t" is no escape of the format
    EXPECT_EQ(key.ReadString("Path", "?"), "C:\\Users\\\"me\"");
    EXPECT_EQ(key.ReadString("Broken", "?"), "?");
    EXPECT_EQ(key.ReadString("Unclosed", "?"), "?");
    EXPECT_EQ(key.ReadString("Big", "?"), "?");  // a QWORD is neither text
    EXPECT_EQ(key.ReadInt("Big", -1), -1);       // nor a 4-byte integer
    EXPECT_EQ(key.ReadString("", "?"), "default value");
    EXPECT_FALSE(store.OpenKey("Software\\Gone", false));  // a deletion section is not a key
    EXPECT_TRUE(store.OpenKey("Software", false));         // a parent exists through its subkeys

    // Writing one value keeps everything else the file held, other keys included.
    EXPECT_TRUE(key.WriteInt("GraphPeriod", 1));
    FileSettingsStore reread(file);
    CSettingsKey k2(reread);
    ASSERT_TRUE(k2.Open(kKey, false));
    EXPECT_EQ(k2.ReadInt("GraphPeriod", -1), 1);
    EXPECT_EQ(k2.ReadDouble("MaxWeight", -1), 120.0);
    EXPECT_EQ(k2.ReadString("AutoArchive", "?"), "3 15");
    EXPECT_EQ(k2.ReadString("Path", "?"), "C:\\Users\\\"me\"");
    EXPECT_EQ(k2.ReadString("", "?"), "default value");
    ASSERT_TRUE(reread.ReadValue("Software\\Kinetrax", "Big").has_value());
    EXPECT_EQ(reread.ReadValue("Software\\Kinetrax", "Big")->type, 0xBu);
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
    std::string utf16 = "\xFF\xFE" + Utf8ToUtf16Le(utf8);
    RegFile f = RegFile::Parse(utf16);
    ASSERT_NE(f.FindValue("HKEY_CURRENT_USER\\Software\\Kinetrax", "Name"), nullptr);
    EXPECT_EQ(f.FindValue("HKEY_CURRENT_USER\\Software\\Kinetrax", "Name")->value.data, "Gr\xC3\xBC\xC3\x9F");

    // UTF-8 byte-order mark, values before any key, empty and truncated lines, binary junk.
    const std::string junk =
        std::string("\xEF\xBB\xBF\"Orphan\"=\"x\"\n[\n[]\n[HKEY_CURRENT_USER\\A]\n\"v\"=hex:\n\"w\"=hex(\n\"z\"=dword:123456789\n\"q\"") +
        std::string("\0\xFF\x01\n", 4) + "\"d\"=dword:ff\n\"e\"=hex:01,\\";
    RegFile g = RegFile::Parse(junk);
    ASSERT_TRUE(g.HasKey("HKEY_CURRENT_USER\\A"));
    EXPECT_EQ(g.FindValue("HKEY_CURRENT_USER\\A", "Orphan"), nullptr);
    ASSERT_NE(g.FindValue("HKEY_CURRENT_USER\\A", "v"), nullptr);
    EXPECT_EQ(g.FindValue("HKEY_CURRENT_USER\\A", "v")->value, (StoredValue{kRegBinary, ""}));
    EXPECT_EQ(g.FindValue("HKEY_CURRENT_USER\\A", "w"), nullptr);
    EXPECT_EQ(g.FindValue("HKEY_CURRENT_USER\\A", "z"), nullptr);  // more than 8 digits
    ASSERT_NE(g.FindValue("HKEY_CURRENT_USER\\A", "d"), nullptr);
    EXPECT_EQ(g.FindValue("HKEY_CURRENT_USER\\A", "d")->value, (StoredValue{kRegDword, std::string("\xFF\0\0\0", 4)}));
    ASSERT_NE(g.FindValue("HKEY_CURRENT_USER\\A", "e"), nullptr);  // a continuation at end of file
    EXPECT_EQ(g.FindValue("HKEY_CURRENT_USER\\A", "e")->value.data, "\x01");
    EXPECT_EQ(RegFile::Parse("").Keys().size(), 0u);

    // Serializing and parsing again gives the same content.
    RegFile h = RegFile::Parse(g.Serialize());
    ASSERT_EQ(h.Keys().size(), g.Keys().size());
    EXPECT_EQ(h.Keys()[0].path, g.Keys()[0].path);
    ASSERT_EQ(h.Keys()[0].values.size(), g.Keys()[0].values.size());
    for (size_t i = 0; i < h.Keys()[0].values.size(); ++i) EXPECT_EQ(h.Keys()[0].values[i].value, g.Keys()[0].values[i].value) << i;

    // Unpaired surrogates in UTF-16 become U+FFFD instead of invalid UTF-8.
    EXPECT_EQ(Utf16LeToUtf8(std::string("\x00\xD8\x41\x00", 4)),
              "\xEF\xBF\xBD"
              "A");
}

TEST(SettingsStoreTest, Key_ValuesOfTheWrongKindOrSizeReadAsTheDefault) {
    MemorySettingsStore store;
    ASSERT_TRUE(store.OpenKey(kKey, true));
    auto put = [&](const char* name, uint32_t type, std::string data) { store.WriteValue(kKey, name, StoredValue{type, std::move(data)}); };
    put("Int3", kRegBinary, std::string("\x01\x02\x03", 3));
    put("Int4", kRegBinary, std::string("\x01\x02\x03\x04", 4));
    put("Int8", kRegBinary, std::string(8, '\x01'));
    put("Dword", kRegDword, std::string("\x2A\0\0\0", 4));
    put("NoneType", 0, std::string("\x2A\0\0\0", 4));
    put("Text", kRegSz, "abc");
    put("Expand", kRegExpandSz, "%HOME%");
    put("Real8", kRegBinary, std::string("\0\0\0\0\0\0\xF0\x3F", 8));

    CSettingsKey key(store);
    ASSERT_TRUE(key.Open(kKey, false));
    EXPECT_EQ(key.ReadInt("Int3", -1), -1);
    EXPECT_EQ(key.ReadInt("Int4", -1), 0x04030201);
    EXPECT_EQ(key.ReadInt("Int8", -1), -1);
    EXPECT_EQ(key.ReadInt("Dword", -1), 42);
    EXPECT_EQ(key.ReadInt("NoneType", -1), -1);
    EXPECT_EQ(key.ReadInt("Text", -1), -1);
    EXPECT_EQ(key.ReadDouble("Real8", -1), 1.0);
    EXPECT_EQ(key.ReadDouble("Int4", -1), -1);
    EXPECT_EQ(key.ReadDouble("Dword", -1), -1);
    EXPECT_EQ(key.ReadDouble("Text", -1), -1);
    EXPECT_EQ(key.ReadString("Expand", "?"), "%HOME%");
    EXPECT_EQ(key.ReadString("Int4", "?"), "?");
    EXPECT_EQ(key.ReadString("Real8", "?"), "?");
    // Value names ignore ASCII case.
    EXPECT_EQ(key.ReadInt("DWORD", -1), 42);
}

TEST(SettingsStoreTest, Key_OpenAndCloseKeepTheCurrentPath) {
    MemorySettingsStore store;
    CSettingsKey key(store);
    EXPECT_FALSE(key.Open(kKey, false));
    EXPECT_EQ(key.Path(), "");
    store.failCreate = true;
    EXPECT_FALSE(key.Open(kKey, true));
    EXPECT_FALSE(key.WriteInt("x", 1));  // no current key: nothing written
    store.failCreate = false;
    ASSERT_TRUE(key.Open(kKey, true));
    EXPECT_EQ(key.Path(), kKey);
    EXPECT_FALSE(key.Open("Software\\Missing", false));
    EXPECT_EQ(key.Path(), kKey);  // a failed open keeps the current key
    EXPECT_TRUE(key.WriteInt("x", 5));
    EXPECT_EQ(key.ReadInt("x", 0), 5);
    key.m_bLazyWrite = false;
    key.Close();
    EXPECT_EQ(key.Path(), "");
    EXPECT_TRUE(key.m_bLazyWrite);
    EXPECT_TRUE(key.Open("", false));
    EXPECT_EQ(key.ReadInt("x", 0), 0);  // the value belongs to the key, not the root
    store.failWrites = true;
    ASSERT_TRUE(key.Open(kKey, false));
    EXPECT_FALSE(key.WriteInt("x", 6));
    EXPECT_EQ(key.m_nLastResult, EIO);
    EXPECT_EQ(key.ReadInt("x", 0), 5);
}

TEST(SettingsStoreTest, FileStore_FailuresNeitherCrashNorDestroyTheFile) {
    TempDir dir;
    WriteAll(dir / "plain", "x");
    // The folder of the file runs through a regular file: nothing can be created.
    FileSettingsStore blocked(dir / "plain" / "Kinetrax" / "Kinetrax.reg");
    EXPECT_FALSE(blocked.OpenKey(kKey, true));
    EXPECT_FALSE(blocked.OpenKey(kKey, false));
    EXPECT_EQ(blocked.ReadValue(kKey, "x"), std::nullopt);
    EXPECT_FALSE(blocked.WriteValue(kKey, "x", StoredValue{kRegSz, "y"}));
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

class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) m_old = old;
        if (value) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (m_old) {
            ::setenv(m_name, m_old->c_str(), 1);
        } else {
            ::unsetenv(m_name);
        }
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(SettingsStoreTest, DefaultPath_FollowsTheConfigFolderRules) {
    {
        ScopedEnv home("HOME", "/home/someone");
        ScopedEnv xdg("XDG_CONFIG_HOME", "/tmp/xdg");
        EXPECT_EQ(FileSettingsStore::DefaultPath(), std::filesystem::path("/tmp/xdg/Kinetrax/Kinetrax.reg"));
    }
    {
        ScopedEnv home("HOME", "/home/someone");
        ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
        EXPECT_EQ(FileSettingsStore::DefaultPath(), std::filesystem::path("/home/someone/.config/Kinetrax/Kinetrax.reg"));
    }
    {
        ScopedEnv home("HOME", "/home/someone");
        ScopedEnv xdg("XDG_CONFIG_HOME", "relative/dir");
        EXPECT_EQ(FileSettingsStore::DefaultPath(), std::filesystem::path("/home/someone/.config/Kinetrax/Kinetrax.reg"));
    }
}

}  // namespace
}  // namespace kt
