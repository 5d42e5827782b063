#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

#include "core/base/AtomicFile.h"
#include "core/base/Format.h"
#include "core/base/LocalTime.h"
#include "core/base/Scan.h"
#include "core/base/TextCodec.h"
#include "support/TestSupport.h"

namespace kt {
namespace {

TEST(Format, WritesPrintfFormatsWithDecimalPoint) {
    EXPECT_EQ(Format("%2.2f|%3.1f|%2.1f|%d", 45.0, 659.19, 81.55, 1), "45.00|659.2|81.5|1");
    EXPECT_EQ(Format("%2d:%02d", 1, 5), " 1:05");
    // Longer than the small buffer: the whole text arrives.
    const std::string long_text(1000, 'x');
    EXPECT_EQ(Format("<%s>", long_text.c_str()), "<" + long_text + ">");
}

TEST(Scan, IntSkipsBlanksStopsAtFirstNonDigitAndReportsNothingRead) {
    EXPECT_EQ(ScanInt("  42abc"), 42);
    EXPECT_EQ(ScanInt("-7\t"), -7);
    EXPECT_EQ(ScanInt("+3"), 3);
    EXPECT_FALSE(ScanInt("x5").has_value());
    EXPECT_FALSE(ScanInt("").has_value());
    EXPECT_FALSE(ScanInt("-").has_value());
    EXPECT_EQ(ScanIntOr("abc", 9), 9);
    EXPECT_EQ(ScanInt("99999999999"), 2147483647);
}

TEST(Scan, DoubleReadsLongestNumberPrefix) {
    EXPECT_DOUBLE_EQ(*ScanDouble(" 1.5kg"), 1.5);
    EXPECT_DOUBLE_EQ(*ScanDouble("45"), 45.0);
    EXPECT_DOUBLE_EQ(*ScanDouble("-5"), -5.0);
    EXPECT_DOUBLE_EQ(*ScanDouble("+.5"), 0.5);
    EXPECT_DOUBLE_EQ(*ScanDouble("1e3x"), 1000.0);
    EXPECT_DOUBLE_EQ(*ScanDouble("1:30"), 1.0);
    EXPECT_FALSE(ScanDouble("abc").has_value());
    EXPECT_FALSE(ScanDouble(":30").has_value());
    EXPECT_TRUE(std::isinf(*ScanDouble("1e999")));
    EXPECT_EQ(*ScanDouble("1e-999"), 0.0);
}

TEST(Scan, DoubleIgnoresDecimalCommaLocale) {
    // Whatever the process locale says, "1,5" reads as 1 and "1.5" as 1.5.
    EXPECT_DOUBLE_EQ(*ScanDouble("1,5"), 1.0);
    EXPECT_DOUBLE_EQ(*ScanDouble("1.5"), 1.5);
}

TEST(Scan, U64ReadsUnsignedDecimal) {
    EXPECT_EQ(ScanU64("1451948400\tSwim"), 1451948400u);
    EXPECT_EQ(ScanU64(" 0"), 0u);
    EXPECT_FALSE(ScanU64("\t").has_value());
    EXPECT_EQ(ScanU64("99999999999999999999999"), UINT64_MAX);
}

TEST(Scan, TrimRemovesSurroundingWhiteSpaceOnly) {
    EXPECT_EQ(Trim("  a b \t\r\n"), "a b");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(TrimLeft("  x "), "x ");
    EXPECT_EQ(TrimRight("  x "), "  x");
}

TEST(TextCodec, LatinOneTextIsOneBytePerCharacter) {
    const std::string text = "Caf\xC3\xA9 \xC3\xBF\xC2\xA0~";  // "Café ÿ<nbsp>~" in UTF-8
    EXPECT_EQ(EncodeLine(text), std::string("Caf\xE9 \xFF\xA0~"));
    EXPECT_EQ(DecodeLine(EncodeLine(text)), text);
}

TEST(TextCodec, CharactersAboveLatinOneRoundTrip) {
    const std::string ellipsis = "Calisthenics, light, push-ups, sit-ups\xE2\x80\xA6";
    EXPECT_EQ(EncodeLine(ellipsis),
              "Calisthenics, light, push-ups, sit-ups\x1B"
              "002026");
    const std::string cyrillic_emoji = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 \xF0\x9F\x98\x80!";  // "Привет 😀!"
    for (const std::string& s : {ellipsis, cyrillic_emoji}) EXPECT_EQ(DecodeLine(EncodeLine(s)), s);
    EXPECT_EQ(EncodeLine("\xF0\x9F\x98\x80"),
              "\x1B"
              "01F600");
}

TEST(TextCodec, TextThatLooksLikeAnEscapeStaysAsTyped) {
    // Without the ESC byte nothing is decoded; a literal ESC is escaped itself.
    for (const std::string s : {"002026", "\\u2026", "&#8230;",
                                "x\x1B"
                                "002026y",
                                "\x1B",
                                "end\x1B"
                                "12"}) {
        EXPECT_EQ(DecodeLine(EncodeLine(s)), s) << s;
    }
    EXPECT_EQ(DecodeLine("plain 002026"), "plain 002026");
    // Malformed escapes in a file read as the bytes they are.
    EXPECT_EQ(DecodeLine("a\x1BZZZZZZ"), "a\x1BZZZZZZ");
    EXPECT_EQ(DecodeLine("a\x1B"
                         "00D800"),
              "a\x1B"
              "00D800");  // a surrogate is not a character
}

TEST(TextCodec, InvalidUtf8BytesAreKeptAsLatinOne) {
    const std::string bad =
        "a\xFF"
        "b";  // not UTF-8: read as U+00FF
    EXPECT_EQ(EncodeLine(bad),
              "a\xFF"
              "b");
}

TEST(TextCodec, LinesEndInCrLfAndReadEitherEnding) {
    EXPECT_EQ(EncodeText({"a", "", "b"}), "a\r\n\r\nb\r\n");
    EXPECT_EQ(SplitLines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_TRUE(SplitLines("").empty());
}

TEST(AtomicFile, ReplacesContentAndLeavesNoTemporaryFile) {
    test::TempDir dir;
    const auto path = dir / "f.txt";
    test::WriteAll(path, "old");
    ASSERT_TRUE(WriteTextFileAtomic(path, {"new", "lines"}));
    EXPECT_EQ(test::ReadAll(path), "new\r\nlines\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);
}

TEST(AtomicFile, FailedWriteKeepsTheOldFile) {
    test::TempDir dir;
    const auto path = dir / "f.txt";
    test::WriteAll(path, "precious");
    SetAtomicWriteFailureAfterBytesForTesting(3);
    FileError error;
    EXPECT_FALSE(WriteFileAtomic(path, "replacement", &error));
    SetAtomicWriteFailureAfterBytesForTesting(-1);
    EXPECT_NE(error.code, 0);
    EXPECT_FALSE(error.message.empty());
    EXPECT_EQ(test::ReadAll(path), "precious");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);
}

TEST(AtomicFile, MissingFolderIsReported) {
    test::TempDir dir;
    FileError error;
    EXPECT_FALSE(WriteFileAtomic(dir / "missing" / "f.txt", "x", &error));
    EXPECT_EQ(error.code, ENOENT);
    std::string content;
    EXPECT_FALSE(ReadFileBytes(dir / "none", content));
}

// Tests run with TZ=Europe/Berlin: summer time starts on 27 March 2016 and ends on 30 October 2016.
TEST(LocalTime, MidnightAndWeekdayFollowTheLocalCalendar) {
    const Time64 t = LocalMidnight(2016, 1, 5);
    EXPECT_EQ(t, 1451948400);    // 2016-01-04 23:00 UTC
    EXPECT_EQ(DayOfWeek(t), 3);  // Tuesday
    EXPECT_EQ(MidnightOf(t + 13 * 3600), t);
    EXPECT_EQ(FormatTime(t, "%A %B %d, %Y"), "Tuesday January 05, 2016");
    EXPECT_EQ(DayOfWeek(LocalMidnight(2016, 1, 3)), 1);  // Sunday
    EXPECT_EQ(DayOfWeek(LocalMidnight(2016, 1, 9)), 7);  // Saturday
}

TEST(LocalTime, OutOfRangeDaysNormaliseIntoTheNextMonth) {
    EXPECT_EQ(LocalMidnight(2016, 4, 31), LocalMidnight(2016, 5, 1));
    EXPECT_EQ(LocalMidnight(2015, 2, 31), LocalMidnight(2015, 3, 3));
    EXPECT_EQ(LocalMidnight(2016, 2, 31), LocalMidnight(2016, 3, 2));
    EXPECT_EQ(LocalMidnight(2016, 0, 15), LocalMidnight(2015, 12, 15));
}

TEST(LocalTime, DayCountsAcrossTheSpringChangeLoseADay) {
    // 19 calendar days across 27 March 2016 are 19 * 86400 - 3600 seconds: 18 whole days.
    EXPECT_EQ(DayCount(LocalMidnight(2016, 3, 20), LocalMidnight(2016, 4, 8)), 18);
    EXPECT_EQ(DayCount(LocalMidnight(2016, 10, 20), LocalMidnight(2016, 11, 8)), 19);
    EXPECT_EQ(DayCount(LocalMidnight(2016, 1, 3), LocalMidnight(2016, 1, 7)), 4);
    // Midnight after the spring change is still the local 00:00 of that day.
    EXPECT_EQ(ToLocal(LocalMidnight(2016, 3, 28)).hour, 0);
}

TEST(LocalTime, OleDayNumberDependsOnlyOnTheLocalDate) {
    EXPECT_EQ(OleDayNumber(LocalMidnight(1970, 1, 1)), 25569);
    EXPECT_EQ(OleDayNumber(LocalMidnight(2016, 7, 1)) - OleDayNumber(LocalMidnight(2016, 1, 1)), 182);
    EXPECT_EQ(MidnightOfOleDay(OleDayNumber(LocalMidnight(2016, 3, 27))), LocalMidnight(2016, 3, 27));
}

TEST(LocalTime, LeapYears) {
    EXPECT_TRUE(IsLeapYear(2016));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(2015));
}

}  // namespace
}  // namespace kt

