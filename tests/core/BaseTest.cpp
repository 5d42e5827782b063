#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "core/base/AtomicFile.h"
#include "core/base/ExactSum.h"
#include "core/base/FolderLock.h"
#include "core/base/Format.h"
#include "core/base/LocalTime.h"
#include "core/base/Scan.h"
#include "core/base/Text.h"
#include "core/base/TextCodec.h"
#include "core/base/Units.h"
#include "core/journal/KT2Doc.h"
#include "support/TestSupport.h"

namespace kt {
namespace {

// printf is the judge: ties in binary (0.125), values just off a tie (1.005 is below it, 0.045
// above), signs of what rounds to zero, and values too large for the integer route; each also negated.
TEST(Format, AppendFixedWritesWhatPrintfWritesAndLongTextsArriveWhole) {
    const std::string longText(1000, 'x');
    EXPECT_EQ(Format("<%s>", longText.c_str()), "<" + longText + ">");
    std::vector<double> values = {0.0,   0.125, 0.375, 2.5,    1.005, 2.675, 0.045, 9.995, 0.05,
                                  0.001, 1e-9,  45.0,  659.19, 81.55, 1e15,  1e300, 5e-324};
    values.insert(values.end(), {4503599627370495.5, 450000000000000.125, HUGE_VAL, NAN});
    for (int decimals = 0; decimals <= 3; ++decimals) {
        for (const double v : values) {
            for (const double signedValue : {v, -v}) {
                std::string out = "x";
                AppendFixed(out, signedValue, decimals);
                EXPECT_EQ(out, "x" + Format("%.*f", decimals, signedValue)) << signedValue << " " << decimals;
            }
        }
    }
    // Every multiple of an eighth and of a thousandth in a range: exact ties and near-ties.
    std::string mine, printed;
    for (int i = -4000; i <= 40000; ++i) {
        for (const double v : {i / 8.0, i / 1000.0, i * 0.005}) {
            AppendFixed(mine, v, 1 + (i & 1));
            mine += ' ';
            printed += Format("%.*f ", 1 + (i & 1), v);
        }
    }
    EXPECT_EQ(mine, printed);
}

// The general reader is the judge of the shortcuts; where they decline, it reads.
TEST(Scan, PlainNumbersReadAsTheGeneralReaderReadsThem) {
    for (const char* text : {"45.00", "312.5", "0", "7.", "0.1", "123456789012345", "99999999999999.9", "1.005", "45kg", "1.5.3", "0x10",
                             "2.675", "1e3x", "12345678901234567"}) {
        double quick = -1;
        const bool taken = ScanPlainDecimal(text, quick);
        const double general = *ScanDouble(text);
        if (taken) {
            EXPECT_EQ(std::bit_cast<uint64_t>(quick), std::bit_cast<uint64_t>(general)) << text;
        }
        EXPECT_EQ(taken, std::string_view(text).find_first_of("e") == std::string_view::npos && std::strlen(text) < 17) << text;
    }
    for (const char* text : {" 5", "+5", "-5", ".5", "", "e5", "1234567890123456"}) {
        double quick = 0;
        EXPECT_FALSE(ScanPlainDecimal(text, quick)) << text;
    }
    // Random decimals of up to 15 digits: the quotient is the correctly rounded value.
    uint64_t state = 88172645463325252ULL;
    for (int i = 0; i < 200000; ++i) {
        state ^= state << 13, state ^= state >> 7, state ^= state << 17;
        const std::string digits = std::to_string(state % 1000000000000000ULL);
        const size_t point = state % (digits.size() + 1);
        const std::string text = digits.substr(0, point) + (point > 0 ? "." : "") + digits.substr(point);
        double quick = 0;
        double exact = 0;
        std::from_chars(text.data(), text.data() + text.size(), exact);
        ASSERT_TRUE(ScanPlainDecimal(text, quick)) << text;
        ASSERT_EQ(std::bit_cast<uint64_t>(quick), std::bit_cast<uint64_t>(exact)) << text;
    }
    uint64_t value = 0;
    EXPECT_TRUE(ScanPlainUnsigned("1234567890123456789x", value) && value == 1234567890123456789ULL);
    EXPECT_FALSE(ScanPlainUnsigned("12345678901234567890", value) || ScanPlainUnsigned(" 1", value) || ScanPlainUnsigned("-1", value));
    EXPECT_EQ(ScanU64("12345678901234567890"), 12345678901234567890ULL);  // twenty digits: the general reader
}

TEST(Scan, IntSkipsBlanksStopsAtFirstNonDigitAndReportsNothingRead) {
    const std::pair<const char*, std::optional<int>> ints[] = {
        {"  42abc", 42},      {"-7\t", -7},       {"+3", 3},          {"99999999999", 2147483647},
        {"x5", std::nullopt}, {"", std::nullopt}, {"-", std::nullopt}};
    for (const auto& [text, v] : ints) EXPECT_EQ(ScanInt(text), v) << text;
    EXPECT_EQ(ScanIntOr("abc", 9), 9);
    EXPECT_EQ(ScanU64("1451948400\tSwim"), 1451948400u);
    EXPECT_FALSE(ScanU64("\t").has_value());
    EXPECT_EQ(ScanU64("99999999999999999999999"), UINT64_MAX);
    // Several numbers, each read where the one before stopped.
    const std::pair<const char*, std::vector<int>> several[] = {{"3 15", {3, 15}}, {" 7\t 31 x", {7, 31}}, {"3-5", {3, -5}}, {"12", {12}},
                                                                {"x 5", {}},       {"1 2 3", {1, 2}},      {"4 y", {4}}};
    for (const auto& [text, numbers] : several) EXPECT_EQ(ScanInts(text, 2), numbers) << text;
}

TEST(Scan, DoubleReadsLongestNumberPrefixWithADecimalPointOnly) {
    const std::pair<const char*, std::optional<double>> doubles[] = {
        {" 1.5kg", 1.5}, {"45", 45.0}, {"-5", -5.0},    {"+.5", 0.5},          {"1e3x", 1000.0},
        {"1:30", 1.0},   {"1,5", 1.0}, {"1e-999", 0.0}, {"abc", std::nullopt}, {":30", std::nullopt}};
    for (const auto& [text, v] : doubles) EXPECT_EQ(ScanDouble(text), v) << text;
    // One sign only, as scanf reads it; a second sign means nothing was read.
    for (const char* twoSigns : {"--5", "+-5", "-+5", "++5", " - 5"}) {
        EXPECT_FALSE(ScanDouble(twoSigns).has_value()) << twoSigns;
        EXPECT_FALSE(ScanInt(twoSigns).has_value()) << twoSigns;
        EXPECT_FALSE(ScanU64(twoSigns).has_value()) << twoSigns;
    }
    EXPECT_TRUE(std::isinf(*ScanDouble("1e999")));
}

TEST(Scan, TrimRemovesSurroundingWhiteSpaceOnly) {
    EXPECT_EQ(Trim("  a b \t\r\n") + "|" + Trim("\v\f x \v\f") + "|" + Trim("   ") + "|" + TrimLeft("  x ") + "|" + TrimRight("  x "),
              "a b|x||x |  x");
    // What "%d" consumes: the white space, one sign and the digits.
    for (const auto& [text, length] :
         std::vector<std::pair<const char*, size_t>>{{"12 5", 2}, {" \t-7x", 4}, {"+", 1}, {"--5", 1}, {"x1", 0}, {"", 0}, {"\v3", 2}}) {
        EXPECT_EQ(LeadingIntegerLength(text), length) << text;
    }
}

TEST(Text, SharedRulesForBlanksCaseFieldsPlainTextAndUnits) {
    std::string spaces;
    for (int c = 0; c < 256; ++c) {
        if (IsSpace(static_cast<char>(c))) spaces += Format("%d ", c);
    }
    EXPECT_EQ(spaces, "9 10 11 12 13 32 ");
    EXPECT_TRUE(EqualNoCase("HKEY_Current_User", "hkey_current_user") && StartsWithNoCase("DWORD:00000001", "dword:"));
    EXPECT_FALSE(EqualNoCase("Caf\xC3\xA9", "CAF\xC3\x89") || EqualNoCase("dword", "dwor") || StartsWithNoCase("dwo", "dword:"));
    EXPECT_EQ(SanitizeFieldText(std::string("a\tb\rc\nd\0e f", 11)), "a b c d e f");
    // Every place of a line of words and a tail, and the bytes around the ones that count.
    for (size_t at = 0; at < 19; ++at) {
        for (const unsigned char b : {0x80, 0xFF, 0x9B, 0x1B, 0x1A, 0x1C, 0x7F, 0x3B, 0x00}) {
            std::string text(19, 'a');
            text[at] = static_cast<char>(b);
            EXPECT_EQ(NeedsCoding(text), b >= 0x80 || b == 0x1B) << at << " " << int{b};
        }
    }
    EXPECT_EQ(Format("%.12g %.12g %.12g %.12g", Kilograms(176, false), Kilograms(80, true), OtherUnit(70, true), OtherUnit(154, false)),
              "80 80 154 70");
}

TEST(TextCodec, OneBytePerCharacterAndEscapesForTheRest) {
    // {text, file form}; \033 is the ESC byte that starts six hex digits of a code point.
    const std::pair<std::string, std::string> cases[] = {
        {"Caf\xC3\xA9 \xC3\xBF\xC2\xA0~", "Caf\xE9 \xFF\xA0~"},
        {"sit-ups\xE2\x80\xA6", "sit-ups\033002026"},
        {"\xD0\x9F \xF0\x9F\x98\x80!", "\03300041F \03301F600!"},
        // Text that looks like an escape stays as typed; a literal ESC is escaped itself.
        {"002026", "002026"},
        {"\\u2026 &#8230;", "\\u2026 &#8230;"},
        {"x\033002026y", "x\03300001B002026y"},
        {"\033", "\03300001B"},
        {"end\03312", "end\03300001B12"},
    };
    for (const auto& [text, file] : cases) {
        EXPECT_EQ(EncodeLine(text), file) << text;
        EXPECT_EQ(DecodeLine(file), text) << text;
    }
    // Malformed escapes in a file read as the bytes they are; a surrogate is not a character.
    for (const std::string file : {"a\033ZZZZZZ", "a\03300D800", "a\0330020"}) EXPECT_EQ(DecodeLine(file), file);
    EXPECT_EQ(EncodeLine("a\377b"), "a\377b");  // not UTF-8: kept as U+00FF
}

TEST(TextCodec, LinesEndInCrLfAndReadEitherEnding) {
    EXPECT_EQ(EncodeText({"a", "", "b"}), "a\r\n\r\nb\r\n");
    EXPECT_EQ(SplitLines("a\r\nb\nc\r\n\r\n"), (std::vector<std::string>{"a", "b", "c", ""}));
    EXPECT_TRUE(SplitLines("").empty());
}

long FileCount(const std::filesystem::path& folder) { return std::distance(std::filesystem::directory_iterator(folder), {}); }

TEST(AtomicFile, ReplacesTheWholeFileOrNothingAndLeavesNoTemporaryFile) {
    test::TempDir dir;
    const auto path = dir / "f.txt";
    test::WriteAll(path, "old");
    ASSERT_TRUE(WriteTextFileAtomic(path, {"new", "lines"}));
    EXPECT_EQ(test::ReadAll(path), "new\r\nlines\r\n");
    EXPECT_EQ(FileCount(dir.path()), 1);

    SetAtomicWriteFailureAfterBytesForTesting(3);
    FileError error;
    EXPECT_FALSE(WriteFileAtomic(path, "replacement", &error));
    SetAtomicWriteFailureAfterBytesForTesting(-1);
    EXPECT_TRUE(error.code != 0 && !error.message.empty());
    EXPECT_EQ(test::ReadAll(path), "new\r\nlines\r\n");
    EXPECT_EQ(FileCount(dir.path()), 1);

    EXPECT_FALSE(WriteFileAtomic(dir / "missing" / "f.txt", "x", &error));
    EXPECT_EQ(error.code, ENOENT);
    std::string content;
    EXPECT_FALSE(ReadFileBytes(dir / "none", content));
    // Without a data folder nothing is read or written in the current folder.
    const auto old = std::filesystem::current_path();
    std::filesystem::create_directory(dir / "cwd");
    std::filesystem::current_path(dir / "cwd");
    const bool written = WriteFileAtomic(DataFilePath("", "f.txt"), "x");
    const bool read = ReadFileBytes(DataFilePath("", "f.txt"), content);
    std::filesystem::current_path(old);
    EXPECT_FALSE(written || read);
    EXPECT_TRUE(std::filesystem::is_empty(dir / "cwd"));
    EXPECT_EQ(DataFilePath("/d", "f.txt"), std::filesystem::path("/d/f.txt"));
}

TEST(AtomicFile, ReplacedFileKeepsItsModeItsLinkAndARefusedReadOnlyFile) {
    namespace fs = std::filesystem;
    test::TempDir dir;
    const auto mode = [](const fs::path& p) { return fs::status(p).permissions() & fs::perms::mask; };
    // A private journal stays private.
    const auto priv = dir / "private.edb";
    test::WriteAll(priv, "old");
    fs::permissions(priv, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(WriteFileAtomic(priv, "new"));
    EXPECT_EQ(mode(priv), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(test::ReadAll(priv), "new");

    // A journal that is a link into another folder: the link stays, its target gets the text.
    fs::create_directory(dir / "synced");
    test::WriteAll(dir / "synced" / "real.edb", "old");
    fs::create_symlink(fs::path("synced") / "real.edb", dir / "link.edb");
    ASSERT_TRUE(WriteFileAtomic(dir / "link.edb", "through"));
    EXPECT_TRUE(fs::is_symlink(dir / "link.edb"));
    EXPECT_EQ(test::ReadAll(dir / "synced" / "real.edb"), "through");
    EXPECT_EQ(FileCount(dir / "synced"), 1);

    // A file the user made read-only is refused and left exactly as it was.
    const auto locked = dir / "locked.edb";
    test::WriteAll(locked, "keep");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    FileError error;
    EXPECT_FALSE(WriteFileAtomic(locked, "lost", &error));
    EXPECT_EQ(error.code, EACCES);
    EXPECT_EQ(test::ReadAll(locked), "keep");
    EXPECT_EQ(mode(locked), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
}

TEST(FolderLock, OneOwnerAtATimeAndALockDiesWithItsProcess) {
    test::TempDir dir;
    FolderLock first, second;
    ASSERT_EQ(first.Acquire(dir.path(), "kinetrax 111"), FolderLock::Result::Acquired);
    EXPECT_EQ(second.Acquire(dir.path(), "kinetrax 222"), FolderLock::Result::HeldByOther);
    EXPECT_TRUE(second.Owner() == "kinetrax 111" && !second.Held());
    first.Release();
    EXPECT_EQ(second.Acquire(dir.path(), "kinetrax 222"), FolderLock::Result::Acquired);
    second.Release();

    // A process that ends without letting go (as kill -9 would end it) leaves no lock behind.
    const pid_t child = ::fork();
    if (child == 0) {
        FolderLock held;
        ::_exit(held.Acquire(dir.path(), "child") == FolderLock::Result::Acquired ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(first.Acquire(dir.path(), "kinetrax 333"), FolderLock::Result::Acquired);

    FolderLock nowhere;
    EXPECT_EQ(nowhere.Acquire(dir / "missing", "x"), FolderLock::Result::Failed);
    EXPECT_EQ(nowhere.Acquire("", "x"), FolderLock::Result::Failed);
}

TEST(FolderLock, StaleTemporaryFilesOfOursAreRemovedAndNothingElse) {
    test::TempDir dir;
    const char* ours[] = {"ExerciseData.edb.kt-tmp-0a1b2c3d4e", "KTUserData.cfg.kt-tmp-zzzzzzzzzz"};
    const char* others[] = {"ExerciseData.edb", "x.kt-tmp-short", "x.kt-tmp-ABCDEFGHIJ", "x.kt-tmp-0a1b2c3d4e5", "kt-tmp-0a1b2c3d4e"};
    for (const char* name : ours) test::WriteAll(dir / name, "half");
    for (const char* name : others) test::WriteAll(dir / name, "keep");
    std::filesystem::create_directory(dir / "folder.kt-tmp-0123456789");
    std::vector<std::string> removed = RemoveStaleTempFiles(dir.path());
    std::sort(removed.begin(), removed.end());
    EXPECT_EQ(removed, (std::vector<std::string>{ours[0], ours[1]}));
    EXPECT_EQ(FileCount(dir.path()), 6);
}

// Tests run with TZ=Europe/Berlin: summer time starts on 27 March 2016 and ends on 30 October 2016.
TEST(LocalTime, MidnightWeekdayAndDayCountsFollowTheLocalCalendar) {
    const Time64 t = LocalMidnight(2016, 1, 5);
    EXPECT_EQ(t, 1451948400);  // 2016-01-04 23:00 UTC
    EXPECT_EQ(MidnightOf(t + 13 * 3600), t);
    EXPECT_EQ(FormatTime(t, "%A %B %d, %Y"), "Tuesday January 05, 2016");
    EXPECT_EQ(std::make_pair(DayOfWeek(t), DayOfWeek(LocalMidnight(2016, 1, 9))), std::make_pair(3, 7));  // Tuesday, Saturday
    // Out of range days and months normalise into the next or previous month.
    EXPECT_EQ(LocalMidnight(2016, 4, 31), LocalMidnight(2016, 5, 1));
    EXPECT_EQ(LocalMidnight(2016, 2, 31), LocalMidnight(2016, 3, 2));
    EXPECT_EQ(LocalMidnight(2016, 0, 15), LocalMidnight(2015, 12, 15));
    EXPECT_TRUE(IsLeapYear(2016) && IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(1900) || IsLeapYear(2015));
    // 19 calendar days across 27 March 2016 are 19 * 86400 - 3600 seconds: 18 whole days.
    EXPECT_EQ(DayCount(LocalMidnight(2016, 3, 20), LocalMidnight(2016, 4, 8)), 18);
    EXPECT_EQ(DayCount(LocalMidnight(2016, 10, 20), LocalMidnight(2016, 11, 8)), 19);
    // Midnight after the spring change is still the local 00:00 of that day.
    EXPECT_EQ(ToLocal(LocalMidnight(2016, 3, 28)).hour, 0);
    // The OLE day number depends only on the local date.
    EXPECT_EQ(OleDayNumber(LocalMidnight(1970, 1, 1)), 25569);
    EXPECT_EQ(OleDayNumber(LocalMidnight(2016, 7, 1)) - OleDayNumber(LocalMidnight(2016, 1, 1)), 182);
    EXPECT_EQ(MidnightOfOleDay(OleDayNumber(LocalMidnight(2016, 3, 27))), LocalMidnight(2016, 3, 27));
}

// Sets TZ for one scope and restores the test's own zone afterwards.
class ScopedZone {
public:
    explicit ScopedZone(const char* zone) : m_old(std::getenv("TZ") ? std::getenv("TZ") : "") {
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedZone() {
        setenv("TZ", m_old.c_str(), 1);
        tzset();
    }

private:
    std::string m_old;
};

// mktime answers an hour that occurs twice with either instant, by what it was asked before. A
// day's midnight must be one instant: the first at which the local date is that day.
TEST(LocalTime, MidnightIsTheFirstInstantOfTheDayInEveryZoneAndCallOrder) {
    struct Zone {
        const char* name;
        int firstYear, lastYear;
        bool twoMidnights, skippedMidnights;  // the zone has such days in those years
    };
    // Clocks go back from 01:00 to 00:00 (Azores, Havana, Scoresbysund) or skip midnight (all
    // of those in spring, Sao Paulo before 2019, Beirut), several years each.
    const Zone zones[] = {{"Atlantic/Azores", 2010, 2026, true, true},      {"America/Havana", 2010, 2026, true, true},
                          {"America/Scoresbysund", 2010, 2023, true, true}, {"America/Sao_Paulo", 2008, 2018, false, true},
                          {"Asia/Beirut", 2010, 2026, false, true},         {"Europe/Berlin", 2015, 2017, false, false}};
    for (const Zone& zone : zones) {
        const ScopedZone scoped(zone.name);
        int twoMidnightDays = 0;
        int skippedMidnights = 0;
        for (int y = zone.firstYear; y <= zone.lastYear; ++y) {
            for (int doy = 0; doy < 366; ++doy) {
                const Time64 t = LocalMidnight(y, 1, 1 + doy);
                const LocalDate d = ToLocal(t);
                ASSERT_EQ(OleDayNumber(t), OleDayNumber(LocalMidnight(y, 1, 1)) + doy) << zone.name << " " << y << "+" << doy;
                ASSERT_NE(OleDayNumber(t - 1), OleDayNumber(t)) << zone.name << " " << y << "+" << doy;
                if (d.hour != 0) ++skippedMidnights;
                // A second midnight an hour later: asking for it first must not change the answer.
                const Time64 later = t + 3600;
                if (ToLocal(later).hour == 0 && OleDayNumber(later) == OleDayNumber(t)) {
                    ++twoMidnightDays;
                    struct tm tm {};
                    const time_t lt = static_cast<time_t>(later);
                    localtime_r(&lt, &tm);
                    mktime(&tm);  // leaves the library's idea of summer time at the later midnight
                    EXPECT_EQ(LocalMidnight(d.year, d.month, d.day), t) << zone.name;
                    EXPECT_EQ(MidnightOf(later + 1800), t) << zone.name;
                    EXPECT_EQ(MakeLocalTime(d.year, d.month, d.day, 0, 30), t + 1800) << zone.name;
                }
            }
        }
        EXPECT_EQ(twoMidnightDays > 5, zone.twoMidnights) << zone.name;
        EXPECT_EQ(skippedMidnights > 5, zone.skippedMidnights) << zone.name;
    }
}

// A German locale with a decimal comma: the system's own when it has one, otherwise one that
// localedef builds once into the build's test cache and later runs reuse. None when neither is
// there: the test is then skipped, not failed.
bool UseGermanLocale() {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr) return true;
    const std::filesystem::path folder = test::TestCacheDir() / "locales";
    const std::filesystem::path locale = folder / "de_DE.UTF-8";
    std::error_code ec;
    if (!std::filesystem::exists(locale / "LC_NUMERIC", ec)) {
        if (std::system("command -v localedef >/dev/null 2>&1") != 0) return false;
        // Built beside and renamed into place, so parallel runs never see half a locale.
        std::filesystem::create_directories(folder, ec);
        const std::filesystem::path building = folder / ("de_DE.UTF-8.building-" + std::to_string(getpid()));
        const std::string command = "localedef -i de_DE -f UTF-8 " + building.string() + " >/dev/null 2>&1";
        (void)std::system(command.c_str());  // warnings give a non-zero status with a usable locale
        std::filesystem::rename(building, locale, ec);
        std::filesystem::remove_all(building, ec);
    }
    setenv("LOCPATH", folder.c_str(), 1);
    return std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
}

TEST(Format, FilesKeepTheDecimalPointUnderADecimalCommaLocale) {
    test::TempDir dir;
    if (!UseGermanLocale()) GTEST_SKIP() << "no de_DE.UTF-8 locale and no localedef to build one";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    const std::string underGerman = probe;
    const std::string formatted = Format("%.1f|%2.2f", 1.5, 45.0);
    const std::optional<double> scanned = ScanDouble("2.5");
    const std::string month = FormatTime(LocalMidnight(2016, 3, 5), "%B");

    CKT2Doc doc;
    doc.m_strDataFolder = dir.path().string();
    doc.SetRecords({CEventRecord(LocalMidnight(2016, 1, 5), "Swim", "Laps", 45.5, "Pool", 598.25, 81.5, 1, "")});
    test::RecordingPrompter prompter;
    test::FixedClock clock(1700000000);
    const bool saved = doc.SaveDatabase(prompter, clock);
    std::setlocale(LC_ALL, "C");
    unsetenv("LOCPATH");

    EXPECT_EQ(underGerman + " " + formatted + " " + month, "1,5 1.5|45.00 March");  // the locale really uses a decimal comma
    EXPECT_EQ(scanned, 2.5);
    ASSERT_TRUE(saved);
    EXPECT_NE(test::ReadAll(doc.DatabasePath()).find("\t45.50\tPool\t598.2\t81.5\t1\t"), std::string::npos);
}

TEST(ExactSum, RoundsTheExactSumOnceToTheNearestDouble) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    constexpr double kMax = std::numeric_limits<double>::max();
    constexpr double kTiny = std::numeric_limits<double>::denorm_min();
    const double two53 = std::ldexp(1.0, 53);
    const std::vector<double> tenths(10, 0.1);
    const std::tuple<const char*, std::vector<double>, double> cases[] = {
        {"nothing", {}, 0.0},
        {"ten tenths are one, not 0.9999999999999999", tenths, 1.0},
        {"and below zero", std::vector<double>(10, -0.1), -1.0},
        {"huge values cancel and leave the small one", {1e300, 1.0, -1e300}, 1.0},
        {"a sum beyond the largest double on the way back", {1e308, 1e308, -1e308}, 1e308},
        {"a sum beyond the largest double", {kMax, kMax}, kInf},
        {"a tie rounds to the even neighbour below", {two53, 1.0}, two53},
        {"a tie rounds to the even neighbour above", {two53 + 2.0, 1.0}, two53 + 4.0},
        {"above a tie rounds up", {two53, 1.0, std::ldexp(1.0, -60)}, two53 + 2.0},
        {"below a tie rounds down", {two53 + 2.0, 1.0, -std::ldexp(1.0, -60)}, two53 + 2.0},
        {"the smallest values add up exactly", {kTiny, kTiny, kTiny}, 3 * kTiny},
        {"digits far apart", {std::ldexp(1.0, 700), std::ldexp(1.0, -700), -std::ldexp(1.0, 700)}, std::ldexp(1.0, -700)},
        {"an infinity wins", {kInf, 1.0, -1e308}, kInf},
        {"a negative infinity wins", {-kInf, 1e308}, -kInf},
    };
    for (const auto& [name, values, expected] : cases) {
        ExactSum sum;
        for (double v : values) sum.Add(v);
        EXPECT_EQ(sum.Value(), expected) << name;
    }
    for (const std::vector<double>& values : {std::vector<double>{kInf, -kInf}, std::vector<double>{1.0, std::nan("")}}) {
        ExactSum sum;
        for (double v : values) sum.Add(v);
        EXPECT_TRUE(std::isnan(sum.Value()));
    }
}

TEST(ExactSum, AnyOrderAndAnyRemovalGiveTheSameNumber) {
    // Multiples of 2^-20 below 2^40: their exact sum is an integer count of 2^-20, which a 64-bit
    // integer holds, so the nearest double is known without this class.
    std::mt19937_64 rng(7);
    std::vector<double> values;
    int64_t units = 0;
    for (int i = 0; i < 5000; ++i) {
        const int64_t k = static_cast<int64_t>(rng() % (int64_t{1} << 41)) - (int64_t{1} << 40);
        values.push_back(std::ldexp(static_cast<double>(k), -20));
        units += k;
    }
    const double expected = std::ldexp(static_cast<double>(units), -20);
    ExactSum forward, shuffled, withDetours;
    for (double v : values) forward.Add(v);
    std::shuffle(values.begin(), values.end(), rng);
    for (double v : values) {
        shuffled.Add(v);
        withDetours.Add(v);
        withDetours.Add(v * 1e200);  // added and taken away again: no trace may be left
        withDetours.Add(std::numeric_limits<double>::infinity());
    }
    for (double v : values) {
        withDetours.Subtract(v * 1e200);
        withDetours.Subtract(std::numeric_limits<double>::infinity());
    }
    EXPECT_EQ((std::vector<double>{forward.Value(), shuffled.Value(), withDetours.Value()}), std::vector<double>(3, expected));
}

}  // namespace
}  // namespace kt
