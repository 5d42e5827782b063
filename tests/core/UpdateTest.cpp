#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "core/base/Format.h"
#include "core/update/FileVersionInfo.h"
#include "core/update/UpdateRules.h"
#include "core/update/UpdateSite.h"
#include "core/update/VersionCheck.h"
#include "support/TestSupport.h"

namespace kt {
namespace {

VersionNumber V(int a, int b, int c, int d) { return VersionNumber{{a, b, c, d}}; }

CFileVersionInfo Own(int a, int b, int c, int d, const std::string& product = "Kinetrax") {
    std::array<std::string, 12> strings;
    strings[1] = "Exercise Journal";  // FileDescription
    strings[6] = product;             // ProductName
    return CFileVersionInfo(V(a, b, c, d), strings);
}

// Ten-digit build time of 1 May 2016 (02:00 in Berlin) and version 2.6.1.5, 24 bytes.
const std::string kFiveLines = "1462060800\r\n2\r\n6\r\n1\r\n5\r\n";

std::string Parsed(std::string_view text) {
    const WebVersion w = ParseVersionFile(text);
    return VersionText(w.version) + " @" + std::to_string(w.created);
}

TEST(VersionFile, EveryFormAndMalformedNumbers) {
    // Lines past the fifth are not read; without a line end nothing is; three lines are read as one
    // dotted line; reading stops at the first mismatch, and a number may follow blanks, a dot may not.
    const std::pair<std::string, const char*> cases[] = {{kFiveLines, "2.6.1.5 @1462060800"},
                                                         {"1462060800\n2\n6\n1\n5\n", "2.6.1.5 @1462060800"},
                                                         {"7\n1\n2\n3\n4\n5\n6\n", "1.2.3.4 @7"},
                                                         {"2\r\n6\r\n1\r\n5\r\n", "2.6.1.5 @0"},
                                                         {"2.6.1.5\n", "2.6.1.5 @0"},
                                                         {"2.6.1.5\r\n\r\n\r\n", "2.6.1.5 @0"},
                                                         {"2.6.1.5", "0.0.0.0 @0"},
                                                         {"2\n6\n1\n5", "2.0.0.0 @0"},
                                                         {"", "0.0.0.0 @0"},
                                                         {"2.x.1.5\n", "2.0.0.0 @0"},
                                                         {"2.6.1x.5\n", "2.6.1.0 @0"},
                                                         {"2. 6.1.5\n", "2.6.1.5 @0"},
                                                         {"2 .6.1.5\n", "2.0.0.0 @0"},
                                                         {"abc\n6\nx\n-5\n", "0.6.0.-5 @0"},
                                                         {"x\n2\n6\n1\n5\n", "2.6.1.5 @0"},
                                                         {"99999999999\n2\n6\n1\n5\n", "2.6.1.5 @4294967295"},
                                                         {"4294967295\n10\n0\n0\n0\n", "10.0.0.0 @4294967295"}};
    for (const auto& [text, expected] : cases) EXPECT_EQ(Parsed(text), expected) << text;
    EXPECT_EQ(VersionFileContent(1462060800, V(2, 6, 1, 5)), kFiveLines);
}

TEST(VersionFile, PartsCompareAsNumbersMajorFirstAndFillTwoWordsAndNamesAndAddresses) {
    EXPECT_EQ(CheckName("KT", "/opt/kt/kinetrax") + " " + CheckName("", "/opt/kt/kinetrax.bin"), "KT kinetrax");
    const UpdateSite site{"https", "www.example.org", "dl.example.org:8443", "help@example.org", "Maker"};
    EXPECT_EQ(VersionFileUrl(site, "KT"), "https://www.example.org/Quorvane/KTVersion.txt");
    EXPECT_EQ(SetupFileUrl(site, "KTSetup.exe"), "https://dl.example.org:8443/KTSetup.exe");
    EXPECT_GT(V(3, 0, 0, 0), V(2, 99, 99, 99));
    EXPECT_GT(V(2, 6, 1, 10), V(2, 6, 1, 9));
    const CFileVersionInfo info = Own(2, 6, 1, 65535);
    EXPECT_EQ(Format("%08x %08x", info.GetFileVersionMS(), info.GetFileVersionLS()), "00020006 0001ffff");
    EXPECT_EQ(CFileVersionInfo::Own().Get("FileVersion"), VersionText(CFileVersionInfo::Own().FileVersion()));
}

std::string Outcome(const std::optional<std::string>& response, const CFileVersionInfo& own, bool showCurrent, bool showNotUploaded) {
    const auto r = EvaluateVersionResponse(response, own, {showCurrent, showNotUploaded, "KT"});
    if (!r) return "none";
    EXPECT_EQ(r->setupFile, "KTSetup.exe");
    EXPECT_EQ(r->productName, own.GetProductName());
    return Format("%d%s %s", static_cast<int>(r->mode), r->endOnOk ? " ends" : "", r->message.c_str());
}

TEST(VersionCheck, ModesAndMessagesForEachAnswer) {
    const std::string newer =
        "1 ends There is a newer version of Kinetrax available. You are using Kinetrax Version 2.6.1.4 and Version 2.6.1.5 is "
        "available, created on May 01, 2016. \r\n\r\nYou may update Kinetrax now, download the newer version, go to the Quorvane "
        "website or continue without updating.";
    const std::string current =
        "0 ends You are using Kinetrax (Exercise Journal), Version 2.6.1.5.\r\n\r\nVersion 2.6.1.5 , created on May 01, 2016, is "
        "identified as the most current on the Quorvane website.";
    const std::string notUploaded =
        "2 This newer version of Kinetrax (Version 2.6.1.6) has not been uploaded to the Quorvane website. The version on the website "
        "is 2.6.1.5";
    const std::string noInfo = "3 Unable to obtain version information from the Quorvane website for: KT\nUsing: Kinetrax 2.6.1.5";
    const struct {
        std::optional<std::string> response;
        CFileVersionInfo own;
        bool showCurrent, showNotUploaded;
        std::string expected;
    } cases[] = {
        {kFiveLines, Own(2, 6, 1, 4), false, false, newer},
        {kFiveLines, Own(2, 6, 1, 5), true, false, current},
        {kFiveLines, Own(2, 6, 1, 5), false, false, "none"},
        {kFiveLines, Own(2, 6, 1, 5), false, true, "none"},  // equal is not "not uploaded"
        {kFiveLines, Own(2, 6, 1, 6), true, false,
         "0 ends You are using Kinetrax (Exercise Journal), Version 2.6.1.6.\r\n\r\nVersion 2.6.1.5 , created on May 01, 2016, is "
         "identified as the most current on the Quorvane website."},
        {kFiveLines, Own(2, 6, 1, 6), false, true, notUploaded},
        {"2.6.1.5\n", Own(2, 6, 1, 5), true, false,
         "0 ends You are using Kinetrax (Exercise Journal), Version 2.6.1.5.\r\n\r\nVersion 2.6.1.5 is identified as the most current "
         "on the Quorvane website."},
        {"2.10.0.0\n", Own(2, 9, 9, 9), false, false,
         "1 ends There is a newer version of Kinetrax available. You are using Kinetrax Version 2.9.9.9 and Version 2.10.0.0 is "
         "available. \r\n\r\nYou may update Kinetrax now, download the newer version, go to the Quorvane website or continue without "
         "updating."},
        {"", Own(2, 6, 1, 5), false, false, noInfo},
        {std::string(30, '1'), Own(2, 6, 1, 5), false, false, noInfo},
        {"<!DOCTYPE html><html></html>\n", Own(2, 6, 1, 5), true, true, "none"},  // 29 bytes of HTML
        {"<!DOCTYPE html><html></html>\n\n", Own(2, 6, 1, 5), false, false, noInfo},
        {"1234567890\r\n22\r\n66\r\n11\r\n555\r\n", Own(22, 66, 11, 554), false, false,
         "1 ends There is a newer version of Kinetrax available. You are using Kinetrax Version 22.66.11.554 and Version 22.66.11.555 is "
         "available, created on February 14, 2009. \r\n\r\nYou may update Kinetrax now, download the newer version, go to the "
         "Quorvane website or continue without updating."},  // 29 bytes: still a version file
        {std::nullopt, Own(2, 6, 1, 5), true, true, "none"},
    };
    for (const auto& c : cases) EXPECT_EQ(Outcome(c.response, c.own, c.showCurrent, c.showNotUploaded), c.expected) << *c.response;
}

TEST(VersionCheck, VersionFileIsWrittenOnlyInTheMakersReleaseFolder) {
    test::TempDir dir;
    test::RecordingPrompter prompter;
    const std::string own = (dir / "MyProjects/kt/Release/kinetrax").string();
    const CFileVersionInfo info = Own(2, 6, 1, 5);
    // The first exit makes the setup folder only; the next writes the file and asks for the check.
    EXPECT_EQ(WriteVersionFile(own, "KT", info, 1462060800, prompter), std::nullopt);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "MyProjects/kt/KTSetup"));
    EXPECT_FALSE(std::filesystem::exists(dir / "MyProjects/kt/KTSetup/KTVersion.txt"));
    EXPECT_EQ(WriteVersionFile(own, "KT", info, 1462060800, prompter), "KT");
    EXPECT_EQ(test::ReadAll(dir / "MyProjects/kt/KTSetup/KTVersion.txt"), kFiveLines);
    EXPECT_TRUE(prompter.messages.empty());

