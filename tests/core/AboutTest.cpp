#include <gtest/gtest.h>

#include "core/about/About.h"
#include "core/about/RtfText.h"
#include "core/base/Format.h"
#include "support/TestSupport.h"

namespace kt {
namespace {

// A span as "text" followed by its format: b/i/u, colour, face and size when set.
std::string Describe(const StyledText& t, const TextSpan& s) {
    std::string out = "[" + std::string(t.Slice(s.start, s.length)) + "]";
    out += std::string(s.bold ? "b" : "") + (s.italic ? "i" : "") + (s.underline ? "u" : "");
    if (s.colour != Rgb{}) out += Format(" %d,%d,%d", s.colour.r, s.colour.g, s.colour.b);
    if (!s.face.empty()) out += " " + s.face;
    out += Format(" %g", s.pointSize);
    return out;
}

std::vector<std::string> Spans(const StyledText& t) {
    std::vector<std::string> out;
    for (const TextSpan& s : t.spans) out.push_back(Describe(t, s));
    return out;
}

TEST(About, HeadingShowsProductVersionAndBuildDateInThreeStyles) {
    const CFileVersionInfo info(VersionNumber{{2, 6, 1, 5}}, {});
    EXPECT_EQ(AboutVersionText(info), "2.6.1.5");
    const StyledText t = AboutHeading("Kinetrax", "2.6.1.5", 1462060800);
    EXPECT_EQ(t.text, "Kinetrax\nVersion 2.6.1.5\nMay 01, 2016");
    EXPECT_EQ(t.spans.size(), 3u);
}

TEST(About, DocumentsAreFoundInTheCurrentFolderThenBesideTheProgram) {
    test::TempDir dir;
    const auto cwd = dir / "cwd";
    const auto program = dir / "opt/kt/bin";
    std::filesystem::create_directories(cwd);
    std::filesystem::create_directories(program);
    test::WriteAll(program / "Licence.rtf", "x");
    test::WriteAll(program / "KinetraxReadMe.rtf", "x");
    test::WriteAll(cwd / "KinetraxReadMe.rtf", "x");
    EXPECT_EQ(ReaderDocumentPath(ReaderDocument::Licence, cwd, program), program / "Licence.rtf");
    EXPECT_EQ(ReaderDocumentPath(ReaderDocument::ReadMe, cwd, program), cwd / "KinetraxReadMe.rtf");
    EXPECT_EQ(ReaderDocumentPath(ReaderDocument::Licence, cwd, cwd), std::filesystem::path());
    std::filesystem::create_directories(cwd / "Licence.rtf");  // a folder of that name is no document
    EXPECT_EQ(ReaderDocumentPath(ReaderDocument::Licence, cwd, program), program / "Licence.rtf");

    EXPECT_EQ(VersionHistoryPath(program), dir / "opt/kt/hlp/KTVersionHistory.htm");
    // An installed program reads them from share/kinetrax beside its bin folder.
    const std::filesystem::path installed = dir / "opt/kt/share/kinetrax";
    std::filesystem::create_directories(installed);
    test::WriteAll(installed / "KTVersionHistory.htm", "x");
    EXPECT_EQ(VersionHistoryPath(program), installed / "KTVersionHistory.htm");
    std::filesystem::create_directories(dir / "usr/share/kinetrax");
    test::WriteAll(dir / "usr/share/kinetrax/Licence.rtf", "x");
    EXPECT_EQ(ReaderDocumentPath(ReaderDocument::Licence, cwd, dir / "usr/bin"), dir / "usr/share/kinetrax/Licence.rtf");
    EXPECT_EQ(ReaderDocumentPath(ReaderDocument::Licence, cwd, dir / "opt/other/bin"), std::filesystem::path());
    test::WriteAll(program / "KTVersionHistory.htm", "x");
    EXPECT_EQ(VersionHistoryPath(program), program / "KTVersionHistory.htm");
}

TEST(RtfText, SubsetOfControlWordsGroupsTablesAndCharacters) {
    const std::string head = "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 Times New Roman;}}{\\colortbl ;\\red255\\green0\\blue0;}";
    const struct {
        std::string rtf;
        std::string text;
        std::vector<std::string> spans;
    } cases[] = {
        {head + "Plain\\par\r\nNext}", "Plain\nNext", {"[Plain\nNext] Arial 12"}},
        {head + "\\fs20 a{\\b b}c\\i d\\i0 e\\ul f\\ulnone g}",
         "abcdefg",
         {"[a] Arial 10", "[b]b Arial 10", "[c] Arial 10", "[d]i Arial 10", "[e] Arial 10", "[f]u Arial 10", "[g] Arial 10"}},
        {head + "\\f1\\cf1 red\\cf0 black\\plain p}",
         "redblackp",
         {"[red] 255,0,0 Times New Roman 12", "[black] Times New Roman 12", "[p] Arial 12"}},
        {head + "\\'e9\\'93q\\'94 \\u8364?x\\uc0\\u8211 y \\bullet  \\emdash\\~\\{\\}\\\\\\-\\_}",
         "é“q” €x–y • —\u00a0{}\\-",
         {"[é“q” €x–y • —\u00a0{}\\-] Arial 12"}},
        {head + "{\\*\\generator Writer;}{\\info{\\title T}}{\\stylesheet{\\s0 Normal;}}Text\\line\\tab x}",
         "Text\n\tx",
         {"[Text\n\tx] Arial 12"}},
        {"{\\rtf1 \\pard\\qc Centre\\par\\pard Left\\par\\qr Right}", "Centre\nLeft\nRight", {"[Centre\nLeft\nRight] 12"}},
        {"no rtf\r\nat all", "no rtfat all", {"[no rtfat all] 12"}},
        {"{\\rtf1 unclosed {\\b group", "unclosed group", {"[unclosed ] 12", "[group]b 12"}},
    };
    for (const auto& c : cases) {
        const StyledText t = RtfToStyledText(c.rtf);
        EXPECT_EQ(t.text, c.text) << c.rtf;
        EXPECT_EQ(Spans(t), c.spans) << c.rtf;
    }
    const StyledText aligned = RtfToStyledText("{\\rtf1 \\pard\\qc Centre\\par\\pard Left\\par\\qr Right}");
    EXPECT_EQ(aligned.alignments, (std::vector<ParagraphStyle>{{0, ParagraphAlign::Center}, {2, ParagraphAlign::Right}}));
}

TEST(RtfText, ShippedDocumentsUseOnlyTheSubset) {
    for (const char* name : {"Licence.rtf", "KinetraxReadMe.rtf"}) {
        const std::string rtf = test::ReadAll(std::filesystem::path(KT_SOURCE_DOCS) / name);
        ASSERT_FALSE(rtf.empty()) << name;
        const StyledText t = RtfToStyledText(rtf);
        // Nothing of the markup may show: a control word the reader does not know would leave
        // its text or a brace behind.
        EXPECT_EQ(t.text.find_first_of("\\{}"), std::string::npos) << name << ": " << t.text;
        EXPECT_EQ(t.text.find(';'), t.text.find("; ")) << name;
        EXPECT_EQ(t.alignments.front(), (ParagraphStyle{0, ParagraphAlign::Center})) << name;
        EXPECT_EQ(t.spans.front().face, "Arial") << name;
        EXPECT_EQ(t.spans.front().pointSize, 18) << name;
    }
    const StyledText licence = RtfToStyledText(test::ReadAll(std::filesystem::path(KT_SOURCE_DOCS) / "Licence.rtf"));
    EXPECT_NE(licence.text.find("Kinetrax is free to use."), std::string::npos);
    EXPECT_NE(licence.text.find("provided \u201cas is\u201d, without warranty"), std::string::npos);
}

}  // namespace
}  // namespace kt
