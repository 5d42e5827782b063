#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include "core/base/StyledText.h"
#include "ui/base/RichTextPainter.h"

namespace kt::ui {
namespace {

// The colour and weight of the character at `position` (in UTF-16 units).
std::pair<QColor, bool> StyleAt(QTextEdit& pane, int position) {
    QTextCursor c(pane.document());
    c.setPosition(position + 1);  // the format of the character before the cursor
    return {c.charFormat().foreground().color(), c.charFormat().fontWeight() == QFont::Bold};
}

// Spans are byte offsets into UTF-8; the pane counts UTF-16 units. Letters of two, three and four
// bytes (the last a pair of units) before a span must not move it, and a second, shorter text
// painted into the same pane keeps nothing of the first.
TEST(RichText, SpansLandOnTheirLettersAfterAnyUtf8AndARepaintStartsClean) {
    QTextEdit pane;
    const Rgb red{200, 0, 0};
    StyledText first;
    first.text =
        "\xC3\x9C"
        "ber \xE2\x82\xAC \xF0\x9F\x98\x80 Swim\nnext line";  // Über € 😀 Swim
    const size_t swim = first.text.find("Swim");
    first.spans.push_back({swim, 4, true, false, false, red, {}, 0, {}});
    first.spans.push_back({2, 3, true, false, false, red, {}, 0, {}});  // "ber", after a later span
    first.alignments.push_back({0, ParagraphAlign::Center});
    first.alignments.push_back({1, ParagraphAlign::Right});
    PaintStyledText(&pane, first);
    EXPECT_EQ(pane.toPlainText(), QString::fromUtf8(first.text.c_str()));
    const int swimAt = static_cast<int>(pane.toPlainText().indexOf(QStringLiteral("Swim")));
    for (const auto& [at, styled] : std::vector<std::pair<int, bool>>{
             {0, false}, {1, true}, {3, true}, {4, false}, {swimAt - 1, false}, {swimAt, true}, {swimAt + 3, true}, {swimAt + 4, false}})
        EXPECT_EQ(StyleAt(pane, at), styled ? std::pair(QColor(200, 0, 0), true) : std::pair(QColor(Qt::black), false)) << at;
    EXPECT_EQ(pane.document()->firstBlock().blockFormat().alignment(), Qt::AlignHCenter);

    StyledText second;
    second.text = "Run";
    PaintStyledText(&pane, second);
    EXPECT_EQ(pane.toPlainText(), QStringLiteral("Run"));
    EXPECT_EQ(pane.document()->blockCount(), 1);
    EXPECT_EQ(StyleAt(pane, 0), std::pair(QColor(Qt::black), false));
    EXPECT_FALSE(pane.document()->firstBlock().blockFormat().alignment() & (Qt::AlignHCenter | Qt::AlignRight));
}

}  // namespace
}  // namespace kt::ui