    // {program path, base name, product, setup folder}; "Release" must come after "Project".
    const std::array<std::string, 4> targets[] = {{"/a/Projects/x/Release/kinetrax", "", "Kinetrax", "/a/Projects/x/KinetraxSetup"},
                                                  {"/a/Projects/x/Release/kinetrax", "", "", "/a/Projects/x/kinetraxSetup"},
                                                  {"/a/Project/Release/bin/kinetrax", "KT", "P", "/a/Project/KTSetup"},
                                                  {"/a/Projects/x/release/kinetrax", "KT", "P", "none"},
                                                  {"/a/Release/Project/kinetrax", "KT", "P", "none"},
                                                  {"/a/projects/Release/kinetrax", "KT", "P", "none"},
                                                  {"/a/Projec/Release/kinetrax", "KT", "P", "none"}};
    for (const auto& [path, base, product, expected] : targets) {
        const auto target = VersionFileTargetFor(path, base, product);
        EXPECT_EQ(target ? target->setupFolder.string() : "none", expected) << path;
    }
    EXPECT_FALSE(WriteVersionFile(dir.path().string() + "/kinetrax", "KT", info, 1, prompter) ||
                 WriteVersionFile("", "KT", info, 1, prompter));
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"Error reading file name"});
}

TEST(VersionCheck, SetupFolderAndVersionFileFailuresAreReported) {
    test::TempDir dir;
    test::RecordingPrompter prompter;
    const CFileVersionInfo info = Own(2, 6, 1, 5);
    test::WriteAll(dir / "Project", "a file where a folder belongs");
    EXPECT_EQ(WriteVersionFile((dir / "Project/Release/kinetrax").string(), "KT", info, 1, prompter), std::nullopt);
    std::filesystem::create_directories(dir / "Projects/Release");
    std::filesystem::create_directories(dir / "Projects/KTSetup/KTVersion.txt");
    // The file cannot be written, and the check runs all the same.
    EXPECT_EQ(WriteVersionFile((dir / "Projects/Release/kinetrax").string(), "KT", info, 1, prompter), "KT");
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[0], "Unable to create setup folder for " + (dir / "Project/KTSetup").string() + " due to Not a directory");
    EXPECT_EQ(prompter.messages[1].rfind("Unable to write the version file,\n " + (dir / "Projects/KTSetup/KTVersion.txt").string() +
                                             "\nError Message: Is a directory",
                                         0),
              0u)
        << prompter.messages[1];
}