namespace kt {
namespace {

TEST(AtomicFile, WithoutADataFolderNothingIsReadOrWrittenInTheCurrentFolder) {
    test::TempDir dir;
    const auto old = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    const auto path = DataFilePath("", "ExerciseData.edb");
    FileError error;
    const bool written = WriteFileAtomic(path, "x", &error);
    std::string content;
    const bool read = ReadFileBytes(path, content);
    std::filesystem::current_path(old);
    EXPECT_FALSE(written);
    EXPECT_EQ(error.code, ENOENT);
    EXPECT_FALSE(read);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    EXPECT_EQ(DataFilePath("/d", "f.txt"), std::filesystem::path("/d/f.txt"));
}

}  // namespace
}  // namespace kt

#include <cstdio>
#include <cstdlib>

#include "core/journal/KT2Doc.h"

namespace kt {
namespace {

// A German locale generated into a private folder, so the test needs nothing installed system-wide.
bool UseGermanLocale(const test::TempDir& dir) {
    const std::string command = "localedef -i de_DE -f UTF-8 " + (dir.path() / "de_DE.UTF-8").string() + " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0 && !std::filesystem::exists(dir.path() / "de_DE.UTF-8")) return false;
    setenv("LOCPATH", dir.path().c_str(), 1);
    return std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
}

TEST(Format, FilesKeepTheDecimalPointUnderADecimalCommaLocale) {
    test::TempDir dir;
    ASSERT_TRUE(UseGermanLocale(dir)) << "localedef could not build de_DE.UTF-8";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    const std::string underGerman = probe;
    const std::string formatted = Format("%.1f|%2.2f", 1.5, 45.0);
    const std::string month = FormatTime(LocalMidnight(2016, 3, 5), "%B");

    CKT2Doc doc;
    doc.m_strDataFolder = dir.path().string();
    doc.m_arRecords = {CEventRecord(LocalMidnight(2016, 1, 5), "Swim", "Laps", 45.5, "Pool", 598.25, 81.5, 1, "")};
    test::RecordingPrompter prompter;
    test::FixedClock clock(1700000000);
    const bool saved = doc.SaveDatabase(prompter, clock);
    std::setlocale(LC_ALL, "C");
    unsetenv("LOCPATH");

    EXPECT_EQ(underGerman, "1,5");  // the locale really uses a decimal comma
    EXPECT_EQ(formatted, "1.5|45.00");
    EXPECT_EQ(month, "March");
    ASSERT_TRUE(saved);
    EXPECT_NE(test::ReadAll(doc.DatabasePath()).find("\t45.50\tPool\t598.2\t81.5\t1\t"), std::string::npos);
}

}  // namespace
}  // namespace kt