// Each span as "text:" and b/i/u flags and its colour.
std::vector<std::string> Spans(const StyledText& t) {
    std::vector<std::string> out;
    for (const TextSpan& s : t.spans) {
        out.push_back(std::string(t.Slice(s.start, s.length)) + ":" + (s.bold ? "b" : "") + (s.italic ? "i" : "") +
                      Format(" %d,%d,%d", s.colour.r, s.colour.g, s.colour.b));
    }
    return out;
}

TEST(UpdateDialog, MessagesPickOutTheirVariablePartsAndAreCentred) {
    const auto newer = EvaluateVersionResponse(kFiveLines, Own(2, 6, 1, 4), {false, false, "KT"});
    const StyledText t1 = UpdateMessageText(UpdateMode::Newer, newer->message);
    EXPECT_EQ(Spans(t1), (std::vector<std::string>{"Kinetrax:b 220,0,0", "Kinetrax:b 220,0,0", "2.6.1.4:bi 0,160,0", "2.6.1.5:bi 0,160,0",
                                                   "May 01, 2016:b 220,0,0", "update:bi 0,0,128", "Kinetrax:b 220,0,0",
                                                   "download:b 255,153,0", "Quorvane website:b 255,153,0", "continue:b 255,153,0"}));
    ASSERT_EQ(t1.alignments.size(), 3u);
    EXPECT_EQ(t1.alignments[2], (ParagraphStyle{2, ParagraphAlign::Center}));
    const auto plain = EvaluateVersionResponse("2.10.0.0\n", Own(2, 9, 9, 9), {false, false, "KT"});
    EXPECT_EQ(Spans(UpdateMessageText(UpdateMode::Newer, plain->message)).size(), 9u);  // no date to pick out
    const auto noInfo = EvaluateVersionResponse("", Own(2, 6, 1, 5, "Kine Trax"), {false, false, "KT"});
    EXPECT_EQ(Spans(UpdateMessageText(UpdateMode::NoInformation, noInfo->message)),
              (std::vector<std::string>{"KT:b 220,0,0", "Kine Trax:b 220,0,0", "2.6.1.5:bi 0,160,0"}));
    // A message without the fixed words keeps the default format.
    EXPECT_TRUE(UpdateMessageText(UpdateMode::Newer, "Something else entirely").spans.empty());
}

std::string Captions(UpdateMode mode, bool downloaded) {
    const UpdateButtons b = UpdateDialogButtons(mode, "Kinetrax", downloaded);
    return b.updateNow + "|" + b.downloadOnly + "|" + b.website + "|" + b.cancel + (b.actionsVisible ? "" : " (cancel only)");
}

TEST(UpdateDialog, CaptionsBeforeAndAfterDownloadingAndCancelOnlyWithoutANewerVersion) {
    EXPECT_EQ(Captions(UpdateMode::Newer, false), "Update Kinetrax Now|Download Only|View Quorvane Website|Continue - no action (Esc)");
    EXPECT_EQ(Captions(UpdateMode::Newer, true), "Install|Open Folder|View Quorvane Website|Update Later (Esc)");
    for (UpdateMode mode : {UpdateMode::NotUploaded, UpdateMode::NoInformation})
        EXPECT_EQ(Captions(mode, false), "Update Kinetrax Now|Download Only|View Quorvane Website|Close (Esc) (cancel only)");
}

TEST(UpdateDialog, PercentagesNeverDivideByZeroAndShortDownloadsAreRefused) {
    const struct {
        int64_t received, length;
        std::optional<int> percent;
    } cases[] = {{512, 1000, 51}, {1000, 1000, 100},      {0, 1000, 0},           {999, 1000, 99},
                 {10, 3, 333},    {512, 0, std::nullopt}, {512, -1, std::nullopt}};
    for (const auto& c : cases) EXPECT_EQ(DownloadPercent(c.received, c.length), c.percent) << c.received << "/" << c.length;

    // Only the announced length is complete, unless the transfer failed; without a length (0 or
    // -1) anything but an empty file is.
    // {received, length, failed}
    const std::tuple<int64_t, int64_t, bool> downloads[] = {{1000, 1000, false}, {999, 1000, false}, {1001, 1000, false},
                                                            {1000, 1000, true},  {1234, 0, false},   {1234, -1, false},
                                                            {0, 0, false}};
    std::string complete;
    for (const auto& [received, length, failed] : downloads) complete += DownloadIsComplete(received, length, failed) ? "1" : "0";
    EXPECT_EQ(complete, "1000110");
}

TEST(UpdateDialog, DownloadFolderIsCreatedUnderDownloadsOrTheUserIsTold) {
    test::TempDir dir;
    test::RecordingPrompter prompter;
    EXPECT_EQ(GetDownloadFolder(std::nullopt, prompter) + GetDownloadFolder(std::string(), prompter), "");
    EXPECT_EQ(GetDownloadFolder((dir / "Downloads").string(), prompter), (dir / "Downloads/Quorvane").string());
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Downloads/Quorvane"));
    EXPECT_EQ(GetDownloadFolder((dir / "Downloads").string(), prompter), (dir / "Downloads/Quorvane").string());  // exists: fine
    test::WriteAll(dir / "file", "");
    EXPECT_EQ(GetDownloadFolder((dir / "file").string(), prompter), "");
    EXPECT_EQ(prompter.messages,
              (std::vector<std::string>{"The user's \"Downloads\" folder could not be accessed.",
                                        "The user's \"Downloads\" folder could not be accessed.",
                                        "An error occurred (Error Code: 14) and the Quorvane temp data folder could not be created or "
                                        "found:\n\nError Message is: Not a directory"}));
}

}  // namespace
}  // namespace kt
